#pragma once
// The wait window: a small borderless dialog with one progress bar, shown while a whole tree is
// saved, loaded or bulk-deleted. Behaviour: shell/wait_window.h.
#include "toolkit/commonctrls.h"
#include "toolkit/form.h"
#include "toolkit/window_text.h"

class TcekejFORM : public TForm {
public:
    TcekejFORM();
    ~TcekejFORM() override;
    // The texts a language replaces, in the order they are looked up.
    WindowTextList texts();

    TProgressBar waitBAR{this, "waitBAR"};
};

// The one wait window, created with every other window at start-up.
extern TcekejFORM* cekejFORM;
