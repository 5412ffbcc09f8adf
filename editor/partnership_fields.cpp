// The fields of the selected partnership: place, officiant and witnesses, the wedding and
// divorce dates with their "?" buttons, and the about box of the wedding date.
#include "forms/tolerance_form.h"
#include "model/clovek.h"
#include "model/datum.h"
#include "model/path_utils.h"
#include "model/rod.h"
#include "model/svatba.h"
#include "platform/numbers.h"
#include "shell/hlavni.h"

#include <string>

namespace {

// The controls and keys of the wedding or the divorce date of a partnership.
struct PartnershipDate {
    Datum& date;
    TComboBox& day;
    TComboBox& month;
    TEdit& year;
    TLabel& weekday;
    std::string keyStart;
};

PartnershipDate boxes(Thlavni& m, Svatba& s, bool divorce)
{
    ZakladniSheet& z = m.zakladniSheet;
    if (divorce)
        return {s.divorce, z.rozvodDenCB, z.rozvodMesicCB, z.rozvodRokED, z.rozvodDenLB, "rozvod"};
    return {s.wedding, z.svatbaDenCB, z.svatbaMesicCB, z.svatbaRokED, z.svatbaDenLB, "svatba"};
}

std::string& storedPart(Datum& date, char part)
{
    return part == 'd' ? date.day : part == 'm' ? date.month : date.year;
}

const char* keyEnd(char part)
{
    return part == 'd' ? "Den" : part == 'm' ? "Mesic" : "Rok";
}

bool sameParts(const Datum& a, const Datum& b)
{
    return a.day == b.day && a.month == b.month && a.year == b.year;
}

} // namespace

void Thlavni::svatbaMistoCBChange()
{
    partnershipTextChange(&Svatba::place, "svatbaMisto", zakladniSheet.svatbaMistoCB.Text());
}

void Thlavni::oddavajiciKnezEDChange()
{
    partnershipTextChange(&Svatba::officiant, "svatbaKnez", zakladniSheet.oddavajiciKnezED.Text());
}

void Thlavni::svedkoveEDChange()
{
    partnershipTextChange(&Svatba::witnesses, "svatbaSvedkove", zakladniSheet.svedkoveED.Text());
}

void Thlavni::partnershipTextChange(std::string Svatba::*field, const char* key, const std::string& text)
{
    Svatba* s = currentPartnership();
    if (!s || !tree)
        return;
    const std::string old = s->*field;
    s->*field = text;
    if (!undoReplaying && !showingPerson && old != text)
        tree->recordPartnershipTextChange(currentPerson, key, s, old, text);
}

void Thlavni::partnershipDayMonthChange(bool divorce, char part)
{
    Svatba* s = currentPartnership();
    if (undoReplaying || !s || !tree)
        return;
    PartnershipDate b = boxes(*this, *s, divorce);
    TComboBox& box = part == 'd' ? b.day : b.month;
    const Datum old = b.date;
    if (!box.Text().empty() && box.Items.IndexOf(box.Text()) < 0)
        box.setText("");
    // An empty box keeps the stored part: a date part is never stored empty.
    if (!box.Text().empty())
        storedPart(b.date, part) = box.Text();
    b.weekday.Caption = "";
    if (!showingPerson && !sameParts(old, b.date))
        tree->recordPartnershipDateChange(currentPerson, b.keyStart + keyEnd(part), s, old, b.date);
}

void Thlavni::partnershipYearChange(bool divorce)
{
    // The year edit raises its change event also when the display or the replay sets it.
    Svatba* s = currentPartnership();
    if (undoReplaying || showingPerson || !s || !tree)
        return;
    PartnershipDate b = boxes(*this, *s, divorce);
    const Datum old = b.date;
    const std::string text = b.year.Text();
    if (text == "?" || isDigitText(text))
        b.date.year = text;
    else
        b.year.setText("");
    b.weekday.Caption = "";
    if (!sameParts(old, b.date))
        tree->recordPartnershipDateChange(currentPerson, b.keyStart + "Rok", s, old, b.date);
}

void Thlavni::partnershipDayEnter(bool divorce)
{
    Svatba* s = currentPartnership();
    if (!s)
        return;
    PartnershipDate b = boxes(*this, *s, divorce);
    std::vector<std::string> days;
    b.date.fillDayChoices(days);
    const std::string text = b.day.Text();
    b.day.Items.Clear();
    for (const std::string& d : days)
        b.day.Items.Add(d);
    b.day.setText(text);
}

void Thlavni::partnershipDateExit(bool divorce, char part)
{
    Svatba* s = currentPartnership();
    if (!currentPerson || !s || !tree)
        return;
    PartnershipDate b = boxes(*this, *s, divorce);
    if (!undoReplaying) {
        if (part == 'r') {
            if (b.year.Text().empty()) {
                ShowingPerson quiet(*this);
                b.year.setText(b.date.year);
            }
        } else {
            TComboBox& box = part == 'd' ? b.day : b.month;
            if (box.Text().empty())
                box.setText(storedPart(b.date, part));
        }
        // Only leaving the month or the year limits the day: a 31 typed before its month stays.
        if (part != 'd')
            b.day.setText(b.date.clampedDay());
        // A refused date refills the partner area, which shows its own weekdays.
        if (!(divorce ? checkDivorceDate(part) : checkWeddingDate(part)))
            return;
    }
    b.weekday.Caption = b.date.weekdayName(*this);
}

void Thlavni::setPartnershipDateUnknown(bool divorce)
{
    Svatba* s = currentPartnership();
    if (!s || !tree)
        return;
    if (!askYesNo(langText("otazky", "smazatDatum", "Nastavit datum na neznámý?")))
        return;
    PartnershipDate b = boxes(*this, *s, divorce);
    const Datum old = b.date;
    b.date.day = b.date.month = b.date.year = "?";
    {
        // The year edit would take the "?" for a typed year and record it once more.
        ShowingPerson quiet(*this);
        b.day.setText("?");
        b.month.setText("?");
        b.year.setText("?");
    }
    b.weekday.Caption = b.date.weekdayName(*this);
    tree->recordPartnershipDateChange(currentPerson, b.keyStart + "Nezname", s, old, b.date);
}

void Thlavni::svatbaAsiMouseUp()
{
    Svatba* s = currentPartnership();
    if (!s || !tree)
        return;
    TCheckBox& box = zakladniSheet.svatbaAsi;
    Datum& date = s->wedding;
    const uint8_t oldAbout = date.about;
    const int32_t oldTolerance = date.tolerance;
    date.about = box.Checked() ? 1 : 0;
    if (date.about) {
        TtoleranceFORM& dialog = *toleranceFORM;
        dialog.toleranceCB.setItemIndex(0);
        dialog.ShowModal();
        int tolerance = 1;
        if (tryStrToInt(dialog.toleranceCB.Text(), tolerance))
            date.tolerance = tolerance;
        box.Caption = "+/- " + std::to_string(date.tolerance);
    }
    if (!undoReplaying)
        tree->recordPartnershipToleranceChange(currentPerson, "svatbaAsi", s, oldAbout, date.about, oldTolerance,
                                               date.tolerance);
}
