// The life of the program: the first activation of the main window, the question whether it
// may close, and the close.
#include "forms/dvojite_spusteni_form.h"
#include "model/datum.h"
#include "model/language_file.h"
#include "model/rod.h"
#include "shell/hlavni.h"
#include "storage/working_folders.h"
#include "system/command_line.h"
#include "system/datetime.h"
#include "system/exceptions.h"
#include "system/fileio.h"
#include "system/files.h"
#include "system/programfolder.h"
#include "system/random.h"
#include "toolkit/application.h"
#include "toolkit/dialogs.h"
#include "toolkit/screen.h"

#include <climits>

namespace {
std::string markerPath(const std::string& programFolder)
{
    return programFolder + "data/active.rdk";
}
} // namespace

void MainFrame::FormActivate()
{
    Randomize();
    if (!startupPending)
        return;
    startupPending = false;
    runEnded = false;
    bindDialogEvents();

    programFolder = ::programFolder();
    // A working folder of this copy's own: a second copy on the same program folder never
    // empties this one's media.
    workingFolderClaim = std::make_unique<WorkingFolderClaim>(programFolder + "temp/");
    workingFolder =
        workingFolderClaim->folder().empty() ? programFolder + "temp/" : workingFolderClaim->folder();
    if (Screen->Height < 768 || Screen->Width < 1024)
        ShowMessage("Rozlišení vašeho monitoru je menší než 1024x768, program nebude pracovat správně!");
    for (const char* folder : {"data", "data/lang", "save"})
        if (!directoryExists(programFolder + folder))
            createDir(programFolder + folder);

    const std::string marker = markerPath(programFolder);
    // A marker that no running copy stands behind was left by one that ended without its
    // close (a crash, a kill): it goes without a question and this copy's own takes its place.
    const bool anotherCopyRuns = workingFolderClaim->othersRunning();
    if (fileExists(marker) && anotherCopyRuns) {
        if (dvojiteSpusteniFORM->ShowModal() == mrAbort) {
            // Another copy may be running on this folder: it keeps its settings, its working
            // folder and its marker; this one only goes away.
            leaveRunningCopyAlone = true;
            Close();
            return;
        }
    } else {
        try {
            writeFileAtomic(marker, std::string());
        } catch (const EInOutError&) {
            // Without the marker only the warning of a second start is lost.
        }
    }

    try {
        provideCzechLanguageFile(programFolder);
    } catch (const EInOutError&) {
        // The language file's own lookups tell the person that it cannot be written.
    }
    editor_->setShownPerson(nullptr);
    settings.load(programFolder);
    loadLanguage();
    personList.restoreListOptions();
    editor_->fillGroupsCombo("");
    personList.fitPersonListToScreen();
    personList.widenTo(settings.personListWidth);
    enableControls(false, false);
    if (settings.startCount < INT_MAX)
        ++settings.startCount;
    if (settings.showTip)
        showTipWindow();
    updateRecentFilesMenu();
    updateQuickTextMenu();
    showDateGreeting(Datum(today()));
    openCommandLineTree();
}

void MainFrame::openCommandLineTree()
{
    if (ParamCount() < 1)
        return;
    const std::string argument = ParamStr(1);
    if (argument.empty())
        return;
    // A name relative to the folder the program was started in, or a whole path.
    const std::string path = argument.front() == '/' ? argument : joinPath(currentDir(), argument);
    if (fileExists(path))
        openTree(path);
}

void MainFrame::FormCloseQuery(bool& canClose)
{
    // Leaving the focused field completes a pending edit through its exit handler.
    if (NovyBT.CanFocus())
        NovyBT.SetFocus();
    else
        focusControl(nullptr);
    canClose = true;
    if (!session.tree())
        return;
    try {
        Zavrit1Click();
        canClose = !session.tree();
    } catch (const Exception&) {
        ShowMessage(langText("chyby", "zavreniProgramu", "Chyba pri pokusu o zavreni programu!"));
        canClose = true;
    }
}

void MainFrame::FormClose(TCloseAction&)
{
    endRun();
}

void MainFrame::endRun()
{
    if (runEnded)
        return;
    runEnded = true;
    if (leaveRunningCopyAlone || programFolder.empty()) {
        languageFile.reset();
        return;
    }
    closeTreeData();
    try {
        settings.save(programFolder);
    } catch (const Exception& e) {
        Application.ShowException(e);
    }
    // The marker stays while another copy still runs on this program folder.
    const std::string marker = markerPath(programFolder);
    if (fileExists(marker) && !(workingFolderClaim && workingFolderClaim->othersRunning()))
        deleteFile(marker);
    workingFolderClaim.reset();
    languageFile.reset();
}
