// The main window's working folder and wait window.
#include "app/main_window.h"
#include "forms/cekej_form.h"
#include "model/clovek.h"
#include "model/rod.h"
#include "system/files.h"
#include "temp_folder.h"
#include "toolkit/application.h"
#include "toolkit/scripted_runner.h"

#include <filesystem>

#include <gtest/gtest.h>

TEST(HlavniTreeFiles, WaitWindowDrivesTheFormCreatedAfterTheMainWindow)
{
    Application.reset();
    {
        Thlavni main;
        static_cast<PersonEditorPort&>(main).advanceWaitProgress(
            3); // no wait window yet: nothing to show, nothing breaks
        TcekejFORM wait;
        static_cast<MainWindowPort&>(main).showWaitWindow();
        EXPECT_TRUE(wait.Visible);
        EXPECT_EQ(wait.waitBAR.Position(), 0);
        static_cast<PersonEditorPort&>(main).advanceWaitProgress(100);
        static_cast<PersonEditorPort&>(main).advanceWaitProgress(1);
        EXPECT_EQ(wait.waitBAR.Position(), 0);
        static_cast<PersonEditorPort&>(main).advanceWaitProgress(205);
        EXPECT_EQ(wait.waitBAR.Position(), 3);
        static_cast<MainWindowPort&>(main).hideWaitWindow();
        EXPECT_FALSE(wait.Visible);
    }
    Application.reset();
}

TEST(HlavniTreeFiles, ResetWorkingFolderMakesItEmptyWithItsSubfolders)
{
    TempFolder program;
    Application.reset();
    {
        Thlavni main;
        main.programFolder = program.path();
        main.workingFolder = program / "temp/";
        main.resetWorkingFolder();
        program.write("temp/foto/foto0.jpg", "x");
        main.resetWorkingFolder();
        EXPECT_FALSE(fileExists(program / "temp/foto/foto0.jpg"));
        for (const char* sub : {"hlavy", "foto", "dokumenty", "soubory"})
            EXPECT_TRUE(directoryExists(program / "temp/" + sub)) << sub;
    }
    Application.reset();
}

TEST(HlavniTreeFiles, SaveAndLoadGoThroughTheOpenTree)
{
    TempFolder program;
    Application.reset();
    {
        ScriptedRunner script;
        Thlavni main;
        main.programFolder = program.path();
        main.workingFolder = program / "temp/";
        std::filesystem::create_directories(program / "save");
        main.resetWorkingFolder();
        main.session.adopt(std::make_unique<Rod>(program / "save/strom.rod"));
        auto* p = new Clovek;
        p->firstName = "Jan";
        main.session.tree()->addNewPerson(std::unique_ptr<Clovek>(p));
        main.editor.currentPerson = p;
        EXPECT_TRUE(main.saveTree());
        EXPECT_EQ(main.settings.recentFiles[0], program / "save/strom.rod");
        EXPECT_TRUE(script.messages().empty());

        // A portrait gone from the working folder: the tree is saved all the same, and the
        // window names what was missing in one message.
        p->hasPortrait = 1;
        EXPECT_TRUE(main.saveTree());
        ASSERT_EQ(script.messages().size(), 1u);
        EXPECT_NE(script.messages()[0].text.find(program / "temp/hlavy/hlava0.jpg nenalezen!"),
                  std::string::npos);
        p->hasPortrait = 0;
        EXPECT_TRUE(main.saveTree());
        script.clearRecords();

        main.editor.currentPerson = nullptr;
        ASSERT_EQ(main.session.open(program / "save/strom.rod"), TreeSession::Opening::opened);
        ASSERT_EQ(main.session.tree()->personCount(), 1);
        EXPECT_EQ(main.session.tree()->activePerson()->firstName, "Jan");

        // A tree without a file name asks for one; cancelling that saves nothing.
        main.session.adopt(std::make_unique<Rod>());
        script.cancelFile();
        EXPECT_FALSE(main.saveTree());
        EXPECT_TRUE(script.messages().empty());
    }
    Application.reset();
}
