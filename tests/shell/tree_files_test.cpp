// The main window's working folder and wait window.
#include "forms/cekej_form.h"
#include "platform/application.h"
#include "platform/files.h"
#include "shell/hlavni.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

TEST(HlavniTreeFiles, WaitWindowDrivesTheFormCreatedAfterTheMainWindow)
{
    Application.reset();
    {
        Thlavni main;
        main.advanceWaitProgress(3); // no wait window yet: nothing to show, nothing breaks
        TcekejFORM wait;
        main.showWaitWindow();
        EXPECT_TRUE(wait.Visible);
        EXPECT_EQ(wait.waitBAR.Position(), 0);
        main.advanceWaitProgress(100);
        main.advanceWaitProgress(1);
        EXPECT_EQ(wait.waitBAR.Position(), 0);
        main.advanceWaitProgress(205);
        EXPECT_EQ(wait.waitBAR.Position(), 3);
        main.hideWaitWindow();
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
