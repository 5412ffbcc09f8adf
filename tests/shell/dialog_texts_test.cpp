// The texts of the dialog windows from the language file: the Czech defaults at a first start,
// written back in the order of the lookups, and another language's texts in every bound
// control after a switch, whether the window was ever shown or not.
#include "forms/co_exportovat_form.h"
#include "forms/hledej_form.h"
#include "forms/nazvy_svateb_form.h"
#include "program_fixture.h"
#include "system/codec.h"
#include "system/inifile.h"
#include "toolkit/lists.h"
#include "toolkit/menus.h"
#include "toolkit/pagecontrol.h"

#include <algorithm>

namespace {

using Lines = std::vector<std::string>;

constexpr const char* kMark = "~";

bool marked(const std::string& text)
{
    return text.find(kMark) != std::string::npos;
}

// How many texts of the window carry the mark: its title, the captions of its controls and
// the items and lines of its lists and memos.
int markedTexts(const TWinControl& control)
{
    int count = 0;
    for (const TControl* c : control.Controls()) {
        count += marked(c->Caption);
        if (auto* group = dynamic_cast<const TRadioGroup*>(c))
            for (const std::string& item : group->Items)
                count += marked(item);
        if (auto* memo = dynamic_cast<const TMemo*>(c))
            for (const std::string& line : memo->Lines)
                count += marked(line);
        if (auto* w = dynamic_cast<const TWinControl*>(c))
            count += markedTexts(*w);
    }
    return count;
}

int markedTexts(const TForm& window)
{
    return marked(window.Caption) + markedTexts(static_cast<const TWinControl&>(window));
}

struct DialogTexts : ProgramTest {
    std::string langFile(const std::string& name) const { return folder() + "data/lang/" + name; }

    // Switches to a language that holds every key the first start wrote, each text marked.
    void switchToMarkedCopy()
    {
        Lines lines{"[info]", "jazyk=Marked"};
        for (const std::string& line : readCp1250Lines(langFile("cestina.lan"))) {
            const auto eq = line.find('=');
            lines.push_back(eq == std::string::npos || line.front() == '['
                                ? line
                                : line.substr(0, eq + 1) + kMark + line.substr(eq + 1));
        }
        writeCp1250Lines(langFile("marked.lan"), lines);
        hl().settings.languageFileName = "marked.lan";
        hl().loadLanguage();
    }

    // The section headers of the language file, in file order, that are among `wanted`.
    Lines sectionsAmong(const Lines& wanted) const
    {
        Lines found;
        for (const std::string& line : readCp1250Lines(langFile("cestina.lan")))
            if (line.size() > 2 && line.front() == '[' &&
                std::find(wanted.begin(), wanted.end(), line.substr(1, line.size() - 2)) != wanted.end())
                found.push_back(line.substr(1, line.size() - 2));
        return found;
    }
};

} // namespace

TEST_F(DialogTexts, FirstStartShowsTheCzechDefaultsAndWritesTheKeysInTheOrderOfTheLookups)
{
    startQuietly();
    EXPECT_EQ(hledejFORM->retezecLB.Caption, "Zadejte hledaný řetězec");
    EXPECT_EQ(hledejFORM->datumRozvoduCH.Caption, "datum rozvodu");
    EXPECT_EQ(hledejFORM->jakHledatGROUP.Items.lines(),
              (Lines{"Přesné datum", "Rozmezí", "Počínaje od...", "...až do"}));
    EXPECT_EQ(coExportovatFORM->oddelovacRADIO.Items.lines(), (Lines{"mezera", "tabulátor"}));
    EXPECT_EQ(hl().layout().VymazPopup1.Caption, "Vymaž");
    EXPECT_EQ(hl().layout().ZpetPopup1.Caption, "Žádná akce");
    const TStringList& names = nazvySvatebFORM->svatbyMEMO.Lines;
    ASSERT_EQ(names.Count(), 26);
    EXPECT_EQ(names[0], "1. bavlněná");
    EXPECT_EQ(names[14], "15. křišťálová");
    EXPECT_EQ(names[15], "20. porcelánová");
    EXPECT_EQ(names[25], "70. platinová");

    const Lines dialogSections{
        "vymazFoto",      "formular",      "vyhledano",    "jakVypsatSeznam", "HTML",
        "prirazeniDeti",  "vyberPartnera", "vyroci",       "jazyk",           "vyhledaniPribuznych",
        "vyberDokumentu", "vyberFotek",    "vyberSouboru", "nastaveni",       "sourozenci",
        "text",           "casoveObdobi",  "dalsiUdaje",   "shrnutiSvatby",   "FText",
        "popup",          "kalendar",      "tip",          "hledej",          "exportTXT",
        "tolerance",      "nazvySvateb",   "coVHTML",      "skupiny",         "gedcom",
        "hromadneMazani"};
    EXPECT_EQ(sectionsAmong(dialogSections), dialogSections);
    const TMemIniFile file(langFile("cestina.lan"));
    EXPECT_EQ(file.ReadString("ruzne", "storno", ""), "Storno");
    EXPECT_EQ(file.ReadString("nazvySvateb", "05svatba", ""), "dřevěná");
    EXPECT_EQ(file.ReadString("gedcom", "jakoPrijmeni", ""), "importovat NAME jako rodné příjmení");
    const Lines log = readCp1250Lines(langFile("new.txt"));
    EXPECT_NE(std::find(log.begin(), log.end(), "hromadneMazani ; smazat"), log.end());
}

