#include "model/language_file.h"
#include "system/codec.h"
#include "system/collation.h"
#include "system/exceptions.h"
#include "system/fileio.h"
#include "system/inifile.h"

#include "temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

namespace {

struct Language : ::testing::Test {
    TempFolder root;
    std::string program = root.path();
    std::vector<std::string> messages;

    void SetUp() override
    {
        setCollationLocale("cs");
        fs::create_directories(program + "data/lang");
    }
    void TearDown() override { setCollationLocale(""); }
    std::string langPath() const { return languageFolder(program) + "cestina.lan"; }
    std::string logPath() const { return missingKeyLogPath(program); }
    void writeLang(const Lines& lines) const { writeCp1250Lines(langPath(), lines); }
    Lines read(const std::string& path) const { return readCp1250Lines(path); }

    LanguageFile open()
    {
        LanguageFile f(langPath(), logPath());
        f.onProblem = [this](const std::string& m) { messages.push_back(m); };
        f.load();
        return f;
    }
};

} // namespace

TEST_F(Language, FreshStartShowsDefaultsAndRebuildsTheFileInLookupOrder)
{
    auto lang = open();
    EXPECT_EQ(lang.langText("menu", "soubor", "Soubor"), "Soubor");
    EXPECT_EQ(lang.langText("ruzne", "vsichniSkupina", "_VŠICHNI"), "_VŠICHNI");
    EXPECT_EQ(lang.langText("menu", "konec", "Konec"), "Konec");
    EXPECT_EQ(lang.langText("chyby", "zacykleniOtec", "Zacyklení!"), "Zacyklení!");
    EXPECT_EQ(lang.langText("MENU", "Soubor", "jiný"), "Soubor"); // present now: no write
    EXPECT_EQ(read(langPath()),
              (Lines{"[menu]", "soubor=Soubor", "konec=Konec", "", "[ruzne]", "vsichniSkupina=_VŠICHNI", "",
                     "[chyby]", "zacykleniOtec=Zacyklení!", ""}));
    EXPECT_EQ(read(logPath()),
              (Lines{"chyby ; zacykleniOtec", "menu ; konec", "menu ; soubor", "ruzne ; vsichniSkupina"}));
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(readFileBytes(logPath()).substr(0, 23), "chyby ; zacykleniOtec\r\n");
}

TEST_F(Language, EmptyValueBlankAndTwoBlanks)
{
    writeLang({"[menu]", "prazdny=", "mezera= ", "dve=  ", "dalsi=x"});
    auto lang = open();
    EXPECT_EQ(lang.langText("menu", "mezera", "Výchozí"), "");
    EXPECT_EQ(lang.langText("menu", "dve", "Výchozí"), "  ");
    EXPECT_FALSE(fs::exists(logPath())); // nothing written or logged so far
    EXPECT_EQ(lang.langText("menu", "prazdny", "Výchozí"), "Výchozí");
    // The default goes into that very line.
    EXPECT_EQ(read(langPath()), (Lines{"[menu]", "prazdny=Výchozí", "mezera= ", "dve=  ", "dalsi=x", ""}));
    EXPECT_EQ(read(logPath()), (Lines{"menu ; prazdny"}));
}

TEST_F(Language, PlainReadWritesNothing)
{
    writeLang({"[datum]", "prazdny=", "mezera= "});
    auto lang = open();
    EXPECT_EQ(lang.readText("datum", "prazdny", "d"), "");
    EXPECT_EQ(lang.readText("datum", "mezera", "d"), " ");
    EXPECT_EQ(lang.readText("datum", "chybi", "d"), "d");
    EXPECT_FALSE(fs::exists(logPath()));
    EXPECT_EQ(read(langPath()), (Lines{"[datum]", "prazdny=", "mezera= "}));
}

TEST_F(Language, CommentsAndDuplicateSectionsSurviveUntilTheFirstWriteBack)
{
    const Lines original{"Překlad: anglický", "[info]",        "jazyk=English", "; poznámka", "", "[Menu]",
                         "Soubor=File",       "soubor=second", "[menu]",        "konec=Exit"};
    writeLang(original);
    auto lang = open();
    EXPECT_EQ(lang.langText("menu", "soubor", "Soubor"), "File");
    EXPECT_EQ(read(langPath()), original);
    // "konec" stands only in the second [menu], which is never searched: it is filled in the first.
    EXPECT_EQ(lang.langText("menu", "konec", "Konec"), "Konec");
    EXPECT_EQ(read(langPath()), (Lines{"[info]", "jazyk=English", "", "[Menu]", "Soubor=File",
                                       "soubor=second", "konec=Konec", "", "[menu]", "konec=Exit", ""}));
}

