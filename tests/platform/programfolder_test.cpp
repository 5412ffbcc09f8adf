#include "system/fileio.h"
#include "system/files.h"
#include "system/programfolder.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

namespace {

// Sets an environment variable for one test and puts the old value back.
class EnvVar {
public:
    EnvVar(const char* name, const char* value) : name_(name)
    {
        if (const char* old = std::getenv(name))
            old_ = old;
        if (value)
            ::setenv(name, value, 1);
        else
            ::unsetenv(name);
    }
    ~EnvVar()
    {
        if (old_)
            ::setenv(name_, old_->c_str(), 1);
        else
            ::unsetenv(name_);
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

} // namespace

TEST(ProgramFolder, IsTheUsersDataFolderUnlessTheExecutableIsAPortableCopy)
{
    const std::string exe = executableFolder();
    ASSERT_FALSE(exe.empty());
    EXPECT_EQ(exe.back(), '/');
    EXPECT_TRUE(fileExists(exe + "platform_tests"));

    TempFolder t;
    EnvVar xdg("XDG_DATA_HOME", (t / "share").c_str());
    EXPECT_EQ(userDataFolder(), t / "share/kinvelor/");
    // A build folder holds no trees: a bare executable's folder is not the program folder.
    createDir(t / "build");
    EXPECT_EQ(chooseProgramFolder(t / "build"), t / "share/kinvelor/");
    EXPECT_TRUE(directoryExists(t / "share/kinvelor"));
    EXPECT_EQ(chooseProgramFolder(t / "not/there/"), t / "share/kinvelor/");

    createDir(t / "portable");
    createDir(t / "portable/data");
    EXPECT_EQ(chooseProgramFolder(t / "portable"), t / "portable/");
    createDir(t / "copied");
    writeFileAtomic(t / "copied/kinvelor.ini", "[start]\r\n");
    EXPECT_EQ(chooseProgramFolder(t / "copied/"), t / "copied/");
}

TEST(ProgramFolder, RelativeOrMissingXdgUsesHome)
{
    EnvVar home("HOME", "/home/someone");
    {
        EnvVar xdg("XDG_DATA_HOME", "relative/share");
        EXPECT_EQ(userDataFolder(), "/home/someone/.local/share/kinvelor/");
    }
    EnvVar xdg("XDG_DATA_HOME", nullptr);
    EXPECT_EQ(userDataFolder(), "/home/someone/.local/share/kinvelor/");
}
