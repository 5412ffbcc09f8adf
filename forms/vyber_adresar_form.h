#pragma once
// Choice of the folder that receives the generated web pages: a drive and the folders of the
// chosen one. OK gives 1, Storno 2.
#include "platform/form.h"
#include "platform/lists.h"
#include "platform/stdctrls.h"

class TvyberAdresarFORM : public TForm {
public:
    TvyberAdresarFORM();
    ~TvyberAdresarFORM() override;

    TLabel pokynLB{this, "pokynLB"};
    TComboBox DriveComboBox1{this, "DriveComboBox1"};
    TListBox Adresar{this, "Adresar"};
    TButton Button1{this, "Button1"};
    TButton stornoBT{this, "stornoBT"};
};

extern TvyberAdresarFORM* vyberAdresarFORM;
