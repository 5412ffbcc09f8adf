// Filling the basic-data page from the current person.
#include "editor/person_editor.h"
#include "editor/person_field_controls.h"
#include "model/clovek.h"

#include <initializer_list>

void PersonEditor::showBasicPage()
{
    Clovek& p = *currentPerson;
    ZakladniSheet& z = zakladniSheet;
    showPortrait();

    // A combo box takes its text without running its change handler.
    for (const PersonFieldInfo& f : personFields)
        if (f.kind == FieldKind::text && f.page == EditorPage::basicData)
            personFieldControls(window, f.field).box->setText(f.text.of(p));
    z.pohlaviCB.setItemIndex(p.sex == 1 ? 0 : 1);

    z.narozDenCB.setText(p.birth.day);
    z.narozMesicCB.setText(p.birth.month);
    z.narozRokED.setText(p.birth.year);
    // A day that does not exist (31 April from an old file) names no weekday: "?", never a stop.
    z.narozeniDenLB.Caption = p.birth.weekdayName(texts());

    z.narozAsi.setChecked(p.birth.about != 0);
    z.narozAsi.Caption = "+/- " + std::to_string(p.birth.tolerance);
    z.smrtAsi.setChecked(p.death.about != 0);
    z.smrtAsi.Caption = "+/- " + std::to_string(p.death.tolerance);

    const bool dead = p.alive == 0;
    z.smrtAsi.Visible = dead;
    z.zivaZesnulaCH.setChecked(p.alive != 0);
    for (TControl* c : std::initializer_list<TControl*>{
             &z.datumUmrtiLB, &z.dmrSmrtLB, &z.smrtDenCB, &z.smrtMesicCB, &z.smrtRokED,
             &z.nastavNeznameUmrtiBT, &z.smrtDenLB, &z.smrtMistoLB, &z.smrtMistoCB, &z.smrtPohrebLB,
             &z.smrtPohrebCB, &z.smrtPricinaLB, &z.smrtPricinaCB})
        c->Visible = dead;

    z.smrtDenCB.setText(p.death.day);
    z.smrtMesicCB.setText(p.death.month);
    z.smrtRokED.setText(p.death.year);
    z.smrtDenLB.Caption = p.death.weekdayName(texts());

    window.zamekCH.setChecked(p.lock != 0);

    // The relatives, partnerships and life-period lists, each from its own part of the page.
    showParentCombos();
    fillChildrenList();
    fillSiblingsList();
    fillPartnerList(0);
    fillResidenceList(-1);
    fillEducationList(-1);
    fillOccupationList(-1);

    setPersonLockState();
}
