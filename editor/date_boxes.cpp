#include "editor/date_boxes.h"

#include "editor/person_editor.h"
#include "forms/tolerance_form.h"
#include "model/datum.h"
#include "model/path_utils.h"
#include "system/exceptions.h"
#include "system/numbers.h"
#include "system/text.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

DateControls dateControls(ZakladniSheet& z, DateField field)
{
    switch (field) {
    case DateField::birth:
        return {z.narozDenCB, z.narozMesicCB, z.narozRokED, z.narozeniDenLB};
    case DateField::death:
        return {z.smrtDenCB, z.smrtMesicCB, z.smrtRokED, z.smrtDenLB};
    case DateField::wedding:
        return {z.svatbaDenCB, z.svatbaMesicCB, z.svatbaRokED, z.svatbaDenLB};
    case DateField::divorce:
        return {z.rozvodDenCB, z.rozvodMesicCB, z.rozvodRokED, z.rozvodDenLB};
    }
    throw EInvalidOperation("dateControls: not a date of the page");
}

const char* dateKeyStart(DateField field)
{
    switch (field) {
    case DateField::birth:
        return "narozeni";
    case DateField::death:
        return "smrt";
    case DateField::wedding:
        return "svatba";
    case DateField::divorce:
        return "rozvod";
    }
    return "";
}

std::optional<DatePartOfStep> datePartOfStep(std::string_view key)
{
    for (DateField field : {DateField::birth, DateField::death, DateField::wedding, DateField::divorce}) {
        const std::string_view start = dateKeyStart(field);
        if (!key.starts_with(start))
            continue;
        const std::string_view end = key.substr(start.size());
        for (char part : {'d', 'm', 'r'})
            if (end == datePartKeyEnd(part))
                return DatePartOfStep{field, part};
        // The "?" button's step makes the whole date unknown; its replay ends in the year.
        if (end == "Nezname")
            return DatePartOfStep{field, 'r'};
    }
    return std::nullopt;
}

DateBoxes dateBoxes(ZakladniSheet& page, DateField field, Datum& date)
{
    const DateControls c = dateControls(page, field);
    return {date, c.day, c.month, c.year, c.weekday};
}

SparseText& storedDatePart(Datum& date, char part)
{
    return part == 'd' ? date.day : part == 'm' ? date.month : date.year;
}

const char* datePartKeyEnd(char part)
{
    return part == 'd' ? "Den" : part == 'm' ? "Mesic" : "Rok";
}

bool sameDateParts(const Datum& a, const Datum& b)
{
    return a.day == b.day && a.month == b.month && a.year == b.year;
}

namespace {

// A box showing "?" holds no value to type beside: a key typed into it, whichever side of the
// "?" the caret stood, starts the part, and the caret stays after what was typed. The box's
// text without the "?", or none when it holds no "?" beside other letters.
struct Typed {
    std::string text;
    int caret;
};
std::optional<Typed> typedOverUnknown(const TEditLineControl& box)
{
    const std::string& text = box.Text();
    if (text == "?" || text.find('?') == std::string::npos)
        return std::nullopt;
    std::u32string kept;
    int caret = box.SelStart();
    int at = 0;
    for (char32_t ch : toU32(text)) {
        if (ch != U'?')
            kept += ch;
        else if (at < box.SelStart())
            --caret;
        ++at;
    }
    return Typed{fromU32(kept), caret};
}

} // namespace

bool takeDayOrMonth(DateBoxes& b, char part)
{
    TComboBox& box = part == 'd' ? b.day : b.month;
    if (const std::optional<Typed> typed = typedOverUnknown(box)) {
        box.setText(typed->text);
        box.setSelStart(typed->caret);
    }
    const std::string& text = box.Text();
    if (text.empty())
        return true; // an emptied box keeps the stored part
    if (box.Items.IndexOf(text) < 0)
        return false;
    storedDatePart(b.date, part) = text;
    return true;
}

void takeYear(DateBoxes& b)
{
    if (const std::optional<Typed> typed = typedOverUnknown(b.year); typed && isDigitText(typed->text)) {
        // Stored first: the edit's change event then finds the year it shows already stored.
        b.date.year = typed->text;
        b.year.setText(typed->text);
        b.year.setSelStart(typed->caret);
        return;
    }
    const std::string text = b.year.Text();
    if (text == "?" || isDigitText(text))
        b.date.year = text;
    else if (text.empty())
        return; // an emptied box is given its year back on leaving
    else {
        // The box shows what a check on leaving would look at; the edit's change event comes
        // back here with the stored text, which passes. The caret keeps its place counted from
        // the end, so the next key lands where the refused one did.
        const int fromEnd = static_cast<int>(utf8Length(text)) - b.year.SelStart();
        b.year.setText(b.date.year);
        b.year.setSelStart(std::max(0, static_cast<int>(utf8Length(b.date.year)) - fromEnd));
    }
}

void fillDayBox(DateBoxes& b)
{
    std::vector<std::string> days;
    b.date.fillDayChoices(days);
    const std::string text = b.day.Text();
    b.day.Items.Clear();
    for (const std::string& d : days)
        b.day.Items.Add(d);
    b.day.setText(text);
}

void restoreLeftPart(PersonEditor& main, DateBoxes& b, char part)
{
    if (part == 'r') {
        if (b.year.Text().empty()) {
            PersonEditor::ShowingPerson quiet(main);
            b.year.setText(b.date.year);
        }
    } else {
        TComboBox& box = part == 'd' ? b.day : b.month;
        if (box.Text().empty() || box.Items.IndexOf(box.Text()) < 0)
            box.setText(storedDatePart(b.date, part));
    }
}

void limitDayToMonth(DateBoxes& b, char part)
{
    // Only leaving the month or the year limits the day: a 31 typed before its month stays.
    if (part != 'd')
        b.day.setText(b.date.clampedDay());
}

void putDateUnknown(PersonEditor& main, DateBoxes& b)
{
    b.date.day = b.date.month = b.date.year = "?";
    {
        // The year edit would take the "?" for a typed year and record it once more.
        PersonEditor::ShowingPerson quiet(main);
        b.day.setText("?");
        b.month.setText("?");
        b.year.setText("?");
    }
    b.weekday.Caption = b.date.weekdayName(main.texts());
}

void takeAboutBox(Datum& date, TCheckBox& box)
{
    date.about = box.Checked() ? 1 : 0;
    if (!date.about)
        return;
    TtoleranceFORM& dialog = *toleranceFORM;
    dialog.toleranceCB.setItemIndex(0);
    dialog.ShowModal();
    int tolerance = 1;
    if (tryStrToInt(dialog.toleranceCB.Text(), tolerance))
        date.tolerance = tolerance;
    box.Caption = "+/- " + std::to_string(date.tolerance);
}
