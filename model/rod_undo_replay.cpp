// Undo and redo: a step is replayed where the person sees it, through the person editor. The
// value goes into the tree and into the field's control, whose own handler then does what it
// does after an edit (sorting the list, the heading), with recording off. The steps that took
// away something made by an edit (a created person or partnership, an inserted portrait) ask
// first where they would delete, and cannot be redone.
#include "model/action_list.h"
#include "model/clovek.h"
#include "model/editor_port.h"
#include "model/media_names.h"
#include "model/person_fields.h"
#include "model/rod.h"
#include "model/svatba.h"
#include "model/text_source.h"
#include "model/uk_clovek.h"
#include "system/files.h"

#include <iterator>
#include <string_view>
#include <vector>

namespace {

enum class Kind {
    PersonText, // a text of the person
    Identifier, // the person's identifier: the list is sorted again
    Sex,
    Flag, // alive, lock
    About, // about flag and tolerance of the birth or death
    WeddingAbout, // of the wedding
    Date, // birth or death
    WeddingDate, // wedding or divorce
    WeddingText, // place, officiant, witnesses
    Period,
    Parent,
    NewPerson,
    Portrait,
    NewPartnership,
    PartnerChange,
    UserCaption,
    RegisterMemo,
    TextsMemo,
};

struct StepKind {
    std::string_view key;
    EditorPage page;
    Kind kind;
    // The person's field the step restores; none for a step of anything else.
    const PersonFieldInfo* field = nullptr;
    // The person's date of a date step.
    Datum Clovek::*date = nullptr;
};

// How the steps of a person's field are replayed.
Kind kindOfField(const PersonFieldInfo& f)
{
    switch (f.kind) {
    case FieldKind::text:
        return f.field == PersonField::identifier ? Kind::Identifier : Kind::PersonText;
    case FieldKind::flag:
        if (f.field == PersonField::portrait)
            return Kind::Portrait;
        return f.field == PersonField::sex ? Kind::Sex : Kind::Flag;
    case FieldKind::datePart:
        return Kind::Date;
    case FieldKind::dateAbout:
        return Kind::About;
    case FieldKind::period:
        return Kind::Period;
    case FieldKind::lines:
        return f.field == PersonField::registerNotes ? Kind::RegisterMemo : Kind::TextsMemo;
    // These have no steps of their own: the tolerance goes with the about flag, a parent with
    // the "parent" step that names which one.
    case FieldKind::number:
    case FieldKind::dateTolerance:
    case FieldKind::parent:
    case FieldKind::created:
    case FieldKind::mediaLinks:
        break;
    }
    return Kind::PersonText;
}

constexpr EditorPage basic = EditorPage::basicData;
constexpr EditorPage further = EditorPage::furtherData;

// Every key a step may carry, with the page it is replayed on and how: the person's fields from
// their table, then the steps of everything else.
std::vector<StepKind> makeStepKinds()
{
    std::vector<StepKind> kinds;
    for (const PersonFieldInfo& f : personFields)
        if (!f.stepKey.empty())
            kinds.push_back(StepKind{f.stepKey, f.page, kindOfField(f), &f, f.date});
    const StepKind others[] = {
        {"narozeniNezname", basic, Kind::Date, nullptr, &Clovek::birth},
        {"smrtNezname", basic, Kind::Date, nullptr, &Clovek::death},
        {"svatbaAsi", basic, Kind::WeddingAbout},
        {"svatbaDen", basic, Kind::WeddingDate},
        {"svatbaMesic", basic, Kind::WeddingDate},
        {"svatbaRok", basic, Kind::WeddingDate},
        {"svatbaNezname", basic, Kind::WeddingDate},
        {"rozvodDen", basic, Kind::WeddingDate},
        {"rozvodMesic", basic, Kind::WeddingDate},
        {"rozvodRok", basic, Kind::WeddingDate},
        {"rozvodNezname", basic, Kind::WeddingDate},
        {"svatbaMisto", basic, Kind::WeddingText},
        {"svatbaKnez", basic, Kind::WeddingText},
        {"svatbaSvedkove", basic, Kind::WeddingText},
        {"parent", basic, Kind::Parent},
        {"vytvorOsobu", basic, Kind::NewPerson},
        {"novaSvatba", basic, Kind::NewPartnership},
        {"zmenPartnera", basic, Kind::PartnerChange},
        {"ruser1", further, Kind::UserCaption},
        {"ruser2", further, Kind::UserCaption},
        {"ruser3", further, Kind::UserCaption},
        {"ruser4", further, Kind::UserCaption},
        {"ruser5", further, Kind::UserCaption},
    };
    kinds.insert(kinds.end(), std::begin(others), std::end(others));
    return kinds;
}

const StepKind* stepKindOf(const std::string& key)
{
    static const std::vector<StepKind> stepKinds = makeStepKinds();
    for (const StepKind& k : stepKinds)
        if (k.key == key)
            return &k;
    return nullptr;
}

// The editor of a tree that has none: shows nothing, answers every question no.
class NoEditor : public EditorPort, public TextSource {
public:
    void updateUndoButtons() override { }
    void setUndoReplaying(bool) override { }
    void showEditorPage(EditorPage) override { }
    void showPersonOfStep(Clovek*) override { }
    void showPartnershipOfStep(Svatba*) override { }
    void putFieldText(const std::string&, const std::string&) override { }
    void putFieldFlag(const std::string&, bool) override { }
    void putAboutFlag(const std::string&, bool, int) override { }
    void putDate(const std::string&, const Datum&) override { }
    void focusField(const std::string&) override { }
    void putMemoLines(const std::string&, const std::vector<std::string>&) override { }
    void showUserCaption(int, const std::string&) override { }
    void showBasicPage() override { }
    void fillPartnerList(int) override { }
    void fillResidenceList(int) override { }
    void fillEducationList(int) override { }
    void fillOccupationList(int) override { }
    void showPortrait() override { }
    void refreshPercentFilled(Clovek* person) override
    {
        if (person)
            person->updatePercentFilled();
    }
    void paintPersonList() override { }
    void sortPersonList() override { }
    TextSource& texts() override { return *this; }
    bool askYesNo(const std::string&) override { return false; }
    bool confirmDeletePerson() override { return false; }
    std::string workingFolderPath() override { return {}; }
    std::string langText(const std::string&, const std::string&, const std::string& defaultText) override
    {
        return defaultText;
    }
    std::string readText(const std::string&, const std::string&, const std::string& defaultText) override
    {
        return defaultText;
    }
};

// Recording is off for the whole replay, questions and handlers included, also when one of
// them raises.
class Replaying {
public:
    explicit Replaying(EditorPort& editor) : editor_(editor) { editor_.setUndoReplaying(true); }
    ~Replaying() { editor_.setUndoReplaying(false); }
    Replaying(const Replaying&) = delete;
    Replaying& operator=(const Replaying&) = delete;

private:
    EditorPort& editor_;
};

// One replay of one step.
class StepReplay {
public:
    StepReplay(Rod& tree, EditorPort& editor, const StepKind& kind, bool undo)
        : tree_(tree), editor_(editor), kind_(kind), undo_(undo)
    {
    }

