// The residence, education and occupation lists of the basic-data page: one list box with new,
// edit and delete (each an undo step) and up and down (not recorded) per kind, and the small
// entry window they share, which offers the texts of that kind already used in the tree.
#include "editor/person_editor.h"
#include "model/casove_obdobi.h"
#include "model/clovek.h"
#include "model/rod.h"
#include "shell/value_dialogs.h"
#include "system/stringlist.h"
#include "toolkit/lists.h"

namespace {

struct PeriodControls {
    TListBox& list;
    TButton& add;
    TButton& edit;
    TButton& remove;
    TSpeedButton& up;
    TSpeedButton& down;
    SparseList Clovek::*entries;
    const char* key; // of the undo steps
    void (Rod::*values)(TStringList&) const;
    const char* deleteQuestionKey;
};

PeriodControls controlsOf(ZakladniSheet& z, PersonEditor::PeriodList which)
{
    switch (which) {
    case PersonEditor::PeriodList::residences:
        return {z.bydlisteLIST,           z.noveBydlisteBT, z.upravBydlisteBT,   z.smazatBydlisteBT,
                z.nahoruBydlisteBT,       z.doluBydlisteBT, &Clovek::residences, "bydliste",
                &Rod::distinctResidences, "smazatBydliste"};
    case PersonEditor::PeriodList::educations:
        return {z.vzdelaniLIST,           z.noveVzdelaniBT, z.upravVzdelaniBT,   z.smazatVzdelaniBT,
                z.nahoruVzdelaniBT,       z.doluVzdelaniBT, &Clovek::educations, "vzdelani",
                &Rod::distinctEducations, "smazatVzdelani"};
    case PersonEditor::PeriodList::occupations:
        break;
    }
    return {z.povolaniLIST,       z.novePovolaniBT,   z.upravPovolaniBT,
            z.smazatPovolaniBT,   z.nahoruPovolaniBT, z.doluPovolaniBT,
            &Clovek::occupations, "povolani",         &Rod::distinctOccupations,
            "smazatPovolani"};
}

// The entry window with the three texts in it and the tree's texts of the kind offered; true
// when the person confirmed.
bool askPeriod(const Rod& tree, const PeriodControls& c, CasoveObdobi& entry)
{
    TcasoveObdobiFORM& form = *casoveObdobiFORM;
    TStringList values;
    (tree.*c.values)(values);
    form.textCB.Items.Assign(values);
    form.textCB.setText(entry.text);
    form.odED.setText(entry.from);
    form.doED.setText(entry.to);
    if (form.ShowModal() != mrOk)
        return false;
    entry.text = form.textCB.Text();
    entry.from = form.odED.Text();
    entry.to = form.doED.Text();
    return true;
}

// The entry of the selected row of the shown person's list, or none.
CasoveObdobi* selectedEntry(Clovek* person, const PeriodControls& c)
{
    return person ? static_cast<CasoveObdobi*>((person->*c.entries).at(c.list.ItemIndex())) : nullptr;
}

} // namespace

void PersonEditor::bindLifePeriodEvents()
{
    for (PeriodList which : {PeriodList::residences, PeriodList::educations, PeriodList::occupations}) {
        PeriodControls c = controlsOf(zakladniSheet, which);
        c.add.OnClick = [this, which] { newPeriodEntry(which); };
        c.edit.OnClick = [this, which] { editPeriodEntry(which); };
        c.remove.OnClick = [this, which] { deletePeriodEntry(which); };
        c.up.OnClick = [this, which] { movePeriodEntry(which, true); };
        c.down.OnClick = [this, which] { movePeriodEntry(which, false); };
        TListBox& list = c.list;
        list.OnClick = [this, which, &list] { fillPeriodList(which, list.ItemIndex()); };
        list.OnDblClick = [this, which, &list] {
            if (list.ItemIndex() >= 0 && currentPerson && !currentPerson->lock)
                editPeriodEntry(which);
        };
    }
}

