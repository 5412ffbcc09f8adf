#pragma once
// One person of a family tree. The tree owns every person through its person chain; a person
// owns its lists and their elements, never the persons, partnerships or media records those
// elements refer to.
#include "model/datum.h"
#include "model/note_block.h"
#include "model/prvky.h"
#include "model/sparse_list.h"
#include "model/sparse_text.h"
#include "system/datetime.h"
#include "system/slab.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

class Dokument;
class Fotka;
class Soubor;
class Svatba;
class TextSource;
class DisplaySettings;
class UkClovek;

// A big tree holds 100,000 of these, each a block of its own size in one shared slab.
class Clovek : public SlabAllocated<Clovek> {
public:
    // A living man numbered -1, every text empty, unknown dates, no parents, empty lists,
    // created now.
    Clovek();
    // The same created at `created`: a loader reads the clock once for a million persons.
    explicit Clovek(TDateTime created);
    Clovek(const Clovek&) = delete;
    Clovek& operator=(const Clovek&) = delete;
    // Deletes the lists with their elements. Does not unlink the person from its relatives or
    // the chain (`Rod::removePerson` does that first); elements elsewhere that still refer to
    // the person are let go of it.
    ~Clovek();

    // --- texts ---
    // Surname (the birth surname for a woman when asked, or when the surname is empty), a blank
    // and the first name; then ", " and the birth year; then " (" identifier ")".
    std::string displayName(bool useBirthSurname, bool showBirthYear, bool showIdentifier) const;
    // The same into `out` (emptied first), which keeps its storage: for many persons at once.
    void displayNameInto(std::string& out, bool useBirthSurname, bool showBirthYear,
                         bool showIdentifier) const;
    // Titles, first name and surname in natural order; "neznámé jméno (number)" for a person
    // with no name when asked.
    std::string fullName(bool useBirthSurname, bool unknownIfBlank) const;
    // The value of a GEDCOM NAME line: first name and "/surname/".
    std::string gedcomName() const;
    // "muž" or "žena" from the language file.
    static std::string sexText(TextSource& texts, int sex);
    // "narozen ve znamení: " and the zodiac sign of the birth date ("narozena" for a woman).
    // In model/person_texts.cpp.
    std::string birthSignText(TextSource& texts) const;

    // --- children and siblings (kept sorted by birth) ---
    UkClovek* childEntry(const Clovek* child) const;
    bool hasChild(const Clovek* person) const;
    // Appends (removes) the child's entry; the lists of the children made from this list are
    // made first (see `buildSiblingList`).
    void appendChild(Clovek* child);
    void removeChild(const Clovek* child);
    // Sorts the children by birth; when that would move one, the lists of the children are made
    // first.
    void sortChildren();

    // The sibling list: made from the parents' children lists the first time anything reads or
    // changes it (a big tree opens without making a million of them), and from then on kept by
    // the edits as it is. A list that was never made holds nothing, so nothing in it can outlive
    // a person.
    Prvky& siblings();
    const Prvky& siblings() const;
    bool siblingListBuilt() const { return !siblingsPending_; }
    // Makes the list now if it was left for later. Whatever changes what a waiting list would
    // be made of (this person's parents, their children lists, the births of those children)
    // calls this first, so a list comes out exactly as if it had been made at the open.
    void buildSiblingList() const;
    // The same for every child of this person.
    void buildChildrenSiblingLists() const;
    // Before this person's parents or birth change, or the person goes: its own list and those
    // of the children of its parents and of `newParent`.
    void buildSiblingListsAround(const Clovek* newParent = nullptr) const;
    bool hasSibling(const Clovek* person) const;
    UkClovek* siblingEntry(const Clovek* person) const;
    // After `person` became a child of this person: every other child lists it as a sibling.
    void addSiblingToChildren(Clovek* person);
    // Every other child of `parent` and this person become each other's siblings.
    void addSiblingsFromParent(Clovek* parent);
    // Drops the siblings that share neither a (non-null) father nor a mother with this person.
    void pruneSiblings();
    // Appends the other children of the parents that the list does not hold yet, then sorts it.
    void addMissingSiblings();

    // --- partnerships ---
    bool hasPartnership(const Svatba* partnership) const;
    // Some partnership has a partner other than this person.
    bool hasPartner() const;
    // Position in the partnership list, -1 when not there.
    int partnershipIndex(const Svatba* partnership) const;
    // Deletes the entry (the record stays); nothing when the record is not listed.
    void removePartnership(const Svatba* partnership);
    // The other partner's display name for each partnership, in list order ("" where a record has
    // no other partner).
    void fillPartnerNames(std::vector<std::string>& names, const DisplaySettings& settings) const;
    // Removes and frees every partnership that has no partner other than this person.
    void dropPartnershipsWithoutPartner();
    // The first entry whose record has `person` as partner 2 and is not in that person's list.
    class UkSvatba* unsharedPartnershipWith(const Clovek* person) const;
    // Partnership dates read from the older format ("X" for a missing part) to types and "?".
    void convertOldPartnershipDates();

    // --- life periods ---
    void fillPeriodTexts(const Prvky& periods, std::vector<std::string>& lines) const;

    // --- derived values ---
    // Whether `sought` is an ancestor of this person. Uses the marks as visited flags: the caller
    // clears them first (`Rod::clearMarks`). Works on trees that hold a cycle.
    bool isAncestor(const Clovek* sought);
    // Generations above this person: 0 without parents. A parent link that closes a cycle counts
    // as no parent; deep lines of ancestry do not exhaust the stack.
    int generations() const;
    // Age in days from birth to death (today while alive); -1 with an unknown year.
    int64_t ageInDays() const;
    Svatba* firstWedding() const;
    // The share of filled fields in percent (model/filled_share.cpp): one point each for first
    // name, surname, the three birth date parts, birth place, father, mother, a residence, an
    // education and an occupation; points x 100 / 11, truncated. Stored in `percentFilled` and
    // returned.
    int updatePercentFilled();
    Clovek* firstChild() const;

