#include "shell/hledej_form.h"

#include "forms/global_window.h"
#include "model/datum.h"
#include "model/path_utils.h"
#include "model/text_source.h"
#include "shell/hlavni.h"
#include "toolkit/dialogs.h"
#include "toolkit/keys.h"

ThledejFORM* hledejFORM = nullptr;

ThledejFORM::ThledejFORM()
{
    claimGlobalWindow(hledejFORM, this);
    OnActivate = [this] { FormActivate(); };
    hledejRetezecBT.OnClick = [this] { hledejRetezecBTClick(); };
    jakHledatGROUP.OnClick = [this] { jakHledatGROUPClick(); };
    hledejDatumBT.OnClick = [this] { hledejDatumBTClick(); };
    osobyLIST.OnDblClick = [this] { osobyLISTDblClick(); };
    // Enter on a person found shows the person, as a double-click does, rather than searching
    // again with the page's default button.
    osobyLIST.OnKeyDown = [this](int& key, TShiftState) {
        if (key == VK_RETURN && osobyLIST.ItemIndex() >= 0) {
            key = 0;
            osobyLISTDblClick();
        }
    };
    showSecondDate();
}

ThledejFORM::~ThledejFORM()
{
    releaseGlobalWindow(hledejFORM, this);
}

void ThledejFORM::FormActivate()
{
    if (pages.ActivePage() == &retezecPage)
        retezecED.SetFocus();
}

void ThledejFORM::hledejRetezecBTClick()
{
    hlavni->searchText();
}

void ThledejFORM::jakHledatGROUPClick()
{
    showSecondDate();
}

void ThledejFORM::showSecondDate()
{
    const bool range = jakHledatGROUP.ItemIndex() == 1;
    for (TControl* c : std::initializer_list<TControl*>{&pomlckaLB, &den2CB, &mesic2CB, &rok2CB})
        c->Visible = range;
}

void ThledejFORM::hledejDatumBTClick()
{
    if (checkDateInput())
        hlavni->searchDate();
}

bool ThledejFORM::refuse(const char* key, const char* defaultText)
{
    ShowMessage(languageFile ? languageFile->readText("chyby", key, defaultText) : std::string(defaultText));
    return false;
}

namespace {

// Exactly one of the items: "01" is no day.
bool isItem(const TComboBox& box)
{
    for (const std::string& item : box.Items)
        if (item == box.Text())
            return true;
    return false;
}

} // namespace

bool ThledejFORM::checkDate(const TComboBox& day, const TComboBox& month, const TEdit& year)
{
    if (!isItem(day))
        return refuse("spatnyUdajUDnu", "Špatný údaj u dnu!");
    if (!isItem(month))
        return refuse("spatnyUdajUMesice", "Špatný údaj u měsíce!");
    if (!isDigitText(year.Text()))
        return refuse("spatnyUdajURoku", "Špatný údaj u roku!");
    return true;
}

bool ThledejFORM::checkDateInput()
{
    if (!checkDate(den1CB, mesic1CB, rok1CB))
        return false;
    if (jakHledatGROUP.ItemIndex() != 1)
        return true;
    if (!checkDate(den2CB, mesic2CB, rok2CB))
        return false;
    if (Datum(den1CB.Text(), mesic1CB.Text(), rok1CB.Text())
            .isAfter(Datum(den2CB.Text(), mesic2CB.Text(), rok2CB.Text())))
        return refuse("prvniDatumVyssiNezDruhe", "První datum je vyšší než druhý!");
    return true;
}

void ThledejFORM::osobyLISTDblClick()
{
    ModalResult = 1;
}
