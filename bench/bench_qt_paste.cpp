// A paste of 20 KB, 300 KB or 1 MB (the benchmark's argument, in bytes) into the further-texts
// memo of the main window on the real Qt widgets, offscreen: Qt's own paste, the edit played
// into the memo control and the widgets brought in step, until the event loop has nothing left
// to do. The cost must grow with the text, not its square: 1 MB well under a second.
#include "app/main_window.h"
#include "bench/main_window.h"
#include "model/clovek.h"
#include "model/rod.h"
#include "toolkit/qt/qt_renderer.h"
#include "toolkit/scripted_runner.h"
#include "toolkit/useractions.h"

#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

// Lines of letters in and outside Windows-1250, CR LF between them, `bytes` long or a little
// longer.
QString pastedText(size_t bytes)
{
    const std::string line = "Řádek: žluťoučký kůň úpěl ďábelské ódy, 中文, Ωμέγα ";
    std::string text;
    for (int n = 0; text.size() < bytes; ++n)
        text += (n ? "\r\n" : "") + line + std::to_string(n);
    return QString::fromStdString(text);
}

void settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

void PasteIntoTheFurtherTextsMemo(benchmark::State& state)
{
    QtRenderer renderer;
    // A window nobody waits for fails the run instead of waiting for a person.
    ScriptedRunner script;
    Thlavni main;
    // Not the program's start (settings, tips): the window alone.
    main.startupPending = false;
    Rod& tree = bench::newTreeIn(main);
    auto person = std::make_unique<Clovek>();
    Clovek* p = person.get();
    tree.appendPerson(std::move(person));
    bench::listEveryPerson(main);
    main.enableControls(true, true);
    main.layout().Show();
    main.editor.showPersonOfStep(p);
    user::selectTab(main.layout().pages, main.layout().doplnujiciSheet.sheet);
    renderer.syncAll();
    auto* memo = renderer.window(main.layout())->findChild<QPlainTextEdit*>("doplnujiciTextyMEMO");
    if (!memo) {
        state.SkipWithError("no memo widget");
        return;
    }
    memo->setFocus();
    settle();
    QApplication::clipboard()->setText(pastedText(size_t(state.range(0))));
    for (auto _ : state) {
        state.PauseTiming();
        main.layout().doplnujiciSheet.doplnujiciTextyMEMO.Clear();
        renderer.syncAll();
        settle();
        state.ResumeTiming();
        memo->paste();
        settle();
    }
    if (main.layout().doplnujiciSheet.doplnujiciTextyMEMO.Text().size() < size_t(state.range(0)))
        state.SkipWithError("the memo lost text");
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

BENCHMARK(PasteIntoTheFurtherTextsMemo)
    ->Arg(20'000)
    ->Arg(300'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
