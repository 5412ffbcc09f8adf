#pragma once
// The language choice: the language command fills the list with one line per language file
// ("file name - language name") and switches to the chosen one.
#include "forms/lang_form.h"

class TlangFORM : public TlangFORMLayout {
public:
    TlangFORM();
    ~TlangFORM() override;

    // A double click chooses, also on an empty part of the list.
    void jazykyLISTDblClick();
};

// The one language window of the program (the first one made).
extern TlangFORM* langFORM;
