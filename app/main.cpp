// Kinvelor: the application object titled "Kinvelor", the main window, the message loop.
//
// KINVELOR_SCREENSHOT=path.png makes the program save a picture of its main window once it is
// shown and then quit (the GUI smoke test uses it).
//
// SIGTERM, SIGHUP and SIGINT end the program as a close does, without its questions: an open
// tree is dropped unsaved, the settings are saved, the double-start marker and the working
// folder go.
#include "app/program_windows.h"
#include "system/command_line.h"
#include "system/memory_setup.h"
#include "system/stop_signals.h"
#include "toolkit/application.h"
#include "toolkit/qt/qt_renderer.h"
#include "toolkit/useractions.h"

#include <QApplication>
#include <QSocketNotifier>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

int main(int argc, char** argv)
{
    setUpMemory(argv);
    setCommandLine(argc, argv);
    QApplication app(argc, argv);
    StopSignals stopSignals;
    loadQtCzechTranslations();
    QtRenderer renderer;
    try {
        Application.Title = "Kinvelor";
        ProgramWindows windows;
        Thlavni& main = windows.hlavni;
        main.layout().Show();

        // The program's own start-up runs once the window is on screen, from the loop.
        QTimer::singleShot(0, &app, [&main, &renderer] {
            user::activate(main.layout());
            renderer.syncAll();
        });

        // Ends any window still waiting for an answer, then the loop; the close's work follows
        // the loop.
        QSocketNotifier stopNotifier(stopSignals.fd(), QSocketNotifier::Read);
        stopNotifier.setEnabled(stopSignals.fd() >= 0);
        QObject::connect(&stopNotifier, &QSocketNotifier::activated, &app, [&stopSignals] {
            if (stopSignals.take())
                Application.Terminate();
        });

        const char* screenshot = std::getenv("KINVELOR_SCREENSHOT");
        int failed = 0;
        if (screenshot && *screenshot) {
            const std::string path = screenshot;
            QTimer::singleShot(300, &app, [&main, &renderer, &failed, path] {
                if (!renderer.saveScreenshot(main.layout(), path)) {
                    std::fprintf(stderr, "kinvelor: cannot write the screenshot %s\n", path.c_str());
                    failed = 1;
                }
                // Ends any window still waiting for an answer, then the loop.
                Application.Terminate();
            });
        }
        const int rc = app.exec();
        // A close has done this already; a signal or the screenshot hook ended the loop without.
        main.endRun();
        Application.setHost(nullptr);
        return failed ? failed : rc;
    } catch (const std::exception& e) {
        Application.ShowException(e);
        return 0;
    }
}
