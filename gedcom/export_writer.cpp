#include "gedcom/export_writer.h"

#include "gedcom/export_families.h"
#include "gedcom/export_lines.h"
#include "model/casove_obdobi.h"
#include "model/clovek.h"
#include "model/datum.h"
#include "model/person_prefetch.h"
#include "model/rod.h"
#include "model/svatba.h"
#include "system/datetime.h"
#include "system/exceptions.h"
#include "system/fileio.h"
#include "system/numbers.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <exception>
#include <iterator>
#include <utility>
#include <vector>

namespace {

// The captions of a wedding's note, as the partnership summary names the two.
constexpr const char* kOfficiantCaption = "Oddávající kněz: ";
constexpr const char* kWitnessesCaption = "Svědkové: ";

const char* const kMonths[12] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                 "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};

// Each person's place in the chain and the number of its cross-reference: its own number, or,
// for a number that an earlier person already has (a damaged file), a number no one has, so no
// two records share a reference and every link points at the person it means. A tree of a
// million persons is looked up millions of times here, so the places sit in one open table
// made at once rather than in a node per person.
class PersonRefs {
public:
    explicit PersonRefs(const Rod& tree)
    {
        int highest = 0;
        numbers_.reserve(size_t(std::max(tree.personCount(), 0)));
        for (const Clovek* p = tree.firstPerson; p; p = p->chainNext) {
            highest = std::max(highest, p->number);
            numbers_.push_back(p->number);
        }
        // The first person in the chain keeps a number; the later ones with the same number, and
        // those with none, get new numbers above all others, in chain order.
        std::vector<std::pair<int, size_t>> byNumber;
        byNumber.reserve(numbers_.size());
        for (size_t i = 0; i < numbers_.size(); ++i)
            if (numbers_[i] >= 0)
                byNumber.emplace_back(numbers_[i], i);
        std::sort(byNumber.begin(), byNumber.end());
        std::vector<bool> renumber(numbers_.size());
        for (size_t i = 0; i < numbers_.size(); ++i)
            renumber[i] = numbers_[i] < 0;
        for (size_t k = 1; k < byNumber.size(); ++k)
            if (byNumber[k].first == byNumber[k - 1].first)
                renumber[byNumber[k].second] = true;
        for (size_t i = 0; i < numbers_.size(); ++i)
            if (renumber[i])
                numbers_[i] = ++highest;

        size_t capacity = 16;
        while (capacity < numbers_.size() + numbers_.size() / 2)
            capacity *= 2;
        slots_.resize(capacity);
        mask_ = capacity - 1;
        size_t i = 0;
        for (const Clovek* p = tree.firstPerson; p; p = p->chainNext, ++i) {
            Slot* slot = &slots_[home(p)];
            while (slot->person && slot->person != p)
                slot = &slots_[(size_t(slot - slots_.data()) + 1) & mask_];
            if (!slot->person)
                *slot = {p, i};
        }
    }
    size_t count() const { return numbers_.size(); }
    // The chain positions from the highest number to the lowest. The import numbers a file's
    // persons from its last record (0) to its first, so a file exported from its own import keeps
    // its order; and the order does not hang on the chain's, which each save and open turns round.
    std::vector<size_t> writingOrder() const
    {
        std::vector<size_t> order(numbers_.size());
        for (size_t i = 0; i < order.size(); ++i)
            order[i] = i;
        std::sort(order.begin(), order.end(), [&](size_t a, size_t b) { return numbers_[a] > numbers_[b]; });
        return order;
    }
    // The chain position of a person, or npos for one outside the chain.
    size_t position(const Clovek* p) const
    {
        if (!p)
            return std::string::npos;
        for (size_t at = home(p);; at = (at + 1) & mask_) {
            const Slot& slot = slots_[at];
            if (slot.person == p)
                return slot.position;
            if (!slot.person)
                return std::string::npos;
        }
    }
    std::string ref(size_t position) const { return "@CL" + intToStr(numbers_[position]) + "@"; }
    std::string ref(const Clovek* p) const
    {
        const size_t at = position(p);
        return at == std::string::npos ? std::string() : ref(at);
    }

private:
    struct Slot {
        const Clovek* person = nullptr;
        size_t position = 0;
    };
    size_t home(const Clovek* p) const
    {
        auto h = uint64_t(reinterpret_cast<uintptr_t>(p)) * 0x9E3779B97F4A7C15ull;
        return size_t(h >> 32) & mask_;
    }

