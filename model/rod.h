#pragma once
// One open family tree: its texts, the chain of its persons (newest first), its media stores,
// groups and undo history. The tree owns all of it.
#include "model/action_list.h"
#include "model/chain_index.h"
#include "model/prvky.h"
#include "system/datetime.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

class CasoveObdobi;
class Clovek;
class DisplaySettings;
class EditorPort;
class Svatba;
class Dokument;
class Fotka;
class Group;
class Soubor;
class PersonTextField;
class SparseText;
class UkGrClovek;
class TStringList;
class TextSource;
struct CalendarChoices;

class Rod {
public:
    explicit Rod(std::string fileName = "");
    Rod(const Rod&) = delete;
    Rod& operator=(const Rod&) = delete;
    ~Rod();

    // --- persons ---
    // A person that already has its number (loaders, import) goes to the head of the chain.
    // The tree owns the person from here; the handle given back is the caller's to use.
    Clovek* appendPerson(std::unique_ptr<Clovek> person);
    // A new person: the lowest free number, that number as identifier, head of the chain.
    Clovek* addNewPerson(std::unique_ptr<Clovek> person);
    int firstFreePersonNumber() const;
    int personCount() const { return personCount_; }
    // Takes the person out of the chain and out of every list, clears it as anyone's parent,
    // frees its partnerships and destroys it. Nothing for a person not in this tree's chain.
    void removePerson(Clovek* person);
    // The same for many persons at once, in the given order; their group entries go in one walk
    // over the groups. Persons not in the chain, or named twice, are passed over.
    void removePersons(const std::vector<Clovek*>& persons);
    void unlinkFromRelatives(Clovek* person);
    // No partnership with a partner and nobody's parent.
    bool canChangeSex(const Clovek* person) const;

    // --- lookups: the first match from the head, or null ---
    Clovek* findPersonByNumber(int number) const;
    Clovek* findPersonByIdentifier(const std::string& identifier) const;
    bool isIdentifierUsed(const std::string& identifier) const;
    Clovek* findPersonByImportId(const std::string& importId) const;
    Clovek* findPersonByDisplayName(const std::string& text, bool useBirthSurname, bool showBirthYear,
                                    bool showIdentifier) const;
    Clovek* findPersonByDisplayName(const std::string& text, const DisplaySettings& settings) const;

    // --- after loading ---
    // Gives each person without an identifier their number's. The same walk notes the numbers in
    // use and the first-name list (`keptDistinctTexts`), so that neither waits for a walk later.
    void fillEmptyIdentifiers();
    // Older format: parents and partner 2 are placeholders carrying a number.
    void relinkParentsAndPartners();
    void rebuildChildLists();
    void rebuildSiblingList(Clovek* person);
    void rebuildAllSiblingLists();
    // What an open does instead: every empty sibling list is made when first asked for.
    void buildSiblingListsOnFirstUse();

    // --- counts ---
    int countPersons(bool living, bool dead) const;
    int countWomen(bool living, bool dead) const;
    int countMen(bool living, bool dead) const;
    // The largest number of generations above any person, plus one; 0 for an empty tree.
    int maxGenerations() const;

    // --- cycle test ---
    // Whether some person is among its own ancestors. Overwrites the selection marks.
    bool hasAncestorCycle();
    // After `parent` was linked as someone's father or mother of a tree without cycles: whether
    // that link closed one. Walks only the parent's ancestors and leaves the marks alone.
    bool hasAncestorCycle(const Clovek* parent) const;

    // --- partnerships across the tree ---
    void sharePartnerships();
    void freePartnerships();
    void setAllPartnershipFlags(uint8_t value);
    void setAllPartnershipNumbers(int value);

