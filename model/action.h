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
    Action(Clovek* who, std::string what) : key(std::move(what)), person(who) { }

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
    ActionText(Clovek* who, std::string what, std::string before, std::string after)
        : Action(who, std::move(what)), oldText(std::move(before)), newText(std::move(after))
    {
    }
    std::string oldText;
    std::string newText;
};

// A text of a partnership: place, officiant, witnesses.
class ActionSvatba : public ActionText {
public:
    ActionSvatba(Clovek* who, std::string what, Svatba* couple, std::string before, std::string after)
        : ActionText(who, std::move(what), std::move(before), std::move(after)), partnership(couple)
    {
    }
    bool refersTo(const Svatba* s) const override { return s && partnership == s; }
    using Action::refersTo;
    Svatba* partnership;
};

class ActionBool : public Action {
public:
    ActionBool(Clovek* who, std::string what, uint8_t before, uint8_t after)
        : Action(who, std::move(what)), oldValue(before), newValue(after)
    {
    }
    uint8_t oldValue;
    uint8_t newValue;
};

// The about flag and tolerance of a date.
class ActionTolerance : public Action {
public:
    ActionTolerance(Clovek* who, std::string what, uint8_t aboutBefore, uint8_t aboutAfter,
                    int32_t toleranceBefore, int32_t toleranceAfter)
        : Action(who, std::move(what)),
          oldAbout(aboutBefore),
          newAbout(aboutAfter),
          oldTolerance(toleranceBefore),
          newTolerance(toleranceAfter)
    {
    }
    uint8_t oldAbout;
    uint8_t newAbout;
    int32_t oldTolerance;
    int32_t newTolerance;
};

class ActionToleranceSvatba : public ActionTolerance {
public:
    ActionToleranceSvatba(Clovek* who, std::string what, Svatba* couple, uint8_t aboutBefore,
                          uint8_t aboutAfter, int32_t toleranceBefore, int32_t toleranceAfter)
        : ActionTolerance(who, std::move(what), aboutBefore, aboutAfter, toleranceBefore, toleranceAfter),
          partnership(couple)
    {
    }
    bool refersTo(const Svatba* s) const override { return s && partnership == s; }
    using Action::refersTo;
    Svatba* partnership;
};

// A whole date is kept, whichever part was edited.
class ActionDate : public Action {
public:
    ActionDate(Clovek* who, std::string what, const Datum& before, const Datum& after)
        : Action(who, std::move(what)), oldDate(before), newDate(after)
    {
    }
    Datum oldDate;
    Datum newDate;
};

class ActionSvatbaDate : public ActionDate {
public:
    ActionSvatbaDate(Clovek* who, std::string what, Svatba* couple, const Datum& before, const Datum& after)
        : ActionDate(who, std::move(what), before, after), partnership(couple)
    {
    }
    bool refersTo(const Svatba* s) const override { return s && partnership == s; }
    using Action::refersTo;
    Svatba* partnership;
};

// `person` is the person current before the creation (may be none).
class ActionNewClovek : public Action {
public:
    ActionNewClovek(Clovek* previous, std::string what, Clovek* newborn)
        : Action(previous, std::move(what)), created(newborn)
    {
    }
    bool refersTo(const Clovek* p) const override { return Action::refersTo(p) || (p && created == p); }
    using Action::refersTo;
    Clovek* created;
};

// `person` is the child.
class ActionParent : public Action {
public:
    ActionParent(Clovek* child, std::string what, Clovek* before, Clovek* after, int32_t isFather)
        : Action(child, std::move(what)), oldParent(before), newParent(after), father(isFather)
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
    ActionStrings(Clovek* who, std::string what, const std::vector<std::string>* before,
                  const std::vector<std::string>* after)
        : Action(who, std::move(what))
    {
        if (before)
            oldLines = *before;
        if (after)
            newLines = *after;
    }
    std::vector<std::string> oldLines;
    std::vector<std::string> newLines;
};

// No old entry: the entry was added; no new entry: it was deleted; both: it was edited.
class ActionObdobi : public Action {
public:
    ActionObdobi(Clovek* who, std::string what, const CasoveObdobi* before, const CasoveObdobi* after)
        : Action(who, std::move(what)),
          oldEntry(before ? std::make_unique<CasoveObdobi>(*before) : nullptr),
          newEntry(after ? std::make_unique<CasoveObdobi>(*after) : nullptr)
    {
    }
    std::unique_ptr<CasoveObdobi> oldEntry;
    std::unique_ptr<CasoveObdobi> newEntry;
};

// A created partnership (no old partner; the new partner is the person created for it, or
// none) or a replaced partner.
class ActionPartner : public Action {
public:
    ActionPartner(Clovek* who, std::string what, Svatba* couple, Clovek* partnerBefore, Clovek* partnerAfter)
        : Action(who, std::move(what)),
          partnership(couple),
          oldPartner(partnerBefore),
          newPartner(partnerAfter)
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