    std::vector<int> numbers_;
    std::vector<Slot> slots_;
    size_t mask_ = 0;
};

std::string familyRef(int number)
{
    return "@ROD" + intToStr(number) + "@";
}

// Whether the first NAME line shows the surname (else the birth surname): a man's current
// one, a woman's from birth, the other when that one is empty.
bool namesSurname(const Clovek& p)
{
    if (p.sex == 1)
        return !p.surname.empty() || p.birthSurname.empty();
    return p.birthSurname.empty();
}

void writeDate(GedcomLines& out, int level, const Datum& date)
{
    const std::string value = gedcomDateValue(date);
    if (!value.empty())
        out.line(level, "DATE", value);
}

void writeText(GedcomLines& out, int level, const char* tag, const std::string& text)
{
    if (!text.empty())
        out.line(level, tag, text);
}

// A value that readers split at its commas (GIVN and SURN name lists) is written only without one;
// the NAME line carries the whole name anyway.
void writeNamePiece(GedcomLines& out, const char* tag, const std::string& text)
{
    if (text.find(',') == std::string::npos)
        writeText(out, 2, tag, text);
}

// A number written without a sign or leading zero, from `low` to `high`; 0 when the text is none.
int plainNumber(std::string_view text, int low, int high)
{
    if (text.empty() || text.size() > 4 || text[0] == '0')
        return 0;
    int n = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return 0;
        n = n * 10 + (c - '0');
    }
    return n >= low && n <= high ? n : 0;
}

// A text that is a date as the import writes one ("3.3.1850", "3.1850", "1850") as a DATE value;
// empty for any other text.
std::string textDateValue(const std::string& text)
{
    std::vector<std::string_view> parts;
    std::string_view rest = text;
    for (size_t dot; (dot = rest.find('.')) != std::string_view::npos; rest.remove_prefix(dot + 1))
        parts.push_back(rest.substr(0, dot));
    parts.push_back(rest);
    const int year = parts.size() <= 3 ? plainNumber(parts.back(), 1, 9999) : 0;
    const int month = parts.size() >= 2 ? plainNumber(parts[parts.size() - 2], 1, 12) : -1;
    const int day = parts.size() == 3 && month > 0 ? plainNumber(parts[0], 1, daysInMonth(year, month)) : -1;
    if (year == 0 || month == 0 || day == 0)
        return {};
    std::string value = intToStr(year);
    if (month > 0)
        value = std::string(kMonths[month - 1]) + " " + value;
    if (day > 0)
        value = intToStr(day) + " " + value;
    return value;
}

// The baptism text as a DATE value: a date (also after the word of an approximate one, as the
// import keeps it); any other text goes whole as a date phrase, so that no reader loses it and
// none takes a part of it for a date.
std::string baptismDateValue(const std::string& text)
{
    std::string value = textDateValue(text);
    if (!value.empty())
        return value;
    for (const char* about : {"ABT ", "CAL ", "EST "})
        if (text.rfind(about, 0) == 0 && !(value = textDateValue(text.substr(4))).empty())
            return about + value;
    return "(" + text + ")";
}

// The period of a life-period entry as a DATE value ("FROM 1910 TO 1918", "FROM 1910", "TO 1918"),
// so that the import of this program's file gives its from and to back apart from its text;
// empty when neither is set or either is no date, and the display text alone carries them.
std::string periodDateValue(const CasoveObdobi& e)
{
    if (e.from.empty() && e.to.empty())
        return {};
    const std::string from = e.from.empty() ? std::string() : textDateValue(e.from);
    const std::string to = e.to.empty() ? std::string() : textDateValue(e.to);
    if (from.empty() != e.from.empty() || to.empty() != e.to.empty())
        return {};
    if (to.empty())
        return "FROM " + from;
    return from.empty() ? "TO " + to : "FROM " + from + " TO " + to;
}

