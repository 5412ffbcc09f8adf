// Window texts of the main window's tab pages, page by page, each from the language section
// named after its page; the further-data page also titles the identifier-change window.
#include "forms/id_change_form.h"
#include "model/clovek.h"
#include "shell/hlavni.h"
#include "shell/window_texts.h"

void MainFrame::applyGeneralPageTexts()
{
    ObecneSheet& s = obecneSheet;
    WindowTexts t(*this, "kartaObecne");
    t.caption(obecne, "obecne", "Obecně");
    t.caption(s.nazevLB, "nazevLipovetau", "Název lipovetau:");
    t.caption(s.autorLB, "autorLipovetau", "Autor lipovetau:");
    t.caption(s.vytvorenoLB, "vytvoreno", "Vytvořeno:");
    t.caption(s.spolupracovaliLB, "spolupracovali", "Spolupracovali:");
    t.caption(s.dalsiUdajeLB, "dalsiUdaje", "Další údaje:");
}

void MainFrame::applyBasicPageTexts()
{
    ZakladniSheet& s = zakladniSheet;
    WindowTexts t(*this, "kartaZakladniUdaje");
    t.caption(zakladniUdaje, "zakladniUdaje", "Základní údaje");
    t.caption(s.jmenoLB, "jmeno", "Jméno:");
    t.caption(s.prijmeniLB, "prijmeni", "Příjmení:");
    t.caption(s.rodnePrijmeniLB, "rodnePrijmeni", "Rodné příjmení:");
    t.caption(s.pohlaviLB, "pohlavi", "Pohlaví:");
    t.item(s.pohlaviCB.Items, 0, "muz", "muž");
    t.item(s.pohlaviCB.Items, 1, "zena", "žena");
    // New item texts leave the box without a choice; the shown person's sex is chosen again
    // without going through the change handler, so nothing is stored or recorded.
    s.pohlaviCB.setItemIndex(currentPerson ? (currentPerson->sex == 1 ? 0 : 1) : -1);
    t.caption(s.titulPredLB, "titulPred", "Titul před:");
    t.caption(s.titulZaLB, "titulZa", "Titul za:");

    t.caption(s.datumNarozeniLB, "datumNarozeni", "Datum narození:");
    t.caption(s.dmrNarozLB, "dmrNaroz", "(den/měs/rok)");
    t.caption(s.datumUmrtiLB, "datumUmrti", "Datum úmrtí:");
    t.caption(s.dmrSmrtLB, "dmrSmrt", "(den/měs/rok)");
    t.caption(s.zivaZesnulaCH, "zije", "žije");
    t.caption(s.narozMistoLB, "mistoNarozeni", "Místo narození:");
    t.caption(s.smrtMistoLB, "mistoUmrti", "Místo úmrtí:");
    t.caption(s.smrtPohrebLB, "mistoPohrbeni", "Místo pohřbení:");
    t.caption(s.smrtPricinaLB, "pricinaUmrti", "Příčina úmrtí:");

    t.caption(s.otecBT, "otec", "Otec:");
    t.caption(s.matkaBT, "matka", "Matka:");
    t.caption(s.detiLB, "deti", "Děti:");
    t.caption(s.vytvorDiteBT, "vytvorDite", "Vytvoř");
    t.caption(s.priradDiteBT, "priradDite", "Přiřaď");
    t.caption(s.odeberDiteBT, "odeberDite", "Odeber");
    t.caption(s.sourozenciLB, "sourozenci", "Sourozenci:");
    t.caption(s.vytvorSourozenceBT, "vytvorSourozence", "Vytvoř");

    t.caption(s.vytvorSvatbuBT, "pridatPartnera", "Přidat partnera");
    t.caption(s.shrnutiSvatbyBT, "shrnutiSvatby", "Shrnutí svatby");
    t.caption(s.zmenPartneraBT, "zmenPartnera", "Změň partnera");
    t.caption(s.smazSvatbuBT, "smazSvatbu", "Smaž");
    t.caption(s.oddaniCHECK, "oddani", "oddáni");
    t.caption(s.datumSvatbyLB, "datumSvatby", "Datum svatby:");
    t.caption(s.dmrSvatbaLB, "dmrSvatba", "(den/měs/rok)");
    t.caption(s.svatbaMistoLB, "mistoSvatby", "Místo svatby:");
    t.caption(s.oddavajiciKnezLB, "oddavajiciKnez", "Oddávající kněz:");
    t.caption(s.svedkoveLB, "svedkove", "Svědkové:");
    t.caption(s.rozvedeniCHECK, "rozvedeni", "rozvedeni");
    t.caption(s.datumRozvoduLB, "datumRozvodu", "Datum rozvodu:");
    t.caption(s.dmrRozvodLB, "dmrRozvod", "(den/měs/rok)");

    t.caption(s.bydlisteLB, "bydliste", "Bydliště:");
    t.caption(s.noveBydlisteBT, "noveBydliste", "Nové");
    t.caption(s.upravBydlisteBT, "upravBydliste", "Uprav");
    t.caption(s.smazatBydlisteBT, "smazatBydliste", "Smaž");
    t.caption(s.vzdelaniLB, "vzdelani", "Vzdělání");
    t.caption(s.noveVzdelaniBT, "noveVzdelani", "Nové");
    t.caption(s.upravVzdelaniBT, "upravVzdelani", "Uprav");
    t.caption(s.smazatVzdelaniBT, "smazatVzdelani", "Smaž");
    t.caption(s.povolaniLB, "povolani", "Povolání");
    t.caption(s.novePovolaniBT, "novePovolani", "Nové");
    t.caption(s.upravPovolaniBT, "upravPovolani", "Uprav");
    t.caption(s.smazatPovolaniBT, "smazatPovolani", "Smaž");

    // The shown person's portrait sets this button again (insert or change).
    t.caption(s.vlozHlavaBT, "vlozFoto", "Vlož");
    t.caption(s.odeberHlavaBT, "odeberFoto", "Odeber");
    t.caption(s.ulozHlavaBT, "ulozFoto", "Ulož");
    t.caption(s.skupinyBT, "skupiny", "Skupiny");
    t.caption(s.spravceSkupinBT, "spravce", "Správce");
    t.caption(zamekCH, "zamek", "Zámek");
}

