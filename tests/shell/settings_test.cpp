#include "shell/settings.h"
#include "system/codec.h"
#include "system/exceptions.h"

#include "temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

namespace {

struct Settings : ::testing::Test {
    TempFolder root;
    std::string program = root.path();
    std::string iniPath() const { return program + "kinvelor.ini"; }
};

} // namespace

TEST_F(Settings, FirstStartRunsOnDefaultsAndWritesEveryKey)
{
    Nastaveni s;
    s.load(program);
    EXPECT_EQ(s.minYear, 1600);
    EXPECT_EQ(s.maxYear, 2050);
    EXPECT_EQ(s.languageFileName, "cestina.lan");
    EXPECT_FALSE(fs::exists(iniPath()));
    s.save(program);
    EXPECT_EQ(readCp1250Lines(iniPath()), (Lines{"[zobrazovat]",
                                                 "cislo=1",
                                                 "narozeni=1",
                                                 "procenta=1",
                                                 "rodne=0",
                                                 "trideni=0",
                                                 "sirkaseznamu=216",
                                                 "",
                                                 "[trideni]",
                                                 "vzestupne=1",
                                                 "",
                                                 "[gedcom]",
                                                 "nameasborn=1",
                                                 "mancopy=1",
                                                 "womancopy=1",
                                                 "",
                                                 "[start]",
                                                 "tip=1",
                                                 "cislo=0",
                                                 "",
                                                 "[meze]",
                                                 "rodicdite=15",
                                                 "maxvek=120",
                                                 "minrok=1600",
                                                 "maxrok=2050",
                                                 "smrtotecnarozdite=1",
                                                 "",
                                                 "[barvy]",
                                                 "aktivni=65535",
                                                 "rodice=32768",
                                                 "deti=16711680",
                                                 "partneri=255",
                                                 "sourozenci=128",
                                                 "",
                                                 "[posledni]",
                                                 "posledni1=",
                                                 "posledni2=",
                                                 "posledni3=",
                                                 "posledni4=",
                                                 "",
                                                 "[FVloz]",
                                                 "F9=",
                                                 "F10=",
                                                 "F11=",
                                                 "F12=",
                                                 "",
                                                 "[jazyk]",
                                                 "jazyk=cestina.lan",
                                                 ""}));
}

TEST_F(Settings, RoundTripKeepsUnknownSectionsAndKeys)
{
    writeCp1250Lines(iniPath(), {"[vlastni]", "klic=hodnota", "[meze]", "neznamy=7", "maxvek=99"});
    Nastaveni s;
    s.load(program);
    EXPECT_EQ(s.maxAge, 99);
    s.showBirthSurname = true;
    s.sortOrder = PersonSortKey::byId;
    s.colourActive = 0x123456;
    s.recentFiles = {"/home/já/strom.rod", "", "", ""};
    s.quickTexts[3] = "Praha – Žižkov";
    s.languageFileName = "english.lan";
    s.startCount = 41;
    s.personListWidth = 400;
    s.save(program);

    const auto lines = readCp1250Lines(iniPath());
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(Lines(lines.begin(), lines.begin() + 3), (Lines{"[vlastni]", "klic=hodnota", ""}));
    EXPECT_EQ(lines[3], "[meze]");
    EXPECT_EQ(lines[4], "neznamy=7");

    Nastaveni back;
    back.load(program);
    EXPECT_TRUE(back.showBirthSurname);
    EXPECT_EQ(back.sortOrder, PersonSortKey::byId);
    EXPECT_EQ(back.colourActive, 0x123456);
    EXPECT_EQ(back.recentFiles[0], "/home/já/strom.rod");
    EXPECT_EQ(back.quickTexts[3], "Praha – Žižkov"); // "–" is in Windows-1250
    EXPECT_EQ(back.languageFileName, "english.lan");
    EXPECT_EQ(back.startCount, 41);
    EXPECT_EQ(back.personListWidth, 400);
    EXPECT_EQ(back.maxAge, 99);
}

