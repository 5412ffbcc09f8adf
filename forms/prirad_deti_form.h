#pragma once
// How children are assigned: 6 by partner, 7 chosen from a list; the close box gives 2.
#include "toolkit/form.h"
#include "toolkit/stdctrls.h"
#include "toolkit/window_text.h"

class TpriradDetiFORM : public TForm {
public:
    TpriradDetiFORM();
    ~TpriradDetiFORM() override;
    // The texts a language replaces, in the order they are looked up.
    WindowTextList texts();

    TLabel dotazLB{this, "dotazLB"};
    TButton dlePartneraBT{this, "dlePartneraBT"};
    TButton zeSeznamuBT{this, "zeSeznamuBT"};
};

extern TpriradDetiFORM* priradDetiFORM;
