#pragma once
// Whether a photo, document or file goes from the current person only (6) or from every person
// of the tree (7); the caller writes the question into the info label.
#include "toolkit/form.h"
#include "toolkit/stdctrls.h"
#include "toolkit/window_text.h"

class TVymazFotoFORM : public TForm {
public:
    TVymazFotoFORM();
    ~TVymazFotoFORM() override;
    // The texts a language replaces, in the order they are looked up.
    WindowTextList texts();

    TLabel infoLB{this, "infoLB"};
    TButton OdstranBT{this, "OdstranBT"};
    TButton VymazBT{this, "VymazBT"};
};

extern TVymazFotoFORM* VymazFotoFORM;
