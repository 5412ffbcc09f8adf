#pragma once
// The names of the wedding anniversaries, read only; the language's window texts fill the memo.
#include "toolkit/form.h"
#include "toolkit/stdctrls.h"

class TnazvySvatebFORM : public TForm {
public:
    TnazvySvatebFORM();
    ~TnazvySvatebFORM() override;

    TMemo svatbyMEMO{this, "svatbyMEMO"};
    TButton OKBtn{this, "OKBtn"};
};

// The one names window of the program (the first one made).
extern TnazvySvatebFORM* nazvySvatebFORM;
