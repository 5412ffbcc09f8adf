#pragma once
// The open tree as a GEDCOM 5.5 lineage-linked file in UTF-8: the header, a submitter, one INDI
// record per person in chain order, one FAM record per family and the trailer. Persons are
// "@CL" + number + "@" (a number that a damaged file gives twice is given once, the later
// person gets a free one), families "@ROD" + family number + "@".
#include <string>

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

// The value of a DATE line: "5 MAR 1900", "MAR 1900" or "1900" by what is known; empty when the
// year is unknown, no number or before year 1. A month outside 1..12 counts as unknown, and a day is written
// only when it exists in its month.
std::string gedcomDateValue(const Datum& date);
