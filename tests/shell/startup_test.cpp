// Starting and stopping the program as a person does: the first activation of the main window,
// the double-start warning, tips and greetings, a tree named on the command line, the close.
#include "model/clovek.h"
#include "model/datum.h"
#include "program_fixture.h"
#include "shell/lang_form.h"
#include "system/file_lock.h"
#include "system/fileio.h"
#include "system/files.h"
#include "system/inifile.h"

#include <fstream>

#include <unistd.h>

using Lines = std::vector<std::string>;

namespace {

std::string bytesOf(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct Startup : ProgramTest { };

} // namespace

TEST_F(Startup, FirstStartInAnEmptyFolderMakesItsFoldersAndGreetsWithTheSignUp)
{
    script.modal("Tip", [](TForm& f) {
        auto& tip = static_cast<TtipFORM&>(f);
        EXPECT_EQ(tip.cisloSpusteniLB.Caption, "Číslo spuštění: 1");
        EXPECT_EQ(tip.tipLB.Caption.rfind("Zaregistrujte se na webových stránkách programu Kinvelor.", 0),
                  0u);
        EXPECT_TRUE(tip.zobrazovatCH.Checked());
        EXPECT_FALSE(tip.zobrazovatCH.enabledInWindow());
        user::click(tip.OKBtn);
    });
    user::activate(hl().layout());

    for (const char* sub : {"data", "data/lang", "save"})
        EXPECT_TRUE(std::filesystem::is_directory(folder() + sub)) << sub;
    EXPECT_EQ(bytesOf(folder() + "data/active.rdk"), "");
    EXPECT_EQ(script.windowsShown(), Lines{"Tip"});
    EXPECT_TRUE(script.messages().empty());
    EXPECT_EQ(hl().programFolder, folder());
    EXPECT_EQ(hl().workingFolder, folder() + "temp/kopie" + std::to_string(::getpid()) + "/");
    EXPECT_TRUE(exists(folder() + "data/lang/cestina.lan"));
    EXPECT_FALSE(hl().layout().Zavrit1.Enabled);

    hl().layout().Close();
    EXPECT_TRUE(Application.Terminated);
    EXPECT_FALSE(exists(folder() + "data/active.rdk"));
    TMemIniFile saved(folder() + "kinvelor.ini");
    EXPECT_EQ(saved.ReadInteger("start", "cislo", 0), 1);
}

TEST_F(Startup, AFolderWithoutALanguageFileGetsTheCzechOneTheLanguageWindowOffers)
{
    startQuietly();
    const Lines czech = readCp1250Lines(folder() + "data/lang/cestina.lan");
    ASSERT_GE(czech.size(), 3u);
    EXPECT_EQ(Lines(czech.begin(), czech.begin() + 2), (Lines{"[info]", "jazyk=Čeština"}));
    // The lookups added their texts to it.
    EXPECT_TRUE(TMemIniFile(folder() + "data/lang/cestina.lan").SectionExists("ruzne"));
    script.modal("", [](TForm&) {
        EXPECT_EQ(langFORM->jazykyLIST.Items.lines(), (Lines{"cestina.lan - Čeština"}));
        user::click(langFORM->stornoBT);
    });
    user::click(hl().layout().Jazyk1);
}

TEST_F(Startup, AnInstalledLanguageFileIsLeftAsItIs)
{
    std::filesystem::create_directories(folder() + "data/lang");
    writeCp1250Lines(folder() + "data/lang/english.lan", {"[info]", "jazyk=English"});
    startQuietly();
    EXPECT_EQ(readCp1250Lines(folder() + "data/lang/english.lan"), (Lines{"[info]", "jazyk=English"}));
}

TEST_F(Startup, ActivatingAgainRepeatsNothingOfTheStart)
{
    startQuietly();
    Application.deactivate();
    user::activate(hl().layout());
    EXPECT_EQ(hl().settings.startCount, 1);
    EXPECT_TRUE(script.windowsShown().empty());
}

TEST_F(Startup, AMarkerNoRunningCopyStandsBehindGoesWithoutAQuestion)
{
    // Left by a copy that crashed or was killed; its working folder's lock is free.
    std::filesystem::create_directories(folder() + "data");
    std::filesystem::create_directories(folder() + "temp/kopie1");
    std::ofstream(folder() + "temp/kopie1.zamek").close();
    std::ofstream(folder() + "data/active.rdk").close();
    writeSettings({"[start]", "tip=0", "cislo=7"});
    user::activate(hl().layout());
    EXPECT_TRUE(script.windowsShown().empty());
    EXPECT_FALSE(Application.Terminated);
    EXPECT_EQ(hl().settings.startCount, 8);
    EXPECT_TRUE(exists(folder() + "data/active.rdk"));
    hl().layout().Close();
    EXPECT_FALSE(exists(folder() + "data/active.rdk"));
}

TEST_F(Startup, QuittingAtTheWarningLeavesTheRunningCopysFilesAlone)
{
    std::filesystem::create_directories(folder() + "data");
    std::filesystem::create_directories(folder() + "temp/kopie1/foto");
    FileLock running;
    ASSERT_TRUE(running.tryLock(folder() + "temp/kopie1.zamek"));
    std::ofstream(folder() + "data/active.rdk").close();
    std::ofstream(folder() + "temp/kopie1/foto/foto0.jpg") << "jpeg";
    writeSettings({"[start]", "tip=1", "cislo=41", "[posledni]", "posledni1=/data/a.rod"});
    const std::string settingsBefore = bytesOf(folder() + "kinvelor.ini");

    script.press("Lipoveta", "ukoncitBT");
    user::activate(hl().layout());

    EXPECT_TRUE(Application.Terminated);
    EXPECT_EQ(script.windowsShown(), Lines{"Lipoveta"}); // no tip window
    EXPECT_EQ(bytesOf(folder() + "kinvelor.ini"), settingsBefore);
    EXPECT_TRUE(exists(folder() + "temp/kopie1/foto/foto0.jpg"));
    EXPECT_TRUE(exists(folder() + "data/active.rdk"));
    EXPECT_FALSE(exists(folder() + "data/lang/cestina.lan"));
    EXPECT_FALSE(hl().session.tree());
}

TEST_F(Startup, TwoRunningCopiesKeepTheirOwnWorkingFoldersAndTheMarker)
{
    // A copy still running (its lock held) and one that died (its lock free).
    std::filesystem::create_directories(folder() + "data");
    std::filesystem::create_directories(folder() + "temp/kopie1/foto");
    std::filesystem::create_directories(folder() + "temp/kopie2/foto");
    std::ofstream(folder() + "temp/kopie1/foto/foto0.jpg") << "running";
    std::ofstream(folder() + "temp/kopie2/foto/foto0.jpg") << "dead";
    std::ofstream(folder() + "temp/kopie2.zamek").close();
    auto running = std::make_unique<FileLock>();
    ASSERT_TRUE(running->tryLock(folder() + "temp/kopie1.zamek"));
    std::ofstream(folder() + "data/active.rdk").close();
    writeSettings({"[start]", "tip=0"});

    script.press("Lipoveta", "pokracovatBT");
    user::activate(hl().layout());
    EXPECT_NE(hl().workingFolder, folder() + "temp/kopie1/");
    EXPECT_TRUE(exists(folder() + "temp/kopie1/foto/foto0.jpg"));
    EXPECT_FALSE(exists(folder() + "temp/kopie2"));
    EXPECT_FALSE(exists(folder() + "temp/kopie2.zamek"));

    // Opening and closing trees and the exit touch only this copy's folder; the running
    // copy's marker stays.
    user::click(hl().layout().Novy1);
    hl().closeTree();
    const std::string own = hl().workingFolder;
    hl().layout().Close();
    EXPECT_TRUE(Application.Terminated);
    EXPECT_TRUE(exists(folder() + "temp/kopie1/foto/foto0.jpg"));
    EXPECT_TRUE(exists(folder() + "data/active.rdk"));
    EXPECT_FALSE(exists(own));
}

TEST_F(Startup, SmallScreenIsToldOnceAndTheStartGoesOn)
{
    for (const TScreen screen : {TScreen{1024, 767}, TScreen{1023, 768}}) {
        theScreen = screen;
        prepareRestart();
        script.clearRecords();
        startQuietly();
        EXPECT_EQ(script.messageTexts(),
                  Lines{"Rozlišení vašeho monitoru je menší než 1024x768, program nebude pracovat správně!"});
        EXPECT_TRUE(exists(folder() + "data/active.rdk"));
    }
}

TEST_F(Startup, FourthStartShowsATipOfTheLanguageAndCanSwitchTipsOff)
{
    std::filesystem::create_directories(folder() + "data/lang");
    writeCp1250Lines(folder() + "data/lang/cestina.tip", {"První tip", "Druhý tip", "Třetí tip"});
    writeSettings({"[start]", "tip=1", "cislo=3"});
    script.modal("Tip", [](TForm& f) {
        auto& tip = static_cast<TtipFORM&>(f);
        EXPECT_EQ(tip.cisloSpusteniLB.Caption, "Číslo spuštění: 4");
        EXPECT_TRUE(tip.tipLB.Caption == "První tip" || tip.tipLB.Caption == "Druhý tip" ||
                    tip.tipLB.Caption == "Třetí tip")
            << tip.tipLB.Caption;
        ASSERT_TRUE(user::click(tip.zobrazovatCH));
        user::pressKey(f, VK_RETURN);
    });
    user::activate(hl().layout());
    EXPECT_FALSE(hl().settings.showTip);
    hl().layout().Close();
    EXPECT_FALSE(TMemIniFile(folder() + "kinvelor.ini").ReadBool("start", "tip", true));
}

TEST_F(Startup, ThePersonListOpensAsWideAsItWasLeft)
{
    writeSettings({"[zobrazovat]", "sirkaseznamu=300", "[start]", "tip=0"});
    const int pagesLeft = hl().layout().pages.Left;
    user::activate(hl().layout());
    EXPECT_EQ(hl().layout().scrolling.Width, 300);
    EXPECT_EQ(hl().layout().pages.Left, pagesLeft + 84);
    hl().layout().listSplitter.userDrag(-20);
    hl().layout().Close();
    EXPECT_EQ(TMemIniFile(folder() + "kinvelor.ini").ReadInteger("zobrazovat", "sirkaseznamu", 0), 280);
}

TEST_F(Startup, AnEmptyOrMissingTipFileGivesTheSignUpText)
{
    startQuietly();
    const std::string signUp =
        "Zaregistrujte se na webových stránkách programu Kinvelor. Budete tak vždy ihned "
        "informováni o nové verzi programu.";
    hl().settings.startCount = 9;
    EXPECT_EQ(hl().tipText(), signUp);
    std::ofstream(folder() + "data/lang/cestina.tip").close();
    EXPECT_EQ(hl().tipText(), signUp);
}

TEST_F(Startup, TipFileSitsBesideACheckedLanguageFile)
{
    hl().programFolder = folder();
    hl().settings.languageFileName = "english.lan";
    EXPECT_EQ(hl().tipFilePath(), folder() + "data/lang/english.tip");
    for (const char* bad : {"../../etc/passwd.lan", "/tmp/x.lan", "english.txt"}) {
        hl().settings.languageFileName = bad;
        EXPECT_EQ(hl().tipFilePath(), folder() + "data/lang/cestina.tip") << bad;
    }
}

TEST_F(Startup, GreetingsOnNewYearChristmasEveAndNewYearsEveOnly)
{
    startQuietly();
    const std::pair<Datum, const char*> days[] = {
        {Datum("1", "1", "2024"), "Hodně zdraví a také narozených příbuzných v novém roce!"},
        {Datum("24", "12", "2023"), "Šťastné a veselé Vánoce s kupou dárků!"},
        {Datum("31", "12", "2023"), "Veselého Silvestra!"},
        {Datum("2", "1", "2024"), nullptr},
        {Datum("25", "12", "2023"), nullptr},
    };
    for (const auto& [day, text] : days) {
        script.clearRecords();
        hl().showDateGreeting(day);
        EXPECT_EQ(script.messageTexts(), text ? Lines{text} : Lines{}) << day.day << "." << day.month;
    }
}

TEST_F(Startup, StartOnNewYearsDayGreetsAfterTheTip)
{
    fixDate(2024, 1, 1);
    script.press("Tip", "OKBtn");
    user::activate(hl().layout());
    EXPECT_EQ(script.windowsShown(), Lines{"Tip"});
    EXPECT_EQ(script.messageTexts(), Lines{"Hodně zdraví a také narozených příbuzných v novém roce!"});
}

TEST_F(Startup, CommandLineTreeMayBeNamedRelativelyOrWhole)
{
    const std::string previous = currentDir();
    std::filesystem::create_directories(folder() + "trees");
    const std::string treeFile = writeTreeFile(folder() + "trees/rodina.rod");
    ASSERT_EQ(::chdir((folder() + "trees").c_str()), 0);

    setCommandLine({"kinvelor", "rodina.rod"});
    startQuietly();
    ASSERT_TRUE(hl().session.tree());
    EXPECT_EQ(std::filesystem::canonical(hl().session.tree()->fileName),
              std::filesystem::canonical(treeFile));
    EXPECT_TRUE(hl().settings.recentFiles[0].empty()); // not a recent file

    hl().closeTreeData();
    prepareRestart();
    setCommandLine({"kinvelor", treeFile});
    user::activate(hl().layout());
    ASSERT_TRUE(hl().session.tree());
    EXPECT_EQ(hl().session.tree()->fileName, treeFile);

    hl().closeTreeData();
    prepareRestart();
    setCommandLine({"kinvelor", "chybi.rod"});
    user::activate(hl().layout());
    EXPECT_FALSE(hl().session.tree());
    EXPECT_TRUE(script.messages().empty());
    ASSERT_EQ(::chdir(previous.c_str()), 0);
}

TEST_F(Startup, CancellingTheSaveQuestionAtCloseKeepsTheProgramRunning)
{
    startQuietly();
    hl().createEmptyTree();
    hl().session.tree()->addNewPerson(std::make_unique<Clovek>());
    script.press("Kinvelor", "stornoBT");
    hl().layout().Close();
    EXPECT_FALSE(Application.Terminated);
    EXPECT_TRUE(hl().session.tree());
    EXPECT_TRUE(exists(folder() + "data/active.rdk"));

    script.press("Kinvelor", "neBT");
    user::click(hl().layout().Konec1);
    EXPECT_TRUE(Application.Terminated);
    EXPECT_FALSE(hl().session.tree());
    EXPECT_FALSE(exists(folder() + "data/active.rdk"));
}

TEST_F(Startup, ASignalOnAFullDiskEndsWithoutWaitingForAnAnswer)
{
    startQuietly();
    hl().createEmptyTree();
    hl().session.tree()->addNewPerson(std::make_unique<Clovek>());
    testing::internal::CaptureStderr();
    {
        FailingWrites full("kinvelor.ini");
        // What the stop signal does: the loop ends, then the close's work follows.
        Application.Terminate();
        hl().endRun();
    }
    const std::string told = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(script.messages().empty()) << script.messages()[0].text;
    EXPECT_NE(told.find(folder() + "kinvelor.ini"), std::string::npos) << told;
    EXPECT_FALSE(hl().session.tree());
    EXPECT_FALSE(exists(folder() + "data/active.rdk"));
    EXPECT_TRUE(listFolder(folder() + "temp", "*", ListKind::Folders).empty());
}
