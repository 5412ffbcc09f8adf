#pragma once
// The main window's layout: its components with their places, sizes and design captions, and
// the main menu with its shortcuts. Behaviour lives in the window that
// derives from it (app/main_window.h: the frame of shell/hlavni.h and its parts).
//
// The layout starts in the no-tree state: the person list panel and the pages are hidden and
// the commands that need a tree are disabled.
//
// Each tab sheet's controls live in a file of their own (forms/hlavni_<sheet>.h), as a struct
// whose constructor takes the sheet as parent; the form holds one member of it per sheet.
#include "forms/hlavni_dalsi.h"
#include "forms/hlavni_doplnujici.h"
#include "forms/hlavni_media.h"
#include "forms/hlavni_obecne.h"
#include "forms/hlavni_shrnuti.h"
#include "forms/hlavni_statistika.h"
#include "forms/hlavni_zakladni.h"
#include "toolkit/commonctrls.h"
#include "toolkit/dialogs.h"
#include "toolkit/form.h"
#include "toolkit/grid.h"
#include "toolkit/menus.h"
#include "toolkit/pagecontrol.h"
#include "toolkit/splitter.h"
#include "toolkit/stdctrls.h"

class ThlavniForm : public TForm {
public:
    ThlavniForm();

    // ---- Main menu
    TMainMenu MainMenu1;

    TMenuItem Lipoveta1{MainMenu1.Items, "Lipoveta1", "Lipoveta"};
    TMenuItem Novy1{Lipoveta1, "Novy1", "Nový"};
    TMenuItem Otevrit1{Lipoveta1, "Otevrit1", "Otevřít"};
    TMenuItem Ulozit1{Lipoveta1, "Ulozit1", "Uložit"};
    TMenuItem UlozitJako1{Lipoveta1, "UlozitJako1", "Uložit jako..."};
    TMenuItem Zavrit1{Lipoveta1, "Zavrit1", "Zavřít"};
    TMenuItem N1{Lipoveta1, "N1", "-"};
    TMenuItem Export1{Lipoveta1, "Export1", "Export"};
    TMenuItem expGED{Export1, "expGED", "GED"};
    TMenuItem expTXT{Export1, "expTXT", "TXT"};
    TMenuItem expRAR{Export1, "expRAR", "RAR"};
    TMenuItem Import1{Lipoveta1, "Import1", "Import"};
    TMenuItem impGED{Import1, "impGED", "GED"};
    TMenuItem impRAR{Import1, "impRAR", "RAR"};
    TMenuItem N2{Lipoveta1, "N2", "-"};
    TMenuItem soubor1{Lipoveta1, "soubor1", "1"};
    TMenuItem soubor2{Lipoveta1, "soubor2", "2"};
    TMenuItem soubor3{Lipoveta1, "soubor3", "3"};
    TMenuItem soubor4{Lipoveta1, "soubor4", "4"};
    TMenuItem N14{Lipoveta1, "N14", "-"};
    TMenuItem Konec1{Lipoveta1, "Konec1", "Konec"};

    TMenuItem Upravy1{MainMenu1.Items, "Upravy1", "Úpravy"};
    TMenuItem Zpet1{Upravy1, "Zpet1", "Zpět", ShortCut('Z', ssCtrl)};
    TMenuItem Znovu1{Upravy1, "Znovu1", "Znovu", ShortCut('Y', ssCtrl)};
    TMenuItem N3{Upravy1, "N3", "-"};
    TMenuItem HromadneMazani1{Upravy1, "HromadneMazani1", "Hromadné mazání"};
    TMenuItem SpojovaniLipovetau1{Upravy1, "SpojovaniLipovetau1", "Spojování lipovetaů"};