void MainFrame::applyFurtherDataPageTexts()
{
    DalsiSheet& s = dalsiSheet;
    WindowTexts t(*this, "kartaDalsiUdaje");
    t.caption(dalsiUdaje, "dalsiUdaje", "Další údaje");
    t.caption(s.vyznaniLB, "vyznani", "Vyznání:");
    t.caption(s.krestLB, "krest", "Křest:");
    t.caption(s.kmotriLB, "kmotri", "Kmotři:");
    t.caption(s.narodnostLB, "narodnost", "Národnost:");
    t.caption(s.statniPrislusnostLB, "statniPrislusnost", "Státní příslušnost:");
    t.caption(s.emailLB, "email", "Email:");
    t.caption(s.napis1BT, "napisEmail1", "Napiš");
    t.caption(s.napis2BT, "napisEmail2", "Napiš");
    t.caption(s.telefonLB, "telefon", "Telefon:");
    t.caption(s.wwwLB, "www", "Webové adresy:");
    t.caption(s.otevriWWW1BT, "otevriWWW1", "Otevři");
    t.caption(s.otevriWWW2BT, "otevriWWW2", "Otevři");
    t.caption(s.datumVlozeniLB, "datumVlozeni", "Datum vložení:");
    t.caption(s.idLB, "identifikator", "Identifikátor:");
    t.caption(s.idZmenBT, "zmen", "Změň");
    // One key for the five user-field labels and one for their buttons; the labels show the
    // tree's field names again when the page is next filled.
    const std::pair<TLabel*, TButton*> userFields[] = {
        {&s.user1LB, &s.user1BT}, {&s.user2LB, &s.user2BT}, {&s.user3LB, &s.user3BT},
        {&s.user4LB, &s.user4BT}, {&s.user5LB, &s.user5BT},
    };
    for (const auto& [label, button] : userFields) {
        t.caption(*label, "uzivDef", "Uživ.def.:");
        t.caption(*button, "definuj", "Definuj");
    }
    t.caption(s.matrikaLB, "matrika", "Informace o matrikách:");

    if (!idChangeFORM)
        return;
    t.section("ruzne");
    t.caption(idChangeFORM->stornoBT, "storno", "Storno");
    t.section("zmenaID");
    t.caption(idChangeFORM->idLB, "identifikator", "Identifikátor:");
    t.caption(*idChangeFORM, "zmenaIdentifikatoru", "Změna identifikátoru");
}

namespace {

// The photo and document tabs bind the same keys, each in its own section.
struct PictureTab {
    TTabSheet& tab;
    const char* tabKey;
    const char* tabTitle;
    TLabel& name;
    TLabel& year;
    TLabel& stored;
    TLabel& comment;
    TLabel& list;
    const char* listTitle;
    TRadioGroup& order;
    TButton& insert;
    const char* insertKey;
    const char* insertTitle;
    TButton& assign;
    TButton& remove;
    TButton& save;
    TButton& open;
};

void applyPictureTabTexts(WindowTexts& t, const PictureTab& p)
{
    t.caption(p.tab, p.tabKey, p.tabTitle);
    t.caption(p.name, "nazev", "Název:");
    t.caption(p.year, "rok", "Rok:");
    t.caption(p.stored, "nazevSouboru", "Název souboru:");
    t.caption(p.comment, "komentar", "Komentář:");
    t.caption(p.list, "prirazene", p.listTitle);
    t.caption(p.order, "zpusobRazeni", "Způsob řazení");
    t.item(p.order.Items, 0, "abecedne", "Abecedně");
    t.item(p.order.Items, 1, "chronologicky", "Chronologicky");
    t.caption(p.insert, p.insertKey, p.insertTitle);
    t.caption(p.assign, "priradVlozene", "Přiřaď vložené");
    t.caption(p.remove, "vymaz", "Vymaž");
    t.caption(p.save, "ulozNaDisk", "Ulož na disk");
    t.caption(p.open, "otevriVProhlizeci", "Otevři v prohlížeči");
}

} // namespace

