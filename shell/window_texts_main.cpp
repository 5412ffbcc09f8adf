// Window texts of the main window itself (title, main menu, tool buttons, person-list panel)
// and of the three small windows bound with it: the about box title, the relationship colours
// and the double-start warning.
#include "shell/barvy_form.h"
#include "shell/hlavni.h"
#include "shell/window_texts.h"

#include "forms/dvojite_spusteni_form.h"
#include "forms/o_programu_form.h"

void MainFrame::applyMenuTexts()
{
    WindowTexts t(*this, "menu");
    t.caption(*this, "nadpis", "Kinvelor 1.0.18");
    t.caption(Lipoveta1, "lipoveta", "Lipoveta");
    t.caption(Novy1, "novy", "Nový");
    t.caption(Otevrit1, "otevrit", "Otevřít");
    t.caption(Ulozit1, "ulozit", "Uložit");
    t.caption(UlozitJako1, "ulozitJako", "Uložit jako...");
    t.caption(Zavrit1, "zavrit", "Zavřít");
    t.caption(Export1, "export", "Export");
    t.caption(Import1, "import", "Import");
    t.caption(Konec1, "konec", "Konec");
    t.caption(Upravy1, "upravy", "Úpravy");
    t.caption(Zpet1, "zpet", "Zpět");
    t.caption(Znovu1, "znovu", "Znovu");
    t.caption(Osoba1, "osoba", "Osoba");
    t.caption(Nova1, "nova", "Nová");
    t.caption(Vymaz1, "vymaz", "Vymaž");
    t.caption(Pribuzni1, "pribuzni", "Příbuzní");
    t.caption(Hledej1, "hledej", "Hledej");
    t.caption(Bratri1, "bratri", "Bratři");
    t.caption(Sestry1, "sestry", "Sestry");
    t.caption(Sourozenci1, "sourozenci", "Sourozenci");
    t.caption(Synove1, "synove", "Synové");
    t.caption(Dcery1, "dcery", "Dcery");
    t.caption(Potomci1, "potomci", "Potomci");
    t.caption(Vnukove1, "vnukove", "Vnukové");
    t.caption(Vnucky1, "vnucky", "Vnučky");
    t.caption(VnukoveAVnucky1, "vnukoveAVnucky", "Vnukové a vnučky");
    t.caption(Dedove1, "dedove", "Dědové");
    t.caption(Babicky1, "babicky", "Babičky");
    t.caption(DedoveABabicky1, "dedoveABabicky", "Dědové a babičky");
    t.caption(Strycove1, "strycove", "Strýcové");
    t.caption(Tety1, "tety", "Tety");
    t.caption(StrycoveATety1, "strycoveATety", "Strýcové a tety");
    t.caption(Bratranci1, "bratranci", "Bratranci");
    t.caption(Sestrenice1, "sestrenice", "Sestřenice");
    t.caption(BratranciASestrenice1, "bratranciASestrenice", "Bratranci a sestřenice");
    t.caption(Synovci1, "synovci", "Synovci");
    t.caption(Netere1, "netere", "Neteře");
    t.caption(SynovciANetere1, "synovciANetere", "Synovci a neteře");
    t.caption(Zetove1, "zetove", "Zeťové");
    t.caption(Snachy1, "snachy", "Snachy");
    t.caption(ZetoveASnachy1, "zetoveASnachy", "Zeťové a snachy");
    t.caption(Svagri1, "svagri", "Švagři");
    t.caption(Svagrove1, "svagrove", "Švagrové");
    t.caption(SvagriASvagrove1, "svagriASvagrove", "Švagři a švagrové");
    t.caption(Zobrazeni1, "zobrazeni", "Zobrazení");
    t.caption(SpustitLineskop1, "spustitLineskop", "Spustit Lineskop");
    t.caption(RodovyVyvod1, "rodovyVyvod", "Rodový vývod");
    t.caption(AgnatniVyvod1, "agnatniVyvod", "Agnátní vývod");
    t.caption(RozrodKmene1, "rozrodRodu", "Rozrod rodu");
    t.caption(VyvodARozrod1, "vyvodARozrod", "Vývod + Rozrod");
    t.caption(Prehledy1, "prehledy", "Přehledy");
    t.caption(Formular1, "formular", "Formulář");
    t.caption(HTMLstranka1, "HTMLstranka", "HTML stránka osoby");
    t.caption(HTMLstranky1, "HTMLstranky", "HTML stránky lipovetau");
    t.caption(SeznamOsob1, "seznamOsob", "Seznam osob");
    t.caption(Vyroci1, "vyroci", "Výročí");
    t.caption(Kalendar1, "kalendar", "Kalendář výročí");
    t.caption(Nastaveni1, "nastaveni", "Nastavení");
    t.caption(BarvyVztahu1, "barvyVztahu", "Barvy vztahů");
    t.caption(Jazyk1, "jazyk", "Jazyk");
    t.caption(Kontroly1, "kontroly", "Kontroly");
    t.caption(Napoveda1, "napoveda1", "Nápověda");
    t.caption(Napoveda2, "napoveda2", "Nápověda");
    t.caption(Tip1, "tip", "Tip");
    t.caption(OProgramu1, "oProgramu", "O programu...");
    t.caption(HromadneMazani1, "hromadneMazani", "Hromadné mazání");
    t.caption(SpojovaniLipovetau1, "spojovaniLipovetau", "Spojování lipovetaů");
}