    TMenuItem Osoba1{MainMenu1.Items, "Osoba1", "Osoba"};
    TMenuItem Nova1{Osoba1, "Nova1", "Nová", ShortCut(VK_F2)};
    TMenuItem Vymaz1{Osoba1, "Vymaz1", "Vymaž", ShortCut(VK_F8)};
    TMenuItem Pribuzni1{Osoba1, "Pribuzni1", "Příbuzní"};
    TMenuItem Bratri1{Pribuzni1, "Bratri1", "Bratři"};
    TMenuItem Sestry1{Pribuzni1, "Sestry1", "Sestry"};
    TMenuItem Sourozenci1{Pribuzni1, "Sourozenci1", "Sourozenci"};
    TMenuItem N5{Pribuzni1, "N5", "-"};
    TMenuItem Synove1{Pribuzni1, "Synove1", "Synové"};
    TMenuItem Dcery1{Pribuzni1, "Dcery1", "Dcery"};
    TMenuItem Potomci1{Pribuzni1, "Potomci1", "Potomci"};
    TMenuItem N6{Pribuzni1, "N6", "-"};
    TMenuItem Vnukove1{Pribuzni1, "Vnukove1", "Vnukové"};
    TMenuItem Vnucky1{Pribuzni1, "Vnucky1", "Vnučky"};
    TMenuItem VnukoveAVnucky1{Pribuzni1, "VnukoveAVnucky1", "Vnukové a vnučky"};
    TMenuItem N7{Pribuzni1, "N7", "-"};
    TMenuItem Dedove1{Pribuzni1, "Dedove1", "Dědové"};
    TMenuItem Babicky1{Pribuzni1, "Babicky1", "Babičky"};
    TMenuItem DedoveABabicky1{Pribuzni1, "DedoveABabicky1", "Dědové a babičky"};
    TMenuItem N8{Pribuzni1, "N8", "-"};
    TMenuItem Strycove1{Pribuzni1, "Strycove1", "Strýcové"};
    TMenuItem Tety1{Pribuzni1, "Tety1", "Tety"};
    TMenuItem StrycoveATety1{Pribuzni1, "StrycoveATety1", "Strýcové a tety"};
    TMenuItem N9{Pribuzni1, "N9", "-"};
    TMenuItem Bratranci1{Pribuzni1, "Bratranci1", "Bratranci"};
    TMenuItem Sestrenice1{Pribuzni1, "Sestrenice1", "Sestřenice"};
    TMenuItem BratranciASestrenice1{Pribuzni1, "BratranciASestrenice1", "Bratranci a sestřenice"};
    TMenuItem N10{Pribuzni1, "N10", "-"};
    TMenuItem Synovci1{Pribuzni1, "Synovci1", "Synovci"};
    TMenuItem Netere1{Pribuzni1, "Netere1", "Neteře"};
    TMenuItem SynovciANetere1{Pribuzni1, "SynovciANetere1", "Synovci a neteře"};
    TMenuItem N11{Pribuzni1, "N11", "-"};
    TMenuItem Zetove1{Pribuzni1, "Zetove1", "Zeťové"};
    TMenuItem Snachy1{Pribuzni1, "Snachy1", "Snachy"};
    TMenuItem ZetoveASnachy1{Pribuzni1, "ZetoveASnachy1", "Zeťové a snachy"};
    TMenuItem N12{Pribuzni1, "N12", "-"};
    TMenuItem Svagri1{Pribuzni1, "Svagri1", "Švagři"};
    TMenuItem Svagrove1{Pribuzni1, "Svagrove1", "Švagrové"};
    TMenuItem SvagriASvagrove1{Pribuzni1, "SvagriASvagrove1", "Švagři a švagrové"};
    TMenuItem Hledej1{Osoba1, "Hledej1", "Hledej", ShortCut(VK_F3)};

