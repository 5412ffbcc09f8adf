#include "gedcom/export_families.h"

#include "model/clovek.h"
#include "model/rod.h"
#include "model/svatba.h"

GEDRodina* GEDRodiny::findCouple(const Clovek* husband, const Clovek* wife) const
{
    auto it = byCouple_.find({husband, wife});
    return it == byCouple_.end() ? nullptr : it->second;
}

GEDRodina& GEDRodiny::coupleFamily(Clovek* husband, Clovek* wife)
{
    auto [it, added] = byCouple_.try_emplace({husband, wife}, nullptr);
    if (added) {
        auto family = std::make_unique<GEDRodina>();
        family->number = count() + 1;
        family->husband = husband;
        family->wife = wife;
        it->second = family.get();
        families_.push_back(std::move(family));
    }
    return *it->second;
}

GEDRodina& GEDRodiny::singleParentFamily(Clovek* parent)
{
    return parent->sex == 1 ? coupleFamily(parent, nullptr) : coupleFamily(nullptr, parent);
}

void buildGedcomFamilies(Rod& tree, const std::vector<Clovek*>& persons, GEDRodiny& families)
{
    tree.setAllPartnershipFlags(0);
    for (Clovek* p : persons) {
        for (UkSvatba* e : p->partnerships.items<UkSvatba>()) {
            Svatba* s = e->partnership;
            if (!s || s->visited)
                continue;
            s->visited = 1;
            if (!s->hasBothPartners() || (s->partner1 != p && s->partner2 != p))
                continue;
            Clovek* other = s->otherPartner(p);
            GEDRodina& family =
                p->sex == 1 ? families.coupleFamily(p, other) : families.coupleFamily(other, p);
            family.partnership = s;
        }
        if (p->father && p->mother && p->father != p->mother)
            families.coupleFamily(p->father, p->mother).children.push_back(p);
        else if (p->father || p->mother)
            families.singleParentFamily(p->father ? p->father : p->mother).children.push_back(p);
    }
}
