// The group manager's commands, the group-name prompt and the fill window.
#include "editor/group_lists.h"
#include "editor/group_windows.h"
#include "editor/person_editor.h"
#include "forms/naplnit_form.h"
#include "forms/nazev_skupiny_form.h"
#include "forms/spravce_skupin_form.h"
#include "model/clovek.h"
#include "model/group.h"
#include "model/rod.h"
#include "model/uk_clovek.h"
#include "shell/list_display.h"
#include "toolkit/dialogs.h"

void GroupManager::bind(PersonEditor& main)
{
    TspravceSkupinFORM& w = *spravceSkupinFORM;
    PersonEditor* m = &main;
    w.vytvoritBT.OnClick = [m] { GroupManager(*m).vytvoritBTClick(); };
    w.zkopirovatBT.OnClick = [m] { GroupManager(*m).zkopirovatBTClick(); };
    w.prejmenovatBT.OnClick = [m] { GroupManager(*m).prejmenovatBTClick(); };
    w.vyprazdnitBT.OnClick = [m] { GroupManager(*m).vyprazdnitBTClick(); };
    w.smazatBT.OnClick = [m] { GroupManager(*m).smazatBTClick(); };
    w.invertovatBT.OnClick = [m] { GroupManager(*m).invertovatBTClick(); };
    w.naplnitBT.OnClick = [m] { GroupManager(*m).naplnitBTClick(); };
    w.hromadneBT.OnClick = [m] { GroupManager(*m).hromadneBTClick(); };
    w.predciBT.OnClick = [m] { GroupManager(*m).addRelatives(&Rod::markAncestors); };
    w.detiBT.OnClick = [m] { GroupManager(*m).addRelatives(&Rod::markDescendants); };
    w.partneriBT.OnClick = [m] { GroupManager(*m).addRelatives(&Rod::markPartners); };
    w.sourozenciBT.OnClick = [m] { GroupManager(*m).addRelatives(&Rod::markSiblings); };
    w.skupinyLIST.OnClick = [m] { GroupManager(*m).skupinyLISTClick(); };
    w.clenoveLIST.OnClickCheck = [m] { GroupManager(*m).clenoveLISTClickCheck(); };
    if (TnaplnitFORM* f = naplnitFORM) {
        f->muziBT.OnClick = [m] { GroupManager(*m).muziBTClick(); };
        f->zenyBT.OnClick = [m] { GroupManager(*m).zenyBTClick(); };
        f->zacatekBT.OnClick = [m] { GroupManager(*m).zacatekBTClick(); };
    }
    if (TnazevSkupinyFORM* p = nazevSkupinyFORM)
        p->OnShow = [p] { p->nazevED.SetFocus(); };
}

Group* GroupManager::selectedGroup()
{
    const TListBox& list = spravceSkupinFORM->skupinyLIST;
    const int line = list.ItemIndex();
    if (!main_.tree() || line < 0 || line >= list.Items.Count())
        return nullptr;
    return main_.tree()->findGroup(list.Items[line]);
}

Group* GroupManager::selectedGroupOrTell()
{
    Group* group = selectedGroup();
    if (!group)
        ShowMessage(main_.langText("chyby", "zadnaSkupina", "Není vybrána žádná skupina!"));
    return group;
}

bool GroupManager::askGroupName(std::string& name, const std::string* present)
{
    TnazevSkupinyFORM& prompt = *nazevSkupinyFORM;
    prompt.nazevED.setText(present ? *present : std::string());
    for (;;) {
        if (prompt.ShowModal() != mrOk)
            return false;
        name = prompt.nazevED.Text();
        if (present && name == *present)
            return true;
        if (main_.tree()->groupExists(name))
            ShowMessage(main_.langText("chyby", "jizExistuje", "Skupina tohoto názvu již existuje!"));
        else if (name.empty())
            ShowMessage(
                main_.langText("chyby", "nemuzeBytPrazdny", "Název skupiny nemůže být prázdný řetězec!"));
        else
            return true;
    }
}

void GroupManager::vytvoritBTClick()
{
    std::string name;
    if (!main_.tree() || !askGroupName(name, nullptr))
        return;
    main_.tree()->groups.append(std::make_unique<Group>(name));
    main_.selectManagedGroup(name);
}

void GroupManager::zkopirovatBTClick()
{
    Group* source = selectedGroupOrTell();
    std::string name;
    if (!source || !askGroupName(name, nullptr))
        return;
    Group* copy = main_.tree()->groups.append(std::make_unique<Group>(name));
    for (UkGrClovek* m : source->members.items<UkGrClovek>())
        copy->addMember(m->person());
    main_.selectManagedGroup(name);
}

