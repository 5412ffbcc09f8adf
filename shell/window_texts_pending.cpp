// Window-text appliers whose windows are not laid out yet: each moves to the file of its window
// texts when its window is built, and leaves this file.
#include "shell/hlavni.h"

void Thlavni::applyAboutBoxTexts()
{
}

void Thlavni::applyDialogTexts()
{
}

void Thlavni::applySearchDialogTexts()
{
}

void Thlavni::applyTextExportDialogTexts()
{
}

void Thlavni::applyToleranceDialogTexts()
{
}

void Thlavni::applyWeddingAnniversaryTexts()
{
}

void Thlavni::applyHtmlOptionsTexts()
{
}

void Thlavni::applyGroupsDialogTexts()
{
}

void Thlavni::applyGedcomImportTexts()
{
}

void Thlavni::applyBulkDeleteTexts()
{
}
