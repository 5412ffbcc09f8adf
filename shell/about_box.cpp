// The about box: the credits scrolling upwards on a black panel, a tune on a click on the
// picture, the program's links, and the quiz behind the author credit.
#include "forms/easter_egg_form.h"
#include "forms/o_programu_form.h"
#include "shell/about_tunes.h"
#include "shell/dialog_events.h"
#include "system/midi_player.h"
#include "system/process.h"
#include "system/programfolder.h"
#include "system/random.h"

#include <memory>
#include <string>
#include <vector>

namespace {

// What the about box keeps while it is shown; the program has one about box.
struct AboutState {
    std::unique_ptr<std::vector<std::string>> creditLines; // only while the box is shown
    int lineCount = 0;
    int scrollPosition = 0;
    bool playing = false;
    std::string tune;
    MidiPlayer player;
};

AboutState& about()
{
    static AboutState state;
    return state;
}

constexpr int lineHeight = 20;

std::vector<std::string> creditLines(const ToProgramu& box)
{
    const std::string rule(13, '=');
    return {rule,
            "KINVELOR",
            rule,
            "",
            box.emailLB.Caption,
            box.wwwLB.Caption,
            "",
            "databázový program na uchovávání",
            "a zobrazování genealogických dat",
            "",
            box.naprogramovalLB.Caption,
            "",
            "Děkujeme všem testerům",
            "za trpělivost a nalezené chyby",
            "",
            "Děkujeme překladatelům",
            "za jazykové verze programu",
            ""};
}

void paintBlack(TImage& image)
{
    image.Canvas.Brush.Color = clBlack;
    image.Canvas.FillRect(TRect{0, 0, image.Width, image.Height});
}

} // namespace

void ToProgramu::FormCreate()
{
    Randomize();
}

void ToProgramu::startCredits()
{
    AboutState& s = about();
    s.creditLines = std::make_unique<std::vector<std::string>>(creditLines(*this));
    s.scrollPosition = 0;
    s.lineCount = static_cast<int>(s.creditLines->size());
    Timer1.setEnabled(true);
    creditsIMG.Canvas.clear();
    creditsIMG.Canvas.Font.Color = clWhite;
    paintBlack(creditsIMG);
}

void ToProgramu::stopCredits()
{
    Timer1.setEnabled(false);
    about().creditLines.reset();
}

void ToProgramu::Timer1Timer()
{
    AboutState& s = about();
    if (!s.creditLines || s.lineCount == 0)
        return;
    TRecordingCanvas& canvas = creditsIMG.Canvas;
    // The panel is painted over whole at every step; what was drawn before is of no use.
    canvas.clear();
    paintBlack(creditsIMG);
    s.scrollPosition = (s.scrollPosition + 2) % (s.lineCount * lineHeight);
    canvas.Font.Color = clWhite;
    for (int i = 0; i < s.lineCount; ++i) {
        const int y = lineHeight * i - s.scrollPosition;
        if (y < -14 || y >= creditsIMG.Height + lineHeight)
            continue;
        const std::string& line = (*s.creditLines)[static_cast<size_t>(i)];
        canvas.TextOut(creditsIMG.Width / 2 - canvas.TextWidth(line) / 2, y, line);
    }
}

void ToProgramu::FormActivate()
{
    about().tune = programFolder() + (Random(2) % 2 == 1 ? "data/about2.mid" : "data/about1.mid");
}

void ToProgramu::Image1Click()
{
    AboutState& s = about();
    if (s.playing)
        return;
    ensureAboutTune(s.tune, s.tune.ends_with("about2.mid") ? 2 : 1);
    // Without a player on the machine the picture just stays silent.
    s.playing = s.player.play(s.tune);
}

void ToProgramu::FormClose()
{
    AboutState& s = about();
    if (s.playing)
        s.player.stop();
    s.playing = false;
}

void ToProgramu::wwwLBClick()
{
    shellOpen(wwwLB.Caption);
}

void ToProgramu::emailLBClick()
{
    shellOpen("mailto:" + emailLB.Caption);
}

void ToProgramu::naprogramovalLBClick()
{
    if (easterEggFORM)
        easterEggFORM->ShowModal();
}

void bindAboutBoxEvents(ToProgramu& w)
{
    w.FormCreate();
    w.Timer1.OnTimer = [&w] { w.Timer1Timer(); };
    w.Image1.OnClick = [&w] { w.Image1Click(); };
    w.naprogramovalLB.OnClick = [&w] { w.naprogramovalLBClick(); };
    w.OnActivate = [&w] { w.FormActivate(); };
    w.OnClose = [&w](TCloseAction&) { w.FormClose(); };
    w.wwwLB.OnClick = [&w] { w.wwwLBClick(); };
    w.emailLB.OnClick = [&w] { w.emailLBClick(); };
}
