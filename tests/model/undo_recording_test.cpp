// What the recorders keep: which successive edits fold into one step, and a memo's change.
#include "fake_editor.h"
#include "model/action_list.h"
#include "model/svatba.h"

#include <gtest/gtest.h>

namespace {

class UndoRecording : public ::testing::Test {
protected:
    UndoRecording()
    {
        a = makePerson("Adam", "A");
        b = makePerson("Bára", "B", 0);
        tree.addNewPerson(std::unique_ptr<Clovek>(a));
        tree.addNewPerson(std::unique_ptr<Clovek>(b));
    }
    ActionList& history() { return *tree.undoHistory; }
    template<class T> T* cursor() { return dynamic_cast<T*>(history().current()); }
    // Typing `text` letter by letter into a field that held `before`.
    void type(Clovek* p, const std::string& key, std::string before, const std::string& text)
    {
        for (char c : text) {
            std::string after = before + c;
            tree.recordTextChange(p, key, before, after);
            before = after;
        }
    }

    Rod tree;
    FakeEditor editor{tree};
    Clovek* a;
    Clovek* b;
};

TEST_F(UndoRecording, TypingIntoOneFieldOfOnePersonIsOneStep)
{
    type(a, "jmeno", "", "Jan");
    ASSERT_EQ(history().count(), 1);
    auto* step = cursor<ActionText>();
    ASSERT_NE(step, nullptr);
    EXPECT_EQ(step->key, "jmeno");
    EXPECT_EQ(step->person, a);
    EXPECT_EQ(step->oldText, "");
    EXPECT_EQ(step->newText, "Jan");
    // Every keystroke refreshed the controls.
    EXPECT_EQ(editor.buttonUpdates, 3);
    EXPECT_TRUE(editor.undoEnabled);
    EXPECT_FALSE(editor.redoEnabled);
}

TEST_F(UndoRecording, AnotherPersonOrAnotherFieldStartsANewStep)
{
    type(a, "jmeno", "", "Jan");
    type(b, "jmeno", "", "Eva");
    EXPECT_EQ(history().count(), 2);
    EXPECT_EQ(history().current()->person, b);

    // Year, month, year again: three steps.
    tree.recordDateChange(a, "narozeniRok", Datum(), Datum("?", "?", "1"));
    tree.recordDateChange(a, "narozeniRok", Datum(), Datum("?", "?", "19"));
    tree.recordDateChange(a, "narozeniMesic", Datum(), Datum("?", "3", "19"));
    tree.recordDateChange(a, "narozeniRok", Datum(), Datum("?", "3", "190"));
    EXPECT_EQ(history().count(), 5);
    auto* year = cursor<ActionDate>();
    EXPECT_EQ(year->newDate.year, "190");
    EXPECT_EQ(year->newDate.month, "3");
    EXPECT_EQ(static_cast<ActionDate*>(year->prev->prev)->newDate.year, "19");
}

TEST_F(UndoRecording, PartnershipEditsMergeByPartnership)
{
    Svatba* first = partnership(a, b, PartnershipType::married);
    Clovek* c = addPersonTo(tree, "Cecílie", "C", 0);
    Svatba* second = partnership(a, c, PartnershipType::married);
    tree.recordPartnershipTextChange(a, "svatbaMisto", first, "", "B");
    tree.recordPartnershipTextChange(b, "svatbaMisto", first, "B", "Br");
    EXPECT_EQ(history().count(), 1);
    EXPECT_EQ(cursor<ActionSvatba>()->newText, "Br");
    EXPECT_EQ(cursor<ActionSvatba>()->oldText, "");
    tree.recordPartnershipTextChange(a, "svatbaMisto", second, "", "P");
    EXPECT_EQ(history().count(), 2);
    tree.recordPartnershipDateChange(a, "svatbaRok", second, Datum(), Datum("?", "?", "1"));
    tree.recordPartnershipDateChange(a, "svatbaRok", second, Datum(), Datum("?", "?", "19"));
    tree.recordPartnershipDateChange(a, "svatbaRok", first, Datum(), Datum("?", "?", "2"));
    EXPECT_EQ(history().count(), 4);
    EXPECT_EQ(static_cast<ActionSvatbaDate*>(history().current()->prev)->newDate.year, "19");
    // A person's text with a partnership's key does not fold into the partnership's step.
    tree.recordPartnershipTextChange(a, "svatbaKnez", first, "", "x");
    tree.recordTextChange(a, "svatbaKnez", "", "y");
    EXPECT_EQ(history().count(), 6);
}

TEST_F(UndoRecording, FlagsAndOtherStepsNeverMerge)
{
    tree.recordFlagChange(a, "zije", 1, 0);
    tree.recordFlagChange(a, "zije", 0, 1);
    tree.recordToleranceChange(a, "smrtAsi", 0, 1, 1, 3);
    tree.recordToleranceChange(a, "smrtAsi", 1, 1, 3, 4);
    CasoveObdobi entry("Brno");
    tree.recordPeriodChange(a, "bydliste", nullptr, &entry);
    tree.recordPeriodChange(a, "bydliste", nullptr, &entry);
    tree.recordNewPerson(a, "vytvorOsobu", b);
    tree.pushAction(std::make_unique<ActionParent>(a, "parent", nullptr, b, 0));
    EXPECT_EQ(history().count(), 8);
    EXPECT_EQ(editor.buttonUpdates, 8);
    // The period step holds copies: editing the live entry leaves it alone.
    entry.text = "Olomouc";
    EXPECT_EQ(static_cast<ActionObdobi*>(history().current()->prev->prev)->newEntry->text, "Brno");
}

TEST_F(UndoRecording, TypingAfterAnUndoIsANewStepThatDropsTheRedo)
{
    type(a, "jmeno", "", "Jan");
    type(a, "prijmeni", "", "Novák");
    tree.undo();
    EXPECT_EQ(a->surname, "");
    // The step in effect names the same field of the same person, yet nothing folds into it.
    type(a, "jmeno", "Jan", "a");
    EXPECT_EQ(history().count(), 2);
    EXPECT_EQ(cursor<ActionText>()->key, "jmeno");
    EXPECT_EQ(cursor<ActionText>()->oldText, "Jan");
    EXPECT_EQ(cursor<ActionText>()->newText, "Jana");
    EXPECT_EQ(static_cast<ActionText*>(history().current()->prev)->newText, "Jan");
    EXPECT_FALSE(tree.canRedo());

    // A date typed after an undo likewise.
    tree.recordDateChange(a, "narozeniRok", Datum(), Datum("?", "?", "1900"));
    tree.recordDateChange(a, "narozeniMesic", Datum("?", "?", "1900"), Datum("?", "3", "1900"));
    history().stepBack();
    tree.recordDateChange(a, "narozeniRok", Datum("?", "?", "1900"), Datum("?", "?", "1901"));
    EXPECT_EQ(cursor<ActionDate>()->oldDate.year, "1900");
    EXPECT_FALSE(tree.canRedo());
}

TEST_F(UndoRecording, AMemoChangeIsOneStepAndAVisitThatChangedNothingIsNone)
{
    const std::vector<std::string> none, first{"první"}, both{"první", "druhý"};
    tree.recordStringsChange(a, "matriky", none, first);
    tree.recordStringsChange(a, "matriky", first, first);
    tree.recordStringsChange(a, "matriky", first, both);
    ASSERT_EQ(history().count(), 2);
    auto* second = cursor<ActionStrings>();
    auto* earlier = static_cast<ActionStrings*>(second->prev);
    EXPECT_EQ(earlier->oldLines, none);
    EXPECT_EQ(earlier->newLines, first);
    EXPECT_EQ(second->oldLines, first);
    EXPECT_EQ(second->newLines, both);

    // A change after an undo is a new step, and the undone one cannot come back over it.
    tree.undo();
    tree.recordStringsChange(a, "matriky", first, {"jiný"});
    EXPECT_EQ(history().count(), 2);
    EXPECT_EQ(cursor<ActionStrings>()->newLines, (std::vector<std::string>{"jiný"}));
    EXPECT_FALSE(tree.canRedo());
}

} // namespace
