#pragma once
// The frame both question windows share: titled "Kinvelor", no close box, one fixed-width
// centred line (a long question is cut by the window, not wrapped) over a centred row of buttons.
#include "toolkit/form.h"
#include "toolkit/stdctrls.h"

#include <initializer_list>

void layoutQuestionWindow(TForm& form, TLabel& question, std::initializer_list<TButton*> buttons);
