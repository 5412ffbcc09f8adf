#pragma once
// Whether a photo, document or file goes from the current person only (6) or from every person
// of the tree (7); the caller writes the question into the info label.
#include "toolkit/form.h"
#include "toolkit/stdctrls.h"

class TVymazFotoFORM : public TForm {
public:
    TVymazFotoFORM();
    ~TVymazFotoFORM() override;

    TLabel infoLB{this, "infoLB"};
    TButton OdstranBT{this, "OdstranBT"};
    TButton VymazBT{this, "VymazBT"};
};

extern TVymazFotoFORM* VymazFotoFORM;
