// The partnerships of the current person on the basic-data tab: the partner list, the selected
// partnership in its controls, the married and divorced boxes, reordering and deleting.
#include "editor/person_editor.h"
#include "model/action_list.h"
#include "model/clovek.h"
#include "model/rod.h"
#include "model/svatba.h"
#include "shell/list_display.h"
#include "toolkit/dialogs.h"

#include <initializer_list>
#include <string>
#include <vector>

Svatba* PersonEditor::currentPartnership()
{
    if (!currentPerson)
        return nullptr;
    const int row = zakladniSheet.partneriLIST.ItemIndex();
    if (row < 0 || row >= currentPerson->partnerships.count())
        return nullptr;
    return static_cast<UkSvatba*>(currentPerson->partnerships.at(row))->partnership;
}

void PersonEditor::showPartnershipControls(bool general, bool wedding, bool divorce)
{
    ZakladniSheet& z = zakladniSheet;
    for (TControl* c :
         std::initializer_list<TControl*>{&z.shrnutiSvatbyBT, &z.zmenPartneraBT, &z.smazSvatbuBT,
                                          &z.nahoruSvatbaBT, &z.doluSvatbaBT, &z.oddaniCHECK})
        c->Visible = general;
    for (TControl* c : std::initializer_list<TControl*>{
             &z.datumSvatbyLB, &z.dmrSvatbaLB, &z.svatbaDenCB, &z.svatbaMesicCB, &z.svatbaRokED, &z.svatbaAsi,
             &z.nastavNeznamouSvatbuBT, &z.svatbaDenLB, &z.svatbaMistoLB, &z.svatbaMistoCB,
             &z.oddavajiciKnezLB, &z.oddavajiciKnezED, &z.svedkoveLB, &z.svedkoveED, &z.rozvedeniCHECK})
        c->Visible = wedding;
    for (TControl* c :
         std::initializer_list<TControl*>{&z.datumRozvoduLB, &z.dmrRozvodLB, &z.rozvodDenCB, &z.rozvodMesicCB,
                                          &z.rozvodRokED, &z.nastavNeznamyRozvodBT, &z.rozvodDenLB})
        c->Visible = divorce;
}

void PersonEditor::fillPartnerList(int row)
{
    ZakladniSheet& z = zakladniSheet;
    if (currentPerson && currentPerson->partnerships.count() > 0) {
        std::vector<std::string> names;
        currentPerson->fillPartnerNames(names, ListDisplay(settings));
        z.partneriLIST.Items.Clear();
        for (const std::string& name : names)
            z.partneriLIST.Items.Add(name);
        z.partneriLIST.setItemIndex(row < int(names.size()) ? row : int(names.size()) - 1);
        showPartnership();
        return;
    }
    showPartnershipControls(false, false, false);
    z.partneriLIST.Items.Clear();
    z.zmenPartneraBT.Enabled = false;
    z.smazSvatbuBT.Enabled = false;
}

void PersonEditor::showPartnership()
{
    ZakladniSheet& z = zakladniSheet;
    ShowingPerson showing(*this);
    const int row = z.partneriLIST.ItemIndex();
    const int rows = z.partneriLIST.Items.Count();
    const bool locked = currentPerson && currentPerson->lock;
    z.zmenPartneraBT.Enabled = !locked;
    z.smazSvatbuBT.Enabled = !locked;
    z.nahoruSvatbaBT.Enabled = row > 0;
    z.doluSvatbaBT.Enabled = row >= 0 && row < rows - 1;
    Svatba* s = currentPartnership();
    if (!s) {
        showPartnershipControls(rows > 0, false, false);
        return;
    }
    const bool married = s->hasWedding();
    showPartnershipControls(true, married, s->isDivorced());
    if (married) {
        z.oddaniCHECK.setChecked(true);
        z.svatbaDenCB.setText(s->wedding.day);
        z.svatbaMesicCB.setText(s->wedding.month);
        z.svatbaRokED.setText(s->wedding.year);
        z.svatbaDenLB.Caption = s->wedding.weekdayName(texts());
        z.svatbaAsi.setChecked(s->wedding.about != 0);
        z.svatbaAsi.Caption = "+/- " + std::to_string(s->wedding.tolerance);
        z.svatbaMistoCB.setText(s->place);
        z.oddavajiciKnezED.setText(s->officiant);
        z.svedkoveED.setText(s->witnesses);
        z.rozvedeniCHECK.setChecked(s->isDivorced());
        if (s->isDivorced()) {
            z.rozvodDenCB.setText(s->divorce.day);
            z.rozvodMesicCB.setText(s->divorce.month);
            z.rozvodRokED.setText(s->divorce.year);
            z.rozvodDenLB.Caption = s->divorce.weekdayName(texts());
        }
    } else {
        z.oddaniCHECK.setChecked(false);
    }
}

