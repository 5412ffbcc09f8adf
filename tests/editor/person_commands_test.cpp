// The person commands as a person uses them: a new person from the menu, the tool bar and F2,
// deleting the shown person (alone, among others, under a group filter), the lock, and undo and
// redo of each from the menu, the tool bar and Ctrl+Z / Ctrl+Y.
#include "../shell/empty_tree_fixture.h"
#include "editor/person_field_controls.h"
#include "forms/hromadne_mazani_form.h"
#include "model/action_list.h"
#include "model/group.h"
#include "model/prev_next.h"
#include "model/uk_clovek.h"
#include "shell/scroll.h"
#include "toolkit/keys.h"

#include <gtest/gtest.h>

namespace {

struct PersonCommands : EmptyTreeTest {
    void SetUp() override
    {
        EmptyTreeTest::SetUp();
        hl().editor.fillGroupsCombo("");
        hl().settings.showBirth = false;
        hl().settings.showBirthSurname = false;
    }
    Clovek* add(const std::string& first, const std::string& surname)
    {
        Clovek* p = addPerson(first, surname);
        hl().personList.add(p);
        hl().personList.sort(PersonSortKey::byName);
        hl().enableControls(true, true);
        return p;
    }
    void show(Clovek* p) { hl().editor.showPersonOfStep(p); }
    std::string listed()
    {
        std::string s;
        for (Polozka* r = hl().personList.firstRow(); r; r = r->next)
            s += (r == hl().personList.firstRow() ? "" : "|") + r->person->firstName;
        return s;
    }
    std::string question() { return windows->anoNe.Label1.Caption; }
    // On the further-texts page, a line typed into its memo; the memo keeps the focus.
    void typeFurtherText(const std::string& line)
    {
        user::selectTab(hl().layout().pages, hl().layout().doplnujiciTextyASoubory);
        TMemo& memo = hl().editor.doplnujiciSheet.doplnujiciTextyMEMO;
        user::focus(memo);
        user::type(memo, line);
    }
};

TEST_F(PersonCommands, TheFirstPersonOpensThePagesAndUndoDeletesItAfterAsking)
{
    EXPECT_FALSE(hl().layout().zakladniUdaje.TabVisible());
    user::click(hl().layout().NovaOsobaBT);

    ASSERT_EQ(hl().session.tree()->personCount(), 1);
    Clovek* created = current();
    ASSERT_NE(created, nullptr);
    EXPECT_EQ(created->identifier, "0");
    EXPECT_EQ(created->alive, 1);
    EXPECT_TRUE(hl().layout().zakladniUdaje.TabVisible());
    EXPECT_TRUE(hl().layout().scrolling.Visible);
    EXPECT_EQ(hl().layout().pages.ActivePage(), &hl().layout().zakladniUdaje);
    EXPECT_TRUE(z().jmenoCB.Focused());
    EXPECT_EQ(hl().personList.currentRow()->person, created);
    EXPECT_TRUE(hl().layout().Vymaz1.Enabled);
    EXPECT_TRUE(hl().layout().ZpetBT.Enabled);
    EXPECT_EQ(steps(), 1);

    user::type(z().jmenoCB, "Jan");
    EXPECT_EQ(created->firstName, "Jan");
    EXPECT_EQ(listed(), "Jan");
    EXPECT_EQ(hl().layout().nadpisJmenoLB.Caption, "Jan, ?");

    // Ctrl+Z takes the name back, then asks before it takes the person back.
    user::pressKey(hl().layout(), 'Z', ssCtrl);
    EXPECT_EQ(created->firstName, "");
    script.press("", "anoBT");
    user::pressKey(hl().layout(), 'Z', ssCtrl);
    EXPECT_EQ(question(), "Opravdu vymazat osobu   (0)?");
    EXPECT_EQ(hl().session.tree()->personCount(), 0);
    EXPECT_EQ(current(), nullptr);
    EXPECT_EQ(hl().layout().pages.ActivePage(), &hl().layout().obecne);
    EXPECT_FALSE(hl().layout().zakladniUdaje.TabVisible());
    EXPECT_FALSE(hl().layout().Vymaz1.Enabled);
    EXPECT_TRUE(hl().layout().NovaOsobaBT.Enabled);
    EXPECT_FALSE(hl().layout().ZpetBT.Enabled);
    EXPECT_FALSE(hl().layout().ZnovuBT.Enabled);
}

TEST_F(PersonCommands, UndoingACreatedPersonAnsweredNoKeepsPersonAndStep)
{
    Clovek* eva = add("Eva", "Malá");
    show(eva);
    user::pressKey(hl().layout(), VK_F2);
    Clovek* created = current();
    ASSERT_NE(created, eva);
    EXPECT_EQ(listed(), "|Eva"); // an unnamed person sorts first

    script.press("", "neBT");
    user::click(hl().layout().Zpet1);
    EXPECT_EQ(hl().session.tree()->personCount(), 2);
    EXPECT_EQ(current(), created);
    EXPECT_TRUE(hl().layout().Zpet1.Enabled);

    script.press("", "anoBT");
    user::click(hl().layout().ZpetBT);
    EXPECT_EQ(hl().session.tree()->personCount(), 1);
    // The person shown before the new one comes back.
    EXPECT_EQ(current(), eva);
    EXPECT_EQ(z().jmenoCB.Text(), "Eva");
    EXPECT_EQ(listed(), "Eva");
}

TEST_F(PersonCommands, ANewPersonTakesTheLowestFreeNumberAndCountsTheLeftPersonsShare)
{
    Clovek* a = add("Adam", "Bor");
    Clovek* b = add("Bára", "Bor");
    show(b);
    show(a);
    script.press("", "anoBT");
    user::click(hl().layout().SmazOsobuBT);
    ASSERT_EQ(current(), b);
    const int before = b->percentFilled;
    b->birthPlace = "Brno"; // not through its box, so the share is not counted yet
    user::click(hl().layout().Nova1);
    EXPECT_EQ(current()->number, 0);
    EXPECT_EQ(current()->identifier, "0");
    EXPECT_GT(b->percentFilled, before);
}

TEST_F(PersonCommands, DeletingAsksEmptiesTheHistoryAndShowsThePersonVisitedBefore)
{
    Clovek* a = add("Adam", "Bor");
    Clovek* b = add("Bára", "Cap");
    Clovek* c = add("Cyril", "Dub");
    show(a);
    show(c);
    show(b);
    user::focus(z().titulPredCB);
    user::type(z().titulPredCB, "Ing.");
    EXPECT_TRUE(hl().layout().Zpet1.Enabled);

    // No keeps the person, yet the history is gone.
    script.press("", "neBT");
    user::click(hl().layout().Vymaz1);
    EXPECT_EQ(question(), "Opravdu vymazat osobu Cap Bára (1)?");
    EXPECT_EQ(hl().session.tree()->personCount(), 3);
    EXPECT_EQ(current(), b);
    EXPECT_FALSE(hl().layout().Zpet1.Enabled);
    EXPECT_FALSE(hl().layout().ZnovuBT.Enabled);

    script.press("", "anoBT");
    user::click(hl().layout().SmazOsobuBT);
    EXPECT_EQ(hl().session.tree()->personCount(), 2);
    EXPECT_EQ(current(), c);
    EXPECT_EQ(hl().personList.currentRow()->person, c);
    EXPECT_EQ(z().jmenoCB.Text(), "Cyril");
    EXPECT_EQ(hl().layout().nadpisJmenoLB.Caption, "Cyril Dub, ?");
    EXPECT_EQ(listed(), "Adam|Cyril");
    EXPECT_EQ(hl().history->current(), c);
}

TEST_F(PersonCommands, TheBirthYearSettingNamesThePersonInTheQuestion)
{
    Clovek* eva = add("Eva", "Malá");
    eva->sex = 0;
    eva->birthSurname = "Bílá";
    eva->birth.year = "1901";
    hl().settings.showBirth = true;
    hl().settings.showBirthSurname = true;
    show(eva);
    script.press("", "neBT");
    user::click(hl().layout().Vymaz1);
    EXPECT_EQ(question(), "Opravdu vymazat osobu Bílá Eva, 1901 (0)?");
}

TEST_F(PersonCommands, DeletingUnderAGroupFilterStaysInTheGroupOrFallsBackToAll)
{
    Clovek* a = add("Adam", "Bor");
    Clovek* b = add("Bára", "Cap");
    Clovek* c = add("Cyril", "Dub");
    Clovek* d = add("David", "Eben");
    auto* g = new Group("Rodina");
    g->members.append(std::make_unique<UkGrClovek>(a));
    g->members.append(std::make_unique<UkGrClovek>(c));
    g->members.append(std::make_unique<UkGrClovek>(d));
    hl().session.tree()->groups.append(std::unique_ptr<Prvek>(g));
    show(d);
    show(b);
    show(a);
    hl().editor.fillGroupsCombo("Rodina");
    hl().editor.filterListByGroup();
    EXPECT_EQ(listed(), "Adam|Cyril|David");

    // Bára was visited before Adam, but the list shows the group: the row now at Adam's place.
    script.press("", "anoBT");
    user::click(hl().layout().Vymaz1);
    EXPECT_EQ(listed(), "Cyril|David");
    EXPECT_EQ(current(), c);

    // David, visited before, belongs to the group.
    show(d);
    show(c);
    script.press("", "anoBT");
    user::click(hl().layout().Vymaz1);
    EXPECT_EQ(current(), d);

    // The group's last member: the list shows every person again.
    script.press("", "anoBT");
    user::click(hl().layout().Vymaz1);
    EXPECT_EQ(hl().layout().skupinyCB.Text(), hl().allPersonsGroupName);
    EXPECT_EQ(listed(), "Bára");
    EXPECT_EQ(current(), b);
    EXPECT_EQ(hl().personList.currentRow()->person, b);
}

TEST_F(PersonCommands, DeletingTheLastPersonLeavesTheGeneralTabAndAnEmptyTree)
{
    Clovek* a = add("Adam", "Bor");
    show(a);
    hl().layout().pages.setActivePage(&hl().layout().shrnutiOsoby);
    script.press("", "anoBT");
    user::click(hl().layout().Vymaz1);
    EXPECT_EQ(hl().session.tree()->personCount(), 0);
    EXPECT_EQ(current(), nullptr);
    EXPECT_EQ(hl().personList.currentRow(), nullptr);
    EXPECT_EQ(hl().layout().pages.ActivePage(), &hl().layout().obecne);
    EXPECT_FALSE(hl().layout().shrnutiOsoby.TabVisible());
    EXPECT_FALSE(hl().layout().scrolling.Visible);
    EXPECT_FALSE(hl().layout().SmazOsobuBT.Enabled);
    EXPECT_FALSE(hl().layout().Hledej1.Enabled);
    EXPECT_EQ(hl().history->current(), nullptr);
}

TEST_F(PersonCommands, BulkDeletionInABulkRunShowsNobody)
{
    Clovek* a = add("Adam", "Bor");
    Clovek* b = add("Bára", "Cap");
    show(b);
    show(a);
    hl().layout().pages.setActivePage(&hl().layout().obecne);
    hl().editor.deleteCurrentPerson(true);
    EXPECT_EQ(current(), b);
    EXPECT_EQ(hl().personList.currentRow()->person, b);
    // Nothing was shown: the page and the heading are as they were.
    EXPECT_EQ(hl().layout().pages.ActivePage(), &hl().layout().obecne);
    EXPECT_EQ(hl().layout().nadpisJmenoLB.Caption, "Adam Bor, ?");
}

TEST_F(PersonCommands, TheBulkDeletionWindowOpensWithNobodyMarked)
{
    Clovek* a = add("Adam", "Bor");
    add("Bára", "Cap");
    a->mark = 1;
    hl().session.tree()->groups.append(std::make_unique<Group>("Rodina"));
    hl().session.tree()->groups.append(std::make_unique<Group>("Sousedé"));
    show(a);
    int ticked = -1;
    std::vector<std::string> groups;
    script.modal("hromadneMazaniFORM", [&](TForm& f) {
        auto& w = static_cast<ThromadneMazaniFORM&>(f);
        ticked = 0;
        for (int i = 0; i < w.osobyLIST.Items.Count(); ++i)
            ticked += w.osobyLIST.Checked(i) ? 1 : 0;
        EXPECT_EQ(w.osobyLIST.Items.Count(), 2);
        for (int i = 0; i < w.skupinyCB.Items.Count(); ++i)
            groups.push_back(w.skupinyCB.Items[i]);
        f.ModalResult = 2;
    });
    user::click(hl().layout().HromadneMazani1);
    EXPECT_EQ(ticked, 0);
    EXPECT_EQ(groups, (std::vector<std::string>{"Rodina", "Sousedé"}));
}

TEST_F(PersonCommands, TheLockDisablesThePersonsFieldsAndUndoUnlocks)
{
    Clovek* a = add("Adam", "Bor");
    Clovek* b = add("Bára", "Cap");
    show(a);
    user::click(hl().layout().zamekCH);
    EXPECT_EQ(a->lock, 1);
    for (TControl* c : std::initializer_list<TControl*>{
             &z().jmenoCB, &z().narozRokED, &z().nastavNeznameNarozeniBT, &z().zivaZesnulaCH, &z().otecCB,
             &z().bydlisteLIST, &z().upravBydlisteBT, &z().vlozHlavaBT})
        EXPECT_FALSE(c->Enabled) << c->Name;
    EXPECT_TRUE(hl().layout().zamekCH.Enabled);
    EXPECT_TRUE(z().vytvorDiteBT.Enabled);
    EXPECT_TRUE(z().vytvorSvatbuBT.Enabled);
    EXPECT_EQ(steps(), 1);

    // Another person is editable; coming back, the lock holds again.
    show(b);
    EXPECT_FALSE(hl().layout().zamekCH.Checked());
    EXPECT_TRUE(z().jmenoCB.Enabled);
    EXPECT_EQ(steps(), 1);
    show(a);
    EXPECT_TRUE(hl().layout().zamekCH.Checked());
    EXPECT_FALSE(z().jmenoCB.Enabled);

    user::pressKey(hl().layout(), 'Z', ssCtrl);
    EXPECT_EQ(a->lock, 0);
    EXPECT_FALSE(hl().layout().zamekCH.Checked());
    EXPECT_TRUE(z().jmenoCB.Enabled);
    EXPECT_TRUE(z().narozRokED.Enabled);
    // An edit button waits for a row of its list, lock or not.
    EXPECT_FALSE(z().upravBydlisteBT.Enabled);
    user::pressKey(hl().layout(), 'Y', ssCtrl);
    EXPECT_EQ(a->lock, 1);
    EXPECT_FALSE(z().jmenoCB.Enabled);
    EXPECT_EQ(steps(), 1);
}

// Every control of a person's field on the basic-data and further-data pages, the one that shows
// it and those that change it, as each page is filled for a locked person: a field whose control
// the lock leaves out stays editable. With the lock off, the controls that change the fields
// come back.
TEST_F(PersonCommands, TheLockHoldsEveryFieldOfBothPages)
{
    Clovek* a = add("Adam", "Bor");
    a->alive = 0;
    auto eachControl = [this](auto&& check) {
        for (const PersonFieldInfo& f : personFields) {
            if (f.page == EditorPage::textsAndFiles || f.field == PersonField::lock)
                continue;
            const PersonFieldControls c = personFieldControls(hl().layout(), f.field);
            check(f, c.shows, false);
            for (TControl* locked : c.locked)
                check(f, locked, true);
            for (TControl* locked : c.lockedWithSelection)
                check(f, locked, false);
        }
    };
    auto showOnBothPages = [&] {
        show(a);
        user::selectTab(hl().layout().pages, hl().layout().dalsiUdaje);
        user::selectTab(hl().layout().pages, hl().layout().zakladniUdaje);
    };
    a->lock = 1;
    showOnBothPages();
    eachControl([](const PersonFieldInfo& f, TControl* c, bool) {
        if (c) {
            EXPECT_FALSE(c->Enabled) << f.fileKey << " " << c->Name;
        }
    });
    EXPECT_TRUE(hl().layout().zamekCH.Enabled);
    EXPECT_TRUE(hl().editor.dalsiSheet.napis1BT.Enabled);

    a->lock = 0;
    showOnBothPages();
    eachControl([](const PersonFieldInfo& f, TControl* c, bool changes) {
        if (c && changes) {
            EXPECT_TRUE(c->Enabled) << f.fileKey << " " << c->Name;
        }
    });
}

TEST_F(PersonCommands, MemoLinesStayWithThePersonWhoTypedThem)
{
    Clovek* a = add("Adam", "Bor");
    Clovek* b = add("Bára", "Cap");
    Clovek* c = add("Cyril", "Dub");
    show(a);
    typeFurtherText("kovář");
    // Away to another page, then two persons through the list: the memo still holds Adam's line.
    user::selectTab(hl().layout().pages, hl().layout().zakladniUdaje);
    show(b);
    show(c);
    ASSERT_EQ(a->furtherTexts().size(), 1u);
    EXPECT_EQ(a->furtherTexts()[0], "kovář");
    EXPECT_TRUE(b->furtherTexts().empty());
    EXPECT_TRUE(c->furtherTexts().empty());
}

TEST_F(PersonCommands, ALineTypedIntoAMemoIsStoredBeforeUndo)
{
    Clovek* a = add("Adam", "Bor");
    show(a);
    user::focus(z().prijmeniCB);
    user::type(z().prijmeniCB, "a");
    typeFurtherText("mlynář");
    // The memo's visit is the latest step: the line is stored first, then taken back, and the
    // redo brings it again.
    user::click(hl().layout().ZpetBT);
    EXPECT_TRUE(a->furtherTexts().empty());
    EXPECT_NE(a->surname, "Bor");
    user::click(hl().layout().ZnovuBT);
    ASSERT_EQ(a->furtherTexts().size(), 1u);
    EXPECT_EQ(a->furtherTexts()[0], "mlynář");
    user::click(hl().layout().ZpetBT);
    user::click(hl().layout().ZpetBT);
    EXPECT_EQ(a->surname, "Bor");
}

TEST_F(PersonCommands, DeletingAPersonWhoseMemoWasTypedInGivesTheLinesToNobody)
{
    Clovek* a = add("Adam", "Bor");
    Clovek* b = add("Bára", "Cap");
    show(b);
    show(a);
    typeFurtherText("kovář");
    user::selectTab(hl().layout().pages, hl().layout().zakladniUdaje);
    script.press("", "anoBT");
    user::click(hl().layout().SmazOsobuBT);
    EXPECT_EQ(current(), b);
    user::click(hl().layout().Nova1);
    EXPECT_TRUE(b->furtherTexts().empty());
}

} // namespace

