#include "forms/hlavni_media.h"

#include "forms/sheet_layout.h"

using namespace sheet_layout;

namespace {

void layOut(const PictureTab& t)
{
    constexpr int x = 4, w = 170;
    t.listLB.SetBounds(x, 4, w, 13);
    t.listLB.FocusControl = &t.list;
    t.list.SetBounds(x, 20, w, 8 * t.list.ItemHeight + 4);
    t.order.SetBounds(x, 130, w, 56);
    t.order.setItemIndex(0);
    t.nameLB.SetBounds(x, 192, w, 13);
    t.nameLB.FocusControl = &t.name;
    field(t.name, x, 206, w);
    t.yearLB.SetBounds(x, 230, w, 13);
    t.yearLB.FocusControl = &t.year;
    field(t.year, x, 244, 60);
    t.storedLB.SetBounds(x, 268, w, 13);
    field(t.stored, x, 282, w);
    t.stored.ReadOnly = true;
    t.commentLB.SetBounds(x, 306, w, 13);
    t.commentLB.FocusControl = &t.comment;
    t.comment.SetBounds(x, 320, w, 80);
    t.comment.ScrollBars = TMemo::ssVertical;
    button(t.insert, x, 406, w);
    button(t.assign, x, 431, w);
    button(t.remove, x, 456, w);
    button(t.save, x, 481, w);
    button(t.open, x, 506, w);
    t.preview.SetBounds(x + w + 8, 2, 570, 529);
    t.preview.Center = true;
    // Nothing is selected until a person's pictures are shown.
    for (TControl* detail :
         std::initializer_list<TControl*>{&t.name, &t.year, &t.comment, &t.remove, &t.save, &t.open})
        detail->Enabled = false;
}

// Both tabs name the same keys, each in its own section; the tab's title, the list's and the
// insert button's are their own.
struct PictureTexts {
    const char* section;
    const char* tabKey;
    const char* tabTitle;
    const char* listTitle;
    const char* insertKey;
    const char* insertTitle;
};

WindowTextList pictureTabTexts(TTabSheet& sheet, const PictureTab& t, const PictureTexts& own)
{
    return {own.section,
            {
                WindowText::caption(sheet, own.tabKey, own.tabTitle),
                WindowText::caption(t.nameLB, "nazev", "Název:"),
                WindowText::caption(t.yearLB, "rok", "Rok:"),
                WindowText::caption(t.storedLB, "nazevSouboru", "Název souboru:"),
                WindowText::caption(t.commentLB, "komentar", "Komentář:"),
                WindowText::caption(t.listLB, "prirazene", own.listTitle),
                WindowText::caption(t.order, "zpusobRazeni", "Způsob řazení"),
                WindowText::item(t.order.Items, 0, "abecedne", "Abecedně"),
                WindowText::item(t.order.Items, 1, "chronologicky", "Chronologicky"),
                WindowText::caption(t.insert, own.insertKey, own.insertTitle),
                WindowText::caption(t.assign, "priradVlozene", "Přiřaď vložené"),
                WindowText::caption(t.remove, "vymaz", "Vymaž"),
                WindowText::caption(t.save, "ulozNaDisk", "Ulož na disk"),
                WindowText::caption(t.open, "otevriVProhlizeci", "Otevři v prohlížeči"),
            }};
}

constexpr PictureTexts kPhotoTexts{"kartaFotkyAObrazky",    "fotkyAObrazky", "Fotky a obrázky",
                                   "Přiřazené fotografie:", "vlozNoveFoto",  "Vlož nové foto"};
constexpr PictureTexts kDocumentTexts{"kartaDokumenty",       "dokumenty",   "Dokumenty",
                                      "Přiřazené dokumenty:", "vlozNovyDok", "Vlož nový"};

} // namespace

FotkySheet::FotkySheet(TTabSheet& s) : sheet(s)
{
    showCzechTexts(texts());
    layOut(parts());
}

PictureTab FotkySheet::parts()
{
    return {seznamFotoLB,
            seznamFotoLIST,
            seradFotoRADIO,
            nazevFotoLB,
            nazevFotoED,
            rokFotoLB,
            rokFotoED,
            nazevSouboruFotoLB,
            nazevSouboruFotoED,
            komentarFotoLB,
            komentarFotoMEMO,
            vlozNoveFotoBT,
            priradVlozeneFotoBT,
            vymazFotoBT,
            ulozFotoNaDiskBT,
            otevriFotoVProhlizeciBT,
            fotoIMG};
}

WindowTextList FotkySheet::texts()
{
    return pictureTabTexts(sheet, parts(), kPhotoTexts);
}

DokumentySheet::DokumentySheet(TTabSheet& s) : sheet(s)
{
    showCzechTexts(texts());
    layOut(parts());
}

PictureTab DokumentySheet::parts()
{
    return {seznamDokLB,        seznamDokLIST, seradDokRADIO,   nazevDokLB,
            nazevDokED,         rokDokLB,      rokDokED,        nazevSouboruDokLB,
            nazevSouboruDokED,  komentarDokLB, komentarDokMEMO, vlozNovyDokBT,
            priradVlozeneDokBT, vymazDokBT,    ulozDokNaDiskBT, otevriDokVProhlizeciBT,
            dokumentIMG};
}

WindowTextList DokumentySheet::texts()
{
    return pictureTabTexts(sheet, parts(), kDocumentTexts);
}
