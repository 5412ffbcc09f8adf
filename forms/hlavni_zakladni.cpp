#include "forms/hlavni_zakladni.h"

#include "forms/sheet_layout.h"
#include "system/bitmap.h"

using namespace sheet_layout;

namespace {

// A person's list of periods: its label, three visible rows, the up and down arrows beside it
// and its new, edit and delete buttons below.
void periodList(TLabel& lb, TListBox& list, TSpeedButton& up, TSpeedButton& down, TButton& add, TButton& edit,
                TButton& remove, int left, int top, const char* caption)
{
    lb.SetBounds(left, top, 200, 13);
    lb.Caption = caption;
    lb.FocusControl = &list;
    list.SetBounds(left, top + 16, 204, 3 * list.ItemHeight + 4);
    up.SetBounds(left + 208, top + 16, 22, 21);
    up.StandardGlyph = TStandardGlyph::Up;
    down.SetBounds(left + 208, top + 38, 22, 21);
    down.StandardGlyph = TStandardGlyph::Down;
    button(add, left, top + 64, 64, "Nové");
    button(edit, left + 68, top + 64, 64, "Uprav");
    button(remove, left + 136, top + 64, 64, "Smaž");
    edit.Enabled = false;
    remove.Enabled = false;
    up.Enabled = false;
    down.Enabled = false;
}

// The grey placeholder of a person without a portrait: a head and shoulders on a light frame.
TBitmap greyPortrait(int width, int height)
{
    TBitmap b(width, height);
    const Rgba light{214, 214, 214}, dark{168, 168, 168};
    const double cx = width / 2.0, headY = height * 0.36, headR = width * 0.22;
    const double shoulderY = height * 0.98, shoulderRx = width * 0.42, shoulderRy = height * 0.32;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const double hx = (x - cx) / headR, hy = (y - headY) / (headR * 1.2);
            const double sx = (x - cx) / shoulderRx, sy = (y - shoulderY) / shoulderRy;
            b.setPixel(x, y, hx * hx + hy * hy <= 1 || sx * sx + sy * sy <= 1 ? dark : light);
        }
    return b;
}

} // namespace