TEST_F(Settings, DamagedFileFallsBackKeyByKeyAndClampsWhatNoControlShows)
{
    writeCp1250Lines(iniPath(),
                     {"garbage before", "[zobrazovat]", "cislo=0", "narozeni=ano", "procenta=7", "trideni=9",
                      "[meze", "[meze]", "minrok=abc", "maxrok=99999", "rodicdite=-4", "maxvek=", "[barvy]",
                      "aktivni=-1", "deti=16777216", "rodice=255", "[start]", "cislo=2147483647"});
    Nastaveni s;
    s.load(program);
    EXPECT_FALSE(s.showNumber);
    EXPECT_TRUE(s.showBirth); // not a number: the default
    EXPECT_TRUE(s.showPercent); // any non-zero number
    EXPECT_EQ(s.sortOrder, PersonSortKey::byPercent);
    EXPECT_EQ(s.minYear, 1600);
    EXPECT_EQ(s.maxYear, 3000);
    EXPECT_EQ(s.minParentChildAge, 5);
    EXPECT_EQ(s.maxAge, 120);
    EXPECT_EQ(s.colourActive, 0x00FFFF);
    EXPECT_EQ(s.colourChildren, 0xFF0000);
    EXPECT_EQ(s.colourParents, 255);
    EXPECT_EQ(s.startCount + 1, 2147483647); // one more start cannot overflow
    EXPECT_TRUE(s.showTip); // missing key
}

TEST_F(Settings, YearRangeTurnedRoundFallsBackToTheDefaults)
{
    for (const Lines& years : {Lines{"minrok=3000", "maxrok=-3000"}, Lines{"minrok=2500", "maxrok=2100"}}) {
        writeCp1250Lines(iniPath(), {"[meze]", years[0], years[1], "maxvek=99"});
        Nastaveni s;
        s.load(program);
        EXPECT_EQ(s.minYear, 1600) << years[0];
        EXPECT_EQ(s.maxYear, 2050) << years[1];
        EXPECT_EQ(s.maxAge, 99); // the other limits are the file's
        s.save(program);
        const Lines back = readCp1250Lines(iniPath());
        EXPECT_NE(std::find(back.begin(), back.end(), "minrok=1600"), back.end());
        EXPECT_NE(std::find(back.begin(), back.end(), "maxrok=2050"), back.end());
    }
}

TEST_F(Settings, UnreadableFileGivesDefaultsAndSaveFailureIsReported)
{
    fs::create_directory(iniPath()); // a folder where the file should be
    Nastaveni s;
    s.maxAge = 50;
    s.load(program);
    EXPECT_EQ(s.maxAge, 120);
    EXPECT_THROW(s.save(program), EInOutError);
}

TEST(RecentFiles, MoveRules)
{
    Nastaveni s;
    s.recentFiles = {"1", "2", "3", "4"};
    s.addRecentFile("1");
    EXPECT_EQ(s.recentFiles, (std::array<std::string, 4>{"1", "2", "3", "4"}));
    s.addRecentFile("2");
    EXPECT_EQ(s.recentFiles, (std::array<std::string, 4>{"2", "1", "3", "4"}));
    s.recentFiles = {"1", "2", "3", "4"};
    s.addRecentFile("3");
    EXPECT_EQ(s.recentFiles, (std::array<std::string, 4>{"3", "1", "2", "4"}));
    s.recentFiles = {"1", "2", "3", "4"};
    s.addRecentFile("4");
    EXPECT_EQ(s.recentFiles, (std::array<std::string, 4>{"4", "1", "2", "3"}));
    s.recentFiles = {"1", "2", "3", "4"};
    s.addRecentFile("5");
    EXPECT_EQ(s.recentFiles, (std::array<std::string, 4>{"5", "1", "2", "3"}));
    s.addRecentFile("5");
    EXPECT_EQ(s.recentFiles, (std::array<std::string, 4>{"5", "1", "2", "3"}));
    s.addRecentFile("/a/Strom.rod");
    s.addRecentFile("/a/strom.rod"); // letter case counts
    EXPECT_EQ(s.recentFiles, (std::array<std::string, 4>{"/a/strom.rod", "/a/Strom.rod", "5", "1"}));

    Nastaveni fresh; // empty slots are texts like any other
    fresh.addRecentFile("x");
    EXPECT_EQ(fresh.recentFiles, (std::array<std::string, 4>{"x", "", "", ""}));
}
