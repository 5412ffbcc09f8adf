#include "storage/tree_loader.h"

#include "model/casove_obdobi.h"
#include "model/chain_index.h"
#include "model/clovek.h"
#include "model/datum.h"
#include "model/group.h"
#include "model/media.h"
#include "model/media_names.h"
#include "model/person_fields.h"
#include "model/rod.h"
#include "model/svatba.h"
#include "model/text_source.h"
#include "model/uk_clovek.h"
#include "storage/media_folders.h"
#include "storage/person_media_links.h"
#include "storage/tree_pair.h"
#include "storage/tree_progress.h"
#include "system/codec.h"
#include "system/datetime.h"
#include "system/fileio.h"
#include "system/numbers.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <span>
#include <type_traits>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

std::string readBodyLine(BodyCursor& cursor)
{
    return cp1250WithReferencesToUtf8(readRawBodyLine(cursor));
}

namespace {

// A partnership as read, linked to its partners only once every person is known.
struct PendingPartnership {
    std::unique_ptr<Svatba> record = std::make_unique<Svatba>();
    int partner[2] = {0, 0};
    bool named[2] = {false, false};
    int tag[2] = {0, 0};
};

class CurrentFormatLoader {
public:
    CurrentFormatLoader(Rod& tree, TreeFileEnvironment& env, BodyCursor& cursor, bool readWhatCan)
        : tree_(tree),
          env_(env),
          c_(cursor),
          companion_(companionFolderOf(tree.fileName)),
          readWhatCan_(readWhatCan)
    {
    }
    ~CurrentFormatLoader() = default;

    void readAll();
    // Refuses the file at the line read last.
    [[noreturn]] void damaged(TreeDamage what, std::string_view key = {}, std::string_view value = {}) const;
    // The same, unless the file is read as far as it can be: then the damage is noted and the
    // reading goes on as a lenient reader's would.
    [[gnu::cold]] void noteOrRefuse(TreeDamage what, std::string_view key = {}, std::string_view value = {});
    // The damage where a reading as far as it can be stopped.
    void stoppedAt(const EDamagedTreeFile& e);
    std::vector<DamageNote> takeDamage();
    // A block opener: where it may stand, and the block it begins.
    void open(std::string_view opener);
    // Compares the keys of the block that ends with those of the first block of its kind.
    void closeBlock();
    // A key read again in its block, noted. What its earlier list put in goes, so the later one
    // holds as a value read again replaces the one before; only the tree's stores and groups
    // keep both lists, for they name the pictures and members nothing else names (a number in
    // both stays one record, takeLaterRecord).
    [[gnu::cold]] void readAgain(std::string_view key);
    // Frees every placeholder that still stands for a person (also after a failed read).
    void resolvePlaceholders();
    void fetchPortraits();
    void linkPartnerships(const ChainIndex& chain);
    std::vector<std::string> takeMissingMedia() { return std::move(missing_); }
    std::string lastLine() const { return cp1250ToUtf8(c_.lastNonEmptyLine()); }

    // --- what the keys do ---
    using Action = void (*)(CurrentFormatLoader&);
    static const std::unordered_map<std::string_view, Action>& actions();
    class KeyTable;
    static const KeyTable& table();
    static std::unordered_map<std::string_view, Action>
    withPersonFields(std::unordered_map<std::string_view, Action> keys);
    // One field of the person's block; the field is known when the table is made, so reading it
    // costs what a hand-written line for it would.
    template<PersonField F> static void readField(CurrentFormatLoader& l);

