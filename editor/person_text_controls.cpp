#include "editor/person_text_controls.h"

#include "forms/hlavni_form.h"
#include "model/rod.h"

PersonTextControl personTextControl(ThlavniForm& window, PersonField field)
{
    ZakladniSheet& z = window.zakladniSheet;
    DalsiSheet& d = window.dalsiSheet;
    using enum PersonField;
    switch (field) {
    case identifier:
        return {nullptr, &d.idED};
    case firstName:
        return {&z.jmenoCB, nullptr, &Rod::distinctFirstNames};
    case surname:
        return {&z.prijmeniCB, nullptr, &Rod::distinctSurnames};
    case birthSurname:
        return {&z.rodnePrijmeniCB, nullptr, &Rod::distinctBirthSurnames};
    case titlesBefore:
        return {&z.titulPredCB, nullptr, &Rod::distinctTitlesBefore};
    case titlesAfter:
        return {&z.titulZaCB, nullptr, &Rod::distinctTitlesAfter};
    case birthPlace:
        return {&z.narozMistoCB, nullptr, &Rod::distinctBirthPlaces};
    case deathPlace:
        return {&z.smrtMistoCB, nullptr, &Rod::distinctDeathPlaces};
    case burial:
        return {&z.smrtPohrebCB, nullptr, &Rod::distinctBurialPlaces};
    // The causes of death are offered with the language's own (editor/basic_page_events.cpp).
    case deathCause:
        return {&z.smrtPricinaCB};
    case religion:
        return {&d.vyznaniCB, nullptr, &Rod::distinctReligions};
    case baptism:
        return {&d.krestCB, nullptr, &Rod::distinctBaptisms};
    // The godparents' boxes offer the other persons of the tree.
    case godparent1:
        return {&d.kmotr1CB};
    case godparent2:
        return {&d.kmotr2CB};
    case nationality:
        return {&d.narodnostCB, nullptr, &Rod::distinctNationalities};
    case citizenship:
        return {&d.statniPrislusnostCB, nullptr, &Rod::distinctCitizenships};
    case email1:
        return {nullptr, &d.email1ED};
    case email2:
        return {nullptr, &d.email2ED};
    case phone1:
        return {nullptr, &d.telefon1ED};
    case phone2:
        return {nullptr, &d.telefon2ED};
    case web1:
        return {nullptr, &d.www1ED};
    case web2:
        return {nullptr, &d.www2ED};
    case user1:
        return {&d.user1CB, nullptr, &Rod::distinctUser1Values};
    case user2:
        return {&d.user2CB, nullptr, &Rod::distinctUser2Values};
    case user3:
        return {&d.user3CB, nullptr, &Rod::distinctUser3Values};
    case user4:
        return {&d.user4CB, nullptr, &Rod::distinctUser4Values};
    case user5:
        return {&d.user5CB, nullptr, &Rod::distinctUser5Values};
    case number:
    case lock:
    case sex:
    case alive:
    case birthDay:
    case birthMonth:
    case birthYear:
    case birthAbout:
    case birthTolerance:
    case deathDay:
    case deathMonth:
    case deathYear:
    case deathAbout:
    case deathTolerance:
    case portrait:
    case father:
    case mother:
    case residences:
    case educations:
    case occupations:
    case created:
    case furtherTexts:
    case registerNotes:
    case photos:
    case documents:
    case files:
        return {};
    }
    return {};
}
