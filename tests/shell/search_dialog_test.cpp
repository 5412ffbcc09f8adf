// The search command and its dialog: both pages with Czech letters, the date checks in their
// order, and the person chosen among those found.
#include "empty_tree_fixture.h"
#include "model/clovek.h"
#include "model/datum.h"
#include "model/svatba.h"
#include "shell/hledej_form.h"
#include "shell/scroll.h"
#include "toolkit/keys.h"

using Lines = std::vector<std::string>;

namespace {

struct SearchDialog : EmptyTreeTest {
    void SetUp() override
    {
        EmptyTreeTest::SetUp();
        hl().settings.showBirth = false;
    }
    ThledejFORM& d() { return *hledejFORM; }
    // The dialog shown by the search command; `act` acts in it and ends it.
    void search(const std::function<void()>& act)
    {
        script.modal("hledejFORM", [act](TForm&) { act(); });
        user::click(hl().layout().Hledej1);
    }
    static std::string caption(const Clovek* p) { return p->displayName(false, false, true); }
    void setDate(TComboBox& day, TComboBox& month, TEdit& year, const char* dd, const char* mm,
                 const char* yyyy)
    {
        user::replaceText(day, dd);
        user::replaceText(month, mm);
        user::replaceText(year, yyyy);
    }
};

} // namespace

TEST_F(SearchDialog, TheTextPageFindsCzechLettersAndADoubleClickShowsThePerson)
{
    Clovek* rez = addPerson("Jiří", "ŘEZNÍČEK");
    Clovek* novak = addPerson("Jan", "Novák");
    Clovek* other = addPerson("Řehoř", "Reznicek");
    showWholeTree();
    hl().personList.setCurrentRow(hl().personList.locate(novak));
    hl().editor.showPerson(novak);
    search([&] {
        EXPECT_EQ(Application.activeForm(), hledejFORM);
        EXPECT_TRUE(d().retezecED.Focused());
        user::type(d().retezecED, "řezníček");
        user::click(d().hledejRetezecBT);
        EXPECT_EQ(d().osobyLIST.Items.Count(), 0); // no field chosen
        user::click(d().prijmeniCH);
        user::click(d().hledejRetezecBT);
        EXPECT_EQ(d().osobyLIST.Items.lines(), (Lines{caption(other), caption(rez)}));
        user::doubleClickLine(d().osobyLIST, 1);
    });
    EXPECT_EQ(hl().editor.currentPerson, rez);
    EXPECT_EQ(hl().personList.currentRow()->person, rez);
    EXPECT_EQ(d().languageFile, nullptr);
}

TEST_F(SearchDialog, EnterOnAPersonFoundShowsThePerson)
{
    addPerson("Jan", "Novák");
    Clovek* eva = addPerson("Eva", "Nováková");
    showWholeTree();
    search([&] {
        user::type(d().retezecED, "nov");
        user::click(d().prijmeniCH);
        user::click(d().hledejRetezecBT);
        user::pick(d().osobyLIST, 1);
        user::pressKey(d(), VK_RETURN);
    });
    EXPECT_EQ(hl().editor.currentPerson, eva);
}

TEST_F(SearchDialog, BackLeavesTheCurrentPersonAndTheDialogKeepsItsFinds)
{
    addPerson("Jan", "Novák");
    showWholeTree();
    Clovek* before = hl().editor.currentPerson;
    search([&] {
        user::type(d().retezecED, "nov");
        user::click(d().prijmeniCH);
        user::click(d().hledejRetezecBT);
        d().osobyLIST.setItemIndex(0);
        user::click(d().zpetBT);
    });
    EXPECT_EQ(hl().editor.currentPerson, before);
    EXPECT_EQ(d().osobyLIST.Items.Count(), 1);
    EXPECT_EQ(d().retezecED.Text(), "nov");
}

TEST_F(SearchDialog, TheDatePageFindsBirthsAndTheDeathsOfTheDead)
{
    Clovek* eva = addPerson("Eva", "Malá", Datum("24", "12", "1900"));
    Clovek* jan = addPerson("Jan", "Malý");
    jan->death = Datum("24", "12", "1900");
    jan->alive = 0;
    addPerson("Ota", "Malý", Datum("?", "12", "1900"));
    showWholeTree();
    search([&] {
        user::selectTab(d().pages, d().datumPage);
        user::pick(d().jakHledatGROUP, 0);
        EXPECT_FALSE(d().den2CB.Visible);
        setDate(d().den1CB, d().mesic1CB, d().rok1CB, "24", "12", "1900");
        user::click(d().datumNarozeniCH);
        user::click(d().datumUmrtiCH);
        user::click(d().hledejDatumBT);
        EXPECT_EQ(d().osobyLIST.Items.lines(), (Lines{caption(eva), caption(jan)}));
        user::click(d().zpetBT);
    });
    EXPECT_TRUE(script.messages().empty());
}

