// The basic-data page as a person uses it: a person shown on it, names and titles typed into
// it with the list and heading following, the sex box and the surname rules, undo and redo.
#include "model/action_list.h"
#include "model/svatba.h"
#include "person_editor_fixture.h"
#include "shell/scroll.h"
#include "toolkit/keys.h"

#include <gtest/gtest.h>

namespace {

struct BasicPage : PersonEditorTest {
    // The persons of the list in its order, by first name.
    std::string order()
    {
        std::string s;
        for (Polozka* r = hl().personList.firstRow(); r; r = r->next)
            s += (s.empty() ? "" : " ") + r->person->firstName;
        return s;
    }
};

TEST_F(BasicPage, ShowingAPersonFillsThePageAndRecordsNothing)
{
    eva->sex = 0;
    eva->titlesBefore = "Ing.";
    eva->birth = Datum("31", "4", "1900"); // no such day, as an old file may hold
    eva->alive = 0;
    eva->deathPlace = "Brno";
    hl().layout().pages.setActivePage(&hl().layout().obecne);
    hl().editor.showPersonOfStep(eva);

    EXPECT_EQ(hl().layout().pages.ActivePage(), &hl().layout().zakladniUdaje);
    EXPECT_EQ(z().jmenoCB.Text(), "Eva");
    EXPECT_EQ(z().prijmeniCB.Text(), "Dvořáková");
    EXPECT_EQ(z().pohlaviCB.ItemIndex(), 1);
    EXPECT_EQ(z().titulPredCB.Text(), "Ing.");
    EXPECT_EQ(z().narozDenCB.Text(), "31");
    EXPECT_EQ(z().narozeniDenLB.Caption, "?");
    EXPECT_EQ(z().narozAsi.Caption, "+/- 1");
    EXPECT_TRUE(z().smrtMistoCB.Visible);
    EXPECT_EQ(z().smrtMistoCB.Text(), "Brno");
    EXPECT_EQ(hl().layout().nadpisJmenoLB.Caption, "Ing. Eva Dvořáková, 1900");
    EXPECT_EQ(eva->firstName, "Eva");
    EXPECT_EQ(steps(), 0);
    EXPECT_FALSE(hl().layout().Zpet1.Enabled);

    hl().editor.showPersonOfStep(jan);
    EXPECT_FALSE(z().smrtMistoCB.Visible);
    EXPECT_EQ(z().pohlaviCB.ItemIndex(), 0);
    EXPECT_EQ(hl().layout().nadpisJmenoLB.Caption, "Jan Novák, ?");
}

TEST_F(BasicPage, TypingANameReSortsTheListChangesTheHeadingAndUndoesInOneStep)
{
    EXPECT_EQ(order(), "Eva Jan"); // Dvořáková before Novák
    user::focus(z().prijmeniCB);
    user::select(z().prijmeniCB, 0, static_cast<int>(z().prijmeniCB.Text().size()));
    user::type(z().prijmeniCB, "Bílý");
    EXPECT_EQ(jan->surname, "Bílý");
    EXPECT_EQ(order(), "Jan Eva");
    EXPECT_EQ(hl().layout().nadpisJmenoLB.Caption, "Jan Bílý, ?");
    EXPECT_EQ(steps(), 1);
    EXPECT_TRUE(hl().layout().Zpet1.Enabled);

    user::click(hl().layout().Zpet1);
    EXPECT_EQ(jan->surname, "Novák");
    EXPECT_EQ(z().prijmeniCB.Text(), "Novák");
    EXPECT_EQ(order(), "Eva Jan");
    EXPECT_EQ(hl().layout().nadpisJmenoLB.Caption, "Jan Novák, ?");
    EXPECT_EQ(steps(), 1); // the replay recorded nothing

    user::click(hl().layout().ZnovuBT);
    EXPECT_EQ(jan->surname, "Bílý");
    EXPECT_EQ(order(), "Jan Eva");
}

TEST_F(BasicPage, TitlesChangeTheHeadingButNotTheOrder)
{
    user::focus(z().titulZaCB);
    user::type(z().titulZaCB, "CSc.");
    EXPECT_EQ(jan->titlesAfter, "CSc.");
    EXPECT_EQ(hl().layout().nadpisJmenoLB.Caption, "Jan Novák, CSc., ?");
    EXPECT_EQ(order(), "Eva Jan");
    EXPECT_EQ(steps(), 1);
}

TEST_F(BasicPage, EnteringANameBoxOffersTheTreesValues)
{
    user::focus(z().prijmeniCB);
    EXPECT_EQ(z().prijmeniCB.Items.Count(), 2);
    EXPECT_EQ(z().prijmeniCB.Text(), "Novák");
    user::focus(z().titulPredCB);
    EXPECT_EQ(z().titulPredCB.Items.Count(), 18);
}

TEST_F(BasicPage, TheSexChangeIsRefusedForAPersonWithAChild)
{
    eva->sex = 0;
    eva->father = jan;
    user::pick(z().pohlaviCB, 1);
    EXPECT_EQ(jan->sex, 1);
    EXPECT_EQ(z().pohlaviCB.ItemIndex(), 0);
    ASSERT_EQ(script.messageTexts().size(), 1u);
    EXPECT_EQ(script.messageTexts()[0], "Nelze měnit pohlaví! Osoba má partnera nebo děti.");
    EXPECT_EQ(steps(), 0);

    eva->father = nullptr;
    user::pick(z().pohlaviCB, 1);
    EXPECT_EQ(jan->sex, 0);
    EXPECT_EQ(steps(), 1);
    user::click(hl().layout().Zpet1);
    EXPECT_EQ(jan->sex, 1);
    EXPECT_EQ(z().pohlaviCB.ItemIndex(), 0);
}

TEST_F(BasicPage, AWomansSurnameMakesAManAWomanWithoutAStep)
{
    typeOver(z().prijmeniCB, "Nováková", z().jmenoCB);
    EXPECT_EQ(jan->sex, 0);
    EXPECT_EQ(z().pohlaviCB.ItemIndex(), 1);
    EXPECT_EQ(steps(), 1); // the surname's own step only
}

TEST_F(BasicPage, TheSurnameRulesNeedAWomansEndingAndAFreeMan)
{
    // Leaves the box after `text` went into it; gives the sex then.
    auto leave = [&](TComboBox& box, const std::string& text) {
        typeOver(box, text, z().titulPredCB);
        return jan->sex;
    };
    EXPECT_EQ(leave(z().prijmeniCB, "á"), 1);
    EXPECT_EQ(leave(z().rodnePrijmeniCB, "ová"), 1);
    EXPECT_EQ(leave(z().rodnePrijmeniCB, "NovOvá"), 1);
    eva->sex = 0;
    eva->father = jan;
    EXPECT_EQ(leave(z().rodnePrijmeniCB, "Nováková"), 1);
    EXPECT_TRUE(script.messageTexts().empty());
    eva->father = nullptr;
    EXPECT_EQ(leave(z().rodnePrijmeniCB, "Nováková"), 0);
    // Never the other way.
    EXPECT_EQ(leave(z().prijmeniCB, "Novák"), 0);
}

TEST_F(BasicPage, AMemoLineTypedIsKeptWhenAnotherPersonIsShown)
{
    hl().layout().pages.setActivePage(&hl().layout().doplnujiciTextyASoubory);
    hl().editor.showPersonOfStep(jan);
    TMemo& memo = hl().editor.doplnujiciSheet.doplnujiciTextyMEMO;
    user::focus(memo);
    user::type(memo, "rolník");
    // A click on the list leaves no memo.
    hl().editor.showPersonOfStep(eva);
    ASSERT_EQ(jan->furtherTexts().size(), 1u);
    EXPECT_EQ(jan->furtherTexts()[0], "rolník");
    EXPECT_TRUE(eva->furtherTexts().empty());
}

TEST_F(BasicPage, EnterWalksTheFieldsAndF10InsertsAQuickText)
{
    hl().settings.quickTexts[1] = "ml.";
    user::focus(z().prijmeniCB);
    user::select(z().prijmeniCB, 0, 0);
    EXPECT_EQ(user::keyDown(hl().layout(), VK_F10), 0);
    EXPECT_EQ(z().prijmeniCB.Text(), "ml.Novák");
    user::pressKey(hl().layout(), VK_RETURN);
    EXPECT_TRUE(z().rodnePrijmeniCB.Focused());
}

} // namespace
