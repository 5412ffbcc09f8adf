#pragma once
// The basic-data tab of the main window: names, sex and titles, birth and death, parents,
// children and siblings, the portrait with the group buttons, the partnerships, and the
// residence, education and occupation lists.
#include "toolkit/commonctrls.h"
#include "toolkit/lists.h"
#include "toolkit/pagecontrol.h"
#include "toolkit/stdctrls.h"
#include "toolkit/window_text.h"

struct ZakladniSheet {
    explicit ZakladniSheet(TTabSheet& sheet);
    ZakladniSheet(const ZakladniSheet&) = delete;
    ZakladniSheet& operator=(const ZakladniSheet&) = delete;
    // The texts a language replaces, the tab's title first, in the order they are looked up.
    WindowTextList texts();
    // The portrait button's text: it inserts a portrait, or changes the one the person has.
    WindowTextList portraitButtonTexts(bool changes);

    TTabSheet& sheet;

    // ---- Names, sex and titles (declared in tab order: Enter walks it)
    TLabel jmenoLB{&sheet, "jmenoLB"};
    TComboBox jmenoCB{&sheet, "jmenoCB"};
    TLabel prijmeniLB{&sheet, "prijmeniLB"};
    TComboBox prijmeniCB{&sheet, "prijmeniCB"};
    TLabel rodnePrijmeniLB{&sheet, "rodnePrijmeniLB"};
    TComboBox rodnePrijmeniCB{&sheet, "rodnePrijmeniCB"};
    TLabel pohlaviLB{&sheet, "pohlaviLB"};
    TComboBox pohlaviCB{&sheet, "pohlaviCB"};
    TLabel titulPredLB{&sheet, "titulPredLB"};
    TComboBox titulPredCB{&sheet, "titulPredCB"};
    TLabel titulZaLB{&sheet, "titulZaLB"};
    TComboBox titulZaCB{&sheet, "titulZaCB"};

    // ---- Birth
    TLabel datumNarozeniLB{&sheet, "datumNarozeniLB"};
    TLabel dmrNarozLB{&sheet, "dmrNarozLB"};
    TComboBox narozDenCB{&sheet, "narozDenCB"};
    TComboBox narozMesicCB{&sheet, "narozMesicCB"};
    TEdit narozRokED{&sheet, "narozRokED"};
    TButton nastavNeznameNarozeniBT{&sheet, "nastavNeznameNarozeniBT"};
    TCheckBox narozAsi{&sheet, "narozAsi"};
    TLabel narozeniDenLB{&sheet, "narozeniDenLB"};
    TLabel narozMistoLB{&sheet, "narozMistoLB"};
    TComboBox narozMistoCB{&sheet, "narozMistoCB"};
    TCheckBox zivaZesnulaCH{&sheet, "zivaZesnulaCH"};

    // ---- Death (shown only for a person who has died)
    TLabel datumUmrtiLB{&sheet, "datumUmrtiLB"};
    TLabel dmrSmrtLB{&sheet, "dmrSmrtLB"};
    TComboBox smrtDenCB{&sheet, "smrtDenCB"};
    TComboBox smrtMesicCB{&sheet, "smrtMesicCB"};
    TEdit smrtRokED{&sheet, "smrtRokED"};
    TButton nastavNeznameUmrtiBT{&sheet, "nastavNeznameUmrtiBT"};
    TCheckBox smrtAsi{&sheet, "smrtAsi"};
    TLabel smrtDenLB{&sheet, "smrtDenLB"};
    TLabel smrtMistoLB{&sheet, "smrtMistoLB"};
    TComboBox smrtMistoCB{&sheet, "smrtMistoCB"};
    TLabel smrtPohrebLB{&sheet, "smrtPohrebLB"};
    TComboBox smrtPohrebCB{&sheet, "smrtPohrebCB"};
    TLabel smrtPricinaLB{&sheet, "smrtPricinaLB"};
    TComboBox smrtPricinaCB{&sheet, "smrtPricinaCB"};

    // ---- Parents, children and siblings
    TButton otecBT{&sheet, "otecBT"};
    TComboBox otecCB{&sheet, "otecCB"};
    TButton matkaBT{&sheet, "matkaBT"};
    TComboBox matkaCB{&sheet, "matkaCB"};
    TLabel detiLB{&sheet, "detiLB"};
    TListBox detiLIST{&sheet, "detiLIST"};
    TButton vytvorDiteBT{&sheet, "vytvorDiteBT"};
    TButton priradDiteBT{&sheet, "priradDiteBT"};
    TButton odeberDiteBT{&sheet, "odeberDiteBT"};
    TLabel sourozenciLB{&sheet, "sourozenciLB"};
    TListBox sourozenciLIST{&sheet, "sourozenciLIST"};
    TButton vytvorSourozenceBT{&sheet, "vytvorSourozenceBT"};

