#include "editor/person_field_controls.h"

#include "forms/hlavni_form.h"
#include "model/rod.h"

namespace {

// A text in a combo box: locked with the person.
PersonFieldControls box(TComboBox& b, void (Rod::*values)(TStringList&) const = nullptr)
{
    return {&b, &b, nullptr, values, {&b}};
}

// A text in an edit: locked with the person.
PersonFieldControls edit(TEdit& e)
{
    return {&e, nullptr, &e, nullptr, {&e}};
}

// Any other field's control, and what the lock disables for it.
PersonFieldControls control(TControl* shows, std::array<TControl*, 2> locked,
                            std::array<TControl*, 2> lockedWithSelection = {})
{
    return {shows, nullptr, nullptr, nullptr, locked, lockedWithSelection};
}

} // namespace

PersonFieldControls personFieldControls(ThlavniForm& window, PersonField field)
{
    ZakladniSheet& z = window.zakladniSheet;
    DalsiSheet& d = window.dalsiSheet;
    using enum PersonField;
    switch (field) {
    case number:
        return {};
    // The identifier's edit is never enabled: the identifier changes through its dialog.
    case identifier:
        return {&d.idED, nullptr, &d.idED, nullptr, {&d.idZmenBT}};
    // The lock box stays usable on a locked person.
    case lock:
        return control(&window.zamekCH, {});
    case firstName:
        return box(z.jmenoCB, &Rod::distinctFirstNames);
    case surname:
        return box(z.prijmeniCB, &Rod::distinctSurnames);
    case birthSurname:
        return box(z.rodnePrijmeniCB, &Rod::distinctBirthSurnames);
    case sex:
        return control(&z.pohlaviCB, {&z.pohlaviCB});
    case titlesBefore:
        return box(z.titulPredCB, &Rod::distinctTitlesBefore);
    case titlesAfter:
        return box(z.titulZaCB, &Rod::distinctTitlesAfter);
    case alive:
        return control(&z.zivaZesnulaCH, {&z.zivaZesnulaCH});
    // The button that makes a whole date unknown stands with its day.
    case birthDay:
        return control(&z.narozDenCB, {&z.narozDenCB, &z.nastavNeznameNarozeniBT});
    case birthMonth:
        return control(&z.narozMesicCB, {&z.narozMesicCB});
    case birthYear:
        return control(&z.narozRokED, {&z.narozRokED});
    case birthPlace:
        return box(z.narozMistoCB, &Rod::distinctBirthPlaces);
    // The tolerance is set through the about box.
    case birthAbout:
        return control(&z.narozAsi, {&z.narozAsi});
    case birthTolerance:
        return {};
    case deathDay:
        return control(&z.smrtDenCB, {&z.smrtDenCB, &z.nastavNeznameUmrtiBT});
    case deathMonth:
        return control(&z.smrtMesicCB, {&z.smrtMesicCB});
    case deathYear:
        return control(&z.smrtRokED, {&z.smrtRokED});
    case deathPlace:
        return box(z.smrtMistoCB, &Rod::distinctDeathPlaces);
    case burial:
        return box(z.smrtPohrebCB, &Rod::distinctBurialPlaces);
    // The causes of death are offered with the language's own (editor/basic_page_events.cpp).
    case deathCause:
        return box(z.smrtPricinaCB);
    case deathAbout:
        return control(&z.smrtAsi, {&z.smrtAsi});
    case deathTolerance:
        return {};
    // The portrait's step only takes the picture away: no control shows it back.
    case portrait:
        return control(nullptr, {&z.vlozHlavaBT}, {&z.odeberHlavaBT});
    case father:
        return control(&z.otecCB, {&z.otecCB});
    case mother:
        return control(&z.matkaCB, {&z.matkaCB});
    case residences:
        return control(&z.bydlisteLIST, {&z.bydlisteLIST, &z.noveBydlisteBT},
                       {&z.upravBydlisteBT, &z.smazatBydlisteBT});
    case educations:
        return control(&z.vzdelaniLIST, {&z.vzdelaniLIST, &z.noveVzdelaniBT},
                       {&z.upravVzdelaniBT, &z.smazatVzdelaniBT});
    case occupations:
        return control(&z.povolaniLIST, {&z.povolaniLIST, &z.novePovolaniBT},
                       {&z.upravPovolaniBT, &z.smazatPovolaniBT});
    case religion:
        return box(d.vyznaniCB, &Rod::distinctReligions);
    case baptism:
        return box(d.krestCB, &Rod::distinctBaptisms);
    // The godparents' boxes offer the other persons of the tree.
    case godparent1:
        return box(d.kmotr1CB);
    case godparent2:
        return box(d.kmotr2CB);
    case nationality:
        return box(d.narodnostCB, &Rod::distinctNationalities);
    case citizenship:
        return box(d.statniPrislusnostCB, &Rod::distinctCitizenships);
    case email1:
        return edit(d.email1ED);
    case email2:
        return edit(d.email2ED);
    case phone1:
        return edit(d.telefon1ED);
    case phone2:
        return edit(d.telefon2ED);
    case web1:
        return edit(d.www1ED);
    case web2:
        return edit(d.www2ED);
    // Shown, never edited.
    case created:
        return control(&d.datumVlozeniDT, {});
    case user1:
        return box(d.user1CB, &Rod::distinctUser1Values);
    case user2:
        return box(d.user2CB, &Rod::distinctUser2Values);
    case user3:
        return box(d.user3CB, &Rod::distinctUser3Values);
    case user4:
        return box(d.user4CB, &Rod::distinctUser4Values);
    case user5:
        return box(d.user5CB, &Rod::distinctUser5Values);
    // The texts-and-files page is not locked.
    case furtherTexts:
        return control(&window.doplnujiciSheet.doplnujiciTextyMEMO, {});
    case registerNotes:
        return control(&d.matrikyMEMO, {&d.matrikyMEMO});
    // The media tabs are lists of the tree's records, each with its own controls.
    case photos:
    case documents:
    case files:
        return {};
    }
    return {};
}
