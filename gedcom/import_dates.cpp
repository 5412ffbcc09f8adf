#include "gedcom/import_dates.h"

#include "gedcom/import_lexer.h"
#include "model/datum.h"
#include "system/numbers.h"

#include <optional>
#include <vector>

namespace {

std::vector<std::string_view> words(std::string_view s)
{
    std::vector<std::string_view> out;
    size_t i = 0;
    while (i < s.size()) {
        while (i < s.size() && (s[i] == ' ' || s[i] == '\t'))
            ++i;
        size_t j = i;
        while (j < s.size() && s[j] != ' ' && s[j] != '\t')
            ++j;
        if (j > i)
            out.push_back(s.substr(i, j - i));
        i = j;
    }
    return out;
}

bool allDigits(std::string_view s)
{
    if (s.empty())
        return false;
    for (char c : s)
        if (c < '0' || c > '9')
            return false;
    return true;
}

int daysInMonth(int month, int year)
{
    static constexpr int days[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2 && year != 0)
        return (year % 4 == 0 && (year % 100 != 0 || year % 400 == 0)) ? 29 : 28;
    return days[month - 1];
}

// A month by its abbreviation or written out in English ("DECEMBER"), 1 to 12; else 0.
int dateMonth(std::string_view word)
{
    static constexpr const char* full[12] = {"JANUARY",   "FEBRUARY", "MARCH",    "APRIL",
                                             "MAY",       "JUNE",     "JULY",     "AUGUST",
                                             "SEPTEMBER", "OCTOBER",  "NOVEMBER", "DECEMBER"};
    if (const int m = monthNumber(word))
        return m;
    if (word.size() <= 3)
        return 0;
    std::string upper(word);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
    for (int i = 0; i < 12; ++i)
        if (upper == full[i])
            return i + 1;
    return 0;
}

// A year with an optional second half of a dual year ("1750/51"), which the date cannot hold:
// the first year is kept and `problem` says so.
bool readYear(std::string_view word, int& year, std::string& problem)
{
    const size_t slash = word.find('/');
    std::string_view first = word.substr(0, slash);
    if (slash != std::string_view::npos && !allDigits(word.substr(slash + 1)))
        return false;
    if (!allDigits(first))
        return false;
    if (first.size() > 9 || !tryStrToInt(first, year) || year < 1 || year > 9999) {
        problem = "rok mimo rozsah 1 až 9999";
        year = 0;
        return false;
    }
    if (slash != std::string_view::npos && problem.empty())
        problem = "dvojí rok, uložen první (" + std::string(first) + ")";
    return true;
}

// Day, month and year of a Gregorian or Julian value: "1850", "MAR 1850", "5 MAR 1850".
ImportedDate parseCalendarValue(const std::vector<std::string_view>& w, size_t i, std::string& problem)
{
    ImportedDate d;
    const size_t n = w.size() - i;
    auto fail = [&](const char* why) {
        if (problem.empty())
            problem = why;
        return ImportedDate{};
    };
    if (n == 0)
        return fail("datum bez hodnoty");
    if (n > 3)
        return fail("datum nelze přečíst");
    // "10 JAN": a day and a month of an unknown year.
    if (n == 2 && dateMonth(w.back()) && allDigits(w[i])) {
        d.month = dateMonth(w.back());
        int day = 0;
        if (w[i].size() > 9 || !tryStrToInt(w[i], day) || day < 1 || day > daysInMonth(d.month, 0))
            problem = "den " + std::string(w[i]) + " v měsíci neexistuje, den vynechán";
        else
            d.day = day;
        return d;
    }
    int year = 0;
    std::string yearProblem;
    if (!readYear(w.back(), year, yearProblem)) {
        if (problem.empty())
            problem = yearProblem;
        return fail("datum nelze přečíst");
    }
    d.year = year;
    if (n >= 2) {
        const std::string_view m = w[w.size() - 2];
        d.month = dateMonth(m);
        // Only a word where a month stands is an unknown month: "1076 or 1088" is no date at all.
        if (!d.month)
            return fail(n == 2 || (allDigits(w[i]) && w[i].size() <= 2) ? "neznámý měsíc"
                                                                        : "datum nelze přečíst");
    }
    if (n == 3) {
        const std::string_view dayWord = w[i];
        int day = 0;
        if (!allDigits(dayWord) || dayWord.size() > 9 || !tryStrToInt(dayWord, day) || day < 1 ||
            day > daysInMonth(d.month, d.year))
            problem = "den " + std::string(dayWord) + " v měsíci neexistuje, den vynechán";
        else
            d.day = day;
    }
    if (problem.empty())
        problem = yearProblem;
    return d;
}

// A part of a year-less phrase: "?" gives 0, a number from 1 to `high` itself; else -1.
int phrasePart(std::string_view part, int high)
{
    if (part == "?")
        return 0;
    int n = 0;
    if (!allDigits(part) || part.size() > 2 || !tryStrToInt(part, n) || n < 1 || n > high)
        return -1;
    return n;
}

// "(10.1.?)", "(?.2.?)", "(ABT 10.1.?)": the day and month of a date whose year is unknown, as
// the export writes them (GEDCOM has no such date but a phrase).
std::optional<ImportedDate> yearlessPhrase(std::string_view u)
{
    if (u.size() < 3 || u.front() != '(' || u.back() != ')')
        return std::nullopt;
    u = u.substr(1, u.size() - 2);
    ImportedDate d;
    if (u.starts_with("ABT ")) {
        d.about = true;
        u.remove_prefix(4);
    }
    const size_t first = u.find('.');
    const size_t second = first == std::string_view::npos ? first : u.find('.', first + 1);
    if (second == std::string_view::npos || u.substr(second + 1) != "?")
        return std::nullopt;
    d.month = phrasePart(u.substr(first + 1, second - first - 1), 12);
    d.day = d.month < 0 ? -1 : phrasePart(u.substr(0, first), d.month ? daysInMonth(d.month, 0) : 31);
    if (d.month < 0 || d.day < 0 || (!d.month && !d.day))
        return std::nullopt;
    return d;
}

} // namespace

