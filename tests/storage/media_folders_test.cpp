#include "storage/media_folders.h"

#include "model/media_names.h"
#include "model/path_utils.h"
#include "system/files.h"
#include "temp_folder.h"

#include <cstdlib>
#include <filesystem>

#include <gtest/gtest.h>

namespace {

bool hasAllSubfolders(const std::string& folder)
{
    for (const char* sub : mediaSubfolders) {
        if (!directoryExists(folder + sub))
            return false;
    }
    return true;
}

} // namespace

TEST(MediaNames, StoredCopiesAreNamedByNumber)
{
    EXPECT_EQ(portraitFileName(12), "hlavy/hlava12.jpg");
    EXPECT_EQ(photoFileName(0), "foto/foto0.jpg");
    EXPECT_EQ(documentFileName(7), "dokumenty/dokument7.jpg");
    EXPECT_EQ(attachedFileName(3, "pdf"), "soubory/soubor3.pdf");
    EXPECT_EQ(attachedFileStoredName(3, "tar"), "soubor3.tar");
}

TEST(MediaNames, AnUnsafeTypeNeverBecomesPartOfAPath)
{
    EXPECT_TRUE(isSafeFileType("pdf"));
    EXPECT_TRUE(isSafeFileType("001"));
    EXPECT_TRUE(isSafeFileType("Výkres"));
    EXPECT_FALSE(isSafeFileType(""));
    EXPECT_FALSE(isSafeFileType("~"));
    EXPECT_FALSE(isSafeFileType("x/../../../etc/passwd"));
    EXPECT_FALSE(isSafeFileType("a\\b"));
    EXPECT_FALSE(isSafeFileType("..pdf"));
    EXPECT_FALSE(isSafeFileType(std::string("pdf\0x", 5)));
    EXPECT_EQ(attachedFileName(4, "/../../x"), "soubory/soubor4");
    EXPECT_EQ(attachedFileName(4, ""), "soubory/soubor4");
}

TEST(MediaFolders, CompanionFolderIsTheTreeFileWithoutItsExtension)
{
    EXPECT_EQ(companionFolderOf("/home/jan/save/strom.rod"), "/home/jan/save/strom/");
    EXPECT_EQ(companionFolderOf("/home/jan.novak/save/strom.v2.rod"), "/home/jan.novak/save/strom.v2/");
    EXPECT_EQ(companionFolderOf("/home/jan.novak/strom"), "");
}

TEST(MediaFolders, ResetEmptiesTheWorkingFolderAndCreatesItsSubfolders)
{
    TempFolder program;
    const std::string working = program / "temp/";
    resetWorkingFolder(working, program.path());
    EXPECT_TRUE(hasAllSubfolders(working));

    program.write("temp/foto/foto1.jpg", "x");
    program.write("temp/loose.txt", "x");
    std::filesystem::create_directory(working + "extra");
    resetWorkingFolder(working, program.path());
    EXPECT_TRUE(hasAllSubfolders(working));
    EXPECT_FALSE(fileExists(working + "foto/foto1.jpg"));
    EXPECT_FALSE(fileExists(working + "loose.txt"));
    EXPECT_FALSE(directoryExists(working + "extra"));
}

TEST(MediaFolders, ResetNeverDeletesOutsideTheProgramFolder)
{
    TempFolder program;
    TempFolder elsewhere;
    const std::string precious = elsewhere.write("precious.txt", "keep");
    resetWorkingFolder(elsewhere.path(), program.path());
    EXPECT_TRUE(fileExists(precious));
    resetWorkingFolder(program.path(), program.path());
    EXPECT_TRUE(directoryExists(program.path()));
    EXPECT_TRUE(hasAllSubfolders(program.path()));
}

TEST(MediaFolders, AnUnsetWorkingFolderTouchesNothing)
{
    TempFolder cwd;
    const auto before = std::filesystem::current_path();
    std::filesystem::current_path(cwd.path());
    resetWorkingFolder("", "");
    std::filesystem::current_path(before);
    EXPECT_TRUE(std::filesystem::is_empty(cwd.path()));
}

TEST(MediaFolders, DeletingAFolderTreeRefusesWhatIsNotBelowItsPlace)
{
    TempFolder root;
    const std::string keep = root.write("keep.txt", "k");
    std::filesystem::create_directories(root / "prog/temp/foto");
    root.write("prog/temp/foto/foto1.jpg", "x");

    EXPECT_FALSE(deleteFolderTree("", root.path()));
    EXPECT_FALSE(deleteFolderTree("/", "/"));
    EXPECT_FALSE(deleteFolderTree(root.path(), root / "prog/"));
    EXPECT_FALSE(deleteFolderTree(root / "prog/", root / "prog/"));
    EXPECT_FALSE(deleteFolderTree(root / "prog/temp/../../", root / "prog/"));
    EXPECT_TRUE(fileExists(keep));
    EXPECT_TRUE(fileExists(root / "prog/temp/foto/foto1.jpg"));

    EXPECT_TRUE(deleteFolderTree(root / "prog/temp/", root / "prog/"));
    EXPECT_FALSE(directoryExists(root / "prog/temp"));
    EXPECT_TRUE(directoryExists(root / "prog"));
}