// An entry's display text on the line of `tag`, and its period on a DATE line of `dateLevel`
// (under an EDUC or OCCU, beside a residence's ADDR).
void writePeriod(GedcomLines& out, int level, const char* tag, const CasoveObdobi& e, int dateLevel)
{
    out.line(level, tag, e.displayText());
    const std::string period = periodDateValue(e);
    if (!period.empty())
        out.line(dateLevel, "DATE", period);
}

// One line per entry of a life-period list, in the list's order.
void writePeriods(GedcomLines& out, const char* tag, const Prvky& periods)
{
    for (const Prvek* e = periods.first(); e; e = e->next)
        writePeriod(out, 1, tag, *static_cast<const CasoveObdobi*>(e), 2);
}

bool hasNote(const NoteLines& lines)
{
    for (std::string_view line : lines)
        if (!line.empty())
            return true;
    return false;
}

// A list of note lines as one note, a CONT line for each line after the first; nothing when every
// line is empty. `head` is the tag, or the reference and tag of a note record.
void writeNote(GedcomLines& out, int level, const std::string& head, const NoteLines& lines)
{
    if (!hasNote(lines))
        return;
    std::string text;
    bool first = true;
    for (std::string_view line : lines) {
        if (!first)
            text += '\n';
        text += line;
        first = false;
    }
    out.line(level, head, text);
}

void writeHeader(GedcomLines& out, const Rod& tree, const std::string& fileName, const Datum& today)
{
    out.raw("0 HEAD");
    out.raw("1 SOUR Kinvelor");
    out.raw("2 NAME Kinvelor");
    // The older export wrote "1.0.18b" and its GIVN line held the surname: a version of its own
    // tells a reader that this file's GIVN is the given name.
    out.raw("2 VERS 1.0.18c");
    out.raw("1 DEST Kinvelor");
    out.line(1, "DATE", gedcomDateValue(today));
    out.line(1, "FILE", fileName);
    out.raw("1 CHAR UTF-8");
    out.raw("1 GEDC");
    out.raw("2 VERS 5.5");
    out.raw("2 FORM LINEAGE-LINKED");
    out.raw("1 SUBM @SUBM1@");
    out.raw("0 @SUBM1@ SUBM");
    out.line(1, "NAME", tree.author);
    out.line(1, "ADDR", tree.createdText);
}

// A person's FAMS and FAMC lines: for each family in list order, FAMS when the person is its
// husband or wife, FAMC when it is among its children; the FAMS lines then take the order of the
// person's partnerships among their places, those of families without one after them.
struct FamilyLink {
    int family;
    bool asChild;
    // A FAMS line's place: where the person's partnership list first has the family's couple.
    int rank = 0;
};

