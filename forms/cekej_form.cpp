#include "forms/cekej_form.h"

#include "forms/global_window.h"

TcekejFORM* cekejFORM = nullptr;

TcekejFORM::TcekejFORM() : TForm("cekejFORM")
{
    claimGlobalWindow(cekejFORM, this);
    showCzechTexts(texts());
    BorderStyle = TFormBorderStyle::bsDialog;
    CloseBox = false;
    Position = TPosition::poScreenCenter;
    SetBounds(0, 0, 297, 41);

    waitBAR.SetBounds(8, 12, 281, 17);
    waitBAR.Min = 0;
    waitBAR.Max = 100;
}

TcekejFORM::~TcekejFORM()
{
    releaseGlobalWindow(cekejFORM, this);
}

WindowTextList TcekejFORM::texts()
{
    return {kCommonTextSection,
            {
                WindowText::caption(*this, "prosimCekejte", "Prosím čekejte..."),
            }};
}