TEST_F(DialogTexts, EveryBoundTextOfEveryDialogFollowsASwitchOfLanguage)
{
    startQuietly();
    switchToMarkedCopy();
    // The number of texts each window takes from the language file; nothing else of theirs.
    const std::pair<TForm*, int> dialogs[] = {
        {VymazFotoFORM, 2},    {formularFORM, 6},       {vyhledanoFORM, 3},     {JakSeznamFORM, 16},
        {htmlAdresarFORM, 2},  {vyberDiteFORM, 2},      {priradDetiFORM, 3},    {vyberPartnera, 2},
        {vyrociFORM, 5},       {langFORM, 2},           {meneNezFORM, 2},       {vyberAdresarFORM, 2},
        {pribuzniFORM, 2},     {vyberDokumentuFORM, 5}, {vyberFotekFORM, 5},    {vyberSouboruFORM, 5},
        {nastaveniForm, 5},    {sourozenciCreate, 4},   {textFORM, 3},          {casoveObdobiFORM, 4},
        {userDefFORM, 2},      {cekejFORM, 1},          {ShrnutiSvatbyFORM, 2}, {anoNe, 2},
        {anoNeStorno, 3},      {FTextFORM, 3},          {kalendarFORM, 7},      {tipFORM, 1},
        {hledejFORM, 31},      {coExportovatFORM, 30},  {toleranceFORM, 2},     {nazvySvatebFORM, 26},
        {coVHtmlFORM, 11},     {spravceSkupinFORM, 15}, {naplnitFORM, 5},       {mojeSkupinyFORM, 1},
        {nazevSkupinyFORM, 3}, {coVyplnitFORM, 1},      {importFORM, 7},        {hromadneMazaniFORM, 11},
    };
    for (const auto& [window, texts] : dialogs) {
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(markedTexts(*window), texts) << window->Name;
    }
    EXPECT_EQ(hl().layout().VymazPopup1.Caption, "~Vymaž");
    EXPECT_EQ(hl().layout().ZpetPopup1.Caption, "~Žádná akce");
    // Item texts are replaced in place; the lists keep their length, and the memo is rebuilt.
    EXPECT_EQ(hledejFORM->jakHledatGROUP.Items.Count(), 4);
    EXPECT_EQ(hledejFORM->jakHledatGROUP.ItemIndex(), 1);
    EXPECT_EQ(JakSeznamFORM->zpusobVypisuRADIO.Items.Count(), 3);
    EXPECT_EQ(vyrociFORM->vybranyRADIO.Items.Count(), 2);
    EXPECT_EQ(importFORM->bornGROUP.Items.Count(), 2);
    EXPECT_EQ(nazvySvatebFORM->svatbyMEMO.Lines[0], "1. ~bavlněná");
    // The OK buttons keep their fixed caption.
    EXPECT_EQ(coVHtmlFORM->OKBtn.Caption, "OK");
    EXPECT_EQ(hromadneMazaniFORM->OkBT.Caption, "~Smazat vybrané");
}

TEST_F(DialogTexts, ASharedKeyRelabelsEveryControlItServes)
{
    std::filesystem::create_directories(langFile(""));
    writeCp1250Lines(langFile("cestina.lan"),
                     {"[hledej]", "jmeno=First name", "coProhledavat=Where?", "hledej=Find", "[ruzne]",
                      "storno=Cancel", "zpet=Back", "[nazvySvateb]", "01svatba= ", "70svatba=platinum"});
    startQuietly();
    EXPECT_EQ(hledejFORM->jmenoCH.Caption, "First name");
    EXPECT_EQ(coExportovatFORM->jmenoEx.Caption, "First name");
    EXPECT_EQ(hledejFORM->kdeHledatRetezecGROUP.Caption, "Where?");
    EXPECT_EQ(hledejFORM->kdeHledatDatumGROUP.Caption, "Where?");
    EXPECT_EQ(hledejFORM->hledejRetezecBT.Caption, "Find");
    EXPECT_EQ(hledejFORM->hledejDatumBT.Caption, "Find");
    const TButton* const cancels[] = {
        &JakSeznamFORM->StornoBT,    &htmlAdresarFORM->stornoBT,  &langFORM->stornoBT,
        &meneNezFORM->stornoBT,      &vyberAdresarFORM->stornoBT, &casoveObdobiFORM->stornoBT,
        &userDefFORM->stornoBT,      &anoNeStorno->stornoBT,      &FTextFORM->stornoBT,
        &kalendarFORM->stornoBT,     &coExportovatFORM->stornoBT, &coVHtmlFORM->stornoBT,
        &nazevSkupinyFORM->StornoBT, &coVyplnitFORM->stornoBT,    &hromadneMazaniFORM->StornoBT};
    for (const TButton* b : cancels)
        EXPECT_EQ(b->Caption, "Cancel") << b->form()->Name << "." << b->Name;
    for (const TButton* b :
         {&hledejFORM->zpetBT, &vyrociFORM->zpetBT, &pribuzniFORM->zpetBT, &naplnitFORM->zpetBT})
        EXPECT_EQ(b->Caption, "Back") << b->form()->Name;
    // A name of one blank is the empty name: the line keeps its number.
    EXPECT_EQ(nazvySvatebFORM->svatbyMEMO.Lines[0], "1. ");
    EXPECT_EQ(nazvySvatebFORM->svatbyMEMO.Lines[25], "70. platinum");
    // A second load rebuilds the memo rather than adding to it.
    hl().loadLanguage();
    EXPECT_EQ(nazvySvatebFORM->svatbyMEMO.Lines.Count(), 26);
}