    TMenuItem Zobrazeni1{MainMenu1.Items, "Zobrazeni1", "Zobrazení"};
    TMenuItem SpustitLineskop1{Zobrazeni1, "SpustitLineskop1", "Spustit Lineskop"};
    TMenuItem RodovyVyvod1{Zobrazeni1, "RodovyVyvod1", "Rodový vývod"};
    TMenuItem AgnatniVyvod1{Zobrazeni1, "AgnatniVyvod1", "Agnátní vývod"};
    TMenuItem RozrodKmene1{Zobrazeni1, "RozrodKmene1", "Rozrod rodu"};
    TMenuItem VyvodARozrod1{Zobrazeni1, "VyvodARozrod1", "Vývod + Rozrod"};

    TMenuItem Prehledy1{MainMenu1.Items, "Prehledy1", "Přehledy"};
    TMenuItem Formular1{Prehledy1, "Formular1", "Formulář"};
    TMenuItem HTMLstranka1{Prehledy1, "HTMLstranka1", "HTML stránka osoby"};
    TMenuItem HTMLstranky1{Prehledy1, "HTMLstranky1", "HTML stránky lipovetau"};
    TMenuItem SeznamOsob1{Prehledy1, "SeznamOsob1", "Seznam osob"};
    TMenuItem Vyroci1{Prehledy1, "Vyroci1", "Výročí"};
    TMenuItem Kalendar1{Prehledy1, "Kalendar1", "Kalendář výročí"};

    TMenuItem Nastaveni1{MainMenu1.Items, "Nastaveni1", "Nastavení"};
    TMenuItem BarvyVztahu1{Nastaveni1, "BarvyVztahu1", "Barvy vztahů"};
    TMenuItem Jazyk1{Nastaveni1, "Jazyk1", "Jazyk"};
    TMenuItem Kontroly1{Nastaveni1, "Kontroly1", "Kontroly"};
    TMenuItem N4{Nastaveni1, "N4", "-"};
    TMenuItem F91{Nastaveni1, "F91", "F9 "};
    TMenuItem F101{Nastaveni1, "F101", "F10 "};
    TMenuItem F111{Nastaveni1, "F111", "F11 "};
    TMenuItem F121{Nastaveni1, "F121", "F12 "};

    TMenuItem Napoveda1{MainMenu1.Items, "Napoveda1", "Nápověda"};
    TMenuItem Napoveda2{Napoveda1, "Napoveda2", "Nápověda", ShortCut(VK_F1)};
    TMenuItem Tip1{Napoveda1, "Tip1", "Tip"};
    TMenuItem OProgramu1{Napoveda1, "OProgramu1", "O programu..."};

    // ---- Pop-up menu of the person list
    TPopupMenu osobaPopup{"osobaPopup"};
    TMenuItem VymazPopup1{osobaPopup.Items, "VymazPopup1", "Vymaž"};
    TMenuItem N16{osobaPopup.Items, "N16", "-"};
    TMenuItem ZpetPopup1{osobaPopup.Items, "ZpetPopup1", "Žádná akce"};

    // ---- Dialogs of the tree files
    TOpenDialog OpenDialogROD{"OpenDialogROD"};
    TSaveDialog SaveDialogROD{"SaveDialogROD"};

    // ---- Dialogs of the pages, the reports and the exchange files
    TOpenPictureDialog OpenPictureDialog1{"OpenPictureDialog1"};
    TSavePictureDialog SavePictureDialog1{"SavePictureDialog1"};
    TOpenDialog OpenSouborDialog1{"OpenSouborDialog1"};
    TSaveDialog SaveSouborDialog1{"SaveSouborDialog1"};
    TSaveDialog SaveDialogTXT{"SaveDialogTXT"};
    TSaveDialog SaveDialogHTM{"SaveDialogHTM"};
    TOpenDialog OpenDialogGED{"OpenDialogGED"};
    TSaveDialog SaveDialogGED{"SaveDialogGED"};
    TSaveDialog SaveDialogRAR{"SaveDialogRAR"};
    TOpenDialog OpenDialogRAR{"OpenDialogRAR"};
    TPrintDialog PrintDialog1{"PrintDialog1"};