TEST_F(SearchDialog, TheDateChecksStopAtTheFirstFaultWithItsMessage)
{
    addPerson("Jan", "Novák", Datum("15", "6", "1900"));
    showWholeTree();
    search([&] {
        user::selectTab(d().pages, d().datumPage);
        user::click(d().datumNarozeniCH);
        struct Case {
            const char *d1, *m1, *y1, *d2, *m2, *y2;
            const char* message; // none: searched
        };
        const Case cases[] = {
            {"01", "1", "19a5", "31", "12", "2005", "Špatný údaj u dnu!"},
            {"1", "13", "19a5", "31", "12", "2005", "Špatný údaj u měsíce!"},
            {"1", "1", "19a5", "31", "12", "2005", "Špatný údaj u roku!"},
            {"1", "1", "", "31", "12", "2005", "Špatný údaj u roku!"},
            {"1", "1", "1900", "32", "12", "2005", "Špatný údaj u dnu!"},
            {"1", "1", "1900", "31", "12", "x", "Špatný údaj u roku!"},
            {"1", "1", "1901", "31", "12", "1900", "První datum je vyšší než druhý!"},
            {"15", "6", "1900", "15", "6", "1900", nullptr},
            {"31", "2", "0", "31", "12", "2005", nullptr},
        };
        for (const Case& c : cases) {
            script.clearRecords();
            d().osobyLIST.Items.Add("staré");
            setDate(d().den1CB, d().mesic1CB, d().rok1CB, c.d1, c.m1, c.y1);
            setDate(d().den2CB, d().mesic2CB, d().rok2CB, c.d2, c.m2, c.y2);
            user::click(d().hledejDatumBT);
            if (c.message) {
                EXPECT_EQ(script.messageTexts(), Lines{c.message}) << c.d1 << "." << c.m1 << "." << c.y1;
                EXPECT_EQ(d().osobyLIST.Items.lines().back(), "staré");
            } else {
                EXPECT_TRUE(script.messages().empty()) << c.d1 << "." << c.m1 << "." << c.y1;
                EXPECT_EQ(d().osobyLIST.Items.Count(), 1);
            }
        }
        // Only a range has a second date: in the other modes it is neither shown nor checked.
        user::pick(d().jakHledatGROUP, 2);
        EXPECT_FALSE(d().rok2CB.Visible);
        script.clearRecords();
        setDate(d().den1CB, d().mesic1CB, d().rok1CB, "1", "1", "1900");
        user::click(d().hledejDatumBT);
        EXPECT_TRUE(script.messages().empty());
        user::click(d().zpetBT);
    });
}

TEST_F(SearchDialog, TheDateMessagesComeFromTheLanguageFileWithoutWritingToIt)
{
    addPerson("Jan", "Novák");
    showWholeTree();
    search([&] {
        user::selectTab(d().pages, d().datumPage);
        ASSERT_TRUE(d().languageFile);
        setDate(d().den1CB, d().mesic1CB, d().rok1CB, "0", "1", "1900");
        user::click(d().hledejDatumBT);
        user::click(d().zpetBT);
    });
    EXPECT_EQ(script.messageTexts(), Lines{"Špatný údaj u dnu!"});
    const std::string log = folder() + "data/lang/new.txt";
    if (exists(log)) {
        for (const std::string& line : readCp1250Lines(log))
            EXPECT_EQ(line.find("spatnyUdaj"), std::string::npos) << line;
    }
}

TEST_F(SearchDialog, AFoundPersonTheListDoesNotShowIsNotMadeCurrent)
{
    Clovek* hidden = addPerson("Jan", "Novák");
    addPerson("Eva", "Nová");
    showWholeTree();
    // The list shows a group without Jan.
    hl().personList.remove(hl().personList.rowOf(hidden));
    hl().personList.setCurrentRow(hl().personList.locate(nullptr));
    hl().editor.showPerson(hl().personList.currentRow()->person);
    Clovek* before = hl().editor.currentPerson;
    const int selected = hl().personList.selectedIndex();
    search([&] {
        user::type(d().retezecED, "jan");
        user::click(d().jmenoCH);
        user::click(d().hledejRetezecBT);
        user::doubleClickLine(d().osobyLIST, 0);
    });
    EXPECT_EQ(hl().editor.currentPerson, before);
    EXPECT_EQ(hl().personList.selectedIndex(), selected);
    EXPECT_EQ(hl().personList.selectedRow()->person, before);
}

TEST_F(SearchDialog, OfTwoPersonsWithOneCaptionTheFirstInTheChainIsShown)
{
    Clovek* older = addPerson("Jan", "Novák");
    Clovek* newer = addPerson("Jan", "Novák");
    newer->identifier = older->identifier;
    addPerson("Eva", "Nová");
    showWholeTree();
    search([&] {
        user::type(d().retezecED, "jan");
        user::click(d().jmenoCH);
        user::click(d().hledejRetezecBT);
        EXPECT_EQ(d().osobyLIST.Items.Count(), 2);
        user::doubleClickLine(d().osobyLIST, 1);
    });
    EXPECT_EQ(hl().editor.currentPerson, newer);
}