    // Every line read, values too, goes through the cursor, which keeps the last one that was
    // not empty, even when a value ends the body.
    std::string_view raw() { return readRawBodyLine(c_); }
    std::string text() { return cp1250WithReferencesToUtf8(raw()); }
    // The same, valid until the next read: most lines are plain ASCII, which reads as it
    // stands, without a string made for each.
    std::string_view textView()
    {
        const std::string_view line = raw();
        if (isPlainText(line))
            return line;
        converted_.clear();
        appendCp1250WithReferencesAsUtf8(converted_, line);
        return converted_;
    }
    // The writer writes "1" or "0" and nothing else: a damaged flag would clear a portrait or
    // change a sex without a word. Read as far as it can be, any other value is clear.
    bool flag()
    {
        const std::string_view line = raw();
        if (line != "1" && line != "0") [[unlikely]]
            noteOrRefuse(TreeDamage::notAFlag, key_, line);
        return line == "1";
    }
    // Inline in each field's reader: a tree of a million persons reads several million
    // numbers, and a call for each shows in the time an open takes.
    [[gnu::always_inline]] int number()
    {
        const std::string_view line = raw();
        int value;
        if (c_.overrun || !tryStrToInt(line, value)) [[unlikely]]
            notANumber(line);
        return value;
    }
    // No value that should be a number can be passed over: the lines after it would be read
    // as the wrong keys' values. Reading stops there also when it goes as far as it can.
    [[noreturn, gnu::cold]] void notANumber(std::string_view line) const
    {
        if (c_.overrun)
            damaged(TreeDamage::cutShort);
        damaged(TreeDamage::notANumber, key_, line);
    }
    int count()
    {
        const int n = number();
        if (n < 0) [[unlikely]]
            damaged(TreeDamage::notANumber, key_, std::to_string(n));
        return n;
    }
    void lines(std::vector<std::string>& into)
    {
        for (int i = count(); i > 0 && !c_.overrun; --i)
            into.push_back(text());
    }
    // A person's list of notes, after any lines the list already holds. The lines are read into
    // strings that keep their room from one person to the next and packed into the person's
    // block at once.
    [[gnu::noinline]] void keepLines(NoteList which)
    {
        size_t read = 0;
        for (int i = count(); i > 0 && !c_.overrun; --i) {
            if (read == lineScratch_.size())
                lineScratch_.emplace_back();
            lineScratch_[read++].assign(textView());
        }
        person().appendLines(which, std::span<const std::string>(lineScratch_.data(), read));
    }
    Clovek& person() { return person_ ? *person_ : *scratch_; }
    Svatba& partnership() { return *pending().record; }
    PendingPartnership& pending() { return partnership_ ? *partnership_ : scratchPartnership_; }
    bool hasPerson() const { return person_ != nullptr; }

    void newPerson();
    void newPartnership();
    void partner(int which)
    {
        pending().partner[which] = number();
        pending().named[which] = true;
    }
    // A parent is only a number until every person is read (linkParents); a second key
    // replaces the first. Kept beside the person, not as a placeholder person for each link.
    void parent(int which)
    {
        const int n = number();
        if (!person_)
            return; // before the first person: dropped
        if (parents_.empty() || parents_.back().child != person_)
            parents_.push_back(ParentNumbers{person_, {0, 0}, {false, false}});
        parents_.back().number[which] = n;
        parents_.back().named[which] = true;
    }
    void linkParents(const ChainIndex& chain);
    void period(SparseList Clovek::*list)
    {
        auto e = std::make_unique<CasoveObdobi>(std::string(textView()));
        e->from = textView();
        e->to = textView();
        (person().*list).append(std::move(e));
    }
    void creationTime()
    {
        TDateTime value;
        const std::string line = text();
        const bool read = tryStrToDateTime(line, value);
        person().created = read ? value : opened_;
        // One save writes every person's time in the same form: a time that cannot be read
        // among ones that can took in lines that were not its own. Read as far as it can be,
        // such a time is the open's, as when no time can be read; it is named once the file is
        // read, when it is known whether any could.
        if (readWhatCan_) [[unlikely]] {
            if (!read && block_ == inPerson)
                unreadableTimes_.push_back(DamageNote{static_cast<int>(c_.lines + 4),
                                                      TreeDamage::creationTime, std::string(key_),
                                                      shortText(line), person_, false});
        } else if (createdReads_.value_or(read) != read) {
            damaged(TreeDamage::creationTime, key_, line);
        }
        createdReads_ = createdReads_.value_or(false) || read;
    }
    void portrait();
    // Noted here, where the part is in hand: a walk of every date after the open would cost a
    // big tree's open a trip to each person.
    void datePart(SparseText& part)
    {
        const std::string_view value = textView();
        part = value;
        if (!isReadableDatePart(value) && person_ && (unreadable_.empty() || unreadable_.back() != person_))
            unreadable_.push_back(person_);
    }
    std::vector<const Clovek*> takeUnreadableDates();
    template<class Link> void mediaLinks(SparseList Clovek::*list)
    {
        for (int i = count(); i > 0 && !c_.overrun; --i)
            if (auto* record = (tree_.*Link::find)(number()))
                (person().*list).append(std::make_unique<typename Link::Ref>(record));
    }
    template<class Record, class Ref> void pictureStore(Prvky& store, std::string (*stored)(int));
    void fileStore();
    // A record of a number the store already holds gives its texts to that record and is
    // dropped (true); otherwise false.
    template<class Record> bool takeLaterRecord(Record& later);
    void groups();

private:
    void readRecord(MediaRecord& record, bool withType, std::string* type);
    // Fetches a stored copy into the working folder; remembers it as missing when it is not there.
    void fetch(const std::string& name);

    // A line as the person is told it: UTF-8, and no longer than a line of a message.
    static std::string shortText(std::string_view line);

