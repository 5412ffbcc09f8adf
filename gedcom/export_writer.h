#pragma once
// The open tree as a GEDCOM 5.5 lineage-linked file in UTF-8: the header, a submitter, one INDI
// record per person from the highest number down, one FAM record per family and the trailer. Persons are
// "@CL" + number + "@" (a number that a damaged file gives twice is given once, the later
// person gets a free one), families "@ROD" + family number + "@".
//
// What the import reads back (the header says "2 VERS 1.0.18c" under "1 SOUR Kinvelor"; the older
// export's "1.0.18b" files have the surname in GIVN): GIVN the first name, SURN the surname of
// its NAME (neither when it holds a comma), NPFX and NSFX the titles under the first NAME, a
// second NAME typed "birth" or "married" for the other surname; CHR with the baptism as its DATE
// (also after "ABT ", "CAL " or "EST "), a date phrase "(...)" when the text is no date; each
// education, occupation and residence a line of its own with its display text, and its period
// as "DATE FROM .. TO .." when from and to are dates; the further texts a NOTE of CONT lines,
// the register notes a NOTE record of their own that the person points to (`registerNotesRef`);
// under MARR a NOTE of "Oddávající kněz: " and "Svědkové: " lines.
#include <string>
#include <string_view>

class Datum;
class Rod;

struct GedcomExportCounts {
    int persons = 0;
    int families = 0;
};

// The whole file's bytes; `fileName` is named in the header, `today` is its date.
std::string gedcomExportBytes(Rod& tree, const std::string& fileName, const Datum& today,
                              GedcomExportCounts* counts = nullptr);

// Writes the file through a temporary file renamed over `path`, so an old file is replaced only
// by a complete new one. Raises EInOutError when it cannot be written; the old file then stays.
GedcomExportCounts exportGedcom(Rod& tree, const std::string& path, const Datum& today);

// The value of a DATE line: "5 MAR 1900", "MAR 1900" or "1900" by what is known. A month outside
// 1..12 counts as unknown, and a day is written only when it exists in its month. A date whose
// year is unknown, no number or before year 1 is the phrase of its three parts as the tree holds
// them, "(10.1.?)" ("(ABT 10.1.?)" for an approximate one); empty when no part is known.
std::string gedcomDateValue(const Datum& date);

// The reference of the note record that holds a person's register notes: "@MAT" + the number of
// the person's reference "@CL" + number + "@". Only such references are register notes when the
// import reads this program's file; every other note is a further text.
std::string registerNotesRef(const std::string& personRef);
// The same test on a reference read without its at signs ("MAT5").
bool isRegisterNotesRef(std::string_view xref);
