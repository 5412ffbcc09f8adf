#include "shell/settings.h"

#include "system/exceptions.h"
#include "system/inifile.h"

#include <climits>

namespace {

// Every key of the file, in the order it is read and written. Read and write walk this one
// table, so the two can never disagree.
struct Binding {
    enum Kind { Flag, Number, Colour, SortKey, Text } kind;
    const char* section;
    const char* key;
    bool Nastaveni::*flag = nullptr;
    int Nastaveni::*number = nullptr;
    PersonSortKey Nastaveni::*sortKey = nullptr;
    std::string Nastaveni::*text = nullptr;
    std::array<std::string, 4> Nastaveni::*slots = nullptr;
    int slot = 0;
};

Binding flag(const char* s, const char* k, bool Nastaveni::*f)
{
    return {.kind = Binding::Flag, .section = s, .key = k, .flag = f};
}
Binding number(const char* s, const char* k, int Nastaveni::*n)
{
    return {.kind = Binding::Number, .section = s, .key = k, .number = n};
}
Binding colour(const char* s, const char* k, int Nastaveni::*n)
{
    return {.kind = Binding::Colour, .section = s, .key = k, .number = n};
}
Binding sortKey(const char* s, const char* k, PersonSortKey Nastaveni::*n)
{
    return {.kind = Binding::SortKey, .section = s, .key = k, .sortKey = n};
}
Binding text(const char* s, const char* k, std::string Nastaveni::*t)
{
    return {.kind = Binding::Text, .section = s, .key = k, .text = t};
}
Binding slot(const char* s, const char* k, std::array<std::string, 4> Nastaveni::*a, int i)
{
    return {.kind = Binding::Text, .section = s, .key = k, .slots = a, .slot = i};
}

const Binding kBindings[] = {
    flag("zobrazovat", "cislo", &Nastaveni::showNumber),
    flag("zobrazovat", "narozeni", &Nastaveni::showBirth),
    flag("zobrazovat", "procenta", &Nastaveni::showPercent),
    flag("zobrazovat", "rodne", &Nastaveni::showBirthSurname),
    flag("trideni", "vzestupne", &Nastaveni::sortAscending),
    flag("gedcom", "nameasborn", &Nastaveni::gedNameAsBorn),
    flag("gedcom", "mancopy", &Nastaveni::gedManCopy),
    flag("gedcom", "womancopy", &Nastaveni::gedWomanCopy),
    flag("start", "tip", &Nastaveni::showTip),
    number("start", "cislo", &Nastaveni::startCount),
    sortKey("zobrazovat", "trideni", &Nastaveni::sortOrder),
    number("zobrazovat", "sirkaseznamu", &Nastaveni::personListWidth),
    number("meze", "rodicdite", &Nastaveni::minParentChildAge),
    number("meze", "maxvek", &Nastaveni::maxAge),
    number("meze", "minrok", &Nastaveni::minYear),
    number("meze", "maxrok", &Nastaveni::maxYear),
    flag("meze", "smrtotecnarozdite", &Nastaveni::checkFatherDeathBeforeBirth),
    colour("barvy", "aktivni", &Nastaveni::colourActive),
    colour("barvy", "rodice", &Nastaveni::colourParents),
    colour("barvy", "deti", &Nastaveni::colourChildren),
    colour("barvy", "partneri", &Nastaveni::colourPartners),
    colour("barvy", "sourozenci", &Nastaveni::colourSiblings),
    slot("posledni", "posledni1", &Nastaveni::recentFiles, 0),
    slot("posledni", "posledni2", &Nastaveni::recentFiles, 1),
    slot("posledni", "posledni3", &Nastaveni::recentFiles, 2),
    slot("posledni", "posledni4", &Nastaveni::recentFiles, 3),
    slot("FVloz", "F9", &Nastaveni::quickTexts, 0),
    slot("FVloz", "F10", &Nastaveni::quickTexts, 1),
    slot("FVloz", "F11", &Nastaveni::quickTexts, 2),
    slot("FVloz", "F12", &Nastaveni::quickTexts, 3),
    text("jazyk", "jazyk", &Nastaveni::languageFileName),
};

std::string& textOf(Nastaveni& s, const Binding& b)
{
    return b.text ? s.*b.text : (s.*b.slots)[b.slot];
}

const std::string& textOf(const Nastaveni& s, const Binding& b)
{
    return b.text ? s.*b.text : (s.*b.slots)[b.slot];
}

bool isColour(int value)
{
    return value >= 0 && value <= 0xFFFFFF;
}

} // namespace

void Nastaveni::load(const std::string& programFolder)
{
    TMemIniFile ini;
    try {
        ini = TMemIniFile(programFolder + kSettingsFileName);
    } catch (const Exception&) {
        // An unreadable file is no worse than a missing one: the program runs on its defaults.
    }
    const Nastaveni defaults;
    for (const auto& b : kBindings) {
        switch (b.kind) {
        case Binding::Flag:
            this->*b.flag = ini.ReadBool(b.section, b.key, defaults.*b.flag);
            break;
        case Binding::Number:
            this->*b.number = ini.ReadInteger(b.section, b.key, defaults.*b.number);
            break;
        case Binding::Colour: {
            const int value = ini.ReadInteger(b.section, b.key, defaults.*b.number);
            this->*b.number = isColour(value) ? value : defaults.*b.number;
            break;
        }
        case Binding::SortKey: {
            const int number = ini.ReadInteger(b.section, b.key, itemIndexOf(defaults.*b.sortKey));
            this->*b.sortKey = *personSortKeyAt(kSortOrderRange.clamp(number));
            break;
        }
        case Binding::Text:
            textOf(*this, b) = ini.ReadString(b.section, b.key, textOf(defaults, b));
            break;
        }
    }
    personListWidth = kPersonListWidthRange.clamp(personListWidth);
    minParentChildAge = kMinParentChildAgeRange.clamp(minParentChildAge);
    maxAge = kMaxAgeRange.clamp(maxAge);
    minYear = kMinYearRange.clamp(minYear);
    maxYear = kMaxYearRange.clamp(maxYear);
    // A range turned round would refuse every year typed, and the dialog would put back a year
    // nobody chose: the whole range falls back to the defaults.
    if (minYear > maxYear) {
        minYear = defaults.minYear;
        maxYear = defaults.maxYear;
    }
    // Raised by one at every start; kept where that can never overflow.
    startCount = SettingRange{0, INT_MAX - 1}.clamp(startCount);
}

void Nastaveni::save(const std::string& programFolder) const
{
    TMemIniFile ini(programFolder + kSettingsFileName);
    for (const auto& b : kBindings) {
        switch (b.kind) {
        case Binding::Flag:
            ini.WriteBool(b.section, b.key, this->*b.flag);
            break;
        case Binding::Number:
        case Binding::Colour:
            ini.WriteInteger(b.section, b.key, this->*b.number);
            break;
        case Binding::SortKey:
            ini.WriteInteger(b.section, b.key, itemIndexOf(this->*b.sortKey));
            break;
        case Binding::Text:
            ini.WriteString(b.section, b.key, textOf(*this, b));
            break;
        }
    }
    ini.UpdateFile();
}

void Nastaveni::addRecentFile(const std::string& fileName)
{
    auto& r = recentFiles;
    size_t at = 0;
    while (at < r.size() && r[at] != fileName)
        ++at;
    if (at == r.size())
        at = r.size() - 1; // not listed: the last one drops out
    for (size_t i = at; i > 0; --i)
        r[i] = r[i - 1];
    r[0] = fileName;
}
