// The anniversaries of a tree in the main window: the messages after a tree is opened and the
// anniversaries window.
#include "model/clovek.h"
#include "model/datum.h"
#include "model/svatba.h"
#include "program_fixture.h"
#include "shell/vyroci_form.h"
#include "system/datetime.h"

namespace {

struct Anniversaries : ProgramTest {
    void SetUp() override
    {
        ProgramTest::SetUp(); // today is 15 June 2023
        startQuietly();
    }
    Clovek* add(Rod& tree, const char* first, int sex, const Datum& birth)
    {
        return addPersonTo(tree, first, "Novák", sex, birth);
    }
    std::string save(Rod& tree, Clovek* active)
    {
        TreeFileEnvironment env = hl().session.fileEnvironment();
        EXPECT_TRUE(saveTreeFile(tree, active, env));
        return tree.fileName;
    }
};

} // namespace

TEST_F(Anniversaries, OpeningATreeAnnouncesTodaysAnniversariesOneMessageEach)
{
    Rod tree(folder() + "save/vyroci.rod");
    Clovek* jan = add(tree, "Jan", 1, Datum("15", "6", "1950"));
    Clovek* eva = add(tree, "Eva", 0, Datum("16", "6", "1950"));
    eva->death = Datum("15", "6", "2000");
    eva->alive = 0;
    partnership(jan, eva, PartnershipType::married)->wedding = Datum("15", "6", "1973");
    script.file(save(tree, jan));
    user::click(hl().layout().Otevrit1);
    ASSERT_TRUE(hl().session.tree());

    std::vector<std::string> texts;
    for (const auto& m : script.messages()) {
        EXPECT_EQ(m.caption, Application.Title);
        EXPECT_EQ(m.flags, MB_OK | MB_ICONINFORMATION);
        texts.push_back(m.text);
    }
    EXPECT_EQ(texts,
              (std::vector<std::string>{"Novák Jan, 1950 (0) - 73. výročí narození",
                                        "Novák Jan, 1950 (0) & Novák Eva, 1950 (1) - 50. výročí svatby",
                                        "Novák Eva, 1950 (1) - 23. výročí úmrtí"}));
}

TEST_F(Anniversaries, TheWindowListsTheDayOrTheMonthOfTheCalendarAndKeepsThePickedDay)
{
    EXPECT_DOUBLE_EQ(vyrociFORM->kalendar.Date(), now()); // made at start
    hl().createEmptyTree();
    Rod& tree = *hl().session.tree();
    Clovek* june = add(tree, "Jan", 1, Datum("15", "6", "1950"));
    Clovek* later = add(tree, "Eva", 0, Datum("20", "6", "1960"));
    add(tree, "Ota", 1, Datum("20", "7", "1960"));
    hl().personList.makeView();
    hl().personList.fill();
    hl().enableControls(true, true);

    TvyrociFORM& w = *vyrociFORM;
    script.modal("vyrociFORM", [&](TForm&) {
        EXPECT_EQ(w.vyrociLIST.Items.lines(),
                  std::vector<std::string>{june->displayName(false, true, true) + " - 73. výročí narození"});
        user::pick(w.vybranyRADIO, 1);
        EXPECT_EQ(w.vyrociLIST.Items.Count(), 2);
        user::pickDate(w.kalendar, encodeDate(2023, 7, 1));
        EXPECT_EQ(w.vyrociLIST.Items.lines(),
                  std::vector<std::string>{"20. července 2023: Novák Ota, 1960 (2) - 63. výročí narození"});
        user::doubleClickLine(w.vyrociLIST, 0);
        EXPECT_TRUE(w.Visible);
        script.press("nazvySvatebFORM", "OKBtn");
        user::click(w.nazvySvatebBT);
        user::click(w.zpetBT);
    });
    user::click(hl().layout().Vyroci1);
    EXPECT_EQ(script.windowsShown().size(), 2u);
    (void)later;

    // A later showing keeps the day last picked, and the mode.
    script.modal("vyrociFORM", [&](TForm&) {
        EXPECT_DOUBLE_EQ(w.kalendar.Date(), encodeDate(2023, 7, 1));
        EXPECT_EQ(w.vyrociLIST.Items.Count(), 1);
        user::click(w.zpetBT);
    });
    user::click(hl().layout().Vyroci1);
}
