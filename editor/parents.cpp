// The father and mother of the current person: the two combos, their change handlers with the
// date check and the cycle test, and the buttons that jump to a parent or create one.
#include "editor/person_editor.h"
#include "model/action.h"
#include "model/clovek.h"
#include "model/rod.h"
#include "model/uk_clovek.h"
#include "shell/scroll.h"
#include "toolkit/dialogs.h"

#include <memory>

namespace {

// Every person of the sex in chain order but `except`, and the not-given entry, each line
// carrying its person (none for the not-given entry).
void fillParentCombo(PersonEditor& m, TComboBox& box, uint8_t sex)
{
    TStringList lines;
    std::string name;
    m.tree()->forEachPerson([&](Clovek* p) {
        if (p->sex != sex || p == m.currentPerson)
            return;
        p->displayNameInto(name, m.settings.showBirthSurname, m.settings.showBirth, true);
        lines.AddObject(name, p);
    });
    lines.AddObject(m.langText("ruzne", "neuvedeno", " neuvedeno"), nullptr);
    box.Items.Assign(lines);
}

void selectParent(TComboBox& box, const Clovek* parent)
{
    box.setItemIndex(box.Items.IndexOfObject(parent));
}

// Only the parent and the not-given entry: enough to show the parent. The box is filled with
// every choice when it is entered (a click opens it only after that), so showing a person in a
// big tree does not wait for two lists of every man and every woman.
void showParentOnly(PersonEditor& m, TComboBox& box, Clovek* parent)
{
    TStringList lines;
    if (parent)
        lines.AddObject(parent->displayName(m.settings.showBirthSurname, m.settings.showBirth, true), parent);
    lines.AddObject(m.langText("ruzne", "neuvedeno", " neuvedeno"), nullptr);
    box.Items.Assign(lines);
    selectParent(box, parent);
}

} // namespace

void PersonEditor::fillFatherCombo()
{
    fillParentCombo(*this, zakladniSheet.otecCB, 1);
}

void PersonEditor::fillMotherCombo()
{
    fillParentCombo(*this, zakladniSheet.matkaCB, 0);
}

void PersonEditor::selectFatherInCombo()
{
    selectParent(zakladniSheet.otecCB, currentPerson ? currentPerson->father : nullptr);
}

void PersonEditor::selectMotherInCombo()
{
    selectParent(zakladniSheet.matkaCB, currentPerson ? currentPerson->mother : nullptr);
}

void PersonEditor::showParentCombos()
{
    if (!currentPerson)
        return;
    ZakladniSheet& z = zakladniSheet;
    if (z.otecCB.Focused()) {
        fillFatherCombo();
        selectFatherInCombo();
    } else {
        showParentOnly(*this, z.otecCB, currentPerson->father);
    }
    if (z.matkaCB.Focused()) {
        fillMotherCombo();
        selectMotherInCombo();
    } else {
        showParentOnly(*this, z.matkaCB, currentPerson->mother);
    }
}

void PersonEditor::otecCBEnter()
{
    if (!currentPerson || !tree())
        return;
    ShowingPerson showing(*this);
    fillFatherCombo();
    selectFatherInCombo();
}

void PersonEditor::matkaCBEnter()
{
    if (!currentPerson || !tree())
        return;
    ShowingPerson showing(*this);
    fillMotherCombo();
    selectMotherInCombo();
}

void PersonEditor::otecCBChange()
{
    changeParent(true);
}

void PersonEditor::matkaCBChange()
{
    changeParent(false);
}

void PersonEditor::changeParent(bool isFather)
{
    if (showingPerson || undoReplaying || !tree() || !currentPerson)
        return;
    Clovek* child = currentPerson;
    TComboBox& box = isFather ? zakladniSheet.otecCB : zakladniSheet.matkaCB;
    Clovek*& slot = isFather ? child->father : child->mother;
    Clovek* old = slot;
    Clovek* chosen = personOfRow(box.Items, box.ItemIndex());
    if (chosen == old)
        return;

    if (!chosen) {
        const std::string question =
            isFather ? langText("otazky", "odstranitOtce", "Opravdu odstranit nastavení otce?")
                     : langText("otazky", "odstranitMatku", "Opravdu odstranit nastavení matky?");
        if (askYesNo(question)) {
            child->buildSiblingListsAround();
            slot = nullptr;
            child->pruneSiblings();
        }
    } else {
        bool go = true;
        if (old)
            go = askYesNo(isFather ? langText("otazky", "zmenitOtce", "Opravdu změnit otce?")
                                   : langText("otazky", "zmenitMatku", "Opravdu změnit matku?"));
        const int minAge = settings.minParentChildAge;
        if (go)
            go = isFather ? checkFatherDates(*chosen, *child, minAge)
                          : checkMotherDates(*chosen, *child, minAge);
        if (go) {
            child->buildSiblingListsAround(chosen);
            slot = chosen;
            // The tree had no cycle before: a new one can only run through the new link, so
            // only the new parent's ancestors are walked, whatever way the cycle goes round.
            if (chosen == child || tree()->hasAncestorCycle(chosen)) {
                ShowMessage(
                    isFather
                        ? langText("chyby", "zacykleniOtec", "Zacyklení Lipovetau! Vracím původního otce.")
                        : langText("chyby", "zacykleniMatka", "Zacyklení Lipovetau! Vracím původní matku."));
                slot = old;
            } else {
                child->pruneSiblings();
                child->addSiblingsFromParent(chosen);
            }
        }
    }

    if (slot != old) {
        if (old && old->hasChild(child))
            old->removeChild(child);
        if (slot && !slot->hasChild(child))
            slot->appendChild(child);
        tree()->pushAction(std::make_unique<ActionParent>(child, "parent", old, slot, isFather ? 1 : 0));
    }
    {
        ShowingPerson showing(*this);
        showBasicPage();
    }
    paintPersonList();
}

void PersonEditor::otecBTClick()
{
    parentButtonClick(true);
}

void PersonEditor::matkaBTClick()
{
    parentButtonClick(false);
}

void PersonEditor::parentButtonClick(bool isFather)
{
    if (!tree() || !currentPerson)
        return;
    Clovek* child = currentPerson;
    if (Clovek* parent = isFather ? child->father : child->mother) {
        goToPerson(parent);
        return;
    }
    if (!askYesNo(isFather
                      ? langText("otazky", "vytvoritOtce", "Přejete si vytvořit otce aktuální osoby?")
                      : langText("otazky", "vytvoritMatku", "Přejete si vytvořit matku aktuální osoby?")))
        return;
    Nova1Click();
    Clovek* parent = currentPerson;
    if (!parent || parent == child)
        return;
    if (!isFather)
        parent->sex = 0;
    child->buildSiblingListsAround(parent);
    (isFather ? child->father : child->mother) = parent;
    if (!child->alive)
        parent->alive = 0;
    parent->appendChild(child);
    ShowingPerson showing(*this);
    showBasicPage();
}
