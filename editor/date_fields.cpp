// The birth and death dates of the basic-data page: day, month and year boxes, the weekday,
// the "?" button, the about box with its tolerance, and the alive box that shows the death.
#include "forms/tolerance_form.h"
#include "model/clovek.h"
#include "model/datum.h"
#include "model/path_utils.h"
#include "model/rod.h"
#include "platform/numbers.h"
#include "shell/hlavni.h"

#include <string>

namespace {

// The controls and keys of one of the two dates.
struct DateBoxes {
    bool birth;
    Datum& date;
    TComboBox& day;
    TComboBox& month;
    TEdit& year;
    TLabel& weekday;
    TCheckBox& about;
    std::string keyStart;
};

DateBoxes boxes(Thlavni& m, bool birth)
{
    ZakladniSheet& z = m.zakladniSheet;
    Clovek& p = *m.currentPerson;
    if (birth)
        return {true, p.birth, z.narozDenCB, z.narozMesicCB, z.narozRokED, z.narozeniDenLB, z.narozAsi, "narozeni"};
    return {false, p.death, z.smrtDenCB, z.smrtMesicCB, z.smrtRokED, z.smrtDenLB, z.smrtAsi, "smrt"};
}

std::string& storedPart(Datum& date, char part)
{
    return part == 'd' ? date.day : part == 'm' ? date.month : date.year;
}

const char* keyEnd(char part)
{
    return part == 'd' ? "Den" : part == 'm' ? "Mesic" : "Rok";
}

void recordIfChanged(Thlavni& m, const DateBoxes& b, char part, const Datum& old)
{
    if (m.undoReplaying || old.day + "." + old.month + "." + old.year ==
                               b.date.day + "." + b.date.month + "." + b.date.year)
        return;
    m.tree->recordDateChange(m.currentPerson, b.keyStart + keyEnd(part), old, b.date);
}

} // namespace

void Thlavni::dateYearChange(bool birth)
{
    // The year box raises its change event also when the page fill or the replay sets it.
    if (showingPerson || undoReplaying || !currentPerson || !tree)
        return;
    DateBoxes b = boxes(*this, birth);
    const Datum old = b.date;
    const std::string text = b.year.Text();
    if (text == "?" || isDigitText(text))
        b.date.year = text;
    else
        b.year.setText("");
    if (birth) {
        sortPersonListAfterEditOf(currentPerson);
        updateHeading();
    }
    b.weekday.Caption = "";
    recordIfChanged(*this, b, 'r', old);
}

void Thlavni::dateDayMonthChange(bool birth, char part)
{
    if (undoReplaying || !currentPerson || !tree)
        return;
    DateBoxes b = boxes(*this, birth);
    TComboBox& box = part == 'd' ? b.day : b.month;
    const Datum old = b.date;
    if (!box.Text().empty() && box.Items.IndexOf(box.Text()) < 0)
        box.setText("");
    // An empty box keeps the stored part: a date part is never stored empty.
    if (!box.Text().empty())
        storedPart(b.date, part) = box.Text();
    if (birth)
        sortPersonListAfterEditOf(currentPerson);
    b.weekday.Caption = "";
    recordIfChanged(*this, b, part, old);
}

void Thlavni::dayBoxEnter(bool birth)
{
    if (!currentPerson)
        return;
    DateBoxes b = boxes(*this, birth);
    std::vector<std::string> days;
    b.date.fillDayChoices(days);
    const std::string text = b.day.Text();
    b.day.Items.Clear();
    for (const std::string& d : days)
        b.day.Items.Add(d);
    b.day.setText(text);
}

void Thlavni::datePartExit(bool birth, char part)
{
    if (!currentPerson || !tree)
        return;
    DateBoxes b = boxes(*this, birth);
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
        if (birth)
            checkBirthDate(part);
        else
            checkDeathDate(part);
    }
    b.weekday.Caption = b.date.weekdayName(*this);
    if (birth)
        refreshPercentFilled(currentPerson);
}

void Thlavni::setDateUnknown(bool birth)
{
    if (!currentPerson || !tree)
        return;
    if (!askYesNo(langText("otazky", "smazatDatum", "Nastavit datum na neznámý?")))
        return;
    DateBoxes b = boxes(*this, birth);
    const Datum old = b.date;
    b.date.day = b.date.month = b.date.year = "?";
    {
        // The year box would take the "?" for a typed year and record it once more.
        ShowingPerson quiet(*this);
        b.day.setText("?");
        b.month.setText("?");
        b.year.setText("?");
    }
    b.weekday.Caption = b.date.weekdayName(*this);
    if (birth) {
        paintPersonList();
        updateHeading();
    }
    tree->recordDateChange(currentPerson, b.keyStart + "Nezname", old, b.date);
}

void Thlavni::aboutBoxMouseUp(bool birth)
{
    if (!currentPerson || !tree)
        return;
    DateBoxes b = boxes(*this, birth);
    const uint8_t oldAbout = b.date.about;
    const int32_t oldTolerance = b.date.tolerance;
    b.date.about = b.about.Checked() ? 1 : 0;
    if (b.date.about) {
        TtoleranceFORM& dialog = *toleranceFORM;
        dialog.toleranceCB.setItemIndex(0);
        dialog.ShowModal();
        int tolerance = 1;
        if (tryStrToInt(dialog.toleranceCB.Text(), tolerance))
            b.date.tolerance = tolerance;
        b.about.Caption = "+/- " + std::to_string(b.date.tolerance);
    }
    if (!undoReplaying)
        tree->recordToleranceChange(currentPerson, b.keyStart + "Asi", oldAbout, b.date.about, oldTolerance,
                                    b.date.tolerance);
}

void Thlavni::zivaZesnulaCHClick()
{
    if (!undoReplaying && !showingPerson && currentPerson && tree) {
        const uint8_t old = currentPerson->alive;
        currentPerson->alive = zakladniSheet.zivaZesnulaCH.Checked() ? 1 : 0;
        if (currentPerson->alive != old)
            tree->recordFlagChange(currentPerson, "zije", old, currentPerson->alive);
    }
    // The death fields show only for a person who has died; what they hold is kept meanwhile.
    if (!showingPerson)
        refreshPage();
}
