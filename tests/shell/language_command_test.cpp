// Loading the language file through the main window, and the language command.
#include "app/main_window.h"
#include "model/clovek.h"
#include "model/group.h"
#include "model/language_file.h"
#include "model/rod.h"
#include "platform/toolkit_fixture.h"
#include "shell/lang_form.h"
#include "system/codec.h"
#include "system/inifile.h"
#include "temp_folder.h"
#include "toolkit/useractions.h"

#include <algorithm>
#include <filesystem>

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

namespace {

struct LanguageCommand : ToolkitTest {
    TempFolder root;
    Thlavni hl;
    TlangFORM chooser;

    void SetUp() override
    {
        hl.programFolder = root.path();
        fs::create_directories(lang(""));
    }
    std::string lang(const std::string& name) const { return root.path() + "data/lang/" + name; }
    void writeLang(const std::string& name, const Lines& lines) const { writeCp1250Lines(lang(name), lines); }
};

} // namespace

TEST_F(LanguageCommand, FirstLoadWithoutAFileRunsOnDefaults)
{
    hl.loadLanguage();
    EXPECT_EQ(hl.allPersonsGroupName, "_VŠICHNI");
    EXPECT_EQ(hl.langText("menu", "soubor", "Soubor"), "Soubor");
    // The load's own key comes first, then the window texts; a later lookup joins its section.
    const Lines file = readCp1250Lines(lang("cestina.lan"));
    ASSERT_GT(file.size(), 2u);
    EXPECT_EQ((Lines{file[0], file[1]}), (Lines{"[ruzne]", "vsichniSkupina=_VŠICHNI"}));
    const auto menu = std::find(file.begin(), file.end(), "[menu]");
    ASSERT_NE(menu, file.end());
    EXPECT_EQ(*(menu + 1), "nadpis=Kinvelor 1.0.18");
    EXPECT_EQ(*(std::find(menu, file.end(), "") - 1), "soubor=Soubor");
    const Lines log = readCp1250Lines(lang("new.txt"));
    for (const char* line : {"menu ; soubor", "ruzne ; vsichniSkupina", "menu ; nadpis"})
        EXPECT_NE(std::find(log.begin(), log.end(), line), log.end()) << line;
    EXPECT_TRUE(script.messages().empty());
}

TEST_F(LanguageCommand, OnlyABareLanFileNameFromTheSettingsIsOpened)
{
    writeLang("cestina.lan", {"[ruzne]", "vsichniSkupina=_VŠICHNI"});
    fs::create_directories(root.path() + "data/other");
    for (const char* bad : {"../other/x.lan", "/etc/x.lan", "x.ini"}) {
        hl.settings.languageFileName = bad;
        hl.loadLanguage();
        EXPECT_EQ(hl.settings.languageFileName, "cestina.lan");
        EXPECT_EQ(hl.languageFile->path(), lang("cestina.lan"));
    }
    hl.langText("menu", "konec", "Konec");
    EXPECT_FALSE(fs::exists(root.path() + "data/other/x.lan"));
}

TEST_F(LanguageCommand, UnwritableLanguageFolderComplainsOncePerLoad)
{
    hl.programFolder = root.path() + "missing/";
    hl.loadLanguage();
    EXPECT_EQ(hl.allPersonsGroupName, "_VŠICHNI");
    EXPECT_EQ(hl.langText("menu", "soubor", "Soubor"), "Soubor");
    EXPECT_EQ(hl.langText("menu", "konec", "Konec"), "Konec");
    EXPECT_EQ(script.messageTexts(), (Lines{"Problém při práci s jazykovým souborem!"}));
    hl.loadLanguage();
    EXPECT_EQ(script.messageTexts().size(), 2u);
}

