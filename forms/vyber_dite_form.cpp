#include "forms/vyber_dite_form.h"

#include "forms/global_window.h"

TvyberDiteFORM* vyberDiteFORM = nullptr;

TvyberDiteFORM::TvyberDiteFORM() : TForm("vyberDiteFORM")
{
    claimGlobalWindow(vyberDiteFORM, this);
    showCzechTexts(texts());
    Caption = "Lipoveta";
    BorderStyle = TFormBorderStyle::bsDialog;
    CloseBox = false;
    Position = TPosition::poScreenCenter;
    SetBounds(0, 0, 330, 372);

    pokynLB.SetBounds(8, 10, 314, 13);
    pokynLB.AutoSize = false;
    pokynLB.Alignment = TLabel::taCenter;
    ListBox1.SetBounds(8, 30, 314, 300);
    ListBox1.setSorted(true);
    zpetBT.SetBounds(127, 339, 75, 25);
    zpetBT.ModalResult = mrCancel;
}

TvyberDiteFORM::~TvyberDiteFORM()
{
    releaseGlobalWindow(vyberDiteFORM, this);
}

WindowTextList TvyberDiteFORM::texts()
{
    return {"prirazeniDeti",
            {
                WindowText::caption(pokynLB, "pokyn", "Poklepáním zvolte dítě, které chcete přiřadit:"),
                WindowText::back(zpetBT),
            }};
}