TEST(MediaFolders, DeletingAFolderTreeDoesNotFollowLinks)
{
    TempFolder root;
    TempFolder outside;
    const std::string precious = outside.write("precious.jpg", "keep");
    std::filesystem::create_directories(root / "prog/temp");
    std::filesystem::create_directory_symlink(outside.path(), root / "prog/temp/link");
    EXPECT_TRUE(deleteFolderTree(root / "prog/temp/", root / "prog/"));
    EXPECT_TRUE(fileExists(precious));
}

TEST(MediaFolders, OnlyATreesOwnFolderMayBeRebuiltBySaving)
{
    TempFolder root;
    const std::string prog = root / "prog/";
    const std::string temp = prog + "temp/";
    std::filesystem::create_directories(prog + "save");
    auto forSave = [&](const std::string& file) { return companionFolderForSave(file, prog, temp); };

    EXPECT_EQ(forSave(prog + "save/strom.rod"), prog + "save/strom/");
    EXPECT_EQ(forSave(prog + "save/Strom.ROD"), prog + "save/Strom/");
    EXPECT_EQ(forSave(root / "jinde/strom.v2.rod"), root / "jinde/strom.v2/");
    // Not a tree file name, or nothing before ".rod".
    EXPECT_EQ(forSave(prog + "save/strom"), "");
    EXPECT_EQ(forSave(prog + "save/strom.txt"), "");
    EXPECT_EQ(forSave(prog + "save/.rod"), "");
    EXPECT_EQ(forSave(prog + "save/..rod"), "");
    // "save.rod" beside the "save" folder would wipe every saved tree.
    EXPECT_EQ(forSave(prog + "save.rod"), "");
    EXPECT_EQ(forSave(prog + "data.rod"), "");
    EXPECT_EQ(forSave(prog + "temp.rod"), "");
    EXPECT_EQ(forSave(prog + "help.rod"), "");
    EXPECT_EQ(forSave(prog + "data/lang.rod"), "");
    EXPECT_EQ(forSave(temp + "foto.rod"), "");
    EXPECT_EQ(forSave(prog + "save/../data/x.rod"), "");
    // A folder that holds the program folder.
    EXPECT_EQ(forSave(withoutTrailingSlashes(root.path()) + ".rod"), "");
    EXPECT_EQ(forSave("/.rod"), "");
    EXPECT_EQ(forSave("/home.rod"), "");
    const char* home = std::getenv("HOME");
    if (home && std::string(home).size() > 1) {
        EXPECT_EQ(forSave(withoutTrailingSlashes(home) + ".rod"), "");
    }
}

TEST(MediaFolders, MediaTravelBetweenWorkingAndCompanionFolders)
{
    TempFolder root;
    const std::string working = root / "prog/temp/";
    std::filesystem::create_directories(root / "prog");
    resetWorkingFolder(working, root / "prog/");
    root.write("prog/temp/" + portraitFileName(5), "face");
    const std::string companion = root / "strom/";
    createMediaFolders(companion);

    EXPECT_TRUE(copyMedium(working, companion, portraitFileName(5)));
    EXPECT_FALSE(copyMedium(working, companion, photoFileName(1)));
    EXPECT_TRUE(fileExists(companion + "hlavy/hlava5.jpg"));

    resetWorkingFolder(working, root / "prog/");
    EXPECT_TRUE(fetchMedium(companion, working, portraitFileName(5)));
    EXPECT_TRUE(fileExists(working + "hlavy/hlava5.jpg"));
    EXPECT_FALSE(fetchMedium(companion, working, photoFileName(1)));
}

TEST(MediaFolders, AStoredCopyWithOtherLetterCaseIsStillFound)
{
    TempFolder root;
    const std::string working = root / "prog/temp/";
    std::filesystem::create_directories(root / "prog");
    resetWorkingFolder(working, root / "prog/");
    std::filesystem::create_directories(root / "strom/FOTO");
    root.write("strom/FOTO/Foto3.JPG", "pic");
    EXPECT_TRUE(fetchMedium(root / "strom/", working, photoFileName(3)));
    EXPECT_TRUE(fileExists(working + "foto/foto3.jpg"));
}
