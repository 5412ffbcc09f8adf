// The import command of the main window: the close question, the file and options dialogs, the
// tree installed as an opened one, and the closing message with the log's place.
#include "forms/import_form.h"
#include "gedcom/import_driver.h"
#include "model/prev_next.h"
#include "shell/program_fixture.h"
#include "toolkit/dialogs.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

struct ImportCommand : ProgramTest {
    void SetUp() override
    {
        ProgramTest::SetUp();
        startQuietly();
        script.clearRecords();
    }
    std::string family()
    {
        return root.write("rod.ged",
                          "0 HEAD\n1 CHAR UTF-8\n0 @I1@ INDI\n1 NAME Jan /Novák/\n1 SEX M\n"
                          "0 @I2@ INDI\n1 NAME Eva /Malá/\n1 SEX F\n0 @I3@ INDI\n1 NAME Petr /Novák/\n"
                          "0 @F1@ FAM\n1 HUSB @I1@\n1 WIFE @I2@\n1 CHIL @I3@\n1 CHIL @I9@\n0 TRLR\n");
    }
    // Picks `file` and confirms the options as they are shown.
    void importAsShown(const std::string& file)
    {
        script.file(file).press("Import GEDCOMu", "okBT");
        user::click(hl().layout().impGED);
    }
    static bool hasText(const std::vector<std::string>& texts, const std::string& part)
    {
        for (const std::string& t : texts)
            if (t.find(part) != std::string::npos)
                return true;
        return false;
    }
};

TEST_F(ImportCommand, ImportsIntoANewTreeShownAsAnOpenedOne)
{
    importAsShown(family());
    ASSERT_TRUE(hl().session.tree());
    EXPECT_EQ(hl().session.tree()->personCount(), 3);
    EXPECT_EQ(hl().session.tree()->fileName, "");
    ASSERT_TRUE(hl().editor.currentPerson);
    EXPECT_TRUE(hl().personList.hasView());
    EXPECT_TRUE(hl().history);
    EXPECT_EQ(hl().layout().Ulozit1.Enabled, true);
    // Children lists are rebuilt and identifiers given.
    Clovek* jan = nullptr;
    hl().session.tree()->forEachPerson([&](Clovek* p) {
        EXPECT_FALSE(p->identifier.empty());
        if (p->importId == "I1")
            jan = p;
    });
    ASSERT_TRUE(jan);
    EXPECT_EQ(jan->children.count(), 1);
    EXPECT_GT(jan->percentFilled, 0);
    // One message: how much was left out and where the log is.
    const auto texts = script.messageTexts();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_TRUE(hasText(texts, "Soubor byl importován."));
    EXPECT_TRUE(hasText(texts, "Vynechané nebo nepřevedené údaje: 2"));
    EXPECT_TRUE(hasText(texts, root / "_errors.txt"));
    EXPECT_TRUE(exists(root / "_errors.txt"));
    // A tree without a file gets no recent-file entry.
    EXPECT_EQ(hl().settings.recentFiles[0], "");
}

TEST_F(ImportCommand, OptionsAreShownFromTheSettingsAndRemembered)
{
    script.file(family()).modal("Import GEDCOMu", [](TForm& form) {
        auto& options = static_cast<TimportFORM&>(form);
        EXPECT_EQ(options.bornGROUP.ItemIndex(), 0);
        EXPECT_TRUE(options.manCH.Checked());
        EXPECT_TRUE(options.womanCH.Checked());
        EXPECT_EQ(options.womanCH.Caption, "u žen dokopírovat chybějící část příjmení z druhého příjmení");
        user::click(options.womanCH);
        user::click(options.okBT);
    });
    user::click(hl().layout().impGED);
    EXPECT_FALSE(hl().settings.gedWomanCopy);
    EXPECT_TRUE(hl().settings.gedManCopy);
    EXPECT_TRUE(hl().settings.gedNameAsBorn);
    Clovek* eva = nullptr;
    hl().session.tree()->forEachPerson([&](Clovek* p) {
        if (p->importId == "I2")
            eva = p;
    });
    ASSERT_TRUE(eva);
    EXPECT_EQ(eva->birthSurname, "Malá");
    EXPECT_EQ(eva->surname, ""); // not copied for women now

    // The next import, after closing the tree without saving it, shows the box unticked.
    script.press("Kinvelor", "anoBT")
        .press("Kinvelor", "neBT")
        .file(family())
        .modal("Import GEDCOMu", [](TForm& form) {
            auto& options = static_cast<TimportFORM&>(form);
            EXPECT_FALSE(options.womanCH.Checked());
            user::click(options.okBT);
        });
    user::click(hl().layout().impGED);
    EXPECT_TRUE(script.unusedAnswers().empty());
}

TEST_F(ImportCommand, AnOpenTreeStaysWhenTheCloseIsRefused)
{
    importAsShown(family());
    Rod* before = hl().session.tree();
    script.press("Kinvelor", "neBT");
    user::click(hl().layout().impGED);
    EXPECT_EQ(hl().session.tree(), before);
    // Yes to closing, then cancel at the save question.
    script.press("Kinvelor", "anoBT").press("Kinvelor", "stornoBT");
    user::click(hl().layout().impGED);
    EXPECT_EQ(hl().session.tree(), before);
    EXPECT_TRUE(script.unusedAnswers().empty());
}

TEST_F(ImportCommand, AMissingFileIsToldAndNothingInstalled)
{
    importAsShown(root / "none.ged");
    EXPECT_FALSE(hl().session.tree());
    EXPECT_EQ(script.messageTexts(),
              (std::vector<std::string>{"Soubor " + (root / "none.ged") + " nenalezen!"}));
}

TEST_F(ImportCommand, AFileWithoutPersonsInstallsAnEmptyTree)
{
    importAsShown(root.write("prazdny.ged", "0 HEAD\n0 TRLR\n"));
    ASSERT_TRUE(hl().session.tree());
    EXPECT_EQ(hl().session.tree()->personCount(), 0);
    EXPECT_EQ(hl().editor.currentPerson, nullptr);
    EXPECT_FALSE(hl().layout().Ulozit1.Enabled);
    EXPECT_FALSE(hl().layout().Vymaz1.Enabled);
    EXPECT_TRUE(hl().layout().Zavrit1.Enabled);
}

} // namespace
