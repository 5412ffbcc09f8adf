#pragma once
// The statistics report of a tree as text lines for the fixed-width font of the statistics page:
// counts, generations, ages, first names and further facts. Every label comes from section
// "statistika" of the language file; persons are named by their display name with the identifier.
#include <string>
#include <vector>

class Datum;
class DisplaySettings;
class Rod;
class TextSource;

// The whole report; the ages of the living and the marriages of living couples run to `today`.
std::vector<std::string> treeStatisticsLines(const Rod& tree, TextSource& texts,
                                             const DisplaySettings& display, const Datum& today);
