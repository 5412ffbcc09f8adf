#include "reports/text_export.h"

#include "model/casove_obdobi.h"
#include "model/clovek.h"
#include "model/datum.h"
#include "model/rod.h"
#include "model/svatba.h"

namespace {

std::string identifierOf(const Clovek* person)
{
    return person ? person->identifier : std::string();
}

std::string joined(const Prvky& periods)
{
    std::string out;
    for (CasoveObdobi* e : periods.items<CasoveObdobi>())
        out += (out.empty() ? "" : ", ") + e->displayText();
    return out;
}

std::string partnerIdentifiers(const Clovek& person)
{
    std::string out;
    bool first = true;
    for (UkSvatba* e : person.partnerships.items<UkSvatba>()) {
        if (!first)
            out += ",";
        out += identifierOf(e->partnership->otherPartner(&person));
        first = false;
    }
    return out;
}

// The known parts as the date's own compact form has them, except that a known day keeps its
// unknown month in sight: "2.1823" would read as February 1823 beside "3.1900" for March.
std::string dateText(const Datum& date)
{
    if (Datum::isUnknown(date.day) || !Datum::isUnknown(date.month))
        return date.shortText();
    return date.day.str() + ".?." + (Datum::isUnknown(date.year) ? std::string() : date.year.str());
}

std::string valueOf(const Clovek& p, TextColumn column)
{
    switch (column) {
    case TextColumn::FirstName:
        return p.firstName;
    case TextColumn::Surname:
        return p.surname;
    case TextColumn::BirthSurname:
        return p.birthSurname;
    case TextColumn::Sex:
        return p.sex == 1 ? "1" : "0";
    case TextColumn::Identifier:
        return p.identifier;
    case TextColumn::BirthDate:
        return dateText(p.birth);
    case TextColumn::BirthPlace:
        return p.birthPlace;
    case TextColumn::DeathDate:
        return dateText(p.death);
    case TextColumn::DeathPlace:
        return p.deathPlace;
    case TextColumn::Burial:
        return p.burial;
    case TextColumn::DeathCause:
        return p.deathCause;
    case TextColumn::FatherId:
        return identifierOf(p.father);
    case TextColumn::MotherId:
        return identifierOf(p.mother);
    case TextColumn::PartnerIds:
        return partnerIdentifiers(p);
    case TextColumn::Residences:
        return joined(p.residences);
    case TextColumn::Educations:
        return joined(p.educations);
    case TextColumn::Occupations:
        return joined(p.occupations);
    case TextColumn::Religion:
        return p.religion;
    case TextColumn::Baptism:
        return p.baptism;
    case TextColumn::Nationality:
        return p.nationality;
    case TextColumn::Citizenship:
        return p.citizenship;
    case TextColumn::Email:
        return p.email1;
    case TextColumn::Phone:
        return p.phone1;
    case TextColumn::Web:
        return p.web1;
    }
    return {};
}

} // namespace

std::vector<std::string> textExportLines(const Rod& tree, const TextExportChoice& choice)
{
    std::vector<std::string> lines;
    for (const Clovek* p = tree.firstPerson; p; p = p->chainNext) {
        std::string line;
        for (int c = 0; c < textColumnCount; ++c)
            if (choice.columns[size_t(c)])
                line += valueOf(*p, TextColumn(c)) + choice.separator;
        lines.push_back(std::move(line));
    }
    return lines;
}