    // ---- Tool buttons (hints only; no captions)
    TPanel toolBar{this, "toolBar"};
    TSpeedButton NovyBT{&toolBar, "NovyBT"};
    TSpeedButton OtevritBT{&toolBar, "OtevritBT"};
    TSpeedButton UlozitBT{&toolBar, "UlozitBT"};
    TSpeedButton UlozitJakoBT{&toolBar, "UlozitJakoBT"};
    TSpeedButton ZavritBT{&toolBar, "ZavritBT"};
    TSpeedButton ZpetBT{&toolBar, "ZpetBT"};
    TSpeedButton ZnovuBT{&toolBar, "ZnovuBT"};
    TSpeedButton NapovedaBT{&toolBar, "NapovedaBT"};
    TSpeedButton NovaOsobaBT{&toolBar, "NovaOsobaBT"};
    TSpeedButton SmazOsobuBT{&toolBar, "SmazOsobuBT"};
    TSpeedButton HledejBT{&toolBar, "HledejBT"};
    TSpeedButton LineskopBT{&toolBar, "LineskopBT"};

    // ---- Person list panel (left)
    TRadioGroup setrid{this, "setrid"};
    TButton trideniBT{this, "trideniBT"};
    TComboBox skupinyCB{this, "skupinyCB"};
    TDrawGrid scrolling{this, "scrolling"};
    TScrollBar scrollingBar{this, "scrollingBar"};
    TGroupBox zobrazovatGroupBox{this, "zobrazovatGroupBox"};
    TCheckBox zobrazitCislo{&zobrazovatGroupBox, "zobrazitCislo"};
    TCheckBox zobrazitNarozeni{&zobrazovatGroupBox, "zobrazitNarozeni"};
    TCheckBox zobrazitProcenta{&zobrazovatGroupBox, "zobrazitProcenta"};
    TCheckBox zobrazitRodne{&zobrazovatGroupBox, "zobrazitRodne"};

    // Between the list and the pages: widens or narrows the list.
    TSplitter listSplitter{this, "listSplitter"};

    // ---- Heading of the shown person (right, above the pages)
    TLabel nadpisJmenoLB{this, "nadpisJmenoLB"};
    TLabel obsahKaretLB{this, "obsahKaretLB"};
    TLabel prepniOsobyLB{this, "prepniOsobyLB"};
    TButton prevBT{this, "prevBT"};
    TButton nextBT{this, "nextBT"};
    TCheckBox zamekCH{this, "zamekCH"};

    // ---- Pages of the tree and of the shown person
    TPageControl pages{this, "pages"};
    TTabSheet obecne{&pages, "obecne"};
    TTabSheet zakladniUdaje{&pages, "zakladniUdaje"};
    TTabSheet dalsiUdaje{&pages, "dalsiUdaje"};
    TTabSheet fotkyAObrazky{&pages, "fotkyAObrazky"};
    TTabSheet dokumenty{&pages, "dokumenty"};
    TTabSheet doplnujiciTextyASoubory{&pages, "doplnujiciTextyASoubory"};
    TTabSheet shrnutiOsoby{&pages, "shrnutiOsoby"};
    TTabSheet statistikaLipovetau{&pages, "statistikaLipovetau"};

    // ---- Status bar (bottom): the last line a tree load read
    TStatusBar StatusBar1{this, "StatusBar1"};

    // ---- Controls of the tab sheets
    ObecneSheet obecneSheet{obecne};
    ZakladniSheet zakladniSheet{zakladniUdaje};
    DalsiSheet dalsiSheet{dalsiUdaje};
    FotkySheet fotkySheet{fotkyAObrazky};
    DokumentySheet dokumentySheet{dokumenty};
    DoplnujiciSheet doplnujiciSheet{doplnujiciTextyASoubory};
    ShrnutiSheet shrnutiSheet{shrnutiOsoby};
    StatistikaSheet statistikaSheet{statistikaLipovetau};
};
