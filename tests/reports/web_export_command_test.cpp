// The web export command as a person runs it: the three windows, the subfolder name, the
// question before an existing folder is replaced, and the message at the end.
#include "model/model_helpers.h"
#include "shell/program_fixture.h"
#include "system/files.h"
#include "system/process.h"
#include "toolkit/dialogs.h"
#include "toolkit/scripted_runner.h"

#include <gtest/gtest.h>

#include "forms/vyber_adresar_form.h"
#include "system/fileio.h"
#include "toolkit/useractions.h"

#include <cstdlib>
#include <filesystem>
#include <map>
#include <sstream>

#include <csignal>
#include <sys/resource.h>

namespace {

// Files of the process cannot grow beyond `bytes` while it lives: a write past it fails as on a
// full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &old_);
        oldSignal_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldSignal_);
    }

private:
    rlimit old_{};
    void (*oldSignal_)(int) = nullptr;
};

class WebExportCommand : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        const char* home = std::getenv("HOME");
        oldHome = home ? home : "";
        setenv("HOME", places.path().c_str(), 1);
        setShellOpener({"true"});
        startQuietly();
        script.file(writeTreeFile(folder() + "save/strom.rod"));
        user::click(hl().layout().Otevrit1);
        ASSERT_TRUE(hl().session.tree());
        script.clearRecords();
    }
    void TearDown() override
    {
        setShellOpener({});
        setenv("HOME", oldHome.c_str(), 1);
        ProgramTest::TearDown();
    }
    // The options and the location (the home folder, first in the list) confirmed.
    void confirmOptionsAndLocation()
    {
        script.press("coVHtmlFORM", "OKBtn");
        script.press("vyberAdresarFORM", "Button1");
    }
    void typeName(const std::string& name)
    {
        script.modal("htmlAdresarFORM", [name](TForm& f) {
            auto& w = static_cast<ThtmlAdresarFORM&>(f);
            user::replaceText(w.dirNameED, name);
            user::click(w.Button1);
        });
    }
    ScriptedRunner script;
    TempFolder places;
    std::string oldHome;
};

TEST_F(WebExportCommand, RefusesANameThatLeavesTheLocationAndWritesTheSiteUnderAPlainOne)
{
    confirmOptionsAndLocation();
    typeName("   ");
    typeName("../venku");
    typeName("rodokmen");
    hl().reports.HTMLstranky1Click();

    EXPECT_FALSE(directoryExists(places / "../venku"));
    EXPECT_TRUE(fileExists(places / "rodokmen/index.htm"));
    EXPECT_TRUE(fileExists(places / "rodokmen/osoby/osoba0.htm"));
    ASSERT_EQ(script.messages().size(), 2u);
    EXPECT_NE(script.messages()[0].text.find("nesmí"), std::string::npos);
    EXPECT_EQ(script.messages()[1].text,
              "HTML stránky byly vygenerovány. Spouštějte přes " + places.path() + "rodokmen/index.htm");
    EXPECT_EQ(windows->htmlAdresarFORM.dirnameLB.Caption, withoutTrailingSlashes(places.path()));
}

TEST_F(WebExportCommand, AnEarlierSiteIsReplacedOnlyAfterYesAndAFolderOfThePersonsOwnNever)
{
    hl().reports.writeHtmlSite(places / "rodokmen/");
    const std::string index = readFileBytes(places / "rodokmen/index.htm");
    writeFileAtomic(places / "rodokmen/osoby/osoba999.htm", "stará stránka");
    script.clearRecords();

    confirmOptionsAndLocation();
    typeName("rodokmen");
    script.press("anoNe", "neBT");
    script.press("htmlAdresarFORM", "stornoBT");
    hl().reports.HTMLstranky1Click();
    EXPECT_TRUE(fileExists(places / "rodokmen/osoby/osoba999.htm"));

    confirmOptionsAndLocation();
    typeName("rodokmen");
    script.press("anoNe", "anoBT");
    hl().reports.HTMLstranky1Click();
    EXPECT_FALSE(fileExists(places / "rodokmen/osoby/osoba999.htm"));
    EXPECT_EQ(readFileBytes(places / "rodokmen/index.htm"), index);

    // The home folder's "Dokumenty" is the person's own: refused without a question.
    ASSERT_TRUE(createDir(places / "Dokumenty"));
    writeCp1250Lines(places / "Dokumenty/moje.txt", {"moje"});
    script.clearRecords();
    confirmOptionsAndLocation();
    typeName("Dokumenty");
    script.press("htmlAdresarFORM", "stornoBT");
    hl().reports.HTMLstranky1Click();
    EXPECT_TRUE(fileExists(places / "Dokumenty/moje.txt"));
    EXPECT_FALSE(fileExists(places / "Dokumenty/index.htm"));
    ASSERT_EQ(script.messages().size(), 1u);
    EXPECT_NE(script.messages()[0].text.find("nelze přemazat"), std::string::npos)
        << script.messages()[0].text;

    // Nor when it is handed to the writing itself.
    script.clearRecords();
    hl().reports.writeHtmlSite(places / "Dokumenty/");
    EXPECT_TRUE(fileExists(places / "Dokumenty/moje.txt"));
    ASSERT_EQ(script.messages().size(), 1u);
    EXPECT_EQ(script.messages()[0].text,
              "Vytvoření HTML stránek selhalo. Nepodařilo se vymazat určený adresář.");
}

