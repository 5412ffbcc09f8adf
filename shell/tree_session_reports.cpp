// What a save or a read of the open tree met, told to the person: storage/ answers in reports
// and shows nothing.
#include "model/clovek.h"
#include "model/rod.h"
#include "model/text_source.h"
#include "shell/tree_session.h"
#include "storage/tree_writer.h"
#include "system/system_reasons.h"
#include "toolkit/dialogs.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

void TreeSession::tellSaveResult(const SaveResult& result)
{
    TextSource& texts = window_.texts();
    if (!result.written) {
        std::string message = texts.langText("chyby", "ulozeniSelhalo",
                                             "Lipoveta se nepodařilo uložit, soubor zůstal, jaký byl:");
        message += " " + tree_->fileName;
        std::string detail = result.error;
        if (result.unsuitableName)
            detail = texts.langText("chyby", "nevhodneJmenoLipoveta",
                                    "Pod tímto jménem nelze lipoveta uložit, jeho složka s obrázky by "
                                    "zasáhla jiná data. Zvolte jiné jméno souboru s příponou .rod.");
        else if (result.foreignFolder)
            detail = texts.langText("chyby", "ciziSlozkaLipoveta",
                                    "Na místě složky s obrázky tohoto lipoveta už je složka nebo soubor, "
                                    "které k němu nepatří. Nic z toho nebylo smazáno; zvolte jiné jméno "
                                    "souboru, nebo to přejmenujte:") +
                     " " + result.failedPath;
        else if (!result.failedPath.empty())
            detail = (result.unreadable ? texts.langText("chyby", "nelzePrecist", "Nepodařilo se přečíst:")
                                        : texts.langText("chyby", "nelzeZapsat", "Nepodařilo se zapsat:")) +
                     " " + result.failedPath + (result.reason.empty() ? "" : "\n" + result.reason);
        if (!detail.empty())
            message += "\n\n" + detail;
        ShowMessage(message);
        return;
    }
    // The tree is saved all the same; the person learns which pictures and files were gone,
    // save those they heard of when the tree was opened.
    std::string list;
    const std::string notFound = notFoundText(texts);
    const std::string workingFolder = window_.workingFolderPath();
    for (const std::string& path : result.missingMedia) {
        const std::string name = path.starts_with(workingFolder) ? path.substr(workingFolder.size()) : path;
        if (std::find(mediaMissingAtOpen_.begin(), mediaMissingAtOpen_.end(), name) ==
            mediaMissingAtOpen_.end())
            list += "\n" + path + " " + notFound;
    }
    if (list.empty())
        return;
    ShowMessage(texts.langText("chyby", "chybejiciMedia",
                               "Lipoveta je uložen, tyto soubory ale v pracovní složce chyběly "
                               "(kde to šlo, zůstala jejich kopie z minulého uložení):") +
                "\n" + list);
}

namespace {

// Why a stored copy that the load did not get cannot be read, or empty when it is not there.
std::string whyUnreadable(const std::string& path)
{
    struct stat info;
    if (::stat(path.c_str(), &info) != 0)
        return {};
    if (!S_ISREG(info.st_mode))
        return systemReasonText(EISDIR);
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd >= 0) {
        ::close(fd);
        return {};
    }
    return systemReasonText(errno);
}

} // namespace

void TreeSession::tellLoadReport(const LoadReport& report)
{
    TextSource& texts = window_.texts();
    if (!report.missingMedia.empty()) {
        // A copy that is there but cannot be read is called so, as a save calls it.
        const std::string notFound = notFoundText(texts);
        const std::string unreadable = texts.langText("chyby", "nelzePrecist", "Nepodařilo se přečíst:");
        std::string message;
        for (const std::string& path : report.missingMedia) {
            const std::string why = whyUnreadable(path);
            message += (message.empty() ? "" : "\n") +
                       (why.empty() ? path + " " + notFound : unreadable + " " + path + " (" + why + ")");
        }
        ShowMessage(message);
    }
    for (const std::string& message : report.messages)
        ShowMessage(message);
    // Named once, so the person knows why they sort as undated; a long list is cut short.
    if (!report.unreadableDates.empty()) {
        constexpr size_t named = 20;
        std::string names;
        for (size_t i = 0; i < std::min(named, report.unreadableDates.size()); ++i)
            names += "\n" + report.unreadableDates[i]->fullName(false, true);
        if (report.unreadableDates.size() > named)
            names += "\n" + texts.langText("chyby", "aDalsiOsoby", "a další osoby:") + " " +
                     std::to_string(report.unreadableDates.size() - named);
        ShowMessage(
            texts.langText("chyby", "neciselneDatum",
                           "Data těchto osob mají část, která není číslo. Zůstala, jak byla uložena, a "
                           "při řazení a porovnávání se berou jako neznámá:") +
            names);
    }
}