    void run(Action* step)
    {
        switch (kind_.kind) {
        case Kind::PersonText:
        case Kind::Identifier:
            personText(step);
            break;
        case Kind::Sex:
        case Kind::Flag:
            flag(step);
            break;
        case Kind::About:
        case Kind::WeddingAbout:
            about(step);
            break;
        case Kind::Date:
        case Kind::WeddingDate:
            date(step);
            break;
        case Kind::WeddingText:
            weddingText(step);
            break;
        case Kind::Period:
            period(step);
            break;
        case Kind::Parent:
            parent(step);
            break;
        case Kind::NewPerson:
            newPerson(step);
            break;
        case Kind::Portrait:
            portrait(step);
            break;
        case Kind::NewPartnership:
            newPartnership(step);
            break;
        case Kind::PartnerChange:
            partnerChange(step);
            break;
        case Kind::UserCaption:
            userCaption(step);
            break;
        case Kind::RegisterMemo:
        case Kind::TextsMemo:
            memo(step);
            break;
        }
    }

private:
    // The page of the field, the step's person in the list and on the pages.
    void showStep(Clovek* person)
    {
        editor_.showEditorPage(kind_.page);
        if (person)
            editor_.showPersonOfStep(person);
    }

    template<class T> const T& pick(const T& oldValue, const T& newValue) const
    {
        return undo_ ? oldValue : newValue;
    }

