// The children and siblings of the current person: the two lists, jumping to the person of a
// row, creating a child or a sibling and removing a child.
#include "editor/person_editor.h"
#include "forms/sourozenci_create_form.h"
#include "model/action.h"
#include "model/clovek.h"
#include "model/rod.h"
#include "model/svatba.h"
#include "model/uk_clovek.h"
#include "shell/scroll.h"
#include "toolkit/dialogs.h"

#include <memory>

namespace {

// The persons of a children or sibling list into a list box, sorted by birth, each row carrying
// its person.
void fillPersonRows(PersonEditor& m, TListBox& box, Prvky& persons)
{
    persons.sort();
    box.Items.Clear();
    std::string name;
    for (UkClovek* e : persons.items<UkClovek>())
        if (Clovek* p = e->person()) {
            p->displayNameInto(name, m.settings.showBirthSurname, m.settings.showBirth, true);
            box.Items.AddObject(name, p);
        }
    box.setItemIndex(-1);
}

// The slot of `child` that `parent` takes: by the parent's sex, or the other one when that is
// held by someone else and the other is free (two parents of one sex).
Clovek*& freeSlotFor(Clovek& child, const Clovek& parent)
{
    Clovek*& own = parent.sex == 1 ? child.father : child.mother;
    Clovek*& other = parent.sex == 1 ? child.mother : child.father;
    if (own && own != &parent && !other)
        return other;
    return own;
}

} // namespace

Clovek* PersonEditor::personOfRow(const TStringList& items, int row)
{
    if (row < 0 || row >= items.Count())
        return nullptr;
    return static_cast<Clovek*>(items.Objects(row));
}

void PersonEditor::goToPerson(Clovek* person)
{
    if (!person)
        return;
    personList.selectPerson(person);
    showPerson(person);
}

void PersonEditor::fillChildrenList()
{
    if (!currentPerson)
        return;
    currentPerson->sortChildren();
    fillPersonRows(*this, zakladniSheet.detiLIST, currentPerson->children);
    zakladniSheet.odeberDiteBT.Enabled = false;
}

void PersonEditor::fillSiblingsList()
{
    if (currentPerson)
        fillPersonRows(*this, zakladniSheet.sourozenciLIST, currentPerson->siblings());
}

void PersonEditor::detiLISTClick()
{
    ZakladniSheet& z = zakladniSheet;
    z.odeberDiteBT.Enabled = currentPerson && !currentPerson->lock && z.detiLIST.ItemIndex() >= 0;
}

namespace {

// The person of the selected row, or the message when the row names nobody; nothing without a
// selected row.
void jumpToRowPerson(PersonEditor& m, const TListBox& list, const char* notFound)
{
    if (list.ItemIndex() < 0)
        return;
    if (Clovek* person = PersonEditor::personOfRow(list.Items, list.ItemIndex()))
        m.goToPerson(person);
    else
        ShowMessage(notFound);
}

} // namespace

void PersonEditor::detiLISTDblClick()
{
    jumpToRowPerson(*this, zakladniSheet.detiLIST, "Chyba: Dite nenalezeno!");
}

void PersonEditor::sourozenciLISTDblClick()
{
    jumpToRowPerson(*this, zakladniSheet.sourozenciLIST, "Chyba: Sourozenec nenalezen!");
}

void PersonEditor::vytvorDiteBTClick()
{
    if (!tree() || !currentPerson)
        return;
    if (!askYesNo(langText("otazky", "vytvoritDite", "Přejete si vytvořit dítě aktuální osoby?")))
        return;
    Clovek* parent = currentPerson;
    Svatba* partnership = currentPartnership();
    Nova1Click();
    Clovek* child = currentPerson;
    if (!child || child == parent)
        return;
    child->buildSiblingListsAround(parent);
    (parent->sex == 1 ? child->father : child->mother) = parent;
    if (partnership) {
        Clovek* other = partnership->otherPartner(parent);
        if (other && other != parent &&
            askYesNo(langText("otazky", "druhyRodic", "Druhým rodičem dítěte má být") + " " +
                     other->displayName(settings.showBirthSurname, settings.showBirth, true) + "?")) {
            // Partners of one sex: the second parent takes the slot the first one left free.
            Clovek*& slot = freeSlotFor(*child, *other);
            if (!slot) {
                slot = other;
                other->appendChild(child);
                other->addSiblingToChildren(child);
            }
        }
    }
    parent->appendChild(child);
    tree()->rebuildSiblingList(child);
    parent->addSiblingToChildren(child);
    {
        ShowingPerson showing(*this);
        showBasicPage();
    }
    paintPersonList();
}

void PersonEditor::vytvorSourozenceBTClick()
{
    if (!tree() || !currentPerson)
        return;
    Clovek* p = currentPerson;
    if (!p->father && !p->mother) {
        ShowMessage(langText("chyby", "nemaOtceAniMatku",
                             "Osoba nemá zadaného otce ani matku, nelze vytvářet sourozence!"));
        return;
    }
    if (!askYesNo(langText("otazky", "vytvoritSourozence", "Přejete si vytvořit sourozence aktuální osoby?")))
        return;
    Clovek* father = nullptr;
    Clovek* mother = nullptr;
    if (!p->father) {
        mother = p->mother;
    } else if (!p->mother) {
        father = p->father;
    } else {
        const int result = sourozenciCreate->ShowModal();
        if (result == mrCancel || result == mrYes)
            father = p->father;
        if (result == mrCancel || result == mrNo)
            mother = p->mother;
    }
    Nova1Click();
    Clovek* sibling = currentPerson;
    if (!sibling || sibling == p)
        return;
    sibling->buildSiblingListsAround(father);
    if (mother)
        mother->buildChildrenSiblingLists();
    sibling->father = father;
    sibling->mother = mother;
    tree()->rebuildSiblingList(sibling);
    for (Clovek* parent : {father, mother})
        if (parent) {
            parent->addSiblingToChildren(sibling);
            parent->appendChild(sibling);
        }
    {
        ShowingPerson showing(*this);
        showBasicPage();
    }
    paintPersonList();
}

void PersonEditor::odeberDiteBTClick()
{
    if (!tree() || !currentPerson)
        return;
    TListBox& list = zakladniSheet.detiLIST;
    Clovek* child = personOfRow(list.Items, list.ItemIndex());
    if (!child)
        return;
    if (!askYesNo(langText("otazky", "zrusitRodicovstvi", "Zrušit rodičovství dítěte") + " (" +
                  child->displayName(settings.showBirthSurname, settings.showBirth, true) + ")?"))
        return;
    Clovek* parent = currentPerson;
    const bool asFather = child->father == parent;
    child->buildSiblingListsAround();
    (asFather ? child->father : child->mother) = nullptr;
    child->pruneSiblings();
    if (parent->hasChild(child))
        parent->removeChild(child);
    fillChildrenList();
    paintPersonList();
    tree()->pushAction(std::make_unique<ActionParent>(child, "parent", parent, nullptr, asFather ? 1 : 0));
}
