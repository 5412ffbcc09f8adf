#pragma once
// Layout of the search dialog: a page for a text in chosen fields, a page for a date among
// chosen dates, the list of persons found and the back button. Behaviour lives in ThledejFORM
// (shell/hledej_form.h).
#include "toolkit/form.h"
#include "toolkit/lists.h"
#include "toolkit/pagecontrol.h"
#include "toolkit/stdctrls.h"
#include "toolkit/window_text.h"

class ThledejFORMLayout : public TForm {
public:
    ThledejFORMLayout();
    // The texts a language replaces, in the order they are looked up.
    WindowTextList texts();

    TPageControl pages{this, "pages"};
    TTabSheet retezecPage{&pages, "retezecPage"};
    TLabel retezecLB{&retezecPage, "retezecLB"};
    TEdit retezecED{&retezecPage, "retezecED"};
    TGroupBox kdeHledatRetezecGROUP{&retezecPage, "kdeHledatRetezecGROUP"};
    TCheckBox jmenoCH{&kdeHledatRetezecGROUP, "jmenoCH"};
    TCheckBox prijmeniCH{&kdeHledatRetezecGROUP, "prijmeniCH"};
    TCheckBox rodnePrijmeniCH{&kdeHledatRetezecGROUP, "rodnePrijmeniCH"};
    TCheckBox titulyCH{&kdeHledatRetezecGROUP, "titulyCH"};
    TCheckBox mistoNarozeniCH{&kdeHledatRetezecGROUP, "mistoNarozeniCH"};
    TCheckBox mistoUmrtiCH{&kdeHledatRetezecGROUP, "mistoUmrtiCH"};
    TCheckBox mistoPohrbeniCH{&kdeHledatRetezecGROUP, "mistoPohrbeniCH"};
    TCheckBox pricinaUmrtiCH{&kdeHledatRetezecGROUP, "pricinaUmrtiCH"};
    TCheckBox mistoSvatbyCH{&kdeHledatRetezecGROUP, "mistoSvatbyCH"};
    TCheckBox oddavajiciKnezCH{&kdeHledatRetezecGROUP, "oddavajiciKnezCH"};
    TCheckBox svedkoveCH{&kdeHledatRetezecGROUP, "svedkoveCH"};
    TCheckBox bydlisteCH{&kdeHledatRetezecGROUP, "bydlisteCH"};
    TCheckBox vzdelaniCH{&kdeHledatRetezecGROUP, "vzdelaniCH"};
    TCheckBox povolaniCH{&kdeHledatRetezecGROUP, "povolaniCH"};
    TBitBtn hledejRetezecBT{&retezecPage, "hledejRetezecBT"};

    TTabSheet datumPage{&pages, "datumPage"};
    TGroupBox kdeHledatDatumGROUP{&datumPage, "kdeHledatDatumGROUP"};
    TCheckBox datumNarozeniCH{&kdeHledatDatumGROUP, "datumNarozeniCH"};
    TCheckBox datumUmrtiCH{&kdeHledatDatumGROUP, "datumUmrtiCH"};
    TCheckBox datumSvatbyCH{&kdeHledatDatumGROUP, "datumSvatbyCH"};
    TCheckBox datumRozvoduCH{&kdeHledatDatumGROUP, "datumRozvoduCH"};
    TRadioGroup jakHledatGROUP{&datumPage, "jakHledatGROUP"};
    TComboBox den1CB{&datumPage, "den1CB"};
    TComboBox mesic1CB{&datumPage, "mesic1CB"};
    TEdit rok1CB{&datumPage, "rok1CB"};
    TLabel pomlckaLB{&datumPage, "pomlckaLB"};
    TComboBox den2CB{&datumPage, "den2CB"};
    TComboBox mesic2CB{&datumPage, "mesic2CB"};
    TEdit rok2CB{&datumPage, "rok2CB"};
    TBitBtn hledejDatumBT{&datumPage, "hledejDatumBT"};

    TListBox osobyLIST{this, "osobyLIST"};
    TButton zpetBT{this, "zpetBT"};
};
