#pragma once
// The photo and document tabs of the main window: the person's pictures of one kind as a list
// with its sort order, the selected picture's name, year, stored file name and comment beside
// its 570 x 529 preview, and the insert, assign, delete, save and open buttons.
#include "toolkit/commonctrls.h"
#include "toolkit/lists.h"
#include "toolkit/pagecontrol.h"
#include "toolkit/stdctrls.h"
#include "toolkit/window_text.h"

// The parts of a picture tab, which both tabs lay out alike: a 170-pixel column on the left,
// the preview beside it.
struct PictureTab {
    TLabel& listLB;
    TListBox& list;
    TRadioGroup& order;
    TLabel& nameLB;
    TEdit& name;
    TLabel& yearLB;
    TEdit& year;
    TLabel& storedLB;
    TEdit& stored;
    TLabel& commentLB;
    TMemo& comment;
    TButton& insert;
    TButton& assign;
    TButton& remove;
    TButton& save;
    TButton& open;
    TImage& preview;
};

struct FotkySheet {
    explicit FotkySheet(TTabSheet& sheet);
    FotkySheet(const FotkySheet&) = delete;
    FotkySheet& operator=(const FotkySheet&) = delete;
    // The texts a language replaces, the tab's title first, in the order they are looked up.
    WindowTextList texts();
    PictureTab parts();

    TTabSheet& sheet;
    TLabel seznamFotoLB{&sheet, "seznamFotoLB"};
    TListBox seznamFotoLIST{&sheet, "seznamFotoLIST"};
    TRadioGroup seradFotoRADIO{&sheet, "seradFotoRADIO"};
    TLabel nazevFotoLB{&sheet, "nazevFotoLB"};
    TEdit nazevFotoED{&sheet, "nazevFotoED"};
    TLabel rokFotoLB{&sheet, "rokFotoLB"};
    TEdit rokFotoED{&sheet, "rokFotoED"};
    TLabel nazevSouboruFotoLB{&sheet, "nazevSouboruFotoLB"};
    TEdit nazevSouboruFotoED{&sheet, "nazevSouboruFotoED"};
    TLabel komentarFotoLB{&sheet, "komentarFotoLB"};
    TMemo komentarFotoMEMO{&sheet, "komentarFotoMEMO"};
    TButton vlozNoveFotoBT{&sheet, "vlozNoveFotoBT"};
    TButton priradVlozeneFotoBT{&sheet, "priradVlozeneFotoBT"};
    TButton vymazFotoBT{&sheet, "vymazFotoBT"};
    TButton ulozFotoNaDiskBT{&sheet, "ulozFotoNaDiskBT"};
    TButton otevriFotoVProhlizeciBT{&sheet, "otevriFotoVProhlizeciBT"};
    TImage fotoIMG{&sheet, "fotoIMG"};
};

struct DokumentySheet {
    explicit DokumentySheet(TTabSheet& sheet);
    DokumentySheet(const DokumentySheet&) = delete;
    DokumentySheet& operator=(const DokumentySheet&) = delete;
    // The texts a language replaces, the tab's title first, in the order they are looked up.
    WindowTextList texts();
    PictureTab parts();

    TTabSheet& sheet;
    TLabel seznamDokLB{&sheet, "seznamDokLB"};
    TListBox seznamDokLIST{&sheet, "seznamDokLIST"};
    TRadioGroup seradDokRADIO{&sheet, "seradDokRADIO"};
    TLabel nazevDokLB{&sheet, "nazevDokLB"};
    TEdit nazevDokED{&sheet, "nazevDokED"};
    TLabel rokDokLB{&sheet, "rokDokLB"};
    TEdit rokDokED{&sheet, "rokDokED"};
    TLabel nazevSouboruDokLB{&sheet, "nazevSouboruDokLB"};
    TEdit nazevSouboruDokED{&sheet, "nazevSouboruDokED"};
    TLabel komentarDokLB{&sheet, "komentarDokLB"};
    TMemo komentarDokMEMO{&sheet, "komentarDokMEMO"};
    TButton vlozNovyDokBT{&sheet, "vlozNovyDokBT"};
    TButton priradVlozeneDokBT{&sheet, "priradVlozeneDokBT"};
    TButton vymazDokBT{&sheet, "vymazDokBT"};
    TButton ulozDokNaDiskBT{&sheet, "ulozDokNaDiskBT"};
    TButton otevriDokVProhlizeciBT{&sheet, "otevriDokVProhlizeciBT"};
    TImage dokumentIMG{&sheet, "dokumentIMG"};
};
