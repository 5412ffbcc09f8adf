#include "shell/lang_form.h"

#include "forms/global_window.h"

TlangFORM* langFORM = nullptr;

TlangFORM::TlangFORM()
{
    claimGlobalWindow(langFORM, this);
    jazykyLIST.OnDblClick = [this] { jazykyLISTDblClick(); };
}

TlangFORM::~TlangFORM()
{
    releaseGlobalWindow(langFORM, this);
}

void TlangFORM::jazykyLISTDblClick()
{
    ModalResult = mrOk;
}