void GroupManager::prejmenovatBTClick()
{
    Group* group = selectedGroupOrTell();
    if (!group)
        return;
    const std::string present = group->name;
    std::string name;
    if (!askGroupName(name, &present) || name == present)
        return;
    group->name = name;
    TStringList& lines = spravceSkupinFORM->skupinyLIST.Items;
    const int old = exactIndexOf(lines, present);
    if (old >= 0)
        lines.Delete(old);
    lines.Add(name);
    spravceSkupinFORM->skupinyLIST.setItemIndex(exactIndexOf(lines, name));
}

void GroupManager::vyprazdnitBTClick()
{
    Group* group = selectedGroupOrTell();
    if (!group ||
        !main_.askYesNo(main_.langText("skupiny", "opravduVyprazdnit", "Opravdu vyprázdnit skupinu?")))
        return;
    group->members.clear();
    main_.selectManagedGroup(group->name);
}

void GroupManager::smazatBTClick()
{
    Group* group = selectedGroupOrTell();
    if (!group ||
        !main_.askYesNo(main_.langText("skupiny", "opravduOdstranit", "Opravdu odstranit skupinu?")))
        return;
    main_.tree()->groups.remove(group);
    spravceSkupinFORM->skupinyLIST.setItemIndex(-1);
    main_.fillGroupManagerLists();
}

void GroupManager::invertovatBTClick()
{
    Group* group = selectedGroupOrTell();
    if (!group)
        return;
    main_.tree()->invertGroup(*group);
    main_.selectManagedGroup(group->name);
}

void GroupManager::naplnitBTClick()
{
    if (!selectedGroupOrTell())
        return;
    naplnitFORM->ShowModal();
    main_.showManagedGroupMembers();
}

void GroupManager::addRelatives(void (Rod::*extend)())
{
    TCheckListBox& lines = spravceSkupinFORM->clenoveLIST;
    Group* group = selectedGroup();
    if (lines.Items.Count() == 0 || !group)
        return;
    Rod& tree = *main_.tree();
    const ListDisplay display(main_.settings);
    const auto byName = tree.personsByDisplayName(display);
    tree.clearMarks();
    tree.setAllPassMarks(0);
    std::vector<Clovek*> personOfLine(static_cast<size_t>(lines.Items.Count()), nullptr);
    for (int i = 0; i < lines.Items.Count(); ++i) {
        const auto found = byName.find(lines.Items[i]);
        if (found == byName.end())
            continue;
        personOfLine[size_t(i)] = found->second;
        // Two lines of one text name one person: a tick on either marks it.
        if (lines.Checked(i))
            found->second->mark = 1;
    }
    (tree.*extend)();
    for (int i = 0; i < lines.Items.Count(); ++i)
        if (const Clovek* p = personOfLine[size_t(i)])
            lines.setChecked(i, p->mark != 0);
    tree.addMarkedToGroup(*group);
}

void GroupManager::skupinyLISTClick()
{
    main_.showManagedGroupMembers();
}

void GroupManager::clenoveLISTClickCheck()
{
    TCheckListBox& lines = spravceSkupinFORM->clenoveLIST;
    Group* group = selectedGroup();
    const int line = lines.ItemIndex();
    if (!group || line < 0 || line >= lines.Items.Count())
        return;
    Clovek* person =
        main_.tree()->findPersonByDisplayName(lines.Items[line], main_.settings.showBirthSurname, true, true);
    if (!person)
        return;
    if (lines.Checked(line)) {
        if (!group->contains(person))
            group->addMember(person);
    } else {
        group->removeMember(person);
    }
}

template<class Qualifies> void GroupManager::refillSelected(Qualifies qualifies)
{
    Group* group = selectedGroup();
    if (!group)
        return;
    main_.tree()->refillGroup(*group, qualifies);
    ShowMessage("Skupina byla naplněna požadovanými daty.");
}

void GroupManager::muziBTClick()
{
    refillSelected([](const Clovek& p) { return p.sex != 0; });
}

void GroupManager::zenyBTClick()
{
    refillSelected([](const Clovek& p) { return p.sex == 0; });
}

void GroupManager::zacatekBTClick()
{
    const std::string prefix = naplnitFORM->zacatekED.Text();
    if (prefix.empty()) {
        ShowMessage("Musíte zadat začátek příjmení.");
        return;
    }
    refillSelected([&prefix](const Clovek& p) {
        return p.surname.starts_with(prefix) || p.birthSurname.starts_with(prefix);
    });
}
