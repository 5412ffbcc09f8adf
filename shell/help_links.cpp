// Commands that lead out of the program: the help file, the shown person's web pages and mail
// addresses, and the about box.
#include "forms/o_programu_form.h"
#include "model/clovek.h"
#include "shell/hlavni.h"
#include "system/files.h"
#include "system/process.h"
#include "system/text.h"
#include "toolkit/dialogs.h"

#include <cctype>

namespace {

// Whether the address begins with a scheme and "://" ("https://", "FTP://"): such an address is
// opened as it is written.
bool hasScheme(const std::string& address)
{
    const size_t colon = address.find("://");
    if (colon == std::string::npos || colon == 0 || !std::isalpha(static_cast<unsigned char>(address[0])))
        return false;
    for (size_t i = 1; i < colon; ++i) {
        const unsigned char c = static_cast<unsigned char>(address[i]);
        if (!std::isalnum(c) && c != '+' && c != '-' && c != '.')
            return false;
    }
    return true;
}

void openWebPage(MainFrame& m, const std::string& address)
{
    if (address.empty())
        return;
    // Without a browser set up the opener only fails, which a person would never learn of.
    if (!openLink(hasScheme(address) ? address : "http://" + address))
        ShowMessage(
            m.langText("chyby", "webNelzeOtevrit",
                       "Stránku se nepodařilo otevřít, patrně není nastaven žádný webový prohlížeč."));
}

void writeMailTo(MainFrame& m, const std::string& address)
{
    if (utf8Length(address) < 6 || address.find('@') == std::string::npos)
        return;
    if (!openLink("mailto:" + address))
        ShowMessage(m.langText("chyby", "postaNelzeOtevrit",
                               "E-mail se nepodařilo otevřít, patrně není nastaven žádný poštovní program."));
}

} // namespace

void MainFrame::Napoveda2Click()
{
    openHelp();
}

void MainFrame::openHelp()
{
    const std::string path = programFolder + "help/kinvelor.hlp";
    if (fileExists(path))
        shellOpen(path);
    else
        ShowMessage(langText("chyby", "napovedaNenalezena",
                             "Soubor s nápovědou nenalezen, patrně používáte verzi programu bez nápovědy."));
}

void MainFrame::otevriWWW1BTClick()
{
    if (const Clovek* person = shownPerson())
        openWebPage(*this, person->web1);
}

void MainFrame::otevriWWW2BTClick()
{
    if (const Clovek* person = shownPerson())
        openWebPage(*this, person->web2);
}

void MainFrame::napis1BTClick()
{
    if (const Clovek* person = shownPerson())
        writeMailTo(*this, person->email1);
}

void MainFrame::napis2BTClick()
{
    if (const Clovek* person = shownPerson())
        writeMailTo(*this, person->email2);
}

void MainFrame::OProgramu1Click()
{
    oProgramu->startCredits();
    struct Stop {
        ToProgramu& box;
        ~Stop() { box.stopCredits(); }
    } stop{*oProgramu};
    oProgramu->ShowModal();
}
