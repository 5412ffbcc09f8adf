#include "forms/html_adresar_form.h"

#include "forms/dialog_buttons.h"
#include "forms/global_window.h"

ThtmlAdresarFORM* htmlAdresarFORM = nullptr;

ThtmlAdresarFORM::ThtmlAdresarFORM() : TForm("htmlAdresarFORM")
{
    claimGlobalWindow(htmlAdresarFORM, this);
    showCzechTexts(texts());
    Caption = "Lipoveta";
    BorderStyle = TFormBorderStyle::bsDialog;
    Position = TPosition::poScreenCenter;
    SetBounds(0, 0, 420, 120);

    zadejteLB.SetBounds(8, 10, 404, 13);
    dirnameLB.SetBounds(8, 28, 404, 13);
    dirnameLB.AutoSize = false;
    dirnameLB.Font.Bold = true;
    dirNameED.SetBounds(8, 50, 404, 21);
    placeOkStornoButtons(Button1, stornoBT, 256, 337, 87);
}

ThtmlAdresarFORM::~ThtmlAdresarFORM()
{
    releaseGlobalWindow(htmlAdresarFORM, this);
}

WindowTextList ThtmlAdresarFORM::texts()
{
    return {"HTML",
            {
                WindowText::caption(zadejteLB, "zadejteAdresar",
                                    "Zadejte název podadresáře, který má být vytvořen v umístění"),
                WindowText::cancel(stornoBT),
            }};
}
