#include "model/clovek.h"

#include "model/text_source.h"
#include "model/uk_clovek.h"
#include "system/numbers.h"
#include "system/text.h"

Clovek::Clovek() : Clovek(now()) { }

Clovek::Clovek(TDateTime createdAt) : created(createdAt) { }

uint64_t Clovek::nextWalkStamp()
{
    return nextWalkStamps(1);
}

uint64_t Clovek::nextWalkStamps(uint64_t count)
{
    static uint64_t stamp = 0;
    const uint64_t first = stamp + 1;
    stamp += count;
    return first;
}

Clovek::~Clovek()
{
    while (firstReferrer_)
        firstReferrer_->detach();
}

void Clovek::setLines(NoteList which, std::span<const std::string> given)
{
    if (notes_ || !given.empty())
        notes_ = NoteBlock::rebuilt(notes_.get(), which, given, false);
}

void Clovek::appendLines(NoteList which, std::span<const std::string> added)
{
    if (!added.empty())
        notes_ = NoteBlock::rebuilt(notes_.get(), which, added, true);
}

std::string Clovek::displayName(bool useBirthSurname, bool showBirthYear, bool showIdentifier) const
{
    std::string s;
    displayNameInto(s, useBirthSurname, showBirthYear, showIdentifier);
    return s;
}

void Clovek::displayNameInto(std::string& out, bool useBirthSurname, bool showBirthYear,
                             bool showIdentifier) const
{
    // A woman's birth surname stands for her surname only where one is recorded.
    out = (useBirthSurname && sex == 0 && !birthSurname.empty()) || surname.empty() ? birthSurname : surname;
    out += ' ';
    out += firstName;
    if (showBirthYear) {
        out += ", ";
        out += birth.year;
    }
    if (showIdentifier) {
        out += " (";
        out += identifier;
        out += ')';
    }
}

std::string Clovek::fullName(bool useBirthSurname, bool unknownIfBlank) const
{
    std::string s;
    if ((useBirthSurname && sex == 0 && !birthSurname.empty()) || surname.empty())
        s = firstName + " " + birthSurname;
    else
        s = firstName + " " + surname;
    if (!titlesBefore.empty())
        s = titlesBefore + " " + s;
    if (!titlesAfter.empty())
        s += ", " + titlesAfter;
    if (unknownIfBlank && trim(s).empty())
        return "neznámé jméno (" + intToStr(number) + ")";
    return s;
}

std::string Clovek::gedcomName() const
{
    const SparseText* name;
    if (sex == 1)
        name = surname.empty() ? &birthSurname : &surname;
    else
        name = birthSurname.empty() ? &surname : &birthSurname;
    std::string part = "/" + *name + "/";
    return firstName.empty() ? part : firstName + " " + part;
}

std::string Clovek::sexText(TextSource& texts, int sex)
{
    if (sex == 1)
        return texts.langText("vyplneniFormulare", "muz", "muž");
    return texts.langText("vyplneniFormulare", "zena", "žena");
}
