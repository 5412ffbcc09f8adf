// The person editor as the undo history replays its steps through it: the page of the step, its
// person and partnership shown, and the step's value put into the field's own control. Every
// control comes from a typed table (the person fields', the dates', the partnership's and the
// user captions'), so a renamed control does not build.
#include "editor/date_boxes.h"
#include "editor/person_editor.h"
#include "editor/person_field_controls.h"
#include "editor/user_caption_controls.h"
#include "model/clovek.h"
#include "model/datum.h"
#include "model/person_fields.h"
#include "model/svatba.h"
#include "shell/person_list_panel.h"
#include "system/text.h"
#include "toolkit/lists.h"
#include "toolkit/stdctrls.h"

#include <string>
#include <string_view>
#include <vector>

namespace {

// The control of a step that names no field of a person: the selected partnership's texts and
// about box, the partnership buttons, and the buttons that define the user fields' captions.
TControl* otherStepControl(ThlavniForm& window, std::string_view key)
{
    ZakladniSheet& z = window.zakladniSheet;
    if (key == "svatbaAsi")
        return &z.svatbaAsi;
    if (key == "svatbaMisto")
        return &z.svatbaMistoCB;
    if (key == "svatbaKnez")
        return &z.oddavajiciKnezED;
    if (key == "svatbaSvedkove")
        return &z.svedkoveED;
    if (key == "novaSvatba")
        return &z.vytvorSvatbuBT;
    if (key == "zmenPartnera")
        return &z.zmenPartneraBT;
    if (key.size() == 6 && key.starts_with("ruser") && key[5] >= '1' && key[5] <= '5')
        return &userCaptionControls(window.dalsiSheet, key[5] - '0').button;
    return nullptr;
}

// The control of the field a step's key names, when it is on the window.
TControl* fieldControl(ThlavniForm& window, const std::string& key)
{
    if (const PersonFieldInfo* field = personFieldOfStep(key))
        return personFieldControls(window, field->field).shows;
    return otherStepControl(window, key);
}

// Where the text that replaced `before` by `after` changed, in characters of `after`: the end
// of what went in, or where something came out. The caret stands there after an undo or redo,
// as in any text editor, rather than at the start, where the next line typed would land in
// front of the first. The change ends where the common end of both texts begins: a line added
// or taken away then ends the change at its own last letter.
int endOfChange(const std::u32string& before, const std::u32string& after)
{
    size_t suffix = 0;
    while (suffix < before.size() && suffix < after.size() &&
           before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;
    return static_cast<int>(after.size() - suffix);
}

void focus(TControl* control)
{
    if (auto* w = dynamic_cast<TWinControl*>(control); w && w->CanFocus())
        w->SetFocus();
}

} // namespace

void PersonEditor::showEditorPage(EditorPage page)
{
    switch (page) {
    case EditorPage::basicData:
        window.pages.setActivePage(&window.zakladniUdaje);
        break;
    case EditorPage::furtherData:
        window.pages.setActivePage(&window.dalsiUdaje);
        break;
    case EditorPage::textsAndFiles:
        window.pages.setActivePage(&window.doplnujiciTextyASoubory);
        break;
    }
}

void PersonEditor::showPersonOfStep(Clovek* person)
{
    personList.selectPerson(person);
    showPerson(person);
}

void PersonEditor::showPartnershipOfStep(Svatba* partnership)
{
    if (currentPerson)
        zakladniSheet.partneriLIST.setItemIndex(currentPerson->partnershipIndex(partnership));
    showPartnership();
}

void PersonEditor::putFieldText(const std::string& key, const std::string& text)
{
    TControl* control = fieldControl(window, key);
    // An edit runs its change handler itself when its text is set; a combo box is told.
    if (auto* edit = dynamic_cast<TEdit*>(control)) {
        edit->setText(text);
        focus(edit);
    } else if (auto* box = dynamic_cast<TComboBox*>(control)) {
        box->setText(text);
        focus(box);
        if (box->OnChange)
            box->OnChange();
    }
}

void PersonEditor::putFieldFlag(const std::string& key, bool value)
{
    TControl* control = fieldControl(window, key);
    if (auto* box = dynamic_cast<TComboBox*>(control)) {
        // The sex box: a man first, a woman second.
        focus(box);
        box->setItemIndex(value ? 0 : 1);
        if (box->OnChange)
            box->OnChange();
    } else if (auto* check = dynamic_cast<TCheckBox*>(control)) {
        // A changed state runs the click handler by itself; the handler runs once either way.
        focus(check);
        const bool changes = check->Checked() != value;
        check->setChecked(value);
        if (!changes && check->OnClick)
            check->OnClick();
    }
}

void PersonEditor::putAboutFlag(const std::string& key, bool about, int tolerance)
{
    auto* check = dynamic_cast<TCheckBox*>(fieldControl(window, key));
    if (!check)
        return;
    // A replayed box reads "+- " where the editor's own handlers write "+/- ": the two have
    // always differed, and a person sees by it that the history put the flag back.
    check->Caption = "+- " + std::to_string(tolerance);
    // The about flag is already in the date: the box's own handler must not ask again.
    TNotifyEvent handler = std::move(check->OnClick);
    check->OnClick = nullptr;
    check->setChecked(about);
    check->OnClick = std::move(handler);
    focus(check);
}

void PersonEditor::putDate(const std::string& key, const Datum& date)
{
    const std::optional<DatePartOfStep> step = datePartOfStep(key);
    if (!step)
        return;
    const DateControls c = dateControls(zakladniSheet, step->field);
    c.day.setText(date.day);
    c.month.setText(date.month);
    c.year.setText(date.year);
    // The part handlers do nothing during a replay, and the page was filled before the date
    // went back: the weekday, the heading and the list's order follow the date here.
    c.weekday.Caption = date.weekdayName(texts());
    if (step->field == DateField::birth) {
        updateHeading();
        sortPersonList();
    }
    focus(step->part == 'd'   ? static_cast<TControl*>(&c.day)
          : step->part == 'm' ? static_cast<TControl*>(&c.month)
                              : &c.year);
}

void PersonEditor::focusField(const std::string& key)
{
    focus(fieldControl(window, key));
}

void PersonEditor::putMemoLines(const std::string& key, const std::vector<std::string>& lines)
{
    auto* memo = dynamic_cast<TMemo*>(fieldControl(window, key));
    if (!memo)
        return;
    const std::u32string before = toU32(memo->Text());
    TStringList put;
    for (const std::string& line : lines)
        put.Add(line);
    memo->Lines.Assign(put);
    memo->setSelStart(endOfChange(before, toU32(memo->Text())));
    if (memo->OnExit)
        memo->OnExit();
}

void PersonEditor::showUserCaption(int field, const std::string& caption)
{
    if (field >= 1 && field <= 5)
        userCaptionControls(dalsiSheet, field).label.Caption = caption;
}

void PersonEditor::paintPersonList()
{
    personList.paint();
}

void PersonEditor::sortPersonList()
{
    if (!personList.hasView())
        return;
    personList.sortAsChosen();
    personList.paint();
}

void PersonEditor::sortPersonListAfterEditOf(const Clovek* person)
{
    personList.showAfterEditOf(person);
}
