#include "forms/shrnuti_svatby_form.h"

#include "forms/global_window.h"

TShrnutiSvatbyFORM* ShrnutiSvatbyFORM = nullptr;

TShrnutiSvatbyFORM::TShrnutiSvatbyFORM() : TForm("ShrnutiSvatbyFORM")
{
    claimGlobalWindow(ShrnutiSvatbyFORM, this);
    showCzechTexts(texts());
    Caption = "Lipoveta";
    BorderStyle = TFormBorderStyle::bsDialog;
    Position = TPosition::poScreenCenter;
    SetBounds(0, 0, 480, 360);

    shrnutiMEMO.SetBounds(8, 8, 464, 311);
    shrnutiMEMO.ScrollBars = TMemo::ssVertical;
    ulozitShrnutiBT.SetBounds(8, 327, 100, 25);
    zpetBT.SetBounds(397, 327, 75, 25);
    zpetBT.ModalResult = mrOk;
    SaveDialogTXT.DefaultExt = "*.txt";
    SaveDialogTXT.Filter = "Textové soubory (*.txt)|*.txt";
}

TShrnutiSvatbyFORM::~TShrnutiSvatbyFORM()
{
    releaseGlobalWindow(ShrnutiSvatbyFORM, this);
}

WindowTextList TShrnutiSvatbyFORM::texts()
{
    return {"shrnutiSvatby",
            {
                WindowText::caption(ulozitShrnutiBT, "ulozitText", "Uložit text"),
                WindowText::back(zpetBT),
            }};
}