    Rod& tree_;
    TreeFileEnvironment& env_;
    BodyCursor& c_;
    std::string companion_;
    // Whether the file is read as far as it can be, its damage noted, not refused.
    const bool readWhatCan_;
    // The key whose line or values are read.
    std::string_view key_;
    std::vector<DamageNote> damage_;
    // Persons whose creation time could not be read, while reading as far as it can be.
    std::vector<DamageNote> unreadableTimes_;
    // "Now" for the persons read: when the open began.
    const TDateTime opened_ = now();
    Clovek* person_ = nullptr;
    // Where keys read before the first block of their kind go, to be dropped.
    std::unique_ptr<Clovek> scratch_ = std::make_unique<Clovek>();
    PendingPartnership scratchPartnership_;
    PendingPartnership* partnership_ = nullptr;
    std::vector<std::unique_ptr<PendingPartnership>> partnerships_;
    // The father's [0] and mother's [1] number of each person whose block names one.
    struct ParentNumbers {
        Clovek* child;
        int number[2];
        bool named[2];
    };
    std::vector<ParentNumbers> parents_;
    std::vector<std::string> missing_;
    std::vector<Clovek*> portraits_;
    std::vector<const Clovek*> unreadable_;
    // The block being read, and the keys it has had (by their numbers in the key table).
    enum : uint8_t { inGeneral = 1, inPerson = 2, inPartnership = 4 };
    uint8_t block_ = inGeneral;
    // The store being read is one given again in the general block.
    bool storeReadAgain_ = false;
    // The records read into the photo, document and file stores, by their numbers.
    std::unordered_map<int, MediaRecord*> readRecords_[3];
    uint64_t seen_[2] = {0, 0};
    // Whether the persons' creation times read as times, once the first is read.
    std::optional<bool> createdReads_;
    // Of the keys a writer puts into every block of a kind (and into every dead person's, every
    // wedding's), the ones the first such block had; none before it. Every version writes the same
    // keys each time, so a block that lacks one of them, or has one the first lacked, lost or
    // gained lines.
    struct KeySet {
        uint64_t bits[2] = {0, 0};
        bool operator==(const KeySet&) const = default;
    };
    std::optional<KeySet> blockKeys_[4];
    // Where textView converts a line that is not plain ASCII; its room serves every line.
    std::string converted_;
    // The lines of the list of notes being read (`keepLines`).
    std::vector<std::string> lineScratch_;
};

// The three states of a partnership; any other number is a damaged value, read as the plain
// partnership.
PartnershipType partnershipType(int value)
{
    return value >= 0 && value <= 2 ? static_cast<PartnershipType>(value) : PartnershipType::plain;
}

template<PersonField F> void CurrentFormatLoader::readField(CurrentFormatLoader& l)
{
    constexpr const PersonFieldInfo& f = personField(F);
    if constexpr (f.kind == FieldKind::text)
        f.text.assign(l.person(), l.textView());
    else if constexpr (F == PersonField::portrait)
        l.portrait();
    else if constexpr (f.kind == FieldKind::flag)
        l.person().*f.flag = l.flag();
    else if constexpr (f.kind == FieldKind::number)
        l.person().*f.number = l.number();
    else if constexpr (f.kind == FieldKind::datePart)
        l.datePart(l.person().*f.date.*f.datePart);
    else if constexpr (f.kind == FieldKind::dateAbout)
        l.person().*f.date.*f.dateAbout = l.flag();
    else if constexpr (f.kind == FieldKind::dateTolerance)
        l.person().*f.date.*f.dateTolerance = l.number();
    else if constexpr (f.kind == FieldKind::parent)
        l.parent(F == PersonField::father ? 0 : 1);
    else if constexpr (f.kind == FieldKind::period)
        l.period(f.list);
    else if constexpr (f.kind == FieldKind::created)
        l.creationTime();
    else if constexpr (f.kind == FieldKind::lines)
        l.keepLines(f.noteList);
    else if constexpr (f.kind == FieldKind::mediaLinks)
        l.mediaLinks<PersonMediaLink<F>>(f.list);
    else
        static_assert(F != F, "a kind of person field the loader does not read");
}

void CurrentFormatLoader::newPerson()
{
    auto person = std::make_unique<Clovek>(opened_);
    env_.wait.advance(1);
    person_ = tree_.appendPerson(std::move(person));
}

void CurrentFormatLoader::newPartnership()
{
    partnerships_.push_back(std::make_unique<PendingPartnership>());
    partnership_ = partnerships_.back().get();
}

void CurrentFormatLoader::fetch(const std::string& name)
{
    if (!companion_.empty() && fetchMedium(companion_, env_.workingFolder, name))
        return;
    missing_.push_back(companion_ + name);
}

void CurrentFormatLoader::portrait()
{
    Clovek& p = person();
    p.hasPortrait = flag();
    if (p.hasPortrait && person_)
        portraits_.push_back(person_);
}

void CurrentFormatLoader::fetchPortraits()
{
    // Fetched once the whole file is read: a damaged block may give its number after the
    // portrait key, or twice, and the portrait belongs to the number the save will write.
    std::unordered_set<Clovek*> done;
    for (Clovek* p : portraits_) {
        if (!p->hasPortrait || !done.insert(p).second)
            continue;
        // A portrait whose copy is missing stays: the frame shows empty, and the next save
        // keeps the flag, so the copy shows again once the folder is back.
        fetch(portraitFileName(p->number));
        env_.wait.advance(1);
    }
}

void CurrentFormatLoader::readRecord(MediaRecord& record, bool withType, std::string* type)
{
    record.name = text();
    record.year = text();
    if (withType)
        *type = text();
    for (int i = count(); i > 0 && !c_.overrun; --i)
        record.comment.Add(text());
}

template<class Record, class Ref>
void CurrentFormatLoader::pictureStore(Prvky& store, std::string (*stored)(int))
{
    for (int i = count(); i > 0 && !c_.overrun; --i) {
        auto record = std::make_unique<Record>(number());
        readRecord(*record, false, nullptr);
        // A record whose copy is missing is kept all the same (its preview shows empty): the
        // name, year and comment are the person's work, and the copy may come back.
        if (!c_.overrun && !takeLaterRecord(*record)) {
            fetch(stored(record->number));
            store.append(std::make_unique<Ref>(record.release()));
        }
        env_.wait.advance(1);
    }
}

void CurrentFormatLoader::fileStore()
{
    for (int i = count(); i > 0 && !c_.overrun; --i) {
        auto record = std::make_unique<Soubor>(number());
        readRecord(*record, true, &record->type);
        if (!c_.overrun && !takeLaterRecord(*record)) {
            fetch(record->storedPath());
            tree_.fileStore.append(std::make_unique<UkSoubor>(record.release()));
        }
        env_.wait.advance(1);
    }
}

template<class Record> bool CurrentFormatLoader::takeLaterRecord(Record& later)
{
    // A number names one stored copy: two records of it would be two media of one picture, and
    // removing either would delete the other's copy. The later record's texts hold.
    constexpr int store = std::is_same_v<Record, Fotka> ? 0 : std::is_same_v<Record, Dokument> ? 1 : 2;
    const auto [at, first] = readRecords_[store].try_emplace(later.number, &later);
    if (first)
        return false;
    auto* earlier = static_cast<Record*>(at->second);
    earlier->name = later.name;
    earlier->year = later.year;
    earlier->comment.Assign(later.comment);
    if constexpr (std::is_same_v<Record, Soubor>)
        earlier->type = later.type;
    // A list given twice is noted once, as a whole.
    if (!storeReadAgain_)
        noteOrRefuse(TreeDamage::recordTwice, key_, std::to_string(later.number));
    return true;
}

void CurrentFormatLoader::readAgain(std::string_view key)
{
    if (block_ == inGeneral) {
        const bool store =
            key == "[fotky]" || key == "[dokumenty]" || key == "[soubory]" || key == "[skupiny]";
        noteOrRefuse(store ? TreeDamage::storeTwice : TreeDamage::keyTwice, key);
        storeReadAgain_ = store;
        if (key == "[dalsiUdaje]")
            tree_.furtherData.clear();
        return;
    }
    noteOrRefuse(TreeDamage::keyTwice, key);
    if (block_ != inPerson)
        return;
    for (const PersonFieldInfo& f : personFields) {
        if (f.fileKey != key)
            continue;
        if (f.kind == FieldKind::lines)
            person().setLines(f.noteList, {});
        else if (f.kind == FieldKind::mediaLinks)
            (person().*f.list).clear();
    }
}

void CurrentFormatLoader::groups()
{
    for (int i = count(); i > 0 && !c_.overrun; --i) {
        Group* group = tree_.groups.append(std::make_unique<Group>(text()));
        for (int m = count(); m > 0 && !c_.overrun; --m) {
            const int n = number();
            auto* placeholder = new Clovek;
            placeholder->number = n;
            group->members.append(std::make_unique<UkGrClovek>(placeholder));
        }
        env_.wait.advance(1);
    }
}

#define WEDDING_TEXT(key, field)                                                                             \
    {                                                                                                        \
        key, [](CurrentFormatLoader& l) { l.partnership().field = l.text(); }                                \
    }

std::unordered_map<std::string_view, CurrentFormatLoader::Action>
CurrentFormatLoader::withPersonFields(std::unordered_map<std::string_view, Action> keys)
{
    // The keys the tree's stores share with a person's fields stay the stores': their actions
    // read the person's field once a person's block has begun.
    [&]<size_t... I>(std::index_sequence<I...>)
    {
        (keys.emplace(personFields[I].fileKey, &CurrentFormatLoader::readField<static_cast<PersonField>(I)>),
         ...);
    }
    (std::make_index_sequence<personFieldCount>());
    return keys;
}

const std::unordered_map<std::string_view, CurrentFormatLoader::Action>& CurrentFormatLoader::actions()
{
    using L = CurrentFormatLoader;
    static const std::unordered_map<std::string_view, Action> table = withPersonFields({
        {"[aktivni]", [](L& l) { l.tree_.activePersonNumber = l.number(); }},
        {"[nazev]", [](L& l) { l.tree_.treeName = l.text(); }},
        {"[autor]", [](L& l) { l.tree_.author = l.text(); }},
        {"[vytvoreno]", [](L& l) { l.tree_.createdText = l.text(); }},
        {"[spolupracovali]", [](L& l) { l.tree_.collaborators = l.text(); }},
        {"[rodUser1]", [](L& l) { l.tree_.userCaption1 = l.text(); }},
        {"[rodUser2]", [](L& l) { l.tree_.userCaption2 = l.text(); }},
        {"[rodUser3]", [](L& l) { l.tree_.userCaption3 = l.text(); }},
        {"[rodUser4]", [](L& l) { l.tree_.userCaption4 = l.text(); }},
        {"[rodUser5]", [](L& l) { l.tree_.userCaption5 = l.text(); }},
        {"[dalsiUdaje]", [](L& l) { l.lines(l.tree_.furtherData); }},
        {"[fotky]",
         [](L& l) {
             if (!l.hasPerson())
                 l.pictureStore<Fotka, UkFotka>(l.tree_.photoStore, photoFileName);
         }},
        {"[dokumenty]",
         [](L& l) {
             if (!l.hasPerson())
                 l.pictureStore<Dokument, UkDokument>(l.tree_.documentStore, documentFileName);
             else
                 L::readField<PersonField::documents>(l);
         }},
        {"[soubory]",
         [](L& l) {
             if (!l.hasPerson())
                 l.fileStore();
             else
                 L::readField<PersonField::files>(l);
         }},
        {"[skupiny]",
         [](L& l) {
             if (!l.hasPerson())
                 l.groups();
         }},
        {"<obecne>", [](L&) {}},
        {"<osoba>", [](L& l) { l.newPerson(); }},
        {"<svatba>", [](L& l) { l.newPartnership(); }},
        {"[partner1]", [](L& l) { l.partner(0); }},
        {"[partner2]", [](L& l) { l.partner(1); }},
        {"[tag1]", [](L& l) { l.pending().tag[0] = l.number(); }},
        {"[tag2]", [](L& l) { l.pending().tag[1] = l.number(); }},
        {"[typ]", [](L& l) { l.partnership().type = partnershipType(l.number()); }},
        WEDDING_TEXT("[obradDen]", wedding.day),
        WEDDING_TEXT("[obradMesic]", wedding.month),
        WEDDING_TEXT("[obradRok]", wedding.year),
        WEDDING_TEXT("[svatbaMisto]", place),
        {"[obradAsi]", [](L& l) { l.partnership().wedding.about = l.flag(); }},
        {"[svatbaAsi]", [](L& l) { l.partnership().wedding.about = l.flag(); }},
        {"[obradTolerance]", [](L& l) { l.partnership().wedding.tolerance = l.number(); }},
        {"[svatbaTolerance]", [](L& l) { l.partnership().wedding.tolerance = l.number(); }},
        WEDDING_TEXT("[oddavajiciKnez]", officiant),
        WEDDING_TEXT("[svedkove]", witnesses),
        WEDDING_TEXT("[rozvodDen]", divorce.day),
        WEDDING_TEXT("[rozvodMesic]", divorce.month),
        WEDDING_TEXT("[rozvodRok]", divorce.year),
    });
    return table;
}

#undef WEDDING_TEXT

// The actions by their keys, looked up once for every key line of the file: open addressing
// over a hash of the key's first and last eight bytes, which tells the few dozen keys apart,
// where a general map hashed every byte of millions of lines. Each key also has a number of its
// own, below 128, and the blocks it may stand in.
class CurrentFormatLoader::KeyTable {
public:
    struct Key {
        std::string_view key;
        Action action = nullptr;
        uint8_t id = 0;
        uint8_t blocks = 0;
        bool opener = false;
        // The key's bit in its word of a block's keys, and the same unless the key stands once
        // for each entry of a list.
        uint64_t bit = 0;
        uint64_t once = 0;
    };