ImportedDate parseImportedDate(std::string_view value, std::string& problem)
{
    problem.clear();
    std::string_view v = value;
    while (!v.empty() && (v.back() == ' ' || v.back() == '\t'))
        v.remove_suffix(1);
    while (!v.empty() && (v.front() == ' ' || v.front() == '\t'))
        v.remove_prefix(1);
    if (v.empty())
        return {};
    bool about = false;
    std::string rangeNote;
    // The words of a date are ASCII; other letters stay as they are.
    std::string upper(v);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
    std::string_view u = upper;
    auto startsWord = [&](std::string_view word) {
        return u.size() >= word.size() && u.substr(0, word.size()) == word &&
               (u.size() == word.size() || u[word.size()] == ' ' || u[word.size()] == '\t');
    };
    auto dropWord = [&](size_t n) {
        u.remove_prefix(n);
        while (!u.empty() && (u.front() == ' ' || u.front() == '\t'))
            u.remove_prefix(1);
    };
    std::string phraseNote;
    if (startsWord("INT")) {
        // An interpreted date: the phrase in parentheses that explains it has no place in a date.
        dropWord(3);
        const size_t paren = u.find('(');
        if (paren != std::string_view::npos) {
            const std::string_view phrase = v.substr(size_t(u.data() - upper.data()) + paren);
            if (phrase.find_first_not_of("() \t") != std::string_view::npos)
                phraseNote = "vysvětlení data " + std::string(phrase) + " vynecháno";
            u = u.substr(0, paren);
        }
    } else if (startsWord("ABT") || startsWord("CAL") || startsWord("EST")) {
        about = true;
        dropWord(3);
    } else if (startsWord("FROM") || startsWord("TO") || startsWord("BEF") || startsWord("AFT") ||
               startsWord("BET")) {
        // A person's date holds no range: its first bound is kept as an approximate date, and
        // the log tells what it was.
        rangeNote = "rozsah nebo období uloženo jako přibližné datum";
        about = true;
        dropWord(u.find_first_of(" \t") == std::string_view::npos ? u.size() : u.find_first_of(" \t"));
        for (std::string_view second : {std::string_view(" AND "), std::string_view(" TO ")}) {
            const size_t at = u.find(second);
            if (at != std::string_view::npos)
                u = u.substr(0, at);
        }
    } else if (!u.empty() && u.front() == '(') {
        // The phrase this program's export writes for a date without a year reads back as it.
        if (const std::optional<ImportedDate> held = yearlessPhrase(u))
            return *held;
        problem = "slovní datum nelze převést";
        return {};
    }
    if (u.size() >= 2 && u[0] == '@' && u[1] == '#') {
        const size_t end = u.find('@', 2);
        if (end == std::string_view::npos) {
            problem = "kalendář nelze přečíst";
            return {};
        }
        const std::string_view calendar = u.substr(2, end - 2);
        if (calendar == "DHEBREW" || calendar == "DFRENCH R") {
            problem = "hebrejské nebo francouzské republikánské datum nelze převést";
            return {};
        }
        if (calendar != "DGREGORIAN" && calendar != "DJULIAN" && calendar != "DUNKNOWN" &&
            calendar != "DROMAN") {
            problem = "neznámý kalendář";
            return {};
        }
        // Only a Gregorian date is held as what it says; the others are kept as written.
        const char* held =
            calendar == "DJULIAN" ? "datum juliánského kalendáře uloženo, jak je zapsáno, bez převodu"
            : calendar == "DUNKNOWN" ? "datum neznámého kalendáře uloženo, jak je zapsáno"
            : calendar == "DROMAN"   ? "datum římského kalendáře uloženo, jak je zapsáno, bez převodu"
                                     : nullptr;
        if (held)
            rangeNote += std::string(rangeNote.empty() ? "" : "; ") + held;
        dropWord(end + 1);
    }
    std::vector<std::string_view> w = words(u);
    // B.C. years are outside what a person's date can hold.
    if (!w.empty() && (w.back() == "B.C." || w.back() == "BC" || w.back() == "(B.C.)")) {
        problem = "rok mimo rozsah 1 až 9999";
        return {};
    }
    ImportedDate d = parseCalendarValue(w, 0, problem);
    if (d.year || d.month)
        d.about = about;
    if (problem.empty() && (d.year || d.month))
        problem = rangeNote;
    if (!phraseNote.empty())
        problem += (problem.empty() ? "" : "; ") + phraseNote;
    return d;
}

void storeImportedDate(Datum& date, const ImportedDate& value)
{
    if (value.year)
        date.year = intToStr(value.year);
    if (value.month)
        date.month = intToStr(value.month);
    if (value.day)
        date.day = intToStr(value.day);
    if (value.about)
        date.about = 1;
}

std::string importedDateText(const ImportedDate& d)
{
    std::string s;
    if (d.day)
        s += intToStr(d.day) + ".";
    if (d.month)
        s += intToStr(d.month) + ".";
    if (d.year)
        s += intToStr(d.year);
    return s;
}
