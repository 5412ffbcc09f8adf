// The window texts as the program applies them: a first start without a language file writes
// every key of every window in the windows' order, and a language switch reaches a control of
// every window, shown or not.
#include "forms/o_programu_form.h"
#include "model/language_file.h"
#include "model/media_names.h"
#include "program_fixture.h"
#include "shell/lang_form.h"
#include "system/collation.h"
#include "system/files.h"
#include "system/jpeg.h"

#include <algorithm>
#include <map>
#include <set>

using Lines = std::vector<std::string>;

namespace {

struct WindowTexts : ProgramTest {
    std::string lang(const std::string& name) const { return folder() + "data/lang/" + name; }
};

// Every text a person can see on a window: captions, hints, item texts and menu captions.
void collectMenuTexts(const TMenuItem& item, std::set<std::string>& texts)
{
    texts.insert(item.Caption);
    for (const TMenuItem* child : item.Items())
        collectMenuTexts(*child, texts);
}

void collectTexts(const TControl& control, std::set<std::string>& texts)
{
    texts.insert(control.Caption);
    texts.insert(control.Hint);
    if (auto* radio = dynamic_cast<const TRadioGroup*>(&control))
        for (const std::string& item : radio->Items.lines())
            texts.insert(item);
    if (auto* combo = dynamic_cast<const TComboBox*>(&control))
        for (const std::string& item : combo->Items.lines())
            texts.insert(item);
    if (auto* memo = dynamic_cast<const TMemo*>(&control))
        for (const std::string& line : memo->Lines.lines())
            texts.insert(line);
    if (auto* parent = dynamic_cast<const TWinControl*>(&control))
        for (const TControl* child : parent->Controls())
            collectTexts(*child, texts);
}

std::set<std::string> textsOf(const TForm& form)
{
    std::set<std::string> texts;
    collectTexts(form, texts);
    if (form.Menu)
        collectMenuTexts(form.Menu->Items, texts);
    return texts;
}

// The sections of a language file with their keys, in file order.
std::vector<std::pair<std::string, Lines>> sectionsOf(const Lines& lines)
{
    std::vector<std::pair<std::string, Lines>> sections;
    for (const std::string& line : lines) {
        if (line.empty())
            continue;
        if (line.front() == '[')
            sections.emplace_back(line.substr(1, line.size() - 2), Lines{});
        else
            sections.back().second.push_back(line.substr(0, line.find('=')));
    }
    return sections;
}

TEST_F(WindowTexts, FirstStartWritesEveryKeyInApplierOrderAndLogsIt)
{
    startQuietly();
    const auto sections = sectionsOf(readCp1250Lines(lang("cestina.lan")));
    Lines order;
    std::map<std::string, Lines> keys;
    for (const auto& [name, sectionKeys] : sections) {
        order.push_back(name);
        keys[name] = sectionKeys;
    }
    // The windows' sections follow the first one the load writes, in the windows' order (other
    // sections, looked up by the start-up before or after, may stand between them).
    const Lines appliers{"ruzne",
                         "menu",
                         "rychlaTlacitka",
                         "plocha",
                         "kartaObecne",
                         "kartaZakladniUdaje",
                         "kartaDalsiUdaje",
                         "zmenaID",
                         "kartaFotkyAObrazky",
                         "kartaDokumenty",
                         "kartaDoplnujiciTextyASoubory",
                         "kartaShrnutiOsoby",
                         "kartaStatistikaLipovetau",
                         "barvyVztahu",
                         "dvojiteSpusteni"};
    auto at = order.begin();
    for (const std::string& section : appliers) {
        at = std::find(at, order.end(), section);
        ASSERT_NE(at, order.end()) << section << " is missing or out of order";
    }
    EXPECT_EQ(keys["menu"].size(), 68u);
    EXPECT_EQ(Lines(keys["menu"].begin(), keys["menu"].begin() + 4),
              (Lines{"nadpis", "lipoveta", "novy", "otevrit"}));
    EXPECT_EQ(keys["menu"].back(), "spojovaniLipovetau");
    EXPECT_EQ(keys["rychlaTlacitka"].size(), 12u);
    // The direction now set is the only one looked up.
    EXPECT_EQ(keys["plocha"], (Lines{"trideniDle", "vzestupne", "tridDleJmen", "tridDleNaroz", "tridDleCisla",
                                     "tridDleProcent", "zobrazovat", "zobrazitCislo", "zobrazitNarozeni",
                                     "zobrazitProcenta", "zobrazitRodne", "prepniOsoby"}));
    EXPECT_EQ(keys["kartaZakladniUdaje"].size(), 57u);
    // One key serves the five user-field labels, another their buttons.
    EXPECT_EQ(keys["kartaDalsiUdaje"].size(), 19u);
    EXPECT_EQ(keys["zmenaID"], (Lines{"identifikator", "zmenaIdentifikatoru"}));
    EXPECT_NE(std::find(keys["ruzne"].begin(), keys["ruzne"].end(), "storno"), keys["ruzne"].end());
    EXPECT_EQ(keys["barvyVztahu"].size(), 8u);
    EXPECT_EQ(keys["dvojiteSpusteni"].size(), 3u);

    // The log names every key written (not the language's name the start-up file begins with),
    // once, in alphabetical order.
    Lines written;
    for (const auto& [name, sectionKeys] : sections)
        for (const std::string& key : sectionKeys)
            if (name != "info")
                written.push_back(name + " ; " + key);
    Lines logged = readCp1250Lines(lang("new.txt"));
    EXPECT_TRUE(std::is_sorted(logged.begin(), logged.end(), [](const std::string& a, const std::string& b) {
        return compareCollated(a, b) < 0;
    }));
    std::sort(written.begin(), written.end());
    std::sort(logged.begin(), logged.end());
    EXPECT_EQ(logged, written);

    // The controls show the Czech defaults.
    EXPECT_EQ(hl().layout().Caption, "Kinvelor 1.0.18");
    EXPECT_EQ(hl().editor.zakladniSheet.jmenoLB.Caption, "Jméno:");
    EXPECT_EQ(hl().layout().SmazOsobuBT.Hint, "Smazat aktivní osobu");
    EXPECT_EQ(hl().editor.dalsiSheet.user4BT.Caption, "Definuj");
    EXPECT_EQ(idChangeFORM->Caption, "Změna identifikátoru");
}

// A layout shows the Czech texts the first start looks up, so no window changes a text when the
// first start applies them (but the groups box, which gets the all-persons entry).
TEST_F(WindowTexts, EveryWindowShowsBeforeTheFirstStartTheTextsItShowsAfterIt)
{
    std::map<const TForm*, std::set<std::string>> before;
    for (const TForm* form : Application.forms())
        before[form] = textsOf(*form);
    startQuietly();
    for (const TForm* form : Application.forms()) {
        std::set<std::string> after = textsOf(*form);
        after.erase(hl().allPersonsGroupName);
        EXPECT_EQ(after, before[form]) << form->Name;
    }
}

TEST_F(WindowTexts, ASwitchReachesEveryBoundControlOfEveryWindow)
{
    startQuietly();
    // A language in which every key the first start wrote reads "<section>.<key>".
    Lines translated{"[info]", "jazyk=Značky"};
    std::set<std::string> markers;
    for (const auto& [name, keys] : sectionsOf(readCp1250Lines(lang("cestina.lan")))) {
        if (name == "info")
            continue;
        translated.push_back("[" + name + "]");
        for (const std::string& key : keys) {
            translated.push_back(key + "=" + name + "." + key);
            markers.insert(name + "." + key);
        }
    }
    writeCp1250Lines(lang("znacky.lan"), translated);
    script.modal("langFORM", [](TForm&) {
        TListBox& list = langFORM->jazykyLIST;
        for (int i = 0; i < list.Items.Count(); ++i)
            if (list.Items[i].rfind("znacky.lan", 0) == 0)
                user::pick(list, i);
        user::click(langFORM->Button1);
    });
    user::click(hl().layout().Jazyk1);
    ASSERT_EQ(hl().settings.languageFileName, "znacky.lan");

    // Each marker stands in some window; a window that has texts shows at least one.
    std::map<const TForm*, std::set<std::string>> shown;
    std::set<std::string> all;
    for (TForm* form : Application.forms()) {
        // Opened once, as a person would see it.
        if (form != &hl().layout()) {
            form->Show();
            form->Hide();
        }
        shown[form] = textsOf(*form);
        all.insert(shown[form].begin(), shown[form].end());
    }
    collectMenuTexts(hl().layout().osobaPopup.Items, all);
    // Texts the load uses elsewhere: the all-persons entry (a combo item only with persons).
    // Some texts are composed into longer ones (the anniversary names into numbered lines).
    const std::set<std::string> notOnAControl{"ruzne.vsichniSkupina"};
    for (const std::string& marker : markers) {
        if (notOnAControl.count(marker))
            continue;
        const bool found = std::any_of(all.begin(), all.end(), [&](const std::string& t) {
            return t.find(marker) != std::string::npos;
        });
        EXPECT_TRUE(found) << marker << " reaches no control";
    }
    // Windows that have no language texts: the bulk fill and the hidden quiz.
    const std::set<std::string> withoutTexts{"hromadneFORM", "easterEggFORM"};
    for (const auto& [form, texts] : shown) {
        if (withoutTexts.count(form->Name))
            continue;
        const bool translatedHere = std::any_of(texts.begin(), texts.end(), [&](const std::string& t) {
            return std::any_of(markers.begin(), markers.end(),
                               [&t](const std::string& m) { return t.find(m) != std::string::npos; });
        });
        EXPECT_TRUE(translatedHere) << form->Name << " shows nothing of the new language";
    }
    EXPECT_EQ(hl().layout().Caption, "menu.nadpis");
    // The about box's title is the menu item's entry (keys match without regard to case).
    EXPECT_EQ(oProgramu->Caption, "menu.oProgramu");
    EXPECT_EQ(hl().layout().OProgramu1.Caption, "menu.oProgramu");
    EXPECT_EQ(hl().layout().setrid.Items.lines(), (Lines{"plocha.tridDleJmen", "plocha.tridDleNaroz",
                                                         "plocha.tridDleCisla", "plocha.tridDleProcent"}));
}

TEST_F(WindowTexts, TheSexBoxKeepsTheShownPersonsSexAndChangesNothing)
{
    startQuietly();
    writeCp1250Lines(lang("cestina.lan"), {"[kartaZakladniUdaje]", "muz=man", "zena=woman"});
    TComboBox& sex = hl().editor.zakladniSheet.pohlaviCB;
    int changes = 0;
    sex.OnChange = [&changes] { ++changes; };
    Clovek woman;
    woman.sex = 0;
    hl().editor.currentPerson = &woman;
    hl().loadLanguage();
    EXPECT_EQ(sex.Items.lines(), (Lines{"man", "woman"}));
    EXPECT_EQ(sex.ItemIndex(), 1);
    EXPECT_EQ(sex.Text(), "woman");
    EXPECT_EQ(woman.sex, 0);
    EXPECT_EQ(changes, 0);

    // Without a shown person the box has no choice.
    hl().editor.currentPerson = nullptr;
    sex.setItemIndex(0);
    hl().loadLanguage();
    EXPECT_EQ(sex.ItemIndex(), -1);
}

TEST_F(WindowTexts, TheDirectionButtonLooksUpOnlyTheDirectionInForce)
{
    writeSettings({"[start]", "tip=0", "[trideni]", "vzestupne=0"});
    user::activate(hl().layout());
    const Lines plocha = [&] {
        for (const auto& [name, keys] : sectionsOf(readCp1250Lines(lang("cestina.lan"))))
            if (name == "plocha")
                return keys;
        return Lines{};
    }();
    EXPECT_NE(std::find(plocha.begin(), plocha.end(), "sestupne"), plocha.end());
    EXPECT_EQ(std::find(plocha.begin(), plocha.end(), "vzestupne"), plocha.end());
    EXPECT_EQ(hl().layout().trideniBT.Caption, "Sestupně");
    // A blank value gives an empty caption.
    writeCp1250Lines(lang("cestina.lan"), {"[plocha]", "sestupne= ", "trideniDle= "});
    hl().loadLanguage();
    EXPECT_EQ(hl().layout().trideniBT.Caption, "");
    EXPECT_EQ(hl().layout().setrid.Caption, "");
}

TEST_F(WindowTexts, ThePortraitButtonInsertsOrChangesAsTheShownPersonHasAPortrait)
{
    startQuietly();
    writeCp1250Lines(lang("cestina.lan"), {"[kartaZakladniUdaje]", "vlozFoto=Insert", "zmenFoto=Change"});
    hl().loadLanguage();
    ZakladniSheet& s = hl().editor.zakladniSheet;
    EXPECT_EQ(s.vlozHlavaBT.Caption, "Insert");

    Clovek person;
    person.number = 7;
    hl().editor.currentPerson = &person;
    hl().editor.showPortrait();
    EXPECT_EQ(s.vlozHlavaBT.Caption, "Insert");
    EXPECT_TRUE(s.hlavaSedivaIMG.Visible);
    EXPECT_FALSE(s.hlavaSedivaIMG.Picture.Empty());
    EXPECT_FALSE(s.hlavaIMG.Visible);
    EXPECT_FALSE(s.odeberHlavaBT.Enabled);
    EXPECT_FALSE(s.ulozHlavaBT.Enabled);

    person.hasPortrait = 1;
    TJPEGImage jpeg;
    jpeg.Assign(TBitmap(30, 40));
    std::filesystem::create_directories(joinPath(hl().workingFolder, "hlavy"));
    jpeg.SaveToFile(joinPath(hl().workingFolder, portraitFileName(7)));
    hl().editor.showPortrait();
    EXPECT_EQ(s.vlozHlavaBT.Caption, "Change");
    EXPECT_TRUE(s.hlavaIMG.Visible);
    EXPECT_EQ(s.hlavaIMG.Picture.Width(), 30);
    EXPECT_FALSE(s.hlavaSedivaIMG.Visible);
    EXPECT_TRUE(s.odeberHlavaBT.Enabled);
    EXPECT_TRUE(s.ulozHlavaBT.Enabled);

    // A language switch gives the insert text; the next showing of the person corrects it.
    hl().loadLanguage();
    EXPECT_EQ(s.vlozHlavaBT.Caption, "Insert");

    // A copy that went missing shows an empty frame instead of stopping the display.
    std::filesystem::remove(joinPath(hl().workingFolder, portraitFileName(7)));
    hl().editor.showPortrait();
    EXPECT_EQ(s.vlozHlavaBT.Caption, "Change");
    EXPECT_TRUE(s.hlavaIMG.Picture.Empty());
    hl().editor.currentPerson = nullptr;
}

} // namespace
