// The birth and death dates of the basic-data page as a person fills them in: typed parts, the
// day limited on leaving the month, the weekday, the checks, the "?" button, the about box and
// the alive box, each with its undo.
#include "../shell/empty_tree_fixture.h"
#include "forms/tolerance_form.h"
#include "model/action_list.h"
#include "model/uk_clovek.h"
#include "shell/scroll.h"
#include "toolkit/keys.h"

#include <gtest/gtest.h>

namespace {

struct DateFields : EmptyTreeTest {
    Clovek* jan = nullptr;

    void SetUp() override
    {
        EmptyTreeTest::SetUp();
        jan = addPerson("Jan", "Kos");
        hl().enableControls(true, true);
        hl().personList.fill();
        hl().editor.showPersonOfStep(jan);
    }
    // A person types `text` over what the box holds and leaves the box for the place box.
    void enter(TWinControl& box, const std::string& text) { typeOver(box, text, z().narozMistoCB); }
};

TEST_F(DateFields, ACompleteBirthDateShowsItsWeekdayAndTheYearTheHeading)
{
    enter(z().narozRokED, "1900");
    EXPECT_EQ(hl().layout().nadpisJmenoLB.Caption, "Jan Kos, 1900");
    enter(z().narozMesicCB, "3");
    enter(z().narozDenCB, "5");
    EXPECT_EQ(jan->birth.day + "." + jan->birth.month + "." + jan->birth.year, "5.3.1900");
    EXPECT_EQ(z().narozeniDenLB.Caption, "pondělí");
    EXPECT_EQ(steps(), 3);

    user::click(hl().layout().Zpet1);
    EXPECT_EQ(jan->birth.day, "?");
    EXPECT_EQ(z().narozDenCB.Text(), "?");
}

TEST_F(DateFields, AYearOfOtherThanDigitsIsNotStoredAndComesBack)
{
    enter(z().narozRokED, "1900");
    user::focus(z().narozRokED);
    user::select(z().narozRokED, 0, 4); // the box takes four characters
    user::type(z().narozRokED, "a");
    EXPECT_EQ(z().narozRokED.Text(), "1900"); // the box shows what is stored
    EXPECT_EQ(jan->birth.year, "1900");
    user::focus(z().narozMistoCB);
    EXPECT_EQ(z().narozRokED.Text(), "1900");

    enter(z().narozRokED, "?");
    EXPECT_EQ(jan->birth.year, "?");
    EXPECT_EQ(z().narozeniDenLB.Caption, "?");
}

TEST_F(DateFields, LeavingTheMonthLimitsTheDayButLeavingTheDayDoesNot)
{
    enter(z().narozRokED, "1900");
    enter(z().narozDenCB, "31");
    enter(z().narozMesicCB, "4");
    EXPECT_EQ(jan->birth.day, "30");
    EXPECT_EQ(z().narozDenCB.Text(), "30");
    enter(z().narozMesicCB, "2");
    EXPECT_EQ(jan->birth.day, "28"); // 1900 was no leap year

    enter(z().narozDenCB, "?");
    enter(z().narozMesicCB, "4");
    user::focus(z().narozDenCB); // the day list now ends at 30
    EXPECT_EQ(z().narozDenCB.Items.Count(), 31);
    user::type(z().narozDenCB, "31"); // "3" is a day of April, "31" is not: no day is stored
    EXPECT_EQ(z().narozDenCB.Text(), "31");
    EXPECT_EQ(jan->birth.day, "?");
    user::focus(z().narozMistoCB);
    EXPECT_EQ(z().narozDenCB.Text(), "?");
    EXPECT_EQ(jan->birth.day, "?");
}

// A box showing "?" or a part is clicked into and typed into key by key: the part stored is the
// one typed, whichever side of the "?" the caret stood; keys that make no day store none.
TEST_F(DateFields, ADayMonthOrYearTypedKeyByKeyIsTheOneTyped)
{
    struct Typing {
        TEditLineControl& box;
        int caret;
        const char* keys;
        const char* shown;
    };
    for (int caret : {0, 1})
        for (const Typing& t :
             {Typing{z().narozDenCB, caret, "12", "12"}, Typing{z().narozMesicCB, caret, "11", "11"},
              Typing{z().narozRokED, caret, "1912", "1912"}, Typing{z().smrtRokED, caret, "1980", "1980"},
              Typing{z().smrtDenCB, caret, "3", "3"}}) {
            if (&t.box == &z().smrtRokED && caret == 0)
                user::click(z().zivaZesnulaCH);
            user::focus(t.box);
            user::replaceText(t.box, "?");
            user::select(t.box, caret, 0);
            for (char key : std::string(t.keys))
                user::type(t.box, std::string(1, key));
            EXPECT_EQ(t.box.Text(), t.shown) << t.box.Name << " " << caret;
            EXPECT_EQ(t.box.SelStart(), static_cast<int>(std::string(t.keys).size())) << t.box.Name;
            user::focus(z().narozMistoCB);
            EXPECT_EQ(t.box.Text(), t.shown) << t.box.Name << " " << caret;
        }
    EXPECT_EQ(jan->birth.day + "." + jan->birth.month + "." + jan->birth.year, "12.11.1912");
    EXPECT_EQ(jan->death.day + "." + jan->death.year, "3.1980");

    // After a day at its end, "12" makes "512", no day: the box keeps the keys while it has the
    // focus, the 5 stays stored and shows again once the box is left.
    enter(z().narozDenCB, "5");
    user::focus(z().narozDenCB);
    user::select(z().narozDenCB, 1, 0);
    user::type(z().narozDenCB, "1");
    user::type(z().narozDenCB, "2");
    EXPECT_EQ(z().narozDenCB.Text(), "512");
    EXPECT_EQ(jan->birth.day, "5");
    user::focus(z().narozMistoCB);
    EXPECT_EQ(z().narozDenCB.Text(), "5");
    EXPECT_EQ(jan->birth.day, "5");
}

TEST_F(DateFields, AYearBeyondTheLimitsBecomesUnknownWithTheMessage)
{
    enter(z().narozRokED, "1590");
    EXPECT_EQ(jan->birth.year, "?");
    EXPECT_EQ(z().narozRokED.Text(), "?");
    ASSERT_EQ(script.messageTexts().size(), 1u);
    EXPECT_EQ(script.messageTexts()[0], "Rok narození je nižší než nastavená dolní mez! Měním rok narození.");
    EXPECT_EQ(script.messages()[0].flags, MB_OK | MB_ICONINFORMATION);
    // The heading and the list, which showed each digit typed, show the year as stored.
    EXPECT_EQ(hl().layout().nadpisJmenoLB.Caption, "Jan Kos, ?");
}

// Letters typed after the digits leave the digits; the check then refuses the year, and a
// February 29 stays with the leap year put back.
TEST_F(DateFields, LettersInAYearLeaveTheDigitsAndTheDayIsLimitedByTheYearThatStays)
{
    enter(z().narozRokED, "1976");
    enter(z().narozMesicCB, "2");
    enter(z().narozDenCB, "29");
    user::focus(z().narozRokED);
    user::select(z().narozRokED, 0, 4);
    user::type(z().narozRokED, "19a");
    EXPECT_EQ(z().narozRokED.Text(), "19");
    user::type(z().narozRokED, "b");
    EXPECT_EQ(z().narozRokED.Text(), "19");
    EXPECT_EQ(jan->birth.year, "19");
    user::focus(z().narozMistoCB);
    ASSERT_EQ(script.messageTexts().size(), 1u);
    EXPECT_EQ(jan->birth.year, "1976"); // the year the box had before
    EXPECT_EQ(jan->birth.day, "29");
    EXPECT_EQ(z().narozDenCB.Text(), "29");

    enter(z().narozRokED, "1977"); // a year that stays does limit the day
    EXPECT_EQ(jan->birth.day, "28");
}

// A refused year puts back the one the box had, and no step keeps the refused one for a redo:
// the typing had folded into the step that gave the year, and the reset lost both.
TEST_F(DateFields, ARefusedYearPutsBackTheYearTheBoxHadAndNoRedoBringsTheRefusedOne)
{
    enter(z().narozRokED, "1880");
    ASSERT_EQ(steps(), 1);
    enter(z().narozRokED, "2070");
    ASSERT_EQ(script.messageTexts().size(), 1u);
    EXPECT_EQ(script.messageTexts()[0], "Rok narození je vyšší než nastavená horní mez! Měním rok narození.");
    EXPECT_EQ(jan->birth.year, "1880");
    EXPECT_EQ(z().narozRokED.Text(), "1880");
    EXPECT_EQ(hl().layout().nadpisJmenoLB.Caption, "Jan Kos, 1880");
    EXPECT_EQ(steps(), 1);
    user::click(hl().layout().Zpet1);
    EXPECT_EQ(jan->birth.year, "?");
    user::click(hl().layout().Znovu1);
    EXPECT_EQ(jan->birth.year, "1880");
    EXPECT_EQ(z().narozRokED.Text(), "1880");

    // An entry that made a step of its own leaves none once refused.
    hl().clearChangeHistory();
    enter(z().narozMesicCB, "5");
    enter(z().narozRokED, "1590");
    EXPECT_EQ(jan->birth.year, "1880");
    EXPECT_EQ(jan->birth.month, "5");
    EXPECT_EQ(steps(), 1);
    EXPECT_FALSE(hl().session.tree()->canRedo());
    user::click(hl().layout().Zpet1);
    EXPECT_EQ(jan->birth.month, "?");
    EXPECT_EQ(jan->birth.year, "1880");
}

TEST_F(DateFields, AResetBirthYearPutsThePersonBackInTheListSortedByBirth)
{
    Clovek* eva = addPerson("Eva", "", Datum("?", "?", "1500"));
    hl().personList.add(eva);
    user::pick(hl().layout().setrid, 1);
    hl().editor.showPersonOfStep(jan);
    auto firstRow = [&] { return hl().personList.firstRow()->person->firstName; };
    const std::string unknownFirst = firstRow();
    jan->birth.year = "1590";
    hl().editor.sortPersonList();
    ASSERT_NE(firstRow(), unknownFirst);
    jan->birth.year = "?";
    hl().editor.sortPersonList();

    enter(z().narozRokED, "1590");
    ASSERT_EQ(jan->birth.year, "?");
    EXPECT_EQ(firstRow(), unknownFirst);
}

TEST_F(DateFields, TheQuestionButtonAsksAndMakesTheWholeDateUnknown)
{
    enter(z().narozRokED, "1900");
    enter(z().narozMesicCB, "3");
    const int before = steps();
    script.press("", "neBT");
    user::click(z().nastavNeznameNarozeniBT);
    EXPECT_EQ(jan->birth.year, "1900");
    EXPECT_EQ(steps(), before);

    script.press("", "anoBT");
    user::click(z().nastavNeznameNarozeniBT);
    EXPECT_EQ(jan->birth.year + jan->birth.month + jan->birth.day, "???");
    EXPECT_EQ(z().narozRokED.Text(), "?");
    EXPECT_EQ(hl().layout().nadpisJmenoLB.Caption, "Jan Kos, ?");
    EXPECT_EQ(steps(), before + 1);
    user::click(hl().layout().Zpet1);
    EXPECT_EQ(jan->birth.year, "1900");
    EXPECT_EQ(z().narozRokED.Text(), "1900");
}

TEST_F(DateFields, TheAboutBoxTakesTheToleranceChosen)
{
    script.modal("", [](TForm& f) {
        auto& dialog = dynamic_cast<TtoleranceFORM&>(f);
        user::pick(dialog.toleranceCB, "5");
        user::click(dialog.OKBtn);
    });
    user::click(z().narozAsi);
    EXPECT_EQ(jan->birth.about, 1);
    EXPECT_EQ(jan->birth.tolerance, 5);
    EXPECT_EQ(z().narozAsi.Caption, "+/- 5");
    user::click(z().narozAsi);
    EXPECT_EQ(jan->birth.about, 0);
    EXPECT_EQ(jan->birth.tolerance, 5);
    EXPECT_EQ(z().narozAsi.Caption, "+/- 5");
    EXPECT_EQ(steps(), 2);
    // The history puts the flag back in a caption of its own.
    user::click(hl().layout().Zpet1);
    EXPECT_TRUE(z().narozAsi.Checked());
    EXPECT_EQ(z().narozAsi.Caption, "+- 5");
    user::click(hl().layout().Znovu1);
    EXPECT_FALSE(z().narozAsi.Checked());
    EXPECT_EQ(z().narozAsi.Caption, "+- 5");
    EXPECT_EQ(jan->birth.about, 0);
}

TEST_F(DateFields, TheAliveBoxShowsTheDeathFieldsWithWhatTheyHeld)
{
    jan->deathPlace = "Brno";
    EXPECT_FALSE(z().smrtMistoCB.Visible);
    user::click(z().zivaZesnulaCH);
    EXPECT_EQ(jan->alive, 0);
    EXPECT_TRUE(z().smrtMistoCB.Visible);
    EXPECT_EQ(z().smrtMistoCB.Text(), "Brno");
    user::click(hl().layout().Zpet1);
    EXPECT_EQ(jan->alive, 1);
    EXPECT_FALSE(z().smrtMistoCB.Visible);
    EXPECT_EQ(jan->deathPlace, "Brno");
}

TEST_F(DateFields, ADeathBeforeTheBirthLosesThePartTyped)
{
    jan->birth = Datum("5", "3", "1900");
    jan->alive = 0;
    hl().editor.showPersonOfStep(jan);
    enter(z().smrtRokED, "1890");
    EXPECT_EQ(jan->death.year, "?");
    ASSERT_EQ(script.messageTexts().size(), 1u);
    EXPECT_EQ(script.messageTexts()[0], "Datum narození je vyšší než datum úmrtí! Měním rok úmrtí.");
}

TEST_F(DateFields, ABirthPlaceIsStoredAndUndone)
{
    enter(z().narozMistoCB, "Tábor");
    user::focus(z().jmenoCB);
    EXPECT_EQ(jan->birthPlace, "Tábor");
    user::click(hl().layout().Zpet1);
    EXPECT_EQ(jan->birthPlace, "");
    EXPECT_EQ(z().narozMistoCB.Text(), "");
}

} // namespace

