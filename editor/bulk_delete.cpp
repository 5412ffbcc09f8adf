// Bulk delete: persons marked in a check list, by hand, by family, by group, inverted or all,
// and deleted in one command.
#include "editor/group_lists.h"
#include "editor/person_editor.h"
#include "forms/hromadne_mazani_form.h"
#include "model/clovek.h"
#include "model/group.h"
#include "model/prev_next.h"
#include "model/rod.h"
#include "model/uk_clovek.h"
#include "shell/list_display.h"
#include "shell/mark_check_list.h"
#include "shell/scroll.h"

#include <functional>
#include <vector>

namespace {

// The window's handlers; the selection lives in the persons' marks.
class BulkDeleteWindow {
public:
    explicit BulkDeleteWindow(PersonEditor& main) : main_(main), w_(*hromadneMazaniFORM) { }

    static void bind(PersonEditor& main)
    {
        ThromadneMazaniFORM& w = *hromadneMazaniFORM;
        PersonEditor* m = &main;
        w.osobyLIST.OnClickCheck = [m] { BulkDeleteWindow(*m).osobyLISTClickCheck(); };
        w.invertovatBT.OnClick = [m] { BulkDeleteWindow(*m).markAndRefill(&Rod::invertMarks); };
        w.predciBT.OnClick = [m] { BulkDeleteWindow(*m).markAndRefill(&Rod::markAncestors); };
        w.detiBT.OnClick = [m] { BulkDeleteWindow(*m).markAndRefill(&Rod::markDescendants); };
        w.partneriBT.OnClick = [m] { BulkDeleteWindow(*m).markAndRefill(&Rod::markPartners); };
        w.sourozenciBT.OnClick = [m] { BulkDeleteWindow(*m).markAndRefill(&Rod::markSiblings); };
        w.vseBT.OnClick = [m] { BulkDeleteWindow(*m).markAndRefill([](Rod& t) { t.setAllMarks(1); }); };
        w.zrusBT.OnClick = [m] { BulkDeleteWindow(*m).markAndRefill(&Rod::clearMarks); };
        w.skupinaBT.OnClick = [m] { BulkDeleteWindow(*m).skupinaBTClick(); };
        w.OkBT.OnClick = [m] { BulkDeleteWindow(*m).OkBTClick(); };
    }

    void refill() { fillMarkCheckList(w_.osobyLIST, *main_.tree(), ListDisplay(main_.settings)); }

    void osobyLISTClickCheck()
    {
        const int line = w_.osobyLIST.ItemIndex();
        if (line < 0 || line >= w_.osobyLIST.Items.Count())
            return;
        if (Clovek* p = main_.tree()->findPersonByDisplayName(w_.osobyLIST.Items[line],
                                                              main_.settings.showBirthSurname, true, true))
            p->mark = w_.osobyLIST.Checked(line) ? 1 : 0;
    }

    void markAndRefill(const std::function<void(Rod&)>& operation)
    {
        operation(*main_.tree());
        refill();
    }

    void skupinaBTClick()
    {
        if (w_.skupinyCB.Text().empty())
            return;
        main_.tree()->setAllMarks(0);
        if (const Group* group = main_.tree()->findGroup(w_.skupinyCB.Text()))
            for (UkGrClovek* m : group->members.items<UkGrClovek>())
                if (m->person())
                    m->person()->mark = 1;
        refill();
    }

    void OkBTClick()
    {
        if (!main_.askYesNo(main_.langText("otazky", "smazatHromadne", "Opravdu smazat vybrané osoby?")))
            return;
        w_.ModalResult = mrOk;
        tellLockedSkipped(main_, main_.deleteMarkedPersons());
    }

private:
    PersonEditor& main_;
    ThromadneMazaniFORM& w_;
};

} // namespace

void PersonEditor::HromadneMazani1Click()
{
    if (!tree() || !hromadneMazaniFORM)
        return;
    ThromadneMazaniFORM& w = *hromadneMazaniFORM;
    BulkDeleteWindow::bind(*this);
    tree()->clearMarks();
    BulkDeleteWindow(*this).refill();
    w.skupinyCB.Items.Clear();
    addGroupNames(w.skupinyCB.Items, *tree());
    w.skupinyCB.setItemIndex(-1);
    w.ShowModal();
}

int PersonEditor::deleteMarkedPersons()
{
    if (!tree())
        return 0;
    // The lock guards a person against every change, this one most of all.
    int skipped = 0;
    tree()->forEachPerson([&](Clovek* p) {
        if (p->mark && p->lock) {
            p->mark = 0;
            ++skipped;
        }
    });
    port.clearChangeHistory();
    // A tree that lost persons in bulk is saved under a name chosen anew.
    tree()->fileName.clear();
    std::vector<Clovek*> leaving;
    tree()->forEachPerson([&](Clovek* p) {
        if (p->mark)
            leaving.push_back(p);
    });
    if (leaving.empty())
        return skipped;
    // Lines typed into a memo belong to a person who may be going.
    port.commitMemos();
    WaitShown shown(port);

    // Where the list's selection ends when the last person goes and no visited person is left
    // to take over: the last person's row, less the rows that went before it.
    int stayAt = 0;
    if (personList.hasView() && !leaving.empty()) {
        int index = 0, goneBefore = 0;
        for (Polozka* r = personList.firstRow(); r; r = r->next, ++index) {
            if (r->person == leaving.back()) {
                stayAt = index - goneBefore;
                break;
            }
            if (r->person->mark)
                ++goneBefore;
        }
    }
    currentPerson = nullptr;
    personList.setCurrentRow(nullptr);
    PrevNext* history = port.visitHistory();
    for (Clovek* p : leaving) {
        port.advanceWaitProgress(1);
        // Each deleted person was shown on its way out: its visit is taken back with it.
        if (history) {
            history->push(p);
            history->removePerson(p);
        }
    }
    if (personList.hasView()) {
        personList.removeRowsOf([](const Clovek* p) { return p->mark != 0; });
        personList.select(stayAt);
    }
    tree()->removePersons(leaving);
    // As after the last of the deletions one by one, except that the person is shown.
    selectPersonAfterDeletion(false);
    return skipped;
}
