// The basic-data page's controls hooked to their handlers. The undo replay puts a value into a
// control and runs its change event, so every field's step is taken back through these.
#include "editor/person_editor.h"
#include "editor/person_field_controls.h"
#include "model/clovek.h"
#include "model/person_fields.h"
#include "model/rod.h"
#include "toolkit/lists.h"

void PersonEditor::bindBasicPageEvents()
{
    ZakladniSheet& z = zakladniSheet;
    z.jmenoCB.OnChange = [this] { jmenoCBChange(); };
    z.prijmeniCB.OnChange = [this] { prijmeniCBChange(); };
    z.rodnePrijmeniCB.OnChange = [this] { rodnePrijmeniCBChange(); };
    z.titulPredCB.OnChange = [this] { titulPredCBChange(); };
    z.titulZaCB.OnChange = [this] { titulZaCBChange(); };
    z.pohlaviCB.OnChange = [this] { pohlaviCBChange(); };

    for (const PersonFieldInfo& f : personFields) {
        if (f.kind != FieldKind::text || f.page != EditorPage::basicData)
            continue;
        const PersonFieldControls c = personFieldControls(window, f.field);
        if (auto values = c.values)
            c.box->OnEnter = [this, box = c.box, values, listed = f.text] {
                fillValueList(*box, values, listed);
            };
    }

    z.jmenoCB.OnExit = [this] { jmenoCBExit(); };
    z.prijmeniCB.OnExit = [this] { prijmeniCBExit(); };
    z.rodnePrijmeniCB.OnExit = [this] { rodnePrijmeniCBExit(); };

    // Enter and the quick-text keys in the control of each of the page's fields. The period lists
    // keep a list's own keys, and the lock box, standing above the pages, takes none.
    for (const PersonFieldInfo& f : personFields) {
        if (f.page != EditorPage::basicData || f.kind == FieldKind::period || f.field == PersonField::lock)
            continue;
        if (auto* field = dynamic_cast<TWinControl*>(personFieldControls(window, f.field).shows))
            field->OnKeyDown = [this, field](int& key, TShiftState) { port.fieldKeyDown(*field, key); };
    }
    bindDateEvents();
    bindFamilyEvents();
    bindPartnershipEvents();
}

void PersonEditor::bindDateEvents()
{
    ZakladniSheet& z = zakladniSheet;
    for (bool birth : {true, false}) {
        TComboBox& day = birth ? z.narozDenCB : z.smrtDenCB;
        TComboBox& month = birth ? z.narozMesicCB : z.smrtMesicCB;
        TEdit& year = birth ? z.narozRokED : z.smrtRokED;
        TCheckBox& about = birth ? z.narozAsi : z.smrtAsi;
        TButton& unknown = birth ? z.nastavNeznameNarozeniBT : z.nastavNeznameUmrtiBT;
        day.OnChange = [this, birth] { dateDayMonthChange(birth, 'd'); };
        month.OnChange = [this, birth] { dateDayMonthChange(birth, 'm'); };
        year.OnChange = [this, birth] { dateYearChange(birth); };
        day.OnEnter = [this, birth] { dayBoxEnter(birth); };
        day.OnExit = [this, birth] { datePartExit(birth, 'd'); };
        month.OnExit = [this, birth] { datePartExit(birth, 'm'); };
        year.OnExit = [this, birth] { datePartExit(birth, 'r'); };
        unknown.OnClick = [this, birth] { setDateUnknown(birth); };
        about.OnMouseUp = [this, birth](TMouseButton, TShiftState, int, int) { aboutBoxMouseUp(birth); };
    }
    z.zivaZesnulaCH.OnClick = [this] { zivaZesnulaCHClick(); };

    z.narozMistoCB.OnChange = [this, &z] { storeTextField(PersonField::birthPlace, z.narozMistoCB, false); };
    z.smrtMistoCB.OnChange = [this, &z] { storeTextField(PersonField::deathPlace, z.smrtMistoCB, false); };
    z.smrtPohrebCB.OnChange = [this, &z] { storeTextField(PersonField::burial, z.smrtPohrebCB, false); };
    z.smrtPricinaCB.OnChange = [this, &z] {
        storeTextField(PersonField::deathCause, z.smrtPricinaCB, false);
    };
    z.smrtPricinaCB.OnEnter = [this, &z] {
        if (!tree())
            return;
        const std::string text = z.smrtPricinaCB.Text();
        TStringList list;
        tree()->distinctDeathCauses(list, texts());
        z.smrtPricinaCB.Items.Assign(list);
        z.smrtPricinaCB.setText(text);
    };
    z.narozMistoCB.OnExit = [this] {
        if (currentPerson)
            refreshPercentFilled(currentPerson);
    };
}
