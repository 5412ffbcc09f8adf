#include "model/date_texts.h"

#include "model/datum.h"
#include "model/text_source.h"
#include "system/datetime.h"
#include "system/numbers.h"

#include <cmath>

namespace {

std::string word(TextSource& texts, const char* key, const char* defaultText)
{
    return texts.readText("datum", key, defaultText);
}

struct KeyAndDefault {
    const char* key;
    const char* defaultText;
};

const KeyAndDefault kMonthsGenitive[12] = {
    {"ledna", "ledna"},   {"unora", "února"},   {"brezna", "března"},       {"dubna", "dubna"},
    {"kvetna", "května"}, {"cervna", "června"}, {"cervence", "července"},   {"srpna", "srpna"},
    {"zari", "září"},     {"rijna", "října"},   {"listopadu", "listopadu"}, {"prosince", "prosince"},
};

const KeyAndDefault kMonthsIn[12] = {
    {"vLednu", "v lednu"},       {"vUnoru", "v únoru"},         {"vBreznu", "v březnu"},
    {"vDubnu", "v dubnu"},       {"vKvetnu", "v květnu"},       {"vCervnu", "v červnu"},
    {"vCervenci", "v červenci"}, {"vSrpnu", "v srpnu"},         {"vZari", "v září"},
    {"vRijnu", "v říjnu"},       {"vListopadu", "v listopadu"}, {"vProsinci", "v prosinci"},
};

// Monday first.
const KeyAndDefault kWeekdaysIn[7] = {
    {"vPondeli", "v pondělí"},   {"vUtery", "v úterý"}, {"veStredu", "ve středu"},
    {"veCtvrtek", "ve čtvrtek"}, {"vPatek", "v pátek"}, {"vSobotu", "v sobotu"},
    {"vNedeli", "v neděli"},
};

// Monday first.
const KeyAndDefault kWeekdayNames[7] = {
    {"pondeli", "pondělí"}, {"utery", "úterý"},   {"streda", "středa"}, {"ctvrtek", "čtvrtek"},
    {"patek", "pátek"},     {"sobota", "sobota"}, {"nedele", "neděle"},
};

const char* const kGedcomMonths[12] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                       "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};

constexpr const char* kCannotCompute = "?";

std::string days(TextSource& texts, long long n, const char* oneKey, const char* oneDefault)
{
    return countText(n, word(texts, oneKey, oneDefault), word(texts, "234dny", "dny"),
                     word(texts, "56...dni", "dní"));
}

std::string months(TextSource& texts, long long n, const char* oneKey, const char* oneDefault)
{
    return countText(n, word(texts, oneKey, oneDefault), word(texts, "234mesice", "měsíce"),
                     word(texts, "56...mesicu", "měsíců"));
}

std::string years(TextSource& texts, long long n, const char* oneKey, const char* oneDefault)
{
    return countText(n, word(texts, oneKey, oneDefault), word(texts, "234roky", "roky"),
                     word(texts, "56...let", "let"));
}

// The parts of a complete date as numbers and its calendar day; false when the date is not
// complete, a part is no number or there is no such day.
struct CalendarDay {
    int year = 0, month = 0, day = 0;
    TDateTime value = 0;
};

bool toCalendarDay(const Datum& date, CalendarDay& result)
{
    return date.isComplete() && tryStrToInt(date.year, result.year) &&
           tryStrToInt(date.month, result.month) && tryStrToInt(date.day, result.day) &&
           tryEncodeDate(result.year, result.month, result.day, result.value);
}

// "y, m a d" with parts that are 0 left out.
std::string yearsMonthsDays(TextSource& texts, long long y, long long m, long long d, bool inFigures)
{
    std::string s;
    if (y != 0)
        s += inFigures ? years(texts, y, "1rok", "1 rok") : years(texts, y, "jedenRok", "jeden rok");
    if (y != 0 && m != 0)
        s += ", ";
    if (m != 0)
        s +=
            inFigures ? months(texts, m, "1mesic", "1 měsíc") : months(texts, m, "jedenMesic", "jeden měsíc");
    if (!s.empty() && d != 0)
        s += " " + word(texts, "a", "a") + " ";
    if (d != 0)
        s += inFigures ? days(texts, d, "1den", "1 den") : days(texts, d, "jedenDen", "jeden den");
    return s;
}

// Every month counts as 30 days, so some pairs of dates (31 January to 1 February) come out as
// no years, months or days at all: the head then stands alone, not before an empty "()".
std::string withParenthesis(const std::string& head, const std::string& inner)
{
    return inner.empty() ? head : head + " (" + inner + ")";
}

} // namespace

