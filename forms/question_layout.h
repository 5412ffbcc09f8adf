#pragma once
// The frame both question windows share: titled "Kinvelor", no close box, the question in
// centred lines over a centred row of buttons.
#include "toolkit/form.h"
#include "toolkit/stdctrls.h"

#include <initializer_list>
#include <string>

void layoutQuestionWindow(TForm& form, TLabel& question, std::initializer_list<TButton*> buttons);

// Puts the question into its label and sizes the window to it. One that fits a line keeps the
// window's 377 x 89; a longer one takes as many lines as it needs, the buttons below them and the
// window as tall as they are. A question taller than the screen holds is laid out as wide as the
// screen, and what even that cannot show ends in "…" on the last line.
void fitQuestion(TForm& form, TLabel& question, std::initializer_list<TButton*> buttons,
                 const std::string& text);
