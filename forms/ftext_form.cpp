#include "forms/ftext_form.h"

#include "forms/dialog_buttons.h"

TFTextFORMLayout::TFTextFORMLayout() : TForm("FTextFORM")
{
    showCzechTexts(texts());
    BorderStyle = TFormBorderStyle::bsDialog;
    Position = TPosition::poScreenCenter;
    SetBounds(0, 0, 297, 97);

    vkladanyTextLB.SetBounds(8, 8, 281, 13);
    vkladanyTextED.SetBounds(8, 26, 281, 21);
    placeOkStornoButtons(okBT, stornoBT, 56, 166, 62);
    okBT.TabStop = false;
    stornoBT.TabStop = false;
}

WindowTextList TFTextFORMLayout::texts()
{
    return {"FText",
            {
                WindowText::caption(*this, "vkladanyText", "Vkládaný text"),
                WindowText::caption(vkladanyTextLB, "zadejte", "Zadejte vkládaný text"),
                WindowText::cancel(stornoBT),
            }};
}
