// The undo history's list: its bound, the cursor through undo, redo and new steps, removal of
// single steps and the ownership of the records.
#include "model/action_list.h"
#include "model/clovek.h"
#include "model/rod.h"
#include "model/svatba.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

int destroyed = 0;

// A record that counts its destruction, so freeing through the base is seen.
class CountedAction : public Action {
public:
    explicit CountedAction(std::string what) : Action(nullptr, std::move(what)) { }
    ~CountedAction() override { ++destroyed; }
};

class UndoHistory : public ::testing::Test {
protected:
    void SetUp() override { destroyed = 0; }

    void add(const std::string& key) { list.record(std::make_unique<CountedAction>(key)); }
    // "k1 k2 [k3] k4": the keys oldest first, the cursor in brackets.
    std::string state() const
    {
        std::string s = list.current() ? "" : "[] ";
        for (Action* a = list.first(); a; a = static_cast<Action*>(a->next)) {
            s += a == list.current() ? "[" + a->key + "]" : a->key;
            if (a->next)
                s += " ";
        }
        return s;
    }
    std::string key(Action* a) const { return a ? a->key : "none"; }

    ActionList list;
};

TEST_F(UndoHistory, KeepsTheFifteenNewestStepsWithTheCursorOnTheNewest)
{
    for (int i = 1; i <= 15; ++i)
        add("k" + std::to_string(i));
    EXPECT_EQ(list.count(), 15);
    EXPECT_EQ(destroyed, 0);
    add("k16");
    EXPECT_EQ(list.count(), 15);
    EXPECT_EQ(destroyed, 1);
    EXPECT_EQ(key(list.first()), "k2");
    EXPECT_EQ(key(list.current()), "k16");
    EXPECT_EQ(key(list.last()), "k16");
}

TEST_F(UndoHistory, CursorWalksThroughUndoAndRedo)
{
    EXPECT_EQ(list.stepBack(), nullptr);
    EXPECT_EQ(list.stepForward(), nullptr);
    add("a");
    add("b");
    add("c");
    EXPECT_EQ(key(list.stepBack()), "c");
    EXPECT_EQ(key(list.stepBack()), "b");
    EXPECT_EQ(state(), "[a] b c");
    EXPECT_EQ(key(list.stepBack()), "a");
    EXPECT_EQ(state(), "[] a b c");
    EXPECT_EQ(list.stepBack(), nullptr);
    // From no cursor, redo starts at the oldest step.
    EXPECT_EQ(key(list.stepForward()), "a");
    EXPECT_EQ(key(list.stepForward()), "b");
    EXPECT_EQ(key(list.stepForward()), "c");
    EXPECT_EQ(list.stepForward(), nullptr);
    EXPECT_EQ(state(), "a b [c]");
    // Undo after redo after undo.
    EXPECT_EQ(key(list.stepBack()), "c");
    EXPECT_EQ(key(list.stepForward()), "c");
    EXPECT_EQ(key(list.stepBack()), "c");
    EXPECT_EQ(state(), "a [b] c");
}

TEST_F(UndoHistory, ANewStepDiscardsTheUndoneOnes)
{
    add("a");
    add("b");
    add("c");
    list.stepBack();
    list.stepBack();
    add("d");
    EXPECT_EQ(state(), "a [d]");
    EXPECT_EQ(destroyed, 2);

    // With every step undone, the whole list goes first.
    list.stepBack();
    list.stepBack();
    add("e");
    EXPECT_EQ(state(), "[e]");
    EXPECT_EQ(destroyed, 4);
}

TEST_F(UndoHistory, RefusedStepsPutTheCursorBack)
{
    add("a");
    add("b");
    list.stepBack();
    list.moveForward();
    EXPECT_EQ(state(), "a [b]");
    list.stepBack();
    list.stepBack();
    list.moveForward(); // from no cursor to the first step
    EXPECT_EQ(state(), "[a] b");
    list.stepForward();
    list.moveBack();
    EXPECT_EQ(state(), "[a] b");
}

TEST_F(UndoHistory, DropRedoRemovesTheTailOrEverything)
{
    add("a");
    add("b");
    add("c");
    list.stepBack();
    list.dropRedo();
    EXPECT_EQ(state(), "a [b]");
    list.stepBack();
    list.stepBack();
    list.dropRedo();
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(list.first(), nullptr);
    EXPECT_EQ(list.current(), nullptr);
    EXPECT_EQ(destroyed, 3);
}

