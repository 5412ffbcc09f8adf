// Assigning existing persons as children of the current person: the children of the selected
// partner, or persons picked one by one from a list. Nothing here can be undone, so the history
// is emptied first.
#include "editor/person_editor.h"
#include "forms/prirad_deti_form.h"
#include "forms/vyber_dite_form.h"
#include "model/clovek.h"
#include "model/rod.h"
#include "model/svatba.h"
#include "model/uk_clovek.h"
#include "toolkit/dialogs.h"

#include <vector>

namespace {

// The link of `child` that `parent` takes: the father's for a man, the mother's for a woman;
// when `partner` (a parent of one sex with `parent`) holds that link, the other one.
Clovek*& slotOf(Clovek& child, const Clovek& parent, const Clovek* partner)
{
    Clovek*& own = parent.sex == 1 ? child.father : child.mother;
    Clovek*& other = parent.sex == 1 ? child.mother : child.father;
    if (partner && own == partner)
        return other;
    return own;
}

} // namespace

void PersonEditor::childCandidates(TStringList& list)
{
    list.Clear();
    if (!tree() || !currentPerson)
        return;
    const Clovek* me = currentPerson;
    std::string name;
    tree()->forEachPerson([&](Clovek* p) {
        if (p == me || me->hasChild(p) || p->birth.isBefore(me->birth))
            return;
        p->displayNameInto(name, settings.showBirthSurname, settings.showBirth, true);
        list.AddObject(name, p);
    });
}

bool PersonEditor::assignChild(Clovek* child, Clovek* partner, bool listed)
{
    Clovek* me = currentPerson;
    Clovek*& slot = slotOf(*child, *me, partner);
    Clovek* old = slot;
    if (old == me)
        return false;
    const std::string childName = child->displayName(settings.showBirthSurname, settings.showBirth, true);
    std::string question;
    if (!old) {
        question = langText("otazky", "priraditDite", "Přiřadit dítě") + " " + childName + "?";
    } else {
        const std::string parentName = old->displayName(settings.showBirthSurname, settings.showBirth, true);
        question = langText("otazky", "preraditDite", "Přeřadit dítě") + " " + childName +
                   (listed ? " (rodič: " : " (" + langText("otazky", "rodic", "rodič") + " ") + parentName +
                   ")?";
    }
    if (!askYesNo(question))
        return false;
    child->buildSiblingListsAround(me);
    slot = me;
    if (child == me || tree()->hasAncestorCycle(me)) {
        ShowMessage(old && !listed ? langText("chyby", "zacykleniDitePrerazeni",
                                              "Zacyklení Lipovetau! Dítě nemůže být přeřazeno!")
                                   : langText("chyby", "zacykleniDitePrirazeni",
                                              "Zacyklení Lipovetau! Dítě nemůže být přiřazeno!"));
        slot = old;
        return false;
    }
    if (old) {
        if (old->hasChild(child))
            old->removeChild(child);
        child->pruneSiblings();
    }
    child->addSiblingsFromParent(me);
    if (!me->hasChild(child))
        me->appendChild(child);
    return true;
}

void PersonEditor::priradDiteBTClick()
{
    if (!tree() || !currentPerson)
        return;
    port.clearChangeHistory();
    Svatba* partnership = currentPartnership();
    TpriradDetiFORM& how = *priradDetiFORM;
    how.dlePartneraBT.Enabled = partnership != nullptr;
    const int result = how.ShowModal();
    if (result == mrYes && partnership) {
        Clovek* partner = partnership->otherPartner(currentPerson);
        if (!partner || partner == currentPerson || partner->children.count() == 0) {
            ShowMessage(langText("chyby", "partnerNemaDite", "Partner nemá žádné dítě!"));
        } else {
            // Assigning may take a child out of a parent's list: walk a copy.
            std::vector<Clovek*> children;
            for (UkClovek* e : partner->children.items<UkClovek>())
                if (e->person())
                    children.push_back(e->person());
            for (Clovek* c : children)
                assignChild(c, partner, false);
        }
    } else if (result == mrNo) {
        TvyberDiteFORM& pick = *vyberDiteFORM;
        for (;;) {
            TStringList candidates;
            childCandidates(candidates);
            pick.ListBox1.Items.Assign(candidates);
            pick.ListBox1.setItemIndex(-1);
            if (pick.ShowModal() != mrOk)
                break;
            if (Clovek* d = personOfRow(pick.ListBox1.Items, pick.ListBox1.ItemIndex()))
                assignChild(d, nullptr, true);
        }
    }
    paintPersonList();
    fillChildrenList();
}
