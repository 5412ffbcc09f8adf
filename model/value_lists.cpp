// The drop-down values of the person editor's text fields: what the open tree already uses, so
// a place or a title is typed once and then picked.
#include "model/casove_obdobi.h"
#include "model/clovek.h"
#include "model/display_settings.h"
#include "model/distinct_texts.h"
#include "model/person_fields.h"
#include "model/person_text_field.h"
#include "model/rod.h"
#include "model/svatba.h"
#include "model/text_source.h"
#include "system/stringlist.h"

#include <algorithm>
#include <initializer_list>

namespace {

// Every person of the tree in chain order, for `fillDistinct`.
auto chain(const Rod& tree)
{
    return [&tree](auto f) { tree.forEachPerson(f); };
}

const std::initializer_list<const char*> kTitlesBefore = {
    "Bc.",   "BcA.",  "doc.",    "Dr.",      "Ing.",  "Ing.arch.", "JUDr.", "MgA.",  "Mgr.",
    "MUDr.", "MVDr.", "PaedDr.", "PharmDr.", "PhDr.", "prof.",     "RNDr.", "ThDr.", "ThLic."};

const std::initializer_list<const char*> kTitlesAfter = {"CSc.",  "DiS.",  "dr.h.c.",
                                                         "DrSc.", "Ph.D.", "Th.D."};

struct KeyAndDefault {
    const char* key;
    const char* text;
};

const KeyAndDefault kDeathCauses[] = {{"neznama", "neznámá"},
                                      {"prirozena", "přirozená"},
                                      {"zdravotniProblemy", "zdravotní problémy"},
                                      {"rakovina", "rakovina"},
                                      {"nehoda", "nehoda"},
                                      {"vrazda", "vražda"},
                                      {"sebevrazda", "sebevražda"},
                                      {"priNarozeni", "při narození"},
                                      {"priPorodu", "při porodu"},
                                      {"jina", "jiná"}};

// The list emptied, the built-ins as they are, then each value that `values` hands over for each
// person `persons` walks, when it is not empty and not listed yet.
template<class Persons, class Values>
void fillDistinct(const Persons& persons, TStringList& list, const std::vector<std::string>& builtIns,
                  Values values)
{
    list.Clear();
    DistinctTexts out(list);
    for (const std::string& item : builtIns)
        out.addUnchecked(item);
    auto take = [&out](const std::string& value) {
        if (!value.empty())
            out.add(value);
    };
    persons([&](const Clovek* p) { values(p, take); });
    out.flush();
}

template<class Values> void fillDistinct(const Rod& tree, TStringList& list, Values values)
{
    fillDistinct(chain(tree), list, {}, values);
}

// Only the first person holding each text hands it over: a later one would add nothing.
template<auto field, class Persons>
void fillField(const Persons& persons, TStringList& list, const std::vector<std::string>& builtIns = {})
{
    SlotsSeen seen;
    fillDistinct(persons, list, builtIns, [&seen](const Clovek* p, auto take) {
        if (seen.firstTime(p->*field))
            take(p->*field);
    });
}

template<auto field>
void fillField(const Rod& tree, TStringList& list, const std::vector<std::string>& builtIns = {})
{
    fillField<field>(chain(tree), list, builtIns);
}

template<SparseList Clovek::*periods> void fillPeriods(const Rod& tree, TStringList& list)
{
    fillDistinct(tree, list, [](const Clovek* p, auto take) {
        for (const CasoveObdobi* e : (p->*periods).template items<CasoveObdobi>())
            take(e->text);
    });
}

std::vector<std::string> texts(std::initializer_list<const char*> items)
{
    return {items.begin(), items.end()};
}

} // namespace

void Rod::distinctFirstNames(TStringList& list) const
{
    fillField<&Clovek::firstName>(*this, list);
}

void Rod::distinctSurnames(TStringList& list) const
{
    fillField<&Clovek::surname>(*this, list);
}

void Rod::distinctBirthSurnames(TStringList& list) const
{
    fillField<&Clovek::birthSurname>(*this, list);
}

void Rod::distinctTitlesBefore(TStringList& list) const
{
    fillField<&Clovek::titlesBefore>(*this, list, texts(kTitlesBefore));
}

void Rod::distinctTitlesAfter(TStringList& list) const
{
    fillField<&Clovek::titlesAfter>(*this, list, texts(kTitlesAfter));
}

void Rod::distinctBirthPlaces(TStringList& list) const
{
    fillField<&Clovek::birthPlace>(*this, list);
}

void Rod::distinctDeathPlaces(TStringList& list) const
{
    fillField<&Clovek::deathPlace>(*this, list);
}

void Rod::distinctBurialPlaces(TStringList& list) const
{
    fillField<&Clovek::burial>(*this, list);
}

