#pragma once
// The further-data tab of the main window: religion, baptism, godparents, nationality and
// citizenship; the e-mail, telephone and web group of a living person; the date the person was
// entered and the identifier; the five user-defined fields; the parish-register notes.
#include "toolkit/commonctrls.h"
#include "toolkit/pagecontrol.h"
#include "toolkit/stdctrls.h"
#include "toolkit/window_text.h"

struct DalsiSheet {
    explicit DalsiSheet(TTabSheet& sheet);
    DalsiSheet(const DalsiSheet&) = delete;
    DalsiSheet& operator=(const DalsiSheet&) = delete;
    // The texts a language replaces, the tab's title first, in the order they are looked up.
    WindowTextList texts();

    TTabSheet& sheet;
    TLabel vyznaniLB{&sheet, "vyznaniLB"};
    TComboBox vyznaniCB{&sheet, "vyznaniCB"};
    TLabel krestLB{&sheet, "krestLB"};
    TComboBox krestCB{&sheet, "krestCB"};
    TLabel kmotriLB{&sheet, "kmotriLB"};
    TComboBox kmotr1CB{&sheet, "kmotr1CB"};
    TComboBox kmotr2CB{&sheet, "kmotr2CB"};
    TLabel narodnostLB{&sheet, "narodnostLB"};
    TComboBox narodnostCB{&sheet, "narodnostCB"};
    TLabel statniPrislusnostLB{&sheet, "statniPrislusnostLB"};
    TComboBox statniPrislusnostCB{&sheet, "statniPrislusnostCB"};

    // Shown only while the person is alive.
    TPanel moderniPANEL{&sheet, "moderniPANEL"};
    TLabel emailLB{&moderniPANEL, "emailLB"};
    TEdit email1ED{&moderniPANEL, "email1ED"};
    TButton napis1BT{&moderniPANEL, "napis1BT"};
    TEdit email2ED{&moderniPANEL, "email2ED"};
    TButton napis2BT{&moderniPANEL, "napis2BT"};
    TLabel telefonLB{&moderniPANEL, "telefonLB"};
    TEdit telefon1ED{&moderniPANEL, "telefon1ED"};
    TEdit telefon2ED{&moderniPANEL, "telefon2ED"};
    TLabel wwwLB{&moderniPANEL, "wwwLB"};
    TEdit www1ED{&moderniPANEL, "www1ED"};
    TButton otevriWWW1BT{&moderniPANEL, "otevriWWW1BT"};
    TEdit www2ED{&moderniPANEL, "www2ED"};
    TButton otevriWWW2BT{&moderniPANEL, "otevriWWW2BT"};

    TLabel datumVlozeniLB{&sheet, "datumVlozeniLB"};
    TDateTimePicker datumVlozeniDT{&sheet, "datumVlozeniDT"};
    TLabel idLB{&sheet, "idLB"};
    TEdit idED{&sheet, "idED"};
    TButton idZmenBT{&sheet, "idZmenBT"};
    TLabel user1LB{&sheet, "user1LB"};
    TComboBox user1CB{&sheet, "user1CB"};
    TButton user1BT{&sheet, "user1BT"};
    TLabel user2LB{&sheet, "user2LB"};
    TComboBox user2CB{&sheet, "user2CB"};
    TButton user2BT{&sheet, "user2BT"};
    TLabel user3LB{&sheet, "user3LB"};
    TComboBox user3CB{&sheet, "user3CB"};
    TButton user3BT{&sheet, "user3BT"};
    TLabel user4LB{&sheet, "user4LB"};
    TComboBox user4CB{&sheet, "user4CB"};
    TButton user4BT{&sheet, "user4BT"};
    TLabel user5LB{&sheet, "user5LB"};
    TComboBox user5CB{&sheet, "user5CB"};
    TButton user5BT{&sheet, "user5BT"};

    TLabel matrikaLB{&sheet, "matrikaLB"};
    TMemo matrikyMEMO{&sheet, "matrikyMEMO"};
};
