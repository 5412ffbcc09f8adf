#pragma once
// The fields of a person in one table: how each is named in the tree file and in the steps of
// the undo history, which page of the person editor shows it, and where it lives in `Clovek`.
// The tree's loader and writer, the undo replay and the editor walk this table, so a field is
// added here once; each of them keeps only what is its own (a control, a record type) in a
// `switch` over `PersonField` without a default, which the compiler checks for every field.
//
// The rows stand in the order the writer puts a person's block into the tree file; the loader
// accepts them in any order.
#include "model/clovek.h"
#include "model/editor_port.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

enum class PersonField : uint8_t {
    number,
    identifier,
    lock,
    firstName,
    surname,
    birthSurname,
    sex,
    titlesBefore,
    titlesAfter,
    alive,
    birthDay,
    birthMonth,
    birthYear,
    birthPlace,
    birthAbout,
    birthTolerance,
    deathDay,
    deathMonth,
    deathYear,
    deathPlace,
    burial,
    deathCause,
    deathAbout,
    deathTolerance,
    portrait,
    father,
    mother,
    residences,
    educations,
    occupations,
    religion,
    baptism,
    godparent1,
    godparent2,
    nationality,
    citizenship,
    email1,
    email2,
    phone1,
    phone2,
    web1,
    web2,
    created,
    user1,
    user2,
    user3,
    user4,
    user5,
    furtherTexts,
    registerNotes,
    photos,
    documents,
    files,
};

inline constexpr size_t personFieldCount = static_cast<size_t>(PersonField::files) + 1;

// What a field holds, and so which accessor of its row is set.
enum class FieldKind : uint8_t {
    text, // `text`
    flag, // `flag`: 0 or 1
    number, // `number`
    datePart, // `date` and `datePart`: the day, month or year of the birth or death
    dateAbout, // `date` and `dateAbout`
    dateTolerance, // `date` and `dateTolerance`
    parent, // `parent`: a link to another person, by number in the file
    period, // `list` of `CasoveObdobi`
    created, // `Clovek::created`
    lines, // `lines`
    mediaLinks, // `list` of references to the tree's media records, by number in the file
};

struct PersonFieldInfo {
    PersonField field = PersonField::number;
    FieldKind kind = FieldKind::number;
    // The key line before the value in a person's block of the tree file.
    std::string_view fileKey = {};
    // The key of the field's undo steps; empty for a field that has none of its own.
    std::string_view stepKey = {};
    // Where the editor shows the field, and so where its steps are replayed.
    EditorPage page = EditorPage::basicData;
    // Written only for a person who has died; the loader reads it for anyone.
    bool onlyWhenDead = false;

    PersonTextField text = {};
    uint8_t Clovek::*flag = nullptr;
    int32_t Clovek::*number = nullptr;
    Datum Clovek::*date = nullptr;
    SparseText Datum::*datePart = nullptr;
    uint8_t Datum::*dateAbout = nullptr;
    int32_t Datum::*dateTolerance = nullptr;
    Clovek* Clovek::*parent = nullptr;
    SparseList Clovek::*list = nullptr;
    // Which of the person's lists of notes (`Clovek::lines`).
    NoteList noteList = NoteList::furtherTexts;
};

