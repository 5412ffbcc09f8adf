// The undo and redo commands of the main window, and the main window as the person editor the
// undo history replays its steps through.
#include "model/action_list.h"
#include "model/clovek.h"
#include "model/datum.h"
#include "model/person_fields.h"
#include "model/rod.h"
#include "model/svatba.h"
#include "shell/hlavni.h"
#include "shell/person_field_controls.h"
#include "toolkit/lists.h"
#include "toolkit/stdctrls.h"

#include <map>
#include <string_view>

namespace {

// The control of each step that names no field of a person, by the step's key.
const std::map<std::string_view, std::string_view> otherStepControls = {
    {"svatbaAsi", "svatbaAsi"},
    {"svatbaMisto", "svatbaMistoCB"},
    {"svatbaKnez", "oddavajiciKnezED"},
    {"svatbaSvedkove", "svedkoveED"},
    {"novaSvatba", "vytvorSvatbuBT"},
    {"zmenPartnera", "zmenPartneraBT"},
    {"ruser1", "user1BT"},
    {"ruser2", "user2BT"},
    {"ruser3", "user3BT"},
    {"ruser4", "user4BT"},
    {"ruser5", "user5BT"},
};

TControl* findControl(const TWinControl& parent, std::string_view name)
{
    for (TControl* c : parent.Controls()) {
        if (c->Name == name)
            return c;
        if (auto* w = dynamic_cast<TWinControl*>(c))
            if (TControl* found = findControl(*w, name))
                return found;
    }
    return nullptr;
}

// The control of the field a step's key names, when it is on the window.
TControl* fieldControl(ThlavniForm& window, const std::string& key)
{
    if (const PersonFieldInfo* field = personFieldOfStep(key))
        return personFieldControls(window, field->field).shows;
    auto name = otherStepControls.find(key);
    return name == otherStepControls.end() ? nullptr : findControl(window, name->second);
}

void focus(TControl* control)
{
    if (auto* w = dynamic_cast<TWinControl*>(control); w && w->CanFocus())
        w->SetFocus();
}

// The three controls of a date, by the start of its keys: "narozeni", "smrt", "svatba", "rozvod".
struct DateControls {
    std::string_view keyStart;
    std::string_view controlStart;
};
constexpr DateControls dateControls[] = {
    {"narozeni", "naroz"}, {"smrt", "smrt"}, {"svatba", "svatba"}, {"rozvod", "rozvod"}};

} // namespace

void MainFrame::Zpet1Click()
{
    // A line being typed into a memo belongs to the history before a step is replayed.
    commitMemos();
    if (session.tree())
        session.tree()->undo();
    updateUndoButtons();
}

void MainFrame::Znovu1Click()
{
    // A line being typed into a memo belongs to the history before a step is replayed.
    commitMemos();
    if (session.tree())
        session.tree()->redo();
    updateUndoButtons();
}

void MainFrame::clearChangeHistory()
{
    if (session.tree())
        session.tree()->undoHistory->clear();
    updateUndoButtons();
}

void MainFrame::updateUndoButtons()
{
    Zpet1.Enabled = ZpetBT.Enabled = session.tree() && session.tree()->canUndo();
    Znovu1.Enabled = ZnovuBT.Enabled = session.tree() && session.tree()->canRedo();
}

void MainFrame::setUndoReplaying(bool replaying)
{
    undoReplaying = replaying;
}

void MainFrame::showEditorPage(EditorPage page)
{
    switch (page) {
    case EditorPage::basicData:
        pages.setActivePage(&zakladniUdaje);
        break;
    case EditorPage::furtherData:
        pages.setActivePage(&dalsiUdaje);
        break;
    case EditorPage::textsAndFiles:
        pages.setActivePage(&doplnujiciTextyASoubory);
        break;
    }
}

void MainFrame::showPersonOfStep(Clovek* person)
{
    personList.selectPerson(person);
    showPerson(person);
}

void MainFrame::showPartnershipOfStep(Svatba* partnership)
{
    auto* list = dynamic_cast<TListBox*>(findControl(*this, "partneriLIST"));
    if (list && currentPerson)
        list->setItemIndex(currentPerson->partnershipIndex(partnership));
    showPartnership();
}

void MainFrame::putFieldText(const std::string& key, const std::string& text)
{
    TControl* control = fieldControl(*this, key);
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

void MainFrame::putFieldFlag(const std::string& key, bool value)
{
    TControl* control = fieldControl(*this, key);
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

void MainFrame::putAboutFlag(const std::string& key, bool about, int tolerance)
{
    auto* check = dynamic_cast<TCheckBox*>(fieldControl(*this, key));
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

void MainFrame::putDate(const std::string& key, const Datum& date)
{
    for (const DateControls& d : dateControls) {
        if (key.compare(0, d.keyStart.size(), d.keyStart) != 0)
            continue;
        const std::string start(d.controlStart);
        auto* day = dynamic_cast<TComboBox*>(findControl(*this, start + "DenCB"));
        auto* month = dynamic_cast<TComboBox*>(findControl(*this, start + "MesicCB"));
        auto* year = dynamic_cast<TEdit*>(findControl(*this, start + "RokED"));
        if (day)
            day->setText(date.day);
        if (month)
            month->setText(date.month);
        if (year)
            year->setText(date.year);
        // The part handlers do nothing during a replay, and the page was filled before the date
        // went back: the weekday, the heading and the list's order follow the date here.
        if (auto* weekday = dynamic_cast<TLabel*>(
                findControl(*this, start == "naroz" ? "narozeniDenLB" : start + "DenLB")))
            weekday->Caption = date.weekdayName(*this);
        if (start == "naroz") {
            updateHeading();
            sortPersonList();
        }
        const std::string_view part = std::string_view(key).substr(d.keyStart.size());
        focus(part == "Den"     ? static_cast<TControl*>(day)
              : part == "Mesic" ? static_cast<TControl*>(month)
                                : year);
        return;
    }
}

void MainFrame::focusField(const std::string& key)
{
    focus(fieldControl(*this, key));
}

std::vector<std::string> MainFrame::memoLines(const std::string& key)
{
    auto* memo = dynamic_cast<TMemo*>(fieldControl(*this, key));
    return memo ? memo->Lines.lines() : std::vector<std::string>{};
}

void MainFrame::putMemoLines(const std::string& key, const std::vector<std::string>& lines)
{
    auto* memo = dynamic_cast<TMemo*>(fieldControl(*this, key));
    if (!memo)
        return;
    memo->Lines.Clear();
    for (const std::string& line : lines)
        memo->Lines.Add(line);
    if (memo->OnExit)
        memo->OnExit();
}

void MainFrame::showUserCaption(int field, const std::string& caption)
{
    if (TControl* label = findControl(*this, "user" + std::to_string(field) + "LB"))
        label->Caption = caption;
}

void MainFrame::sortPersonList()
{
    if (!personList.hasView())
        return;
    personList.sortAsChosen();
    personList.paint();
}

void MainFrame::sortPersonListAfterEditOf(const Clovek* person)
{
    personList.showAfterEditOf(person);
}
