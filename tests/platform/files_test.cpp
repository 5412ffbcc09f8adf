#include "system/fileio.h"
#include "system/files.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

TEST(Files, ExistenceTellsFilesFromFolders)
{
    TempFolder t;
    const std::string file = t.write("a.txt", "x");
    fs::create_directory(t / "sub");
    fs::create_symlink(file, t / "link");
    fs::create_symlink(t / "gone", t / "dangling");
    EXPECT_TRUE(fileExists(file));
    EXPECT_TRUE(fileExists(t / "link"));
    EXPECT_FALSE(fileExists(t / "dangling"));
    EXPECT_FALSE(fileExists(t / "sub"));
    EXPECT_FALSE(fileExists(""));
    EXPECT_TRUE(directoryExists(t / "sub"));
    EXPECT_TRUE(directoryExists(t / "sub/"));
    EXPECT_FALSE(directoryExists(file));
}

TEST(Files, CreateDirMakesOneLevelOnly)
{
    TempFolder t;
    EXPECT_TRUE(createDir(t / "one"));
    EXPECT_FALSE(createDir(t / "one")); // already there
    EXPECT_FALSE(createDir(t / "two/three"));
    EXPECT_FALSE(directoryExists(t / "two"));
}

TEST(Files, CopyOverwritesOnlyWhenAskedAndReportsFailure)
{
    TempFolder t;
    const std::string a = t.write("a", "new"), b = t.write("b", "old");
    EXPECT_FALSE(copyFile(a, b, false));
    EXPECT_EQ(readFileBytes(b), "old");
    EXPECT_TRUE(copyFile(a, b));
    EXPECT_EQ(readFileBytes(b), "new");
    EXPECT_TRUE(copyFile(a, t / "c"));
    EXPECT_EQ(readFileBytes(t / "c"), "new");
    EXPECT_FALSE(copyFile(t / "missing", t / "d"));
    EXPECT_FALSE(fs::exists(t / "d"));
    EXPECT_FALSE(copyFile(a, t / "nofolder/x"));
    EXPECT_FALSE(fs::exists(t / "nofolder/x.tmp~"));
}

TEST(Files, CopyOntoItselfKeepsTheFile)
{
    TempFolder t;
    const std::string a = t.write("a", "keep");
    fs::create_symlink(a, t / "alias");
    EXPECT_FALSE(copyFile(a, a));
    EXPECT_FALSE(copyFile(a, t / "alias"));
    EXPECT_EQ(readFileBytes(a), "keep");
    EXPECT_TRUE(fs::is_symlink(t / "alias"));
}

TEST(Files, DeleteFileNeverDeletesFolders)
{
    TempFolder t;
    const std::string a = t.write("a", "x");
    fs::create_directory(t / "sub");
    EXPECT_TRUE(deleteFile(a));
    EXPECT_FALSE(deleteFile(a));
    EXPECT_FALSE(deleteFile(t / "sub"));
    EXPECT_TRUE(directoryExists(t / "sub"));
}

TEST(Files, ListingIsSortedFilteredCaseInsensitivelyAndByKind)
{
    TempFolder t;
    t.write("cestina.lan", "");
    t.write("English.LAN", "");
    t.write("Žluť.lan", "");
    t.write("notes.txt", "");
    t.write("lan", "");
    fs::create_directory(t / "dir.lan");
    EXPECT_EQ(listFolder(t.path(), "*.lan"),
              (std::vector<std::string>{"English.LAN", "cestina.lan", "Žluť.lan"}));
    EXPECT_EQ(listFolder(t.path(), "*.lan", ListKind::Folders), std::vector<std::string>{"dir.lan"});
    EXPECT_EQ(listFolder(t.path(), "*", ListKind::All).size(), 6u);
    EXPECT_EQ(listFolder(t.path(), "????.lan"), std::vector<std::string>{"Žluť.lan"});
    EXPECT_TRUE(listFolder(t / "missing").empty());
    EXPECT_TRUE(listFolder("").empty());
}