namespace person_fields_detail {

constexpr PersonFieldInfo row(PersonField f, FieldKind kind, std::string_view file,
                              std::string_view step = {}, EditorPage page = EditorPage::basicData,
                              bool dead = false)
{
    PersonFieldInfo i;
    i.field = f;
    i.kind = kind;
    i.fileKey = file;
    i.stepKey = step;
    i.page = page;
    i.onlyWhenDead = dead;
    return i;
}

constexpr PersonFieldInfo text(PersonField f, std::string_view file, std::string_view step, EditorPage page,
                               PersonTextField t, bool dead = false)
{
    PersonFieldInfo i = row(f, FieldKind::text, file, step, page, dead);
    i.text = t;
    return i;
}

constexpr PersonFieldInfo flag(PersonField f, std::string_view file, std::string_view step,
                               uint8_t Clovek::*m)
{
    PersonFieldInfo i = row(f, FieldKind::flag, file, step);
    i.flag = m;
    return i;
}

constexpr PersonFieldInfo numberField(PersonField f, std::string_view file, int32_t Clovek::*m)
{
    PersonFieldInfo i = row(f, FieldKind::number, file);
    i.number = m;
    return i;
}

constexpr PersonFieldInfo datePart(PersonField f, std::string_view file, std::string_view step,
                                   Datum Clovek::*d, SparseText Datum::*part, bool dead)
{
    PersonFieldInfo i = row(f, FieldKind::datePart, file, step, EditorPage::basicData, dead);
    i.date = d;
    i.datePart = part;
    return i;
}

constexpr PersonFieldInfo about(PersonField f, std::string_view file, std::string_view step, Datum Clovek::*d,
                                bool dead)
{
    PersonFieldInfo i = row(f, FieldKind::dateAbout, file, step, EditorPage::basicData, dead);
    i.date = d;
    i.dateAbout = &Datum::about;
    return i;
}

// The tolerance goes back with the about flag, in the about flag's step.
constexpr PersonFieldInfo tolerance(PersonField f, std::string_view file, Datum Clovek::*d, bool dead)
{
    PersonFieldInfo i = row(f, FieldKind::dateTolerance, file, {}, EditorPage::basicData, dead);
    i.date = d;
    i.dateTolerance = &Datum::tolerance;
    return i;
}

// Both parents share the one step key "parent", whose record names which parent it is.
constexpr PersonFieldInfo parent(PersonField f, std::string_view file, Clovek* Clovek::*m)
{
    PersonFieldInfo i = row(f, FieldKind::parent, file);
    i.parent = m;
    return i;
}

constexpr PersonFieldInfo list(PersonField f, FieldKind kind, std::string_view file, std::string_view step,
                               SparseList Clovek::*m, EditorPage page = EditorPage::basicData)
{
    PersonFieldInfo i = row(f, kind, file, step, page);
    i.list = m;
    return i;
}

constexpr PersonFieldInfo lines(PersonField f, std::string_view file, std::string_view step, EditorPage page,
                                NoteList which)
{
    PersonFieldInfo i = row(f, FieldKind::lines, file, step, page);
    i.noteList = which;
    return i;
}

constexpr std::array<PersonFieldInfo, personFieldCount> table()
{
    using enum PersonField;
    using C = Clovek;
    using D = Datum;
    constexpr EditorPage basic = EditorPage::basicData;
    constexpr EditorPage further = EditorPage::furtherData;
    constexpr EditorPage texts = EditorPage::textsAndFiles;
    return {{
        numberField(PersonField::number, "[cislo]", &C::number),
        text(identifier, "[identifikator]", "identifikator", further, &C::identifier),
        flag(lock, "[zamek]", "zamek", &C::lock),
        text(firstName, "[jmeno]", "jmeno", basic, &C::firstName),
        text(surname, "[prijmeni]", "prijmeni", basic, &C::surname),
        text(birthSurname, "[rodnePrijmeni]", "rodnePrijmeni", basic, &C::birthSurname),
        flag(sex, "[pohlavi]", "pohlavi", &C::sex),
        text(titlesBefore, "[titulPred]", "titulPred", basic, &C::titlesBefore),
        text(titlesAfter, "[titulZa]", "titulZa", basic, &C::titlesAfter),
        flag(alive, "[zije]", "zije", &C::alive),
        datePart(birthDay, "[narozDen]", "narozeniDen", &C::birth, &D::day, false),
        datePart(birthMonth, "[narozMesic]", "narozeniMesic", &C::birth, &D::month, false),
        datePart(birthYear, "[narozRok]", "narozeniRok", &C::birth, &D::year, false),
        text(birthPlace, "[narozMisto]", "narozeniMisto", basic, &C::birthPlace),
        about(birthAbout, "[narozAsi]", "narozeniAsi", &C::birth, false),
        tolerance(birthTolerance, "[narozTolerance]", &C::birth, false),
        datePart(deathDay, "[smrtDen]", "smrtDen", &C::death, &D::day, true),
        datePart(deathMonth, "[smrtMesic]", "smrtMesic", &C::death, &D::month, true),
        datePart(deathYear, "[smrtRok]", "smrtRok", &C::death, &D::year, true),
        text(deathPlace, "[smrtMisto]", "smrtMisto", basic, &C::deathPlace, true),
        text(burial, "[smrtPohreb]", "smrtPohreb", basic, &C::burial, true),
        text(deathCause, "[smrtPricina]", "smrtPricina", basic, &C::deathCause, true),
        about(deathAbout, "[smrtAsi]", "smrtAsi", &C::death, true),
        tolerance(deathTolerance, "[smrtTolerance]", &C::death, true),
        flag(portrait, "[hlava]", "hlava", &C::hasPortrait),
        parent(father, "[otec]", &C::father),
        parent(mother, "[matka]", &C::mother),
        list(residences, FieldKind::period, "[bydliste]", "bydliste", &C::residences),
        list(educations, FieldKind::period, "[vzdelani]", "vzdelani", &C::educations),
        list(occupations, FieldKind::period, "[povolani]", "povolani", &C::occupations),
        text(religion, "[vyznani]", "vyznani", further, &C::religion),
        text(baptism, "[krest]", "krest", further, &C::baptism),
        text(godparent1, "[kmotr1]", "kmotr1", further, &C::godparent1),
        text(godparent2, "[kmotr2]", "kmotr2", further, &C::godparent2),
        text(nationality, "[narodnost]", "narodnost", further, &C::nationality),
        text(citizenship, "[statniPrislusnost]", "statniPrislusnost", further, &C::citizenship),
        text(email1, "[email1]", "email1", further, &C::email1),
        text(email2, "[email2]", "email2", further, &C::email2),
        text(phone1, "[telefon1]", "telefon1", further, &C::phone1),
        text(phone2, "[telefon2]", "telefon2", further, &C::phone2),
        text(web1, "[www1]", "www1", further, &C::web1),
        text(web2, "[www2]", "www2", further, &C::web2),
        row(created, FieldKind::created, "[datumVlozeni]", {}, further),
        text(user1, "[user1]", "user1", further, &C::user1),
        text(user2, "[user2]", "user2", further, &C::user2),
        text(user3, "[user3]", "user3", further, &C::user3),
        text(user4, "[user4]", "user4", further, &C::user4),
        text(user5, "[user5]", "user5", further, &C::user5),
        lines(furtherTexts, "[doplnujiciTexty]", "doplnujiciTexty", texts, NoteList::furtherTexts),
        lines(registerNotes, "[matriky]", "matriky", further, NoteList::registerNotes),
        list(photos, FieldKind::mediaLinks, "[foto]", {}, &C::photos, texts),
        list(documents, FieldKind::mediaLinks, "[dokumenty]", {}, &C::documents, texts),
        list(files, FieldKind::mediaLinks, "[soubory]", {}, &C::files, texts),
    }};
}

} // namespace person_fields_detail

inline constexpr std::array<PersonFieldInfo, personFieldCount> personFields = person_fields_detail::table();

// A row per field, each where its enumerator says: `personField(f)` is an index, never a search.
constexpr bool personFieldsInEnumOrder()
{
    for (size_t i = 0; i < personFieldCount; ++i)
        if (static_cast<size_t>(personFields[i].field) != i)
            return false;
    return true;
}
static_assert(personFieldsInEnumOrder(), "one row per PersonField, in the enumeration's order");

constexpr const PersonFieldInfo& personField(PersonField f)
{
    return personFields[static_cast<size_t>(f)];
}

// The field whose undo steps carry `stepKey`; null for a step of anything else.
inline const PersonFieldInfo* personFieldOfStep(std::string_view stepKey)
{
    if (stepKey.empty())
        return nullptr;
    for (const PersonFieldInfo& f : personFields)
        if (f.stepKey == stepKey)
            return &f;
    return nullptr;
}