    // --- media stores (model/rod_media.cpp) ---
    // The numbers of the stored copies the tree's companion folder holds, of each kind (told
    // by the session at every open and save): a stored copy whose record or person a damaged
    // file lost is among them. No new person takes the number of a portrait there, no new
    // record the number of a copy of its kind, so no save ever writes over one.
    struct FolderNumbers {
        std::vector<int> portraits, photos, documents, files;
    };
    void holdFolderNumbers(FolderNumbers numbers);
    const FolderNumbers& folderNumbers() const { return folderNumbers_; }
    // The lowest number from 0 that no living record of the kind has, in the store or only
    // linked to a person, nor a stored copy of the folder: a new record never takes over the
    // stored copy of one still shown.
    int firstFreePhotoNumber() const;
    int firstFreeDocumentNumber() const;
    int firstFreeFileNumber() const;
    // Load the source, store it as a JPEG below `folder` (the working folder) under the lowest
    // free number, and add the record to the store; the caller links it to the person. A source
    // that cannot be read or a copy that cannot be written raises (EInvalidGraphic, EInOutError)
    // and leaves the store as it was.
    Fotka* addPhotoFromBitmap(const std::string& source, const std::string& folder);
    Fotka* addPhotoFromJpeg(const std::string& source, const std::string& folder);
    Dokument* addDocumentFromBitmap(const std::string& source, const std::string& folder);
    Dokument* addDocumentFromJpeg(const std::string& source, const std::string& folder);
    // Any file, copied as "soubory/soubor" + number + "." + its extension; raises EInOutError
    // and registers nothing when the copy fails.
    Soubor* addFile(const std::string& source, const std::string& folder);
    Fotka* findPhoto(int number) const;
    Dokument* findDocument(int number) const;
    Soubor* findFile(int number) const;
    // Takes the record out of its store; it lives on while a person still links it. The stored
    // copy stays.
    void removePhoto(Fotka* photo);
    void removeDocument(Dokument* document);
    void removeFile(Soubor* file);

    // --- groups (model/rod_groups.cpp) ---
    // Names compare exactly, with letter case.
    bool groupExists(const std::string& name) const;
    Group* findGroup(const std::string& name) const;
    static UkGrClovek* findGroupMember(const Prvky& members, const Clovek* person);
    static bool isGroupMember(const Prvky& members, const Clovek* person);
    // Deletes every member entry of the person in every group; the groups stay.
    void removeFromAllGroups(const Clovek* person);
    // After loading: each member entry refers to a placeholder carrying a number; it is made to
    // refer to the person of that number, or removed when there is none. A person listed twice
    // in a group is kept once.
    void relinkGroupMembers();
    // The same with the chain's index at hand (a loader's, made for its own links).
    void relinkGroupMembers(const ChainIndex& chain);
    // Every person of the chain that was not a member becomes one, in chain order; every member
    // stops being one.
    void invertGroup(Group& group);
    // The members replaced by the persons of the chain that qualify, in chain order.
    void refillGroup(Group& group, const std::function<bool(const Clovek&)>& qualifies);
    // Each marked person that is not a member yet becomes one, in chain order.
    void addMarkedToGroup(Group& group);
    // Every person's display name (birth surname as the settings say, birth year, identifier)
    // and whether the person is a member of the group (none: nobody is), in chain order.
    std::vector<std::pair<std::string, bool>> memberRows(const Group* group,
                                                         const DisplaySettings& settings) const;
    // Display name (as memberRows words it) to the first person of the chain that has it: the
    // lines of a list turned back into persons without a walk per line.
    std::unordered_map<std::string, Clovek*> personsByDisplayName(const DisplaySettings& settings) const;

    // --- selection and pass marks (model/rod_marks.cpp) ---
    void clearMarks();
    void setAllMarks(uint8_t value);
    void invertMarks();
    // Every ancestor (descendant) of every marked person; safe on trees holding a cycle.
    void markAncestors();
    void markDescendants();
    // One step only: partners (siblings) of the persons marked before the call.
    void markPartners();
    void markSiblings();
    void setAllPassMarks(uint8_t value);
    // The rows of a check list of all persons in chain order: display name (birth surname as the
    // settings say, birth year, identifier) and whether the person is marked.
    std::vector<std::pair<std::string, bool>> markRows(const DisplaySettings& settings) const;

    // --- relinking a loaded tree (model/rod_relink.cpp) ---
    // Each father and mother placeholder is replaced by the person of the chain with its number
    // (null when there is none) and destroyed.
    void relinkParents();
    // Each person's partnerships back in their saved order.
    void sortPartnershipLists();
    // The person whose number is the active-person number, or null.
    Clovek* activePerson() const;

    // --- share of filled fields (model/filled_share.cpp) ---
    void updateAllPercentFilled();

