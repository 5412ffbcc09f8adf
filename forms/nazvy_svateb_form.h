#pragma once
// The names of the wedding anniversaries, read only: a line for every year up to 15, then every
// fifth, each the years and the anniversary's traditional name.
#include "toolkit/form.h"
#include "toolkit/stdctrls.h"
#include "toolkit/window_text.h"

class TnazvySvatebFORM : public TForm {
public:
    TnazvySvatebFORM();
    ~TnazvySvatebFORM() override;
    // The names are the memo's lines; only they are translated, the years are the lines' own.
    WindowTextList texts();

    TMemo svatbyMEMO{this, "svatbyMEMO"};
    TButton OKBtn{this, "OKBtn"};
};

// The one names window of the program (the first one made).
extern TnazvySvatebFORM* nazvySvatebFORM;
