#pragma once
// The tree's media records: photos, document pictures and attached files. Each record is held
// once in the tree's store of its kind and may be linked to any number of persons; it counts
// the list entries (`UkFotka`, `UkDokument`, `UkSoubor`) that refer to it and is freed with the
// last one, so it lives while it is in the store or linked to a person. The picture or file
// itself is a numbered copy in the working folder (model/media_names.h).
#include "model/prvky.h"
#include "system/stringlist.h"

#include <string>

// How a picture file chosen by the user is read, by its extension in any letter case: "bmp" as
// a bitmap, "jpg" and "jpeg" as JPEG; anything else is not taken.
enum class PictureFileKind { Other, Bitmap, Jpeg };
PictureFileKind pictureFileKind(const std::string& path);

// What the three kinds of record share.
class MediaRecord {
public:
    explicit MediaRecord(int n) : number(n) { }
    MediaRecord(const MediaRecord&) = delete;
    MediaRecord& operator=(const MediaRecord&) = delete;

    int number; // unique among the living records of its kind; names the stored copy
    int refCount = 0; // list entries referring to the record
    std::string name;
    std::string year; // free text
    TStringList comment;
};

class Fotka : public MediaRecord {
public:
    using MediaRecord::MediaRecord;
    // 0: name + " " + year; 1: year + " " + name.
    std::string GetString(int mode) const;
    // "foto/foto" + number + ".jpg".
    std::string storedPath() const;
};

class Dokument : public MediaRecord {
public:
    using MediaRecord::MediaRecord;
    // As Fotka::GetString.
    std::string GetString(int mode) const;
    // "dokumenty/dokument" + number + ".jpg".
    std::string storedPath() const;
};

class Soubor : public MediaRecord {
public:
    using MediaRecord::MediaRecord;
    // 0: name year (type); 1: year name (type); 2: type - name year.
    std::string GetString(int mode) const;
    // "soubor" + number + "." + type; the type is left out when it cannot safely be part of a
    // file name (a type read from a damaged tree file).
    std::string storedFileName() const;
    // "soubory/" + storedFileName().
    std::string storedPath() const;

    std::string type; // the source file's extension, without the dot
};

// A counted reference to a record: constructing one raises the record's count, destroying one
// lowers it and frees the record at zero.
template<class Record> class CountedMediaRef : public Prvek {
public:
    explicit CountedMediaRef(Record* counted) : record(counted) { ++record->refCount; }
    ~CountedMediaRef() override
    {
        if (--record->refCount == 0)
            delete record;
    }

    Record* const record;
};

class UkFotka : public CountedMediaRef<Fotka> {
public:
    using CountedMediaRef::CountedMediaRef;
};

class UkDokument : public CountedMediaRef<Dokument> {
public:
    using CountedMediaRef::CountedMediaRef;
};

class UkSoubor : public CountedMediaRef<Soubor> {
public:
    using CountedMediaRef::CountedMediaRef;
};

// Whether `list` (of UkFotka, UkDokument or UkSoubor) holds an entry for `record`.
template<class Ref, class Record> Ref* findMediaEntry(const Prvky& list, const Record* record)
{
    for (Ref* entry : list.items<Ref>()) {
        if (entry->record == record)
            return entry;
    }
    return nullptr;
}
