// The basic-data page's controls hooked to their handlers. The undo replay puts a value into a
// control and runs its change event, so every field's step is taken back through these.
#include "model/clovek.h"
#include "model/rod.h"
#include "platform/lists.h"
#include "shell/hlavni.h"

void Thlavni::bindBasicPageEvents()
{
    ZakladniSheet& z = zakladniSheet;
    z.jmenoCB.OnChange = [this] { jmenoCBChange(); };
    z.prijmeniCB.OnChange = [this] { prijmeniCBChange(); };
    z.rodnePrijmeniCB.OnChange = [this] { rodnePrijmeniCBChange(); };
    z.titulPredCB.OnChange = [this] { titulPredCBChange(); };
    z.titulZaCB.OnChange = [this] { titulZaCBChange(); };
    z.pohlaviCB.OnChange = [this] { pohlaviCBChange(); };

    z.jmenoCB.OnEnter = [this, &z] { fillValueList(z.jmenoCB, &Rod::distinctFirstNames, &Clovek::firstName); };
    z.prijmeniCB.OnEnter = [this, &z] { fillValueList(z.prijmeniCB, &Rod::distinctSurnames, &Clovek::surname); };
    z.rodnePrijmeniCB.OnEnter = [this, &z] { fillValueList(z.rodnePrijmeniCB, &Rod::distinctBirthSurnames, &Clovek::birthSurname); };
    z.titulPredCB.OnEnter = [this, &z] { fillValueList(z.titulPredCB, &Rod::distinctTitlesBefore, &Clovek::titlesBefore); };
    z.titulZaCB.OnEnter = [this, &z] { fillValueList(z.titulZaCB, &Rod::distinctTitlesAfter, &Clovek::titlesAfter); };

    z.jmenoCB.OnExit = [this] { jmenoCBExit(); };
    z.prijmeniCB.OnExit = [this] { prijmeniCBExit(); };
    z.rodnePrijmeniCB.OnExit = [this] { rodnePrijmeniCBExit(); };

    for (TWinControl* field : std::initializer_list<TWinControl*>{
             &z.jmenoCB, &z.prijmeniCB, &z.rodnePrijmeniCB, &z.pohlaviCB, &z.titulPredCB,
             &z.titulZaCB, &z.narozDenCB, &z.narozMesicCB, &z.narozRokED, &z.narozAsi,
             &z.narozMistoCB, &z.zivaZesnulaCH, &z.smrtDenCB, &z.smrtMesicCB, &z.smrtRokED,
             &z.smrtAsi, &z.smrtMistoCB, &z.smrtPohrebCB, &z.smrtPricinaCB})
        field->OnKeyDown = [this, field](int& key, TShiftState) { fieldKeyDown(*field, key); };
    bindDateEvents();
    bindFamilyEvents();
    bindPartnershipEvents();
}

void Thlavni::bindDateEvents()
{
    ZakladniSheet& z = zakladniSheet;
    for (bool birth : {true, false}) {
        TComboBox& day = birth ? z.narozDenCB : z.smrtDenCB;
        TComboBox& month = birth ? z.narozMesicCB : z.smrtMesicCB;
        TEdit& year = birth ? z.narozRokED : z.smrtRokED;
        TCheckBox& about = birth ? z.narozAsi : z.smrtAsi;
        TButton& unknown = birth ? z.nastavNeznameNarozeniBT : z.nastavNeznameUmrtiBT;
        day.OnChange = [this, birth] { dateDayMonthChange(birth, 'd'); };
        month.OnChange = [this, birth] { dateDayMonthChange(birth, 'm'); };
        year.OnChange = [this, birth] { dateYearChange(birth); };
        day.OnEnter = [this, birth] { dayBoxEnter(birth); };
        day.OnExit = [this, birth] { datePartExit(birth, 'd'); };
        month.OnExit = [this, birth] { datePartExit(birth, 'm'); };
        year.OnExit = [this, birth] { datePartExit(birth, 'r'); };
        unknown.OnClick = [this, birth] { setDateUnknown(birth); };
        about.OnMouseUp = [this, birth](TMouseButton, TShiftState, int, int) { aboutBoxMouseUp(birth); };
    }
    z.zivaZesnulaCH.OnClick = [this] { zivaZesnulaCHClick(); };

    z.narozMistoCB.OnChange = [this, &z] { storeTextField(&Clovek::birthPlace, "narozeniMisto", z.narozMistoCB, false); };
    z.smrtMistoCB.OnChange = [this, &z] { storeTextField(&Clovek::deathPlace, "smrtMisto", z.smrtMistoCB, false); };
    z.smrtPohrebCB.OnChange = [this, &z] { storeTextField(&Clovek::burial, "smrtPohreb", z.smrtPohrebCB, false); };
    z.smrtPricinaCB.OnChange = [this, &z] { storeTextField(&Clovek::deathCause, "smrtPricina", z.smrtPricinaCB, false); };
    z.narozMistoCB.OnEnter = [this, &z] { fillValueList(z.narozMistoCB, &Rod::distinctBirthPlaces, &Clovek::birthPlace); };
    z.smrtMistoCB.OnEnter = [this, &z] { fillValueList(z.smrtMistoCB, &Rod::distinctDeathPlaces, &Clovek::deathPlace); };
    z.smrtPohrebCB.OnEnter = [this, &z] { fillValueList(z.smrtPohrebCB, &Rod::distinctBurialPlaces, &Clovek::burial); };
    z.smrtPricinaCB.OnEnter = [this, &z] {
        if (!tree)
            return;
        const std::string text = z.smrtPricinaCB.Text();
        TStringList list;
        tree->distinctDeathCauses(list, *this);
        z.smrtPricinaCB.Items.Assign(list);
        z.smrtPricinaCB.setText(text);
    };
    z.narozMistoCB.OnExit = [this] {
        if (currentPerson)
            refreshPercentFilled(currentPerson);
    };
}