// Removing the step under the cursor never puts an undone step back into effect.
TEST_F(UndoHistory, RemovingTheCursorStepLeavesTheCursorOnTheOneBeforeOrNone)
{
    add("a");
    add("b");
    add("c");
    list.stepBack(); // cursor on b, c undone
    list.remove(list.current());
    EXPECT_EQ(state(), "[a] c");
    list.remove(list.current());
    EXPECT_EQ(state(), "[] c");
    EXPECT_EQ(key(list.stepForward()), "c");

    // A step outside the list is left alone.
    CountedAction stranger("x");
    list.remove(&stranger);
    EXPECT_EQ(list.count(), 1);
}

TEST_F(UndoHistory, FindsStepsBySerialOnlyWhileTheyAreThere)
{
    add("a");
    const uint64_t first = list.current()->serial;
    add("b");
    EXPECT_EQ(key(list.find(first)), "a");
    list.remove(list.find(first));
    EXPECT_EQ(list.find(first), nullptr);
    add("c");
    EXPECT_NE(list.current()->serial, first);
    EXPECT_EQ(list.find(0), nullptr);
}

// Every record class with what it owns goes through the history and is freed by it; the
// sanitizer build reports a leak or a free through the wrong type.
TEST(UndoHistoryOwnership, FreesEveryKindOfRecordWithWhatItOwns)
{
    Clovek person;
    Svatba partnership;
    CasoveObdobi entry("Praha");
    entry.from = "1900";
    std::vector<std::string> lines{"řádek jedna", "řádek dva"};
    {
        ActionList list;
        list.record(std::make_unique<ActionText>(&person, "jmeno", "Jan", "Josef"));
        list.record(std::make_unique<ActionSvatba>(&person, "svatbaMisto", &partnership, "a", "b"));
        list.record(std::make_unique<ActionBool>(&person, "zije", 1, 0));
        list.record(std::make_unique<ActionTolerance>(&person, "smrtAsi", 0, 1, 1, 5));
        list.record(std::make_unique<ActionToleranceSvatba>(&person, "svatbaAsi", &partnership, 0, 1, 1, 2));
        list.record(std::make_unique<ActionDate>(&person, "narozeniRok", Datum("1", "2", "1900"), Datum()));
        list.record(std::make_unique<ActionSvatbaDate>(&person, "svatbaRok", &partnership, Datum(), Datum()));
        list.record(std::make_unique<ActionNewClovek>(nullptr, "vytvorOsobu", &person));
        list.record(std::make_unique<ActionParent>(&person, "parent", nullptr, nullptr, 1));
        list.record(std::make_unique<ActionStrings>(&person, "matriky", &lines, nullptr));
        list.record(std::make_unique<ActionObdobi>(&person, "bydliste", nullptr, &entry));
        list.record(std::make_unique<ActionObdobi>(&person, "povolani", &entry, &entry));
        list.record(std::make_unique<ActionPartner>(&person, "novaSvatba", &partnership, nullptr, nullptr));
        // The oldest go as the bound is passed; the rest with the list.
        for (int i = 0; i < 4; ++i)
            list.record(std::make_unique<ActionStrings>(&person, "doplnujiciTexty", &lines, &lines));
        EXPECT_EQ(list.count(), 15);
        list.stepBack();
        list.stepBack();
        list.dropRedo();
    }
    // The records copied what they were given: the live entry is untouched by their freeing.
    EXPECT_EQ(entry.text, "Praha");
}

TEST(UndoHistoryQueries, UndoAndRedoAreOfferedByTheCursor)
{
    Rod tree;
    EXPECT_FALSE(tree.canUndo());
    EXPECT_FALSE(tree.canRedo());
    Clovek* p = new Clovek;
    tree.addNewPerson(std::unique_ptr<Clovek>(p));
    tree.recordFlagChange(p, "zije", 1, 0);
    tree.recordFlagChange(p, "zije", 0, 1);
    EXPECT_TRUE(tree.canUndo());
    EXPECT_FALSE(tree.canRedo());
    tree.undo();
    EXPECT_TRUE(tree.canUndo());
    EXPECT_TRUE(tree.canRedo());
    tree.undo();
    EXPECT_FALSE(tree.canUndo());
    EXPECT_TRUE(tree.canRedo());
}

} // namespace
