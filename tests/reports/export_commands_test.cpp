// The commands of the page of one person, the chart viewer, the text export and the calendar as
// a person runs them: what is written, what is started and what the person is told.
#include "forms/kalendar_form.h"
#include "model/model_helpers.h"
#include "shell/program_fixture.h"
#include "system/codec.h"
#include "system/fileio.h"
#include "system/files.h"
#include "system/process.h"
#include "toolkit/scripted_runner.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <sys/stat.h>
#include <thread>

namespace {

class ExportCommands : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        setShellOpener({"true"});
        startQuietly();
        script.file(writeTreeFile(folder() + "save/strom.rod"));
        user::click(hl().layout().Otevrit1);
        ASSERT_TRUE(hl().session.tree());
        ASSERT_TRUE(hl().editor.currentPerson);
        script.clearRecords();
    }
    void TearDown() override
    {
        setShellOpener({});
        ProgramTest::TearDown();
    }
    Clovek* add(const std::string& first, int sex, const Datum& birth)
    {
        return addPersonTo(*hl().session.tree(), first, "Novák", sex, birth);
    }
    std::string viewerFolder() { return hl().programFolder + "lineskop/"; }
    // A stand-in viewer that notes where it runs and what it was given.
    void installViewer()
    {
        ASSERT_TRUE(createDir(viewerFolder()) || directoryExists(viewerFolder()));
        const std::string program = viewerFolder() + "lineskop";
        writeFileAtomic(program,
                        "#!/bin/sh\necho \"$PWD|$#|$*\" > \"$PWD/spusten.tmp\"\nmv \"$PWD/spusten.tmp\" "
                        "\"$PWD/spusten.txt\"\n");
        ::chmod(program.c_str(), 0755);
    }
    std::string waitForViewer()
    {
        const std::string noted = viewerFolder() + "spusten.txt";
        for (int i = 0; i < 500 && !fileExists(noted); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        return fileExists(noted) ? readFileBytes(noted) : std::string();
    }
    ScriptedRunner script;
    TempFolder out;
};

TEST_F(ExportCommands, ChartViewerStartsInItsFolderWithTheChartAsArguments)
{
    installViewer();
    std::filesystem::create_directories(viewerFolder() + "hlavy");
    writeFileAtomic(viewerFolder() + "hlavy/hlava99.jpg", "old");

    user::click(hl().layout().AgnatniVyvod1);
    EXPECT_EQ(waitForViewer(), withoutTrailingSlashes(viewerFolder()) + "|2|temp 2\n");
    EXPECT_TRUE(script.messages().empty());
    EXPECT_FALSE(fileExists(viewerFolder() + "hlavy/hlava99.jpg")) << "portraits of an older hand-off go";
    const std::vector<std::string> ini = readCp1250Lines(viewerFolder() + "temp.ini");
    ASSERT_FALSE(ini.empty());
    EXPECT_EQ(ini.front(), "[osoba" + std::to_string(hl().editor.currentPerson->number) + "]");
    EXPECT_EQ(ini[1], "jmeno=Jan");
}

TEST_F(ExportCommands, AMissingChartViewerIsToldAndABareStartWritesNothing)
{
    user::click(hl().layout().LineskopBT);
    ASSERT_EQ(script.messages().size(), 1u);
    EXPECT_NE(script.messages()[0].text.find("Lineskop se nepodařilo spustit"), std::string::npos);
    EXPECT_TRUE(fileExists(viewerFolder() + "temp.ini"));

    deleteFile(viewerFolder() + "temp.ini");
    installViewer();
    hl().editor.currentPerson = nullptr;
    user::click(hl().layout().SpustitLineskop1);
    EXPECT_EQ(waitForViewer(), withoutTrailingSlashes(viewerFolder()) + "|0|\n");
    EXPECT_FALSE(fileExists(viewerFolder() + "temp.ini"));
}

