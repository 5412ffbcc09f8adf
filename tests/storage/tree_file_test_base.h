#pragma once
// A program folder with its working and "save" folders, a scripted runner that records the
// messages shown, and the environment the tree-file functions take.
#include "model/model_helpers.h"
#include "platform/toolkit_fixture.h"
#include "storage/media_folders.h"
#include "storage/tree_file_format.h"
#include "storage/tree_progress.h"
#include "system/fileio.h"
#include "system/files.h"
#include "temp_folder.h"
#include "toolkit/application.h"
#include "toolkit/scripted_runner.h"

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

class TreeFileTest : public ::testing::Test {
protected:
    TreeFileTest()
    {
        std::filesystem::create_directories(root / "prog/save");
        resetWorkingFolder(env.workingFolder, env.programFolder);
    }

    std::string saved(const std::string& name) const { return root / ("prog/save/" + name); }
    // Puts a medium into the working folder, as the editor would.
    void putWorking(const std::string& name, const std::string& bytes)
    {
        std::ofstream(env.workingFolder + name, std::ios::binary) << bytes;
    }
    std::string readBytes(const std::string& path) { return readFileBytes(path); }

    FreshApplication application; // made before the runner that is installed into it
    TempFolder root;
    ScriptedRunner script;
    NoTreeProgress wait;
    FakeTexts texts;
    TreeFileEnvironment env{root / "prog/temp/", root / "prog/", wait, texts};
};
