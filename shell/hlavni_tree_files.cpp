// The main window's side of the tree files: the working folder and the wait window.
#include "forms/cekej_form.h"
#include "shell/hlavni.h"
#include "storage/media_folders.h"
#include "storage/wait_window.h"

void Thlavni::resetWorkingFolder()
{
    ::resetWorkingFolder(workingFolder, programFolder);
}

WaitWindow& Thlavni::waitWindow()
{
    // The wait window is created with the other windows, after the main window.
    if (cekejFORM && !wait.drives(*cekejFORM))
        wait = WaitWindow(*cekejFORM, cekejFORM->waitBAR);
    return wait;
}

void Thlavni::showWaitWindow()
{
    waitWindow().show();
}

void Thlavni::advanceWaitProgress(int step)
{
    waitWindow().advance(step);
}

void Thlavni::hideWaitWindow()
{
    waitWindow().hide();
}
