#pragma once
// The whole program as it starts: every window made as main() makes them, the program folder
// in a fresh temporary folder, a screen of 1280 x 1024, a command line without arguments and a
// clock fixed on an ordinary day. Tests act through the scripted runner.
#include "app/program_windows.h"
#include "model/clovek.h"
#include "model/datum.h"
#include "model/person_builders.h"
#include "model/rod.h"
#include "platform/toolkit_fixture.h"
#include "shell/scroll.h"
#include "storage/tree_writer.h"
#include "system/codec.h"
#include "system/command_line.h"
#include "system/datetime.h"
#include "system/programfolder.h"
#include "temp_folder.h"
#include "toolkit/screen.h"
#include "toolkit/useractions.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

class ProgramTest : public ToolkitTest {
protected:
    TempFolder root;
    std::unique_ptr<ProgramWindows> windows;

    void SetUp() override
    {
        setProgramFolder(root.path());
        setCommandLine({"/opt/kinvelor/kinvelor"});
        theScreen = TScreen{};
        fixDate(2023, 6, 15);
        windows = std::make_unique<ProgramWindows>();
        hl().layout().Visible = true;
    }
    void TearDown() override
    {
        windows.reset();
        setClock({});
        setCommandLine(std::vector<std::string>{});
        setProgramFolder("");
    }

    Thlavni& hl() { return windows->hlavni; }
    const std::string& folder() const { return root.path(); }
    static void fixDate(int year, int month, int day)
    {
        const TDateTime at = encodeDate(year, month, day) + encodeTime(10, 0, 0);
        setClock([at] { return at; });
    }
    // The settings file as a person's earlier runs left it.
    void writeSettings(const std::vector<std::string>& lines) const
    {
        writeCp1250Lines(root.path() + "kinvelor.ini", lines);
    }
    // The first activation with the tips at start switched off in the settings.
    void startQuietly()
    {
        writeSettings({"[start]", "tip=0"});
        user::activate(hl().layout());
    }
    // The start once more, as if the program had been closed in order and started again.
    void prepareRestart()
    {
        Application.deactivate();
        hl().startupPending = true;
        std::filesystem::remove(root.path() + "data/active.rdk");
    }
    // A tree file of one person, written as the program writes them; gives its path.
    std::string writeTreeFile(const std::string& path)
    {
        Rod tree(path);
        auto* person = new Clovek();
        person->firstName = "Jan";
        tree.addNewPerson(std::unique_ptr<Clovek>(person));
        TreeFileEnvironment env = hl().session.fileEnvironment();
        EXPECT_TRUE(saveTreeFile(tree, person, env)) << path;
        return path;
    }
    static bool exists(const std::string& path) { return std::filesystem::exists(path); }
    // A new person of the open tree.
    Clovek* addPerson(const std::string& first, const std::string& surname, const Datum& birth = Datum())
    {
        return addPersonTo(*hl().session.tree(), first, surname, 1, birth);
    }
    // The first names of the person list's rows, in its order.
    std::vector<std::string> listed()
    {
        std::vector<std::string> names;
        for (Polozka* r = hl().personList.firstRow(); r; r = r->next)
            names.push_back(r->person->firstName);
        return names;
    }
    // The person list of every person of the open tree, the first row's person shown.
    void showWholeTree()
    {
        hl().personList.makeView();
        hl().personList.fill();
        hl().enableControls(true, true);
        hl().personList.setCurrentRow(hl().personList.locate(nullptr));
        hl().editor.showPerson(hl().personList.currentRow()->person);
    }
};