std::string undeterminedText(TextSource& texts)
{
    return texts.readText("ruzne", "nelzeUrcit", "(nelze určit)");
}

std::string countText(long long n, const std::string& one, const std::string& word234,
                      const std::string& word56)
{
    if (n == 1)
        return one;
    if (n >= 2 && n <= 4)
        return intToStr(n) + " " + word234;
    return intToStr(n) + " " + word56;
}

std::string monthGenitive(int month, TextSource& texts)
{
    if (month < 1 || month > 12)
        return "chyba: neexistující měsíc";
    const KeyAndDefault& m = kMonthsGenitive[month - 1];
    return word(texts, m.key, m.defaultText);
}

std::string monthInText(int month, TextSource& texts)
{
    if (month < 1 || month > 12)
        return "(chyba: nelze určit)";
    const KeyAndDefault& m = kMonthsIn[month - 1];
    return word(texts, m.key, m.defaultText);
}

std::string weekdayInText(int weekday, TextSource& texts)
{
    if (weekday < 1 || weekday > 7)
        return "(chyba: nelze určit)";
    const KeyAndDefault& w = kWeekdaysIn[weekday - 1];
    return word(texts, w.key, w.defaultText);
}

std::string yearsText(long long n, TextSource& texts)
{
    if (n == 0)
        return word(texts, "veliceKratce", "velice krátce");
    return years(texts, n, "jedenRok", "jeden rok");
}

std::string intervalText(const Datum& from, const Datum& to, TextSource& texts)
{
    CalendarDay a, b;
    if (!toCalendarDay(from, a) || !toCalendarDay(to, b))
        return kCannotCompute;
    long long n = (long long)(b.value) - (long long)(a.value);
    if (n == 0)
        return word(texts, "necelyDen", "necelý den");
    std::string head = days(texts, n, "jedenDen", "jeden den");
    long long y = b.year - a.year, m = b.month - a.month, d = b.day - a.day;
    if (d < 0) {
        d += 30;
        --m;
    }
    if (m < 0) {
        m += 12;
        --y;
    }
    return withParenthesis(head, yearsMonthsDays(texts, y, m, d, true));
}

bool knownYearsBetween(const Datum& from, const Datum& to, long long& years)
{
    int y1, y2, m1, m2, d1, d2;
    if (!datePartNumber(from.year, y1) || !datePartNumber(to.year, y2))
        return false;
    years = (long long)y2 - y1;
    // The anniversary not yet reached by what both dates know takes the last year away.
    if (datePartNumber(from.month, m1) && datePartNumber(to.month, m2) &&
        (m2 < m1 || (m2 == m1 && datePartNumber(from.day, d1) && datePartNumber(to.day, d2) && d2 < d1)))
        --years;
    return true;
}

std::string lengthText(const Datum& from, const Datum& to, TextSource& texts)
{
    if (to.isBefore(from))
        return {};
    if (from.isComplete() && to.isComplete())
        return intervalText(from, to, texts);
    long long years = 0;
    if (from.completeness() == 0 || to.completeness() == 0 || !knownYearsBetween(from, to, years))
        return {};
    return yearsText(years, texts);
}

std::string ageOrIntervalText(const Datum& from, const Datum& to, TextSource& texts)
{
    if (Datum::isUnknown(from.year) || Datum::isUnknown(to.year))
        return undeterminedText(texts);
    if (Datum::isUnknown(from.month) || Datum::isUnknown(from.day) || Datum::isUnknown(to.month) ||
        Datum::isUnknown(to.day)) {
        long long years;
        if (!knownYearsBetween(from, to, years))
            return kCannotCompute;
        return yearsText(years, texts);
    }
    return intervalText(from, to, texts);
}

std::string durationText(int64_t n, TextSource& texts)
{
    if (n == -1)
        return undeterminedText(texts);
    if (n == 0)
        return word(texts, "necelyDen", "necelý den");
    std::string head = days(texts, n, "jedenDen", "jeden den");
    long long y = (long long)std::trunc(double(n) / 365.25);
    long long rest = (long long)std::trunc(double(n) - double(y) * 365.25);
    long long m = rest / 30, d = rest % 30;
    return withParenthesis(head, yearsMonthsDays(texts, y, m, d, false));
}

