// The basic-data page's controls hooked to their handlers. The undo replay puts a value into a
// control and runs its change event, so every field's step is taken back through these.
#include "model/rod.h"
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

    z.jmenoCB.OnEnter = [this, &z] { fillValueList(z.jmenoCB, &Rod::distinctFirstNames); };
    z.prijmeniCB.OnEnter = [this, &z] { fillValueList(z.prijmeniCB, &Rod::distinctSurnames); };
    z.rodnePrijmeniCB.OnEnter = [this, &z] { fillValueList(z.rodnePrijmeniCB, &Rod::distinctBirthSurnames); };
    z.titulPredCB.OnEnter = [this, &z] { fillValueList(z.titulPredCB, &Rod::distinctTitlesBefore); };
    z.titulZaCB.OnEnter = [this, &z] { fillValueList(z.titulZaCB, &Rod::distinctTitlesAfter); };

    z.jmenoCB.OnExit = [this] { jmenoCBExit(); };
    z.prijmeniCB.OnExit = [this] { prijmeniCBExit(); };
    z.rodnePrijmeniCB.OnExit = [this] { rodnePrijmeniCBExit(); };

    for (TWinControl* field : std::initializer_list<TWinControl*>{
             &z.jmenoCB, &z.prijmeniCB, &z.rodnePrijmeniCB, &z.pohlaviCB, &z.titulPredCB,
             &z.titulZaCB, &z.narozDenCB, &z.narozMesicCB, &z.narozRokED, &z.narozAsi,
             &z.narozMistoCB, &z.zivaZesnulaCH, &z.smrtDenCB, &z.smrtMesicCB, &z.smrtRokED,
             &z.smrtAsi, &z.smrtMistoCB, &z.smrtPohrebCB, &z.smrtPricinaCB})
        field->OnKeyDown = [this, field](int& key, TShiftState) { fieldKeyDown(*field, key); };
}