    void personText(Action* step)
    {
        auto* s = dynamic_cast<ActionText*>(step);
        if (!s || !s->person)
            return;
        showStep(s->person);
        const std::string value = pick(s->oldText, s->newText);
        kind_.field->text.set(*s->person, value);
        editor_.putFieldText(s->key, value);
        if (kind_.kind == Kind::Identifier)
            editor_.sortPersonList();
        // Names and the birth place count in the share of filled fields.
        editor_.refreshPercentFilled(s->person);
    }

    void flag(Action* step)
    {
        auto* s = dynamic_cast<ActionBool*>(step);
        if (!s || !s->person)
            return;
        showStep(s->person);
        const uint8_t value = pick(s->oldValue, s->newValue) ? 1 : 0;
        // A person with a partner or a child keeps the sex, as when it is edited.
        if (kind_.kind != Kind::Sex || tree_.canChangeSex(s->person))
            s->person->*kind_.field->flag = value;
        editor_.putFieldFlag(s->key, value != 0);
    }

    // The date the step's key names: the person's birth or death, or the wedding or divorce of
    // the step's partnership, which is then shown; none for a partnership step without one.
    Datum* dateOfStep(Action* step, Svatba* partnership)
    {
        const bool ofPartnership = kind_.kind == Kind::WeddingAbout || kind_.kind == Kind::WeddingDate;
        if (!ofPartnership)
            return &(step->person->*kind_.date);
        if (!partnership)
            return nullptr;
        editor_.showPartnershipOfStep(partnership);
        return step->key.starts_with("rozvod") ? &partnership->divorce : &partnership->wedding;
    }

    void about(Action* step)
    {
        auto* s = dynamic_cast<ActionTolerance*>(step);
        if (!s || !s->person)
            return;
        showStep(s->person);
        auto* w = dynamic_cast<ActionToleranceSvatba*>(step);
        Datum* target = dateOfStep(s, w ? w->partnership : nullptr);
        if (!target)
            return;
        target->about = pick(s->oldAbout, s->newAbout);
        target->tolerance = pick(s->oldTolerance, s->newTolerance);
        editor_.putAboutFlag(s->key, target->about != 0, target->tolerance);
    }

    // Only the three parts: the about flag and tolerance have steps of their own.
    void date(Action* step)
    {
        auto* s = dynamic_cast<ActionDate*>(step);
        if (!s || !s->person)
            return;
        showStep(s->person);
        auto* w = dynamic_cast<ActionSvatbaDate*>(step);
        Datum* target = dateOfStep(s, w ? w->partnership : nullptr);
        if (!target)
            return;
        // The siblings' lists are sorted by this birth.
        if (target == &s->person->birth)
            s->person->buildSiblingListsAround();
        target->assign(pick(s->oldDate, s->newDate));
        editor_.putDate(s->key, *target);
        // The birth date's parts count in the share of filled fields.
        editor_.refreshPercentFilled(s->person);
        editor_.paintPersonList();
    }

    void weddingText(Action* step)
    {
        auto* s = dynamic_cast<ActionSvatba*>(step);
        if (!s || !s->person || !s->partnership)
            return;
        showStep(s->person);
        editor_.showPartnershipOfStep(s->partnership);
        const std::string value = pick(s->oldText, s->newText);
        if (s->key == "svatbaMisto")
            s->partnership->place = value;
        else if (s->key == "svatbaKnez")
            s->partnership->officiant = value;
        else
            s->partnership->witnesses = value;
        editor_.putFieldText(s->key, value);
    }

    // The first entry with the same text, from and to.
    static CasoveObdobi* findEqualPeriod(const Prvky& periods, const CasoveObdobi& entry)
    {
        for (CasoveObdobi* e : periods.items<CasoveObdobi>())
            if (!e->differsFrom(entry))
                return e;
        return nullptr;
    }

