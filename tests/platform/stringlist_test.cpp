#include "system/collation.h"
#include "system/exceptions.h"
#include "system/fileio.h"
#include "system/stringlist.h"

#include "temp_folder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <set>
#include <utility>
#include <vector>

namespace {

struct CzechCollation : ::testing::Test {
    void SetUp() override { setCollationLocale("cs"); }
    void TearDown() override { setCollationLocale(""); }
};

} // namespace

using Collation = CzechCollation;
using StringList = CzechCollation;

TEST_F(Collation, CzechLettersAndChAfterH)
{
    EXPECT_LT(compareCollated("hrad", "chata"), 0);
    EXPECT_LT(compareCollated("cukr", "čaj"), 0);
    EXPECT_LT(compareCollated("rys", "řeka"), 0);
    EXPECT_LT(compareCollated("zub", "žába"), 0);
    EXPECT_EQ(compareCollated("NOVÁK", "novák"), 0);
    EXPECT_NE(compareCollated("Novak", "Novák"), 0);
}

TEST_F(StringList, SortKeepsDuplicatesAndFollowsCollation)
{
    TStringList l{"Šimek", "Adam", "chalupa", "Hora", "adam", "Čech"};
    l.Sort();
    EXPECT_EQ(l.lines(), (std::vector<std::string>{"Adam", "adam", "Čech", "Hora", "chalupa", "Šimek"}));
}

TEST_F(StringList, SortedAddAndCaseInsensitiveIndexOf)
{
    TStringList l;
    l.setSorted(true);
    l.Add("Žofie");
    l.Add("Eva");
    int at = l.Add("Marie");
    EXPECT_EQ(at, 1);
    EXPECT_EQ(l.IndexOf("EVA"), 0);
    EXPECT_EQ(l.IndexOf("Evička"), -1);
}

TEST_F(StringList, BadIndexesRaiseInsteadOfCorrupting)
{
    TStringList l{"a"};
    EXPECT_THROW(l[1], Exception);
    EXPECT_THROW(l.Delete(-1), Exception);
    EXPECT_THROW(l.Insert(3, "x"), Exception);
    l.Insert(1, "b");
    EXPECT_EQ(l.Count(), 2);
}

TEST_F(StringList, FileRoundTripInWindows1250)
{
    TempFolder dir;
    const std::string path = dir / "kv_stringlist.txt";
    TStringList l{"Příliš", "", "žluťoučký"};
    l.SaveToFile(path);
    EXPECT_EQ(readFileBytes(path), "P\xF8\xEDli\x9A\r\n\r\n\x9Elu\x9Dou\xE8k\xFD\r\n");
    TStringList back;
    back.LoadFromFile(path);
    EXPECT_EQ(back.lines(), l.lines());
}

// A window compares the stamp instead of the lines: a change that kept it would never be shown,
// and two contents under one stamp would show the old one.
TEST_F(StringList, EveryChangeTakesANewStampAndACopyCarriesItsContentsStamp)
{
    TStringList l{"Jan", "Eva"};
    std::set<std::uint64_t> seen{l.revision()};
    const auto newStamp = [&] { return seen.insert(l.revision()).second; };
    int object = 0;
    const std::vector<std::pair<const char*, std::function<void()>>> changes = {
        {"Add", [&] { l.Add("Marie"); }},
        {"setString", [&] { l.setString(0, "Josef"); }},
        {"Insert", [&] { l.Insert(1, "Anna"); }},
        {"Exchange", [&] { l.Exchange(0, 1); }},
        {"Sort", [&] { l.Sort(); }},
        {"setObject", [&] { l.setObject(0, &object); }},
        {"setLineFlag", [&] { l.setLineFlag(1, true); }},
        {"Delete", [&] { l.Delete(0); }},
        {"setText", [&] { l.setText("Petr\r\nPavel"); }},
        {"Assign", [&] { l.Assign(TStringList{"Zdeněk"}); }},
        {"Clear", [&] { l.Clear(); }},
    };
    for (const auto& [name, change] : changes) {
        change();
        EXPECT_TRUE(newStamp()) << name;
    }

    l.Add("Jana");
    TStringList copy = l;
    EXPECT_EQ(copy.revision(), l.revision());
    copy.Add("Vít");
    l = copy;
    EXPECT_EQ(l.revision(), copy.revision());
    const std::uint64_t held = copy.revision();
    TStringList moved = std::move(copy);
    EXPECT_EQ(moved.revision(), held);
    EXPECT_NE(copy.revision(), held); // NOLINT(bugprone-use-after-move): what is left has a stamp of its own
}
