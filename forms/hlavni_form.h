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
#include "toolkit/window_text.h"

class ThlavniForm : public TForm {
public:
    ThlavniForm();
    // The texts a language replaces, part by part, each in the order they are looked up: the
    // title and main menu, the tool buttons' hints, the sort box's title, the sort direction
    // button's (only that of the direction set is looked up), the rest of the person list's
    // panel, the list's pop-up menu and the person's lock box (looked up with the basic-data
    // page).
    WindowTextList menuTexts();
    WindowTextList toolTexts();
    WindowTextList sortBoxTexts();
    WindowTextList sortDirectionTexts(bool ascending);
    WindowTextList listPanelTexts();
    WindowTextList popupTexts();
    WindowTextList lockTexts();

    // ---- Main menu
    TMainMenu MainMenu1;

    TMenuItem Lipoveta1{MainMenu1.Items, "Lipoveta1"};
    TMenuItem Novy1{Lipoveta1, "Novy1"};
    TMenuItem Otevrit1{Lipoveta1, "Otevrit1"};
    TMenuItem Ulozit1{Lipoveta1, "Ulozit1"};
    TMenuItem UlozitJako1{Lipoveta1, "UlozitJako1"};
    TMenuItem Zavrit1{Lipoveta1, "Zavrit1"};
    TMenuItem N1{Lipoveta1, "N1", "-"};
    TMenuItem Export1{Lipoveta1, "Export1"};
    TMenuItem expGED{Export1, "expGED", "GED"};
    TMenuItem expTXT{Export1, "expTXT", "TXT"};
    TMenuItem expRAR{Export1, "expRAR", "RAR"};
    TMenuItem Import1{Lipoveta1, "Import1"};
    TMenuItem impGED{Import1, "impGED", "GED"};
    TMenuItem impRAR{Import1, "impRAR", "RAR"};
    TMenuItem N2{Lipoveta1, "N2", "-"};
    TMenuItem soubor1{Lipoveta1, "soubor1", "1"};
    TMenuItem soubor2{Lipoveta1, "soubor2", "2"};
    TMenuItem soubor3{Lipoveta1, "soubor3", "3"};
    TMenuItem soubor4{Lipoveta1, "soubor4", "4"};
    TMenuItem N14{Lipoveta1, "N14", "-"};
    TMenuItem Konec1{Lipoveta1, "Konec1"};

    TMenuItem Upravy1{MainMenu1.Items, "Upravy1"};
    TMenuItem Zpet1{Upravy1, "Zpet1", {}, ShortCut('Z', ssCtrl)};
    TMenuItem Znovu1{Upravy1, "Znovu1", {}, ShortCut('Y', ssCtrl)};
    TMenuItem N3{Upravy1, "N3", "-"};
    TMenuItem HromadneMazani1{Upravy1, "HromadneMazani1"};
    TMenuItem SpojovaniLipovetau1{Upravy1, "SpojovaniLipovetau1"};

