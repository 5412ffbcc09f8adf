#pragma once
// The program with every window made as main() makes them, its folder a fresh temporary folder
// removed with it (so no installed program's settings or working copies are touched), its
// messages answered by a scripted runner and the Czech collation set: what the tools and the
// benches that open tree files run.
#include "app/program_windows.h"
#include "storage/working_folders.h"
#include "system/collation.h"
#include "toolkit/application.h"
#include "toolkit/scripted_runner.h"

#include <cerrno>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>
#include <unistd.h>

namespace bench {

class ProgramRun {
public:
    // The working folder as the program folder's "temp/", or claimed below it as a started
    // copy of the program claims its own.
    enum class Working { Plain, Claimed };

    explicit ProgramRun(Working working = Working::Plain)
    {
        std::string folder = (std::filesystem::temp_directory_path() / "kinvelor-run-XXXXXX").string();
        if (!::mkdtemp(folder.data()))
            throw std::system_error(errno, std::generic_category(), "mkdtemp");
        folder_ = folder + "/";
        Application.reset();
        setCollationLocale("cs");
        script_ = std::make_unique<ScriptedRunner>();
        windows_ = std::make_unique<ProgramWindows>();
        Thlavni& m = main();
        m.programFolder = folder_;
        if (working == Working::Claimed) {
            m.workingFolderClaim = std::make_unique<WorkingFolderClaim>(folder_ + "temp/");
            m.workingFolder = m.workingFolderClaim->folder();
        } else {
            m.workingFolder = folder_ + "temp/";
            m.resetWorkingFolder();
        }
    }
    ~ProgramRun()
    {
        windows_.reset();
        script_.reset();
        removeFolder();
    }
    ProgramRun(const ProgramRun&) = delete;
    ProgramRun& operator=(const ProgramRun&) = delete;

    Thlavni& main() { return windows_->hlavni; }
    ScriptedRunner& script() { return *script_; }
    // The program folder, ending in "/".
    const std::string& folder() const { return folder_; }
    // For a process that ends without unwinding.
    void removeFolder() const
    {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

private:
    std::string folder_;
    std::unique_ptr<ScriptedRunner> script_;
    std::unique_ptr<ProgramWindows> windows_;
};

} // namespace bench
