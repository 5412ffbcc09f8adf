#pragma once
// The main window the program makes: the frame (shell/hlavni.h) and the parts it owns, the
// person editor, the report and the GEDCOM commands, each handed the window's port and the
// controls it answers. Nothing is added here beyond putting them together and wiring the
// handlers once all of them exist.
#include "editor/person_editor.h"
#include "gedcom/gedcom_commands.h"
#include "reports/report_commands.h"
#include "shell/hlavni.h"

class Thlavni final : public MainFrame {
public:
    Thlavni()
    {
        attachEditor(editor);
        bindEvents();
    }

    // The window's layout: what the program shows on the screen and its windows' list holds, and
    // what the tests act on as a person would.
    ThlavniForm& layout() { return *this; }
    const ThlavniForm& layout() const { return *this; }

    PersonEditor editor{*this, *this};
    ReportCommands reports{*this,
                           ReportControls{
                               .statistikaLipovetau = statistikaLipovetau,
                               .statistikaLipovetauRICH = statistikaSheet.statistikaLipovetauRICH,
                               .zakladniPrehledBT = statistikaSheet.zakladniPrehledBT,
                               .tabulkyBT = statistikaSheet.tabulkyBT,
                               .ulozitStatistikyLipovetauBT = statistikaSheet.ulozitStatistikyLipovetauBT,
                               .tiskStatistikyLipovetauBT = statistikaSheet.tiskStatistikyLipovetauBT,
                               .shrnutiOsobyRICH = shrnutiSheet.shrnutiOsobyRICH,
                               .ulozitStatistikuOsobyBT = shrnutiSheet.ulozitStatistikuOsobyBT,
                               .tiskStatistikyOsobyBT = shrnutiSheet.tiskStatistikyOsobyBT,
                               .HTMLstranky1 = HTMLstranky1,
                               .HTMLstranka1 = HTMLstranka1,
                               .LineskopBT = LineskopBT,
                               .SpustitLineskop1 = SpustitLineskop1,
                               .RodovyVyvod1 = RodovyVyvod1,
                               .AgnatniVyvod1 = AgnatniVyvod1,
                               .RozrodKmene1 = RozrodKmene1,
                               .VyvodARozrod1 = VyvodARozrod1,
                               .expTXT = expTXT,
                               .Kalendar1 = Kalendar1,
                               .SaveDialogTXT = SaveDialogTXT,
                               .SaveDialogHTM = SaveDialogHTM,
                               .PrintDialog1 = PrintDialog1,
                           }};
    GedcomCommands gedcom{*this, GedcomControls{
                                     .expGED = expGED,
                                     .impGED = impGED,
                                     .SaveDialogGED = SaveDialogGED,
                                     .OpenDialogGED = OpenDialogGED,
                                 }};
};
