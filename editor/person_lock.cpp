// The person's lock: while it is set, the person's data cannot be edited on the basic-data and
// further-data pages. The lock box itself stays usable.
#include "editor/person_editor.h"
#include "model/clovek.h"
#include "model/rod.h"

#include <initializer_list>

void PersonEditor::zamekCHClick()
{
    if (!currentPerson)
        return;
    const bool recording = !undoReplaying && !showingPerson;
    const uint8_t old = currentPerson->lock;
    currentPerson->lock = zamekCH.Checked() ? 1 : 0;
    // Within a page fill the fill itself applies the lock when it reaches its end.
    if (!showingPerson) {
        ShowingPerson showing(*this);
        showBasicPage();
    }
    if (recording && tree && old != currentPerson->lock)
        tree->recordFlagChange(currentPerson, "zamek", old, currentPerson->lock);
}

void PersonEditor::setPersonLockState()
{
    if (!currentPerson)
        return;
    const bool editable = currentPerson->lock == 0;
    ZakladniSheet& z = zakladniSheet;
    for (TControl* c : std::initializer_list<TControl*>{&z.jmenoCB,
                                                        &z.prijmeniCB,
                                                        &z.rodnePrijmeniCB,
                                                        &z.pohlaviCB,
                                                        &z.titulPredCB,
                                                        &z.titulZaCB,
                                                        &z.narozDenCB,
                                                        &z.narozMesicCB,
                                                        &z.narozRokED,
                                                        &z.nastavNeznameNarozeniBT,
                                                        &z.narozAsi,
                                                        &z.narozMistoCB,
                                                        &z.zivaZesnulaCH,
                                                        &z.smrtDenCB,
                                                        &z.smrtMesicCB,
                                                        &z.smrtRokED,
                                                        &z.nastavNeznameUmrtiBT,
                                                        &z.smrtAsi,
                                                        &z.smrtMistoCB,
                                                        &z.smrtPohrebCB,
                                                        &z.smrtPricinaCB,
                                                        &z.otecCB,
                                                        &z.matkaCB,
                                                        &z.oddaniCHECK,
                                                        &z.svatbaDenCB,
                                                        &z.svatbaMesicCB,
                                                        &z.svatbaRokED,
                                                        &z.nastavNeznamouSvatbuBT,
                                                        &z.svatbaAsi,
                                                        &z.svatbaMistoCB,
                                                        &z.oddavajiciKnezED,
                                                        &z.svedkoveED,
                                                        &z.rozvedeniCHECK,
                                                        &z.rozvodDenCB,
                                                        &z.rozvodMesicCB,
                                                        &z.rozvodRokED,
                                                        &z.nastavNeznamyRozvodBT,
                                                        &z.bydlisteLIST,
                                                        &z.noveBydlisteBT,
                                                        &z.vzdelaniLIST,
                                                        &z.noveVzdelaniBT,
                                                        &z.povolaniLIST,
                                                        &z.novePovolaniBT,
                                                        &z.vlozHlavaBT})
        c->Enabled = editable;
    // These follow their list's selection as well: a lock never enables one.
    for (TControl* c : std::initializer_list<TControl*>{
             &z.odeberDiteBT, &z.zmenPartneraBT, &z.smazSvatbuBT, &z.upravBydlisteBT, &z.smazatBydlisteBT,
             &z.upravVzdelaniBT, &z.smazatVzdelaniBT, &z.upravPovolaniBT, &z.smazatPovolaniBT,
             &z.odeberHlavaBT})
        c->Enabled = c->Enabled && editable;
}

void PersonEditor::setFurtherDataLockState()
{
    if (!currentPerson)
        return;
    const bool editable = currentPerson->lock == 0;
    DalsiSheet& d = dalsiSheet;
    for (TControl* c : std::initializer_list<TControl*>{
             &d.vyznaniCB, &d.krestCB, &d.kmotr1CB, &d.kmotr2CB, &d.narodnostCB, &d.statniPrislusnostCB,
             &d.email1ED, &d.email2ED, &d.telefon1ED, &d.telefon2ED, &d.www1ED, &d.www2ED, &d.idZmenBT,
             &d.user1CB, &d.user2CB, &d.user3CB, &d.user4CB, &d.user5CB, &d.matrikyMEMO})
        c->Enabled = editable;
}
