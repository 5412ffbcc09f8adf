#include "forms/hlavni_form.h"

ThlavniForm::ThlavniForm() : TForm("hlavni")
{
    for (const WindowTextList& texts : {menuTexts(), toolTexts(), sortBoxTexts(), sortDirectionTexts(true),
                                        listPanelTexts(), popupTexts(), lockTexts()})
        showCzechTexts(texts);
    SetBounds(0, 0, 1016, 671);
    Position = TPosition::poScreenCenter;
    Menu = &MainMenu1;

    expRAR.Enabled = false;
    impRAR.Enabled = false;
    for (TMenuItem* item : {&soubor1, &soubor2, &soubor3, &soubor4, &N14})
        item->Visible = false;

    OpenDialogROD.DefaultExt = "*.rod";
    OpenDialogROD.Filter = "Lipovetay (*.rod)|*.rod";
    SaveDialogROD.DefaultExt = "*.rod";
    SaveDialogROD.Filter = "Lipovetay (*.rod)|*.rod";
    SaveDialogROD.OverwritePrompt = true;

    const char* const pictures =
        "All (*.jpg;*.jpeg;*.bmp)|*.jpg;*.jpeg;*.bmp|Formát JPEG (*.jpg)|*.jpg|Formát JPEG (*.jpeg)|*.jpeg|"
        "Bitmapy (*.bmp)|*.bmp";
    OpenPictureDialog1.Filter = pictures;
    SavePictureDialog1.Filter = pictures;
    SavePictureDialog1.DefaultExt = "*.jpg";
    SavePictureDialog1.OverwritePrompt = true;
    SaveSouborDialog1.OverwritePrompt = true;
    SaveDialogTXT.Filter = "Textové soubory (*.txt)|*.txt";
    SaveDialogTXT.DefaultExt = "*.txt";
    SaveDialogTXT.OverwritePrompt = true;
    SaveDialogHTM.Filter = "HTML stránky (*.htm)|*.htm";
    SaveDialogHTM.DefaultExt = "*.htm";
    SaveDialogHTM.OverwritePrompt = true;
    for (TOpenDialog* ged : {&OpenDialogGED, static_cast<TOpenDialog*>(&SaveDialogGED)}) {
        ged->Filter = "GEDCOM (*.ged)|*.ged";
        ged->DefaultExt = "*.ged";
    }
    SaveDialogGED.OverwritePrompt = true;
    for (TOpenDialog* rar : {&OpenDialogRAR, static_cast<TOpenDialog*>(&SaveDialogRAR)}) {
        rar->DefaultExt = "*.rar";
        rar->Filter = "Archivované lipovetay (*.rar)|*.rar";
    }
    SaveDialogRAR.OverwritePrompt = true;

    toolBar.SetBounds(0, 0, 1016, 30);
    toolBar.BevelOuter = TPanel::bvNone;
    struct Tool {
        TSpeedButton& button;
        TStandardGlyph glyph;
    };
    const Tool tools[] = {
        {NovyBT, TStandardGlyph::NewFile},  {OtevritBT, TStandardGlyph::Open},
        {UlozitBT, TStandardGlyph::Save},   {UlozitJakoBT, TStandardGlyph::SaveAs},
        {ZavritBT, TStandardGlyph::Close},  {ZpetBT, TStandardGlyph::Undo},
        {ZnovuBT, TStandardGlyph::Redo},    {NapovedaBT, TStandardGlyph::Help},
        {NovaOsobaBT, TStandardGlyph::Add}, {SmazOsobuBT, TStandardGlyph::Delete},
        {HledejBT, TStandardGlyph::Find},   {LineskopBT, TStandardGlyph::Chart},
    };
    int x = 4;
    for (const Tool& t : tools) {
        t.button.SetBounds(x, 3, 25, 25);
        t.button.StandardGlyph = t.glyph;
        t.button.ShowHint = true;
        t.button.Flat = true;
        // Groups: file commands, undo and redo, help, person commands.
        x += (&t.button == &ZavritBT || &t.button == &ZnovuBT || &t.button == &NapovedaBT) ? 35 : 27;
    }

    setrid.SetBounds(4, 32, 233, 38);
    setrid.Columns = 4;
    setrid.setItemIndex(0);
    trideniBT.SetBounds(4, 74, 75, 21);
    skupinyCB.SetBounds(84, 74, 153, 21);
    skupinyCB.Style = TComboBox::csDropDownList;
    scrolling.SetBounds(4, 99, 216, 483);
    scrolling.ColCount = 1;
    scrolling.RowCount = 1;
    scrolling.FixedCols = 0;
    scrolling.FixedRows = 0;
    scrolling.setColWidth(0, scrolling.Width);
    scrolling.setRowHeight(0, scrolling.Height);
    scrolling.Color = clBtnFace;
    scrollingBar.SetBounds(220, 99, 17, 483);
    scrollingBar.Kind = TScrollBar::sbVertical;
    scrollingBar.setMax(0);
    zobrazovatGroupBox.SetBounds(4, 586, 233, 60);
    listSplitter.SetBounds(238, 32, 5, 614);
    zobrazitCislo.SetBounds(8, 16, 100, 17);
    zobrazitNarozeni.SetBounds(116, 16, 110, 17);
    zobrazitProcenta.SetBounds(8, 37, 100, 17);
    zobrazitRodne.SetBounds(116, 37, 112, 17);

    nadpisJmenoLB.SetBounds(248, 34, 520, 20);
    // A long name ends in "…" within the heading's box instead of running under "přepni osoby".
    nadpisJmenoLB.AutoSize = false;
    nadpisJmenoLB.Font.Size = 12;
    nadpisJmenoLB.Font.Bold = true;
    obsahKaretLB.SetBounds(248, 56, 520, 13);
    prepniOsobyLB.SetBounds(860, 36, 70, 13);
    prevBT.SetBounds(860, 51, 33, 21);
    prevBT.Caption = "<";
    nextBT.SetBounds(897, 51, 33, 21);
    nextBT.Caption = ">";
    zamekCH.SetBounds(940, 53, 70, 17);

    pages.SetBounds(244, 74, 768, 572);
    // Each sheet titles its own tab.
    for (TTabSheet* sheet : {&obecne, &zakladniUdaje, &dalsiUdaje, &fotkyAObrazky, &dokumenty,
                             &doplnujiciTextyASoubory, &shrnutiOsoby, &statistikaLipovetau}) {
        sheet->SetBounds(4, 24, pages.Width - 8, pages.Height - 28);
    }
    pages.setActivePage(&obecne);

    StatusBar1.SetBounds(0, 652, 1016, 19);

    // No tree is open when the window first shows.
    for (TControl* c : std::initializer_list<TControl*>{
             &setrid, &scrolling, &scrollingBar, &zobrazovatGroupBox, &listSplitter, &skupinyCB, &trideniBT,
             &zamekCH, &pages, &nadpisJmenoLB, &obsahKaretLB, &prepniOsobyLB, &prevBT, &nextBT})
        c->Visible = false;
    for (TMenuItem* item :
         {&Ulozit1, &UlozitJako1, &Zavrit1, &Zpet1, &Znovu1, &HromadneMazani1, &Export1, &Osoba1, &Vymaz1,
          &Hledej1, &Pribuzni1, &RodovyVyvod1, &AgnatniVyvod1, &RozrodKmene1, &VyvodARozrod1, &Prehledy1})
        item->Enabled = false;
    for (TSpeedButton* b :
         {&UlozitBT, &UlozitJakoBT, &ZavritBT, &ZpetBT, &ZnovuBT, &NovaOsobaBT, &SmazOsobuBT, &HledejBT})
        b->Enabled = false;
}

