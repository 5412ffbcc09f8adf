// Adding a partner to the current person and changing the partner of the selected
// partnership, through the partner dialog.
#include "editor/person_editor.h"
#include "forms/vyber_partnera_form.h"
#include "model/clovek.h"
#include "model/rod.h"
#include "model/svatba.h"

int PersonEditor::choosePartner(const Clovek& person, Clovek*& chosen)
{
    chosen = nullptr;
    TvyberPartnera& dialog = *vyberPartnera;
    dialog.Button1.Enabled = false;
    TStringList offered;
    std::string name;
    tree()->forEachPerson([&](Clovek* p) {
        if (p->sex == person.sex)
            return;
        p->displayNameInto(name, settings.showBirthSurname, settings.showBirth, true);
        offered.AddObject(name, p);
    });
    dialog.nabidkaLIST.Items.Assign(offered);
    dialog.nabidkaLIST.setItemIndex(-1);
    const int result = dialog.ShowModal();
    if (result == mrOk)
        chosen = personOfRow(dialog.nabidkaLIST.Items, dialog.nabidkaLIST.ItemIndex());
    return result;
}

void PersonEditor::vytvorSvatbuBTClick()
{
    if (!tree() || !currentPerson)
        return;
    // Kept set through the new-person command: the new partnership is the one step to undo.
    ShowingPerson showing(*this);
    Clovek* start = currentPerson;
    Clovek* partner = nullptr;
    Clovek* created = nullptr;
    const int result = choosePartner(*start, partner);
    if (result == mrYes) {
        Nova1Click();
        if (currentPerson && currentPerson != start) {
            created = partner = currentPerson;
            created->sex = start->sex == 1 ? 0 : 1;
            showBasicPage();
        }
    } else if (result != mrOk) {
        return;
    }
    if (!partner || !checkPartnershipDates(*start, *partner, nullptr))
        return;
    auto* s = new Svatba;
    s->partner1 = start;
    s->partner2 = partner;
    start->partnerships.append(std::make_unique<UkSvatba>(s));
    partner->partnerships.append(std::make_unique<UkSvatba>(s));
    fillPartnerList(currentPerson->partnerships.count() - 1);
    // The list colours persons by their relation to the shown one: a partner now.
    paintPersonList();
    tree()->recordPartnerChange(start, "novaSvatba", s, nullptr, created);
}

void PersonEditor::zmenPartneraBTClick()
{
    if (!tree() || !currentPerson)
        return;
    Svatba* s = currentPartnership();
    if (!s)
        return;
    if (!askYesNo(langText("otazky", "zmenitPartnera", "Opravdu změnit partnera?")))
        return;
    Clovek* start = currentPerson;
    Clovek* old = s->otherPartner(start);
    Clovek* partner = nullptr;
    const int result = choosePartner(*start, partner);
    if (result == mrYes) {
        Nova1Click();
        if (currentPerson && currentPerson != start) {
            partner = currentPerson;
            partner->sex = start->sex == 1 ? 0 : 1;
            ShowingPerson showing(*this);
            showBasicPage();
        }
    } else if (result != mrOk) {
        return;
    }
    if (partner && partner != old && checkPartnershipDates(*start, *partner, s)) {
        if (old && old != start)
            old->removePartnership(s);
        (s->partner1 == start ? s->partner2 : s->partner1) = partner;
        if (!partner->hasPartnership(s))
            partner->partnerships.append(std::make_unique<UkSvatba>(s));
        fillPartnerList(currentPerson->partnershipIndex(s));
        paintPersonList();
        tree()->recordPartnerChange(start, "zmenPartnera", s, old, partner);
        return;
    }
    fillPartnerList(currentPerson == start ? start->partnershipIndex(s) : 0);
}