// --- texts of one date ---------------------------------------------------------------------

std::string Datum::longText(TextSource& texts) const
{
    switch (completeness()) {
    case 0:
        return undeterminedText(texts);
    case 1: {
        // A known month is told with the year: "v květnu 1860".
        int m;
        if (datePartNumber(month, m) && m >= 1 && m <= 12)
            return monthInText(m, texts) + " " + year;
        return word(texts, "vRoce", "v roce") + " " + year;
    }
    default: {
        int m;
        if (!tryStrToInt(month, m))
            return kCannotCompute;
        return day + ". " + monthGenitive(m, texts) + " " + year;
    }
    }
}

std::string Datum::weekdayName(TextSource& texts) const
{
    int n = weekdayNumber(); // Monday 1 .. Sunday 7
    if (n == 0)
        return "?";
    if (n < 0) {
        if (day.empty() || month.empty() || year.empty())
            return "error";
        return kCannotCompute;
    }
    const KeyAndDefault& w = kWeekdayNames[n - 1];
    return word(texts, w.key, w.defaultText);
}

std::string Datum::zodiacSign(TextSource& texts) const
{
    if (!isComplete())
        return undeterminedText(texts);
    CalendarDay c;
    if (!toCalendarDay(*this, c))
        return kCannotCompute;
    int m = c.month, d = c.day;
    if ((m == 3 && d >= 21) || (m == 4 && d <= 20))
        return word(texts, "skopec", "Skopec (21.3.-20.4., Mars)");
    if (m == 4 || (m == 5 && d <= 20))
        return word(texts, "byk", "Býk (21.4.-20.5., Venuše)");
    if (m == 5 || (m == 6 && d <= 21))
        return word(texts, "blizenci", "Blíženci (21.5.-21.6., Merkur)");
    if (m == 6 || (m == 7 && d <= 22))
        return word(texts, "rak", "Rak (22.6.-22.7., Měsíc)");
    if (m == 7 || (m == 8 && d <= 23))
        return word(texts, "lev", "Lev (23.7.-23.8., Slunce)");
    if (m == 8 || (m == 9 && d <= 23))
        return word(texts, "panna", "Panna (24.8.-23.9., Merkur)");
    if (m == 9 || (m == 10 && d <= 23))
        return word(texts, "vahy", "Váhy (24.9.-23.10., Venuše)");
    if (m == 10 || (m == 11 && d <= 22))
        return word(texts, "stir", "Štír (24.10.-22.11., Mars)");
    if (m == 11 || (m == 12 && d <= 22))
        return word(texts, "strelec", "Střelec (23.11.-22.12., Jupiter)");
    if (m == 12 || (m == 1 && d <= 20))
        return word(texts, "kozoroh", "Kozoroh (23.12.-20.1., Saturn)");
    if (m == 1 || (m == 2 && d <= 19))
        return word(texts, "vodnar", "Vodnář (21.1.-19.2., Saturn a Uran)");
    return word(texts, "ryby", "Ryby (20.2.-20.3., Jupiter a Neptun)");
}

std::string Datum::gedcomMonth() const
{
    for (int m = 1; m <= 12; ++m)
        if (month == intToStr(m))
            return kGedcomMonths[m - 1];
    return "N/A";
}

std::string Datum::gedcomText() const
{
    if (isComplete())
        return day + " " + gedcomMonth() + " " + year;
    if (isUnknown(month))
        return year;
    return gedcomMonth() + " " + year;
}

std::string Datum::listText() const
{
    return (isUnknown(day) ? "  " : day) + ". " + (isUnknown(month) ? "  " : month) + ". " +
           (isUnknown(year) ? "    " : year);
}

std::string Datum::shortText() const
{
    std::string s;
    if (!isUnknown(day))
        s += day + ".";
    if (!isUnknown(month))
        s += month + ".";
    if (!isUnknown(year))
        s += year;
    return s;
}

std::string Datum::dayMonthText() const
{
    auto twoDigits = [](int n) { return (n <= 9 ? "0" : "") + intToStr(n) + "."; };
    return twoDigits(strToInt(day)) + twoDigits(strToInt(month));
}
