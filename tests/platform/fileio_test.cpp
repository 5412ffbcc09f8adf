// The one routine that replaces files: nothing it writes goes through a link, a private file
// stays private, and a failure leaves the old file and no temporary one.
#include "system/exceptions.h"
#include "system/fileio.h"
#include "system/files.h"
#include "temp_folder.h"

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

mode_t modeOf(const std::string& path)
{
    struct stat st;
    EXPECT_EQ(::stat(path.c_str(), &st), 0) << path;
    return st.st_mode & 07777;
}

} // namespace

TEST(ReplaceFile, APrivateFileStaysPrivateAndANewOneFollowsTheUmask)
{
    TempFolder t;
    const std::string tree = t / "strom.rod";
    writeFileAtomic(tree, "old");
    ::chmod(tree.c_str(), 0600);
    writeFileAtomic(tree, "new");
    EXPECT_EQ(readFileBytes(tree), "new");
    EXPECT_EQ(modeOf(tree), 0600u);

    ::chmod(tree.c_str(), 0640);
    ASSERT_TRUE(copyFile(tree, t / "copy"));
    ::chmod((t / "copy").c_str(), 0604);
    ASSERT_TRUE(copyFile(tree, t / "copy"));
    EXPECT_EQ(modeOf(t / "copy"), 0604u);

    const mode_t mask = ::umask(027);
    writeFileAtomic(t / "fresh", "x");
    ::umask(mask);
    EXPECT_EQ(modeOf(t / "fresh"), 0640u);
}

TEST(ReplaceFile, LinksAtTheTargetOrAtAnOldTemporaryNameAreNeverFollowed)
{
    TempFolder t;
    const std::string victim = t / "victim";
    writeFileAtomic(victim, "keep");
    // The name earlier versions wrote through, and a link in the target's own place.
    std::filesystem::create_symlink(victim, t / "strom.rod.tmp~");
    std::filesystem::create_symlink(victim, t / "settings.ini");
    writeFileAtomic(t / "strom.rod", "tree");
    writeFileAtomic(t / "settings.ini", "settings");
    EXPECT_EQ(readFileBytes(victim), "keep");
    EXPECT_EQ(readFileBytes(t / "strom.rod"), "tree");
    EXPECT_FALSE(std::filesystem::is_symlink(t / "settings.ini"));
    EXPECT_EQ(readFileBytes(t / "settings.ini"), "settings");
    ASSERT_TRUE(copyFile(t / "strom.rod", t / "strom2.rod"));
    EXPECT_EQ(readFileBytes(victim), "keep");
}

TEST(ReplaceFile, AFailedWriteLeavesTheOldFileAndNoTemporaryOne)
{
    TempFolder t;
    const std::string path = t / "strom.rod";
    writeFileAtomic(path, "old");
    EXPECT_THROW(replaceFile(path,
                             [](int) {
                                 errno = ENOSPC;
                                 return false;
                             }),
                 EInOutError);
    EXPECT_EQ(readFileBytes(path), "old");
    EXPECT_EQ(listFolder(t.path(), "*", ListKind::All), std::vector<std::string>{"strom.rod"});
    EXPECT_THROW(writeFileAtomic(t / "missing/x", "x"), EInOutError);
}

TEST(ReplaceFile, ItsTemporaryNamesAreKnownAsLeftovers)
{
    EXPECT_TRUE(isReplacementLeftover("strom.rod.a1B2c3.tmp~", "strom.rod"));
    EXPECT_FALSE(isReplacementLeftover("strom.rod.tmp~", "strom.rod"));
    EXPECT_FALSE(isReplacementLeftover("strom.rod.a1B2c3.tmp~", "jiny.rod"));
    EXPECT_FALSE(isReplacementLeftover("strom.rod.a1-2c3.tmp~", "strom.rod"));
}
