// A family recorded by hand from an empty tree: each field typed as a person types it, Enter to
// the next one, then every step taken back with Ctrl+Z and done again with Ctrl+Y.
#include "../shell/empty_tree_fixture.h"
#include "forms/tolerance_form.h"
#include "model/action_list.h"
#include "toolkit/keys.h"

#include <gtest/gtest.h>

namespace {

struct RecordByHand : EmptyTreeTest {
    void undo() { user::pressKey(hl().layout(), 'Z', ssCtrl); }
    void redo() { user::pressKey(hl().layout(), 'Y', ssCtrl); }
    void leaveTo(TWinControl& next) { user::focus(next); }
    std::string birth(const Clovek& p) { return p.birth.day + "." + p.birth.month + "." + p.birth.year; }
};

TEST_F(RecordByHand, APersonTypedInIsTakenBackAndDoneAgainStepByStep)
{
    user::pressKey(hl().layout(), VK_F2);
    Clovek* marie = hl().editor.currentPerson;
    ASSERT_NE(marie, nullptr);
    ASSERT_TRUE(z().jmenoCB.Focused());

    user::type(z().jmenoCB, "Marie");
    user::pressKey(hl().layout(), VK_RETURN);
    ASSERT_TRUE(z().prijmeniCB.Focused());
    user::type(z().prijmeniCB, "Nováková");
    user::pressKey(hl().layout(), VK_RETURN);
    // Leaving a surname like this one makes the new man a woman, with no step of its own.
    EXPECT_EQ(marie->sex, 0);
    EXPECT_EQ(z().pohlaviCB.ItemIndex(), 1);
    EXPECT_EQ(hl().layout().nadpisJmenoLB.Caption, "Marie Nováková, ?");

    // Each part typed over the "?" the box shows.
    typeOver(z().narozDenCB, "31");
    typeOver(z().narozMesicCB, "4");
    leaveTo(z().narozRokED);
    EXPECT_EQ(z().narozDenCB.Text(), "30"); // April has no 31st
    user::replaceText(z().narozRokED, "19a"); // not a year: the box keeps what is stored
    EXPECT_EQ(z().narozRokED.Text(), "19");
    EXPECT_EQ(marie->birth.year, "19");
    user::type(z().narozRokED, "01"); // after the 19 kept
    EXPECT_EQ(hl().layout().nadpisJmenoLB.Caption, "Marie Nováková, 1901");
    leaveTo(z().narozMistoCB);
    EXPECT_EQ(birth(*marie), "30.4.1901");
    EXPECT_EQ(z().narozeniDenLB.Caption, "úterý");

    script.modal("", [](TForm& f) {
        auto& dialog = dynamic_cast<TtoleranceFORM&>(f);
        user::pick(dialog.toleranceCB, "2");
        user::click(dialog.OKBtn);
    });
    user::click(z().narozAsi);
    EXPECT_EQ(z().narozAsi.Caption, "+/- 2");
    user::click(z().zivaZesnulaCH);
    ASSERT_TRUE(z().smrtRokED.Visible);
    typeOver(z().smrtRokED, "1950");
    leaveTo(z().smrtMistoCB);
    EXPECT_EQ(marie->death.year, "1950");
    EXPECT_EQ(script.messageTexts(), std::vector<std::string>{});

    // new person, first name, surname, birth day, month and year, about, alive, death year
    EXPECT_EQ(hl().session.tree()->undoHistory->count(), 9);

    undo();
    EXPECT_EQ(marie->death.year, "?");
    EXPECT_EQ(z().smrtRokED.Text(), "?");
    undo();
    EXPECT_EQ(marie->alive, 1);
    EXPECT_FALSE(z().smrtRokED.Visible);
    undo();
    EXPECT_EQ(marie->birth.about, 0);
    EXPECT_FALSE(z().narozAsi.Checked());
    undo();
    EXPECT_EQ(marie->birth.year, "?");
    EXPECT_EQ(z().narozRokED.Text(), "?");
    EXPECT_EQ(hl().layout().nadpisJmenoLB.Caption, "Marie Nováková, ?");
    EXPECT_EQ(z().narozeniDenLB.Caption, "?");
    undo();
    undo();
    EXPECT_EQ(birth(*marie), "?.?.?");
    undo();
    EXPECT_EQ(marie->surname, "");
    EXPECT_EQ(z().prijmeniCB.Text(), "");
    undo();
    EXPECT_EQ(marie->firstName, "");
    EXPECT_EQ(hl().session.tree()->personCount(), 1);
    EXPECT_TRUE(hl().layout().ZpetBT.Enabled);

    // The redo runs forward through the same steps.
    redo();
    redo();
    EXPECT_EQ(hl().layout().nadpisJmenoLB.Caption, "Marie Nováková, ?");
    for (int i = 0; i < 6; ++i)
        redo();
    EXPECT_EQ(birth(*marie), "30.4.1901");
    EXPECT_EQ(z().narozeniDenLB.Caption, "úterý");
    EXPECT_EQ(marie->birth.tolerance, 2);
    EXPECT_EQ(marie->alive, 0);
    EXPECT_EQ(marie->death.year, "1950");
    EXPECT_FALSE(hl().layout().ZnovuBT.Enabled);
    EXPECT_EQ(hl().personList.rowCount(), 1);
}

TEST_F(RecordByHand, ALockedPersonRefusesTypingUntilUnlocked)
{
    user::pressKey(hl().layout(), VK_F2);
    Clovek* p = hl().editor.currentPerson;
    user::type(z().jmenoCB, "Jan");
    user::click(hl().layout().zamekCH);
    EXPECT_FALSE(z().jmenoCB.CanFocus());
    EXPECT_FALSE(user::type(z().jmenoCB, "x"));
    EXPECT_EQ(p->firstName, "Jan");
    user::click(hl().layout().zamekCH);
    EXPECT_TRUE(z().jmenoCB.CanFocus());
    EXPECT_EQ(p->lock, 0);
    EXPECT_EQ(hl().session.tree()->undoHistory->count(), 4);
}

TEST_F(RecordByHand, ADateBoxReachedByKeyboardTakesTheTypedPartInPlaceOfItsQuestionMark)
{
    user::pressKey(hl().layout(), VK_F2);
    Clovek* jiri = hl().editor.currentPerson;
    ASSERT_NE(jiri, nullptr);
    user::type(z().jmenoCB, "Jiří");

    // Tab from the day box to the month box, Enter from the month box to the year box: each
    // shows "?", and what a person types there stands in its place.
    user::focus(z().narozDenCB);
    user::pressKey(hl().layout(), VK_TAB);
    ASSERT_TRUE(z().narozMesicCB.Focused());
    user::type(z().narozMesicCB, "3");
    EXPECT_EQ(jiri->birth.month, "3");
    user::pressKey(hl().layout(), VK_RETURN);
    ASSERT_TRUE(z().narozRokED.Focused());
    user::type(z().narozRokED, "1950");
    EXPECT_EQ(z().narozRokED.Text(), "1950");
    EXPECT_EQ(jiri->birth.year, "1950");
    user::pressKey(hl().layout(), VK_RETURN);
    EXPECT_EQ(script.messageTexts(), std::vector<std::string>{});
    EXPECT_EQ(jiri->birth.year, "1950");
}

} // namespace
