// The web export command of the main window: its three windows, the folder and the messages.
#include "model/rod.h"
#include "model/text_source.h"
#include "reports/html_text.h"
#include "reports/report_commands.h"
#include "reports/web_site.h"
#include "shell/report_dialogs.h"
#include "shell/settings.h"
#include "system/files.h"
#include "system/process.h"
#include "toolkit/dialogs.h"

#include <exception>
#include <optional>

namespace {

std::string trimmed(const std::string& text)
{
    size_t b = 0, e = text.size();
    while (b < e && static_cast<unsigned char>(text[b]) <= ' ')
        ++b;
    while (e > b && static_cast<unsigned char>(text[e - 1]) <= ' ')
        --e;
    return text.substr(b, e - b);
}

} // namespace

void ReportCommands::HTMLstranky1Click()
{
    if (!window_.currentTree() || !window_.hasPersonList() || !webSiteWindowsMade())
        return;
    // The pages take the ticks the window holds when they are written (writeHtmlSite).
    if (!askWebExportOptions())
        return;
    const std::string location = askWebSiteLocation();
    if (location.empty())
        return;
    std::string folder;
    for (;;) {
        const std::optional<std::string> typed = askWebSiteFolderName(location);
        if (!typed)
            return;
        const std::string& name = *typed;
        if (trimmed(name).empty())
            continue;
        // The folder is deleted and rebuilt, so the name must not reach outside the location.
        if (!isPlainFolderName(name)) {
            ShowMessage(
                "Název podadresáře nesmí obsahovat lomítko ani zpětné lomítko a nesmí být \".\" ani \"..\".");
            continue;
        }
        folder = joinPath(location, name);
        if (!fileExists(folder) && !directoryExists(folder))
            break;
        // Only an earlier site of the program is ever replaced; a folder of the person's own
        // ("Dokumenty" in the home folder) is not the program's to delete.
        if (!isReplaceableSiteFolder(folder)) {
            ShowMessage("Adresář " + folder +
                        " už existuje a nejsou v něm jen HTML stránky vytvořené programem Kinvelor, "
                        "proto jej nelze přemazat. Zadejte jiný název.");
            continue;
        }
        if (window_.askYesNo("Adresář existuje. Přemazat a vytvořit znovu?"))
            break;
    }
    writeHtmlSite(folder + "/");
}

void ReportCommands::writeHtmlSite(const std::string& folder)
{
    const std::string target = withoutTrailingSlashes(folder);
    TextSource& texts = window_.texts();
    WebSiteWriter writer(*window_.currentTree(), texts, shownWebExportOptions(), window_.workingFolderPath(),
                         window_.programSettings().showBirthSurname);
    const bool hadSite = fileExists(target) || directoryExists(target);
    try {
        window_.withListedPersonsByName(
            [&](const std::vector<Clovek*>& persons) { writer.writeSite(target, persons); });
        ShowMessage(
            texts.langText("HTML", "bylyVygenerovany", "HTML stránky byly vygenerovány. Spouštějte přes") +
            " " + target + "/index.htm");
        shellOpen(target + "/index.htm");
    } catch (const std::exception&) {
        using Step = WebSiteWriter::Step;
        std::string message;
        if (writer.step() == Step::Checking)
            message = texts.langText("HTML", "nepodariloSmazat",
                                     "Vytvoření HTML stránek selhalo. Nepodařilo se vymazat určený adresář.");
        else if (writer.step() == Step::Creating)
            message =
                texts.langText("HTML", "nepodariloVytvorit",
                               "Vytvoření HTML stránek selhalo. Nepodařilo se vytvořit určený adresář.");
        else
            message = texts.langText("HTML", "nepodariloSe", "Vytvoření HTML stránek selhalo.");
        const bool pagesBegun = writer.step() == Step::Writing || writer.step() == Step::Replacing;
        if (!writer.failedFile().empty() && pagesBegun)
            message += "\nNezapsáno: " + writer.failedFile() +
                       (writer.failure().empty() ? std::string() : " (" + writer.failure() + ")");
        // The new pages went into a folder of their own that is gone again.
        if (hadSite && pagesBegun)
            message += "\nDosavadní stránky v " + target + " zůstaly beze změny.";
        ShowMessage(message);
    }
}
