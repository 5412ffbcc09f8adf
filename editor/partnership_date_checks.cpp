// The checks of the selected partnership's wedding and divorce dates, with their messages: a
// date that cannot be true loses the part just edited.
#include "model/clovek.h"
#include "model/partnership_checks.h"
#include "model/svatba.h"
#include "platform/dialogs.h"
#include "shell/hlavni.h"

namespace {

struct PartNote {
    const char* key;
    const char* text;
};

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

// The reset is no step of its own: undoing the edit brings the typed part's old value back.
bool passPartnershipCheck(Thlavni& m, const DateCheck& check, Datum& date, const PartNote& note, char part)
{
    if (!check)
        return true;
    (part == 'd' ? date.day : part == 'm' ? date.month : date.year) = "?";
    ShowMessage(m.langText("chyby", check->key, check->defaultText) + " " + m.langText("chyby", note.key, note.text));
    m.fillPartnerList(0);
    return false;
}

} // namespace

bool Thlavni::checkWeddingDate(char part)
{
    Svatba* s = currentPartnership();
    if (!currentPerson || !s)
        return true;
    const YearLimits limits{settings.minYear, settings.maxYear};
    return passPartnershipCheck(*this, ::checkWeddingDate(*currentPerson, *s, limits, part == 'r'), s->wedding,
                                weddingNotes[partIndex(part)], part);
}

bool Thlavni::checkDivorceDate(char part)
{
    Svatba* s = currentPartnership();
    if (!currentPerson || !s)
        return true;
    const YearLimits limits{settings.minYear, settings.maxYear};
    return passPartnershipCheck(*this, ::checkDivorceDate(*currentPerson, *s, limits, part == 'r'), s->divorce,
                                divorceNotes[partIndex(part)], part);
}