TEST_F(WebExportCommand, AFullDiskLeavesTheEarlierSiteWholeAndSaysWhichPageFailed)
{
    hl().reports.writeHtmlSite(places / "rodokmen/");
    const auto site = [&] {
        std::map<std::string, std::string> files;
        for (const auto& e : std::filesystem::recursive_directory_iterator(places / "rodokmen"))
            if (e.is_regular_file())
                files[e.path().string()] = readFileBytes(e.path().string());
        return files;
    };
    const std::map<std::string, std::string> before = site();
    ASSERT_GT(before.size(), 4u);
    // The failure's text is in the language file already, which a full disk could not take.
    hl().langText("HTML", "nepodariloSe", "Vytvoření HTML stránek selhalo.");
    script.clearRecords();
    {
        // No file may grow beyond a few hundred bytes, as on a disk that is full: the first
        // page already fails.
        FileSizeLimit full(600);
        hl().reports.writeHtmlSite(places / "rodokmen/");
    }
    EXPECT_EQ(site(), before);
    EXPECT_EQ(listFolder(places.path(), "*", ListKind::All), std::vector<std::string>{"rodokmen"})
        << "nothing half-written stays beside it";
    ASSERT_EQ(script.messages().size(), 1u) << script.messages()[0].text;
    const std::string& told = script.messages()[0].text;
    EXPECT_EQ(told.rfind(
                  "Vytvoření HTML stránek selhalo.\nNezapsáno: " + places.path() + "rodokmen/index.htm (", 0),
              0u)
        << told;
    EXPECT_NE(told.find("\nDosavadní stránky v " + places.path() + "rodokmen zůstaly beze změny."),
              std::string::npos)
        << told;

    // A portrait the disk refuses fails the export as a page does, where every page fits.
    Clovek* p = hl().session.tree()->firstPerson;
    p->hasPortrait = 1;
    const std::string portrait = "hlava" + std::to_string(p->number) + ".jpg";
    std::filesystem::create_directories(hl().workingFolder + "hlavy");
    writeFileAtomic(hl().workingFolder + "hlavy/" + portrait, std::string(64 << 10, 'j'));
    script.clearRecords();
    {
        FileSizeLimit full(16 << 10);
        hl().reports.writeHtmlSite(places / "rodokmen/");
    }
    EXPECT_EQ(site(), before);
    ASSERT_EQ(script.messages().size(), 1u);
    const std::string toldOfPortrait = script.messages()[0].text;
    EXPECT_EQ(toldOfPortrait.rfind("Vytvoření HTML stránek selhalo.\nNezapsáno: " + places.path() +
                                       "rodokmen/osoby/img/" + portrait + " (",
                                   0),
              0u)
        << toldOfPortrait;
}