    TMenuItem Osoba1{MainMenu1.Items, "Osoba1"};
    TMenuItem Nova1{Osoba1, "Nova1", {}, ShortCut(VK_F2)};
    TMenuItem Vymaz1{Osoba1, "Vymaz1", {}, ShortCut(VK_F8)};
    TMenuItem Pribuzni1{Osoba1, "Pribuzni1"};
    TMenuItem Bratri1{Pribuzni1, "Bratri1"};
    TMenuItem Sestry1{Pribuzni1, "Sestry1"};
    TMenuItem Sourozenci1{Pribuzni1, "Sourozenci1"};
    TMenuItem N5{Pribuzni1, "N5", "-"};
    TMenuItem Synove1{Pribuzni1, "Synove1"};
    TMenuItem Dcery1{Pribuzni1, "Dcery1"};
    TMenuItem Potomci1{Pribuzni1, "Potomci1"};
    TMenuItem N6{Pribuzni1, "N6", "-"};
    TMenuItem Vnukove1{Pribuzni1, "Vnukove1"};
    TMenuItem Vnucky1{Pribuzni1, "Vnucky1"};
    TMenuItem VnukoveAVnucky1{Pribuzni1, "VnukoveAVnucky1"};
    TMenuItem N7{Pribuzni1, "N7", "-"};
    TMenuItem Dedove1{Pribuzni1, "Dedove1"};
    TMenuItem Babicky1{Pribuzni1, "Babicky1"};
    TMenuItem DedoveABabicky1{Pribuzni1, "DedoveABabicky1"};
    TMenuItem N8{Pribuzni1, "N8", "-"};
    TMenuItem Strycove1{Pribuzni1, "Strycove1"};
    TMenuItem Tety1{Pribuzni1, "Tety1"};
    TMenuItem StrycoveATety1{Pribuzni1, "StrycoveATety1"};
    TMenuItem N9{Pribuzni1, "N9", "-"};
    TMenuItem Bratranci1{Pribuzni1, "Bratranci1"};
    TMenuItem Sestrenice1{Pribuzni1, "Sestrenice1"};
    TMenuItem BratranciASestrenice1{Pribuzni1, "BratranciASestrenice1"};
    TMenuItem N10{Pribuzni1, "N10", "-"};
    TMenuItem Synovci1{Pribuzni1, "Synovci1"};
    TMenuItem Netere1{Pribuzni1, "Netere1"};
    TMenuItem SynovciANetere1{Pribuzni1, "SynovciANetere1"};
    TMenuItem N11{Pribuzni1, "N11", "-"};
    TMenuItem Zetove1{Pribuzni1, "Zetove1"};
    TMenuItem Snachy1{Pribuzni1, "Snachy1"};
    TMenuItem ZetoveASnachy1{Pribuzni1, "ZetoveASnachy1"};
    TMenuItem N12{Pribuzni1, "N12", "-"};
    TMenuItem Svagri1{Pribuzni1, "Svagri1"};
    TMenuItem Svagrove1{Pribuzni1, "Svagrove1"};
    TMenuItem SvagriASvagrove1{Pribuzni1, "SvagriASvagrove1"};
    TMenuItem Hledej1{Osoba1, "Hledej1", {}, ShortCut(VK_F3)};

    TMenuItem Zobrazeni1{MainMenu1.Items, "Zobrazeni1"};
    TMenuItem SpustitLineskop1{Zobrazeni1, "SpustitLineskop1"};
    TMenuItem RodovyVyvod1{Zobrazeni1, "RodovyVyvod1"};
    TMenuItem AgnatniVyvod1{Zobrazeni1, "AgnatniVyvod1"};
    TMenuItem RozrodKmene1{Zobrazeni1, "RozrodKmene1"};
    TMenuItem VyvodARozrod1{Zobrazeni1, "VyvodARozrod1"};

    TMenuItem Prehledy1{MainMenu1.Items, "Prehledy1"};
    TMenuItem Formular1{Prehledy1, "Formular1"};
    TMenuItem HTMLstranka1{Prehledy1, "HTMLstranka1"};
    TMenuItem HTMLstranky1{Prehledy1, "HTMLstranky1"};
    TMenuItem SeznamOsob1{Prehledy1, "SeznamOsob1"};
    TMenuItem Vyroci1{Prehledy1, "Vyroci1"};
    TMenuItem Kalendar1{Prehledy1, "Kalendar1"};

    TMenuItem Nastaveni1{MainMenu1.Items, "Nastaveni1"};
    TMenuItem BarvyVztahu1{Nastaveni1, "BarvyVztahu1"};
    TMenuItem Jazyk1{Nastaveni1, "Jazyk1"};
    TMenuItem Kontroly1{Nastaveni1, "Kontroly1"};
    TMenuItem N4{Nastaveni1, "N4", "-"};
    TMenuItem F91{Nastaveni1, "F91", "F9 "};
    TMenuItem F101{Nastaveni1, "F101", "F10 "};
    TMenuItem F111{Nastaveni1, "F111", "F11 "};
    TMenuItem F121{Nastaveni1, "F121", "F12 "};

    TMenuItem Napoveda1{MainMenu1.Items, "Napoveda1"};
    TMenuItem Napoveda2{Napoveda1, "Napoveda2", {}, ShortCut(VK_F1)};
    TMenuItem Tip1{Napoveda1, "Tip1"};
    TMenuItem OProgramu1{Napoveda1, "OProgramu1"};

    // ---- Pop-up menu of the person list
    TPopupMenu osobaPopup{"osobaPopup"};
    TMenuItem VymazPopup1{osobaPopup.Items, "VymazPopup1"};
    TMenuItem N16{osobaPopup.Items, "N16", "-"};
    TMenuItem ZpetPopup1{osobaPopup.Items, "ZpetPopup1"};

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
