#include "model/bulk_fill.h"

#include "model/casove_obdobi.h"
#include "model/clovek.h"
#include "model/group.h"
#include "model/rod.h"
#include "model/uk_clovek.h"

namespace {

void fillOne(Clovek& p, BulkField field, const std::string& text)
{
    switch (field) {
    case BulkField::birthPlace:
        p.birthPlace = text;
        break;
    case BulkField::deathPlace:
        p.deathPlace = text;
        break;
    case BulkField::burialPlace:
        p.burial = text;
        break;
    case BulkField::residence:
        p.residences.append(std::make_unique<CasoveObdobi>(text));
        break;
    case BulkField::education:
        p.educations.append(std::make_unique<CasoveObdobi>(text));
        break;
    case BulkField::occupation:
        p.occupations.append(std::make_unique<CasoveObdobi>(text));
        break;
    case BulkField::religion:
        p.religion = text;
        break;
    case BulkField::nationality:
        p.nationality = text;
        break;
    case BulkField::citizenship:
        p.citizenship = text;
        break;
    }
}

} // namespace

int bulkFill(Rod& tree, const Group* group, BulkField field, const std::string& text)
{
    int skipped = 0;
    const auto fill = [&](Clovek& p) {
        if (p.lock)
            ++skipped;
        else
            fillOne(p, field, text);
    };
    if (group) {
        for (UkGrClovek* m : group->members.items<UkGrClovek>())
            if (m->person())
                fill(*m->person());
        return skipped;
    }
    tree.forEachPerson([&](Clovek* p) { fill(*p); });
    return skipped;
}
