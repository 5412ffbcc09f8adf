// The statistics tab, the save and print commands of the statistics and person-summary tabs and
// the Export, GED command, as a person uses them.
#include "model/svatba.h"
#include "shell/program_fixture.h"
#include "system/codec.h"
#include "system/fileio.h"

#include <algorithm>
#include <cstring>

namespace {

struct StatisticsPage : ProgramTest {
    void SetUp() override
    {
        ProgramTest::SetUp();
        startQuietly();
        user::click(hl().layout().Novy1);
        hl().session.tree()->treeName = "Novákovi";
        for (const char* name : {"Jan", "Marie"}) {
            hl().editor.currentPerson =
                addPersonTo(*hl().session.tree(), name, "Novák", name[0] == 'J', Datum("1", "2", "1950"));
        }
        hl().enableControls(true, true);
    }
    TRichEdit& rich() { return hl().layout().statistikaSheet.statistikaLipovetauRICH; }
    TRichEdit& summary() { return hl().layout().shrnutiSheet.shrnutiOsobyRICH; }
    std::vector<std::string> lines(const TRichEdit& r) { return r.Lines.lines(); }
};

} // namespace

TEST_F(StatisticsPage, TheTabShowsTheReportAndItsButtonsSwitchToTheTablesAndBack)
{
    user::selectTab(hl().layout().pages, hl().layout().statistikaLipovetau);
    ASSERT_FALSE(lines(rich()).empty());
    EXPECT_EQ(lines(rich())[0], "Statistika Lipovetau - Novákovi");
    EXPECT_EQ(lines(rich())[2], "Počet osob: 2 (2 naživu)");
    EXPECT_EQ(rich().Font.Charset, 238);

    user::click(hl().layout().statistikaSheet.tabulkyBT);
    EXPECT_EQ(lines(rich())[0], "Tabulky statistik lipovetau - Novákovi");
    user::click(hl().layout().statistikaSheet.zakladniPrehledBT);
    EXPECT_EQ(lines(rich())[0], "Statistika Lipovetau - Novákovi");
}

TEST_F(StatisticsPage, SaveReplacesAFileWithTheLinesInUtf8)
{
    user::selectTab(hl().layout().pages, hl().layout().statistikaLipovetau);
    const std::string path =
        root.write("statistika.txt", "an older, longer text that must not survive in part\r\n");
    script.file(path);
    user::click(hl().layout().statistikaSheet.ulozitStatistikyLipovetauBT);
    EXPECT_EQ(hl().layout().SaveDialogTXT.InitialDir, folder());
    const std::string bytes = readFileBytes(path);
    std::string expected;
    for (const std::string& line : lines(rich()))
        expected += line + "\r\n";
    EXPECT_EQ(bytes, expected);
    EXPECT_TRUE(script.messages().empty());

    // Cancelling changes nothing.
    script.cancelFile();
    user::click(hl().layout().statistikaSheet.ulozitStatistikyLipovetauBT);
    EXPECT_EQ(readFileBytes(path), expected);
}

TEST_F(StatisticsPage, AFailedSaveIsReportedAndLeavesTheOldFileWhole)
{
    user::selectTab(hl().layout().pages, hl().layout().shrnutiOsoby);
    const std::string path = root.write("shrnuti.txt", "old summary\r\n");
    std::filesystem::create_directory(folder() + "zamceno");
    script.file(folder() + "zamceno/nelze/shrnuti.txt");
    user::click(hl().layout().shrnutiSheet.ulozitStatistikuOsobyBT);
    ASSERT_EQ(script.messages().size(), 1u);
    EXPECT_NE(script.messages()[0].text.find("zamceno/nelze/shrnuti.txt"), std::string::npos);
    EXPECT_EQ(readFileBytes(path), "old summary\r\n");

    // The summary itself is saved like the statistics.
    script.file(path);
    user::click(hl().layout().shrnutiSheet.ulozitStatistikuOsobyBT);
    EXPECT_NE(readFileBytes(path), "old summary\r\n");
}

TEST_F(StatisticsPage, PrintSendsTheTextAsAJobOfItsTitle)
{
    user::selectTab(hl().layout().pages, hl().layout().statistikaLipovetau);
    script.confirmPrint(true);
    user::click(hl().layout().statistikaSheet.tiskStatistikyLipovetauBT);
    script.confirmPrint(false);
    user::click(hl().layout().statistikaSheet.tiskStatistikyLipovetauBT);
    user::selectTab(hl().layout().pages, hl().layout().shrnutiOsoby);
    script.confirmPrint(true);
    user::click(hl().layout().shrnutiSheet.tiskStatistikyOsobyBT);
    ASSERT_EQ(script.printed().size(), 2u);
    EXPECT_EQ(script.printed()[0].title, "Statistika Lipovetau");
    EXPECT_EQ(script.printed()[0].lines, lines(rich()));
    EXPECT_EQ(script.printed()[0].margin, 60);
    EXPECT_EQ(script.printed()[1].title, "Shrnuti osoby");
    EXPECT_EQ(rich().BorderWidth, 0);
}

TEST_F(StatisticsPage, ExportGedWritesTheTreeAndSaysSoOrTellsWhyNot)
{
    const std::string path = folder() + "novakovi.ged";
    script.file(path);
    user::click(hl().layout().expGED);
    EXPECT_EQ(hl().layout().SaveDialogGED.InitialDir, folder());
    const std::string bytes = readFileBytes(path);
    EXPECT_TRUE(bytes.starts_with("0 HEAD\r\n"));
    EXPECT_NE(bytes.find("1 NAME Marie /Novák/\r\n"), std::string::npos);
    ASSERT_EQ(script.messages().size(), 1u);
    EXPECT_EQ(script.messages()[0].text, "Soubor GED byl úspěšně vytvořen.");

    script.file(folder() + "chybi/novakovi.ged");
    user::click(hl().layout().expGED);
    ASSERT_EQ(script.messages().size(), 2u);
    EXPECT_NE(script.messages()[1].text, "Soubor GED byl úspěšně vytvořen.");
    EXPECT_NE(script.messages()[1].text.find("chybi/novakovi.ged"), std::string::npos);

    script.cancelFile();
    user::click(hl().layout().expGED);
    EXPECT_EQ(script.messages().size(), 2u);

    // A full disk: the file written before stays whole, and the message says what failed.
    {
        FailingWrites full("novakovi.ged");
        script.file(path);
        user::click(hl().layout().expGED);
    }
    EXPECT_EQ(readFileBytes(path), bytes);
    ASSERT_EQ(script.messages().size(), 3u);
    EXPECT_NE(script.messages()[2].text, "Soubor GED byl úspěšně vytvořen.");
    EXPECT_NE(script.messages()[2].text.find(path), std::string::npos);
    EXPECT_NE(script.messages()[2].text.find(std::strerror(ENOSPC)), std::string::npos);
}
