#pragma once
// One step of the undo history: the key that names the edited field or operation, the person
// the edit was made on and the values before and after it. Each kind of value has its record
// class; the key alone tells the replay which one it holds, and the replay checks the class
// before it reads a record as one.
//
// A record owns its texts, date copies, line lists and period copies; it never owns the persons
// and partnerships it points at. The history removes every record that points at a person or
// partnership before that is freed (`ActionList::forget`), so a record never points at one
// that is gone.
#include "model/casove_obdobi.h"
#include "model/datum.h"
#include "model/prvky.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class Clovek;
class Svatba;

class Action : public Prvek {
public:
    Action(Clovek* person, std::string key) : key(std::move(key)), person(person) {}

    // Whether the record points at the person: as its own person or as any other it names.
    virtual bool refersTo(const Clovek* p) const { return p && person == p; }
    virtual bool refersTo(const Svatba*) const { return false; }

    std::string key;
    // The person the edit was made on; for a created person the one current before. Not owned.
    Clovek* person;
    // Given by the history when the record goes in; never reused within one history, so a
    // record can be asked for again without keeping a pointer that may have been freed.
    uint64_t serial = 0;
};

class ActionText : public Action {
public:
    ActionText(Clovek* person, std::string key, std::string oldText, std::string newText)
        : Action(person, std::move(key)), oldText(std::move(oldText)), newText(std::move(newText))
    {
    }
    std::string oldText;
    std::string newText;
};

// A text of a partnership: place, officiant, witnesses.
class ActionSvatba : public ActionText {
public:
    ActionSvatba(Clovek* person, std::string key, Svatba* partnership, std::string oldText,
                 std::string newText)
        : ActionText(person, std::move(key), std::move(oldText), std::move(newText)),
          partnership(partnership)
    {
    }
    bool refersTo(const Svatba* s) const override { return s && partnership == s; }
    using Action::refersTo;
    Svatba* partnership;
};

class ActionBool : public Action {
public:
    ActionBool(Clovek* person, std::string key, uint8_t oldValue, uint8_t newValue)
        : Action(person, std::move(key)), oldValue(oldValue), newValue(newValue)
    {
    }
    uint8_t oldValue;
    uint8_t newValue;
};

// The about flag and tolerance of a date.
class ActionTolerance : public Action {
public:
    ActionTolerance(Clovek* person, std::string key, uint8_t oldAbout, uint8_t newAbout,
                    int32_t oldTolerance, int32_t newTolerance)
        : Action(person, std::move(key)), oldAbout(oldAbout), newAbout(newAbout),
          oldTolerance(oldTolerance), newTolerance(newTolerance)
    {
    }
    uint8_t oldAbout;
    uint8_t newAbout;
    int32_t oldTolerance;
    int32_t newTolerance;
};

class ActionToleranceSvatba : public ActionTolerance {
public:
    ActionToleranceSvatba(Clovek* person, std::string key, Svatba* partnership, uint8_t oldAbout,
                          uint8_t newAbout, int32_t oldTolerance, int32_t newTolerance)
        : ActionTolerance(person, std::move(key), oldAbout, newAbout, oldTolerance, newTolerance),
          partnership(partnership)
    {
    }
    bool refersTo(const Svatba* s) const override { return s && partnership == s; }
    using Action::refersTo;
    Svatba* partnership;
};

// A whole date is kept, whichever part was edited.
class ActionDate : public Action {
public:
    ActionDate(Clovek* person, std::string key, const Datum& oldDate, const Datum& newDate)
        : Action(person, std::move(key)), oldDate(oldDate), newDate(newDate)
    {
    }
    Datum oldDate;
    Datum newDate;
};

class ActionSvatbaDate : public ActionDate {
public:
    ActionSvatbaDate(Clovek* person, std::string key, Svatba* partnership, const Datum& oldDate,
                     const Datum& newDate)
        : ActionDate(person, std::move(key), oldDate, newDate), partnership(partnership)
    {
    }
    bool refersTo(const Svatba* s) const override { return s && partnership == s; }
    using Action::refersTo;
    Svatba* partnership;
};

// `person` is the person current before the creation (may be none).
class ActionNewClovek : public Action {
public:
    ActionNewClovek(Clovek* previous, std::string key, Clovek* created)
        : Action(previous, std::move(key)), created(created)
    {
    }
    bool refersTo(const Clovek* p) const override { return Action::refersTo(p) || (p && created == p); }
    using Action::refersTo;
    Clovek* created;
};

// `person` is the child.
class ActionParent : public Action {
public:
    ActionParent(Clovek* child, std::string key, Clovek* oldParent, Clovek* newParent, int32_t father)
        : Action(child, std::move(key)), oldParent(oldParent), newParent(newParent), father(father)
    {
    }
    bool refersTo(const Clovek* p) const override
    {
        return Action::refersTo(p) || (p && (oldParent == p || newParent == p));
    }
    using Action::refersTo;
    Clovek* oldParent;
    Clovek* newParent;
    int32_t father; // nonzero: the father; 0: the mother
};

// The lines of a memo; a null list given is kept as an empty one.
class ActionStrings : public Action {
public:
    ActionStrings(Clovek* person, std::string key, const std::vector<std::string>* oldLines,
                  const std::vector<std::string>* newLines)
        : Action(person, std::move(key))
    {
        if (oldLines)
            this->oldLines = *oldLines;
        if (newLines)
            this->newLines = *newLines;
    }
    std::vector<std::string> oldLines;
    std::vector<std::string> newLines;
};

// No old entry: the entry was added; no new entry: it was deleted; both: it was edited.
class ActionObdobi : public Action {
public:
    ActionObdobi(Clovek* person, std::string key, const CasoveObdobi* oldEntry,
                 const CasoveObdobi* newEntry)
        : Action(person, std::move(key)),
          oldEntry(oldEntry ? std::make_unique<CasoveObdobi>(*oldEntry) : nullptr),
          newEntry(newEntry ? std::make_unique<CasoveObdobi>(*newEntry) : nullptr)
    {
    }
    std::unique_ptr<CasoveObdobi> oldEntry;
    std::unique_ptr<CasoveObdobi> newEntry;
};

// A created partnership (no old partner; the new partner is the person created for it, or
// none) or a replaced partner.
class ActionPartner : public Action {
public:
    ActionPartner(Clovek* person, std::string key, Svatba* partnership, Clovek* oldPartner,
                  Clovek* newPartner)
        : Action(person, std::move(key)), partnership(partnership), oldPartner(oldPartner),
          newPartner(newPartner)
    {
    }
    bool refersTo(const Clovek* p) const override
    {
        return Action::refersTo(p) || (p && (oldPartner == p || newPartner == p));
    }
    bool refersTo(const Svatba* s) const override { return s && partnership == s; }
    Svatba* partnership;
    Clovek* oldPartner;
    Clovek* newPartner;
};
