// The undo and redo commands of the main window: enabled by the history, replaying a step on the
// controls that are there (the lock box, the further-texts memo) for the person it was made on;
// the person list's share column; the date checks' messages.
#include "empty_tree_fixture.h"
#include "model/action_list.h"
#include "model/checks.h"
#include "shell/scroll.h"

#include <gtest/gtest.h>

using Lines = std::vector<std::string>;

namespace {

struct UndoCommands : EmptyTreeTest {
    Clovek* jan = nullptr;
    Clovek* eva = nullptr;

    void SetUp() override
    {
        EmptyTreeTest::SetUp();
        jan = addPerson("Jan", "");
        eva = addPerson("Eva", "");
        hl().enableControls(true, true);
        hl().personList.fill();
        hl().editor.showPersonOfStep(eva);
    }
    void expectButtons(bool undo, bool redo)
    {
        EXPECT_EQ(hl().layout().Zpet1.Enabled, undo);
        EXPECT_EQ(hl().layout().ZpetBT.Enabled, undo);
        EXPECT_EQ(hl().layout().Znovu1.Enabled, redo);
        EXPECT_EQ(hl().layout().ZnovuBT.Enabled, redo);
    }
};

TEST_F(UndoCommands, EnabledByTheHistoryAndReplayedForThePersonOfTheStep)
{
    expectButtons(false, false);
    Rod& tree = *hl().session.tree();
    jan->lock = 1;
    tree.recordFlagChange(jan, "zamek", 0, 1);
    expectButtons(true, false);

    bool replayingSeen = false;
    hl().layout().zamekCH.OnClick = [&] { replayingSeen = hl().editor.undoReplaying; };
    hl().layout().zamekCH.setChecked(true);
    hl().layout().pages.setActivePage(&hl().layout().obecne);
    user::click(hl().layout().Zpet1);
    EXPECT_EQ(jan->lock, 0);
    EXPECT_FALSE(hl().layout().zamekCH.Checked());
    EXPECT_TRUE(replayingSeen);
    EXPECT_FALSE(hl().editor.undoReplaying);
    EXPECT_EQ(hl().editor.currentPerson, jan);
    ASSERT_TRUE(hl().personList.currentRow());
    EXPECT_EQ(hl().personList.currentRow()->person, jan);
    EXPECT_EQ(hl().layout().pages.ActivePage(), &hl().layout().zakladniUdaje);
    expectButtons(false, true);

    user::click(hl().layout().ZnovuBT);
    EXPECT_EQ(jan->lock, 1);
    EXPECT_TRUE(hl().layout().zamekCH.Checked());
    expectButtons(true, false);

    hl().clearChangeHistory();
    expectButtons(false, false);
    EXPECT_EQ(tree.undoHistory->count(), 0);
}

// First name, surname, first name again; two undos; a new first name: no redo is left that
// could put the replaced name back over the one just typed.
TEST_F(UndoCommands, NewTypingAfterAnUndoLeavesNothingToRedo)
{
    typeOver(z().jmenoCB, "Cyril", z().prijmeniCB);
    typeOver(z().prijmeniCB, "Xyz", z().jmenoCB);
    typeOver(z().jmenoCB, "Bohumil", z().prijmeniCB);
    user::click(hl().layout().Zpet1);
    user::click(hl().layout().Zpet1);
    EXPECT_EQ(eva->firstName, "Cyril");
    EXPECT_EQ(eva->surname, "");
    typeOver(z().jmenoCB, "David", z().prijmeniCB);
    expectButtons(true, false);
    user::click(hl().layout().Znovu1);
    user::click(hl().layout().Znovu1);
    EXPECT_EQ(eva->firstName, "David");
    EXPECT_EQ(z().jmenoCB.Text(), "David");
    user::click(hl().layout().Zpet1);
    EXPECT_EQ(eva->firstName, "Cyril");
}

TEST_F(UndoCommands, TheFurtherTextsMemoTakesTheOldLinesBack)
{
    const Lines before{"Narozen v Brně"};
    const Lines typed{"Narozen v Praze"};
    jan->setFurtherTexts(typed);
    hl().session.tree()->recordStringsChange(jan, "doplnujiciTexty", before, typed);
    user::click(hl().layout().Zpet1);
    TMemo& memo = hl().editor.doplnujiciSheet.doplnujiciTextyMEMO;
    EXPECT_EQ(hl().layout().pages.ActivePage(), &hl().layout().doplnujiciTextyASoubory);
    EXPECT_EQ(memo.Lines.lines(), before);
    EXPECT_EQ(jan->furtherTexts(), before);
    user::click(hl().layout().Znovu1);
    EXPECT_EQ(memo.Lines.lines(), Lines{"Narozen v Praze"});
    EXPECT_EQ(jan->furtherTexts(), Lines{"Narozen v Praze"});
}

// Persons removed from the tree leave no step behind, and the commands follow at once.
TEST_F(UndoCommands, ARemovedPersonTakesItsStepsAndTheButtonsFollow)
{
    hl().session.tree()->recordTextChange(jan, "jmeno", "", "Jan");
    expectButtons(true, false);
    hl().editor.currentPerson = nullptr;
    hl().personList.setCurrentRow(nullptr);
    hl().personList.clear();
    hl().session.tree()->removePerson(jan);
    expectButtons(false, false);
}

TEST_F(UndoCommands, TheListWorksOutEachShareWhenItIsBuilt)
{
    jan->surname = "Novák";
    jan->birth = Datum("1", "2", "1900");
    hl().layout().zobrazitProcenta.setChecked(true);
    hl().personList.fill();
    hl().personList.paint();
    EXPECT_EQ(jan->percentFilled, 45);
    EXPECT_EQ(eva->percentFilled, 9);
    EXPECT_TRUE(hl().layout().scrolling.Canvas.findText(" 45 %"));
    EXPECT_TRUE(hl().layout().scrolling.Canvas.findText("  9 %"));
    // Sorted by the share, ascending: the smaller share first.
    hl().personList.sort(PersonSortKey::byPercent);
    EXPECT_EQ(hl().personList.firstRow()->person, eva);
    hl().settings.sortAscending = false;
    hl().personList.sort(PersonSortKey::byPercent);
    EXPECT_EQ(hl().personList.firstRow()->person, jan);
}

TEST_F(UndoCommands, DateChecksTellTheFirstRuleThatFails)
{
    Clovek father, child;
    father.birth = Datum("1", "1", "1990");
    child.birth = Datum("1", "1", "1980");
    EXPECT_FALSE(hl().editor.checkFatherDates(father, child, 15));
    EXPECT_EQ(script.messageTexts(), Lines{"Otec by byl mladší než dítě!"});
    father.birth = Datum("1", "1", "1950");
    father.alive = 0;
    father.death = Datum("1", "1", "1970");
    hl().settings.checkFatherDeathBeforeBirth = false;
    EXPECT_TRUE(hl().editor.checkFatherDates(father, child, 15));
    hl().settings.checkFatherDeathBeforeBirth = true;
    EXPECT_FALSE(hl().editor.checkFatherDates(father, child, 15));
    EXPECT_FALSE(hl().editor.checkMotherDates(father, child, 15));
    EXPECT_EQ(script.messageTexts().back(), "Matka by zemřela před narozením dítěte!");
    EXPECT_FALSE(hl().editor.checkPartnershipDates(child, father, nullptr));
    EXPECT_EQ(script.messageTexts().back(), "Jeden z partnerů by zemřel před narozením druhého!");
    EXPECT_EQ(script.messageTexts().size(), 4u);
}

} // namespace
