#pragma once
// What the photo, document and file tabs and their pools do with a list of media references, the
// same for the three kinds: the list texts, the three sort orders, the records' users, and taking
// a record out of the whole tree.
#include "model/media.h"

#include <memory>
#include <string>

class Clovek;
class Rod;
class TStringList;

enum class MediaKind { Photo, Document, File };

// The record an entry of a person's list or of a store of that kind refers to.
MediaRecord* mediaRecordOf(MediaKind kind, const Prvek* entry);
// A new counted entry for the record, to be appended to a list of that kind.
std::unique_ptr<Prvek> newMediaEntry(MediaKind kind, MediaRecord* record);
// The person's list of that kind, and the tree's store of it. The list to change takes its
// storage when it has none; reading a person's list never does.
Prvky& personMedia(Clovek& person, MediaKind kind);
const Prvky& personMedia(const Clovek& person, MediaKind kind);
Prvky& treeMediaStore(Rod& tree, MediaKind kind);
// The list text of the record in a sort mode (Fotka::GetString and its twins).
std::string mediaListText(MediaKind kind, const MediaRecord& record, int mode);
// The stored copy, relative to the working folder.
std::string mediaStoredPath(MediaKind kind, const MediaRecord& record);

// Sorts the entries in place, equal ones keeping their order. Mode 0: by the list text of mode 0
// in the collation, letter case ignored; 1: records whose year is all digits first, by the
// year's value (compared digit by digit, so a year of any length sorts without overflow), the
// others after them in their previous order; 2: by the list text of mode 2 (files: the type
// first). Any other mode leaves the list alone.
void sortMediaRefs(MediaKind kind, Prvky& list, int mode);
// Empties `strings` and adds the list text of each entry's record, in list order.
void fillMediaList(MediaKind kind, const Prvky& list, TStringList& strings, int mode);
// The position of the record's first entry in the list, or -1.
int indexOfMedia(MediaKind kind, const Prvky& list, const MediaRecord* record);
// Whether the person's list of that kind refers to the record.
bool personHasMedia(const Clovek& person, MediaKind kind, const MediaRecord* record);
// Persons linking the record: its count without the store's own entry.
int countMediaUsers(const MediaRecord& record);
// Every person's entries for the record, then the store's entry: the record is freed unless
// nobody held it in the first place. Its stored copy stays where it is.
void deleteMediaFromTree(Rod& tree, MediaKind kind, MediaRecord* record);
