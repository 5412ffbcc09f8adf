// The parents, children, siblings and partnership controls of the basic-data page hooked to
// their handlers.
#include "editor/person_editor.h"
#include "model/rod.h"

#include <initializer_list>

void PersonEditor::bindFamilyEvents()
{
    ZakladniSheet& z = zakladniSheet;
    z.otecCB.OnChange = [this] { otecCBChange(); };
    z.matkaCB.OnChange = [this] { matkaCBChange(); };
    z.otecCB.OnExit = [this] {
        if (currentPerson)
            refreshPercentFilled(currentPerson);
    };
    z.matkaCB.OnExit = z.otecCB.OnExit;
    z.otecCB.OnEnter = [this] { otecCBEnter(); };
    z.matkaCB.OnEnter = [this] { matkaCBEnter(); };
    z.otecBT.OnClick = [this] { otecBTClick(); };
    z.matkaBT.OnClick = [this] { matkaBTClick(); };
    z.detiLIST.OnClick = [this] { detiLISTClick(); };
    z.detiLIST.OnDblClick = [this] { detiLISTDblClick(); };
    z.sourozenciLIST.OnDblClick = [this] { sourozenciLISTDblClick(); };
    z.detiLIST.OnKeyDown = [this](int& key, TShiftState) {
        if (key == 13)
            detiLISTDblClick();
    };
    z.sourozenciLIST.OnKeyDown = [this](int& key, TShiftState) {
        if (key == 13)
            sourozenciLISTDblClick();
    };
    z.vytvorDiteBT.OnClick = [this] { vytvorDiteBTClick(); };
    z.priradDiteBT.OnClick = [this] { priradDiteBTClick(); };
    z.odeberDiteBT.OnClick = [this] { odeberDiteBTClick(); };
    z.vytvorSourozenceBT.OnClick = [this] { vytvorSourozenceBTClick(); };
}

void PersonEditor::bindPartnershipEvents()
{
    ZakladniSheet& z = zakladniSheet;
    z.vytvorSvatbuBT.OnClick = [this] { vytvorSvatbuBTClick(); };
    z.partneriLIST.OnClick = [this] { showPartnership(); };
    z.partneriLIST.OnDblClick = [this] { partneriLISTDblClick(); };
    z.nahoruSvatbaBT.OnClick = [this] { nahoruSvatbaBTClick(); };
    z.doluSvatbaBT.OnClick = [this] { doluSvatbaBTClick(); };
    z.shrnutiSvatbyBT.OnClick = [this] { shrnutiSvatbyBTClick(); };
    z.zmenPartneraBT.OnClick = [this] { zmenPartneraBTClick(); };
    z.smazSvatbuBT.OnClick = [this] { smazSvatbuBTClick(); };
    z.oddaniCHECK.OnClick = [this] { oddaniCHECKClick(); };
    z.rozvedeniCHECK.OnClick = [this] { rozvedeniCHECKClick(); };
    z.svatbaMistoCB.OnChange = [this] { svatbaMistoCBChange(); };
    z.svatbaMistoCB.OnEnter = [this, &z] { fillValueList(z.svatbaMistoCB, &Rod::distinctWeddingPlaces); };
    z.oddavajiciKnezED.OnChange = [this] { oddavajiciKnezEDChange(); };
    z.svedkoveED.OnChange = [this] { svedkoveEDChange(); };
    for (bool divorce : {false, true}) {
        TComboBox& day = divorce ? z.rozvodDenCB : z.svatbaDenCB;
        TComboBox& month = divorce ? z.rozvodMesicCB : z.svatbaMesicCB;
        TEdit& year = divorce ? z.rozvodRokED : z.svatbaRokED;
        TButton& unknown = divorce ? z.nastavNeznamyRozvodBT : z.nastavNeznamouSvatbuBT;
        day.OnChange = [this, divorce] { partnershipDayMonthChange(divorce, 'd'); };
        month.OnChange = [this, divorce] { partnershipDayMonthChange(divorce, 'm'); };
        year.OnChange = [this, divorce] { partnershipYearChange(divorce); };
        day.OnEnter = [this, divorce] { partnershipDayEnter(divorce); };
        day.OnExit = [this, divorce] { partnershipDateExit(divorce, 'd'); };
        month.OnExit = [this, divorce] { partnershipDateExit(divorce, 'm'); };
        year.OnExit = [this, divorce] { partnershipDateExit(divorce, 'r'); };
        unknown.OnClick = [this, divorce] { setPartnershipDateUnknown(divorce); };
    }
    z.svatbaAsi.OnMouseUp = [this](TMouseButton, TShiftState, int, int) { svatbaAsiMouseUp(); };
    for (TWinControl* field : std::initializer_list<TWinControl*>{
             &z.svatbaDenCB, &z.svatbaMesicCB, &z.svatbaRokED, &z.svatbaMistoCB, &z.oddavajiciKnezED,
             &z.svedkoveED, &z.rozvodDenCB, &z.rozvodMesicCB, &z.rozvodRokED})
        field->OnKeyDown = [this, field](int& key, TShiftState) { port.fieldKeyDown(*field, key); };
}
