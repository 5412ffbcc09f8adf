#include "forms/hlavni_zakladni.h"

#include "forms/sheet_layout.h"
#include "system/bitmap.h"

using namespace sheet_layout;

namespace {

// A person's list of periods: its label, three visible rows, the up and down arrows beside it
// and its new, edit and delete buttons below.
void periodList(TLabel& lb, TListBox& list, TSpeedButton& up, TSpeedButton& down, TButton& add, TButton& edit,
                TButton& remove, int left, int top)
{
    lb.SetBounds(left, top, 200, 13);
    lb.FocusControl = &list;
    list.SetBounds(left, top + 16, 204, 3 * list.ItemHeight + 4);
    up.SetBounds(left + 208, top + 16, 22, 21);
    up.StandardGlyph = TStandardGlyph::Up;
    down.SetBounds(left + 208, top + 38, 22, 21);
    down.StandardGlyph = TStandardGlyph::Down;
    button(add, left, top + 64, 64);
    button(edit, left + 68, top + 64, 64);
    button(remove, left + 136, top + 64, 64);
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
    showCzechTexts(texts());
    // Left column: names, sex, titles, birth and death.
    constexpr int lx = 8, fx = 112, fw = 150;
    label(jmenoLB, lx, 8, 100, &jmenoCB);
    field(jmenoCB, fx, 8, fw);
    label(prijmeniLB, lx, 32, 100, &prijmeniCB);
    field(prijmeniCB, fx, 32, fw);
    label(rodnePrijmeniLB, lx, 56, 100, &rodnePrijmeniCB);
    field(rodnePrijmeniCB, fx, 56, fw);
    label(pohlaviLB, lx, 80, 100, &pohlaviCB);
    field(pohlaviCB, fx, 80, fw);
    pohlaviCB.Style = TComboBox::csDropDownList;
    label(titulPredLB, lx, 104, 100, &titulPredCB);
    field(titulPredCB, fx, 104, fw);
    titulPredCB.setSorted(true);
    items(titulPredCB.Items,
          {"Bc.", "BcA.", "doc.", "Dr.", "Ing.", "Ing.arch.", "JUDr.", "MgA.", "Mgr.", "MUDr.", "MVDr.",
           "PaedDr.", "PharmDr.", "PhDr.", "prof.", "RNDr.", "ThDr.", "ThLic."});
    label(titulZaLB, lx, 128, 100, &titulZaCB);
    field(titulZaCB, fx, 128, fw);
    titulZaCB.setSorted(true);
    items(titulZaCB.Items, {"CSc.", "DiS.", "dr.h.c.", "DrSc.", "Ph.D.", "Th.D."});
    for (TComboBox* names : {&jmenoCB, &prijmeniCB, &rodnePrijmeniCB})
        names->setSorted(true);

    datumNarozeniLB.SetBounds(lx, 158, 100, 13);
    datumNarozeniLB.FocusControl = &narozDenCB;
    dmrNarozLB.SetBounds(fx, 158, fw, 13);
    dateFields(narozDenCB, narozMesicCB, narozRokED, nastavNeznameNarozeniBT, lx, 174);
    narozeniDenLB.SetBounds(lx + 176, 178, 86, 13);
    narozeniDenLB.Caption = "?";
    narozAsi.SetBounds(lx, 198, 64, 17);
    narozAsi.Caption = "+/- 1";
    zivaZesnulaCH.SetBounds(fx, 198, fw, 17);
    label(narozMistoLB, lx, 220, 100, &narozMistoCB);
    field(narozMistoCB, fx, 220, fw);
    narozMistoCB.setSorted(true);

    datumUmrtiLB.SetBounds(lx, 250, 100, 13);
    datumUmrtiLB.FocusControl = &smrtDenCB;
    dmrSmrtLB.SetBounds(fx, 250, fw, 13);
    dateFields(smrtDenCB, smrtMesicCB, smrtRokED, nastavNeznameUmrtiBT, lx, 266);
    smrtDenLB.SetBounds(lx + 176, 270, 86, 13);
    smrtDenLB.Caption = "?";
    smrtAsi.SetBounds(lx, 290, 64, 17);
    smrtAsi.Caption = "+/- 1";
    label(smrtMistoLB, lx, 312, 100, &smrtMistoCB);
    field(smrtMistoCB, fx, 312, fw);
    label(smrtPohrebLB, lx, 336, 100, &smrtPohrebCB);
    field(smrtPohrebCB, fx, 336, fw);
    label(smrtPricinaLB, lx, 360, 100, &smrtPricinaCB);
    field(smrtPricinaCB, fx, 360, fw);
    for (TComboBox* places : {&smrtMistoCB, &smrtPohrebCB, &smrtPricinaCB})
        places->setSorted(true);

    // Middle column: parents, children, siblings.
    constexpr int mx = 272;
    button(otecBT, mx, 7, 64);
    field(otecCB, mx + 68, 8, 250);
    button(matkaBT, mx, 33, 64);
    field(matkaCB, mx + 68, 34, 250);
    for (TComboBox* parent : {&otecCB, &matkaCB}) {
        parent->Style = TComboBox::csDropDownList;
        parent->setSorted(true);
        parent->DropDownCount = 20;
    }
    detiLB.SetBounds(mx, 62, 200, 13);
    detiLB.FocusControl = &detiLIST;
    detiLIST.SetBounds(mx, 78, 250, 5 * detiLIST.ItemHeight + 4);
    button(vytvorDiteBT, mx + 254, 78, 64);
    button(priradDiteBT, mx + 254, 102, 64);
    button(odeberDiteBT, mx + 254, 126, 64);
    odeberDiteBT.Enabled = false;
    sourozenciLB.SetBounds(mx, 156, 200, 13);
    sourozenciLB.FocusControl = &sourozenciLIST;
    sourozenciLIST.SetBounds(mx, 172, 250, 5 * sourozenciLIST.ItemHeight + 4);
    button(vytvorSourozenceBT, mx + 254, 172, 64);

    // Right column: the 150 x 200 portrait frame, its buttons, the group buttons.
    constexpr int px = 598;
    hlavaSedivaIMG.SetBounds(px, 8, 150, 200);
    hlavaSedivaIMG.Transparent = true;
    hlavaSedivaIMG.Picture.Assign(greyPortrait(150, 200));
    hlavaSedivaIMG.Center = true;
    hlavaIMG.SetBounds(px, 8, 150, 200);
    hlavaIMG.Center = true;
    hlavaIMG.Visible = false;
    button(vlozHlavaBT, px, 212, 48);
    button(odeberHlavaBT, px + 51, 212, 48);
    button(ulozHlavaBT, px + 102, 212, 48);
    odeberHlavaBT.Enabled = false;
    ulozHlavaBT.Enabled = false;
    button(skupinyBT, px, 240, 73);
    button(spravceSkupinBT, px + 77, 240, 73);

    // Partnerships, across the middle and right columns: the partners on the left, the
    // selected partnership on the right.
    constexpr int sy = 268;
    button(vytvorSvatbuBT, mx, sy, 120);
    partneriLIST.SetBounds(mx, sy + 26, 204, 4 * partneriLIST.ItemHeight + 4);
    nahoruSvatbaBT.SetBounds(mx + 208, sy + 26, 22, 21);
    nahoruSvatbaBT.StandardGlyph = TStandardGlyph::Up;
    doluSvatbaBT.SetBounds(mx + 208, sy + 48, 22, 21);
    doluSvatbaBT.StandardGlyph = TStandardGlyph::Down;
    button(shrnutiSvatbyBT, mx, sy + 86, 112);
    button(zmenPartneraBT, mx + 116, sy + 86, 114);
    button(smazSvatbuBT, mx, sy + 112, 56);
    oddaniCHECK.SetBounds(mx + 64, sy + 115, 72, 17);
    rozvedeniCHECK.SetBounds(mx + 140, sy + 115, 90, 17);

    constexpr int wx = 512, wf = 616;
    datumSvatbyLB.SetBounds(wx, sy, 100, 13);
    datumSvatbyLB.FocusControl = &svatbaDenCB;
    dmrSvatbaLB.SetBounds(wf, sy, 132, 13);
    dateFields(svatbaDenCB, svatbaMesicCB, svatbaRokED, nastavNeznamouSvatbuBT, wx, sy + 16);
    svatbaAsi.SetBounds(wx, sy + 40, 64, 17);
    svatbaAsi.Caption = "+/- 1";
    svatbaDenLB.SetBounds(wx + 176, sy + 20, 60, 13);
    svatbaDenLB.Caption = "?";
    label(svatbaMistoLB, wx, sy + 60, 100, &svatbaMistoCB);
    field(svatbaMistoCB, wf, sy + 60, 132);
    svatbaMistoCB.setSorted(true);
    label(oddavajiciKnezLB, wx, sy + 84, 100, &oddavajiciKnezED);
    field(oddavajiciKnezED, wf, sy + 84, 132);
    label(svedkoveLB, wx, sy + 108, 100, &svedkoveED);
    field(svedkoveED, wf, sy + 108, 132);
    datumRozvoduLB.SetBounds(wx, sy + 136, 100, 13);
    datumRozvoduLB.FocusControl = &rozvodDenCB;
    dmrRozvodLB.SetBounds(wf, sy + 136, 132, 13);
    dateFields(rozvodDenCB, rozvodMesicCB, rozvodRokED, nastavNeznamyRozvodBT, wx, sy + 152);
    rozvodDenLB.SetBounds(wx + 176, sy + 156, 60, 13);
    rozvodDenLB.Caption = "?";
    for (TComboBox* day : {&svatbaDenCB, &rozvodDenCB})
        for (int d = 1; d <= 31; ++d)
            day->Items.Add(std::to_string(d));

    // Bottom: the three period lists side by side.
    constexpr int ly = 446;
    periodList(bydlisteLB, bydlisteLIST, nahoruBydlisteBT, doluBydlisteBT, noveBydlisteBT, upravBydlisteBT,
               smazatBydlisteBT, lx, ly);
    periodList(vzdelaniLB, vzdelaniLIST, nahoruVzdelaniBT, doluVzdelaniBT, noveVzdelaniBT, upravVzdelaniBT,
               smazatVzdelaniBT, 258, ly);
    periodList(povolaniLB, povolaniLIST, nahoruPovolaniBT, doluPovolaniBT, novePovolaniBT, upravPovolaniBT,
               smazatPovolaniBT, 508, ly);
}

WindowTextList ZakladniSheet::texts()
{
    return {"kartaZakladniUdaje",
            {
                WindowText::caption(sheet, "zakladniUdaje", "Základní údaje"),
                WindowText::caption(jmenoLB, "jmeno", "Jméno:"),
                WindowText::caption(prijmeniLB, "prijmeni", "Příjmení:"),
                WindowText::caption(rodnePrijmeniLB, "rodnePrijmeni", "Rodné příjmení:"),
                WindowText::caption(pohlaviLB, "pohlavi", "Pohlaví:"),
                WindowText::item(pohlaviCB.Items, 0, "muz", "muž"),
                WindowText::item(pohlaviCB.Items, 1, "zena", "žena"),
                WindowText::caption(titulPredLB, "titulPred", "Titul před:"),
                WindowText::caption(titulZaLB, "titulZa", "Titul za:"),
                WindowText::caption(datumNarozeniLB, "datumNarozeni", "Datum narození:"),
                WindowText::caption(dmrNarozLB, "dmrNaroz", "(den/měs/rok)"),
                WindowText::caption(datumUmrtiLB, "datumUmrti", "Datum úmrtí:"),
                WindowText::caption(dmrSmrtLB, "dmrSmrt", "(den/měs/rok)"),
                WindowText::caption(zivaZesnulaCH, "zije", "žije"),
                WindowText::caption(narozMistoLB, "mistoNarozeni", "Místo narození:"),
                WindowText::caption(smrtMistoLB, "mistoUmrti", "Místo úmrtí:"),
                WindowText::caption(smrtPohrebLB, "mistoPohrbeni", "Místo pohřbení:"),
                WindowText::caption(smrtPricinaLB, "pricinaUmrti", "Příčina úmrtí:"),
                WindowText::caption(otecBT, "otec", "Otec:"),
                WindowText::caption(matkaBT, "matka", "Matka:"),
                WindowText::caption(detiLB, "deti", "Děti:"),
                WindowText::caption(vytvorDiteBT, "vytvorDite", "Vytvoř"),
                WindowText::caption(priradDiteBT, "priradDite", "Přiřaď"),
                WindowText::caption(odeberDiteBT, "odeberDite", "Odeber"),
                WindowText::caption(sourozenciLB, "sourozenci", "Sourozenci:"),
                WindowText::caption(vytvorSourozenceBT, "vytvorSourozence", "Vytvoř"),
                WindowText::caption(vytvorSvatbuBT, "pridatPartnera", "Přidat partnera"),
                WindowText::caption(shrnutiSvatbyBT, "shrnutiSvatby", "Shrnutí svatby"),
                WindowText::caption(zmenPartneraBT, "zmenPartnera", "Změň partnera"),
                WindowText::caption(smazSvatbuBT, "smazSvatbu", "Smaž"),
                WindowText::caption(oddaniCHECK, "oddani", "oddáni"),
                WindowText::caption(datumSvatbyLB, "datumSvatby", "Datum svatby:"),
                WindowText::caption(dmrSvatbaLB, "dmrSvatba", "(den/měs/rok)"),
                WindowText::caption(svatbaMistoLB, "mistoSvatby", "Místo svatby:"),
                WindowText::caption(oddavajiciKnezLB, "oddavajiciKnez", "Oddávající kněz:"),
                WindowText::caption(svedkoveLB, "svedkove", "Svědkové:"),
                WindowText::caption(rozvedeniCHECK, "rozvedeni", "rozvedeni"),
                WindowText::caption(datumRozvoduLB, "datumRozvodu", "Datum rozvodu:"),
                WindowText::caption(dmrRozvodLB, "dmrRozvod", "(den/měs/rok)"),
                WindowText::caption(bydlisteLB, "bydliste", "Bydliště:"),
                WindowText::caption(noveBydlisteBT, "noveBydliste", "Nové"),
                WindowText::caption(upravBydlisteBT, "upravBydliste", "Uprav"),
                WindowText::caption(smazatBydlisteBT, "smazatBydliste", "Smaž"),
                WindowText::caption(vzdelaniLB, "vzdelani", "Vzdělání"),
                WindowText::caption(noveVzdelaniBT, "noveVzdelani", "Nové"),
                WindowText::caption(upravVzdelaniBT, "upravVzdelani", "Uprav"),
                WindowText::caption(smazatVzdelaniBT, "smazatVzdelani", "Smaž"),
                WindowText::caption(povolaniLB, "povolani", "Povolání"),
                WindowText::caption(novePovolaniBT, "novePovolani", "Nové"),
                WindowText::caption(upravPovolaniBT, "upravPovolani", "Uprav"),
                WindowText::caption(smazatPovolaniBT, "smazatPovolani", "Smaž"),
                portraitButtonTexts(false).texts.front(),
                WindowText::caption(odeberHlavaBT, "odeberFoto", "Odeber"),
                WindowText::caption(ulozHlavaBT, "ulozFoto", "Ulož"),
                WindowText::caption(skupinyBT, "skupiny", "Skupiny"),
                WindowText::caption(spravceSkupinBT, "spravce", "Správce"),
            }};
}

WindowTextList ZakladniSheet::portraitButtonTexts(bool changes)
{
    return {"kartaZakladniUdaje",
            {changes ? WindowText::caption(vlozHlavaBT, "zmenFoto", "Změň")
                     : WindowText::caption(vlozHlavaBT, "vlozFoto", "Vlož")}};
}
