#pragma once
// The names of the wedding anniversaries, one per line of a read-only memo; the window texts
// fill the lines. OK gives 1.
#include "platform/form.h"
#include "platform/stdctrls.h"

class TnazvySvatebFORM : public TForm {
public:
    TnazvySvatebFORM();
    ~TnazvySvatebFORM() override;

    TMemo svatbyMEMO{this, "svatbyMEMO"};
    TButton OKBtn{this, "OKBtn"};
};

extern TnazvySvatebFORM* nazvySvatebFORM;