    explicit KeyTable(const std::unordered_map<std::string_view, Action>& keys)
    {
        size_t size = 64;
        while (size < keys.size() * 4)
            size *= 2;
        slots_.resize(size);
        // The keys a block has had are two words of bits.
        if (keys.size() > 128)
            std::abort();
        uint8_t id = 0;
        for (const auto& [key, action] : keys) {
            size_t i = hashOf(key) & mask();
            while (slots_[i].action)
                i = (i + 1) & mask();
            const uint64_t bit = uint64_t(1) << (id % 64);
            slots_[i] =
                Key{key, action, id, blocksOf(key), key.front() == '<', bit, repeatsOf(key) ? 0 : bit};
            ++id;
            longest_ = std::max(longest_, key.size());
        }
    }

    // The keys of a block's two words of bits, in the file's spelling, for the person to read.
    std::string keysIn(const uint64_t bits[2]) const
    {
        std::vector<std::string_view> keys;
        for (const Key& k : slots_)
            if (k.action && (bits[k.id / 64] & (uint64_t(1) << (k.id % 64))))
                keys.push_back(k.key);
        std::sort(keys.begin(), keys.end());
        std::string text;
        for (std::string_view k : keys)
            text += (text.empty() ? "" : " ") + std::string(k);
        return text;
    }

