#pragma once
// The buttons that close most dialogs. OK is the default button (Enter presses it) and the
// window answers mrOk; Storno is the cancel button (Esc presses it) and the window answers
// mrCancel. Both are 25 pixels high and stand on one row. Storno's caption is one of the
// window's texts (WindowText::cancel).
#include "toolkit/form.h"
#include "toolkit/stdctrls.h"

void placeOkButton(TButton& ok, int left, int top, int width = 75);
void placeOkStornoButtons(TButton& ok, TButton& storno, int okLeft, int stornoLeft, int top, int width = 75);
