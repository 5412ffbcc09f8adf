// The date checks of the person editor with their messages.
#include "editor/person_editor.h"
#include "model/checks.h"
#include "shell/settings.h"
#include "toolkit/dialogs.h"

namespace {

bool passes(PersonEditor& main, const DateCheck& check)
{
    if (!check)
        return true;
    ShowMessage(main.langText("chyby", check->key, check->defaultText));
    return false;
}

} // namespace

bool PersonEditor::checkFatherDates(const Clovek& father, const Clovek& child, int minAge)
{
    return passes(*this, ::checkFatherDates(father, child, minAge, settings.checkFatherDeathBeforeBirth));
}

bool PersonEditor::checkMotherDates(const Clovek& mother, const Clovek& child, int minAge)
{
    return passes(*this, ::checkMotherDates(mother, child, minAge));
}

bool PersonEditor::checkPartnershipDates(const Clovek& a, const Clovek& b, const Svatba* partnership)
{
    return passes(*this, ::checkPartnershipDates(a, b, partnership));
}
