#pragma once
// One open family tree: its texts, the chain of its persons (newest first), its media stores,
// groups and undo history. The tree owns all of it.
#include "model/action_list.h"
#include "model/prvky.h"

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

class Clovek;
class DisplaySettings;

class Rod {
public:
    explicit Rod(std::string fileName = "");
    Rod(const Rod&) = delete;
    Rod& operator=(const Rod&) = delete;
    ~Rod();

    // --- persons ---
    // A person that already has its number (loaders, import) goes to the head of the chain.
    void appendPerson(Clovek* person);
    // A new person: the lowest free number, that number as identifier, head of the chain.
    void addNewPerson(Clovek* person);
    int firstFreePersonNumber() const;
    int personCount() const { return personCount_; }
    // Takes the person out of the chain and out of every list, clears it as anyone's parent,
    // frees its partnerships and destroys it. Nothing for a person not in this tree's chain.
    void removePerson(Clovek* person);
    void unlinkFromRelatives(Clovek* person);
    // No partnership with a partner and nobody's parent.
    bool canChangeSex(const Clovek* person) const;

    // --- lookups: the first match from the head, or null ---
    Clovek* findPersonByNumber(int number) const;
    Clovek* findPersonByIdentifier(const std::string& identifier) const;
    bool isIdentifierUsed(const std::string& identifier) const;
    Clovek* findPersonByImportId(const std::string& importId) const;
    Clovek* findPersonByDisplayName(const std::string& text, bool useBirthSurname,
                                    bool showBirthYear, bool showIdentifier) const;
    Clovek* findPersonByDisplayName(const std::string& text,
                                    const DisplaySettings& settings) const;

    // --- after loading ---
    void fillEmptyIdentifiers();
    // Older format: parents and partner 2 are placeholders carrying a number.
    void relinkParentsAndPartners();
    void rebuildChildLists();
    void rebuildSiblingList(Clovek* person);
    void rebuildAllSiblingLists();

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

    // --- marks and groups used by the operations above ---
    void clearMarks();
    void removeFromAllGroups(const Clovek* person);

    // Each person of the chain, head first.
    template <class F>
    void forEachPerson(F f) const
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
    Prvky photoStore;    // UkFotka
    Prvky documentStore; // UkDokument
    Prvky fileStore;     // UkSoubor
    Prvky groups;        // Group
    std::unique_ptr<ActionList> undoHistory;

private:
    static Clovek* nextInChain(const Clovek* p);
    void indexPersons() const;
    int personCount_ = 0;
    // Number and identifier to the first person of the chain that has it, built on the first
    // lookup after the chain changed. A hit is checked against the person; an identifier that is
    // not indexed is still looked for along the chain, since the editor changes identifiers.
    mutable std::unordered_map<int, Clovek*> byNumber_;
    mutable std::unordered_map<std::string, Clovek*> byIdentifier_;
    mutable bool indexStale_ = true;
};
