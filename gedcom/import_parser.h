#pragma once
// The record parser of the GEDCOM import: the header becomes lines of the tree's further data,
// each INDI record a person put into the tree at once, each FAM record a family whose
// cross-references the linking step resolves (gedcom/import_linking.h). A line that cannot be
// used is logged and passed over with its deeper lines; the import goes on at the next line of
// the same or a lower level.
#include "gedcom/import_dates.h"
#include "gedcom/import_lexer.h"

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

class CasoveObdobi;
class Clovek;
class SparseText;
class Rod;

struct ImportOptions {
    // The part between slashes of NAME is the birth surname (else the surname).
    bool nameAsBorn = true;
    // Copy a missing surname or birth surname from the other one, for men and for women.
    bool manCopy = true;
    bool womanCopy = true;
};

// The persons of the import by the cross-reference of their INDI record, which each keeps as its
// import id: the index holds only the persons, in one table of open addressing sized for them,
// as a node and a copy of the reference per person would cost a hundred megabytes and a million
// allocations at a million persons.
class ImportedPersons {
public:
    // Room for `count` persons without growing.
    void reserve(size_t count);
    // False (and nothing added) when a person of the same import id is there already.
    bool add(Clovek* person);
    // The person of the cross-reference, or nullptr.
    Clovek* find(std::string_view xref) const;
    size_t size() const { return count_; }

private:
    // Each person with the hash of its reference, so that a probe reads a person (far away in
    // memory) only when the hashes agree.
    struct Slot {
        size_t hash = 0;
        Clovek* person = nullptr;
    };
    // The slot of `xref`: its person's, or the empty slot where it would go.
    size_t slotOf(std::string_view xref, size_t hash) const;
    void resize(size_t slots);

    std::vector<Slot> slots_;
    size_t count_ = 0;
};

// One FAM record, alive during the import only. A big file holds hundreds of thousands: what
// most lack is held apart, and the record's own reference is read again from its line.
struct GFamily {
    int line = 0;
    // Cross-references without their at signs, empty when absent, and the lines that give them.
    std::string husband;
    std::string wife;
    int husbandLine = 0;
    int wifeLine = 0;
    struct Child {
        std::string id;
        int line;
    };
    std::vector<Child> children; // in file order
    bool married = false;
    bool divorced = false;
    ImportedDate marriage;
    ImportedDate divorce;
    std::string marriagePlace;
    struct WeddingPeople {
        std::string officiant;
        std::string witnesses;
    };
    std::unique_ptr<WeddingPeople> people;
};

class ImportParser {
public:
    ImportParser(LexAn& lex, Rod& tree, const ImportOptions& options);

    // Reads the whole file.
    void parseFile();
    // The count of each tag passed over more than once, for the end of the log.
    void logSkipCounts();

    std::vector<GFamily>& families() { return families_; }
    // The families of a person's FAMS lines, in their order, for each person with more than one
    // (its links one after another).
    struct SpouseLink {
        Clovek* person;
        size_t family; // index in families()
    };
    const std::vector<SpouseLink>& spouseOrder() const { return spouseOrder_; }
    // The persons by the cross-reference of their INDI record.
    const ImportedPersons& persons() const { return persons_; }
    // The reference of a family's record, without its at signs, for a family that may lack a
    // parent once linked (the only ones the linking names); empty for any other.
    std::string familyRef(size_t family) const;

private:
    const GedLine& peek();
    // The next line into `line`; drop passes over it.
    void take(GedLine& line);
    void drop();
    void log(const GedLine& line, const std::string& message) { lex_.logError(line.number, message); }
    void skipDeeper(int level);
    // Logs the line as one that is not read here and passes over it and its deeper lines. The
    // first line of a tag is logged with its number; the others are counted, and the count is
    // logged once at the end of the file.
    void unsupported(const GedLine& line);
    // `message` for the first line of `tag`, a count for the others.
    void logSkip(const GedLine& line, const std::string& tag, const std::string& message);
    // The value of a line with its CONC and CONT lines (CONT read as a blank: the fields it
    // fills hold one line), trimmed at both ends; other deeper lines are logged and passed over.
    std::string continuedValue(const GedLine& line);
    // The same, where `other` is given each other deeper line first and is true when it read it.
    template<class F> std::string continuedValue(const GedLine& line, F other);
    // The from and to of a life-period entry read with its display text, from the DATE line that
    // this program's export writes with it.
    void readPeriodDate(CasoveObdobi& entry, const GedLine& date);
    // Each line deeper than `level` is given to `handle`, which reads its own deeper lines.
    template<class F> void eachDeeper(int level, F handle);
    // The value and the CONT / CONC lines under it: CONT starts a new line.
    std::vector<std::string> noteLines(const GedLine& line);

