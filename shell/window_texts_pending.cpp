// Window-text appliers whose windows are not laid out yet: each moves to the file of its window
// texts when its window is built, and leaves this file.
#include "shell/hlavni.h"

void Thlavni::applyMenuTexts()
{
}

void Thlavni::applyQuickButtonTexts()
{
}

void Thlavni::applyListPanelTexts()
{
}

void Thlavni::applyGeneralPageTexts()
{
}

void Thlavni::applyBasicPageTexts()
{
}

void Thlavni::applyFurtherDataPageTexts()
{
}

void Thlavni::applyPhotosPageTexts()
{
}

void Thlavni::applyDocumentsPageTexts()
{
}

void Thlavni::applyTextsAndFilesPageTexts()
{
}

void Thlavni::applySummaryPageTexts()
{
}

void Thlavni::applyStatisticsPageTexts()
{
}

void Thlavni::applyAboutBoxTexts()
{
}

void Thlavni::applyColoursDialogTexts()
{
}

void Thlavni::applyDoubleStartTexts()
{
}
