#include "forms/vyber_adresar_form.h"

#include "forms/global_window.h"

TvyberAdresarFORM* vyberAdresarFORM = nullptr;

TvyberAdresarFORM::TvyberAdresarFORM() : TForm("vyberAdresarFORM")
{
    claimGlobalWindow(vyberAdresarFORM, this);
    Caption = "Lipoveta";
    BorderStyle = TFormBorderStyle::bsDialog;
    Position = TPosition::poScreenCenter;
    SetBounds(0, 0, 330, 380);

    pokynLB.SetBounds(8, 8, 314, 30);
    pokynLB.AutoSize = false;
    pokynLB.WordWrap = true;
    pokynLB.Caption = "Zvolte adresář, kam má být uložena adresářová struktura vygenerovaných HTML stránek";
    DriveComboBox1.SetBounds(8, 46, 314, 21);
    DriveComboBox1.Style = TComboBox::csDropDownList;
    Adresar.SetBounds(8, 74, 314, 264);
    Button1.SetBounds(166, 347, 75, 25);
    Button1.Caption = "OK";
    Button1.Default = true;
    Button1.ModalResult = mrOk;
    stornoBT.SetBounds(247, 347, 75, 25);
    stornoBT.Caption = "Storno";
    stornoBT.Cancel = true;
    stornoBT.ModalResult = mrCancel;
}

TvyberAdresarFORM::~TvyberAdresarFORM()
{
    releaseGlobalWindow(vyberAdresarFORM, this);
}