    void period(Action* step)
    {
        auto* s = dynamic_cast<ActionObdobi*>(step);
        if (!s || !s->person)
            return;
        showStep(s->person);
        Clovek& p = *s->person;
        const PersonField field = kind_.field->field;
        Prvky& periods = (p.*kind_.field->list).own();
        // Undo takes the entry from the new state back to the old one; redo the other way.
        const CasoveObdobi* from = undo_ ? s->newEntry.get() : s->oldEntry.get();
        const CasoveObdobi* to = undo_ ? s->oldEntry.get() : s->newEntry.get();
        bool countChanged = false;
        if (!from && to) {
            periods.append(std::make_unique<CasoveObdobi>(*to));
            countChanged = true;
        } else if (from && !to) {
            if (CasoveObdobi* e = findEqualPeriod(periods, *from)) {
                periods.remove(e);
                countChanged = true;
            }
        } else if (from && to) {
            if (CasoveObdobi* e = findEqualPeriod(periods, *from)) {
                e->text = to->text;
                e->from = to->from;
                e->to = to->to;
            }
        }
        editor_.focusField(s->key);
        if (field == PersonField::residences)
            editor_.fillResidenceList(-1);
        else if (field == PersonField::educations)
            editor_.fillEducationList(-1);
        else
            editor_.fillOccupationList(-1);
        if (countChanged) {
            editor_.refreshPercentFilled(&p);
            editor_.paintPersonList();
        }
    }

    void parent(Action* step)
    {
        auto* s = dynamic_cast<ActionParent*>(step);
        if (!s || !s->person)
            return;
        Clovek* child = s->person;
        showStep(child);
        Clovek* restored = pick(s->oldParent, s->newParent);
        Clovek* replaced = undo_ ? s->newParent : s->oldParent;
        Clovek*& slot = s->father ? child->father : child->mother;
        Clovek* before = slot;
        child->buildSiblingListsAround(restored);
        slot = restored;
        // The person's own line of ancestors may have changed since the step; a parent that
        // would now be among the child's descendants stays unlinked.
        if (restored && (restored == child || tree_.hasAncestorCycle(restored))) {
            slot = before;
            return;
        }
        child->pruneSiblings();
        if (restored)
            child->addSiblingsFromParent(restored);
        if (replaced)
            replaced->removeChild(child);
        if (restored && !restored->hasChild(child))
            restored->appendChild(child);
        editor_.refreshPercentFilled(child);
        editor_.showBasicPage();
        editor_.paintPersonList();
    }

    void newPerson(Action* step)
    {
        auto* s = dynamic_cast<ActionNewClovek*>(step);
        if (!undo_ || !s || !s->created)
            return;
        // Deleting the person takes this step out of the history: what is needed afterwards is
        // taken now.
        Clovek* previous = s->person;
        editor_.showEditorPage(EditorPage::basicData);
        editor_.showPersonOfStep(s->created);
        if (!editor_.confirmDeletePerson()) {
            tree_.undoHistory->moveForward();
            return;
        }
        if (previous)
            editor_.showPersonOfStep(previous);
        tree_.undoHistory->dropRedo();
    }

    void portrait(Action* step)
    {
        auto* s = dynamic_cast<ActionBool*>(step);
        if (!undo_ || !s || !s->person || s->oldValue != 0)
            return;
        editor_.showEditorPage(EditorPage::basicData);
        editor_.showPersonOfStep(s->person);
        s->person->hasPortrait = 0;
        deleteFile(editor_.workingFolderPath() + portraitFileName(s->person->number));
        editor_.showPortrait();
        tree_.undoHistory->dropRedo();
    }

    // Only backwards: a created partnership that is in the redo tail was never taken away, so
    // there is nothing to do again.
    void newPartnership(Action* step)
    {
        auto* s = dynamic_cast<ActionPartner*>(step);
        if (!undo_ || !s || !s->person || !s->partnership)
            return;
        Clovek* person = s->person;
        Clovek* createdPartner = s->newPartner;
        Svatba* partnership = s->partnership;
        editor_.showEditorPage(EditorPage::basicData);
        editor_.showPersonOfStep(person);
        editor_.focusField(s->key);
        if (!editor_.askYesNo(editor_.texts().langText("otazky", "zrusitSvatbuZpet", "Zrušit svatbu?"))) {
            tree_.undoHistory->moveForward();
            return;
        }
        Clovek* other = partnership->otherPartner(person);
        person->removePartnership(partnership);
        if (other && other != person)
            other->removePartnership(partnership);
        tree_.undoHistory->forget(partnership); // this step too
        delete partnership;
        editor_.fillPartnerList(0);
        if (createdPartner) {
            editor_.showPersonOfStep(createdPartner);
            if (editor_.confirmDeletePerson())
                editor_.showPersonOfStep(person);
        }
        tree_.undoHistory->dropRedo();
    }