void writePerson(GedcomLines& out, const Clovek& p, const std::string& ref, const FamilyLink* links,
                 const FamilyLink* linksEnd)
{
    out.raw("0 " + ref + " INDI");
    const bool surnameFirst = namesSurname(p);
    const std::string& surname = surnameFirst ? p.surname : p.birthSurname;
    auto writeName = [&](const std::string& slashed, const char* type) {
        out.line(1, "NAME", p.firstName.empty() ? "/" + slashed + "/" : p.firstName + " /" + slashed + "/");
        // The titles belong to the person, not to one of the names.
        if (!type)
            writeText(out, 2, "NPFX", p.titlesBefore);
        writeNamePiece(out, "GIVN", p.firstName);
        writeNamePiece(out, "SURN", slashed);
        if (!type)
            writeText(out, 2, "NSFX", p.titlesAfter);
        if (type)
            out.line(2, "TYPE", type);
    };
    writeName(surname, nullptr);
    // The surname the first name does not show goes in a name of its own, typed so that a reader
    // knows which of the two it is: a woman's taken surname, a man's one from birth.
    const std::string& other = surnameFirst ? p.birthSurname : p.surname;
    if (!other.empty() && other != surname)
        writeName(other, surnameFirst ? "birth" : "married");
    out.raw(p.sex == 1 ? "1 SEX M" : "1 SEX F");

    const std::string birthDate = gedcomDateValue(p.birth);
    if (!birthDate.empty() || !p.birthPlace.empty()) {
        out.raw("1 BIRT Y");
        writeText(out, 2, "DATE", birthDate);
        writeText(out, 2, "PLAC", p.birthPlace);
    }
    if (!p.baptism.empty()) {
        out.raw("1 CHR");
        out.line(2, "DATE", baptismDateValue(p.baptism));
    }
    if (!p.alive) {
        out.raw("1 DEAT Y");
        writeDate(out, 2, p.death);
        writeText(out, 2, "PLAC", p.deathPlace);
        writeText(out, 2, "CAUS", p.deathCause);
        if (!p.burial.empty()) {
            out.raw("1 BURI");
            out.line(2, "PLAC", p.burial);
        }
    }
    writePeriods(out, "EDUC", p.educations);
    writePeriods(out, "OCCU", p.occupations);
    writeText(out, 1, "NATI", p.nationality);
    writeText(out, 1, "RELI", p.religion);

    // One residence for each entry; the contacts go with the first (alone when there is none).
    const bool contacts = !p.email1.empty() || !p.email2.empty() || !p.phone1.empty() || !p.phone2.empty() ||
                          !p.web1.empty() || !p.web2.empty();
    const Prvek* residence = p.residences.first();
    if (residence || contacts) {
        out.raw("1 RESI");
        if (residence)
            writePeriod(out, 2, "ADDR", *static_cast<const CasoveObdobi*>(residence), 2);
        writeText(out, 2, "EMAI", p.email1);
        writeText(out, 2, "EMAI", p.email2);
        writeText(out, 2, "PHON", p.phone1);
        writeText(out, 2, "PHON", p.phone2);
        writeText(out, 2, "WWW", p.web1);
        writeText(out, 2, "WWW", p.web2);
    }
    for (const Prvek* e = residence ? residence->next : nullptr; e; e = e->next) {
        out.raw("1 RESI");
        writePeriod(out, 2, "ADDR", *static_cast<const CasoveObdobi*>(e), 2);
    }
    writeNote(out, 1, "NOTE", p.furtherTexts());
    // The parish-register notes go in a note record of their own, whose reference tells the
    // import of this program's files which of the two lists it holds; other readers show it as
    // the person's note.
    const NoteLines registerNotes = p.registerNotes();
    const std::string registerRef = registerNotesRef(ref);
    if (hasNote(registerNotes))
        out.raw("1 NOTE " + registerRef);
    for (const FamilyLink* link = links; link != linksEnd; ++link)
        out.raw((link->asChild ? "1 FAMC " : "1 FAMS ") + familyRef(link->family));
    if (hasNote(registerNotes))
        writeNote(out, 0, registerRef + " NOTE", registerNotes);
}

void writeFamily(GedcomLines& out, const GEDRodina& f, const PersonRefs& refs)
{
    out.raw("0 " + familyRef(f.number) + " FAM");
    auto member = [&](const char* head, const Clovek* p) {
        const std::string ref = p ? refs.ref(p) : std::string();
        if (!ref.empty())
            out.raw(head + ref);
    };
    member("1 HUSB ", f.husband);
    member("1 WIFE ", f.wife);
    for (const Clovek* child : f.children)
        member("1 CHIL ", child);
    out.raw("1 NCHI " + intToStr(long(f.children.size())));
    const Svatba* s = f.partnership;
    if (s && s->hasWedding()) {
        out.raw("1 MARR");
        writeDate(out, 2, s->wedding);
        writeText(out, 2, "PLAC", s->place);
        // GEDCOM has no place of their own for them: the note names each by its caption.
        std::string note;
        if (!s->officiant.empty())
            note = std::string(kOfficiantCaption) + s->officiant.str();
        if (!s->witnesses.empty())
            note += (note.empty() ? "" : "\n") + std::string(kWitnessesCaption) + s->witnesses.str();
        writeText(out, 2, "NOTE", note);
    }
    if (s && s->isDivorced()) {
        out.raw("1 DIV");
        writeDate(out, 2, s->divorce);
    }
}

