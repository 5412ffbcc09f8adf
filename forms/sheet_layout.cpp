#include "forms/sheet_layout.h"

namespace sheet_layout {

void label(TLabel& l, int left, int top, int width, TWinControl* focus)
{
    l.SetBounds(left, top + 4, width, 13);
    l.FocusControl = focus;
}

void button(TButton& b, int left, int top, int width)
{
    b.SetBounds(left, top, width, buttonHeight);
}

void field(TControl& control, int left, int top, int width)
{
    control.SetBounds(left, top, width, rowHeight);
}

void items(TStringList& list, const std::vector<std::string>& texts)
{
    for (const std::string& text : texts)
        list.Add(text);
}

void dateFields(TComboBox& day, TComboBox& month, TEdit& year, TButton& unknown, int left, int top)
{
    field(day, left, top, 44);
    field(month, left + 48, top, 44);
    items(month.Items, {"?", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"});
    field(year, left + 96, top, 48);
    year.MaxLength = 4;
    unknown.SetBounds(left + 148, top, 21, rowHeight);
    unknown.Caption = "?";
}

} // namespace sheet_layout