    void partnerChange(Action* step)
    {
        auto* s = dynamic_cast<ActionPartner*>(step);
        if (!s || !s->person || !s->partnership)
            return;
        editor_.showEditorPage(EditorPage::basicData);
        editor_.showPersonOfStep(s->person);
        editor_.focusField(s->key);
        if (!editor_.askYesNo(editor_.texts().langText("otazky", "zmenitPartneraZpet", "Změnit partnera?"))) {
            if (undo_)
                tree_.undoHistory->moveForward();
            else
                tree_.undoHistory->moveBack();
            return;
        }
        Clovek* leaving = undo_ ? s->newPartner : s->oldPartner;
        Clovek* coming = undo_ ? s->oldPartner : s->newPartner;
        Svatba* partnership = s->partnership;
        if (leaving)
            leaving->removePartnership(partnership);
        if (coming && !coming->hasPartnership(partnership))
            coming->partnerships.append(std::make_unique<UkSvatba>(partnership));
        if (partnership->partner1 == s->person)
            partnership->partner2 = coming;
        else
            partnership->partner1 = coming;
        editor_.fillPartnerList(0);
    }

    void userCaption(Action* step)
    {
        auto* s = dynamic_cast<ActionText*>(step);
        if (!s)
            return;
        const int field = s->key.back() - '0';
        editor_.showEditorPage(EditorPage::furtherData);
        editor_.focusField(s->key);
        std::string* captions[] = {&tree_.userCaption1, &tree_.userCaption2, &tree_.userCaption3,
                                   &tree_.userCaption4, &tree_.userCaption5};
        const std::string value = pick(s->oldText, s->newText);
        *captions[field - 1] = value;
        editor_.showUserCaption(field, value);
    }

    void memo(Action* step)
    {
        auto* s = dynamic_cast<ActionStrings*>(step);
        if (!s || !s->person)
            return;
        showStep(s->person);
        // What the person holds now is the side being left, so that a redo brings back exactly
        // what the undo took, also lines that reached the person with no step of their own.
        // Taken from the person, not from the memo: the memo may still show another person.
        if (undo_)
            s->newLines = readLines(*s->person);
        else
            s->oldLines = readLines(*s->person);
        setLines(*s->person, pick(s->oldLines, s->newLines));
        // The caret goes where the lines changed, in the memo that has the focus, as for any
        // other field a step puts back.
        editor_.putMemoLines(s->key, readLines(*s->person));
        editor_.focusField(s->key);
    }

    std::vector<std::string> readLines(const Clovek& person) const
    {
        return person.lines(kind_.field->noteList).toVector();
    }
    void setLines(Clovek& person, const std::vector<std::string>& lines) const
    {
        person.setLines(kind_.field->noteList, lines);
    }

    Rod& tree_;
    EditorPort& editor_;
    const StepKind& kind_;
    bool undo_;
};

} // namespace

void Rod::undo()
{
    NoEditor none;
    EditorPort& editor = editor_ ? *editor_ : none;
    Replaying replaying(editor);
    if (Action* step = undoHistory->stepBack())
        applyAction(step, true);
}

void Rod::redo()
{
    NoEditor none;
    EditorPort& editor = editor_ ? *editor_ : none;
    Replaying replaying(editor);
    if (Action* step = undoHistory->stepForward())
        applyAction(step, false);
}

void Rod::applyAction(Action* action, bool undo)
{
    if (!action)
        return;
    const StepKind* kind = stepKindOf(action->key);
    if (!kind)
        return;
    NoEditor none;
    StepReplay(*this, editor_ ? *editor_ : none, *kind, undo).run(action);
}
