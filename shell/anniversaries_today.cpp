// Today's anniversaries of the persons of a tree just opened, each in a message of its own.
#include "model/rod.h"
#include "platform/application.h"
#include "platform/datetime.h"
#include "platform/dialogs.h"
#include "shell/hlavni.h"
#include "shell/list_display.h"

void Thlavni::announceTodaysAnniversaries()
{
    if (!tree)
        return;
    for (const std::string& line : tree->todaysAnniversaries(now(), *this, ListDisplay(settings)))
        Application.MessageBox(line, Application.Title, MB_OK | MB_ICONINFORMATION);
}
