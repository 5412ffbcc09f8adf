// The web export command of the main window: its three windows, the folder and the messages.
#include "forms/co_v_html_form.h"
#include "forms/html_adresar_form.h"
#include "forms/vyber_adresar_form.h"
#include "model/rod.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/process.h"
#include "reports/html_text.h"
#include "reports/web_export_options.h"
#include "reports/web_site.h"
#include "shell/hlavni.h"
#include "shell/scroll.h"

#include <cstdlib>
#include <exception>

namespace {

// The folders offered as locations: the home folder and the folders right inside it.
void fillLocations(TvyberAdresarFORM& w)
{
    const char* home = std::getenv("HOME");
    const std::string base = home && *home ? withoutTrailingSlashes(home) : std::string("/");
    const int chosen = w.Adresar.ItemIndex();
    w.DriveComboBox1.Items.Clear();
    w.DriveComboBox1.Items.Add("/");
    w.DriveComboBox1.setItemIndex(0);
    w.Adresar.Items.Clear();
    w.Adresar.Items.Add(base);
    for (const std::string& name : listFolder(base, "*", ListKind::Folders))
        if (!name.empty() && name[0] != '.')
            w.Adresar.Items.Add(joinPath(base, name));
    w.Adresar.setItemIndex(chosen >= 0 && chosen < w.Adresar.Items.Count() ? chosen : 0);
}

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

void Thlavni::HTMLstranky1Click()
{
    if (!tree || !personList || !coVHtmlFORM || !vyberAdresarFORM || !htmlAdresarFORM)
        return;
    if (coVHtmlFORM->ShowModal() != mrOk)
        return;
    fillLocations(*vyberAdresarFORM);
    if (vyberAdresarFORM->ShowModal() != mrOk)
        return;
    const int index = vyberAdresarFORM->Adresar.ItemIndex();
    if (index < 0 || index >= vyberAdresarFORM->Adresar.Items.Count())
        return;
    const std::string location = vyberAdresarFORM->Adresar.Items[index];
    htmlAdresarFORM->dirnameLB.Caption = location;
    std::string folder;
    for (;;) {
        if (htmlAdresarFORM->ShowModal() != mrOk)
            return;
        const std::string name = htmlAdresarFORM->dirNameED.Text();
        if (trimmed(name).empty())
            continue;
        // The folder is deleted and rebuilt, so the name must not reach outside the location.
        if (!isPlainFolderName(name)) {
            ShowMessage("Název podadresáře nesmí obsahovat lomítko ani zpětné lomítko a nesmí být \".\" ani \"..\".");
            continue;
        }
        folder = joinPath(location, name);
        if (!fileExists(folder) && !directoryExists(folder))
            break;
        if (askYesNo("Adresář existuje. Přemazat a vytvořit znovu?"))
            break;
    }
    writeHtmlSite(folder + "/");
}

void Thlavni::writeHtmlSite(const std::string& folder)
{
    const std::string target = withoutTrailingSlashes(folder);
    WebSiteWriter writer(*tree, *this, coVHtmlFORM ? webExportOptions(*coVHtmlFORM) : WebExportOptions{}, workingFolder,
                         settings.showBirthSurname);
    int stage = 0;
    bool sorted = false;
    try {
        if ((fileExists(target) || directoryExists(target)) && !deleteFolderTree(target))
            throw EInOutError("cannot delete " + target);
        stage = 1;
        if (!directoryExists(target) && !createDir(target))
            throw EInOutError("cannot create " + target);
        stage = 2;
        personList->sortByName();
        sorted = true;
        std::vector<Clovek*> persons;
        for (Polozka* row = personList->first; row; row = row->next)
            persons.push_back(row->person);
        writer.writePages(target, persons);
        personList->sort(setrid.ItemIndex());
        personList->paint();
        sorted = false;
        ShowMessage(langText("HTML", "bylyVygenerovany", "HTML stránky byly vygenerovány. Spouštějte přes") + " "
                    + target + "/index.htm");
        shellOpen(target + "/index.htm");
    } catch (const std::exception&) {
        if (sorted) {
            personList->sort(setrid.ItemIndex());
            personList->paint();
        }
        std::string message =
            stage == 0   ? langText("HTML", "nepodariloSmazat",
                                    "Vytvoření HTML stránek selhalo. Nepodařilo se vymazat určený adresář.")
            : stage == 1 ? langText("HTML", "nepodariloVytvorit",
                                    "Vytvoření HTML stránek selhalo. Nepodařilo se vytvořit určený adresář.")
                         : langText("HTML", "nepodariloSe", "Vytvoření HTML stránek selhalo.");
        if (stage == 2) {
            message += "\nZapsáno souborů: " + std::to_string(writer.filesWritten()) + ".";
            if (!writer.failedFile().empty())
                message += "\nNezapsáno: " + writer.failedFile();
        }
        ShowMessage(message);
    }
}