    // --- marks ---
    // Marks every unmarked ancestor (descendant), following on from each newly marked one.
    void markAncestors();
    void markDescendants();
    // Marks each unmarked partner (sibling) and sets its pass mark, so a walk over the tree does
    // not go on from it.
    void markPartnersOnce();
    void markSiblingsOnce();

    // --- media links and portrait (model/clovek_media.cpp) ---
    bool hasPhoto(const Fotka* photo) const;
    bool hasDocument(const Dokument* document) const;
    bool hasFile(const Soubor* file) const;
    // Deletes the person's entry, lowering the record's count; nothing when it is not linked.
    void removePhoto(const Fotka* photo);
    void removeDocument(const Dokument* document);
    void removeFile(const Soubor* file);
    // Loads the picture, scales it to fit maxHeight x maxWidth and stores it as a JPEG below
    // `folder` (the working folder) as "hlavy/hlava" + number + ".jpg"; then sets hasPortrait.
    // A picture that cannot be read or written raises and leaves the flag as it was.
    void importPortraitJpeg(const std::string& source, const std::string& folder, int maxHeight,
                            int maxWidth);
    void importPortraitBitmap(const std::string& source, const std::string& folder, int maxHeight,
                              int maxWidth);

    // The first list element that refers to this person (see `UkClovek::nextReferrer`).
    UkClovek* firstReferrer() const { return firstReferrer_; }

    // --- fields ---
    // Texts most persons leave empty or share with many others (names, places, the date parts)
    // are `SparseText`s (model/sparse_text.h): a tree of 100,000 persons then needs a fraction
    // of the memory; `PersonTextField`
    // (model/person_text_field.h) names either kind in tables of fields.
    // The links and flags that walks over many persons read come first, so that such a walk
    // touches one cache line of each person.
    Clovek* chainPrev = nullptr;
    Clovek* chainNext = nullptr;
    Clovek* father = nullptr;
    Clovek* mother = nullptr;

private:
    friend class UkClovek;
    friend class Rod;
    friend class GenerationCounter;
    // Scratch of the walks over many persons ("already seen", a depth or a position), valid
    // while `seenStamp_` equals the walk's own stamp: no set or map per walk.
    static uint64_t nextWalkStamp();
    // The first of `count` stamps in a row, for a walk that tells persons apart by them.
    static uint64_t nextWalkStamps(uint64_t count);
    mutable uint64_t seenStamp_ = 0;
    mutable int32_t walkValue_ = 0;

public:
    int32_t number = -1;
    uint8_t mark = 0;
    uint8_t passMark = 0;
    uint8_t lock = 0;
    uint8_t sex = 1; // 1 man, 0 woman
    uint8_t alive = 1;
    // The small fields sit together, and the four-byte ones (texts, dates) after them: padding
    // between them would cost a big tree megabytes.
    uint8_t hasPortrait = 0;

private:
    // The sibling list waits to be made (`buildSiblingList`).
    mutable uint8_t siblingsPending_ = 0;

public:
    int32_t percentFilled = 0;
    SparseText importId;
    SparseText firstName;
    SparseText surname;
    SparseText birthSurname;
    SparseText titlesBefore;
    SparseText titlesAfter;
    Datum birth;
    SparseText birthPlace;
    Datum death;
    SparseText deathPlace;
    SparseText burial;
    SparseText deathCause;
    SparseText religion;
    SparseText baptism;
    SparseText godparent1, godparent2;
    SparseText nationality;
    SparseText citizenship;
    SparseText email1, email2;
    SparseText phone1, phone2;
    SparseText web1, web2;
    SparseText user1, user2, user3, user4, user5;
    std::string identifier;
    Prvky children; // UkClovek
    Prvky partnerships; // UkSvatba
    SparseList residences; // CasoveObdobi
    SparseList occupations; // CasoveObdobi
    SparseList educations; // CasoveObdobi
    TDateTime created;
    SparseList photos; // UkFotka
    SparseList documents; // UkDokument
    SparseList files; // UkSoubor

    // The free texts and the register notes, as lines. Most persons have none: the two lists
    // share one block (model/note_block.h), made when either is first written and let go when
    // both are empty. What is read stays valid until the person's notes next change; a change
    // makes the block anew, so a writer of many lines gives them all at once.
    NoteLines lines(NoteList which) const { return notes_ ? notes_->lines(which) : NoteLines(); }
    NoteLines furtherTexts() const { return lines(NoteList::furtherTexts); }
    NoteLines registerNotes() const { return lines(NoteList::registerNotes); }
    void setLines(NoteList which, std::span<const std::string> given);
    void appendLines(NoteList which, std::span<const std::string> added);
    void setFurtherTexts(const std::vector<std::string>& given) { setLines(NoteList::furtherTexts, given); }
    void setRegisterNotes(const std::vector<std::string>& given) { setLines(NoteList::registerNotes, given); }

private:
    UkClovek* firstReferrer_ = nullptr;
    // Null until the list first holds someone: most persons of a big tree are never asked.
    std::unique_ptr<Prvky> siblings_;
    NoteBlockPtr notes_;
};

// Names a text field of either kind; here so that every user of the fields has it.
#include "model/person_text_field.h"
