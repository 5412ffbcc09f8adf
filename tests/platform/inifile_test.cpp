#include "system/exceptions.h"
#include "system/fileio.h"
#include "system/inifile.h"

#include "temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

struct IniFile : ::testing::Test {
    TempFolder dir;
    std::string file(const std::string& name) const { return dir / name; }
};

TMemIniFile fromLines(const std::vector<std::string>& lines)
{
    TMemIniFile ini;
    ini.SetStrings(lines);
    return ini;
}

} // namespace

TEST_F(IniFile, ReadingRules)
{
    auto ini = fromLines({
        "before=the first section",
        "[Menu]",
        "; a comment=1",
        "",
        "oProgramu=O programu",
        "oprogramu=second occurrence",
        "mezery=  kolem  ",
        "prazdny=",
        "a=b=c",
        "no equals sign",
        "[menu]",
        "jen=ve druhé",
        "[ruzne]",
        "x=1",
    });
    EXPECT_FALSE(ini.ValueExists("menu", "before"));
    EXPECT_EQ(ini.ReadString("MENU", "OPROGRAMU", "d"), "O programu");
    EXPECT_EQ(ini.ReadString("menu", "mezery", "d"), "  kolem  ");
    EXPECT_EQ(ini.ReadString("menu", "prazdny", "d"), "");
    EXPECT_EQ(ini.ReadString("menu", "a", "d"), "b=c");
    EXPECT_EQ(ini.ReadString("menu", "no equals sign", "d"), "d");
    EXPECT_FALSE(ini.ValueExists("menu", "; a comment"));
    // Only the first section of a name is searched.
    EXPECT_EQ(ini.ReadString("menu", "jen", "d"), "d");
    EXPECT_EQ(ini.ReadString("ruzne", "x", "d"), "1");
    EXPECT_EQ(ini.ReadString("chybi", "x", "d"), "d");
}

TEST_F(IniFile, CzechNamesMatchWithoutCase)
{
    auto ini = fromLines({"[Čeština]", "Žluť=kůň"});
    EXPECT_EQ(ini.ReadString("čEŠTINA", "žLUŤ", ""), "kůň");
}

TEST_F(IniFile, NumbersAndFlags)
{
    auto ini = fromLines({"[s]", "n=42", "neg=-7", "bad=12a", "blank= 3", "empty=", "big=99999999999", "f0=0",
                          "f5=5", "fx=ano"});
    EXPECT_EQ(ini.ReadInteger("s", "n", 1), 42);
    EXPECT_EQ(ini.ReadInteger("s", "neg", 1), -7);
    EXPECT_EQ(ini.ReadInteger("s", "bad", 1), 1);
    EXPECT_EQ(ini.ReadInteger("s", "blank", 1), 1);
    EXPECT_EQ(ini.ReadInteger("s", "empty", 1), 1);
    EXPECT_EQ(ini.ReadInteger("s", "big", 1), 1);
    EXPECT_EQ(ini.ReadInteger("s", "missing", 9), 9);
    EXPECT_FALSE(ini.ReadBool("s", "f0", true));
    EXPECT_TRUE(ini.ReadBool("s", "f5", false));
    EXPECT_TRUE(ini.ReadBool("s", "fx", true));
    EXPECT_FALSE(ini.ReadBool("s", "fx", false));
}

TEST_F(IniFile, WritesInPlaceOrAppendsAndRewritesTheLayout)
{
    auto ini =
        fromLines({"junk", "[A]", ";c", "k1=v1", "loose line", "K2=", "", "[b]", "z=1", "[a]", "k3=x"});
    ini.WriteString("a", "k2", "new"); // in place, caller's spelling of the key
    ini.WriteString("A", "k4", "appended"); // end of the first section "A"
    ini.WriteString("c", "k", "v"); // a new section at the end
    ini.WriteInteger("b", "n", -5);
    ini.WriteBool("b", "f", true);
    ini.WriteString("b", "multi", "one\r\ntwo");
    EXPECT_EQ(
        ini.GetStrings(),
        (std::vector<std::string>{"[A]", "k1=v1", "loose line", "k2=new", "k4=appended", "", "[b]", "z=1",
                                  "n=-5", "f=1", "multi=one  two", "", "[a]", "k3=x", "", "[c]", "k=v", ""}));
    // The second "[a]" is still not searched after a rewrite and a re-read.
    auto again = fromLines(ini.GetStrings());
    EXPECT_EQ(again.ReadString("a", "k3", "d"), "d");
    EXPECT_EQ(again.ReadString("a", "k4", "d"), "appended");
}

TEST_F(IniFile, FileRoundTripInWindows1250)
{
    const auto path = file("x.ini");
    writeFileAtomic(path, "\xC8"
                          "esky]\r\n[\xC8"
                          "e\x9Atina]\r\nkl\xED\xE8=\x9E"
                          "lu\x9D"
                          "ou\xE8k\xFD\r\n");
    TMemIniFile ini(path);
    EXPECT_EQ(ini.ReadString("Čeština", "klíč", ""), "žluťoučký");
    ini.WriteString("Čeština", "nový", "kůň");
    ini.UpdateFile();
    EXPECT_EQ(readFileBytes(path), "[\xC8"
                                   "e\x9Atina]\r\nkl\xED\xE8=\x9E"
                                   "lu\x9D"
                                   "ou\xE8k\xFD\r\nnov\xFD=k\xF9\xF2\r\n\r\n");
    EXPECT_FALSE(fs::exists(path + ".tmp~"));
}

TEST_F(IniFile, MissingFileIsEmptyAndUnwritablePlaceRaises)
{
    TMemIniFile ini(file("none/x.ini"));
    EXPECT_FALSE(ini.SectionExists("a"));
    ini.WriteString("a", "b", "c");
    EXPECT_THROW(ini.UpdateFile(), EInOutError);

    // A folder in place of the file reads as empty and cannot be written over.
    fs::create_directory(file("dir.ini"));
    TMemIniFile folder(file("dir.ini"));
    folder.WriteString("a", "b", "c");
    EXPECT_THROW(folder.UpdateFile(), EInOutError);
}