    const Key* find(std::string_view line) const
    {
        if (line.empty() || line.size() > longest_)
            return nullptr;
        for (size_t i = hashOf(line) & mask(); slots_[i].action; i = (i + 1) & mask())
            if (slots_[i].key == line)
                return &slots_[i];
        return nullptr;
    }

private:
    static uint8_t blocksOf(std::string_view key)
    {
        uint8_t blocks = 0;
        for (const PersonFieldInfo& f : personFields)
            if (f.fileKey == key)
                blocks |= inPerson;
        static constexpr std::string_view general[] = {
            "[aktivni]",    "[nazev]",    "[autor]",     "[vytvoreno]", "[spolupracovali]",
            "[rodUser1]",   "[rodUser2]", "[rodUser3]",  "[rodUser4]",  "[rodUser5]",
            "[dalsiUdaje]", "[fotky]",    "[dokumenty]", "[soubory]",   "[skupiny]"};
        if (std::find(std::begin(general), std::end(general), key) != std::end(general))
            blocks |= inGeneral;
        if (key.front() == '<')
            blocks = inGeneral | inPerson | inPartnership; // the openers say themselves where
        return blocks ? blocks : uint8_t(inPartnership);
    }
    static bool repeatsOf(std::string_view key)
    {
        for (const PersonFieldInfo& f : personFields)
            if (f.fileKey == key)
                return f.kind == FieldKind::period;
        return key.front() == '<';
    }
    size_t mask() const { return slots_.size() - 1; }
    static uint64_t hashOf(std::string_view key)
    {
        uint64_t first = 0;
        uint64_t last = 0;
        if (key.size() >= 8) {
            std::memcpy(&first, key.data(), 8);
            std::memcpy(&last, key.data() + key.size() - 8, 8);
        } else {
            for (char c : key)
                first = first << 8 | static_cast<unsigned char>(c);
        }
        uint64_t h = (first * 0x9E3779B97F4A7C15ull) ^ (last * 0xBF58476D1CE4E5B9ull) ^ key.size();
        h = (h ^ (h >> 32)) * 0x94D049BB133111EBull;
        return h ^ (h >> 32);
    }

