#include "shell/lang_form.h"

TlangFORM* langFORM = nullptr;

TlangFORM::TlangFORM()
{
    if (!langFORM)
        langFORM = this;
    jazykyLIST.OnDblClick = [this] { jazykyLISTDblClick(); };
}

TlangFORM::~TlangFORM()
{
    if (langFORM == this)
        langFORM = nullptr;
}

void TlangFORM::jazykyLISTDblClick()
{
    ModalResult = mrOk;
}
