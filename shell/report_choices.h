#pragma once
// What a person chooses in the windows of the exports, as plain values: the dialogs of shell/
// answer them (shell/report_dialogs.h) and the exports of reports/ write by them, so the
// exports know nothing of windows.
#include <array>
#include <string>

// Which parts of a person the web pages show; the defaults are those of the options window.
struct WebExportOptions {
    bool portrait = true;
    bool identifier = false;
    bool birth = true;
    bool death = true;
    bool partnerships = true;
    bool residences = true;
    bool educations = true;
    bool occupations = true;
    bool contacts = false;
};

// The columns the text export can write, in the order they are written.
enum class TextColumn {
    FirstName,
    Surname,
    BirthSurname,
    Sex,
    Identifier,
    BirthDate,
    BirthPlace,
    DeathDate,
    DeathPlace,
    Burial,
    DeathCause,
    FatherId,
    MotherId,
    PartnerIds,
    Residences,
    Educations,
    Occupations,
    Religion,
    Baptism,
    Nationality,
    Citizenship,
    Email,
    Phone,
    Web
};
constexpr int textColumnCount = 24;

struct TextExportChoice {
    std::array<bool, textColumnCount> columns{}; // indexed by TextColumn
    std::string separator = "\t";
};