// Every person's family links in family order, gathered in one pass over the families: the
// links of the person at chain position i are links[first[i]] .. links[first[i + 1] - 1].
struct FamilyLinks {
    std::vector<size_t> first;
    std::vector<FamilyLink> links;
};

// Where each family's husband and wife have it in their partnership lists, by family number;
// INT_MAX for a family the person's list does not lead to.
struct SpouseRanks {
    std::vector<int> husband, wife;
};

SpouseRanks spouseRanks(const std::vector<Clovek*>& persons, const GEDRodiny& families)
{
    SpouseRanks ranks{std::vector<int>(size_t(families.count()) + 1, INT_MAX),
                      std::vector<int>(size_t(families.count()) + 1, INT_MAX)};
    for (const Clovek* p : persons) {
        int k = 0;
        for (const UkSvatba* e : p->partnerships.items<UkSvatba>()) {
            const Svatba* s = e->partnership;
            const int at = k++;
            if (!s || !s->hasBothPartners() || (s->partner1 != p && s->partner2 != p))
                continue;
            const Clovek* other = s->otherPartner(p);
            const Clovek* husband = p->sex == 1 ? p : other;
            const Clovek* wife = p->sex == 1 ? other : p;
            // Two partners of one sex: the family is the one the first of them met.
            const GEDRodina* f = families.findCouple(husband, wife);
            if (!f)
                f = families.findCouple(wife, husband);
            if (!f)
                continue;
            int& rank = (f->husband == p ? ranks.husband : ranks.wife)[size_t(f->number)];
            rank = std::min(rank, at);
        }
    }
    return ranks;
}

FamilyLinks familyLinks(const PersonRefs& refs, const std::vector<Clovek*>& persons,
                        const GEDRodiny& families)
{
    const SpouseRanks ranks = spouseRanks(persons, families);
    // Each family's members with their position, in family order; then counted into place.
    std::vector<std::pair<size_t, FamilyLink>> found;
    auto add = [&](const Clovek* p, int family, bool asChild, int rank) {
        const size_t at = refs.position(p);
        if (at != std::string::npos)
            found.push_back({at, {family, asChild, rank}});
    };
    for (const auto& f : families.families()) {
        const auto n = size_t(f->number);
        if (f->husband)
            add(f->husband, f->number, false, ranks.husband[n]);
        if (f->wife && f->wife != f->husband)
            add(f->wife, f->number, false, ranks.wife[n]);
        for (const Clovek* child : f->children)
            add(child, f->number, true, 0);
    }
    FamilyLinks result;
    result.first.assign(refs.count() + 1, 0);
    for (const auto& [person, link] : found)
        ++result.first[person + 1];
    for (size_t i = 1; i < result.first.size(); ++i)
        result.first[i] += result.first[i - 1];
    result.links.resize(found.size());
    std::vector<size_t> next(result.first.begin(), result.first.end() - 1);
    for (const auto& [person, link] : found)
        result.links[next[person]++] = link;
    // The FAMS lines of a person take their order among the places they hold.
    std::vector<FamilyLink> spouse;
    for (size_t i = 0; i + 1 < result.first.size(); ++i) {
        if (result.first[i + 1] - result.first[i] < 2)
            continue;
        const auto begin = result.links.begin() + std::ptrdiff_t(result.first[i]);
        const auto end = result.links.begin() + std::ptrdiff_t(result.first[i + 1]);
        spouse.clear();
        std::copy_if(begin, end, std::back_inserter(spouse), [](const FamilyLink& l) { return !l.asChild; });
        std::stable_sort(spouse.begin(), spouse.end(),
                         [](const FamilyLink& a, const FamilyLink& b) { return a.rank < b.rank; });
        auto from = spouse.begin();
        for (auto at = begin; at != end; ++at)
            if (!at->asChild)
                *at = *from++;
    }
    return result;
}

} // namespace

std::string registerNotesRef(const std::string& personRef)
{
    return "@MAT" + personRef.substr(3);
}