void MainFrame::applyPhotosPageTexts()
{
    FotkySheet& s = fotkySheet;
    WindowTexts t(*this, "kartaFotkyAObrazky");
    applyPictureTabTexts(t, {fotkyAObrazky, "fotkyAObrazky", "Fotky a obrázky", s.nazevFotoLB, s.rokFotoLB,
                             s.nazevSouboruFotoLB, s.komentarFotoLB, s.seznamFotoLB,
                             "Přiřazené fotografie:", s.seradFotoRADIO, s.vlozNoveFotoBT, "vlozNoveFoto",
                             "Vlož nové foto", s.priradVlozeneFotoBT, s.vymazFotoBT, s.ulozFotoNaDiskBT,
                             s.otevriFotoVProhlizeciBT});
}

void MainFrame::applyDocumentsPageTexts()
{
    DokumentySheet& s = dokumentySheet;
    WindowTexts t(*this, "kartaDokumenty");
    applyPictureTabTexts(t,
                         {dokumenty, "dokumenty", "Dokumenty", s.nazevDokLB, s.rokDokLB, s.nazevSouboruDokLB,
                          s.komentarDokLB, s.seznamDokLB, "Přiřazené dokumenty:", s.seradDokRADIO,
                          s.vlozNovyDokBT, "vlozNovyDok", "Vlož nový", s.priradVlozeneDokBT, s.vymazDokBT,
                          s.ulozDokNaDiskBT, s.otevriDokVProhlizeciBT});
}

void MainFrame::applyTextsAndFilesPageTexts()
{
    DoplnujiciSheet& s = doplnujiciSheet;
    WindowTexts t(*this, "kartaDoplnujiciTextyASoubory");
    t.caption(doplnujiciTextyASoubory, "doplnujiciTextyASoubory", "Doplňující texty a soubory");
    t.caption(s.doplnujiciTextyLB, "doplnujiciTexty", "Doplňující texty:");
    t.caption(s.ulozNaDiskTextyBT, "ulozNaDisk", "Ulož na disk");
    t.caption(s.dalsiSouboryLB, "dalsiSoubory", "Další soubory:");
    t.caption(s.nazevSouborLB, "nazev", "Název:");
    t.caption(s.rokSouborLB, "rok", "Rok:");
    t.caption(s.typSouborLB, "typ", "Typ:");
    t.caption(s.komentarSouborLB, "komentar", "Komentář:");
    t.caption(s.seznamSouborLB, "prirazeneSoubory", "Přiřazené soubory:");
    t.caption(s.seradSouborRADIO, "zpusobRazeni", "Způsob řazení");
    t.item(s.seradSouborRADIO.Items, 0, "abecedne", "Abecedně");
    t.item(s.seradSouborRADIO.Items, 1, "chronologicky", "Chronologicky");
    t.item(s.seradSouborRADIO.Items, 2, "podleTypu", "Podle typu");
    t.caption(s.vlozNovySouborBT, "vlozNovy", "Vlož nový soubor");
    t.caption(s.priradVlozeneSouboryBT, "priradVlozene", "Přiřaď vložené");
    t.caption(s.vymazSouborBT, "vymaz", "Vymaž");
    t.caption(s.ulozNaDiskSouborBT, "ulozNaDisk", "Ulož na disk");
    t.caption(s.otevriSouborBT, "otevri", "Otevři");
}

void MainFrame::applySummaryPageTexts()
{
    WindowTexts t(*this, "kartaShrnutiOsoby");
    t.caption(shrnutiOsoby, "shrnutiOsoby", "Shrnutí osoby");
    t.caption(shrnutiSheet.ulozitStatistikuOsobyBT, "ulozit", "Uložit");
    t.caption(shrnutiSheet.tiskStatistikyOsobyBT, "tisk", "Tisk");
}

void MainFrame::applyStatisticsPageTexts()
{
    StatistikaSheet& s = statistikaSheet;
    WindowTexts t(*this, "kartaStatistikaLipovetau");
    t.caption(statistikaLipovetau, "statistikaLipovetau", "Statistika lipovetau");
    t.caption(s.ulozitStatistikyLipovetauBT, "ulozit", "Uložit");
    t.caption(s.tiskStatistikyLipovetauBT, "tisk", "Tisk");
    t.caption(s.zakladniPrehledBT, "zakladniPrehled", "Základní přehled");
    t.caption(s.tabulkyBT, "tabulky", "Tabulky");
}
