// The anniversaries of the open tree: today's, each in a message of its own once a tree is opened,
// and the anniversaries window of the overviews menu.
#include "model/rod.h"
#include "shell/hlavni.h"
#include "shell/list_display.h"
#include "shell/vyroci_form.h"
#include "system/datetime.h"
#include "toolkit/dialogs.h"

void MainFrame::announceTodaysAnniversaries()
{
    if (!session.tree())
        return;
    for (const std::string& line : session.tree()->todaysAnniversaries(now(), *this, ListDisplay(settings)))
        ShowMessage(line);
}

void MainFrame::Vyroci1Click()
{
    vyrociFORM->ShowModal();
}
