// The main window's side of the language file: loading it, the lookups, and the language
// command with its window.
#include "model/language_file.h"
#include "model/rod.h"
#include "shell/hlavni.h"
#include "shell/lang_form.h"
#include "system/files.h"
#include "system/inifile.h"
#include "system/stringlist.h"
#include "toolkit/dialogs.h"

std::string MainFrame::langText(const std::string& section, const std::string& key,
                                const std::string& defaultText)
{
    if (!languageFile)
        return defaultText;
    return languageFile->langText(section, key, defaultText);
}

std::string MainFrame::readText(const std::string& section, const std::string& key,
                                const std::string& defaultText)
{
    if (!languageFile)
        return defaultText;
    return languageFile->readText(section, key, defaultText);
}

void MainFrame::loadLanguage()
{
    languageFile.reset();
    // The name comes from a file anyone can edit; only a language file of "data/lang/" is taken,
    // and the tip file beside it follows the same name.
    settings.languageFileName = safeLanguageFileName(settings.languageFileName);
    auto file = std::make_unique<LanguageFile>(languageFolder(programFolder) + settings.languageFileName,
                                               missingKeyLogPath(programFolder));
    file->onProblem = [](const std::string& message) { ShowMessage(message); };
    file->load();
    languageFile = std::move(file);
    // Missing keys are written once, after every window has its texts.
    LanguageFile::Batch batch(*languageFile);

    allPersonsGroupName = langText("ruzne", "vsichniSkupina", "_VŠICHNI");
    if (session.tree() && session.tree()->personCount() > 0)
        editor_->fillGroupsCombo(std::string());
    applyWindowTexts();
}

void MainFrame::addLanguageEntry(TStringList& lines, const std::string& fileName)
{
    // The choice takes the file name back up to the first blank of its line; a name with a
    // blank would come back as another file, so it is not offered.
    if (fileName.find(' ') != std::string::npos)
        return;
    const TMemIniFile file(languageFolder(programFolder) + fileName);
    const std::string name = file.ReadString("info", "jazyk", std::string());
    if (!name.empty())
        lines.Add(fileName + " - " + name);
}

void MainFrame::Jazyk1Click()
{
    TListBox& list = langFORM->jazykyLIST;
    list.Items.Clear();
    for (const std::string& name : listFolder(languageFolder(programFolder), "*.lan", ListKind::Files)) {
        if (name.front() == '.')
            continue; // hidden
        addLanguageEntry(list.Items, name);
    }
    if (langFORM->ShowModal() != mrOk || list.ItemIndex() < 0)
        return;
    const std::string& line = list.Items[list.ItemIndex()];
    const std::string fileName = line.substr(0, line.find(' '));
    if (!isLanguageFileName(fileName))
        return;
    settings.languageFileName = fileName;
    loadLanguage();
    // The note under the heading is composed from the language file too, and on every page.
    editor_->updateTabContentsLabel();

    // These pages are composed from the language file and no window-text applier sets them.
    TTabSheet* page = pages.ActivePage();
    if (page == &zakladniUdaje && shownPerson())
        editor_->showBasicPage();
    else if (page == &shrnutiOsoby && shownPerson())
        showPersonSummary();
    else if (session.tree())
        fillTreePage(page);
}