void PersonEditor::oddaniCHECKClick()
{
    if (showingPerson)
        return;
    port.clearChangeHistory();
    Svatba* s = currentPartnership();
    if (!s)
        return;
    const bool checked = zakladniSheet.oddaniCHECK.Checked();
    if (checked && !s->hasWedding()) {
        s->type = PartnershipType::married;
        s->wedding.day = s->wedding.month = s->wedding.year = "?";
        s->place.clear();
        s->officiant.clear();
        s->witnesses.clear();
    } else if (!checked && s->hasWedding()) {
        if (askYesNo(langText("otazky", "zrusitSvatbu", "Zrušit svatbu? Nastavit pouze jako partnerství?")))
            s->type = PartnershipType::plain;
    }
    showPartnership();
}

void PersonEditor::rozvedeniCHECKClick()
{
    if (showingPerson)
        return;
    port.clearChangeHistory();
    Svatba* s = currentPartnership();
    if (!s)
        return;
    const bool checked = zakladniSheet.rozvedeniCHECK.Checked();
    if (checked && !s->isDivorced()) {
        s->type = PartnershipType::divorced;
        s->divorce.day = s->divorce.month = s->divorce.year = "?";
    } else if (!checked && s->isDivorced()) {
        if (askYesNo(langText("otazky", "zrusitRozvod", "Zrušit rozvod? Nastavit svatbu jako nerozvedenou?")))
            s->type = PartnershipType::married;
    }
    showPartnership();
}

void PersonEditor::smazSvatbuBTClick()
{
    Svatba* s = currentPartnership();
    if (!s || !tree())
        return;
    if (!askYesNo(langText("otazky", "smazatPartnerstvi", "Opravdu smazat tento partnerský svazek?")))
        return;
    // The steps that name the partnership go before it is freed.
    port.clearChangeHistory();
    Clovek* other = s->otherPartner(currentPerson);
    currentPerson->removePartnership(s);
    if (other && other != currentPerson)
        other->removePartnership(s);
    delete s;
    fillPartnerList(0);
    paintPersonList();
}

void PersonEditor::nahoruSvatbaBTClick()
{
    const int row = zakladniSheet.partneriLIST.ItemIndex();
    if (!currentPerson || row <= 0 || row >= currentPerson->partnerships.count())
        return;
    currentPerson->partnerships.swapWithNext(row - 1);
    fillPartnerList(row - 1);
}

void PersonEditor::doluSvatbaBTClick()
{
    const int row = zakladniSheet.partneriLIST.ItemIndex();
    if (!currentPerson || row < 0 || row >= currentPerson->partnerships.count() - 1)
        return;
    currentPerson->partnerships.swapWithNext(row);
    fillPartnerList(row + 1);
}

void PersonEditor::partneriLISTDblClick()
{
    if (zakladniSheet.partneriLIST.ItemIndex() < 0)
        return;
    // The row's own partnership names the partner: two persons of one display text stay apart.
    Svatba* s = currentPartnership();
    Clovek* partner = s ? s->otherPartner(currentPerson) : nullptr;
    if (partner && partner != currentPerson)
        goToPerson(partner);
    else
        ShowMessage("Chyba: Partner nenalezen!");
}
