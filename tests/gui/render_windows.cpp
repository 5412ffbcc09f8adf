// Renders every window of the program through the Qt renderer and saves one picture of each
// into the folder named by the first argument: <window name>.png, and for the main window one
// picture per tab page (hlavni_<page>.png) as well. Runs the program's own start-up first, so a
// tree named by the second argument is open and its first person shown on the pages.
// Ends with 1 when a window cannot be shown or its picture cannot be written.
#include "app/program_windows.h"
#include "system/command_line.h"
#include "toolkit/application.h"
#include "toolkit/qt/qt_renderer.h"
#include "toolkit/useractions.h"

#include <QApplication>

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

namespace {

bool save(QtRenderer& renderer, TForm& form, const std::string& path)
{
    QApplication::processEvents();
    if (renderer.saveScreenshot(form, path))
        return true;
    std::fprintf(stderr, "render_windows: cannot write %s\n", path.c_str());
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: render_windows <picture folder> [tree]\n");
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "/";
    // The program sees only the tree, as when a person starts it on one.
    std::vector<std::string> programArgs{argv[0]};
    if (argc > 2)
        programArgs.emplace_back(argv[2]);
    setCommandLine(programArgs);
    QApplication app(argc, argv);
    QtRenderer renderer;
    int failures = 0;
    try {
        Application.Title = "Kinvelor";
        ProgramWindows windows;
        Thlavni& main = windows.hlavni;
        main.layout().Show();
        user::activate(main.layout());

        for (TForm* form : Application.forms()) {
            try {
                if (form == &main.layout()) {
                    failures += !save(renderer, main.layout(), folder + main.layout().Name + ".png");
                    for (int i = 0; i < main.layout().pages.PageCount(); ++i) {
                        TTabSheet& page = *main.layout().pages.Pages(i);
                        if (!main.layout().pages.Visible || !page.TabVisible() || !page.Visible)
                            continue;
                        user::selectTab(main.layout().pages, page);
                        failures += !save(renderer, main.layout(),
                                          folder + main.layout().Name + "_" + page.Name + ".png");
                    }
                    continue;
                }
                form->Show();
                failures += !save(renderer, *form, folder + form->Name + ".png");
                form->Hide();
            } catch (const std::exception& e) {
                std::fprintf(stderr, "render_windows: %s cannot be shown: %s\n", form->Name.c_str(),
                             e.what());
                ++failures;
            }
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "render_windows: %s\n", e.what());
        ++failures;
    }
    Application.setHost(nullptr);
    return failures ? 1 : 0;
}