TEST_F(WebExportCommand, TheLocationWindowReachesFoldersOutsideTheHomeFolder)
{
    ASSERT_TRUE(createDir(places / "domov") && createDir(places / "domov/Dokumenty") &&
                createDir(places / "jinam"));
    setenv("HOME", (places / "domov").c_str(), 1);
    std::vector<std::string> lines;
    std::vector<std::string> drives;
    script.press("coVHtmlFORM", "OKBtn");
    script.modal("vyberAdresarFORM", [&](TForm&) {
        TvyberAdresarFORM& w = *vyberAdresarFORM;
        drives = w.DriveComboBox1.Items.lines();
        EXPECT_EQ(w.DriveComboBox1.Text(), places / "domov");
        EXPECT_EQ(w.chosenFolder(), places / "domov");
        lines = w.Adresar.Items.lines();
        // Up to the folder above the home folder, then into the one beside it.
        user::doubleClickLine(w.Adresar, w.Adresar.ItemIndex() - 1);
        EXPECT_EQ(w.currentFolder(), withoutTrailingSlashes(places.path()));
        user::doubleClickLine(w.Adresar, w.Adresar.ItemIndex() + 2); // after "domov"
        EXPECT_EQ(w.currentFolder(), places / "jinam");
        user::click(w.Button1);
    });
    typeName("rodokmen");
    hl().reports.HTMLstranky1Click();
    EXPECT_TRUE(fileExists(places / "jinam/rodokmen/index.htm"));
    EXPECT_EQ(drives, (std::vector<std::string>{"/", places / "domov"}));

    // The path from the root down, each level indented, then the home folder's own folders.
    const std::vector<std::string> parts = [&] {
        std::vector<std::string> v;
        std::stringstream path(places / "domov");
        for (std::string part; std::getline(path, part, '/');)
            if (!part.empty())
                v.push_back(part);
        return v;
    }();
    ASSERT_EQ(lines.size(), parts.size() + 2);
    EXPECT_EQ(lines[0], "/");
    for (size_t i = 0; i < parts.size(); ++i)
        EXPECT_EQ(lines[i + 1], std::string(3 * (i + 1), ' ') + parts[i]);
    EXPECT_EQ(lines.back(), std::string(3 * (parts.size() + 1), ' ') + "Dokumenty");

    // The root as the starting point shows the root's folders.
    script.press("coVHtmlFORM", "OKBtn");
    script.modal("vyberAdresarFORM", [&](TForm&) {
        TvyberAdresarFORM& w = *vyberAdresarFORM;
        user::pick(w.DriveComboBox1, 0);
        EXPECT_EQ(w.currentFolder(), "/");
        EXPECT_EQ(w.chosenFolder(), "/");
        EXPECT_NE(w.Adresar.Items.IndexOf("   tmp"), -1);
        user::click(w.stornoBT);
    });
    hl().reports.HTMLstranky1Click();
}

// A death or divorce typed before the wedding gave "Trvalo -13 let." and "Trvalo -5730 dní
// (-16 let, ...)" on the couple pages: a length is told only where the end is not before.
TEST_F(WebExportCommand, CouplePagesTellNoLengthWhenTheEndComesBeforeTheWedding)
{
    Rod& tree = *hl().session.tree();
    Clovek* jan = tree.firstPerson;
    jan->alive = 0;
    jan->death = date("1", "1", "1760");
    const auto marry = [&](const std::string& name, const Datum& death, const Datum& wedding) {
        Clovek* wife = addPersonTo(tree, name, "Nováková", 0);
        wife->alive = 0;
        wife->death = death;
        Svatba* s = partnership(jan, wife, PartnershipType::married);
        s->wedding = wedding;
        return s;
    };
    marry("Eva", date("20", "10", "1734"), date("?", "?", "1747"));
    marry("Ida", date("20", "10", "1734"), date("10", "2", "1750"));
    marry("Ema", date("1", "1", "1745"), date("1", "1", "1740"));
    Svatba* divorced = marry("Olga", date("1", "1", "1790"), date("1", "1", "1755"));
    divorced->type = PartnershipType::divorced;
    divorced->divorce = date("?", "?", "1754");
    showWholeTree();

    confirmOptionsAndLocation();
    typeName("rodokmen");
    hl().reports.HTMLstranky1Click();
    std::vector<std::string> pages;
    for (const auto& e : std::filesystem::directory_iterator(places / "rodokmen/svatby"))
        pages.push_back(readFileBytes(e.path().string()));
    ASSERT_EQ(pages.size(), 4u);
    const auto lengthOn = [&](const std::string& wife) {
        for (const std::string& page : pages)
            if (page.find(">" + wife + " Nováková<") != std::string::npos) {
                const size_t told = page.find("<p>Trv");
                return told == std::string::npos ? std::string()
                                                 : page.substr(told, page.find(".<p>", told) + 4 - told);
            }
        return std::string("no page");
    };
    EXPECT_EQ(lengthOn("Eva"), "");
    EXPECT_EQ(lengthOn("Ida"), "");
    EXPECT_EQ(lengthOn("Olga"), "");
    EXPECT_EQ(lengthOn("Ema"), "<p>Trvalo 1827 dní (5 let).<p>");
}

TEST_F(WebExportCommand, AFolderThatCannotBeMadeIsTold)
{
    hl().reports.writeHtmlSite(places / "chybi/rodokmen/");
    ASSERT_EQ(script.messages().size(), 1u);
    EXPECT_EQ(script.messages()[0].text,
              "Vytvoření HTML stránek selhalo. Nepodařilo se vytvořit určený adresář.");
    EXPECT_FALSE(directoryExists(places / "chybi"));
}

} // namespace