// A new person's row alone finds its place: the other rows are not read again (a big tree's list
// is not sorted whole), so a name changed elsewhere without a sort keeps its row where it stood.
TEST_F(PersonCommands, ANewPersonMovesOnlyItsOwnRow)
{
    add("Cyril", "");
    add("Adam", "");
    add("Hugo", "");
    ASSERT_EQ(listed(), "Adam|Cyril|Hugo");
    hl().personList.firstRow()->person->firstName = "Zeno";
    user::click(hl().layout().NovaOsobaBT);
    user::type(z().jmenoCB, "Bob");
    EXPECT_EQ(listed(), "Zeno|Bob|Cyril|Hugo");
}

// Under the other keys as well; in the order of the shares the row of the person left moves
// first, as its share is counted then.
TEST_F(PersonCommands, UnderEveryKeyANewPersonMovesOnlyItsOwnRow)
{
    Clovek* a = add("Adam", "");
    Clovek* c = add("Cyril", "");
    Clovek* h = add("Hugo", "");
    a->birth = Datum("1", "1", "1900");
    c->birth = Datum("1", "1", "1950");
    h->birth = Datum("1", "1", "2000");
    a->identifier = "7";
    c->identifier = "8";
    h->identifier = "9";
    // Sorted by the key, then Hugo's row made stale, then a new person and its deletion.
    auto newPersonUnder = [&](PersonSortKey key, bool ascending, const std::function<void()>& spoil) {
        hl().settings.sortAscending = ascending;
        hl().layout().setrid.setItemIndex(itemIndexOf(key));
        show(h);
        hl().personList.sort(key);
        spoil();
        user::click(hl().layout().NovaOsobaBT);
        std::string seen = listed();
        script.press("", "anoBT");
        user::click(hl().layout().SmazOsobuBT);
        return seen;
    };
    EXPECT_EQ(newPersonUnder(PersonSortKey::byBirth, false, [&] { h->birth.year = "1800"; }),
              "|Adam|Cyril|Hugo");
    h->birth.year = "2000";
    EXPECT_EQ(newPersonUnder(PersonSortKey::byId, true, [&] { h->identifier = "1"; }), "|Adam|Cyril|Hugo");
    h->identifier = "9";
    // Hugo's row stands first until his share is counted as 36 when the new person comes.
    a->percentFilled = 9;
    c->percentFilled = 18;
    h->percentFilled = 5;
    EXPECT_EQ(newPersonUnder(PersonSortKey::byPercent, true, [] {}), "|Adam|Cyril|Hugo");
}
