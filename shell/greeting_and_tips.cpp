// The greeting of the day at start and the tip window with the number of the start.
#include "model/datum.h"
#include "model/language_file.h"
#include "model/path_utils.h"
#include "shell/hlavni.h"
#include "shell/tip_form.h"
#include "shell/window_texts.h"
#include "system/codec.h"
#include "system/exceptions.h"
#include "system/files.h"
#include "system/numbers.h"
#include "system/random.h"
#include "toolkit/dialogs.h"

namespace {
std::string signUpText(MainFrame& hl)
{
    return hl.langText("tip", "registrujte",
                       "Zaregistrujte se na webových stránkách programu Kinvelor. Budete tak vždy ihned "
                       "informováni o nové verzi programu.");
}
} // namespace

void MainFrame::showDateGreeting(const Datum& today)
{
    struct Greeting {
        const char* day;
        const char* month;
        const char* key;
        const char* text;
    };
    static const Greeting greetings[] = {
        {"1", "1", "novyRok", "Hodně zdraví a také narozených příbuzných v novém roce!"},
        {"24", "12", "vanoce", "Šťastné a veselé Vánoce s kupou dárků!"},
        {"31", "12", "silvestr", "Veselého Silvestra!"},
    };
    for (const Greeting& g : greetings)
        if (today.day == g.day && today.month == g.month) {
            ShowMessage(langText("vyroci", g.key, g.text));
            return;
        }
}

std::string MainFrame::tipFilePath()
{
    // Only a checked language file name, so the tip file is always read from "data/lang/".
    return languageFolder(programFolder) + withoutExtension(safeLanguageFileName(settings.languageFileName)) +
           ".tip";
}

std::string MainFrame::tipText()
{
    const std::string path = tipFilePath();
    std::vector<std::string> tips;
    if (fileExists(path)) {
        try {
            tips = readCp1250Lines(path);
        } catch (const EInOutError&) {
            tips.clear();
        }
    }
    // An empty or unreadable tip file is as good as none.
    if (tips.empty())
        return signUpText(*this);
    return tips[static_cast<size_t>(Random(static_cast<int>(tips.size())))];
}

void MainFrame::showTipWindow()
{
    TtipFORM& w = *tipFORM;
    WindowTexts(*this).apply(w.startNumberTexts());
    w.cisloSpusteniLB.Caption += " " + intToStr(settings.startCount);
    // Tips cannot be switched off during the first three starts.
    w.zobrazovatCH.setChecked(settings.showTip);
    w.zobrazovatCH.Enabled = settings.startCount > 3;
    w.tipLB.Caption = settings.startCount > 3 ? tipText() : signUpText(*this);
    w.ShowModal();
}

void MainFrame::Tip1Click()
{
    showTipWindow();
}
