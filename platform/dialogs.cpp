#include "platform/dialogs.h"

#include "platform/application.h"

bool TCommonDialog::Execute()
{
    return Application.runner().execute(*this);
}
