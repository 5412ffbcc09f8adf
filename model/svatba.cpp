#include "model/svatba.h"

#include "model/clovek.h"
#include "model/display_settings.h"
#include "system/datetime.h"

#include <algorithm>

Clovek* Svatba::otherPartner(const Clovek* person) const
{
    return person == partner1 ? partner2 : partner1;
}

Clovek* Svatba::partnerOfSex(uint8_t sex) const
{
    return partner1 && partner1->sex == sex ? partner1 : partner2;
}

bool Svatba::hasBothPartners() const
{
    return partner1 && partner2 && partner1 != partner2;
}

Datum Svatba::endDate() const
{
    if (isDivorced())
        return divorce;
    if (!isMarried() || !hasBothPartners())
        return Datum();
    bool alive1 = partner1->alive, alive2 = partner2->alive;
    if (alive1 && alive2)
        return Datum(today());
    if (!alive1 && alive2)
        return partner1->death;
    if (alive1 && !alive2)
        return partner2->death;
    return partner1->death.isAfter(partner2->death) ? partner2->death : partner1->death;
}

std::string Svatba::otherPartnerName(const Clovek* person, const DisplaySettings& settings) const
{
    const Clovek* other = otherPartner(person);
    if (!other || other == person)
        return "";
    return other->displayName(settings.showBirthSurname(), settings.showBirth(), true);
}

bool UkSvatba::sortsBefore(const Prvek* other) const
{
    return orderKey < static_cast<const UkSvatba*>(other)->orderKey;
}

bool UkSvatba::sortsAfter(const Prvek* other) const
{
    return orderKey > static_cast<const UkSvatba*>(other)->orderKey;
}

bool UkSvatba::sortElements(std::vector<Prvek*>& elements) const
{
    std::stable_sort(elements.begin(), elements.end(),
                     [](const Prvek* a, const Prvek* b) { return a->sortsBefore(b); });
    return true;
}
