#pragma once
// Placing the controls of the main window's tab sheets: a label sits on the text line of the
// 21-pixel control beside it and names that control for its accelerator; buttons are 23 high.
#include "toolkit/control.h"
#include "toolkit/stdctrls.h"

#include <string>
#include <vector>

namespace sheet_layout {

constexpr int rowHeight = 21;
constexpr int buttonHeight = 23;

// A label whose text line matches a control placed at `top`, and a button; their captions are
// the sheet's texts.
void label(TLabel& label, int left, int top, int width, TWinControl* focus = nullptr);
void button(TButton& button, int left, int top, int width);
// An edit-line control (edit, combo box) of the standard height.
void field(TControl& control, int left, int top, int width);
void items(TStringList& list, const std::vector<std::string>& texts);
// The day box (items filled when entered), month box, year edit and the "?" button of a date.
void dateFields(TComboBox& day, TComboBox& month, TEdit& year, TButton& unknown, int left, int top);

} // namespace sheet_layout
