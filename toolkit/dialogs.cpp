#include "toolkit/dialogs.h"

#include "toolkit/application.h"

bool TCommonDialog::Execute()
{
    // Ending on a signal: nobody is there to pick a file, and the close must not wait.
    if (Application.Terminated)
        return false;
    return Application.runner().execute(*this);
}
