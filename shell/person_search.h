#pragma once
// The two searches of the search dialog over the open tree: a text in chosen fields and a date
// among chosen dates. They know nothing of the dialog; `MainFrame::searchText` and
// `MainFrame::searchDate` read its controls into these choices and list the persons found.
#include <string>
#include <string_view>
#include <vector>

class Clovek;
class Datum;
class Rod;

// The fields of the text search, in the order their texts are joined.
struct TextSearchFields {
    bool firstName = false;
    bool surname = false;
    bool birthSurname = false;
    bool titles = false; // before and after the name, one text
    bool birthPlace = false;
    bool deathPlace = false;
    bool burialPlace = false;
    bool deathCause = false;
    bool weddingPlace = false; // these three of each marriage (married or divorced)
    bool officiant = false;
    bool witnesses = false;
    bool residences = false; // the texts of the life periods
    bool educations = false;
    bool occupations = false;
};

// The persons, in chain order, whose chosen fields joined without a separator hold `needle`,
// letter case and Czech accents ignored on both sides. So a needle may run from the end of one
// field into the next. An empty needle finds nobody.
std::vector<Clovek*> findPersonsByText(const Rod& tree, std::string_view needle,
                                       const TextSearchFields& fields);

// The dates of the date search: the death only of a person marked as not alive, the wedding of a
// marriage, the divorce of a divorced one; plain partnerships are never searched.
struct DateSearchFields {
    bool birth = false;
    bool death = false;
    bool wedding = false;
    bool divorce = false;
};

// The items of the dialog's "Jak hledat?" group.
enum class DateSearchMode { exact = 0, range = 1, from = 2, until = 3 };

// The persons, in chain order, of whom some chosen date is the first date (exact), lies between
// the two (range), is not before the first (from) or not after it (until), comparing year, then
// month, then day. A date known in part lies there when every day it may stand for does (1892
// lies between 1.1.1880 and 31.12.1892, 7.1892 after 1.6.1892), one without a year nowhere. A
// date whose parts are no numbers or that the calendar lacks (31 April) matches nothing.
std::vector<Clovek*> findPersonsByDate(const Rod& tree, const Datum& first, const Datum& second,
                                       DateSearchMode mode, const DateSearchFields& fields);

// Lower case with the Czech accents folded to plain letters, as `asciiLowerText` gives it,
// appended to `out`: the text search folds every person's fields through it.
void appendSearchFolded(std::string& out, std::string_view text);
