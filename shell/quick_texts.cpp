// The four quick texts that F9 to F12 insert into a field, their prompt and their menu items,
// and the key handler of the fields of the pages.
#include "model/rod.h"
#include "shell/hlavni.h"
#include "shell/value_dialogs.h"
#include "toolkit/keys.h"

void MainFrame::editQuickText(int index)
{
    std::string& quickText = settings.quickTexts[static_cast<size_t>(index)];
    FTextFORM->vkladanyTextED.setText(quickText);
    if (FTextFORM->ShowModal() != mrOk)
        return;
    quickText = FTextFORM->vkladanyTextED.Text();
    updateQuickTextMenu();
}

void MainFrame::updateQuickTextMenu()
{
    F91.Caption = "F9 " + settings.quickTexts[0];
    F101.Caption = "F10 " + settings.quickTexts[1];
    F111.Caption = "F11 " + settings.quickTexts[2];
    F121.Caption = "F12 " + settings.quickTexts[3];
}

void MainFrame::insertQuickText(TWinControl& control, const std::string& text)
{
    // Exactly these two classes: derived editors (a memo, a rich edit) keep their own keys.
    const std::string kind = control.ClassName();
    if (kind == "TComboBox") {
        auto& combo = static_cast<TComboBox&>(control);
        if (combo.Style != TComboBox::csDropDownList)
            combo.setSelText(text);
    } else if (kind == "TEdit") {
        static_cast<TEdit&>(control).setSelText(text);
    }
}

void MainFrame::fieldKeyDown(TWinControl& control, int& key)
{
    if (!session.tree() || (session.tree()->personCount() == 0 && pages.ActivePage() != &obecne))
        return;
    if (key == VK_RETURN) {
        // The next field in tab order, passing buttons by.
        TWinControl* next = &control;
        do
            next = FindNextControl(next, true, true);
        while (next && next != &control && dynamic_cast<TButton*>(next));
        if (next && next != &control)
            next->SetFocus();
        key = 0;
    } else if (key >= VK_F9 && key <= VK_F12) {
        insertQuickText(control, settings.quickTexts[static_cast<size_t>(key - VK_F9)]);
        key = 0;
    }
}
