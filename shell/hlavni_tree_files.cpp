// The main window's side of the tree files: the working folder, the wait window, and the
// writer and loaders of storage/ over the open tree.
#include "forms/cekej_form.h"
#include "model/clovek.h"
#include "model/rod.h"
#include "shell/hlavni.h"
#include "storage/media_folders.h"
#include "storage/old_format_loader.h"
#include "storage/tree_loader.h"
#include "storage/tree_writer.h"
#include "system/system_reasons.h"
#include "toolkit/dialogs.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// The portrait frame `hlavaIMG` of the basic-data page.
constexpr int portraitFrameHeight = 200;
constexpr int portraitFrameWidth = 150;
} // namespace

void MainFrame::resetWorkingFolder()
{
    ::resetWorkingFolder(workingFolder, programFolder);
}

WaitWindow& MainFrame::waitWindow()
{
    // The wait window is created with the other windows, after the main window.
    if (cekejFORM && !wait.drives(*cekejFORM))
        wait = WaitWindow(*cekejFORM, cekejFORM->waitBAR);
    return wait;
}

void MainFrame::showWaitWindow()
{
    waitWindow().show();
}

void MainFrame::advanceWaitProgress(int step)
{
    waitWindow().advance(step);
}

void MainFrame::hideWaitWindow()
{
    waitWindow().hide();
}

TreeFileEnvironment MainFrame::treeFileEnvironment()
{
    return TreeFileEnvironment{workingFolder,  programFolder,       waitWindow(),      *this,
                               treeFileOnDisk, portraitFrameHeight, portraitFrameWidth};
}

bool MainFrame::saveTree()
{
    // An edit still in a memo belongs to what is saved.
    commitMemos();
    if (!tree)
        return false;
    // A new tree asks for its name first; Save As comes back here with it.
    if (tree->fileName.empty())
        return saveTreeAs();
    if (!mayWriteTreeFile())
        return false;
    showWaitWindow();
    TreeFileEnvironment env = treeFileEnvironment();
    const SaveResult result = saveTreeFile(*tree, currentPerson, env);
    hideWaitWindow();
    if (result.readOnly) {
        // Another name is the only way the work can be kept: offered at once.
        const std::string question =
            langText("chyby", "souborJenProCteni", "Soubor je jen pro čtení, lipoveta do něj nelze uložit:") +
            " " + result.failedPath + "\n\n" +
            langText("otazky", "ulozitPodJinymJmenem", "Uložit lipoveta pod jiným jménem?");
        return askYesNo(question) && saveTreeAs();
    }
    tellSaveResult(result);
    if (!result.written)
        savingHold.release();
    if (result.written) {
        treeFileIsOurs();
        treeFileOnDisk = tree->fileName;
        settings.addRecentFile(tree->fileName);
        updateRecentFilesMenu();
    }
    return result.written;
}

void MainFrame::tellSaveResult(const SaveResult& result)
{
    if (!result.written) {
        std::string message =
            langText("chyby", "ulozeniSelhalo", "Lipoveta se nepodařilo uložit, soubor zůstal, jaký byl:");
        message += " " + tree->fileName;
        std::string detail = result.error;
        if (result.unsuitableName)
            detail = langText("chyby", "nevhodneJmenoLipoveta",
                              "Pod tímto jménem nelze lipoveta uložit, jeho složka s obrázky by "
                              "zasáhla jiná data. Zvolte jiné jméno souboru s příponou .rod.");
        else if (result.foreignFolder)
            detail = langText("chyby", "ciziSlozkaLipoveta",
                              "Na místě složky s obrázky tohoto lipoveta už je složka nebo soubor, "
                              "které k němu nepatří. Nic z toho nebylo smazáno; zvolte jiné jméno "
                              "souboru, nebo to přejmenujte:") +
                     " " + result.failedPath;
        else if (!result.failedPath.empty())
            detail = (result.unreadable ? langText("chyby", "nelzePrecist", "Nepodařilo se přečíst:")
                                        : langText("chyby", "nelzeZapsat", "Nepodařilo se zapsat:")) +
                     " " + result.failedPath + (result.reason.empty() ? "" : "\n" + result.reason);
        if (!detail.empty())
            message += "\n\n" + detail;
        ShowMessage(message);
        return;
    }
    // The tree is saved all the same; the person learns which pictures and files were gone,
    // save those they heard of when the tree was opened.
    std::string list;
    const std::string notFound = notFoundText(*this);
    for (const std::string& path : result.missingMedia) {
        const std::string name = path.starts_with(workingFolder) ? path.substr(workingFolder.size()) : path;
        if (std::find(mediaMissingAtOpen.begin(), mediaMissingAtOpen.end(), name) == mediaMissingAtOpen.end())
            list += "\n" + path + " " + notFound;
    }
    if (list.empty())
        return;
    ShowMessage(langText("chyby", "chybejiciMedia",
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

void MainFrame::tellLoadReport(const LoadReport& report)
{
    if (!report.missingMedia.empty()) {
        // A copy that is there but cannot be read is called so, as a save calls it.
        const std::string notFound = notFoundText(*this);
        const std::string unreadable = langText("chyby", "nelzePrecist", "Nepodařilo se přečíst:");
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
            names += "\n" + langText("chyby", "aDalsiOsoby", "a další osoby:") + " " +
                     std::to_string(report.unreadableDates.size() - named);
        ShowMessage(langText("chyby", "neciselneDatum",
                             "Data těchto osob mají část, která není číslo. Zůstala, jak byla uložena, a "
                             "při řazení a porovnávání se berou jako neznámá:") +
                    names);
    }
}

void MainFrame::writeSavedState(const std::vector<std::string>& list, const std::string& fileName)
{
    ::writeSavedState(list, fileName);
}

void MainFrame::renumberPartnerships()
{
    if (tree)
        ::renumberPartnerships(*tree);
}

BodyCursor MainFrame::readSavedState(const std::string& fileName)
{
    return ::readSavedState(fileName);
}

void MainFrame::loadCurrentFormat(const std::string& fileName)
{
    if (!tree)
        return;
    tree->fileName = fileName;
    TreeFileEnvironment env = treeFileEnvironment();
    const LoadReport report = ::loadCurrentFormat(*tree, env);
    StatusBar1.SimpleText = report.lastLine;
    const std::string companion = companionFolderOf(fileName);
    mediaMissingAtOpen.clear();
    for (const std::string& path : report.missingMedia)
        if (!companion.empty() && path.starts_with(companion))
            mediaMissingAtOpen.push_back(path.substr(companion.size()));
    tellLoadReport(report);
    treeFileOnDisk = fileName;
}

void MainFrame::loadOldFormat(const std::string& fileName)
{
    if (!tree)
        return;
    tree->fileName = fileName;
    TreeFileEnvironment env = treeFileEnvironment();
    tellLoadReport(::loadOldFormat(*tree, env));
    mediaMissingAtOpen.clear();
    treeFileOnDisk.clear(); // its companion folder holds no media of the current layout
}