TEST_F(Language, LogStaysSortedWithHandAddedLinesAndKeepsRepeatedLines)
{
    writeCp1250Lines(logPath(), {"zzz ; ruční", "Abc ; x", "abc ; x", "čas ; y"});
    auto lang = open();
    lang.langText("datum", "den", "den");
    EXPECT_EQ(read(logPath()), (Lines{"Abc ; x", "abc ; x", "čas ; y", "datum ; den", "zzz ; ruční"}));
    // An empty default finds the entry empty every time; the log gets its line each time.
    EXPECT_EQ(lang.langText("ruzne", "prazdny", ""), "");
    EXPECT_EQ(lang.langText("ruzne", "prazdny", ""), "");
    EXPECT_EQ(read(logPath()), (Lines{"Abc ; x", "abc ; x", "čas ; y", "datum ; den", "ruzne ; prazdny",
                                      "ruzne ; prazdny", "zzz ; ruční"}));
    EXPECT_TRUE(messages.empty());
}

TEST_F(Language, FailedWriteBackStillGivesTheDefaultAndComplainsOncePerLoad)
{
    writeLang({"[menu]", "soubor=Soubor"});
    LanguageFile lang(langPath(), logPath());
    lang.onProblem = [this](const std::string& m) { messages.push_back(m); };
    int attempts = 0;
    lang.writeLines = [&](const std::string&, const Lines&) {
        ++attempts;
        throw EInOutError("read-only folder");
    };
    lang.load();
    EXPECT_EQ(lang.langText("menu", "konec", "Konec"), "Konec");
    EXPECT_EQ(lang.langText("menu", "napoveda", "Nápověda"), "Nápověda");
    EXPECT_EQ(lang.langText("menu", "konec", "jiný"), "Konec"); // kept in memory, no new write
    EXPECT_EQ(attempts, 2);
    EXPECT_EQ(messages, (Lines{"Problém při práci s jazykovým souborem!"}));
    EXPECT_EQ(read(langPath()), (Lines{"[menu]", "soubor=Soubor"}));
    EXPECT_FALSE(fs::exists(logPath()));

    lang.load(); // a new load may complain again
    EXPECT_EQ(lang.langText("menu", "konec", "Konec"), "Konec");
    EXPECT_EQ(messages.size(), 2u);
}

TEST_F(Language, UnwritableLogOrFolder)
{
    // The log's place is taken by a folder: the file is written, the log is not.
    fs::create_directories(logPath());
    auto lang = open();
    EXPECT_EQ(lang.langText("menu", "soubor", "Soubor"), "Soubor");
    EXPECT_EQ(lang.langText("menu", "konec", "Konec"), "Konec");
    EXPECT_EQ(read(langPath()), (Lines{"[menu]", "soubor=Soubor", "konec=Konec", ""}));
    EXPECT_EQ(messages.size(), 1u);

    // A program folder without "data/lang" cannot be written at all.
    messages.clear();
    LanguageFile nowhere(program + "missing/data/lang/cestina.lan", program + "missing/new.txt");
    nowhere.onProblem = [this](const std::string& m) { messages.push_back(m); };
    nowhere.load();
    EXPECT_EQ(nowhere.langText("menu", "soubor", "Soubor"), "Soubor");
    EXPECT_EQ(nowhere.langText("menu", "konec", "Konec"), "Konec");
    EXPECT_EQ(messages.size(), 1u);
}

TEST_F(Language, UnreadableFileIsNeverOverwritten)
{
    // A file that exists but fails on reading.
    LanguageFile lang("/proc/self/mem", logPath());
    lang.onProblem = [this](const std::string& m) { messages.push_back(m); };
    int writes = 0;
    lang.writeLines = [&](const std::string&, const Lines&) { ++writes; };
    lang.load();
    EXPECT_EQ(lang.langText("menu", "soubor", "Soubor"), "Soubor");
    EXPECT_EQ(lang.langText("menu", "soubor", "Soubor"), "Soubor");
    EXPECT_EQ(writes, 0);
    EXPECT_EQ(messages.size(), 1u);
}

