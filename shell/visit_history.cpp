// The previous and next buttons: back and forward through the persons shown.
#include "model/prev_next.h"
#include "shell/hlavni.h"

namespace {

// Moves the history one step with `step` and shows the person of the new current entry when the
// person list shows it; otherwise the step is taken back with `back` and nothing changes.
void moveThroughHistory(MainFrame& main, bool canStep, Clovek* (PrevNext::*step)(),
                        Clovek* (PrevNext::*back)())
{
    if (!main.history || !main.personList.hasView())
        return;
    PrevNext& history = *main.history;
    Clovek* person = (history.*step)();
    if (!person)
        return;
    if (!main.personList.rowOf(person)) {
        // The person is in a group the list does not show now; no row may stand in for it.
        if (canStep)
            (history.*back)();
        return;
    }
    main.navigatingHistory = true;
    struct Clear {
        bool& flag;
        ~Clear() { flag = false; }
    } clear{main.navigatingHistory};
    main.personList.selectPerson(person);
    main.editorPart().showPerson(person);
}

} // namespace

void MainFrame::prevBTClick()
{
    moveThroughHistory(*this, history && history->hasPrevious(), &PrevNext::previous, &PrevNext::next);
}

void MainFrame::nextBTClick()
{
    moveThroughHistory(*this, history && history->hasNext(), &PrevNext::next, &PrevNext::previous);
}
