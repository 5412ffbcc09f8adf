#pragma once
// A program folder of its own in a fresh temporary folder, with its working folder and a save
// folder, removed with it; and what saving and loading tree files needs around them. The tools
// and benches never touch an installed program's folders.
#include "bench/default_texts.h"
#include "storage/media_folders.h"
#include "storage/tree_file_format.h"
#include "storage/tree_progress.h"

#include <cerrno>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <system_error>
#include <unistd.h>

namespace bench {

class TreeFileFolders {
public:
    TreeFileFolders()
    {
        std::string folder = (std::filesystem::temp_directory_path() / "kinvelor-bench-XXXXXX").string();
        if (!::mkdtemp(folder.data()))
            throw std::system_error(errno, std::generic_category(), "mkdtemp");
        root_ = folder;
        program_ = folder + "/";
        working_ = program_ + "temp/";
        std::filesystem::create_directories(program_ + "save");
        resetWorkingFolder(working_, program_);
    }
    ~TreeFileFolders()
    {
        std::error_code ec;
        std::filesystem::remove_all(root_, ec);
    }
    TreeFileFolders(const TreeFileFolders&) = delete;
    TreeFileFolders& operator=(const TreeFileFolders&) = delete;

    // A file of the program's save folder.
    std::string saved(const std::string& name) const { return program_ + "save/" + name; }
    TreeFileEnvironment environment() { return TreeFileEnvironment{working_, program_, wait_, texts_}; }

private:
    std::string root_, program_, working_;
    NoTreeProgress wait_;
    DefaultTexts texts_;
};

} // namespace bench