TEST_F(Language, AFileHoldingNoLanguageIsKeptAsideBeforeANewOneIsWritten)
{
    // UTF-16 with its byte-order mark, then plain garbage without a section.
    const std::string utf16("\xff\xfe[\0m\0e\0n\0u\0]\0\r\0\n\0k\0o\0n\0e\0c\0=\0E\0n\0d\0", 30);
    const std::string garbage = "\x89PNG\r\n\x1a\n not a language \x01\x02";
    const std::string aside = langPath() + ".necitelny";
    for (const std::string& bytes : {utf16, garbage}) {
        writeFileAtomic(langPath(), bytes);
        messages.clear();
        LanguageFile lang = open();
        EXPECT_EQ(lang.langText("menu", "konec", "Konec"), "Konec");
        const std::string keptAs = bytes == utf16 ? aside : aside + "2";
        ASSERT_TRUE(fs::exists(keptAs));
        EXPECT_EQ(readFileBytes(keptAs), bytes);
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_NE(messages[0].find(keptAs), std::string::npos);
        EXPECT_EQ(TMemIniFile(langPath()).ReadString("menu", "konec", ""), "Konec");
    }
    // The second one did not take the place of the first.
    EXPECT_EQ(readFileBytes(aside), utf16);
    EXPECT_EQ(readFileBytes(aside + "2"), garbage);
    EXPECT_FALSE(isLanguageFileName(fs::path(aside).filename().string()));

    // An empty file and one with sections are a language still.
    writeFileAtomic(langPath(), "");
    open();
    writeLang({"[menu]", "konec=Ende"});
    EXPECT_EQ(open().langText("menu", "konec", "Konec"), "Ende");
    EXPECT_FALSE(fs::exists(aside + "3"));
}

TEST(LanguageFileName, OnlyABareLanFileNameIsTaken)
{
    EXPECT_EQ(safeLanguageFileName("english.lan"), "english.lan");
    EXPECT_EQ(safeLanguageFileName("Deutsch.LAN"), "Deutsch.LAN");
    for (const char* bad : {"", ".lan", "english.txt", "../../etc/x.lan", "/tmp/x.lan", "sub/x.lan",
                            "..\\x.lan", "x..lan", "c:x.lan", "english.lan.bak"})
        EXPECT_EQ(safeLanguageFileName(bad), "cestina.lan") << bad;
}

TEST_F(Language, ABatchWritesTheFileAndTheLogOnceWhenItEnds)
{
    writeCp1250Lines(logPath(), {"MENU ; Soubor"});
    auto lang = open();
    std::vector<std::string> written;
    const LanguageFile::LinesWriter write = lang.writeLines;
    lang.writeLines = [&](const std::string& path, const Lines& lines) {
        written.push_back(path);
        write(path, lines);
    };
    {
        LanguageFile::Batch outer(lang);
        {
            LanguageFile::Batch inner(lang);
            EXPECT_EQ(lang.langText("menu", "soubor", "Soubor"), "Soubor");
            EXPECT_EQ(lang.langText("ruzne", "storno", "Storno"), "Storno");
        }
        EXPECT_EQ(lang.langText("menu", "konec", "Konec"), "Konec");
        EXPECT_EQ(lang.langText("menu", "Konec", "jiný"), "Konec"); // stored already
        EXPECT_TRUE(written.empty());
        EXPECT_FALSE(fs::exists(langPath()));
    }
    EXPECT_EQ(written, (Lines{langPath(), logPath()}));
    EXPECT_EQ(read(langPath()),
              (Lines{"[menu]", "soubor=Soubor", "konec=Konec", "", "[ruzne]", "storno=Storno", ""}));
    // The log keeps its lines in order; a line it holds already is added again after it.
    EXPECT_EQ(read(logPath()), (Lines{"menu ; konec", "MENU ; Soubor", "menu ; soubor", "ruzne ; storno"}));

    // Outside a batch each missing key is written at once.
    lang.langText("menu", "napoveda", "Nápověda");
    EXPECT_EQ(written.size(), 4u);
}

TEST_F(Language, ABatchThatCannotWriteReportsOnceWhenItEnds)
{
    auto lang = open();
    lang.writeLines = [](const std::string&, const Lines&) { throw EInOutError("disk full"); };
    {
        LanguageFile::Batch batch(lang);
        EXPECT_EQ(lang.langText("menu", "soubor", "Soubor"), "Soubor");
        EXPECT_EQ(lang.langText("menu", "konec", "Konec"), "Konec");
        EXPECT_TRUE(messages.empty());
    }
    EXPECT_EQ(messages, (Lines{kLanguageFileProblem}));
    EXPECT_EQ(lang.langText("menu", "soubor", "x"), "Soubor");
}
