// The archive commands with a stand-in archiver: its arguments arrive one by one, a failed run
// is told and copies nothing, a good one is copied to the chosen archive. Their menu items stay
// disabled.
#include "program_fixture.h"
#include "system/fileio.h"
#include "system/files.h"

#include <fstream>

using Lines = std::vector<std::string>;

namespace {

struct Archives : ProgramTest {
    void SetUp() override
    {
        ProgramTest::SetUp();
        std::filesystem::create_directories(folder() + "save");
        treeFile = writeTreeFile(folder() + "save/novak.rod");
        startQuietly();
    }
    std::string treeFile;
    // The archiver records its folder and arguments and ends with `status`; packing writes the
    // working archive first.
    void archiver(int status)
    {
        createDir(folder() + "data");
        const std::string path = folder() + "data/rar";
        writeFileAtomic(path, "#!/bin/sh\npwd > '" + folder() +
                                  "args.txt'\nfor a in \"$@\"; do echo \"[$a]\" >> '" + folder() +
                                  "args.txt'; done\n[ \"$1\" = a ] && echo packed >> temp.tmp\nexit " +
                                  std::to_string(status) + "\n");
        std::filesystem::permissions(path, std::filesystem::perms::owner_all);
    }
    Lines recorded() const
    {
        Lines lines;
        std::ifstream in(folder() + "args.txt");
        for (std::string l; std::getline(in, l);)
            lines.push_back(l);
        return lines;
    }
    void savedTree() { hl().openTreeFile(treeFile); }
};

} // namespace

TEST_F(Archives, TheMenuItemsStayDisabled)
{
    savedTree();
    EXPECT_FALSE(hl().layout().expRAR.Enabled);
    EXPECT_FALSE(hl().layout().impRAR.Enabled);
}

TEST_F(Archives, ExportCopiesTheArchiveOnlyAfterAGoodRun)
{
    savedTree();
    const std::string archive = folder() + "zaloha.rar";
    archiver(0);
    // A working archive left by an interrupted run is not packed into the new one.
    writeFileAtomic(folder() + "save/temp.tmp", "old\n");
    script.press("Kinvelor", "anoBT").file(archive);
    hl().layout().expRAR.OnClick();
    EXPECT_EQ(recorded(),
              (Lines{folder() + "save", "[a]", "[-r]", "[temp.tmp]", "[novak.rod]", "[novak/*]"}));
    std::ifstream in(archive);
    std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(content, "packed\n");
    EXPECT_FALSE(exists(folder() + "save/temp.tmp"));

    // A failed run: told, the old archive kept, nothing left behind.
    archiver(3);
    script.clearRecords();
    script.press("Kinvelor", "anoBT").file(archive);
    hl().layout().expRAR.OnClick();
    EXPECT_EQ(script.messageTexts().back(), "Archivace se nezdařila, archív nebyl vytvořen.");
    EXPECT_FALSE(exists(folder() + "save/temp.tmp"));

    // No archiver at all.
    deleteFile(folder() + "data/rar");
    script.clearRecords();
    script.press("Kinvelor", "anoBT").file(folder() + "jiny.rar");
    hl().layout().expRAR.OnClick();
    EXPECT_EQ(script.messageTexts().back(), "Archivační program nebyl nalezen, archív nebyl vytvořen.");
    EXPECT_FALSE(exists(folder() + "jiny.rar"));
}

TEST_F(Archives, ATreeThatCouldNotBeSavedIsNotPacked)
{
    // A folder of the user's stands where the tree's picture folder goes: this save is refused.
    std::filesystem::create_directories(folder() + "stromy/novak");
    writeFileAtomic(folder() + "stromy/novak/dopis.txt", "keep");
    std::filesystem::copy_file(treeFile, folder() + "stromy/novak.rod");
    hl().openTreeFile(folder() + "stromy/novak.rod");
    archiver(0);
    script.press("Kinvelor", "anoBT");
    hl().layout().expRAR.OnClick();
    EXPECT_TRUE(script.unusedAnswers().empty());
    EXPECT_FALSE(exists(folder() + "args.txt"));
    ASSERT_EQ(script.messages().size(), 1u); // the failed save, told by the save itself
}

TEST_F(Archives, ImportAnnouncesOnlyAnUnpackingThatWorked)
{
    createDir(folder() + "archivy");
    const std::string archive = folder() + "archivy/zaloha s mezerou.rar";
    writeFileAtomic(archive, "rar");
    archiver(0);
    script.file(archive);
    hl().layout().impRAR.OnClick();
    EXPECT_EQ(recorded(),
              (Lines{folder() + "archivy", "[x]", "[zaloha s mezerou.rar]", "[" + folder() + "save/]"}));
    EXPECT_EQ(script.messageTexts().back(), "Archív byl rozbalen.");

    archiver(2);
    script.clearRecords();
    script.file(archive);
    hl().layout().impRAR.OnClick();
    EXPECT_EQ(script.messageTexts().back(), "Rozbalení archívu se nezdařilo.");

    // An open tree that stays open: refused before anything runs.
    savedTree();
    script.clearRecords();
    script.press("Kinvelor", "neBT");
    hl().layout().impRAR.OnClick();
    EXPECT_EQ(script.messageTexts().back(),
              "Rozbalení nemůže proběhnout, některý lipoveta je stále otevřený!");
}
