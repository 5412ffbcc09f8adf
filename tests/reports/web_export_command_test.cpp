// The web export command as a person runs it: the three windows, the subfolder name, the
// question before an existing folder is replaced, and the message at the end.
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/process.h"
#include "platform/scripted_runner.h"
#include "shell/program_fixture.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

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
        user::click(hl().Otevrit1);
        ASSERT_TRUE(hl().tree);
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
    hl().HTMLstranky1Click();

    EXPECT_FALSE(directoryExists(places / "../venku"));
    EXPECT_TRUE(fileExists(places / "rodokmen/index.htm"));
    EXPECT_TRUE(fileExists(places / "rodokmen/osoby/osoba0.htm"));
    ASSERT_EQ(script.messages().size(), 2u);
    EXPECT_NE(script.messages()[0].text.find("nesmí"), std::string::npos);
    EXPECT_EQ(script.messages()[1].text,
              "HTML stránky byly vygenerovány. Spouštějte přes " + places.path() + "rodokmen/index.htm");
    EXPECT_EQ(windows->htmlAdresarFORM.dirnameLB.Caption, withoutTrailingSlashes(places.path()));
}

TEST_F(WebExportCommand, AnExistingFolderIsReplacedOnlyAfterYes)
{
    ASSERT_TRUE(createDir(places / "rodokmen"));
    writeCp1250Lines(places / "rodokmen/moje.txt", {"moje"});

    confirmOptionsAndLocation();
    typeName("rodokmen");
    script.press("anoNe", "neBT");
    script.press("htmlAdresarFORM", "stornoBT");
    hl().HTMLstranky1Click();
    EXPECT_TRUE(fileExists(places / "rodokmen/moje.txt"));
    EXPECT_FALSE(fileExists(places / "rodokmen/index.htm"));

    confirmOptionsAndLocation();
    typeName("rodokmen");
    script.press("anoNe", "anoBT");
    hl().HTMLstranky1Click();
    EXPECT_FALSE(fileExists(places / "rodokmen/moje.txt"));
    EXPECT_TRUE(fileExists(places / "rodokmen/index.htm"));
}

TEST_F(WebExportCommand, AFolderThatCannotBeMadeIsTold)
{
    hl().writeHtmlSite(places / "chybi/rodokmen/");
    ASSERT_EQ(script.messages().size(), 1u);
    EXPECT_EQ(script.messages()[0].text,
              "Vytvoření HTML stránek selhalo. Nepodařilo se vytvořit určený adresář.");
    EXPECT_FALSE(directoryExists(places / "chybi"));
}

} // namespace
