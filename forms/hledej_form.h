#pragma once
// The search window: a text page (a string and the fields to look in), a date page (the date
// kinds, how to compare and one or two dates), the persons found, shared by both pages, and the
// way back. Results: 1 a found person was double-clicked, 2 back or the close box.
#include "platform/form.h"
#include "platform/lists.h"
#include "platform/pagecontrol.h"
#include "platform/stdctrls.h"

class ThledejFORM : public TForm {
public:
    ThledejFORM();
    ~ThledejFORM() override;

    TPageControl pages{this, "pages"};

    TTabSheet retezecPage{&pages, "retezecPage"};
    TLabel retezecLB{&retezecPage, "retezecLB"};
    TEdit retezecED{&retezecPage, "retezecED"};
    TGroupBox kdeHledatRetezecGROUP{&retezecPage, "kdeHledatRetezecGROUP"};
    TCheckBox jmenoCH{&kdeHledatRetezecGROUP, "jmenoCH"};
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
    TCheckBox prijmeniCH{&kdeHledatRetezecGROUP, "prijmeniCH"};
    TCheckBox rodnePrijmeniCH{&kdeHledatRetezecGROUP, "rodnePrijmeniCH"};
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

extern ThledejFORM* hledejFORM;
