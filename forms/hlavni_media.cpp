#include "forms/hlavni_media.h"

#include "forms/sheet_layout.h"

using namespace sheet_layout;

namespace {

// Both picture tabs share one arrangement: a 170-pixel column on the left, the preview beside it.
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

void layOut(const PictureTab& t, const char* listCaption, const char* insertCaption)
{
    constexpr int x = 4, w = 170;
    t.listLB.SetBounds(x, 4, w, 13);
    t.listLB.Caption = listCaption;
    t.listLB.FocusControl = &t.list;
    t.list.SetBounds(x, 20, w, 8 * t.list.ItemHeight + 4);
    t.order.SetBounds(x, 130, w, 56);
    t.order.Caption = "Způsob řazení";
    items(t.order.Items, {"Abecedně", "Chronologicky"});
    t.order.setItemIndex(0);
    t.nameLB.SetBounds(x, 192, w, 13);
    t.nameLB.Caption = "Název:";
    t.nameLB.FocusControl = &t.name;
    field(t.name, x, 206, w);
    t.yearLB.SetBounds(x, 230, w, 13);
    t.yearLB.Caption = "Rok:";
    t.yearLB.FocusControl = &t.year;
    field(t.year, x, 244, 60);
    t.storedLB.SetBounds(x, 268, w, 13);
    t.storedLB.Caption = "Název souboru:";
    field(t.stored, x, 282, w);
    t.stored.ReadOnly = true;
    t.commentLB.SetBounds(x, 306, w, 13);
    t.commentLB.Caption = "Komentář:";
    t.commentLB.FocusControl = &t.comment;
    t.comment.SetBounds(x, 320, w, 80);
    t.comment.ScrollBars = TMemo::ssVertical;
    button(t.insert, x, 406, w, insertCaption);
    button(t.assign, x, 431, w, "Přiřaď vložené");
    button(t.remove, x, 456, w, "Vymaž");
    button(t.save, x, 481, w, "Ulož na disk");
    button(t.open, x, 506, w, "Otevři v prohlížeči");
    t.preview.SetBounds(x + w + 8, 2, 570, 529);
    t.preview.Center = true;
    // Nothing is selected until a person's pictures are shown.
    for (TControl* detail :
         std::initializer_list<TControl*>{&t.name, &t.year, &t.comment, &t.remove, &t.save, &t.open})
        detail->Enabled = false;
}

} // namespace

FotkySheet::FotkySheet(TTabSheet& s) : sheet(s)
{
    layOut({seznamFotoLB, seznamFotoLIST, seradFotoRADIO, nazevFotoLB, nazevFotoED, rokFotoLB, rokFotoED,
            nazevSouboruFotoLB, nazevSouboruFotoED, komentarFotoLB, komentarFotoMEMO, vlozNoveFotoBT,
            priradVlozeneFotoBT, vymazFotoBT, ulozFotoNaDiskBT, otevriFotoVProhlizeciBT, fotoIMG},
           "Přiřazené fotografie:", "Vlož nové foto");
}

DokumentySheet::DokumentySheet(TTabSheet& s) : sheet(s)
{
    layOut({seznamDokLB, seznamDokLIST, seradDokRADIO, nazevDokLB, nazevDokED, rokDokLB, rokDokED,
            nazevSouboruDokLB, nazevSouboruDokED, komentarDokLB, komentarDokMEMO, vlozNovyDokBT,
            priradVlozeneDokBT, vymazDokBT, ulozDokNaDiskBT, otevriDokVProhlizeciBT, dokumentIMG},
           "Přiřazené dokumenty:", "Vlož nový");
}