    // --- undo history (model/rod_undo_record.cpp, model/rod_undo_replay.cpp) ---
    // The person editor the history reports to and replays through; not owned. Without one the
    // steps are still kept and replayed on the tree's data, nothing is shown and every question
    // is answered no.
    void attachEditor(EditorPort* editor) { editor_ = editor; }
    EditorPort* editor() const { return editor_; }
    bool canUndo() const;
    bool canRedo() const;
    // The recorders: each keeps one step and refreshes the undo controls. A text or date edit
    // of the same field (key) of the same person, or of the same partnership, as the step under
    // the cursor only replaces that step's new value, so typing a word makes one step.
    void recordTextChange(Clovek* person, const std::string& key, const std::string& oldText,
                          const std::string& newText);
    void recordPartnershipTextChange(Clovek* person, const std::string& key, Svatba* partnership,
                                     const std::string& oldText, const std::string& newText);
    void recordFlagChange(Clovek* person, const std::string& key, uint8_t oldValue, uint8_t newValue);
    void recordToleranceChange(Clovek* person, const std::string& key, uint8_t oldAbout, uint8_t newAbout,
                               int32_t oldTolerance, int32_t newTolerance);
    void recordPartnershipToleranceChange(Clovek* person, const std::string& key, Svatba* partnership,
                                          uint8_t oldAbout, uint8_t newAbout, int32_t oldTolerance,
                                          int32_t newTolerance);
    void recordDateChange(Clovek* person, const std::string& key, const Datum& oldDate, const Datum& newDate);
    void recordPartnershipDateChange(Clovek* person, const std::string& key, Svatba* partnership,
                                     const Datum& oldDate, const Datum& newDate);
    void recordNewPerson(Clovek* previous, const std::string& key, Clovek* created);
    void recordPeriodChange(Clovek* person, const std::string& key, const CasoveObdobi* oldEntry,
                            const CasoveObdobi* newEntry);
    void recordPartnerChange(Clovek* person, const std::string& key, Svatba* partnership, Clovek* oldPartner,
                             Clovek* newPartner);
    // A memo's change, given when the memo is left or stored: the person's lines before it and
    // the lines typed. A change is one step however many lines it holds; a visit that changed
    // nothing is none, so an undo always takes back a text that was written.
    void recordStringsChange(Clovek* person, const std::string& key, const std::vector<std::string>& oldLines,
                             const std::vector<std::string>& newLines);
    // A step the editor built itself (a parent change).
    void pushAction(std::unique_ptr<Action> action);
    // Replay the step under the cursor backwards, or the one after it forwards, through the
    // editor with its recording off.
    void undo();
    void redo();
    void applyAction(Action* action, bool undo);

    // --- kinship queries (model/kinship.cpp) ---
    // Each adds the display name of every relative it reaches (birth surname and birth year as
    // the settings say, the identifier always) to `list`, unless the list holds an equal line
    // already, letter case ignored: one line per display text, in the order first reached. The
    // queries with `clear` empty the list first when it is set and otherwise add to what it
    // holds; the others always empty it. A step through a divorced partnership leads to nobody;
    // a missing parent gives nothing.
    void listBrothers(TStringList& list, const Clovek* person, bool clear,
                      const DisplaySettings& settings) const;
    void listSisters(TStringList& list, const Clovek* person, bool clear,
                     const DisplaySettings& settings) const;
    void listSiblings(TStringList& list, const Clovek* person, bool clear,
                      const DisplaySettings& settings) const;
    void listSons(TStringList& list, const Clovek* person, bool clear, const DisplaySettings& settings) const;
    void listDaughters(TStringList& list, const Clovek* person, bool clear,
                       const DisplaySettings& settings) const;
    // Direct children only.
    void listChildren(TStringList& list, const Clovek* person, bool clear,
                      const DisplaySettings& settings) const;
    void listGrandsons(TStringList& list, const Clovek* person, const DisplaySettings& settings) const;
    void listGranddaughters(TStringList& list, const Clovek* person, const DisplaySettings& settings) const;
    void listGrandchildren(TStringList& list, const Clovek* person, const DisplaySettings& settings) const;
    void listGrandfathers(TStringList& list, const Clovek* person, const DisplaySettings& settings) const;
    void listGrandmothers(TStringList& list, const Clovek* person, const DisplaySettings& settings) const;
    void listGrandparents(TStringList& list, const Clovek* person, const DisplaySettings& settings) const;
    // A parent's brothers and the partners of a parent's sisters (and the reverse for aunts).
    void listUncles(TStringList& list, const Clovek* person, bool clear,
                    const DisplaySettings& settings) const;
    void listAunts(TStringList& list, const Clovek* person, bool clear,
                   const DisplaySettings& settings) const;
    void listUnclesAndAunts(TStringList& list, const Clovek* person, const DisplaySettings& settings) const;
    // The nephews (nieces) of the father and of the mother.
    void listMaleCousins(TStringList& list, const Clovek* person, const DisplaySettings& settings) const;
    void listFemaleCousins(TStringList& list, const Clovek* person, const DisplaySettings& settings) const;
    void listCousins(TStringList& list, const Clovek* person, const DisplaySettings& settings) const;
    // The sons (daughters) of the person's siblings, then of the siblings of each partner.
    void listNephews(TStringList& list, const Clovek* person, bool clear,
                     const DisplaySettings& settings) const;
    void listNieces(TStringList& list, const Clovek* person, bool clear,
                    const DisplaySettings& settings) const;
    void listNephewsAndNieces(TStringList& list, const Clovek* person, bool clear,
                              const DisplaySettings& settings) const;
    void listSonsInLaw(TStringList& list, const Clovek* person, bool clear,
                       const DisplaySettings& settings) const;
    void listDaughtersInLaw(TStringList& list, const Clovek* person, bool clear,
                            const DisplaySettings& settings) const;
    void listChildrenInLaw(TStringList& list, const Clovek* person, bool clear,
                           const DisplaySettings& settings) const;
    void listBrothersInLaw(TStringList& list, const Clovek* person, bool clear,
                           const DisplaySettings& settings) const;
    void listSistersInLaw(TStringList& list, const Clovek* person, bool clear,
                          const DisplaySettings& settings) const;
    void listSiblingsInLaw(TStringList& list, const Clovek* person, bool clear,
                           const DisplaySettings& settings) const;

