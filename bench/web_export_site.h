#pragma once
// The program opening a tree file as a person opens it, then the web export of its person list
// with the options window's defaults: what the web_export tool and the web export benchmark run.
#include "app/program_windows.h"
#include "model/rod.h"
#include "platform/application.h"
#include "platform/collation.h"
#include "platform/scripted_runner.h"
#include "reports/web_site.h"
#include "shell/scroll.h"

#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>

namespace bench {

class WebExportRun {
public:
    WebExportRun()
    {
        folder_ = (std::filesystem::temp_directory_path() / ("kinvelor-web-" + std::to_string(getpid()))).string() + "/";
        std::filesystem::create_directories(folder_);
        Application.reset();
        setCollationLocale("cs");
        script_ = std::make_unique<ScriptedRunner>();
        windows_ = std::make_unique<ProgramWindows>();
        Thlavni& main = windows_->hlavni;
        main.programFolder = folder_;
        main.workingFolder = folder_ + "temp/";
        main.resetWorkingFolder();
    }
    ~WebExportRun()
    {
        windows_.reset();
        script_.reset();
        std::error_code ec;
        std::filesystem::remove_all(folder_, ec);
    }
    Thlavni& main() { return windows_->hlavni; }
    // Empty when the tree is open, else what the program told.
    std::string open(const std::string& treeFile)
    {
        main().openTreeFile(treeFile);
        if (main().tree && main().personList)
            return {};
        std::string told = "not opened";
        for (const auto& m : script_->messages())
            told += "; " + m.text;
        return told;
    }
    // Writes the site into `out` (which exists); the number of pages written.
    int write(const std::string& out)
    {
        Thlavni& m = main();
        m.personList->sortByName();
        std::vector<Clovek*> persons;
        for (Polozka* row = m.personList->first; row; row = row->next)
            persons.push_back(row->person);
        WebSiteWriter writer(*m.tree, m, WebExportOptions{}, m.workingFolder, m.settings.showBirthSurname);
        writer.writePages(out, persons);
        m.personList->sort(m.setrid.ItemIndex());
        return writer.pagesWritten();
    }

private:
    std::string folder_;
    std::unique_ptr<ScriptedRunner> script_;
    std::unique_ptr<ProgramWindows> windows_;
};

} // namespace bench
