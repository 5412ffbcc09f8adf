#pragma once
// The user's settings, kept in "kinvelor.ini" in the program folder: read once at start,
// changed in memory while the program runs, written once when the main window closes.
#include "shell/person_sort_key.h"
#include "toolkit/colors.h"

#include <array>
#include <string>

inline constexpr const char* kSettingsFileName = "kinvelor.ini";

// Ranges of the limits as the settings dialog's up-downs hold them.
struct SettingRange {
    int min;
    int max;
    int clamp(int value) const { return value < min ? min : (value > max ? max : value); }
};
inline constexpr SettingRange kMinYearRange{1, 3000};
inline constexpr SettingRange kMaxYearRange{1, 3000};
inline constexpr SettingRange kMaxAgeRange{40, 200};
inline constexpr SettingRange kMinParentChildAgeRange{5, 200};
// The person list's sort keys by their numbers; a number beyond them is read as the nearest.
inline constexpr SettingRange kSortOrderRange{0, personSortKeyCount - 1};
// Width of the person list's grid: from its designed width to as wide as a screen allows.
inline constexpr SettingRange kPersonListWidthRange{216, 1200};

// Colours are 0x00BBGGRR, red in the lowest byte.
inline constexpr TColor kDefaultColourActive = 0x00FFFF;
inline constexpr TColor kDefaultColourParents = 0x008000;
inline constexpr TColor kDefaultColourChildren = 0xFF0000;
inline constexpr TColor kDefaultColourPartners = 0x0000FF;
inline constexpr TColor kDefaultColourSiblings = 0x000080;

struct Nastaveni {
    bool showNumber = true;
    bool showBirth = true;
    bool showPercent = true;
    bool showBirthSurname = false;
    bool sortAscending = true;
    bool gedNameAsBorn = true;
    bool gedManCopy = true;
    bool gedWomanCopy = true;
    bool showTip = true;
    int startCount = 0;
    PersonSortKey sortOrder = PersonSortKey::byName;
    int personListWidth = kPersonListWidthRange.min;
    int minParentChildAge = 15;
    int maxAge = 120;
    int minYear = 1600;
    int maxYear = 2050;
    bool checkFatherDeathBeforeBirth = true;
    TColor colourActive = kDefaultColourActive;
    TColor colourParents = kDefaultColourParents;
    TColor colourChildren = kDefaultColourChildren;
    TColor colourPartners = kDefaultColourPartners;
    TColor colourSiblings = kDefaultColourSiblings;
    std::array<std::string, 4> recentFiles;
    std::array<std::string, 4> quickTexts;
    std::string languageFileName = "cestina.lan";

    // Reads the settings file of the program folder (ending with "/"). A missing or unreadable
    // file gives the defaults, a value that is not a number its key's default. Numbers that a
    // control could not show (a sort order of 9, a negative parent age, a colour beyond 24 bits)
    // are brought into range here, so no user of the settings has to trust the file. A year
    // range turned round gives the default range.
    void load(const std::string& programFolder);
    // Writes every setting into the settings file, keeping the sections and keys the program
    // does not know; through a temporary file renamed over the old one. Raises EInOutError.
    void save(const std::string& programFolder) const;

    // Puts a path at the front of the recent files; a path already listed moves to the front
    // (names compared exactly, case counts) and at most four are kept.
    void addRecentFile(const std::string& fileName);
};