void MainFrame::applyQuickButtonTexts()
{
    WindowTexts t(*this, "rychlaTlacitka");
    t.hint(NovyBT, "novy", "Začít nový lipoveta");
    t.hint(OtevritBT, "otevrit", "Otevřít lipoveta");
    t.hint(UlozitBT, "ulozit", "Uložit stav lipovetau na disk");
    t.hint(UlozitJakoBT, "ulozitJako", "Uložit stav lipovetau na disk pod jménem");
    t.hint(ZavritBT, "zavrit", "Zavřít lipoveta");
    t.hint(ZpetBT, "zpet", "Krok zpět");
    t.hint(ZnovuBT, "znovu", "Krok vpřed");
    t.hint(NapovedaBT, "napoveda", "Spustit nápovědu");
    t.hint(NovaOsobaBT, "novaOsoba", "Přidat novou osobu");
    t.hint(SmazOsobuBT, "smazOsobu", "Smazat aktivní osobu");
    t.hint(HledejBT, "hledej", "Funkce hledání");
    t.hint(LineskopBT, "lineskop", "Spustit program Lineskop na zobrazování dat");
}

void MainFrame::applyListPanelTexts()
{
    WindowTexts t(*this, "plocha");
    t.caption(setrid, "trideniDle", "Třídění dle");
    // Only the direction now in force is looked up.
    trideniBT.Caption = sortDirectionCaption();
    // The items are replaced in place, so the chosen sort key stays chosen.
    t.item(setrid.Items, 0, "tridDleJmen", "Jmen");
    t.item(setrid.Items, 1, "tridDleNaroz", "Naroz.");
    t.item(setrid.Items, 2, "tridDleCisla", "ID");
    t.item(setrid.Items, 3, "tridDleProcent", "%");
    t.caption(zobrazovatGroupBox, "zobrazovat", "Zobrazovat");
    t.caption(zobrazitCislo, "zobrazitCislo", "ID");
    t.caption(zobrazitNarozeni, "zobrazitNarozeni", "Narození");
    t.caption(zobrazitProcenta, "zobrazitProcenta", "% údajů");
    t.caption(zobrazitRodne, "zobrazitRodne", "Rodné příjmení");
    t.caption(prepniOsobyLB, "prepniOsoby", "přepni osoby");
}

void MainFrame::applyAboutBoxTexts()
{
    if (!oProgramu)
        return;
    // Keys match without regard to case: this is the menu item's entry, one text for both.
    WindowTexts t(*this, "menu");
    t.caption(*oProgramu, "oprogramu", "O programu...");
}

void MainFrame::applyColoursDialogTexts()
{
    if (!barvyFORM)
        return;
    TbarvyFORM& f = *barvyFORM;
    WindowTexts t(*this, "barvyVztahu");
    t.caption(f.barvyLB, "popis",
              "Zde můžete nastavit barvy, kterými jsou zvýrazňovány příbuzenské vztahy v seznamu osob.");
    t.caption(f.aktivniBT, "aktivni", "Aktivní osoba");
    t.caption(f.rodiceBT, "rodice", "(pra)Rodiče");
    t.caption(f.detiBT, "deti", "Děti (vnuci)");
    t.caption(f.partneriBT, "partneri", "Partneři");
    t.caption(f.sourozenciBT, "sourozenci", "Sourozenci");
    // One sample text for the five colour samples.
    for (TLabel* sample : {&f.aktivniLB, &f.rodiceLB, &f.detiLB, &f.partneriLB, &f.sourozenciLB})
        t.caption(*sample, "ukazka", "Ukázka");
    t.caption(f.puvodniBT, "puvodni", "Původní");
}

void MainFrame::applyDoubleStartTexts()
{
    if (!dvojiteSpusteniFORM)
        return;
    TdvojiteSpusteniFORM& f = *dvojiteSpusteniFORM;
    WindowTexts t(*this, "dvojiteSpusteni");
    t.caption(f.varovaniLB, "varovani",
              "Buď se pokoušíte spustit program vícekrát najednou nebo nebyl při posledním spuštění řádně "
              "ukončen. Jestliže program již běží, další spuštění může vést ke ztrátě dat, proto se v tom "
              "případě doporučuje program ukončit.");
    t.caption(f.ukoncitBT, "ukoncit", "Program již jednou běží, ukončit");
    t.caption(f.pokracovatBT, "pokracovat", "Minule nastala chyba, pokračovat");
}
