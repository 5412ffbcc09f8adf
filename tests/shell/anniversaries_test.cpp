// The anniversaries of a tree in the main window: the messages after a tree is opened and the
// anniversaries window.
#include "model/clovek.h"
#include "model/datum.h"
#include "model/svatba.h"
#include "program_fixture.h"

namespace {

struct Anniversaries : ProgramTest {
    void SetUp() override
    {
        ProgramTest::SetUp(); // today is 15 June 2023
        startQuietly();
    }
    Clovek* add(Rod& tree, const char* first, int sex, Datum birth)
    {
        auto* p = new Clovek();
        p->firstName = first;
        p->surname = "Novák";
        p->sex = uint8_t(sex);
        p->birth = birth;
        tree.addNewPerson(p);
        return p;
    }
    std::string save(Rod& tree, Clovek* active)
    {
        TreeFileEnvironment env = hl().treeFileEnvironment();
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
    auto* s = new Svatba;
    s->partner1 = jan;
    s->partner2 = eva;
    s->type = 1;
    s->wedding = Datum("15", "6", "1973");
    jan->partnerships.append(new UkSvatba(s));
    eva->partnerships.append(new UkSvatba(s));
    script.file(save(tree, jan));
    user::click(hl().Otevrit1);
    ASSERT_TRUE(hl().tree);

    std::vector<std::string> texts;
    for (const auto& m : script.messages()) {
        EXPECT_EQ(m.caption, Application.Title);
        EXPECT_EQ(m.flags, MB_OK | MB_ICONINFORMATION);
        texts.push_back(m.text);
    }
    EXPECT_EQ(texts, (std::vector<std::string>{"Novák Jan, 1950 (0) - 73. výročí narození",
                                               "Novák Jan, 1950 (0) & Novák Eva, 1950 (1) - 50. výročí svatby",
                                               "Novák Eva, 1950 (1) - 23. výročí úmrtí"}));
}
