#pragma once
// The program opening a tree file as a person opens it, then the web export of its person list
// with the options window's defaults: what the web_export tool and the web export benchmark run.
#include "bench/program_run.h"
#include "model/rod.h"
#include "reports/web_site.h"
#include "shell/scroll.h"

#include <string>
#include <vector>

namespace bench {

class WebExportRun {
public:
    Thlavni& main() { return run_.main(); }
    // Empty when the tree is open, else what the program told.
    std::string open(const std::string& treeFile)
    {
        main().openTreeFile(treeFile);
        if (main().session.tree() && main().personList.hasView())
            return {};
        std::string told = "not opened";
        for (const auto& m : run_.script().messages())
            told += "; " + m.text;
        return told;
    }
    // Writes the site into `out` (an earlier site or an empty folder, replaced whole); the
    // number of pages written.
    int write(const std::string& out)
    {
        Thlavni& m = main();
        m.personList.sortByName();
        std::vector<Clovek*> persons;
        for (Polozka* row = m.personList.firstRow(); row; row = row->next)
            persons.push_back(row->person);
        WebSiteWriter writer(*m.session.tree(), m, WebExportOptions{}, m.workingFolder,
                             m.settings.showBirthSurname);
        writer.writeSite(out, persons);
        m.personList.sortAsChosen();
        return writer.pagesWritten();
    }

private:
    ProgramRun run_;
};

} // namespace bench
