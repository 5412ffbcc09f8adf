#include "forms/cekej_form.h"

TcekejFORM* cekejFORM = nullptr;

TcekejFORM::TcekejFORM() : TForm("cekejFORM")
{
    if (!cekejFORM)
        cekejFORM = this;
    Caption = "Prosím čekejte...";
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
    if (cekejFORM == this)
        cekejFORM = nullptr;
}