namespace {

TEST_F(DateFields, LeavingTheBirthPlaceRefreshesTheShareOfFilledFields)
{
    const int before = jan->percentFilled;
    user::focus(z().narozMistoCB);
    user::replaceText(z().narozMistoCB, "Tábor");
    EXPECT_EQ(jan->percentFilled, before); // counted when the box is left
    user::focus(z().jmenoCB);
    EXPECT_GT(jan->percentFilled, before);

    // An undo brings the share back with the field, the place as the year.
    user::click(hl().layout().Zpet1);
    EXPECT_EQ(jan->percentFilled, before);
    enter(z().narozRokED, "1976");
    enter(z().narozDenCB, "5"); // a step between, so the year's two edits stay two steps
    const int withYear = jan->percentFilled;
    enter(z().narozRokED, "?");
    ASSERT_LT(jan->percentFilled, withYear);
    user::focus(hl().layout().setrid); // no box of the page is left by the undo
    user::click(hl().layout().Zpet1);
    EXPECT_EQ(jan->birth.year, "1976");
    EXPECT_EQ(jan->percentFilled, withYear);
}

} // namespace

namespace {

TEST_F(DateFields, EnterPassesTheButtonAndTheHiddenDeathFields)
{
    user::focus(z().narozRokED);
    user::pressKey(hl().layout(), VK_RETURN);
    EXPECT_TRUE(z().narozAsi.Focused());
    user::focus(z().zivaZesnulaCH);
    user::pressKey(hl().layout(), VK_RETURN);
    EXPECT_FALSE(z().smrtDenCB.Focused());
    EXPECT_FALSE(z().smrtAsi.Focused());
}

} // namespace
