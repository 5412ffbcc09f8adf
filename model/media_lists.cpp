#include "model/media_lists.h"

#include "model/clovek.h"
#include "model/path_utils.h"
#include "model/rod.h"
#include "system/collation.h"
#include "system/stringlist.h"
#include "system/text.h"

#include <algorithm>
#include <vector>

MediaRecord* mediaRecordOf(MediaKind kind, const Prvek* entry)
{
    switch (kind) {
    case MediaKind::Photo:
        return static_cast<const UkFotka*>(entry)->record;
    case MediaKind::Document:
        return static_cast<const UkDokument*>(entry)->record;
    case MediaKind::File:
        return static_cast<const UkSoubor*>(entry)->record;
    }
    return nullptr;
}

std::unique_ptr<Prvek> newMediaEntry(MediaKind kind, MediaRecord* record)
{
    switch (kind) {
    case MediaKind::Photo:
        return std::make_unique<UkFotka>(static_cast<Fotka*>(record));
    case MediaKind::Document:
        return std::make_unique<UkDokument>(static_cast<Dokument*>(record));
    case MediaKind::File:
        return std::make_unique<UkSoubor>(static_cast<Soubor*>(record));
    }
    return nullptr;
}

Prvky& personMedia(Clovek& person, MediaKind kind)
{
    switch (kind) {
    case MediaKind::Photo:
        return person.photos.own();
    case MediaKind::Document:
        return person.documents.own();
    case MediaKind::File:
        break;
    }
    return person.files.own();
}

const Prvky& personMedia(const Clovek& person, MediaKind kind)
{
    switch (kind) {
    case MediaKind::Photo:
        return person.photos;
    case MediaKind::Document:
        return person.documents;
    case MediaKind::File:
        break;
    }
    return person.files;
}

Prvky& treeMediaStore(Rod& tree, MediaKind kind)
{
    switch (kind) {
    case MediaKind::Photo:
        return tree.photoStore;
    case MediaKind::Document:
        return tree.documentStore;
    case MediaKind::File:
        break;
    }
    return tree.fileStore;
}

namespace {

std::string recordText(MediaKind kind, const MediaRecord& record, int mode)
{
    switch (kind) {
    case MediaKind::Photo:
        return static_cast<const Fotka&>(record).GetString(mode);
    case MediaKind::Document:
        return static_cast<const Dokument&>(record).GetString(mode);
    case MediaKind::File:
        break;
    }
    return static_cast<const Soubor&>(record).GetString(mode);
}

} // namespace

std::string mediaListText(MediaKind kind, const MediaRecord& record, int mode)
{
    // A record without a name or a year would be a blank line nobody can tell from the next:
    // its stored copy's name tells it apart. It keeps its place in the orders (first, as a
    // blank text sorts), so only what the line shows changes.
    if (trim(record.name).empty() && trim(record.year).empty())
        return fileNameOf(mediaStoredPath(kind, record));
    return recordText(kind, record, mode);
}

std::string mediaStoredPath(MediaKind kind, const MediaRecord& record)
{
    switch (kind) {
    case MediaKind::Photo:
        return static_cast<const Fotka&>(record).storedPath();
    case MediaKind::Document:
        return static_cast<const Dokument&>(record).storedPath();
    case MediaKind::File:
        break;
    }
    return static_cast<const Soubor&>(record).storedPath();
}

namespace {

// Two digit texts by their values: leading zeros dropped, then the longer is the larger, then
// digit by digit.
int compareDigitTexts(std::string_view a, std::string_view b)
{
    const auto significant = [](std::string_view s) {
        const size_t start = s.find_first_not_of('0');
        return start == std::string_view::npos ? std::string_view{} : s.substr(start);
    };
    a = significant(a);
    b = significant(b);
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    return a.compare(b);
}

// Puts the list's entries into `order`, first to last.
void reorder(Prvky& list, const std::vector<Prvek*>& order)
{
    for (auto it = order.rbegin(); it != order.rend(); ++it)
        list.setHead(*it);
}

} // namespace

void sortMediaRefs(MediaKind kind, Prvky& list, int mode)
{
    if (mode < 0 || mode > 2 || list.count() < 2)
        return;
    struct Entry {
        Prvek* element;
        std::string key; // collation key (modes 0 and 2) or the year (mode 1)
        bool dated;
    };
    std::vector<Entry> entries;
    for (Prvek* e = list.first(); e; e = e->next) {
        const MediaRecord& r = *mediaRecordOf(kind, e);
        if (mode == 1)
            entries.push_back({e, r.year, isDigitText(r.year)});
        else
            entries.push_back({e, collationKey(recordText(kind, r, mode)), true});
    }
    if (mode == 1) {
        std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
            if (a.dated != b.dated)
                return a.dated;
            return a.dated && compareDigitTexts(a.key, b.key) < 0;
        });
    } else {
        std::stable_sort(entries.begin(), entries.end(),
                         [](const Entry& a, const Entry& b) { return a.key < b.key; });
    }
    std::vector<Prvek*> order;
    order.reserve(entries.size());
    for (const Entry& e : entries)
        order.push_back(e.element);
    reorder(list, order);
}

void fillMediaList(MediaKind kind, const Prvky& list, TStringList& strings, int mode)
{
    strings.Clear();
    for (Prvek* e = list.first(); e; e = e->next)
        strings.Add(mediaListText(kind, *mediaRecordOf(kind, e), mode));
}

int indexOfMedia(MediaKind kind, const Prvky& list, const MediaRecord* record)
{
    int i = 0;
    for (Prvek* e = list.first(); e; e = e->next, ++i)
        if (mediaRecordOf(kind, e) == record)
            return i;
    return -1;
}

bool personHasMedia(const Clovek& person, MediaKind kind, const MediaRecord* record)
{
    switch (kind) {
    case MediaKind::Photo:
        return person.hasPhoto(static_cast<const Fotka*>(record));
    case MediaKind::Document:
        return person.hasDocument(static_cast<const Dokument*>(record));
    case MediaKind::File:
        return person.hasFile(static_cast<const Soubor*>(record));
    }
    return false;
}

int countMediaUsers(const MediaRecord& record)
{
    return record.refCount - 1;
}

void deleteMediaFromTree(Rod& tree, MediaKind kind, MediaRecord* record)
{
    tree.forEachPerson([&](Clovek* p) {
        Prvky& links = personMedia(*p, kind);
        for (Prvek* e = links.first(); e;) {
            Prvek* next = e->next;
            if (mediaRecordOf(kind, e) == record)
                links.remove(e);
            e = next;
        }
    });
    // The store's entry goes last: until then the record is still counted and alive.
    Prvky& store = treeMediaStore(tree, kind);
    for (Prvek* e = store.first(); e; e = e->next)
        if (mediaRecordOf(kind, e) == record) {
            store.remove(e);
            break;
        }
}