    // --- value lists (model/value_lists.cpp) ---
    // Each empties the list, adds the field's built-in items (if any) and then every non-empty
    // value of the field over the persons in chain order, unless the list holds an equal line
    // already, letter case ignored: the first spelling met stays.
    void distinctFirstNames(TStringList& list) const;
    void distinctSurnames(TStringList& list) const;
    void distinctBirthSurnames(TStringList& list) const;
    // After the 18 academic titles written before a name.
    void distinctTitlesBefore(TStringList& list) const;
    // After the 6 titles written after a name.
    void distinctTitlesAfter(TStringList& list) const;
    void distinctBirthPlaces(TStringList& list) const;
    void distinctDeathPlaces(TStringList& list) const;
    void distinctBurialPlaces(TStringList& list) const;
    // After an empty item and the ten causes of the language file (section "pricinaSmrti").
    void distinctDeathCauses(TStringList& list, TextSource& texts) const;
    // The texts of the entries of each person's life-period list.
    void distinctResidences(TStringList& list) const;
    void distinctEducations(TStringList& list) const;
    void distinctOccupations(TStringList& list) const;
    // The place of each partnership, met through either partner.
    void distinctWeddingPlaces(TStringList& list) const;
    void distinctReligions(TStringList& list) const;
    void distinctBaptisms(TStringList& list) const;
    void distinctNationalities(TStringList& list) const;
    void distinctCitizenships(TStringList& list) const;
    void distinctUser1Values(TStringList& list) const;
    void distinctUser2Values(TStringList& list) const;
    void distinctUser3Values(TStringList& list) const;
    void distinctUser4Values(TStringList& list) const;
    void distinctUser5Values(TStringList& list) const;
    // What `values` (one of the lists above made from the person field `field` alone) fills in,
    // kept from the last call while neither the field nor any text outside the editor's fields
    // was written and no person holding a listed text joined or left the chain: a drop-down is
    // filled each time the focus enters it, and a big tree's walk takes longer than a frame.
    void keptDistinctTexts(TStringList& list, void (Rod::*values)(TStringList&) const,
                           const PersonTextField& field) const;
    // The godparent choices: the display name (identifier always) of every person but `except`,
    // in chain order; equal texts are all kept, each naming its own person.
    void listOtherPersons(TStringList& list, const Clovek* except, const DisplaySettings& settings) const;

    // --- anniversaries (model/anniversaries.cpp) ---
    // Each partnership is taken once, at the first partner met in chain order, through the
    // partnerships' visited flags, which are cleared first and left set. A date whose parts are
    // not numbers, or a complete date that the calendar does not have (31 April), is no
    // anniversary of anything.
    // The anniversaries of the reference date's day (`sameDay`) or month, births, deaths of the
    // dead and weddings (plain partnerships excepted), in the reference year: one line each,
    // name, years and label, in month mode after the event's date. The list is emptied first.
    void listAnniversaries(TDateTime reference, bool sameDay, TStringList& list, TextSource& texts,
                           const DisplaySettings& settings);
    // The lines of the anniversaries on the day of `now`, as the same-day list words them, in
    // the order found; deaths are taken whatever the alive flag says. The main window shows
    // each in a message of its own.
    std::vector<std::string> todaysAnniversaries(TDateTime now, TextSource& texts,
                                                 const DisplaySettings& settings);
    // Appends one `Vyroci` per chosen event with a complete date to `out` (the caller owns it,
    // sorts it and writes the calendar); years count to the year of `today`.
    void collectCalendarAnniversaries(Prvky& out, const CalendarChoices& choices, TDateTime today,
                                      TextSource& texts, const DisplaySettings& settings, bool showNumber);

