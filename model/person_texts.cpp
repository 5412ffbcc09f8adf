#include "model/person_texts.h"

#include "model/casove_obdobi.h"
#include "model/clovek.h"
#include "model/date_texts.h"
#include "model/display_settings.h"
#include "model/svatba.h"
#include "model/text_source.h"
#include "model/uk_clovek.h"
#include "system/datetime.h"
#include "system/numbers.h"
#include "system/text.h"

namespace {

using Lines = std::vector<std::string>;

bool isWoman(const Clovek& person)
{
    return person.sex == 0;
}

// "narozen" or "narozena", "zemřel" or "zemřela".
std::string withFemaleEnding(const Clovek& person, TextSource& texts, const char* key,
                             const char* defaultText)
{
    std::string s = texts.langText("shrnutiOsoby", key, defaultText);
    if (isWoman(person))
        s += texts.langText("ruzne", "zenskaKoncovka", "a");
    return s;
}

std::string fullName(const Clovek& person, const DisplaySettings& settings)
{
    return person.fullName(settings.showBirthSurname(), false);
}

std::string displayName(const Clovek& person, const DisplaySettings& settings)
{
    return person.displayName(settings.showBirthSurname(), settings.showBirth(), true);
}

// A header before the first name of a list and a blank line after the last.
void writePersonList(const Prvky& list, const char* key, const char* defaultText, Lines& lines,
                     TextSource& texts, const DisplaySettings& settings)
{
    bool any = false;
    for (UkClovek* entry : list.items<UkClovek>()) {
        if (!entry->person())
            continue;
        if (!any)
            lines.push_back(texts.langText("shrnutiOsoby", key, defaultText));
        any = true;
        lines.push_back("   " + fullName(*entry->person(), settings));
    }
    if (any)
        lines.push_back("");
}

void writePeriods(const Prvky& periods, const char* key, const char* defaultText, Lines& lines,
                  TextSource& texts)
{
    bool any = false;
    for (CasoveObdobi* period : periods.items<CasoveObdobi>()) {
        if (period->text.empty())
            continue;
        if (!any)
            lines.push_back(texts.langText("shrnutiOsoby", key, defaultText));
        any = true;
        lines.push_back("   " + period->displayText());
    }
    if (any)
        lines.push_back("");
}

// The partnership's end as seen from `person`: the divorce, else today while both live, else
// the death of the one who died (the earlier death when both did). A record without another
// partner counts that partner as living.
Datum marriageEnd(const Clovek& person, const Clovek* other, const Svatba& partnership)
{
    if (partnership.isDivorced())
        return partnership.divorce;
    bool otherAlive = !other || other->alive;
    if (person.alive && otherAlive)
        return Datum(today());
    if (person.alive)
        return other->death;
    if (otherAlive)
        return person.death;
    return person.death.isBefore(other->death) ? person.death : other->death;
}

void writePartners(const Clovek& person, Lines& lines, TextSource& texts, const DisplaySettings& settings)
{
    bool any = false;
    for (UkSvatba* entry : person.partnerships.items<UkSvatba>()) {
        const Svatba& s = *entry->partnership;
        const Clovek* other = s.otherPartner(&person);
        if (other == &person)
            other = nullptr;
        if (!any)
            lines.push_back(texts.langText("shrnutiOsoby", "partneri", "partneři:"));
        any = true;
        std::string line = "   " + (other ? fullName(*other, settings) : std::string());
        bool wedded = s.hasWedding() && s.wedding.completeness() > 0;
        if (wedded) {
            line += " (" + s.wedding.longText(texts);
            if (s.isDivorced() && s.divorce.completeness() > 0)
                line += " - " + s.divorce.longText(texts);
            line += ")";
        }
        lines.push_back(line);
        Datum end = marriageEnd(person, other, s);
        // An end typed before the wedding is a slip, not a length to tell.
        if (wedded && end.completeness() > 0 && !end.isBefore(s.wedding))
            lines.push_back("      " +
                            texts.langText("shrnutiOsoby", "delkaManzelstvi", "délka manželství:") + " " +
                            ageOrIntervalText(s.wedding, end, texts));
    }
    if (any)
        lines.push_back("");
}

void writeDates(const Clovek& person, Lines& lines, TextSource& texts)
{
    bool any = false;
    if (person.birth.completeness() > 0) {
        std::string line =
            withFemaleEnding(person, texts, "narozen", "narozen") + ": " + person.birth.longText(texts);
        if (!person.birthPlace.empty())
            line += ", " + person.birthPlace;
        lines.push_back(line);
        any = true;
    }
    if (person.birth.isComplete()) {
        lines.push_back(person.birthSignText(texts));
        any = true;
    }
    if (!person.alive && person.death.completeness() > 0) {
        std::string line =
            withFemaleEnding(person, texts, "zemrel", "zemřel") + " " + person.death.longText(texts);
        if (!person.deathPlace.empty())
            line += ", " + person.deathPlace;
        if (!person.deathCause.empty())
            line += " (" + person.deathCause + ")";
        lines.push_back(line);
        any = true;
    }
    Datum end = person.alive ? Datum(today()) : person.death;
    if (person.birth.completeness() > 0 && end.completeness() > 0) {
        lines.push_back("   " + texts.langText("shrnutiOsoby", "delkaZivota", "délka života") + ": " +
                        ageOrIntervalText(person.birth, end, texts));
        any = true;
    }
    if (any)
        lines.push_back("");
}

} // namespace