WindowTextList ThlavniForm::menuTexts()
{
    return {"menu",
            {
                WindowText::caption(*this, "nadpis", "Kinvelor 1.0.18"),
                WindowText::caption(Lipoveta1, "lipoveta", "Lipoveta"),
                WindowText::caption(Novy1, "novy", "Nový"),
                WindowText::caption(Otevrit1, "otevrit", "Otevřít"),
                WindowText::caption(Ulozit1, "ulozit", "Uložit"),
                WindowText::caption(UlozitJako1, "ulozitJako", "Uložit jako..."),
                WindowText::caption(Zavrit1, "zavrit", "Zavřít"),
                WindowText::caption(Export1, "export", "Export"),
                WindowText::caption(Import1, "import", "Import"),
                WindowText::caption(Konec1, "konec", "Konec"),
                WindowText::caption(Upravy1, "upravy", "Úpravy"),
                WindowText::caption(Zpet1, "zpet", "Zpět"),
                WindowText::caption(Znovu1, "znovu", "Znovu"),
                WindowText::caption(Osoba1, "osoba", "Osoba"),
                WindowText::caption(Nova1, "nova", "Nová"),
                WindowText::caption(Vymaz1, "vymaz", "Vymaž"),
                WindowText::caption(Pribuzni1, "pribuzni", "Příbuzní"),
                WindowText::caption(Hledej1, "hledej", "Hledej"),
                WindowText::caption(Bratri1, "bratri", "Bratři"),
                WindowText::caption(Sestry1, "sestry", "Sestry"),
                WindowText::caption(Sourozenci1, "sourozenci", "Sourozenci"),
                WindowText::caption(Synove1, "synove", "Synové"),
                WindowText::caption(Dcery1, "dcery", "Dcery"),
                WindowText::caption(Potomci1, "potomci", "Potomci"),
                WindowText::caption(Vnukove1, "vnukove", "Vnukové"),
                WindowText::caption(Vnucky1, "vnucky", "Vnučky"),
                WindowText::caption(VnukoveAVnucky1, "vnukoveAVnucky", "Vnukové a vnučky"),
                WindowText::caption(Dedove1, "dedove", "Dědové"),
                WindowText::caption(Babicky1, "babicky", "Babičky"),
                WindowText::caption(DedoveABabicky1, "dedoveABabicky", "Dědové a babičky"),
                WindowText::caption(Strycove1, "strycove", "Strýcové"),
                WindowText::caption(Tety1, "tety", "Tety"),
                WindowText::caption(StrycoveATety1, "strycoveATety", "Strýcové a tety"),
                WindowText::caption(Bratranci1, "bratranci", "Bratranci"),
                WindowText::caption(Sestrenice1, "sestrenice", "Sestřenice"),
                WindowText::caption(BratranciASestrenice1, "bratranciASestrenice", "Bratranci a sestřenice"),
                WindowText::caption(Synovci1, "synovci", "Synovci"),
                WindowText::caption(Netere1, "netere", "Neteře"),
                WindowText::caption(SynovciANetere1, "synovciANetere", "Synovci a neteře"),
                WindowText::caption(Zetove1, "zetove", "Zeťové"),
                WindowText::caption(Snachy1, "snachy", "Snachy"),
                WindowText::caption(ZetoveASnachy1, "zetoveASnachy", "Zeťové a snachy"),
                WindowText::caption(Svagri1, "svagri", "Švagři"),
                WindowText::caption(Svagrove1, "svagrove", "Švagrové"),
                WindowText::caption(SvagriASvagrove1, "svagriASvagrove", "Švagři a švagrové"),
                WindowText::caption(Zobrazeni1, "zobrazeni", "Zobrazení"),
                WindowText::caption(SpustitLineskop1, "spustitLineskop", "Spustit Lineskop"),
                WindowText::caption(RodovyVyvod1, "rodovyVyvod", "Rodový vývod"),
                WindowText::caption(AgnatniVyvod1, "agnatniVyvod", "Agnátní vývod"),
                WindowText::caption(RozrodKmene1, "rozrodRodu", "Rozrod rodu"),
                WindowText::caption(VyvodARozrod1, "vyvodARozrod", "Vývod + Rozrod"),
                WindowText::caption(Prehledy1, "prehledy", "Přehledy"),
                WindowText::caption(Formular1, "formular", "Formulář"),
                WindowText::caption(HTMLstranka1, "HTMLstranka", "HTML stránka osoby"),
                WindowText::caption(HTMLstranky1, "HTMLstranky", "HTML stránky lipovetau"),
                WindowText::caption(SeznamOsob1, "seznamOsob", "Seznam osob"),
                WindowText::caption(Vyroci1, "vyroci", "Výročí"),
                WindowText::caption(Kalendar1, "kalendar", "Kalendář výročí"),
                WindowText::caption(Nastaveni1, "nastaveni", "Nastavení"),
                WindowText::caption(BarvyVztahu1, "barvyVztahu", "Barvy vztahů"),
                WindowText::caption(Jazyk1, "jazyk", "Jazyk"),
                WindowText::caption(Kontroly1, "kontroly", "Kontroly"),
                WindowText::caption(Napoveda1, "napoveda1", "Nápověda"),
                WindowText::caption(Napoveda2, "napoveda2", "Nápověda"),
                WindowText::caption(Tip1, "tip", "Tip"),
                WindowText::caption(OProgramu1, "oProgramu", "O programu..."),
                WindowText::caption(HromadneMazani1, "hromadneMazani", "Hromadné mazání"),
                WindowText::caption(SpojovaniLipovetau1, "spojovaniLipovetau", "Spojování lipovetaů"),
            }};
}