TEST(Files, FilterPatterns)
{
    EXPECT_TRUE(matchesFilter("ŽLUŤ.LAN", "žluť.*"));
    EXPECT_TRUE(matchesFilter("foto12.jpg", "foto*.jpg"));
    EXPECT_TRUE(matchesFilter("a.b.c", "*.c"));
    EXPECT_TRUE(matchesFilter("čtyři", "?tyři"));
    EXPECT_FALSE(matchesFilter("ab", "?"));
    EXPECT_FALSE(matchesFilter("x.lan.bak", "*.lan"));
    EXPECT_TRUE(matchesFilter("", "*"));
    EXPECT_FALSE(matchesFilter("", "?"));
}

TEST(Files, DeleteFolderTreeRemovesEverythingBelow)
{
    TempFolder t;
    fs::create_directories(t / "tree/a/b/c");
    t.write("tree/a/b/c/f", "1");
    t.write("tree/top", "2");
    EXPECT_TRUE(deleteFolderTree(t / "tree/"));
    EXPECT_FALSE(fs::exists(t / "tree"));
    EXPECT_TRUE(deleteFolderTree(t / "tree")); // nothing there is fine
}

TEST(Files, DeleteFolderTreeNeverFollowsLinks)
{
    TempFolder t;
    fs::create_directories(t / "outside/deep");
    const std::string precious = t.write("outside/deep/precious", "keep");
    fs::create_directory(t / "tree");
    fs::create_directory_symlink(t / "outside", t / "tree/linkdir");
    fs::create_symlink(precious, t / "tree/linkfile");
    EXPECT_TRUE(deleteFolderTree(t / "tree"));
    EXPECT_FALSE(fs::exists(fs::symlink_status(t / "tree")));
    EXPECT_EQ(readFileBytes(precious), "keep");

    fs::create_directory_symlink(t / "outside", t / "toplink");
    EXPECT_TRUE(deleteFolderTree(t / "toplink/"));
    EXPECT_FALSE(fs::exists(fs::symlink_status(t / "toplink")));
    EXPECT_EQ(readFileBytes(precious), "keep");
}

TEST(Files, DeleteFolderTreeRefusesDangerousPaths)
{
    TempFolder t;
    fs::create_directories(t / "a/b");
    const std::string keep = t.write("a/keep", "x");
    for (const std::string& bad : {std::string(), std::string("/"), std::string("///"), std::string("."),
                                   std::string("./"), t / "a/b/..", t / "a/../a", std::string("../x")})
        EXPECT_FALSE(deleteFolderTree(bad)) << bad;
    EXPECT_TRUE(fileExists(keep));
}

TEST(Files, TrailingSlashesGoButTheRootStays)
{
    EXPECT_EQ(withoutTrailingSlashes("/prog/temp///"), "/prog/temp");
    EXPECT_EQ(withoutTrailingSlashes("temp"), "temp");
    EXPECT_EQ(withoutTrailingSlashes("///"), "/");
    EXPECT_EQ(withoutTrailingSlashes(""), "");
}

TEST(Files, JoinPathUsesOneSlash)
{
    EXPECT_EQ(joinPath("a", "b"), "a/b");
    EXPECT_EQ(joinPath("a/", "b"), "a/b");
    EXPECT_EQ(joinPath("a/", "/b"), "a/b");
    EXPECT_EQ(joinPath("", "b"), "b");
    EXPECT_EQ(joinPath("/", "b"), "/b");
}

TEST(Files, CaseInsensitiveFallbackFindsTheRealName)
{
    TempFolder t;
    fs::create_directories(t / "Foto");
    const std::string real = t.write("Foto/foto5.jpg", "x");
    EXPECT_EQ(findFileCaseInsensitive(real), real);
    EXPECT_EQ(findFileCaseInsensitive(t / "Foto/FOTO5.JPG"), real);
    EXPECT_EQ(findFileCaseInsensitive(t / "FOTO/Foto5.jpg"), real);
    EXPECT_EQ(findFileCaseInsensitive(t / "foto/foto6.jpg"), "");
    EXPECT_EQ(findFileCaseInsensitive(t / "FOTO"), ""); // a folder is not a file
    EXPECT_EQ(findFileCaseInsensitive(""), "");
}