void Rod::distinctDeathCauses(TStringList& list, TextSource& source) const
{
    std::vector<std::string> causes{""};
    for (const KeyAndDefault& c : kDeathCauses)
        causes.push_back(source.langText("pricinaSmrti", c.key, c.text));
    fillField<&Clovek::deathCause>(*this, list, causes);
}

void Rod::distinctResidences(TStringList& list) const
{
    fillPeriods<&Clovek::residences>(*this, list);
}

void Rod::distinctEducations(TStringList& list) const
{
    fillPeriods<&Clovek::educations>(*this, list);
}

void Rod::distinctOccupations(TStringList& list) const
{
    fillPeriods<&Clovek::occupations>(*this, list);
}

void Rod::distinctWeddingPlaces(TStringList& list) const
{
    fillDistinct(*this, list, [](const Clovek* p, auto take) {
        for (const UkSvatba* e : p->partnerships.items<UkSvatba>())
            if (e->partnership)
                take(e->partnership->place);
    });
}

void Rod::distinctReligions(TStringList& list) const
{
    fillField<&Clovek::religion>(*this, list);
}

void Rod::distinctBaptisms(TStringList& list) const
{
    fillField<&Clovek::baptism>(*this, list);
}

void Rod::distinctNationalities(TStringList& list) const
{
    fillField<&Clovek::nationality>(*this, list);
}

void Rod::distinctCitizenships(TStringList& list) const
{
    fillField<&Clovek::citizenship>(*this, list);
}

void Rod::distinctUser1Values(TStringList& list) const
{
    fillField<&Clovek::user1>(*this, list);
}

void Rod::distinctUser2Values(TStringList& list) const
{
    fillField<&Clovek::user2>(*this, list);
}

void Rod::distinctUser3Values(TStringList& list) const
{
    fillField<&Clovek::user3>(*this, list);
}

void Rod::distinctUser4Values(TStringList& list) const
{
    fillField<&Clovek::user4>(*this, list);
}

void Rod::distinctUser5Values(TStringList& list) const
{
    fillField<&Clovek::user5>(*this, list);
}

// Every list is made from one text field whose writes are counted, so a person holding any such
// text may change one.
bool Rod::holdsValueListTexts(const Clovek& p)
{
    for (const PersonFieldInfo& f : personFields)
        if (f.kind == FieldKind::text && f.text.counted() && !f.text.of(p).empty())
            return true;
    return false;
}

Rod::KeptValueList& Rod::keptValueList(void (Rod::*values)(TStringList&) const) const
{
    for (KeptValueList& k : keptValueLists_)
        if (k.values == values)
            return k;
    KeptValueList& kept = keptValueLists_.emplace_back();
    kept.values = values;
    return kept;
}

bool Rod::KeptValueList::current(const Rod& tree, const PersonTextField& field) const
{
    return filled && chainChanges == tree.chainChanges_ && fieldWrites == field.writesToField() &&
           otherWrites == SparseText::writeCount() - PersonTextField::writesThroughFields();
}

void Rod::KeptValueList::keep(const Rod& tree, const PersonTextField& field, const TStringList& made)
{
    lines.clear();
    for (const std::string& line : made)
        lines.push_back(line);
    filled = true;
    chainChanges = tree.chainChanges_;
    fieldWrites = field.writesToField();
    otherWrites = SparseText::writeCount() - PersonTextField::writesThroughFields();
}

void Rod::keptDistinctTexts(TStringList& list, void (Rod::*values)(TStringList&) const,
                            const PersonTextField& field) const
{
    if (!field.counted()) {
        (this->*values)(list);
        return;
    }
    KeptValueList& kept = keptValueList(values);
    if (!kept.current(*this, field)) {
        TStringList made;
        (this->*values)(made);
        kept.keep(*this, field, made);
    }
    // As the fill itself adds them: one sort at the end for a sorted list.
    list.Clear();
    const bool sorted = list.Sorted();
    list.setSorted(false);
    for (const std::string& line : kept.lines)
        list.Add(line);
    list.setSorted(sorted);
}

void Rod::keepFirstNames(const std::vector<const Clovek*>& firstOfEachText) const
{
    TStringList made;
    fillField<&Clovek::firstName>(
        [&](auto f) { std::for_each(firstOfEachText.begin(), firstOfEachText.end(), f); }, made);
    keptValueList(&Rod::distinctFirstNames).keep(*this, PersonTextField(&Clovek::firstName), made);
}

void Rod::listOtherPersons(TStringList& list, const Clovek* except, const DisplaySettings& settings) const
{
    list.Clear();
    std::vector<std::string> names;
    names.reserve(size_t(personCount()));
    forEachPerson([&](const Clovek* p) {
        if (p != except)
            p->displayNameInto(names.emplace_back(), settings.showBirthSurname(), settings.showBirth(), true);
    });
    bool sorted = list.Sorted();
    list.setSorted(false);
    for (const std::string& name : names)
        list.Add(name);
    list.setSorted(sorted);
}
