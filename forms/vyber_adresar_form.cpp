#include "forms/vyber_adresar_form.h"

#include "forms/dialog_buttons.h"
#include "forms/global_window.h"
#include "system/files.h"
#include "toolkit/keys.h"

#include <filesystem>

TvyberAdresarFORM* vyberAdresarFORM = nullptr;

TvyberAdresarFORM::TvyberAdresarFORM() : TForm("vyberAdresarFORM")
{
    claimGlobalWindow(vyberAdresarFORM, this);
    showCzechTexts(texts());
    Caption = "Lipoveta";
    BorderStyle = TFormBorderStyle::bsDialog;
    Position = TPosition::poScreenCenter;
    SetBounds(0, 0, 330, 380);

    pokynLB.SetBounds(8, 8, 314, 30);
    pokynLB.AutoSize = false;
    pokynLB.WordWrap = true;
    DriveComboBox1.SetBounds(8, 46, 314, 21);
    DriveComboBox1.Style = TComboBox::csDropDownList;
    DriveComboBox1.OnChange = [this] { DriveComboBox1Change(); };
    cestaED.SetBounds(8, 73, 314, 21);
    cestaED.OnKeyDown = [this](int& key, TShiftState shift) { cestaEDKeyDown(key, shift); };
    Adresar.SetBounds(8, 100, 314, 238);
    Adresar.OnDblClick = [this] { AdresarDblClick(); };
    Adresar.OnClick = [this] { AdresarClick(); };
    Adresar.OnKeyDown = [this](int& key, TShiftState shift) { AdresarKeyDown(key, shift); };
    // The window opens in its list, for the keyboard to go through the folders at once.
    OnShow = [this] {
        if (Adresar.CanFocus())
            Adresar.SetFocus();
    };
    placeOkStornoButtons(Button1, stornoBT, 166, 247, 347);
}

TvyberAdresarFORM::~TvyberAdresarFORM()
{
    releaseGlobalWindow(vyberAdresarFORM, this);
}

void TvyberAdresarFORM::showFolder(const std::string& folder, const std::string& home)
{
    DriveComboBox1.Items.Clear();
    DriveComboBox1.Items.Add("/");
    const std::string homeFolder = withoutTrailingSlashes(home);
    if (!homeFolder.empty() && homeFolder != "/" && directoryExists(homeFolder))
        DriveComboBox1.Items.Add(homeFolder);
    fill(folder);
}

void TvyberAdresarFORM::fill(const std::string& folder)
{
    // A folder deleted since it was shown, or one given relative, falls back to the nearest
    // existing folder above it, at worst the root.
    std::string shown = withoutTrailingSlashes(folder);
    if (shown.empty() || shown[0] != '/')
        shown = "/";
    while (shown != "/" && !directoryExists(shown)) {
        const size_t slash = shown.rfind('/');
        shown = slash == 0 ? std::string("/") : shown.substr(0, slash);
    }
    current_ = shown;

    // The starting point whose path the shown folder lies on; the longest one wins, so the
    // home folder is named while the person is inside it.
    int drive = 0;
    for (int i = 1; i < DriveComboBox1.Items.Count(); ++i) {
        const std::string& start = DriveComboBox1.Items[i];
        if (shown == start || shown.starts_with(start + "/"))
            drive = i;
    }
    DriveComboBox1.setItemIndex(drive);

    paths_.clear();
    Adresar.Items.Clear();
    // The path from the root down, each level indented one step further, as a desktop folder
    // list shows it; then the subfolders one step below the shown folder.
    paths_.push_back("/");
    Adresar.Items.Add("/");
    std::string indent = "   ";
    if (shown != "/") {
        size_t from = 1;
        while (from <= shown.size()) {
            size_t to = shown.find('/', from);
            if (to == std::string::npos)
                to = shown.size();
            paths_.push_back(shown.substr(0, to));
            Adresar.Items.Add(indent + shown.substr(from, to - from));
            indent += "   ";
            from = to + 1;
        }
    }
    const int shownLine = Adresar.Items.Count() - 1;
    for (const std::string& name : listFolder(shown, "*", ListKind::Folders)) {
        if (name.empty() || name[0] == '.')
            continue;
        paths_.push_back(joinPath(shown, name));
        Adresar.Items.Add(indent + name);
    }
    Adresar.setItemIndex(shownLine);
    AdresarClick();
}

std::string TvyberAdresarFORM::chosenFolder() const
{
    const int index = Adresar.ItemIndex();
    if (index < 0 || size_t(index) >= paths_.size())
        return {};
    return paths_[size_t(index)];
}

void TvyberAdresarFORM::DriveComboBox1Change()
{
    const int index = DriveComboBox1.ItemIndex();
    if (index >= 0 && index < DriveComboBox1.Items.Count())
        fill(DriveComboBox1.Items[index]);
}

void TvyberAdresarFORM::AdresarDblClick()
{
    const std::string chosen = chosenFolder();
    if (!chosen.empty())
        fill(chosen);
}

void TvyberAdresarFORM::AdresarClick()
{
    cestaED.setText(chosenFolder());
}

void TvyberAdresarFORM::AdresarKeyDown(int& key, TShiftState)
{
    // Enter goes into the folder rather than past the window: OK takes the folder highlighted.
    if (key != VK_RETURN)
        return;
    key = 0;
    AdresarDblClick();
}

void TvyberAdresarFORM::cestaEDKeyDown(int& key, TShiftState)
{
    if (key != VK_RETURN)
        return;
    key = 0;
    // A name without "/" in front lies in the folder shown; a folder that is not there leaves
    // the list as it was.
    std::string typed = cestaED.Text();
    if (typed.empty())
        return;
    if (typed[0] != '/')
        typed = joinPath(current_, typed);
    typed = std::filesystem::path(typed).lexically_normal().string();
    if (!directoryExists(typed))
        return;
    fill(typed);
    Adresar.SetFocus();
}

WindowTextList TvyberAdresarFORM::texts()
{
    return {"HTML",
            {
                WindowText::caption(
                    pokynLB, "zvolteAdresar",
                    "Zvolte adresář, kam má být uložena adresářová struktura vygenerovaných HTML stránek"),
                WindowText::cancel(stornoBT),
            }};
}
