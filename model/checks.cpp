#include "model/checks.h"

#include "model/clovek.h"
#include "model/svatba.h"

namespace {

bool dead(const Clovek& p)
{
    return p.alive == 0;
}

} // namespace

DateCheck checkFatherDates(const Clovek& father, const Clovek& child, int minAge, bool fatherDeathRule)
{
    if (father.birth.isAfter(child.birth))
        return DateCheckFailure{"otecMladsiDite", "Otec by byl mladší než dítě!"};
    if (father.birth.plusMonths(minAge * 12).isAfter(child.birth))
        return DateCheckFailure{"nizkyVekOtcePriDiteti", "Příliš nízký věk otce při narození dítěte!"};
    if (fatherDeathRule && dead(father) && father.death.plusMonths(9).isBefore(child.birth))
        return DateCheckFailure{"otecZemrelPredDitetem",
                                "Otec by zemřel dříve před narozením dítěte, než je možné!"};
    if (dead(child) && father.birth.isAfter(child.death))
        return DateCheckFailure{"otecNarodilPoSmrtiDitete", "Otec by se narodil po smrti svého dítěte!"};
    return std::nullopt;
}

DateCheck checkMotherDates(const Clovek& mother, const Clovek& child, int minAge)
{
    if (mother.birth.isAfter(child.birth))
        return DateCheckFailure{"matkaMladsiDite", "Matka by byla mladší než dítě!"};
    if (mother.birth.plusMonths(minAge * 12).isAfter(child.birth))
        return DateCheckFailure{"nizkyVekMatkyPriDiteti", "Příliš nízký věk matky při narození dítěte!"};
    if (dead(mother) && mother.death.isBefore(child.birth))
        return DateCheckFailure{"matkaZemrelaPredDitetem", "Matka by zemřela před narozením dítěte!"};
    if (dead(child) && mother.birth.isAfter(child.death))
        return DateCheckFailure{"matkaNarodilaPoSmrtiDitete", "Matka by se narodila po smrti svého dítěte!"};
    return std::nullopt;
}

DateCheck checkPartnershipDates(const Clovek& a, const Clovek& b, const Svatba* partnership)
{
    if ((dead(b) && a.birth.isAfter(b.death)) || (dead(a) && b.birth.isAfter(a.death)))
        return DateCheckFailure{"partnerZemrelPredNarozenimDruheho",
                                "Jeden z partnerů by zemřel před narozením druhého!"};
    if (!partnership)
        return std::nullopt;
    const Svatba& s = *partnership;
    if (s.wedding.isBefore(a.birth) || s.wedding.isBefore(b.birth))
        return DateCheckFailure{"obradPredNarozenim",
                                "Svatební obřad by předcházel narození alespoň jednoho z partnerů!"};
    if (s.isDivorced() && (s.divorce.isBefore(a.birth) || s.divorce.isBefore(b.birth)))
        return DateCheckFailure{"rozvodPredNarozenim",
                                "Rozvod by předcházel narození alespoň jednoho z partnerů!"};
    if ((dead(a) && s.wedding.isAfter(a.death)) || (dead(b) && s.wedding.isAfter(b.death)))
        return DateCheckFailure{"obradPoSmrti",
                                "Svatební obřad by se uskutečnil až po smrti alespoň jednoho z partnerů!"};
    if (s.isDivorced() &&
        ((dead(a) && s.divorce.isAfter(a.death)) || (dead(b) && s.divorce.isAfter(b.death))))
        return DateCheckFailure{"rozvodPoSmrti",
                                "Rozvod by se uskutečnil ažpo smrti alespoň jednoho z partnerů!"};
    return std::nullopt;
}
