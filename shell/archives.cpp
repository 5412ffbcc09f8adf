// Archives of a saved tree with its companion folder, packed and unpacked by the archiver below
// the program folder. The archiver runs as a child the program waits for; only a run that ended
// well counts, and its archive is copied only then.
#include "model/path_utils.h"
#include "model/rod.h"
#include "shell/hlavni.h"
#include "system/child_process.h"
#include "system/files.h"
#include "toolkit/dialogs.h"

std::string MainFrame::archiverPath() const
{
    return programFolder + "data/rar";
}

void MainFrame::expRARClick()
{
    if (!session.tree())
        return;
    if (!askYesNo(langText("otazky", "ulozitPredArchivaci",
                           "Lipoveta musí být před archivováním uložen. Má se provést?")))
        return;
    // What is packed is the file on disk: a tree that was not saved now is not packed.
    if (!saveTree())
        return;
    ShowMessage(langText("otazky", "zvolteNazevArchivu", "Zvolte název vytvářeného archívu..."));
    const std::string treeFile = session.tree()->fileName;
    if (treeFile.empty() || !SaveDialogRAR.Execute() || SaveDialogRAR.FileName.empty())
        return;

    const std::string folder = folderOfPath(treeFile);
    const std::string packed = folder + "temp.tmp";
    // A working archive left by an earlier run would be added to, not replaced.
    deleteFile(packed);
    const ProgramRun run = runProgram(
        archiverPath(), {"a", "-r", "temp.tmp", fileNameOf(treeFile), baseNameOf(treeFile) + "/*"}, folder);
    if (!run.succeeded() || !fileExists(packed)) {
        deleteFile(packed);
        ShowMessage(run.started ? "Archivace se nezdařila, archív nebyl vytvořen."
                                : "Archivační program nebyl nalezen, archív nebyl vytvořen.");
        return;
    }
    const bool copied = copyFile(packed, SaveDialogRAR.FileName);
    deleteFile(packed);
    if (!copied)
        ShowMessage("Archív se nepodařilo uložit do zvoleného souboru.");
}

void MainFrame::impRARClick()
{
    if (session.tree() && askYesNo(langText("otazky", "zavritPredImportem",
                                            "Má se zavřít aktuální lipoveta, aby se dal importovat nový?")))
        Zavrit1Click();
    if (session.tree()) {
        ShowMessage("Rozbalení nemůže proběhnout, některý lipoveta je stále otevřený!");
        return;
    }
    ShowMessage(langText("otazky", "vyberteArchiv", "Vyberte archív, který se bude importovat..."));
    if (!OpenDialogRAR.Execute() || OpenDialogRAR.FileName.empty())
        return;
    ShowMessage(
        "Funkčnost zatím nezaručena, rozbaluje se do adresáře save v lipovetau a cesta nesmí obsahovat "
        "mezery, apod.");
    const std::string archive = OpenDialogRAR.FileName;
    // The archiver takes a target ending with "/" as the folder to unpack into.
    const ProgramRun run = runProgram(archiverPath(), {"x", fileNameOf(archive), programFolder + "save/"},
                                      folderOfPath(archive));
    if (run.succeeded())
        ShowMessage("Archív byl rozbalen.");
    else
        ShowMessage(run.started ? "Rozbalení archívu se nezdařilo."
                                : "Archivační program nebyl nalezen, archív nebyl rozbalen.");
}
