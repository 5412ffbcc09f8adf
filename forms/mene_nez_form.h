#pragma once
// The share of filled fields (10 to 100 %, 50 at first) below which person forms are printed.
#include "platform/commonctrls.h"
#include "platform/form.h"
#include "platform/stdctrls.h"

class TmeneNezFORM : public TForm {
public:
    TmeneNezFORM();
    ~TmeneNezFORM() override;

    TLabel pokynLB{this, "pokynLB"};
    TEdit procentaED{this, "procentaED"};
    TUpDown procentaUD{this, "procentaUD"};
    TButton okBT{this, "okBT"};
    TButton stornoBT{this, "stornoBT"};
};

extern TmeneNezFORM* meneNezFORM;