bool isRegisterNotesRef(std::string_view xref)
{
    if (xref.size() < 4 || xref.substr(0, 3) != "MAT")
        return false;
    for (char c : xref.substr(3))
        if (c < '0' || c > '9')
            return false;
    return true;
}

std::string gedcomDateValue(const Datum& date)
{
    DatumKey key;
    if (!tryDatumKey(date, key) || !key.yearKnown || key.year < 1) {
        // GEDCOM has no date without a year: the parts go as a phrase, which the import reads
        // back and other readers show as written.
        if (Datum::isUnknown(date.day) && Datum::isUnknown(date.month) && Datum::isUnknown(date.year))
            return {};
        return std::string("(") + (date.about ? "ABT " : "") + date.day.str() + "." + date.month.str() + "." +
               date.year.str() + ")";
    }
    const std::string year = intToStr(key.year);
    const char* about = date.about ? "ABT " : "";
    if (!key.monthKnown || key.month < 1 || key.month > 12)
        return about + year;
    const std::string monthYear = std::string(kMonths[key.month - 1]) + " " + year;
    if (!key.dayKnown || key.day < 1 || key.day > daysInMonth(key.year, key.month))
        return about + monthYear;
    return about + intToStr(key.day) + " " + monthYear;
}

namespace {

// The persons in the order they are written, with their references, and the families walked in
// that order.
struct ExportPlan {
    explicit ExportPlan(Rod& tree) : refs(tree), order(refs.writingOrder())
    {
        std::vector<Clovek*> chain;
        chain.reserve(order.size());
        for (Clovek* p = tree.firstPerson; p; p = p->chainNext)
            chain.push_back(p);
        persons.reserve(order.size());
        for (size_t at : order)
            persons.push_back(chain[at]);
        buildGedcomFamilies(tree, persons, families);
    }

    const PersonRefs refs;
    // Chain positions, and the persons at them, in writing order.
    const std::vector<size_t> order;
    std::vector<Clovek*> persons;
    GEDRodiny families;
};

void writeGedcom(GedcomLines& out, Rod& tree, const ExportPlan& plan, const std::string& fileName,
                 const Datum& today)
{
    const FamilyLinks links = familyLinks(plan.refs, plan.persons, plan.families);
    writeHeader(out, tree, fileName, today);
    for (size_t k = 0; k < plan.order.size(); ++k) {
        if (k + 1 < plan.persons.size())
            prefetchPerson(plan.persons[k + 1]);
        const size_t i = plan.order[k];
        writePerson(out, *plan.persons[k], plan.refs.ref(i), links.links.data() + links.first[i],
                    links.links.data() + links.first[i + 1]);
    }
    for (const auto& f : plan.families.families())
        writeFamily(out, *f, plan.refs);
    out.raw("0 TRLR");
}

// What goes to the file at once; the file is never held whole in memory.
constexpr size_t exportPieceBytes = size_t(1) << 20;

} // namespace

std::string gedcomExportBytes(Rod& tree, const std::string& fileName, const Datum& today,
                              GedcomExportCounts* counts)
{
    const ExportPlan plan(tree);
    // About what a person and a family take in a real tree.
    GedcomLines out(size_t(tree.personCount()) * 320 + size_t(plan.families.count()) * 120 + 1024);
    writeGedcom(out, tree, plan, fileName, today);
    if (counts)
        *counts = {tree.personCount(), plan.families.count()};
    return out.take();
}

GedcomExportCounts exportGedcom(Rod& tree, const std::string& path, const Datum& today)
{
    const ExportPlan plan(tree);
    std::exception_ptr failure;
    try {
        replaceFile(
            path,
            [&](int fd) {
                try {
                    GedcomLines out;
                    out.streamTo([fd](std::string_view piece) { return writeToDescriptor(fd, piece); },
                                 exportPieceBytes);
                    writeGedcom(out, tree, plan, path, today);
                    return out.finish();
                } catch (...) {
                    // Out of the writing step, so that the half-written temporary file is removed.
                    failure = std::current_exception();
                    return false;
                }
            },
            true);
    } catch (const EInOutError&) {
        if (failure)
            std::rethrow_exception(failure);
        throw;
    }
    return {tree.personCount(), plan.families.count()};
}
