#pragma once
// Layout of the relationship-colours dialog: five sample labels whose font colours are the
// colours being edited, a pick button for each and one to go back to the built-in colours.
// Behaviour lives in TbarvyFORM (shell/barvy_form.h).
#include "toolkit/dialogs.h"
#include "toolkit/form.h"
#include "toolkit/stdctrls.h"
#include "toolkit/window_text.h"

class TbarvyFORMLayout : public TForm {
public:
    TbarvyFORMLayout();
    // The texts a language replaces, in the order they are looked up.
    WindowTextList texts();

    TLabel barvyLB{this, "barvyLB"};
    TButton aktivniBT{this, "aktivniBT"};
    TLabel aktivniLB{this, "aktivniLB"};
    TButton rodiceBT{this, "rodiceBT"};
    TLabel rodiceLB{this, "rodiceLB"};
    TButton detiBT{this, "detiBT"};
    TLabel detiLB{this, "detiLB"};
    TButton partneriBT{this, "partneriBT"};
    TLabel partneriLB{this, "partneriLB"};
    TButton sourozenciBT{this, "sourozenciBT"};
    TLabel sourozenciLB{this, "sourozenciLB"};
    TButton puvodniBT{this, "puvodniBT"};
    TButton okBT{this, "okBT"};
    TColorDialog ColorDialog1{"ColorDialog1"};
};