std::string Clovek::birthSignText(TextSource& texts) const
{
    return withFemaleEnding(*this, texts, "narozen", "narozen") + " " +
           texts.langText("shrnutiOsoby", "veZnameni", "ve znamení:") + " " + birth.zodiacSign(texts);
}

void writePersonSummary(const Clovek& person, Lines& lines, TextSource& texts,
                        const DisplaySettings& settings)
{
    lines.clear();
    lines.push_back(fullName(person, settings));
    if (isWoman(person) && !person.birthSurname.empty() && person.birthSurname != person.surname)
        lines.push_back(texts.langText("shrnutiOsoby", "rodnePrijmeni", "rodné příjmení:") + " " +
                        person.birthSurname);
    lines.push_back("");

    writeDates(person, lines, texts);

    bool parents = false;
    if (person.father) {
        lines.push_back(texts.langText("shrnutiOsoby", "otec", " otec:") + " " +
                        fullName(*person.father, settings));
        parents = true;
    }
    if (person.mother) {
        lines.push_back(texts.langText("shrnutiOsoby", "matka", "matka:") + " " +
                        fullName(*person.mother, settings));
        parents = true;
    }
    if (parents)
        lines.push_back("");

    writePersonList(person.children, "deti", "děti:", lines, texts, settings);
    writePersonList(person.siblings(), "sourozenci", "sourozenci:", lines, texts, settings);
    writePartners(person, lines, texts, settings);
    writePeriods(person.residences, "bydliste", "bydliště:", lines, texts);
    writePeriods(person.educations, "vzdelani", "vzdělání:", lines, texts);
    writePeriods(person.occupations, "povolani", "povolání:", lines, texts);
    lines.push_back("");
}

