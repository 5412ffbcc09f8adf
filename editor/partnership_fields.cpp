// The fields of the selected partnership: place, officiant and witnesses, the wedding and
// divorce dates with their "?" buttons, and the about box of the wedding date.
#include "editor/date_boxes.h"
#include "editor/person_editor.h"
#include "model/clovek.h"
#include "model/datum.h"
#include "model/rod.h"
#include "model/svatba.h"

#include <string>

namespace {

// The boxes of the wedding or the divorce date of a partnership, with the start of its keys.
struct PartnershipDate {
    DateBoxes boxes;
    std::string keyStart;
};

PartnershipDate boxes(PersonEditor& m, Svatba& s, bool divorce)
{
    ZakladniSheet& z = m.zakladniSheet;
    const DateField field = divorce ? DateField::divorce : DateField::wedding;
    return {dateBoxes(z, field, divorce ? s.divorce : s.wedding), dateKeyStart(field)};
}

void recordPartnershipDate(PersonEditor& m, Svatba& s, const PartnershipDate& b, char part, const Datum& old)
{
    if (sameDateParts(old, b.boxes.date))
        return;
    m.noteDateBeforeEdit(b.boxes.date, old);
    m.tree()->recordPartnershipDateChange(m.currentPerson, b.keyStart + datePartKeyEnd(part), &s, old,
                                          b.boxes.date);
}

} // namespace

void PersonEditor::svatbaMistoCBChange()
{
    partnershipTextChange(&Svatba::place, "svatbaMisto", zakladniSheet.svatbaMistoCB.Text());
}

void PersonEditor::oddavajiciKnezEDChange()
{
    partnershipTextChange(&Svatba::officiant, "svatbaKnez", zakladniSheet.oddavajiciKnezED.Text());
}

void PersonEditor::svedkoveEDChange()
{
    partnershipTextChange(&Svatba::witnesses, "svatbaSvedkove", zakladniSheet.svedkoveED.Text());
}

void PersonEditor::partnershipTextChange(SparseText Svatba::*field, const char* key, const std::string& text)
{
    Svatba* s = currentPartnership();
    if (!s || !tree())
        return;
    const std::string old = s->*field;
    s->*field = text;
    if (!undoReplaying && !showingPerson && old != text)
        tree()->recordPartnershipTextChange(currentPerson, key, s, old, text);
}

void PersonEditor::partnershipDayMonthChange(bool divorce, char part)
{
    Svatba* s = currentPartnership();
    if (undoReplaying || !s || !tree())
        return;
    PartnershipDate b = boxes(*this, *s, divorce);
    const Datum old = b.boxes.date;
    if (!takeDayOrMonth(b.boxes, part))
        takeBackUnlistedPart(b.boxes.date, part);
    b.boxes.weekday.Caption = "";
    recordPartnershipDate(*this, *s, b, part, old);
}

void PersonEditor::partnershipYearChange(bool divorce)
{
    // The year edit raises its change event also when the display or the replay sets it.
    Svatba* s = currentPartnership();
    if (undoReplaying || showingPerson || !s || !tree())
        return;
    PartnershipDate b = boxes(*this, *s, divorce);
    const Datum old = b.boxes.date;
    takeYear(b.boxes);
    b.boxes.weekday.Caption = "";
    recordPartnershipDate(*this, *s, b, 'r', old);
}

void PersonEditor::partnershipDayEnter(bool divorce)
{
    if (Svatba* s = currentPartnership()) {
        PartnershipDate b = boxes(*this, *s, divorce);
        fillDayBox(b.boxes);
    }
}

void PersonEditor::partnershipDateExit(bool divorce, char part)
{
    Svatba* s = currentPartnership();
    if (!currentPerson || !s || !tree())
        return;
    PartnershipDate b = boxes(*this, *s, divorce);
    if (!undoReplaying) {
        restoreLeftPart(*this, b.boxes, part);
        const Datum typed = b.boxes.date;
        // A refused date refills the partner area, which shows its own weekdays; its step takes
        // the date put back, as the birth's does.
        if (!(divorce ? checkDivorceDate(part) : checkWeddingDate(part))) {
            recordPartnershipDate(*this, *s, b, part, typed);
            editedDate = nullptr;
            return;
        }
        limitDayToMonth(b.boxes, part);
    }
    editedDate = nullptr;
    b.boxes.weekday.Caption = b.boxes.date.weekdayName(texts());
}

void PersonEditor::setPartnershipDateUnknown(bool divorce)
{
    Svatba* s = currentPartnership();
    if (!s || !tree())
        return;
    if (!askYesNo(langText("otazky", "smazatDatum", "Nastavit datum na neznámý?")))
        return;
    PartnershipDate b = boxes(*this, *s, divorce);
    const Datum old = b.boxes.date;
    putDateUnknown(*this, b.boxes);
    tree()->recordPartnershipDateChange(currentPerson, b.keyStart + "Nezname", s, old, b.boxes.date);
}

void PersonEditor::svatbaAsiMouseUp()
{
    Svatba* s = currentPartnership();
    if (!s || !tree())
        return;
    const uint8_t oldAbout = s->wedding.about;
    const int32_t oldTolerance = s->wedding.tolerance;
    takeAboutBox(s->wedding, zakladniSheet.svatbaAsi);
    if (!undoReplaying)
        tree()->recordPartnershipToleranceChange(currentPerson, "svatbaAsi", s, oldAbout, s->wedding.about,
                                                 oldTolerance, s->wedding.tolerance);
}
