// The tree's photo, document and file stores.
#include "model/clovek.h"
#include "model/media.h"
#include "model/media_names.h"
#include "model/path_utils.h"
#include "model/rod.h"
#include "system/exceptions.h"
#include "system/files.h"
#include "system/jpeg.h"

#include <algorithm>
#include <vector>

namespace {

// The lowest number that no record of the store, no record a person links and no stored copy
// of the folder (`held`) has. Records linked only by persons count: their stored copies are
// still shown. With n numbers in all the answer is at most n, so one pass over a table of
// n + 1 flags finds it.
template<class Ref>
int firstFreeNumber(const Prvky& store, const Clovek* firstPerson, SparseList Clovek::*links,
                    const std::vector<int>& held)
{
    std::vector<const Prvky*> lists{&store};
    size_t entries = static_cast<size_t>(store.count()) + held.size();
    for (const Clovek* p = firstPerson; p; p = p->chainNext) {
        lists.push_back(&static_cast<const Prvky&>(p->*links));
        entries += static_cast<size_t>((p->*links).count());
    }
    std::vector<bool> used(entries + 1, false);
    for (int n : held)
        if (n >= 0 && static_cast<size_t>(n) < used.size())
            used[static_cast<size_t>(n)] = true;
    for (const Prvky* list : lists) {
        for (Ref* e : list->items<Ref>()) {
            int n = e->record->number;
            if (n >= 0 && static_cast<size_t>(n) < used.size())
                used[static_cast<size_t>(n)] = true;
        }
    }
    return static_cast<int>(std::find(used.begin(), used.end(), false) - used.begin());
}

template<class Ref, class Record> Record* findInStore(const Prvky& store, int number)
{
    for (Ref* e : store.items<Ref>()) {
        if (e->record->number == number)
            return e->record;
    }
    return nullptr;
}

// Registers a record whose stored copy has just been written.
template<class Ref, class Record> Record* registerRecord(Prvky& store, int number)
{
    auto* record = new Record(number);
    store.append(std::make_unique<Ref>(record));
    return record;
}

TJPEGImage jpegFromBitmapFile(const std::string& source)
{
    TBitmap bitmap;
    bitmap.LoadFromFile(source);
    TJPEGImage jpeg;
    jpeg.Assign(bitmap);
    return jpeg;
}

TJPEGImage jpegFromJpegFile(const std::string& source)
{
    TJPEGImage jpeg;
    jpeg.LoadFromFile(source);
    return jpeg;
}

} // namespace

int Rod::firstFreePhotoNumber() const
{
    return firstFreeNumber<UkFotka>(photoStore, firstPerson, &Clovek::photos, folderNumbers().photos);
}

int Rod::firstFreeDocumentNumber() const
{
    return firstFreeNumber<UkDokument>(documentStore, firstPerson, &Clovek::documents,
                                       folderNumbers().documents);
}

int Rod::firstFreeFileNumber() const
{
    return firstFreeNumber<UkSoubor>(fileStore, firstPerson, &Clovek::files, folderNumbers().files);
}

namespace {

// Each add reads and writes the picture before a record exists, so a failure leaves nothing.
Fotka* storePhoto(Rod& tree, const TJPEGImage& jpeg, const std::string& folder)
{
    const int number = tree.firstFreePhotoNumber();
    jpeg.SaveToFile(joinPath(folder, photoFileName(number)));
    return registerRecord<UkFotka, Fotka>(tree.photoStore, number);
}

Dokument* storeDocument(Rod& tree, const TJPEGImage& jpeg, const std::string& folder)
{
    const int number = tree.firstFreeDocumentNumber();
    jpeg.SaveToFile(joinPath(folder, documentFileName(number)));
    return registerRecord<UkDokument, Dokument>(tree.documentStore, number);
}

} // namespace

Fotka* Rod::addPhotoFromBitmap(const std::string& source, const std::string& folder)
{
    return storePhoto(*this, jpegFromBitmapFile(source), folder);
}

Fotka* Rod::addPhotoFromJpeg(const std::string& source, const std::string& folder)
{
    return storePhoto(*this, jpegFromJpegFile(source), folder);
}

Dokument* Rod::addDocumentFromBitmap(const std::string& source, const std::string& folder)
{
    return storeDocument(*this, jpegFromBitmapFile(source), folder);
}

Dokument* Rod::addDocumentFromJpeg(const std::string& source, const std::string& folder)
{
    return storeDocument(*this, jpegFromJpegFile(source), folder);
}

Soubor* Rod::addFile(const std::string& source, const std::string& folder)
{
    std::string type = extensionOf(source);
    if (!isSafeFileType(type))
        type.clear();
    int number = firstFreeFileNumber();
    const std::string target = joinPath(folder, attachedFileName(number, type));
    if (!copyFile(source, target, true))
        throw EInOutError("Cannot copy " + source + " to " + target);
    Soubor* file = registerRecord<UkSoubor, Soubor>(fileStore, number);
    file->type = type;
    return file;
}

Fotka* Rod::findPhoto(int number) const
{
    return findInStore<UkFotka, Fotka>(photoStore, number);
}

Dokument* Rod::findDocument(int number) const
{
    return findInStore<UkDokument, Dokument>(documentStore, number);
}

Soubor* Rod::findFile(int number) const
{
    return findInStore<UkSoubor, Soubor>(fileStore, number);
}

void Rod::removePhoto(Fotka* photo)
{
    photoStore.remove(findMediaEntry<UkFotka>(photoStore, photo));
}

void Rod::removeDocument(Dokument* document)
{
    documentStore.remove(findMediaEntry<UkDokument>(documentStore, document));
}

void Rod::removeFile(Soubor* file)
{
    fileStore.remove(findMediaEntry<UkSoubor>(fileStore, file));
}