    std::vector<Key> slots_;
    size_t longest_ = 0;
};

namespace {

const char* englishOf(TreeDamage what)
{
    switch (what) {
    case TreeDamage::unknown:
        break;
    case TreeDamage::notAFlag:
        return "Not a flag";
    case TreeDamage::unknownLine:
        return "Not a key of the tree file";
    case TreeDamage::misplaced:
        return "A key or block outside its place";
    case TreeDamage::keyTwice:
        return "A key twice in one block";
    case TreeDamage::blockKeys:
        return "A block without the keys of the others";
    case TreeDamage::creationTime:
        return "A creation time unlike the others";
    case TreeDamage::emptyLine:
        return "An empty line before the body's end";
    case TreeDamage::zeroedBytes:
        return "Zeroed bytes in the body";
    case TreeDamage::notANumber:
        return "Not a number";
    case TreeDamage::cutShort:
        return "The tree file is cut short";
    case TreeDamage::storeTwice:
        return "A list of media or groups twice";
    case TreeDamage::recordTwice:
        return "A medium of a number read before";
    }
    return "A damaged tree file";
}

} // namespace

std::string CurrentFormatLoader::shortText(std::string_view line)
{
    constexpr size_t longest = 60;
    std::string text = cp1250ToUtf8(line.substr(0, longest));
    // A letter cut in two at the end would show as a sign of its own.
    while (!text.empty() && (static_cast<unsigned char>(text.back()) & 0xC0) == 0x80)
        text.pop_back();
    if (!text.empty() && static_cast<unsigned char>(text.back()) >= 0xC0)
        text.pop_back();
    if (line.size() > longest)
        text += "…";
    // Zeroed bytes and control bytes say nothing to a person.
    for (char& ch : text)
        if (static_cast<unsigned char>(ch) < 0x20)
            ch = ' ';
    return text;
}

void CurrentFormatLoader::damaged(TreeDamage what, std::string_view key, std::string_view value) const
{
    // Counted as the file's lines: the body's first line follows the four of the header.
    throw EDamagedTreeFile(englishOf(what), static_cast<int>(c_.lines + 4), what, std::string(key),
                           shortText(value));
}

void CurrentFormatLoader::noteOrRefuse(TreeDamage what, std::string_view key, std::string_view value)
{
    if (!readWhatCan_)
        damaged(what, key, value);
    damage_.push_back(DamageNote{static_cast<int>(c_.lines + 4), what, std::string(key), shortText(value),
                                 block_ == inPerson ? person_ : nullptr, false});
}

void CurrentFormatLoader::stoppedAt(const EDamagedTreeFile& e)
{
    damage_.push_back(
        DamageNote{e.line, e.damage, e.key, e.text, block_ == inPerson ? person_ : nullptr, true});
}

std::vector<DamageNote> CurrentFormatLoader::takeDamage()
{
    // A time that cannot be read is no damage when none can (another system's formats wrote them).
    if (createdReads_.value_or(false))
        damage_.insert(damage_.end(), unreadableTimes_.begin(), unreadableTimes_.end());
    std::stable_sort(damage_.begin(), damage_.end(),
                     [](const DamageNote& a, const DamageNote& b) { return a.line < b.line; });
    unreadableTimes_.clear();
    return std::move(damage_);
}

const CurrentFormatLoader::KeyTable& CurrentFormatLoader::table()
{
    static const KeyTable keys(actions());
    return keys;
}

void CurrentFormatLoader::readAll()
{
    const KeyTable& table = CurrentFormatLoader::table();
    // Every line is accounted for: a key of the block it stands in, once (the entries of a list
    // once each), its values, and at last the body's own empty line. Anything else, a line
    // that damage merged with the next or cut in two among them, refuses the file: read on, it
    // would give its values to the wrong keys or the wrong person.
    // Read as far as it can be, such a line is passed over as a lenient reader passes it, and
    // noted; only damage that leaves the lines after it without a sure meaning (a number that is
    // not one, zeroed bytes, the file's end) stops the reading.
    bool endedByEmptyLine = false;
    while (c_.more()) {
        const std::string_view line = raw();
        if (line.empty()) [[unlikely]] {
            if (c_.strayNul)
                damaged(TreeDamage::zeroedBytes);
            if (!c_.lineEndedByCr)
                continue; // the file's own line end
            if (endedByEmptyLine) {
                if (c_.position > c_.zeroedRunAt)
                    damaged(TreeDamage::zeroedBytes);
                noteOrRefuse(TreeDamage::emptyLine);
                continue;
            }
            endedByEmptyLine = true;
            closeBlock();
            continue;
        }
        if (endedByEmptyLine) [[unlikely]] {
            noteOrRefuse(TreeDamage::emptyLine, {}, line);
            endedByEmptyLine = false;
        }
        // An opener may stand in every block; it says itself where it may not.
        const KeyTable::Key* key = table.find(line);
        if (!key) [[unlikely]] {
            // Zeroed bytes are where the reading stops, also inside a line that is no key.
            if (c_.strayNul || c_.position > c_.zeroedRunAt)
                damaged(TreeDamage::zeroedBytes, {}, line);
            noteOrRefuse(TreeDamage::unknownLine, {}, line);
            continue;
        }
        key_ = key->key;
        if (!(key->blocks & block_)) [[unlikely]]
            noteOrRefuse(TreeDamage::misplaced, key_);
        if (key->opener)
            open(line);
        uint64_t& seen = seen_[key->id / 64];
        if (seen & key->once) [[unlikely]]
            readAgain(key_);
        seen |= key->bit;
        key->action(*this);
        storeReadAgain_ = false;
        // A NUL byte or zeroed bytes in the key's line or its values.
        if (c_.overrun | c_.strayNul | (c_.position > c_.zeroedRunAt)) [[unlikely]] {
            if (c_.overrun)
                break;
            damaged(TreeDamage::zeroedBytes, key_);
        }
    }
    if (c_.overrun || !endedByEmptyLine)
        damaged(TreeDamage::cutShort);
}

void CurrentFormatLoader::closeBlock()
{
    if (block_ == inGeneral)
        return;
    // The keys every writer of the format writes into each block of the kind, or into each of
    // the kind that has the event.
    static const auto setOf = [](std::initializer_list<std::string_view> keys) {
        KeySet set;
        for (std::string_view key : keys) {
            const KeyTable::Key* k = table().find(key);
            set.bits[k->id / 64] |= uint64_t(1) << (k->id % 64);
        }
        return set;
    };
    static const KeySet person = setOf({"[cislo]", "[zamek]", "[pohlavi]", "[zije]", "[narozAsi]",
                                        "[narozTolerance]", "[hlava]", "[datumVlozeni]"});
    static const KeySet death = setOf({"[smrtAsi]", "[smrtTolerance]"});
    static const KeySet partnership = setOf({"[partner1]", "[partner2]", "[tag1]", "[tag2]", "[typ]"});
    static const KeySet wedding =
        setOf({"[obradAsi]", "[svatbaAsi]", "[obradTolerance]", "[svatbaTolerance]"});
    auto check = [this](const KeySet& keys, std::optional<KeySet>& first) {
        const KeySet had{{seen_[0] & keys.bits[0], seen_[1] & keys.bits[1]}};
        if (!first) {
            first = had;
        } else if (*first != had) [[unlikely]] {
            const uint64_t differ[2] = {first->bits[0] ^ had.bits[0], first->bits[1] ^ had.bits[1]};
            noteOrRefuse(TreeDamage::blockKeys, table().keysIn(differ));
        }
    };
    if (block_ == inPerson) {
        check(person, blockKeys_[0]);
        if (!person_->alive)
            check(death, blockKeys_[1]);
    } else {
        check(partnership, blockKeys_[2]);
        if (pending().record->hasWedding())
            check(wedding, blockKeys_[3]);
    }
}

void CurrentFormatLoader::open(std::string_view opener)
{
    closeBlock();
    // The general block first, then the persons, then the partnerships, as the writer puts them.
    if (opener == "<obecne>") {
        if (c_.lines != 1)
            noteOrRefuse(TreeDamage::misplaced, opener);
        return;
    }
    if (opener == "<osoba>") {
        if (block_ == inPartnership)
            noteOrRefuse(TreeDamage::misplaced, opener);
        block_ = inPerson;
    } else {
        block_ = inPartnership;
    }
    seen_[0] = seen_[1] = 0;
}

void CurrentFormatLoader::resolvePlaceholders()
{
    tree_.relinkGroupMembers();
}

void CurrentFormatLoader::linkParents(const ChainIndex& chain)
{
    for (const ParentNumbers& p : parents_) {
        if (p.named[0])
            p.child->father = chain.find(p.number[0]);
        if (p.named[1])
            p.child->mother = chain.find(p.number[1]);
    }
    parents_.clear();
}

void CurrentFormatLoader::linkPartnerships(const ChainIndex& chain)
{
    auto find = [&](const PendingPartnership& pp, int which) -> Clovek* {
        return pp.named[which] ? chain.find(pp.partner[which]) : nullptr;
    };
    for (auto& pp : partnerships_) {
        Clovek* first = find(*pp, 0);
        Clovek* second = find(*pp, 1);
        if (!first || !second || first == second)
            continue; // dropped with its pending record
        Svatba* s = pp->record.release();
        s->partner1 = first;
        s->partner2 = second;
        if (hasUnreadablePart(s->wedding) || hasUnreadablePart(s->divorce))
            unreadable_.insert(unreadable_.end(), {first, second});
        for (int which : {0, 1}) {
            auto entry = std::make_unique<UkSvatba>(s);
            entry->orderKey = pp->tag[which];
            (which == 0 ? first : second)->partnerships.append(std::move(entry));
        }
    }
    partnerships_.clear();
}

std::vector<const Clovek*> CurrentFormatLoader::takeUnreadableDates()
{
    std::unordered_set<const Clovek*> seen;
    std::vector<const Clovek*> once;
    for (const Clovek* p : unreadable_)
        if (seen.insert(p).second)
            once.push_back(p);
    unreadable_.clear();
    return once;
}

} // namespace

