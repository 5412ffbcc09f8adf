// The birth and death dates of the basic-data page: day, month and year boxes, the weekday,
// the "?" button, the about box with its tolerance, and the alive box that shows the death.
#include "editor/date_boxes.h"
#include "editor/person_editor.h"
#include "model/clovek.h"
#include "model/datum.h"
#include "model/rod.h"

#include <string>

namespace {

// The boxes of one of the two dates, with the start of its keys and its about box.
struct LifeDate {
    DateBoxes boxes;
    TCheckBox& about;
    std::string keyStart;
};

LifeDate boxes(PersonEditor& m, bool birth)
{
    ZakladniSheet& z = m.zakladniSheet;
    Clovek& p = *m.currentPerson;
    // The siblings' lists are sorted by the birth that the boxes may change.
    if (birth)
        p.buildSiblingListsAround();
    const DateField field = birth ? DateField::birth : DateField::death;
    return {dateBoxes(z, field, birth ? p.birth : p.death), birth ? z.narozAsi : z.smrtAsi,
            dateKeyStart(field)};
}

void recordIfChanged(PersonEditor& m, const LifeDate& b, char part, const Datum& old)
{
    if (m.undoReplaying || sameDateParts(old, b.boxes.date))
        return;
    m.noteDateBeforeEdit(b.boxes.date, old);
    m.tree()->recordDateChange(m.currentPerson, b.keyStart + datePartKeyEnd(part), old, b.boxes.date);
}

} // namespace

void PersonEditor::dateYearChange(bool birth)
{
    // The year box raises its change event also when the page fill or the replay sets it.
    if (showingPerson || undoReplaying || !currentPerson || !tree())
        return;
    LifeDate b = boxes(*this, birth);
    const Datum old = b.boxes.date;
    takeYear(b.boxes);
    if (birth) {
        sortPersonListAfterEditOf(currentPerson);
        updateHeading();
    }
    b.boxes.weekday.Caption = "";
    recordIfChanged(*this, b, 'r', old);
}

void PersonEditor::dateDayMonthChange(bool birth, char part)
{
    if (undoReplaying || !currentPerson || !tree())
        return;
    LifeDate b = boxes(*this, birth);
    const Datum old = b.boxes.date;
    if (!takeDayOrMonth(b.boxes, part))
        takeBackUnlistedPart(b.boxes.date, part);
    if (birth)
        sortPersonListAfterEditOf(currentPerson);
    b.boxes.weekday.Caption = "";
    recordIfChanged(*this, b, part, old);
}

void PersonEditor::dayBoxEnter(bool birth)
{
    if (!currentPerson)
        return;
    LifeDate b = boxes(*this, birth);
    fillDayBox(b.boxes);
}

void PersonEditor::datePartExit(bool birth, char part)
{
    if (!currentPerson || !tree())
        return;
    LifeDate b = boxes(*this, birth);
    if (!undoReplaying) {
        restoreLeftPart(*this, b.boxes, part);
        const Datum typed = b.boxes.date;
        // A refused entry's step takes the date put back, so that no redo brings the refused
        // value again; a step left with nothing changed goes.
        if (!(birth ? checkBirthDate(part) : checkDeathDate(part)))
            recordIfChanged(*this, b, part, typed);
        limitDayToMonth(b.boxes, part);
    }
    editedDate = nullptr;
    b.boxes.weekday.Caption = b.boxes.date.weekdayName(texts());
    if (birth)
        refreshPercentFilled(currentPerson);
}

void PersonEditor::setDateUnknown(bool birth)
{
    if (!currentPerson || !tree())
        return;
    if (!askYesNo(langText("otazky", "smazatDatum", "Nastavit datum na neznámý?")))
        return;
    LifeDate b = boxes(*this, birth);
    const Datum old = b.boxes.date;
    putDateUnknown(*this, b.boxes);
    if (birth) {
        paintPersonList();
        updateHeading();
    }
    tree()->recordDateChange(currentPerson, b.keyStart + "Nezname", old, b.boxes.date);
}

void PersonEditor::aboutBoxMouseUp(bool birth)
{
    if (!currentPerson || !tree())
        return;
    LifeDate b = boxes(*this, birth);
    const uint8_t oldAbout = b.boxes.date.about;
    const int32_t oldTolerance = b.boxes.date.tolerance;
    takeAboutBox(b.boxes.date, b.about);
    if (!undoReplaying)
        tree()->recordToleranceChange(currentPerson, b.keyStart + "Asi", oldAbout, b.boxes.date.about,
                                      oldTolerance, b.boxes.date.tolerance);
}

void PersonEditor::zivaZesnulaCHClick()
{
    if (!undoReplaying && !showingPerson && currentPerson && tree()) {
        const uint8_t old = currentPerson->alive;
        currentPerson->alive = zakladniSheet.zivaZesnulaCH.Checked() ? 1 : 0;
        if (currentPerson->alive != old)
            tree()->recordFlagChange(currentPerson, "zije", old, currentPerson->alive);
    }
    // The death fields show only for a person who has died; what they hold is kept meanwhile.
    if (!showingPerson)
        port.refreshPage();
}