    // Each person of the chain, head first.
    template<class F> void forEachPerson(F f) const
    {
        for (Clovek* p = firstPerson; p;) {
            Clovek* next = nextInChain(p);
            f(p);
            p = next;
        }
    }

    std::string treeName;
    std::string fileName;
    std::string author;
    std::string createdText;
    std::string collaborators;
    std::string userCaption1 = "Uživ.def.:";
    std::string userCaption2 = "Uživ.def.:";
    std::string userCaption3 = "Uživ.def.:";
    std::string userCaption4 = "Uživ.def.:";
    std::string userCaption5 = "Uživ.def.:";
    Clovek* firstPerson = nullptr;
    std::vector<std::string> furtherData;
    int32_t activePersonNumber = 0;
    Prvky photoStore; // UkFotka
    Prvky documentStore; // UkDokument
    Prvky fileStore; // UkSoubor
    Prvky groups; // Group
    std::unique_ptr<ActionList> undoHistory;

private:
    static Clovek* nextInChain(const Clovek* p);
    void linkAtHead(Clovek* person);
    // The removed person's number is free again, unless another person holds it too.
    void forgetNumber(int number);
    // Whether the person is linked into the chain: a loader's placeholder, which only carries a
    // number, never is. Told by the person's own links, not by a walk.
    bool inChain(const Clovek* person) const;
    // Out of the chain, the undo history and every list but the groups', then destroyed.
    void freeRemovedPerson(Clovek* person);
    void tellUndoButtons();
    void recordStep(std::unique_ptr<Action> action);
    EditorPort* editor_ = nullptr;
    void indexNumbers() const;
    void indexIdentifiers() const;
    // Both lookups must be rebuilt: the chain changed.
    void chainChanged() const { numberIndexStale_ = identifierIndexStale_ = true; }
    int personCount_ = 0;
    FolderNumbers folderNumbers_;
    // Which numbers from 0 the persons hold, so that a new person is numbered without a walk of a
    // big tree's chain. Made by the walk that fills the empty identifiers after an open, or else
    // at the first new person after the chain took persons from outside (the loaders set a
    // number after the person joins); kept true by every new and removed person. Only numbers
    // below the table's size are held: the lowest free one is at most the count of persons, and
    // the table has room beyond that to spare.
    void indexNumbersInUse() const;
    void startNumberIndex() const;
    void noteNumberInUse(int number) const;
    mutable std::vector<bool> numberUsed_;
    // The persons beyond the first that hold a number of the table (a damaged file), so that
    // removing one of them does not free the number.
    mutable std::unordered_map<int, int> numberRepeats_;
    // Every number below it is held.
    mutable int lowestFreeHint_ = 0;
    mutable bool numbersStale_ = true;
    // Changes of the chain that can change a value list: every person from outside, and a new
    // or removed person holding a text of a field the lists are made from.
    uint64_t chainChanges_ = 0;
    struct KeptValueList {
        void (Rod::*values)(TStringList&) const = nullptr;
        bool filled = false;
        uint64_t chainChanges = 0;
        uint64_t fieldWrites = 0;
        uint64_t otherWrites = 0;
        std::vector<std::string> lines;
        // Made, and nothing written since that the list is made from.
        bool current(const Rod& tree, const PersonTextField& field) const;
        void keep(const Rod& tree, const PersonTextField& field, const TStringList& made);
    };
    KeptValueList& keptValueList(void (Rod::*values)(TStringList&) const) const;
    // The first-name list kept as `distinctFirstNames` makes it, from the first person holding
    // each text in chain order: the new-person command enters the first-name box at once, and
    // the open has met every person already.
    void keepFirstNames(const std::vector<const Clovek*>& firstOfEachText) const;
    static bool holdsValueListTexts(const Clovek& person);
    mutable std::vector<KeptValueList> keptValueLists_;
    // Number and identifier to the first person of the chain that has it, each built on its own
    // first lookup after the chain changed: a big tree's identifier table is tens of megabytes
    // that most sessions never ask for. A hit is checked against the person; an identifier that
    // is not indexed is still looked for along the chain, since the editor changes identifiers.
    mutable ChainIndex byNumber_{nullptr};
    mutable std::unordered_map<std::string, Clovek*> byIdentifier_;
    mutable bool numberIndexStale_ = true;
    mutable bool identifierIndexStale_ = true;
};