WindowTextList ThlavniForm::toolTexts()
{
    return {"rychlaTlacitka",
            {
                WindowText::hint(NovyBT, "novy", "Začít nový lipoveta"),
                WindowText::hint(OtevritBT, "otevrit", "Otevřít lipoveta"),
                WindowText::hint(UlozitBT, "ulozit", "Uložit stav lipovetau na disk"),
                WindowText::hint(UlozitJakoBT, "ulozitJako", "Uložit stav lipovetau na disk pod jménem"),
                WindowText::hint(ZavritBT, "zavrit", "Zavřít lipoveta"),
                WindowText::hint(ZpetBT, "zpet", "Krok zpět"),
                WindowText::hint(ZnovuBT, "znovu", "Krok vpřed"),
                WindowText::hint(NapovedaBT, "napoveda", "Spustit nápovědu"),
                WindowText::hint(NovaOsobaBT, "novaOsoba", "Přidat novou osobu"),
                WindowText::hint(SmazOsobuBT, "smazOsobu", "Smazat aktivní osobu"),
                WindowText::hint(HledejBT, "hledej", "Funkce hledání"),
                WindowText::hint(LineskopBT, "lineskop", "Spustit program Lineskop na zobrazování dat"),
            }};
}

WindowTextList ThlavniForm::sortBoxTexts()
{
    return {"plocha", {WindowText::caption(setrid, "trideniDle", "Třídění dle")}};
}

