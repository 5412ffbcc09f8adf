// How much of a person's most asked-for data is filled in.
#include "model/clovek.h"
#include "model/rod.h"

int Clovek::updatePercentFilled()
{
    constexpr int items = 11;
    const int points = !firstName.empty() + !surname.empty() + !Datum::isUnknown(birth.day) +
                       !Datum::isUnknown(birth.month) + !Datum::isUnknown(birth.year) + !birthPlace.empty() +
                       (father != nullptr) + (mother != nullptr) + (residences.count() > 0) +
                       (educations.count() > 0) + (occupations.count() > 0);
    percentFilled = points * 100 / items;
    return percentFilled;
}

void Rod::updateAllPercentFilled()
{
    for (Clovek* p = firstPerson; p; p = p->chainNext)
        p->updatePercentFilled();
}