TEST_F(LanguageCommand, LoadRefillsTheGroupsComboOnlyForATreeWithPersons)
{
    writeLang("english.lan", {"[ruzne]", "vsichniSkupina=_ALL"});
    hl.settings.languageFileName = "english.lan";
    hl.session.adopt(std::make_unique<Rod>());
    hl.session.tree()->groups.append(std::make_unique<Group>("Rodina"));
    hl.loadLanguage();
    EXPECT_EQ(hl.layout().skupinyCB.Items.Count(), 0); // no persons: not refilled

    hl.session.tree()->addNewPerson(std::make_unique<Clovek>());
    hl.layout().skupinyCB.Items.Add("stale");
    hl.loadLanguage();
    EXPECT_EQ(hl.layout().skupinyCB.Items.lines(), (Lines{"_ALL", "Rodina"}));
    EXPECT_EQ(hl.layout().skupinyCB.ItemIndex(), 0);
    hl.editor.fillGroupsCombo("Rodina");
    EXPECT_EQ(hl.layout().skupinyCB.ItemIndex(), 1);
}

TEST_F(LanguageCommand, ChoiceListsNamedLanFilesAndSwitches)
{
    writeLang("cestina.lan", {"[menu]", "soubor=Soubor"}); // no [info]: not offered
    writeLang("english.lan",
              {"[info]", "jazyk=English", "[ruzne]", "vsichniSkupina=_ALL", "[menu]", "soubor=File"});
    writeLang("Deutsch.LAN", {"[INFO]", "Jazyk=Deutsch"});
    writeLang("moje nova.lan", {"[info]", "jazyk=Moje"});
    writeLang(".skryty.lan", {"[info]", "jazyk=Skrytý"});
    writeLang("poznamky.txt", {"[info]", "jazyk=Text"});
    fs::create_directories(lang("slozka.lan"));
    hl.loadLanguage();

    script.modal("langFORM", [this](TForm&) {
        EXPECT_EQ(chooser.jazykyLIST.Items.lines(),
                  (Lines{"Deutsch.LAN - Deutsch", "english.lan - English"}));
        EXPECT_EQ(chooser.jazykyLIST.ItemIndex(), -1);
        user::pick(chooser.jazykyLIST, 1);
        user::click(chooser.Button1);
    });
    user::click(hl.layout().Jazyk1);
    EXPECT_EQ(hl.settings.languageFileName, "english.lan");
    EXPECT_EQ(hl.langText("menu", "soubor", "Soubor"), "File");
    EXPECT_EQ(hl.allPersonsGroupName, "_ALL");
    // The [info] section is read, never written.
    EXPECT_EQ(readCp1250Lines(lang("Deutsch.LAN")), (Lines{"[INFO]", "Jazyk=Deutsch"}));
}

TEST_F(LanguageCommand, CancelOrNoLineChangesNothingAndDoubleClickChooses)
{
    writeLang("english.lan", {"[info]", "jazyk=English"});
    hl.loadLanguage();
    script.modal("", [this](TForm&) {
        user::pick(chooser.jazykyLIST, 0);
        user::click(chooser.stornoBT);
    });
    user::click(hl.layout().Jazyk1);
    EXPECT_EQ(hl.settings.languageFileName, "cestina.lan");

    script.modal("", [this](TForm&) { user::click(chooser.Button1); });
    user::click(hl.layout().Jazyk1);
    EXPECT_EQ(hl.settings.languageFileName, "cestina.lan");

    script.modal("", [this](TForm&) { user::doubleClickLine(chooser.jazykyLIST, 0); });
    user::click(hl.layout().Jazyk1);
    EXPECT_EQ(hl.settings.languageFileName, "english.lan");
}

TEST_F(LanguageCommand, TheNoteOfTheShownPersonsPagesFollowsTheNewLanguage)
{
    writeLang("english.lan", {"[info]", "jazyk=English", "[ruzne]", "Text=Texts"});
    hl.loadLanguage();
    hl.session.adopt(std::make_unique<Rod>());
    auto* person = new Clovek();
    person->setFurtherTexts({"Kronika"});
    hl.session.tree()->addNewPerson(std::unique_ptr<Clovek>(person));
    hl.editor.showPerson(person);
    EXPECT_EQ(hl.layout().obsahKaretLB.Caption, " (Text)");
    script.modal("", [this](TForm&) { user::doubleClickLine(chooser.jazykyLIST, 0); });
    user::click(hl.layout().Jazyk1);
    EXPECT_EQ(hl.layout().obsahKaretLB.Caption, " (Texts)");
}