LoadReport loadCurrentFormat(Rod& tree, TreeFileEnvironment& env, bool readWhatCan)
{
    repairInterruptedSave(tree.fileName,
                          companionFolderForSave(tree.fileName, env.programFolder, env.workingFolder));
    BodyCursor cursor = readSavedState(tree.fileName);
    resetWorkingFolder(env.workingFolder, env.programFolder);
    CurrentFormatLoader loader(tree, env, cursor, readWhatCan);
    try {
        loader.readAll();
    } catch (const EDamagedTreeFile& e) {
        if (!readWhatCan) {
            loader.resolvePlaceholders();
            throw;
        }
        loader.stoppedAt(e);
    } catch (...) {
        loader.resolvePlaceholders();
        throw;
    }
    loader.fetchPortraits();
    {
        const ChainIndex chain(tree.firstPerson);
        loader.linkPartnerships(chain);
        env.wait.advance(1);
        loader.linkParents(chain);
        env.wait.advance(5);
        if (tree.groups.count() > 0)
            tree.relinkGroupMembers(chain);
    }
    env.wait.advance(1);
    tree.sortPartnershipLists();
    env.wait.advance(5);
    return LoadReport{
        loader.takeMissingMedia(), {}, loader.lastLine(), loader.takeUnreadableDates(), loader.takeDamage()};
}
