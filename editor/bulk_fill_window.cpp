// Bulk fill from the group manager: one text into one field of a group's members or of every
// person, after a question.
#include "editor/group_lists.h"
#include "editor/group_windows.h"
#include "editor/person_editor.h"
#include "forms/co_vyplnit_form.h"
#include "forms/hromadne_form.h"
#include "model/bulk_fill.h"
#include "model/group.h"
#include "model/rod.h"

namespace {

// The field's name is its button's caption, which also titles the prompt for the text.
struct FillField {
    TButton ThromadneFORM::*button;
    BulkField field;
    const char* leadIn;
    const char* ending;
};

constexpr const char* kReplace = "Vyplnit celé skupině text";
constexpr const char* kAppend = "Vložit celé skupině text";

const FillField fillFields[] = {
    {&ThromadneFORM::mistoNarozeniBT, BulkField::birthPlace, kReplace, "jako místo narození?"},
    {&ThromadneFORM::mistoUmrtiBT, BulkField::deathPlace, kReplace, "jako místo úmrtí?"},
    {&ThromadneFORM::mistoPohrbeni, BulkField::burialPlace, kReplace, "jako místo pohřbení?"},
    {&ThromadneFORM::bydlisteBT, BulkField::residence, kAppend, "jako bydliště?"},
    {&ThromadneFORM::vzdelaniBT, BulkField::education, kAppend, "jako vzdělání?"},
    {&ThromadneFORM::povolaniBT, BulkField::occupation, kAppend, "jako povolání?"},
    {&ThromadneFORM::vyznaniBT, BulkField::religion, kReplace, "jako vyznání?"},
    {&ThromadneFORM::narodnostBT, BulkField::nationality, kReplace, "jako národnost?"},
    {&ThromadneFORM::statniPrislusnostBT, BulkField::citizenship, kReplace, "jako státní příslušnost?"},
};

} // namespace

void GroupManager::hromadneBTClick()
{
    ThromadneFORM& w = *hromadneFORM;
    BulkFill::bind(main_);
    w.skupinyLIST.Items.Clear();
    w.skupinyLIST.Items.Add(main_.port.allPersonsEntry());
    if (main_.tree())
        addGroupNames(w.skupinyLIST.Items, *main_.tree());
    w.skupinyLIST.setItemIndex(-1);
    w.ShowModal();
}

void BulkFill::bind(PersonEditor& main)
{
    ThromadneFORM& w = *hromadneFORM;
    PersonEditor* m = &main;
    for (int i = 0; i < int(std::size(fillFields)); ++i)
        (w.*fillFields[i].button).OnClick = [m, i] { BulkFill(*m).fieldClick(i); };
}

Group* BulkFill::selectedGroup()
{
    const TListBox& list = hromadneFORM->skupinyLIST;
    const int line = list.ItemIndex();
    if (!main_.tree() || line < 0 || line >= list.Items.Count())
        return nullptr;
    return main_.tree()->findGroup(list.Items[line]);
}

std::string BulkFill::askFillText(const std::string& label)
{
    TcoVyplnitFORM& prompt = *coVyplnitFORM;
    prompt.Caption = label;
    if (prompt.ShowModal() != mrOk)
        return cancelMarker;
    return prompt.zadejteED.Text();
}

void BulkFill::fieldClick(int index)
{
    const FillField& f = fillFields[index];
    if (!main_.tree() || hromadneFORM->skupinyLIST.ItemIndex() < 0)
        return;
    const Group* group = selectedGroup();
    const std::string text = askFillText((hromadneFORM->*f.button).Caption);
    if (text == cancelMarker)
        return;
    if (!main_.askYesNo(std::string(f.leadIn) + " \"" + text + "\" " + f.ending))
        return;
    const int skipped = bulkFill(*main_.tree(), group, f.field, text);
    // The birth place and the life-period entries count in the share of filled fields, which the
    // list shows and may be sorted by.
    main_.tree()->updateAllPercentFilled();
    if (main_.personList.chosenSortKey() == PersonSortKey::byPercent)
        main_.sortPersonList();
    main_.paintPersonList();
    tellLockedSkipped(main_, skipped);
}
