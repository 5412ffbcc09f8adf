#pragma once
// The tables of the statistics page as fixed-width text lines: births, deaths and weddings by
// month and by weekday, and the first names by frequency. Labels come from the language file
// (sections "tabulkaMesicu", "tabulkaDni" and "statistika") with their aligning blanks.
#include <string>
#include <vector>

class Rod;
class TextSource;

// The title, the month and weekday tables, and the first-name tables of men and of women.
std::vector<std::string> statisticsTablesLines(const Rod& tree, TextSource& texts);

// The table of births, deaths and weddings by month, then by weekday; the weddings column shows
// half the count, since each wedding is met from both partners.
void writeCalendarTables(const Rod& tree, std::vector<std::string>& lines, TextSource& texts);
// The frequency table of the first names of the chosen sexes, the commonest first; nothing at
// all when nobody of them has a first name.
void writeFirstNameTable(const Rod& tree, std::vector<std::string>& lines, TextSource& texts, bool men,
                         bool women);
