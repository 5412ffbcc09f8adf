#include "platform/files.h"
#include "platform/programfolder.h"
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

TEST(ProgramFolder, IsTheExecutablesFolderWhenWritable)
{
    const std::string exe = executableFolder();
    ASSERT_FALSE(exe.empty());
    EXPECT_EQ(exe.back(), '/');
    EXPECT_TRUE(fileExists(exe + "platform_tests"));
    EXPECT_EQ(chooseProgramFolder(exe), exe);
    TempFolder t;
    EXPECT_EQ(chooseProgramFolder(t.path().substr(0, t.path().size() - 1)), t.path());
}

TEST(ProgramFolder, FallsBackToTheUsersDataFolder)
{
    TempFolder t;
    EnvVar xdg("XDG_DATA_HOME", (t / "share").c_str());
    EXPECT_EQ(userDataFolder(), t / "share/kinvelor/");
    EXPECT_EQ(chooseProgramFolder(t / "not/there/"), t / "share/kinvelor/");
    EXPECT_TRUE(directoryExists(t / "share/kinvelor"));
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
