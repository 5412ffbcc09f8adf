#include "toolkit/dialogs.h"

#include "toolkit/application.h"

bool TCommonDialog::Execute()
{
    return Application.runner().execute(*this);
}
