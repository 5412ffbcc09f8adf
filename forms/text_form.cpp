#include "forms/text_form.h"

#include "forms/global_window.h"

TtextFORM* textFORM = nullptr;

TtextFORM::TtextFORM() : TForm("textFORM")
{
    claimGlobalWindow(textFORM, this);
    showCzechTexts(texts());
    Caption = "Kinvelor";
    BorderStyle = TFormBorderStyle::bsDialog;
    Position = TPosition::poScreenCenter;
    SetBounds(0, 0, 760, 560);

    textRICH.SetBounds(8, 8, 744, 511);
    textRICH.ScrollBars = TMemo::ssBoth;
    textRICH.WordWrap = false;
    textRICH.Font.Name = "Courier New";
    ulozitBT.SetBounds(8, 527, 90, 25);
    tiskBT.SetBounds(106, 527, 90, 25);
    zavritBT.SetBounds(662, 527, 90, 25);
    zavritBT.ModalResult = mrCancel;
    SaveDialogTXT.DefaultExt = "*.txt";
    SaveDialogTXT.Filter = "Textové soubory (*.txt)|*.txt";
}

TtextFORM::~TtextFORM()
{
    releaseGlobalWindow(textFORM, this);
}

WindowTextList TtextFORM::texts()
{
    return {"text",
            {
                WindowText::caption(ulozitBT, "ulozit", "Uložit"),
                WindowText::caption(tiskBT, "tisk", "Tisk"),
                WindowText::caption(zavritBT, "zavrit", "Zavřít"),
            }};
}
