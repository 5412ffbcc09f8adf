// The recorders of the undo history: what the person editor reports after each edit it wants
// undoable, and which successive edits fold into one step.
#include "model/action_list.h"
#include "model/editor_port.h"
#include "model/rod.h"

namespace {

// The step under the cursor when it is of class T with this key; typing more into the field
// it names only moves its new value on. Not after an undo: what is typed then is a new change,
// and recording it drops the steps that could have been redone, which would otherwise put back
// values older than the typing.
template<class T> T* mergeableStep(const ActionList& history, const std::string& key)
{
    Action* cursor = history.current();
    if (!cursor || cursor != history.last() || cursor->key != key)
        return nullptr;
    return dynamic_cast<T*>(cursor);
}

// A run of edits of one date part that ends where it began, as a refused entry put back does,
// leaves nothing to undo or redo.
template<class T> void dropIfUnchanged(ActionList& history, T* step)
{
    const Datum& a = step->oldDate;
    const Datum& b = step->newDate;
    if (a.day == b.day && a.month == b.month && a.year == b.year)
        history.remove(step);
}

} // namespace

bool Rod::canUndo() const
{
    return undoHistory->current() != nullptr;
}

bool Rod::canRedo() const
{
    return undoHistory->last() && undoHistory->last() != undoHistory->current();
}

void Rod::tellUndoButtons()
{
    if (editor_)
        editor_->updateUndoButtons();
}

void Rod::recordStep(std::unique_ptr<Action> action)
{
    undoHistory->record(std::move(action));
}

void Rod::pushAction(std::unique_ptr<Action> action)
{
    recordStep(std::move(action));
    tellUndoButtons();
}

void Rod::recordTextChange(Clovek* person, const std::string& key, const std::string& oldText,
                           const std::string& newText)
{
    // A partnership's text step carries the same key class; it merges by partnership only.
    auto* step = mergeableStep<ActionText>(*undoHistory, key);
    if (step && !dynamic_cast<ActionSvatba*>(step) && step->person == person)
        step->newText = newText;
    else
        recordStep(std::make_unique<ActionText>(person, key, oldText, newText));
    tellUndoButtons();
}

void Rod::recordPartnershipTextChange(Clovek* person, const std::string& key, Svatba* partnership,
                                      const std::string& oldText, const std::string& newText)
{
    auto* step = mergeableStep<ActionSvatba>(*undoHistory, key);
    if (step && step->partnership == partnership)
        step->newText = newText;
    else
        recordStep(std::make_unique<ActionSvatba>(person, key, partnership, oldText, newText));
    tellUndoButtons();
}

void Rod::recordFlagChange(Clovek* person, const std::string& key, uint8_t oldValue, uint8_t newValue)
{
    pushAction(std::make_unique<ActionBool>(person, key, oldValue, newValue));
}

void Rod::recordToleranceChange(Clovek* person, const std::string& key, uint8_t oldAbout, uint8_t newAbout,
                                int32_t oldTolerance, int32_t newTolerance)
{
    pushAction(
        std::make_unique<ActionTolerance>(person, key, oldAbout, newAbout, oldTolerance, newTolerance));
}

void Rod::recordPartnershipToleranceChange(Clovek* person, const std::string& key, Svatba* partnership,
                                           uint8_t oldAbout, uint8_t newAbout, int32_t oldTolerance,
                                           int32_t newTolerance)
{
    pushAction(std::make_unique<ActionToleranceSvatba>(person, key, partnership, oldAbout, newAbout,
                                                       oldTolerance, newTolerance));
}

void Rod::recordDateChange(Clovek* person, const std::string& key, const Datum& oldDate, const Datum& newDate)
{
    auto* step = mergeableStep<ActionDate>(*undoHistory, key);
    if (step && !dynamic_cast<ActionSvatbaDate*>(step) && step->person == person) {
        step->newDate = newDate;
        dropIfUnchanged(*undoHistory, step);
    } else
        recordStep(std::make_unique<ActionDate>(person, key, oldDate, newDate));
    tellUndoButtons();
}

void Rod::recordPartnershipDateChange(Clovek* person, const std::string& key, Svatba* partnership,
                                      const Datum& oldDate, const Datum& newDate)
{
    auto* step = mergeableStep<ActionSvatbaDate>(*undoHistory, key);
    if (step && step->partnership == partnership) {
        step->newDate = newDate;
        dropIfUnchanged(*undoHistory, step);
    } else
        recordStep(std::make_unique<ActionSvatbaDate>(person, key, partnership, oldDate, newDate));
    tellUndoButtons();
}

void Rod::recordNewPerson(Clovek* previous, const std::string& key, Clovek* created)
{
    pushAction(std::make_unique<ActionNewClovek>(previous, key, created));
}

void Rod::recordPeriodChange(Clovek* person, const std::string& key, const CasoveObdobi* oldEntry,
                             const CasoveObdobi* newEntry)
{
    pushAction(std::make_unique<ActionObdobi>(person, key, oldEntry, newEntry));
}

void Rod::recordPartnerChange(Clovek* person, const std::string& key, Svatba* partnership, Clovek* oldPartner,
                              Clovek* newPartner)
{
    pushAction(std::make_unique<ActionPartner>(person, key, partnership, oldPartner, newPartner));
}

void Rod::recordStringsChange(Clovek* person, const std::string& key,
                              const std::vector<std::string>& oldLines,
                              const std::vector<std::string>& newLines)
{
    // Recorded whole when the lines are stored, never opened on entry and filled on exit: a
    // step left open through an undo was filled by the next exit after it had been undone, so
    // the typing escaped the history and a redo put the memo back twice over.
    if (oldLines != newLines)
        pushAction(std::make_unique<ActionStrings>(person, key, &oldLines, &newLines));
}