void writePersonForm(const Clovek& person, Lines& lines, bool blank, TextSource& texts,
                     const DisplaySettings& settings)
{
    auto label = [&](const char* key, const char* defaultText) {
        return texts.langText("vyplneniFormulare", key, defaultText);
    };
    auto periods = [&](const char* key, const char* defaultText, const Prvky& list) {
        lines.push_back(label(key, defaultText));
        for (CasoveObdobi* period : list.items<CasoveObdobi>())
            lines.push_back(period->displayText());
        lines.push_back("");
        lines.push_back("");
    };
    auto pair = [&](const char* key, const char* defaultText, const std::string& first,
                    const std::string& second) {
        lines.push_back(label(key, defaultText) + " " + first);
        lines.push_back(second);
        lines.push_back("");
    };

    lines.clear();
    lines.push_back("");
    lines.push_back(label("jmenoAPrijmeni", "JMÉNO A PŘÍJMENÍ:") + " " + fullName(person, settings));
    lines.push_back(label("rodnePrijmeni", "Rodné příjmení:") + " " + person.birthSurname);
    lines.push_back("");
    lines.push_back(label("IDCislo", "Identifikační číslo:") + " " +
                    (blank ? std::string() : intToStr(person.number)));
    lines.push_back("");
    std::string sex = label("pohlavi", "Pohlaví:");
    if (!blank)
        sex += " " + Clovek::sexText(texts, person.sex);
    lines.push_back(sex);
    lines.push_back("");
    lines.push_back(label("datumNarozeni", "Datum narození:") + " " + person.birth.listText());
    lines.push_back(label("mistoNarozeni", "Místo narození:") + " " + person.birthPlace);
    lines.push_back("");
    lines.push_back(label("datumUmrti", "Datum úmrtí:") + " " +
                    (person.alive ? std::string() : person.death.listText()));
    lines.push_back(label("mistoUmrti", "Místo úmrtí:") + " " + person.deathPlace);
    lines.push_back(label("mistoPohrbeni", "Místo pohřbení:") + " " + person.burial);
    lines.push_back(label("pricinaUmrti", "Příčina úmrtí:") + " " + person.deathCause);
    lines.push_back("");
    lines.push_back(label("otec", "Otec:") +
                    (person.father ? displayName(*person.father, settings) : std::string()));
    lines.push_back("");
    lines.push_back(label("matka", "Matka:") +
                    (person.mother ? displayName(*person.mother, settings) : std::string()));
    lines.push_back("");
    lines.push_back(label("svatby", "Svatby:"));
    lines.push_back("");
    for (UkSvatba* entry : person.partnerships.items<UkSvatba>()) {
        const Svatba& s = *entry->partnership;
        if (!s.hasWedding())
            continue;
        lines.push_back(label("partner", "Partner:") + " " + s.otherPartnerName(&person, settings));
        lines.push_back(label("datumSvatby", "Datum svatby:") + " " + s.wedding.listText());
        lines.push_back(label("mistoSvatby", "Místo svatby:") + " " + s.place);
        lines.push_back(label("oddavajiciKnez", "Oddávající kněz:") + " " + s.officiant);
        lines.push_back(label("svedkove", "Svědkové:") + " " + s.witnesses);
        lines.push_back(label("datumRozvodu", "Datum rozvodu:") + " " +
                        (s.isDivorced() ? s.divorce.listText() : std::string()));
        lines.push_back("");
    }
    lines.push_back(label("partner", "Partner:"));
    lines.push_back(label("datumSvatby", "Datum svatby:"));
    lines.push_back(label("mistoSvatby", "Místo svatby:"));
    lines.push_back(label("oddavajiciKnez", "Oddávající kněz:"));
    lines.push_back(label("svedkove", "Svědkové:"));
    lines.push_back(label("datumRozvodu", "Datum rozvodu:"));
    lines.push_back("");
    lines.push_back(label("deti", "Děti:"));
    for (UkClovek* child : person.children.items<UkClovek>())
        if (child->person())
            lines.push_back(displayName(*child->person(), settings));
    lines.push_back("");
    lines.push_back("");
    periods("bydliste", "Bydliště:", person.residences);
    periods("vzdelani", "Vzdělání:", person.educations);
    periods("povolani", "Povolání:", person.occupations);
    pair("email", "Email:", person.email1, person.email2);
    pair("telefon", "Telefon:", person.phone1, person.phone2);
    pair("www", "WWW:", person.web1, person.web2);
    lines.push_back(label("dalsiPoznamky", "Další poznámky:"));
    lines.push_back("");
}

std::string tabContentsText(const Clovek& person, TextSource& texts)
{
    auto label = [&](const char* key) { return texts.langText("ruzne", key, key); };
    std::string s;
    if (person.photos.count() > 0)
        s += label("Fotky") + " " + intToStr(person.photos.count()) + "x;";
    if (person.documents.count() > 0)
        s += " " + label("Dok.") + " " + intToStr(person.documents.count()) + "x;";
    if (person.files.count() > 0)
        s += " " + label("Soub.") + " " + intToStr(person.files.count()) + "x;";
    if (!person.furtherTexts().empty())
        s += " " + label("Text") + ";";
    s = trim(s);
    if (!s.empty() && s.back() == ';')
        s.pop_back();
    return s.empty() ? s : " (" + s + ")";
}
