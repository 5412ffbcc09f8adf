#include "forms/hlavni_form.h"

ThlavniForm::ThlavniForm() : TForm("hlavni")
{
    Caption = "Kinvelor 1.0.18";
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
        const char* hint;
        TStandardGlyph glyph;
    };
    const Tool tools[] = {
        {NovyBT, "Začít nový lipoveta", TStandardGlyph::NewFile},
        {OtevritBT, "Otevřít lipoveta", TStandardGlyph::Open},
        {UlozitBT, "Uložit stav lipovetau na disk", TStandardGlyph::Save},
        {UlozitJakoBT, "Uložit stav lipovetau na disk pod jménem", TStandardGlyph::SaveAs},
        {ZavritBT, "Zavřít lipoveta", TStandardGlyph::Close},
        {ZpetBT, "Krok zpět", TStandardGlyph::Undo},
        {ZnovuBT, "Krok vpřed", TStandardGlyph::Redo},
        {NapovedaBT, "Spustit nápovědu", TStandardGlyph::Help},
        {NovaOsobaBT, "Přidat novou osobu", TStandardGlyph::Add},
        {SmazOsobuBT, "Smazat aktivní osobu", TStandardGlyph::Delete},
        {HledejBT, "Funkce hledání", TStandardGlyph::Find},
        {LineskopBT, "Spustit program Lineskop na zobrazování dat", TStandardGlyph::Chart},
    };
    int x = 4;
    for (const Tool& t : tools) {
        t.button.SetBounds(x, 3, 25, 25);
        t.button.Hint = t.hint;
        t.button.StandardGlyph = t.glyph;
        t.button.ShowHint = true;
        t.button.Flat = true;
        // Groups: file commands, undo and redo, help, person commands.
        x += (&t.button == &ZavritBT || &t.button == &ZnovuBT || &t.button == &NapovedaBT) ? 35 : 27;
    }

    setrid.SetBounds(4, 32, 233, 38);
    setrid.Caption = "Třídění dle";
    setrid.Columns = 4;
    for (const char* item : {"Jmen", "Naroz.", "ID", "%"})
        setrid.Items.Add(item);
    setrid.setItemIndex(0);
    trideniBT.SetBounds(4, 74, 75, 21);
    trideniBT.Caption = "Vzestupně";
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
    zobrazovatGroupBox.Caption = "Zobrazovat";
    zobrazitCislo.SetBounds(8, 16, 100, 17);
    zobrazitCislo.Caption = "ID";
    zobrazitNarozeni.SetBounds(116, 16, 110, 17);
    zobrazitNarozeni.Caption = "Narození";
    zobrazitProcenta.SetBounds(8, 37, 100, 17);
    zobrazitProcenta.Caption = "% údajů";
    zobrazitRodne.SetBounds(116, 37, 112, 17);
    zobrazitRodne.Caption = "Rodné příjmení";

    nadpisJmenoLB.SetBounds(248, 34, 520, 20);
    // A long name ends in "…" within the heading's box instead of running under "přepni osoby".
    nadpisJmenoLB.AutoSize = false;
    nadpisJmenoLB.Font.Size = 12;
    nadpisJmenoLB.Font.Bold = true;
    obsahKaretLB.SetBounds(248, 56, 520, 13);
    prepniOsobyLB.SetBounds(860, 36, 70, 13);
    prepniOsobyLB.Caption = "přepni osoby";
    prevBT.SetBounds(860, 51, 33, 21);
    prevBT.Caption = "<";
    nextBT.SetBounds(897, 51, 33, 21);
    nextBT.Caption = ">";
    zamekCH.SetBounds(940, 53, 70, 17);
    zamekCH.Caption = "zámek";

    pages.SetBounds(244, 74, 768, 572);
    const std::pair<TTabSheet*, const char*> sheets[] = {
        {&obecne, "Obecně"},
        {&zakladniUdaje, "Základní údaje"},
        {&dalsiUdaje, "Další údaje"},
        {&fotkyAObrazky, "Fotky a obrázky"},
        {&dokumenty, "Dokumenty"},
        {&doplnujiciTextyASoubory, "Doplňující texty a soubory"},
        {&shrnutiOsoby, "Shrnutí osoby"},
        {&statistikaLipovetau, "Statistika lipovetau"},
    };
    for (const auto& [sheet, caption] : sheets) {
        sheet->Caption = caption;
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
