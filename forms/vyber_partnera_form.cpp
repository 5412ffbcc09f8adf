#include "forms/vyber_partnera_form.h"

#include "forms/global_window.h"

TvyberPartnera* vyberPartnera = nullptr;

TvyberPartnera::TvyberPartnera() : TForm("vyberPartnera")
{
    claimGlobalWindow(vyberPartnera, this);
    showCzechTexts(texts());
    Caption = "Lipoveta";
    BorderStyle = TFormBorderStyle::bsDialog;
    Position = TPosition::poScreenCenter;
    SetBounds(0, 0, 330, 372);

    pokynLB.SetBounds(8, 10, 314, 13);
    pokynLB.AutoSize = false;
    pokynLB.Alignment = TLabel::taCenter;
    nabidkaLIST.SetBounds(8, 30, 314, 300);
    nabidkaLIST.setSorted(true);
    Button1.SetBounds(8, 339, 75, 25);
    Button1.Caption = "OK";
    Button1.ModalResult = mrOk;
    vytvorNovehoBT.SetBounds(172, 339, 150, 25);
    vytvorNovehoBT.ModalResult = mrYes;
}

TvyberPartnera::~TvyberPartnera()
{
    releaseGlobalWindow(vyberPartnera, this);
}

WindowTextList TvyberPartnera::texts()
{
    return {"vyberPartnera",
            {
                WindowText::caption(pokynLB, "pokyn", "Vyberte partnera:"),
                WindowText::caption(vytvorNovehoBT, "vytvorNovou", "Vytvořit novou osobu"),
            }};
}