TEST_F(ExportCommands, CalendarIsWrittenToTheWorkingFolderAndTheUserIsAskedToSaveIt)
{
    add("Eva", 0, date("20", "1", "1990"));
    add("Petr", 1, date("5", "11", "1970"));
    add("Ida", 0, date("?", "2", "1980")); // no complete date, no entry
    script.press("kalendarFORM", "OKBtn");
    user::click(hl().layout().Kalendar1);
    const std::vector<std::string> lines = splitLines(readFileBytes(hl().workingFolder + "kalendar.txt"));
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0], " 2023");
    EXPECT_EQ(lines[3].rfind("20.01. ", 0), 0u);
    EXPECT_NE(lines[3].find("33. narozeniny (1990)"), std::string::npos);
    EXPECT_NE(lines[3].find("Novák"), std::string::npos) << "UTF-8";
    EXPECT_EQ(lines[4], "");
    EXPECT_EQ(lines[5].rfind("05.11. ", 0), 0u);
    EXPECT_EQ(script.messageTexts(),
              std::vector<std::string>{"Kalendář byl vytvořen. Uložte si jej prosím."});
}

TEST_F(ExportCommands, TextExportWritesTheFileAndAFailureIsShown)
{
    hl().editor.currentPerson->firstName = "Jiří";
    script.press("coExportovatFORM", "okBT").file(out / "osoby.txt");
    user::click(hl().layout().expTXT);
    EXPECT_EQ(readFileBytes(out / "osoby.txt"), "Jiří\t\t\t\t\t\t\t\r\n") << "UTF-8, CR LF";
    EXPECT_TRUE(script.messages().empty()) << "no message follows a written file";

    std::filesystem::create_directories(out / "slozka.txt");
    script.press("coExportovatFORM", "okBT").file(out / "slozka.txt");
    user::click(hl().layout().expTXT);
    ASSERT_EQ(script.messages().size(), 1u);
    EXPECT_NE(script.messages()[0].text.find(out / "slozka.txt"), std::string::npos)
        << "the message names the file";
}

// Day 2 of an unknown month of 1823 was written "2.1823", which reads as February 1823 beside
// "3.1900" for March 1900 in the same column.
TEST_F(ExportCommands, TextExportKeepsTheUnknownMonthOfAKnownDayInSight)
{
    Clovek* jan = hl().editor.currentPerson;
    jan->birth = date("?", "3", "1800");
    jan->alive = 0;
    jan->death = date("2", "?", "1823");
    Clovek* eva = add("Eva", 0, date("2", "?", "?"));
    eva->death = date("5", "3", "1900");
    add("Ida", 0, date("?", "?", "1900"))->death = date("?", "3", "1900");
    script.press("coExportovatFORM", "okBT").file(out / "osoby.txt");
    user::click(hl().layout().expTXT);
    EXPECT_EQ(
        splitLines(readFileBytes(out / "osoby.txt")),
        (std::vector<std::string>{"Ida\tNovák\t\t1900\t\t3.1900\t\t", "Eva\tNovák\t\t2.?.\t\t5.3.1900\t\t",
                                  "Jan\t\t\t3.1800\t\t2.?.1823\t\t"}));
}

TEST_F(ExportCommands, PageOfOnePersonIsAnnouncedAndAFailureNamesTheFile)
{
    script.press("coVHtmlFORM", "OKBtn").file(out / "jan.htm");
    user::click(hl().layout().HTMLstranka1);
    EXPECT_TRUE(fileExists(out / "jan.htm"));
    EXPECT_TRUE(directoryExists(out / "foto"));
    EXPECT_EQ(script.messageTexts(),
              std::vector<std::string>{"Stránka byla úspěšně vygenerována. Případné foto k ní "
                                       "patřící je v podadresáří foto u stránky."});

    // The extension the dialog offers is added to a name typed without one.
    script.press("coVHtmlFORM", "OKBtn").file(out / "eva");
    user::click(hl().layout().HTMLstranka1);
    EXPECT_TRUE(fileExists(out / "eva.htm"));
    EXPECT_FALSE(fileExists(out / "eva"));

    script.clearRecords();
    script.press("coVHtmlFORM", "OKBtn").file(out / "chybi/jan.htm");
    user::click(hl().layout().HTMLstranka1);
    EXPECT_EQ(script.messageTexts(), std::vector<std::string>{"Error!\nNezapsáno: " + out / "chybi/foto"});
}

} // namespace
