// The visit history buttons, the help file, the person's web and mail links as they reach the
// desktop's opener, and the pick-list windows closed by a double click.
#include "empty_tree_fixture.h"
#include "forms/pribuzni_form.h"
#include "forms/vyber_dite_form.h"
#include "forms/vyber_partnera_form.h"
#include "forms/vyhledano_form.h"
#include "model/prev_next.h"
#include "shell/scroll.h"
#include "system/fileio.h"
#include "system/files.h"
#include "system/process.h"

#include <chrono>
#include <fstream>
#include <thread>

using Lines = std::vector<std::string>;

namespace {

struct LinksAndHistory : EmptyTreeTest {
    void TearDown() override
    {
        setShellOpener({});
        EmptyTreeTest::TearDown();
    }
    Clovek* add(const std::string& first) { return addPerson(first, "Novák"); }
    void visit(Clovek* p)
    {
        hl().personList.setCurrentRow(hl().personList.locate(p));
        hl().editor.showPerson(p);
    }
    // Every address the opener is given is written to a file, one argument a line.
    std::string recordOpener()
    {
        std::string record = folder() + "opened.txt";
        const std::string opener = folder() + "opener.sh";
        writeFileAtomic(opener, "#!/bin/sh\nfor a in \"$@\"; do echo \"[$a]\" >> '" + record + "'; done\n");
        std::filesystem::permissions(opener, std::filesystem::perms::owner_all);
        setShellOpener({opener});
        return record;
    }
    static Lines waitForLines(const std::string& path, size_t n)
    {
        Lines lines;
        for (int i = 0; i < 300; ++i) {
            lines.clear();
            std::ifstream in(path);
            for (std::string l; std::getline(in, l);)
                lines.push_back(l);
            if (lines.size() >= n)
                break;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return lines;
    }
};

} // namespace

TEST_F(LinksAndHistory, BackAndForwardStopAtBothEndsAndSkipADeletedPerson)
{
    Clovek* a = add("Adam");
    Clovek* b = add("Bedřich");
    Clovek* c = add("Cyril");
    showWholeTree();
    for (Clovek* p : {a, b, c})
        visit(p);

    user::click(hl().layout().prevBT);
    EXPECT_EQ(hl().editor.currentPerson, b);
    EXPECT_EQ(hl().personList.currentRow()->person, b);
    user::click(hl().layout().prevBT);
    user::click(hl().layout().prevBT); // at the oldest entry: the same person, the history as it was
    EXPECT_EQ(hl().editor.currentPerson, a);
    EXPECT_EQ(hl().history->count(), 3);
    EXPECT_FALSE(hl().navigatingHistory);
    user::click(hl().layout().nextBT);
    user::click(hl().layout().nextBT);
    user::click(hl().layout().nextBT);
    EXPECT_EQ(hl().editor.currentPerson, c);
    EXPECT_EQ(hl().history->count(), 3);

    // A deleted person leaves the history with its row: back from Cyril is Adam.
    user::click(hl().layout().prevBT);
    ASSERT_EQ(hl().editor.currentPerson, b);
    script.press("Kinvelor", "anoBT");
    ASSERT_TRUE(hl().editor.confirmDeletePerson());
    EXPECT_EQ(hl().editor.currentPerson, c);
    user::click(hl().layout().prevBT);
    EXPECT_EQ(hl().editor.currentPerson, a);
    EXPECT_EQ(hl().personList.currentRow()->person, a);

    // A person the list does not show now (another group): nothing changes.
    user::click(hl().layout().nextBT);
    hl().personList.remove(hl().personList.rowOf(a));
    user::click(hl().layout().prevBT);
    EXPECT_EQ(hl().editor.currentPerson, c);
    EXPECT_EQ(hl().history->current(), c);
}

TEST_F(LinksAndHistory, WebPagesKeepTheirSchemeAndAddressesReachTheOpenerWhole)
{
    Clovek* p = add("Jan");
    showWholeTree();
    visit(p);
    const std::string record = recordOpener();
    p->web1 = "https://rodokmen.example.cz/a b;c";
    p->web2 = "www.example.cz";
    p->email1 = "a@b.c"; // five letters: ignored
    p->email2 = "jiří@ex.cz; rm -rf ~";
    DalsiSheet& s = hl().editor.dalsiSheet;
    // Each waits for the one before, so the record keeps their order.
    s.otevriWWW1BT.OnClick();
    waitForLines(record, 1);
    s.otevriWWW2BT.OnClick();
    waitForLines(record, 2);
    s.napis1BT.OnClick();
    s.napis2BT.OnClick();
    waitForLines(record, 3);
    p->web1 = "HTTP://EXAMPLE.CZ";
    s.otevriWWW1BT.OnClick();
    EXPECT_EQ(waitForLines(record, 4),
              (Lines{"[https://rodokmen.example.cz/a b;c]", "[http://www.example.cz]",
                     "[mailto:jiří@ex.cz; rm -rf ~]", "[HTTP://EXAMPLE.CZ]"}));
}

// An opener that ends in failure, as one does with no program set up for the address.
TEST_F(LinksAndHistory, ALinkNoProgramOpensIsTold)
{
    Clovek* p = add("Jan");
    showWholeTree();
    visit(p);
    p->web1 = "www.example.cz";
    p->email1 = "jan@example.cz";
    setShellOpener({"false"});
    hl().editor.dalsiSheet.otevriWWW1BT.OnClick();
    hl().editor.dalsiSheet.napis1BT.OnClick();
    setShellOpener({});
    EXPECT_EQ(script.messageTexts(),
              (Lines{"Stránku se nepodařilo otevřít, patrně není nastaven žádný webový prohlížeč.",
                     "E-mail se nepodařilo otevřít, patrně není nastaven žádný poštovní program."}));
}

TEST_F(LinksAndHistory, AMissingHelpFileIsToldAndAPresentOneOpened)
{
    const std::string record = recordOpener();
    user::click(hl().layout().Napoveda2);
    EXPECT_EQ(script.messageTexts(),
              (Lines{"Soubor s nápovědou nenalezen, patrně používáte verzi programu bez nápovědy."}));
    createDir(folder() + "help");
    writeFileAtomic(folder() + "help/kinvelor.hlp", "help");
    user::click(hl().layout().NapovedaBT);
    EXPECT_EQ(waitForLines(record, 1), (Lines{"[" + folder() + "help/kinvelor.hlp]"}));
}

TEST_F(LinksAndHistory, ADoubleClickClosesEveryPickListAlsoOnAnEmptyArea)
{
    TvyberPartnera& partner = *vyberPartnera;
    partner.nabidkaLIST.Items.Add("Novák Jan");
    partner.Button1.Enabled = false;
    script.modal("vyberPartnera", [&](TForm&) {
        user::pick(partner.nabidkaLIST, 0);
        EXPECT_TRUE(partner.Button1.Enabled);
        user::doubleClickLine(partner.nabidkaLIST, -1);
    });
    EXPECT_EQ(partner.ShowModal(), mrOk);

    struct Pick {
        TForm& window;
        TListBox& list;
    };
    for (Pick pick :
         {Pick{*vyberDiteFORM, vyberDiteFORM->ListBox1}, Pick{*pribuzniFORM, pribuzniFORM->osobyLIST},
          Pick{*vyhledanoFORM, vyhledanoFORM->osobyLIST}}) {
        pick.list.Items.Clear();
        script.modal(pick.window.Name, [&](TForm&) { user::doubleClickLine(pick.list, -1); });
        EXPECT_EQ(pick.window.ShowModal(), mrOk) << pick.window.Name;
        EXPECT_EQ(pick.list.ItemIndex(), -1);
    }
}
