#include "forms/dialog_buttons.h"

void placeOkButton(TButton& ok, int left, int top, int width)
{
    ok.SetBounds(left, top, width, 25);
    ok.Caption = "OK";
    ok.Default = true;
    ok.ModalResult = mrOk;
}

void placeOkStornoButtons(TButton& ok, TButton& storno, int okLeft, int stornoLeft, int top, int width)
{
    placeOkButton(ok, okLeft, top, width);
    storno.SetBounds(stornoLeft, top, width, 25);
    storno.Cancel = true;
    storno.ModalResult = mrCancel;
}
