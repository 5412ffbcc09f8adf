// The further-data page: religion, baptism, godparents, nationality, citizenship, the contact
// fields of a living person, the five user fields with their per-tree captions, the identifier
// and the parish-register notes; and the further-texts memo's first half and its save to disk.
#include "editor/person_editor.h"
#include "editor/person_field_controls.h"
#include "editor/user_caption_controls.h"
#include "forms/id_change_form.h"
#include "model/clovek.h"
#include "model/rod.h"
#include "shell/list_display.h"
#include "shell/value_dialogs.h"
#include "system/codec.h"
#include "system/exceptions.h"
#include "toolkit/dialogs.h"

#include <array>
#include <utility>
#include <vector>

namespace {

// The texts of the page a person types into; the identifier changes only through its dialog.
std::vector<std::pair<PersonField, PersonFieldControls>> furtherFields(ThlavniForm& window)
{
    std::vector<std::pair<PersonField, PersonFieldControls>> fields;
    for (const PersonFieldInfo& f : personFields)
        if (f.kind == FieldKind::text && f.page == EditorPage::furtherData &&
            f.field != PersonField::identifier)
            fields.emplace_back(f.field, personFieldControls(window, f.field));
    return fields;
}

std::array<std::string*, 5> userCaptions(Rod& tree)
{
    return {&tree.userCaption1, &tree.userCaption2, &tree.userCaption3, &tree.userCaption4,
            &tree.userCaption5};
}

} // namespace

void PersonEditor::bindFurtherPageEvents()
{
    DalsiSheet& d = dalsiSheet;
    for (const auto& [key, f] : furtherFields(window)) {
        // A copy the handlers capture: clang 14 captures no structured binding.
        const auto field = key;
        TWinControl* control = f.box ? static_cast<TWinControl*>(f.box) : f.edit;
        control->OnKeyDown = [this, control](int& k, TShiftState) { port.fieldKeyDown(*control, k); };
        if (TEdit* edit = f.edit) {
            edit->OnChange = [this, field = field, edit] { furtherTextChange(field, edit->Text(), true); };
            continue;
        }
        TComboBox* box = f.box;
        box->OnChange = [this, field = field, box] { furtherTextChange(field, box->Text(), false); };
        if (f.values) {
            auto values = f.values;
            box->OnEnter = [this, box, values] { fillValueList(*box, values); };
        } else {
            box->OnEnter = [this, box] {
                if (!tree())
                    return;
                const std::string text = box->Text();
                TStringList others;
                tree()->listOtherPersons(others, currentPerson, ListDisplay(settings));
                box->Items.Assign(others);
                box->setText(text);
            };
        }
    }
    for (int k = 1; k <= 5; ++k)
        userCaptionControls(d, k).button.OnClick = [this, k] { userCaptionBTClick(k); };
    d.idZmenBT.OnClick = [this] { idZmenBTClick(); };
    d.matrikyMEMO.OnExit = [this] { matrikyMEMOExit(); };
    // The first letter typed offers the undo of what is being typed.
    d.matrikyMEMO.OnChange = [this] { port.updateUndoButtons(); };
    doplnujiciSheet.doplnujiciTextyMEMO.OnChange = [this] { port.updateUndoButtons(); };
    doplnujiciSheet.ulozNaDiskTextyBT.OnClick = [this] { ulozNaDiskTextyBTClick(); };
}

void PersonEditor::showFurtherFields()
{
    if (!currentPerson || !tree())
        return;
    const Clovek& p = *currentPerson;
    DalsiSheet& d = dalsiSheet;
    // An edit's change handler runs as the page is filled; it records nothing meanwhile.
    for (const PersonFieldInfo& f : personFields) {
        if (f.kind != FieldKind::text || f.page != EditorPage::furtherData)
            continue;
        const PersonFieldControls c = personFieldControls(window, f.field);
        if (c.box)
            c.box->setText(f.text.of(p));
        else
            c.edit->setText(f.text.of(p));
    }
    d.datumVlozeniDT.setDateTime(p.created);
    const auto captions = userCaptions(*tree());
    for (int k = 1; k <= 5; ++k)
        userCaptionControls(d, k).label.Caption = *captions[static_cast<size_t>(k - 1)];
    TStringList notes;
    for (std::string_view line : p.registerNotes())
        notes.Add(std::string(line));
    d.matrikyMEMO.Lines.Assign(notes);
    d.moderniPANEL.Visible = p.alive != 0;
    setFurtherDataLockState();
}

void PersonEditor::furtherTextChange(PersonField which, const std::string& text, bool isEdit)
{
    if (!currentPerson || !tree())
        return;
    const PersonFieldInfo& field = personField(which);
    const std::string old = field.text.of(*currentPerson);
    field.text.set(*currentPerson, text);
    // An edit's change runs when the page fill puts the stored text in; that is no edit.
    if (undoReplaying || (isEdit && showingPerson) || old == text)
        return;
    tree()->recordTextChange(currentPerson, std::string(field.stepKey), old, text);
}

void PersonEditor::userCaptionBTClick(int field)
{
    if (!tree() || field < 1 || field > 5)
        return;
    std::string& caption = *userCaptions(*tree())[static_cast<size_t>(field - 1)];
    const std::string old = caption;
    userDefFORM->kolonkaED.setText(old);
    if (userDefFORM->ShowModal() != mrOk)
        return;
    caption = userDefFORM->kolonkaED.Text();
    userCaptionControls(dalsiSheet, field).label.Caption = caption;
    if (!undoReplaying && caption != old)
        tree()->recordTextChange(currentPerson, "ruser" + std::to_string(field), old, caption);
}

void PersonEditor::idZmenBTClick()
{
    if (!tree() || !currentPerson) {
        port.refreshPage();
        return;
    }
    const std::string old = currentPerson->identifier;
    TidChangeFORM& dialog = *idChangeFORM;
    dialog.idED.setText(old);
    // Asked again, with what was typed, until the identifier is free or the person cancels.
    while (dialog.ShowModal() == mrOk) {
        const std::string typed = dialog.idED.Text();
        if (const Clovek* holder = tree()->findPersonByIdentifier(typed)) {
            ShowMessage("Tento identifikátor již existuje (" +
                        holder->displayName(settings.showBirthSurname, true, false) + ")!");
            continue;
        }
        currentPerson->identifier = typed;
        sortPersonList();
        if (!undoReplaying && typed != old)
            tree()->recordTextChange(currentPerson, "identifikator", old, typed);
        break;
    }
    port.refreshPage();
}

void PersonEditor::matrikyMEMOExit()
{
    storeTypedLines(dalsiSheet.matrikyMEMO, NoteList::registerNotes, "matriky");
}

void PersonEditor::ulozNaDiskTextyBTClick()
{
    const TStringList& lines = doplnujiciSheet.doplnujiciTextyMEMO.Lines;
    if (lines.Count() == 0) {
        ShowMessage(langText("chyby", "doplnujiciTextyPrazdne", "Doplňující texty jsou prázdné!"));
        return;
    }
    window.SaveDialogTXT.InitialDir = port.programFolderPath();
    if (!window.SaveDialogTXT.Execute())
        return;
    try {
        writeUtf8TextLines(window.SaveDialogTXT.FileName, lines.lines());
    } catch (const Exception&) {
        tellFileNotSaved(window.SaveDialogTXT.FileName);
    }
}