ZakladniSheet::ZakladniSheet(TTabSheet& s) : sheet(s)
{
    // Left column: names, sex, titles, birth and death.
    constexpr int lx = 8, fx = 112, fw = 150;
    label(jmenoLB, lx, 8, 100, "Jméno:", &jmenoCB);
    field(jmenoCB, fx, 8, fw);
    label(prijmeniLB, lx, 32, 100, "Příjmení:", &prijmeniCB);
    field(prijmeniCB, fx, 32, fw);
    label(rodnePrijmeniLB, lx, 56, 100, "Rodné příjmení:", &rodnePrijmeniCB);
    field(rodnePrijmeniCB, fx, 56, fw);
    label(pohlaviLB, lx, 80, 100, "Pohlaví:", &pohlaviCB);
    field(pohlaviCB, fx, 80, fw);
    pohlaviCB.Style = TComboBox::csDropDownList;
    items(pohlaviCB.Items, {"muž", "žena"});
    label(titulPredLB, lx, 104, 100, "Titul před:", &titulPredCB);
    field(titulPredCB, fx, 104, fw);
    titulPredCB.setSorted(true);
    items(titulPredCB.Items,
          {"Bc.", "BcA.", "doc.", "Dr.", "Ing.", "Ing.arch.", "JUDr.", "MgA.", "Mgr.", "MUDr.", "MVDr.",
           "PaedDr.", "PharmDr.", "PhDr.", "prof.", "RNDr.", "ThDr.", "ThLic."});
    label(titulZaLB, lx, 128, 100, "Titul za:", &titulZaCB);
    field(titulZaCB, fx, 128, fw);
    titulZaCB.setSorted(true);
    items(titulZaCB.Items, {"CSc.", "DiS.", "dr.h.c.", "DrSc.", "Ph.D.", "Th.D."});
    for (TComboBox* names : {&jmenoCB, &prijmeniCB, &rodnePrijmeniCB})
        names->setSorted(true);

    datumNarozeniLB.SetBounds(lx, 158, 100, 13);
    datumNarozeniLB.Caption = "Datum narození:";
    datumNarozeniLB.FocusControl = &narozDenCB;
    dmrNarozLB.SetBounds(fx, 158, fw, 13);
    dmrNarozLB.Caption = "(den/měs/rok)";
    dateFields(narozDenCB, narozMesicCB, narozRokED, nastavNeznameNarozeniBT, lx, 174);
    narozeniDenLB.SetBounds(lx + 176, 178, 86, 13);
    narozeniDenLB.Caption = "?";
    narozAsi.SetBounds(lx, 198, 64, 17);
    narozAsi.Caption = "+/- 1";
    zivaZesnulaCH.SetBounds(fx, 198, fw, 17);
    zivaZesnulaCH.Caption = "žije";
    label(narozMistoLB, lx, 220, 100, "Místo narození:", &narozMistoCB);
    field(narozMistoCB, fx, 220, fw);
    narozMistoCB.setSorted(true);

    datumUmrtiLB.SetBounds(lx, 250, 100, 13);
    datumUmrtiLB.Caption = "Datum úmrtí:";
    datumUmrtiLB.FocusControl = &smrtDenCB;
    dmrSmrtLB.SetBounds(fx, 250, fw, 13);
    dmrSmrtLB.Caption = "(den/měs/rok)";
    dateFields(smrtDenCB, smrtMesicCB, smrtRokED, nastavNeznameUmrtiBT, lx, 266);
    smrtDenLB.SetBounds(lx + 176, 270, 86, 13);
    smrtDenLB.Caption = "?";
    smrtAsi.SetBounds(lx, 290, 64, 17);
    smrtAsi.Caption = "+/- 1";
    label(smrtMistoLB, lx, 312, 100, "Místo úmrtí:", &smrtMistoCB);
    field(smrtMistoCB, fx, 312, fw);
    label(smrtPohrebLB, lx, 336, 100, "Místo pohřbení:", &smrtPohrebCB);
    field(smrtPohrebCB, fx, 336, fw);
    label(smrtPricinaLB, lx, 360, 100, "Příčina úmrtí:", &smrtPricinaCB);
    field(smrtPricinaCB, fx, 360, fw);
    for (TComboBox* places : {&smrtMistoCB, &smrtPohrebCB, &smrtPricinaCB})
        places->setSorted(true);

    // Middle column: parents, children, siblings.
    constexpr int mx = 272;
    button(otecBT, mx, 7, 64, "Otec:");
    field(otecCB, mx + 68, 8, 250);
    button(matkaBT, mx, 33, 64, "Matka:");
    field(matkaCB, mx + 68, 34, 250);
    for (TComboBox* parent : {&otecCB, &matkaCB}) {
        parent->Style = TComboBox::csDropDownList;
        parent->setSorted(true);
        parent->DropDownCount = 20;
    }
    detiLB.SetBounds(mx, 62, 200, 13);
    detiLB.Caption = "Děti:";
    detiLB.FocusControl = &detiLIST;
    detiLIST.SetBounds(mx, 78, 250, 5 * detiLIST.ItemHeight + 4);
    button(vytvorDiteBT, mx + 254, 78, 64, "Vytvoř");
    button(priradDiteBT, mx + 254, 102, 64, "Přiřaď");
    button(odeberDiteBT, mx + 254, 126, 64, "Odeber");
    odeberDiteBT.Enabled = false;
    sourozenciLB.SetBounds(mx, 156, 200, 13);
    sourozenciLB.Caption = "Sourozenci:";
    sourozenciLB.FocusControl = &sourozenciLIST;
    sourozenciLIST.SetBounds(mx, 172, 250, 5 * sourozenciLIST.ItemHeight + 4);
    button(vytvorSourozenceBT, mx + 254, 172, 64, "Vytvoř");

    // Right column: the 150 x 200 portrait frame, its buttons, the group buttons.
    constexpr int px = 598;
    hlavaSedivaIMG.SetBounds(px, 8, 150, 200);
    hlavaSedivaIMG.Transparent = true;
    hlavaSedivaIMG.Picture.Assign(greyPortrait(150, 200));
    hlavaSedivaIMG.Center = true;
    hlavaIMG.SetBounds(px, 8, 150, 200);
    hlavaIMG.Center = true;
    hlavaIMG.Visible = false;
    button(vlozHlavaBT, px, 212, 48, "Vlož");
    button(odeberHlavaBT, px + 51, 212, 48, "Odeber");
    button(ulozHlavaBT, px + 102, 212, 48, "Ulož");
    odeberHlavaBT.Enabled = false;
    ulozHlavaBT.Enabled = false;
    button(skupinyBT, px, 240, 73, "Skupiny");
    button(spravceSkupinBT, px + 77, 240, 73, "Správce");

    // Partnerships, across the middle and right columns: the partners on the left, the
    // selected partnership on the right.
    constexpr int sy = 268;
    button(vytvorSvatbuBT, mx, sy, 120, "Přidat partnera");
    partneriLIST.SetBounds(mx, sy + 26, 204, 4 * partneriLIST.ItemHeight + 4);
    nahoruSvatbaBT.SetBounds(mx + 208, sy + 26, 22, 21);
    nahoruSvatbaBT.StandardGlyph = TStandardGlyph::Up;
    doluSvatbaBT.SetBounds(mx + 208, sy + 48, 22, 21);
    doluSvatbaBT.StandardGlyph = TStandardGlyph::Down;
    button(shrnutiSvatbyBT, mx, sy + 86, 112, "Shrnutí svatby");
    button(zmenPartneraBT, mx + 116, sy + 86, 114, "Změň partnera");
    button(smazSvatbuBT, mx, sy + 112, 56, "Smaž");
    oddaniCHECK.SetBounds(mx + 64, sy + 115, 72, 17);
    oddaniCHECK.Caption = "oddáni";
    rozvedeniCHECK.SetBounds(mx + 140, sy + 115, 90, 17);
    rozvedeniCHECK.Caption = "rozvedeni";

    constexpr int wx = 512, wf = 616;
    datumSvatbyLB.SetBounds(wx, sy, 100, 13);
    datumSvatbyLB.Caption = "Datum svatby:";
    datumSvatbyLB.FocusControl = &svatbaDenCB;
    dmrSvatbaLB.SetBounds(wf, sy, 132, 13);
    dmrSvatbaLB.Caption = "(den/měs/rok)";
    dateFields(svatbaDenCB, svatbaMesicCB, svatbaRokED, nastavNeznamouSvatbuBT, wx, sy + 16);
    svatbaAsi.SetBounds(wx, sy + 40, 64, 17);
    svatbaAsi.Caption = "+/- 1";
    svatbaDenLB.SetBounds(wx + 176, sy + 20, 60, 13);
    svatbaDenLB.Caption = "?";
    label(svatbaMistoLB, wx, sy + 60, 100, "Místo svatby:", &svatbaMistoCB);
    field(svatbaMistoCB, wf, sy + 60, 132);
    svatbaMistoCB.setSorted(true);
    label(oddavajiciKnezLB, wx, sy + 84, 100, "Oddávající kněz:", &oddavajiciKnezED);
    field(oddavajiciKnezED, wf, sy + 84, 132);
    label(svedkoveLB, wx, sy + 108, 100, "Svědkové:", &svedkoveED);
    field(svedkoveED, wf, sy + 108, 132);
    datumRozvoduLB.SetBounds(wx, sy + 136, 100, 13);
    datumRozvoduLB.Caption = "Datum rozvodu:";
    datumRozvoduLB.FocusControl = &rozvodDenCB;
    dmrRozvodLB.SetBounds(wf, sy + 136, 132, 13);
    dmrRozvodLB.Caption = "(den/měs/rok)";
    dateFields(rozvodDenCB, rozvodMesicCB, rozvodRokED, nastavNeznamyRozvodBT, wx, sy + 152);
    rozvodDenLB.SetBounds(wx + 176, sy + 156, 60, 13);
    rozvodDenLB.Caption = "?";
    for (TComboBox* day : {&svatbaDenCB, &rozvodDenCB})
        for (int d = 1; d <= 31; ++d)
            day->Items.Add(std::to_string(d));

    // Bottom: the three period lists side by side.
    constexpr int ly = 446;
    periodList(bydlisteLB, bydlisteLIST, nahoruBydlisteBT, doluBydlisteBT, noveBydlisteBT, upravBydlisteBT,
               smazatBydlisteBT, lx, ly, "Bydliště:");
    periodList(vzdelaniLB, vzdelaniLIST, nahoruVzdelaniBT, doluVzdelaniBT, noveVzdelaniBT, upravVzdelaniBT,
               smazatVzdelaniBT, 258, ly, "Vzdělání:");
    periodList(povolaniLB, povolaniLIST, nahoruPovolaniBT, doluPovolaniBT, novePovolaniBT, upravPovolaniBT,
               smazatPovolaniBT, 508, ly, "Povolání:");
}