    // ---- Portrait and groups (top right); the grey placeholder shows while there is no portrait
    TImage hlavaSedivaIMG{&sheet, "hlavaSedivaIMG"};
    TImage hlavaIMG{&sheet, "hlavaIMG"};
    TButton vlozHlavaBT{&sheet, "vlozHlavaBT"};
    TButton odeberHlavaBT{&sheet, "odeberHlavaBT"};
    TButton ulozHlavaBT{&sheet, "ulozHlavaBT"};
    TButton skupinyBT{&sheet, "skupinyBT"};
    TButton spravceSkupinBT{&sheet, "spravceSkupinBT"};

    // ---- Partnerships: the partner list with its buttons, then the selected partnership
    TButton vytvorSvatbuBT{&sheet, "vytvorSvatbuBT"};
    TListBox partneriLIST{&sheet, "partneriLIST"};
    TSpeedButton nahoruSvatbaBT{&sheet, "nahoruSvatbaBT"};
    TSpeedButton doluSvatbaBT{&sheet, "doluSvatbaBT"};
    TButton shrnutiSvatbyBT{&sheet, "shrnutiSvatbyBT"};
    TButton zmenPartneraBT{&sheet, "zmenPartneraBT"};
    TButton smazSvatbuBT{&sheet, "smazSvatbuBT"};
    TCheckBox oddaniCHECK{&sheet, "oddaniCHECK"};
    TLabel datumSvatbyLB{&sheet, "datumSvatbyLB"};
    TLabel dmrSvatbaLB{&sheet, "dmrSvatbaLB"};
    TComboBox svatbaDenCB{&sheet, "svatbaDenCB"};
    TComboBox svatbaMesicCB{&sheet, "svatbaMesicCB"};
    TEdit svatbaRokED{&sheet, "svatbaRokED"};
    TButton nastavNeznamouSvatbuBT{&sheet, "nastavNeznamouSvatbuBT"};
    TCheckBox svatbaAsi{&sheet, "svatbaAsi"};
    TLabel svatbaDenLB{&sheet, "svatbaDenLB"};
    TLabel svatbaMistoLB{&sheet, "svatbaMistoLB"};
    TComboBox svatbaMistoCB{&sheet, "svatbaMistoCB"};
    TLabel oddavajiciKnezLB{&sheet, "oddavajiciKnezLB"};
    TEdit oddavajiciKnezED{&sheet, "oddavajiciKnezED"};
    TLabel svedkoveLB{&sheet, "svedkoveLB"};
    TEdit svedkoveED{&sheet, "svedkoveED"};
    TCheckBox rozvedeniCHECK{&sheet, "rozvedeniCHECK"};
    TLabel datumRozvoduLB{&sheet, "datumRozvoduLB"};
    TLabel dmrRozvodLB{&sheet, "dmrRozvodLB"};
    TComboBox rozvodDenCB{&sheet, "rozvodDenCB"};
    TComboBox rozvodMesicCB{&sheet, "rozvodMesicCB"};
    TEdit rozvodRokED{&sheet, "rozvodRokED"};
    TButton nastavNeznamyRozvodBT{&sheet, "nastavNeznamyRozvodBT"};
    TLabel rozvodDenLB{&sheet, "rozvodDenLB"};

    // ---- Residence, education and occupation lists (bottom)
    TLabel bydlisteLB{&sheet, "bydlisteLB"};
    TListBox bydlisteLIST{&sheet, "bydlisteLIST"};
    TSpeedButton nahoruBydlisteBT{&sheet, "nahoruBydlisteBT"};
    TSpeedButton doluBydlisteBT{&sheet, "doluBydlisteBT"};
    TButton noveBydlisteBT{&sheet, "noveBydlisteBT"};
    TButton upravBydlisteBT{&sheet, "upravBydlisteBT"};
    TButton smazatBydlisteBT{&sheet, "smazatBydlisteBT"};
    TLabel vzdelaniLB{&sheet, "vzdelaniLB"};
    TListBox vzdelaniLIST{&sheet, "vzdelaniLIST"};
    TSpeedButton nahoruVzdelaniBT{&sheet, "nahoruVzdelaniBT"};
    TSpeedButton doluVzdelaniBT{&sheet, "doluVzdelaniBT"};
    TButton noveVzdelaniBT{&sheet, "noveVzdelaniBT"};
    TButton upravVzdelaniBT{&sheet, "upravVzdelaniBT"};
    TButton smazatVzdelaniBT{&sheet, "smazatVzdelaniBT"};
    TLabel povolaniLB{&sheet, "povolaniLB"};
    TListBox povolaniLIST{&sheet, "povolaniLIST"};
    TSpeedButton nahoruPovolaniBT{&sheet, "nahoruPovolaniBT"};
    TSpeedButton doluPovolaniBT{&sheet, "doluPovolaniBT"};
    TButton novePovolaniBT{&sheet, "novePovolaniBT"};
    TButton upravPovolaniBT{&sheet, "upravPovolaniBT"};
    TButton smazatPovolaniBT{&sheet, "smazatPovolaniBT"};
};