void PersonEditor::fillResidenceList(int row)
{
    fillPeriodList(PeriodList::residences, row);
}

void PersonEditor::fillEducationList(int row)
{
    fillPeriodList(PeriodList::educations, row);
}

void PersonEditor::fillOccupationList(int row)
{
    fillPeriodList(PeriodList::occupations, row);
}

void PersonEditor::fillPeriodList(PeriodList which, int row)
{
    PeriodControls c = controlsOf(zakladniSheet, which);
    std::vector<std::string> rows;
    if (currentPerson)
        currentPerson->fillPeriodTexts(currentPerson->*c.entries, rows);
    c.list.Items.Clear();
    for (const std::string& text : rows)
        c.list.Items.Add(text);
    c.list.setItemIndex(row < static_cast<int>(rows.size()) ? row : -1);
    updatePeriodButtons(which);
}

void PersonEditor::updatePeriodButtons(PeriodList which)
{
    PeriodControls c = controlsOf(zakladniSheet, which);
    const int row = c.list.ItemIndex();
    const bool unlocked = currentPerson && !currentPerson->lock;
    c.edit.Enabled = row >= 0 && unlocked;
    c.remove.Enabled = row >= 0 && unlocked;
    c.up.Enabled = row > 0;
    c.down.Enabled = row >= 0 && row < c.list.Items.Count() - 1;
}

void PersonEditor::newPeriodEntry(PeriodList which)
{
    if (!tree() || !currentPerson)
        return;
    PeriodControls c = controlsOf(zakladniSheet, which);
    CasoveObdobi typed("");
    if (!askPeriod(*tree(), c, typed))
        return;
    SparseList& entries = currentPerson->*c.entries;
    CasoveObdobi* entry = entries.append(std::make_unique<CasoveObdobi>(typed));
    fillPeriodList(which, entries.indexOf(entry));
    refreshPercentFilled(currentPerson);
    tree()->recordPeriodChange(currentPerson, c.key, nullptr, entry);
}

void PersonEditor::editPeriodEntry(PeriodList which)
{
    PeriodControls c = controlsOf(zakladniSheet, which);
    CasoveObdobi* entry = selectedEntry(currentPerson, c);
    if (!tree() || !entry)
        return;
    SparseList& entries = currentPerson->*c.entries;
    CasoveObdobi typed(*entry);
    if (!askPeriod(*tree(), c, typed))
        return;
    const CasoveObdobi before(*entry);
    entry->text = typed.text;
    entry->from = typed.from;
    entry->to = typed.to;
    fillPeriodList(which, entries.indexOf(entry));
    if (before.differsFrom(*entry))
        tree()->recordPeriodChange(currentPerson, c.key, &before, entry);
}

void PersonEditor::deletePeriodEntry(PeriodList which)
{
    PeriodControls c = controlsOf(zakladniSheet, which);
    CasoveObdobi* entry = selectedEntry(currentPerson, c);
    if (!tree() || !entry)
        return;
    SparseList& entries = currentPerson->*c.entries;
    if (!askYesNo(langText("otazky", c.deleteQuestionKey, "Opravdu smazat tuto položku?")))
        return;
    tree()->recordPeriodChange(currentPerson, c.key, entry, nullptr);
    entries.remove(entry);
    fillPeriodList(which, entries.count() > 0 ? 0 : -1);
    refreshPercentFilled(currentPerson);
}

void PersonEditor::movePeriodEntry(PeriodList which, bool up)
{
    if (!currentPerson)
        return;
    PeriodControls c = controlsOf(zakladniSheet, which);
    SparseList& entries = currentPerson->*c.entries;
    const int row = c.list.ItemIndex();
    const int first = up ? row - 1 : row;
    if (row < 0 || first < 0 || first + 1 >= entries.count())
        return;
    entries.swapWithNext(first);
    fillPeriodList(which, up ? row - 1 : row + 1);
}
