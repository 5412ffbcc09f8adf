#pragma once
// Which person data become columns of the delimited text export, and the separator (a blank or
// a tab). The window lives for the whole run, so the choices carry over. OK gives 1, Storno 2.
#include "toolkit/form.h"
#include "toolkit/stdctrls.h"
#include "toolkit/window_text.h"

class TcoExportovatFORM : public TForm {
public:
    TcoExportovatFORM();
    ~TcoExportovatFORM() override;
    // The texts a language replaces, in the order they are looked up.
    WindowTextList texts();

    TGroupBox coExportovatGROUP{this, "coExportovatGROUP"};
    TCheckBox jmenoEx{&coExportovatGROUP, "jmenoEx"};
    TCheckBox prijmeniEx{&coExportovatGROUP, "prijmeniEx"};
    TCheckBox rodneEx{&coExportovatGROUP, "rodneEx"};
    TCheckBox pohlaviEx{&coExportovatGROUP, "pohlaviEx"};
    TCheckBox identifikatorEx{&coExportovatGROUP, "identifikatorEx"};
    TCheckBox datumNarozeniEx{&coExportovatGROUP, "datumNarozeniEx"};
    TCheckBox mistoNarozeniEx{&coExportovatGROUP, "mistoNarozeniEx"};
    TCheckBox datumUmrtiEx{&coExportovatGROUP, "datumUmrtiEx"};
    TCheckBox mistoUmrtiEx{&coExportovatGROUP, "mistoUmrtiEx"};
    TCheckBox mistoPohrbeniEx{&coExportovatGROUP, "mistoPohrbeniEx"};
    TCheckBox pricinaUmrtiEx{&coExportovatGROUP, "pricinaUmrtiEx"};
    TCheckBox idOtecEx{&coExportovatGROUP, "idOtecEx"};
    TCheckBox idMatkyEx{&coExportovatGROUP, "idMatkyEx"};
    TCheckBox idPartneraEx{&coExportovatGROUP, "idPartneraEx"};
    TCheckBox bydlisteEx{&coExportovatGROUP, "bydlisteEx"};
    TCheckBox vzdelaniEx{&coExportovatGROUP, "vzdelaniEx"};
    TCheckBox povolaniEx{&coExportovatGROUP, "povolaniEx"};
    TCheckBox vyznaniEx{&coExportovatGROUP, "vyznaniEx"};
    TCheckBox krestEx{&coExportovatGROUP, "krestEx"};
    TCheckBox narodnostEx{&coExportovatGROUP, "narodnostEx"};
    TCheckBox statniPrislusnostEx{&coExportovatGROUP, "statniPrislusnostEx"};
    TCheckBox emailEx{&coExportovatGROUP, "emailEx"};
    TCheckBox telefonEx{&coExportovatGROUP, "telefonEx"};
    TCheckBox wwwEx{&coExportovatGROUP, "wwwEx"};
    TRadioGroup oddelovacRADIO{this, "oddelovacRADIO"};
    TButton okBT{this, "okBT"};
    TButton stornoBT{this, "stornoBT"};
};

extern TcoExportovatFORM* coExportovatFORM;