    void parseHeader(const GedLine& head);
    void parseHeaderLine(const GedLine& line);
    void parseRecord(const GedLine& line);
    void parseIndividual(const GedLine& record);
    // The first NAME of a record gives the first name and, by the options or its TYPE, one of the
    // surnames; a further one is read only when its TYPE says which surname it carries.
    void parseName(Clovek& person, const GedLine& line, bool first);
    void parseFamily(const GedLine& record);
    ImportedDate readDate(const GedLine& line);
    // An event line may carry "Y" and nothing else of use.
    void checkEventValue(const GedLine& line);
    std::string xrefValue(const GedLine& line);
    // The first empty of two slots gets the value; both full: logged.
    void fillSlot(SparseText& first, SparseText& second, const GedLine& line);
    // An empty field gets the value; a field holding another one keeps it, and the line is logged.
    void fillEmpty(SparseText& field, const std::string& value, const GedLine& line, const char* what);
    // A partnership's officiant and witnesses from the note the export writes under MARR.
    void readWeddingNote(GFamily& family, const GedLine& line);
    // The persons' FAMS and FAMC lines against the FAM records. A FAM record the lines name but
    // the file lacks: a couple whose two persons both name it is made again, with its children;
    // other links are logged. A FAMS whose record does not name the person: see confirmSpouse.
    // Keeps the order of the FAMS lines of each person with more than one.
    void checkFamilyLinks();
    struct FamilyLinkLine;
    // A person whose FAMS names a family that does not name it becomes the family's husband or
    // wife where that place is empty (and the person is not its child); else the link is left
    // out. Either is logged.
    void confirmSpouse(const FamilyLinkLine& link, std::string_view ref, GFamily& family);
    void resolveNoteReferences();
    // A person whose SEX line is missing or names no sex takes the one its role in the FAM
    // records gives, when they give one; otherwise the default stays. Either is logged.
    void settleUnknownSexes();
    // The references of the families familyRef tells, read while the file's text is there.
    void keepOneParentRefs();

    LexAn& lex_;
    Rod& tree_;
    ImportOptions options_;
    GedLine next_;
    bool haveNext_ = false;
    bool trailerSeen_ = false;
    // The header names this program as the writer, with the version under it: the older
    // export's files hold the surname in GIVN and the birth surname in SURN.
    bool writtenByUs_ = false;
    std::string ourVersion_;
    bool olderExport_ = false;
    // Lines passed over, by tag, in the order first met.
    std::vector<std::pair<std::string, int>> skipCounts_;
    std::unordered_map<std::string, size_t> skipIndex_;
    // A FAMS or FAMC line of a person; its family is read again from the line when needed, as a
    // big file has millions of them.
    struct FamilyLinkLine {
        Clovek* person;
        int line;
        bool asChild;
    };
    std::vector<FamilyLinkLine> familyLinks_;
    std::vector<SpouseLink> spouseOrder_;
    // The children of the families a FAMS line names without being named back, sorted.
    std::unordered_map<const GFamily*, std::vector<std::string_view>> childIds_;
    std::vector<GFamily> families_;
    ImportedPersons persons_;
    // NOTE records by cross-reference, and the persons' lines that point to them.
    std::unordered_map<std::string, std::vector<std::string>> notes_;
    struct NoteReference {
        Clovek* person;
        std::string xref;
        int line;
        // A note record of this program's register notes.
        bool registerNotes;
    };
    std::vector<NoteReference> noteReferences_;
    // The persons whose sex the file does not give: the line to log it on, and the SEX line's
    // value when there is one.
    struct UnknownSex {
        Clovek* person;
        int line;
        bool sexLine;
        std::string value;
    };
    std::vector<UnknownSex> unknownSexes_;
    std::unordered_map<size_t, std::string> oneParentRefs_;
};
