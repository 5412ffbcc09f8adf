#include "forms/dvojite_spusteni_form.h"

#include "forms/global_window.h"

TdvojiteSpusteniFORM* dvojiteSpusteniFORM = nullptr;

TdvojiteSpusteniFORM::TdvojiteSpusteniFORM() : TForm("dvojiteSpusteniFORM")
{
    claimGlobalWindow(dvojiteSpusteniFORM, this);
    showCzechTexts(texts());
    Caption = "Lipoveta";
    BorderStyle = TFormBorderStyle::bsDialog;
    CloseBox = false;
    Position = TPosition::poScreenCenter;
    SetBounds(0, 0, 441, 150);

    varovaniLB.SetBounds(12, 10, 417, 78);
    varovaniLB.AutoSize = false;
    varovaniLB.WordWrap = true;
    varovaniLB.Alignment = TLabel::taCenter;
    ukoncitBT.SetBounds(12, 108, 203, 27);
    ukoncitBT.ModalResult = mrAbort;
    pokracovatBT.SetBounds(226, 108, 203, 27);
    pokracovatBT.ModalResult = mrIgnore;
}

TdvojiteSpusteniFORM::~TdvojiteSpusteniFORM()
{
    releaseGlobalWindow(dvojiteSpusteniFORM, this);
}

WindowTextList TdvojiteSpusteniFORM::texts()
{
    return {
        "dvojiteSpusteni",
        {
            WindowText::caption(varovaniLB, "varovani",
                                "Buď se pokoušíte spustit program vícekrát najednou nebo nebyl při posledním "
                                "spuštění řádně ukončen. Jestliže program již běží, další spuštění může vést "
                                "ke ztrátě dat, proto se v tom případě doporučuje program ukončit."),
            WindowText::caption(ukoncitBT, "ukoncit", "Program již jednou běží, ukončit"),
            WindowText::caption(pokracovatBT, "pokracovat", "Minule nastala chyba, pokračovat"),
        }};
}