WindowTextList ThlavniForm::sortDirectionTexts(bool ascending)
{
    return {"plocha",
            {ascending ? WindowText::caption(trideniBT, "vzestupne", "Vzestupně")
                       : WindowText::caption(trideniBT, "sestupne", "Sestupně")}};
}

WindowTextList ThlavniForm::listPanelTexts()
{
    return {"plocha",
            {
                WindowText::item(setrid.Items, 0, "tridDleJmen", "Jmen"),
                WindowText::item(setrid.Items, 1, "tridDleNaroz", "Naroz."),
                WindowText::item(setrid.Items, 2, "tridDleCisla", "ID"),
                WindowText::item(setrid.Items, 3, "tridDleProcent", "%"),
                WindowText::caption(zobrazovatGroupBox, "zobrazovat", "Zobrazovat"),
                WindowText::caption(zobrazitCislo, "zobrazitCislo", "ID"),
                WindowText::caption(zobrazitNarozeni, "zobrazitNarozeni", "Narození"),
                WindowText::caption(zobrazitProcenta, "zobrazitProcenta", "% údajů"),
                WindowText::caption(zobrazitRodne, "zobrazitRodne", "Rodné příjmení"),
                WindowText::caption(prepniOsobyLB, "prepniOsoby", "přepni osoby"),
            }};
}

WindowTextList ThlavniForm::popupTexts()
{
    return {"popup",
            {
                WindowText::caption(VymazPopup1, "vymaz", "Vymaž"),
                WindowText::caption(ZpetPopup1, "zadnaAkce", "Žádná akce"),
            }};
}

WindowTextList ThlavniForm::lockTexts()
{
    return {"kartaZakladniUdaje", {WindowText::caption(zamekCH, "zamek", "Zámek")}};
}
