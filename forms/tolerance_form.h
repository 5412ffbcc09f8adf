#pragma once
// The tolerance in years of an approximate date: a choice of 1, 2, 5 or 10 and only OK.
#include "toolkit/form.h"
#include "toolkit/stdctrls.h"
#include "toolkit/window_text.h"

class TtoleranceFORM : public TForm {
public:
    TtoleranceFORM();
    ~TtoleranceFORM() override;
    // The texts a language replaces, in the order they are looked up.
    WindowTextList texts();

    TLabel pocetRokuLB{this, "pocetRokuLB"};
    TComboBox toleranceCB{this, "toleranceCB"};
    TButton OKBtn{this, "OKBtn"};
};

extern TtoleranceFORM* toleranceFORM;
