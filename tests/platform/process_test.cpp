#include "system/fileio.h"
#include "system/files.h"
#include "system/process.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>

namespace {

// The started program is not waited for, so its traces are polled for.
std::string waitForFile(const std::string& path)
{
    for (int i = 0; i < 500; ++i) {
        if (fileExists(path)) {
            std::string bytes = readFileBytes(path);
            if (bytes.find("END") != std::string::npos)
                return bytes;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return "(timed out)";
}

// A script that writes its folder and its arguments, one a line, to "out" in its folder.
const std::vector<std::string> kRecorder = {
    "-c", "{ pwd; printf '%s\\n' \"$@\"; echo END; } > out.tmp && mv out.tmp out", "sh"};

} // namespace

TEST(Process, ArgumentsArriveUnchangedInTheWorkingFolder)
{
    TempFolder t;
    std::vector<std::string> args = kRecorder;
    for (const char* a : {"a b", "it's; $HOME", "*", "žluť"})
        args.push_back(a);
    ASSERT_TRUE(startProgram("/bin/sh", args, t.path()));
    const std::string folder = std::filesystem::canonical(t.path()).string();
    EXPECT_EQ(waitForFile(t / "out"), folder + "\na b\nit's; $HOME\n*\nžluť\nEND\n");
}

TEST(Process, MissingProgramsAndFoldersAreReportedNotFatal)
{
    TempFolder t;
    EXPECT_FALSE(startProgram("no-such-program-kinvelor", {}));
    EXPECT_FALSE(startProgram(t / "missing", {}));
    EXPECT_FALSE(startProgram("", {}));
    EXPECT_FALSE(startProgram(t.write("plain.txt", "x"), {})); // not executable
    EXPECT_FALSE(startProgram(t.path(), {})); // a folder
    EXPECT_FALSE(startProgram("/bin/true", {}, t / "no/such/folder"));
    EXPECT_TRUE(startProgram("true", {}));
    EXPECT_TRUE(startProgram("/bin/true", {}, t.path()));
}

TEST(Process, AnExecutableThatCannotRunIsReported)
{
    TempFolder t;
    const std::string fake = t.write("fake", "\x7f"
                                             "ELF broken");
    ::chmod(fake.c_str(), 0755);
    EXPECT_FALSE(startProgram(fake, {}));
}

TEST(Process, StartedProgramsLeaveNoZombies)
{
    for (int i = 0; i < 5; ++i)
        ASSERT_TRUE(startProgram("/bin/true", {}));
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    // Every process we forked has been reaped; the programs themselves belong to init.
    EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);
}

TEST(Process, ShellOpenUsesTheOpenerWithTheNameAsOneArgument)
{
    TempFolder t;
    std::vector<std::string> opener = {"/bin/sh"};
    opener.insert(opener.end(), kRecorder.begin(), kRecorder.end());
    opener[2] = "cd '" + t.path() + "' && " + opener[2];
    setShellOpener(opener);
    EXPECT_TRUE(shellOpen("my photo.jpg"));
    EXPECT_NE(waitForFile(t / "out").find("\nmy photo.jpg\nEND"), std::string::npos);
    std::filesystem::remove(t / "out");
    EXPECT_TRUE(shellOpen("-rf"));
    EXPECT_NE(waitForFile(t / "out").find("\n./-rf\nEND"), std::string::npos);
    EXPECT_FALSE(shellOpen(""));

    setShellOpener({"no-such-opener-kinvelor"});
    EXPECT_FALSE(shellOpen("index.htm"));
    setShellOpener({});
}
