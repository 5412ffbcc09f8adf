// The checks of the current person's birth and death dates and of the selected partnership's
// wedding and divorce dates, with their messages: a date that cannot be true loses the part just
// edited.
#include "editor/date_boxes.h"
#include "editor/person_editor.h"
#include "model/clovek.h"
#include "model/life_checks.h"
#include "model/svatba.h"
#include "toolkit/dialogs.h"

namespace {

struct PartNote {
    const char* key;
    const char* text;
};

constexpr PartNote birthNotes[] = {{"menimDenNarozeni", "Měním den narození."},
                                   {"menimMesicNarozeni", "Měním měsíc narození."},
                                   {"menimRokNarozeni", "Měním rok narození."}};
constexpr PartNote deathNotes[] = {{"menimDenSmrt", "Měním den úmrtí."},
                                   {"menimMesicSmrt", "Měním měsíc úmrtí."},
                                   {"menimRokSmrt", "Měním rok úmrtí."}};
constexpr PartNote weddingNotes[] = {{"menimDenSvatby", "Měním den svatby."},
                                     {"menimMesicSvatby", "Měním měsíc svatby."},
                                     {"menimRokSvatby", "Měním rok svatby."}};
constexpr PartNote divorceNotes[] = {{"menimDenRozvodu", "Měním den rozvodu."},
                                     {"menimMesicRozvodu", "Měním měsíc rozvodu."},
                                     {"menimRokRozvodu", "Měním rok rozvodu."}};

int partIndex(char part)
{
    return part == 'd' ? 0 : part == 'm' ? 1 : 2;
}

bool passPartnershipCheck(PersonEditor& m, const DateCheck& check, Datum& date, const PartNote& note,
                          char part)
{
    if (!check)
        return true;
    m.takeBackRefusedEntry(date, part);
    ShowMessage(m.langText("chyby", check->key, check->defaultText) + " " +
                m.langText("chyby", note.key, note.text));
    // The first partnership is shown afterwards, with the reset part as "?".
    m.fillPartnerList(0);
    return false;
}

} // namespace

LifeLimits PersonEditor::lifeLimits() const
{
    return {settings.minParentChildAge, settings.maxAge, settings.minYear, settings.maxYear,
            settings.checkFatherDeathBeforeBirth};
}

bool PersonEditor::checkBirthDate(char part)
{
    if (!currentPerson)
        return true;
    return passLifeCheck(::checkBirthDate(*currentPerson, lifeLimits(), part == 'r'), currentPerson->birth,
                         birthNotes[partIndex(part)].key, birthNotes[partIndex(part)].text, part);
}

bool PersonEditor::checkDeathDate(char part)
{
    if (!currentPerson)
        return true;
    return passLifeCheck(::checkDeathDate(*currentPerson, lifeLimits(), part == 'r'), currentPerson->death,
                         deathNotes[partIndex(part)].key, deathNotes[partIndex(part)].text, part);
}

bool PersonEditor::passLifeCheck(const DateCheck& check, Datum& date, const char* noteKey,
                                 const char* noteText, char part)
{
    if (!check)
        return true;
    takeBackRefusedEntry(date, part);
    ShowMessage(langText("chyby", check->key, check->defaultText) + " " +
                langText("chyby", noteKey, noteText));
    {
        ShowingPerson showing(*this);
        showBasicPage();
    }
    // The heading and the list followed every keystroke of the part; they show what is stored.
    if (&date == &currentPerson->birth)
        sortPersonListAfterEditOf(currentPerson);
    updateHeading();
    return false;
}

void PersonEditor::noteDateBeforeEdit(const Datum& date, const Datum& before)
{
    if (editedDate == &date)
        return;
    editedDate = &date;
    dateBeforeEdit = before;
}

void PersonEditor::takeBackRefusedEntry(Datum& date, char part)
{
    if (editedDate == &date)
        date.assign(dateBeforeEdit);
    else
        storedDatePart(date, part) = "?";
}

void PersonEditor::takeBackUnlistedPart(Datum& date, char part)
{
    if (editedDate == &date)
        storedDatePart(date, part) = storedDatePart(dateBeforeEdit, part);
}

bool PersonEditor::checkWeddingDate(char part)
{
    Svatba* s = currentPartnership();
    if (!currentPerson || !s)
        return true;
    return passPartnershipCheck(*this, ::checkWeddingDate(*currentPerson, *s, lifeLimits(), part == 'r'),
                                s->wedding, weddingNotes[partIndex(part)], part);
}

bool PersonEditor::checkDivorceDate(char part)
{
    Svatba* s = currentPartnership();
    if (!currentPerson || !s)
        return true;
    return passPartnershipCheck(*this, ::checkDivorceDate(*currentPerson, *s, lifeLimits(), part == 'r'),
                                s->divorce, divorceNotes[partIndex(part)], part);
}
