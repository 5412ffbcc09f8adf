// The developer's tool that measures the person editor through the real Qt widgets, offscreen, as a
// person waits for it:
//   QT_QPA_PLATFORM=offscreen qt_editing PERSONS [TREE.rod] [ROUNDS]
// opens a tree of PERSONS persons (TREE.rod when it exists, else written by make_tree_file beside
// this program, seed 7) in the program's main window on the Qt renderer, shows the person in the
// middle of the list and plays ROUNDS rounds (default 20) of: five letters typed into the surname's
// edit line as key events, Undo, New person and Delete (answered yes in its question window), each through the widgets.
// Each operation is timed from the event until the event loop has nothing left to do (the widgets
// synced and repainted), and printed, with a sync of every window when nothing changed, as
//   op=NAME count=N median_ms=M max_ms=X median_cpu_ms=C max_cpu_ms=Y
// (wall-clock and this thread's processor time).
// Not a feature of the program.
#include "bench/program_run.h"
#include "model/clovek.h"
#include "model/rod.h"
#include "system/memory_setup.h"
#include "toolkit/qt/qt_renderer.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <exception>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

using Clock = std::chrono::steady_clock;

// Lets the loop deliver everything pending: the queued sync, the layout and the paints.
void settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
}

bool writeTree(int persons, const std::string& file)
{
    const std::string tool = (fs::read_symlink("/proc/self/exe").parent_path() / "make_tree_file").string();
    const std::string count = std::to_string(persons);
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::execl(tool.c_str(), tool.c_str(), count.c_str(), file.c_str(), "7", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    int status = 0;
    return pid > 0 && ::waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// The menu command's action in the window's menu bar.
QAction* actionOf(QWidget* window, const TMenuItem& item)
{
    const QString caption = QString::fromStdString(item.Caption).remove('&');
    for (QAction* a : window->findChildren<QAction*>())
        if (a->menu() == nullptr && a->text().section('\t', 0, 0).remove('&') == caption)
            return a;
    return nullptr;
}

// The processor time of this thread, which a busy machine does not inflate as it does the clock.
double threadCpuMs()
{
    timespec t{};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

class Timings {
public:
    template<class Op> void time(const std::string& name, Op op)
    {
        const double cpuStart = threadCpuMs();
        const auto start = Clock::now();
        op();
        settle();
        ms_[name].push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        cpuMs_[name].push_back(threadCpuMs() - cpuStart);
    }
    void print() const
    {
        for (auto [name, list] : ms_) {
            std::vector<double> cpu = cpuMs_.at(name);
            std::sort(list.begin(), list.end());
            std::sort(cpu.begin(), cpu.end());
            std::printf("op=%s count=%zu median_ms=%.3f max_ms=%.3f median_cpu_ms=%.3f max_cpu_ms=%.3f\n",
                        name.c_str(), list.size(), list[list.size() / 2], list.back(), cpu[cpu.size() / 2],
                        cpu.back());
        }
    }

private:
    std::map<std::string, std::vector<double>> ms_;
    std::map<std::string, std::vector<double>> cpuMs_;
};

void typeKey(QWidget* target, char letter)
{
    const auto key = static_cast<Qt::Key>(Qt::Key_A + (letter - 'a'));
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(QChar(letter)));
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(QChar(letter)));
    QApplication::sendEvent(target, &release);
}

} // namespace

int main(int argc, char** argv)
{
    setUpMemory(argv); // as the program takes memory
    if (argc < 2 || argc > 4 || std::atoi(argv[1]) <= 0) {
        std::fprintf(stderr, "usage: QT_QPA_PLATFORM=offscreen qt_editing PERSONS [TREE.rod] [ROUNDS]\n");
        return 2;
    }
    const int persons = std::atoi(argv[1]);
    const int rounds = argc == 4 ? std::max(1, std::atoi(argv[3])) : 20;
    QApplication app(argc, argv);

    bench::ProgramRun run(bench::ProgramRun::Working::Claimed);
    std::string tree = argc >= 3 ? fs::absolute(argv[2]).string() : run.folder() + "tree.rod";
    if (!fs::exists(tree) && !writeTree(persons, tree)) {
        std::fprintf(stderr, "qt_editing: make_tree_file failed\n");
        return 1;
    }
    int status = 0;
    try {
        QtRenderer renderer;
        // Questions are answered by the script; everything else goes through the widgets.
        Application.setRunner(&run.script());
        Thlavni& main = run.main();
        // The program's start on its first activation greets with a tip.
        run.script().modal("Tip", [](TForm& tip) { tip.ModalResult = mrOk; });
        main.layout().Show();
        QWidget* window = renderer.window(main.layout());
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window))
            std::fprintf(stderr, "qt_editing: the window did not become active\n");
        settle();
        if (main.openTree(tree) || !main.session.tree()) {
            std::fprintf(stderr, "qt_editing: %s could not be opened\n", tree.c_str());
            std::_Exit(1);
        }
        renderer.syncAll();
        settle();

        Clovek* middle = main.session.tree()->findPersonByNumber(main.session.tree()->personCount() / 2);
        auto* combo = window->findChild<QComboBox*>("prijmeniCB");
        QAction* newPerson = actionOf(window, main.layout().Nova1);
        QAction* remove = actionOf(window, main.layout().Vymaz1);
        QAction* undo = actionOf(window, main.layout().Zpet1);
        if (!middle || !combo || !combo->lineEdit() || !newPerson || !remove || !undo) {
            std::fprintf(stderr, "qt_editing: the person, the surname or a menu command was not found\n");
            std::_Exit(1);
        }
        QLineEdit* surname = combo->lineEdit();
        std::printf("persons=%d rounds=%d\n", main.session.tree()->personCount(), rounds);
        Timings timings;
        for (int round = 0; round < rounds; ++round) {
            main.editor.showPersonOfStep(middle);
            renderer.syncAll();
            settle();
            surname->setFocus(Qt::MouseFocusReason);
            settle();
            surname->end(false);
            std::string typed;
            for (int k = 0; k < 5; ++k) {
                typed += static_cast<char>('a' + (round * 5 + k) % 26);
                timings.time("keystroke", [&] { typeKey(surname, typed.back()); });
            }
            if (!std::string_view(middle->surname.str()).ends_with(typed))
                std::fprintf(stderr, "qt_editing: the letters typed did not reach the surname\n");
            // What every event pays for the widgets alone: a sync when nothing has changed.
            timings.time("sync_unchanged", [&] { renderer.syncAll(); });
            timings.time("undo", [&] { undo->trigger(); });
            timings.time("new_person", [&] { newPerson->trigger(); });
            run.script().press("Kinvelor", "anoBT");
            timings.time("delete", [&] { remove->trigger(); });
        }
        timings.print();
        std::printf("persons_after=%d\n", main.session.tree()->personCount());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "qt_editing: %s\n", e.what());
        status = 1;
    }
    std::fflush(stdout);
    // Freeing a big tree is not what the figures are about.
    run.removeFolder();
    std::_Exit(status);
}
