#pragma once
// The delimited text export: one line per person of the tree's chain, the chosen columns in a
// fixed order, every value followed by the separator. No header and no quoting: values go out
// as stored, for spreadsheets that split on the separator.
#include <array>
#include <string>
#include <vector>

class Rod;

// The columns that can be chosen, in the order they are written.
enum class TextColumn {
    FirstName, Surname, BirthSurname, Sex, Identifier, BirthDate, BirthPlace, DeathDate, DeathPlace,
    Burial, DeathCause, FatherId, MotherId, PartnerIds, Residences, Educations, Occupations, Religion,
    Baptism, Nationality, Citizenship, Email, Phone, Web
};
constexpr int textColumnCount = 24;

struct TextExportChoice {
    std::array<bool, textColumnCount> columns{}; // indexed by TextColumn
    std::string separator = "\t";
};

// The lines of the file, one per person from the head of the chain.
std::vector<std::string> textExportLines(const Rod& tree, const TextExportChoice& choice);
