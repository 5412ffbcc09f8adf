// The program makes every one of its windows at start, in its fixed order, with the main window
// first; each is reached through its global pointer until the program ends.
#include "forms/layout_checks.h"
#include "program_fixture.h"

namespace {

struct ProgramWindowsTest : ProgramTest { };

} // namespace

TEST_F(ProgramWindowsTest, EveryWindowIsMadeOnceInTheProgramsOrder)
{
    std::vector<std::string> made;
    for (const TForm* form : Application.forms())
        made.push_back(form->Name);
    const std::vector<std::string> order{"hlavni",
                                         "anoNeStorno",
                                         "anoNe",
                                         "oProgramu",
                                         "nastaveniForm",
                                         "sourozenciCreate",
                                         "casoveObdobiFORM",
                                         "vyberPartnera",
                                         "priradDetiFORM",
                                         "vyberDiteFORM",
                                         "ShrnutiSvatbyFORM",
                                         "pribuzniFORM",
                                         "cekejFORM",
                                         "userDefFORM",
                                         "hledejFORM",
                                         "vyhledanoFORM",
                                         "barvyFORM",
                                         "vyrociFORM",
                                         "JakSeznamFORM",
                                         "textFORM",
                                         "formularFORM",
                                         "meneNezFORM",
                                         "VymazFotoFORM",
                                         "vyberFotekFORM",
                                         "vyberDokumentuFORM",
                                         "vyberSouboruFORM",
                                         "dvojiteSpusteniFORM",
                                         "easterEggFORM",
                                         "vyberAdresarFORM",
                                         "htmlAdresarFORM",
                                         "langFORM",
                                         "importFORM",
                                         "idChangeFORM",
                                         "coExportovatFORM",
                                         "toleranceFORM",
                                         "nazvySvatebFORM",
                                         "FTextFORM",
                                         "spravceSkupinFORM",
                                         "mojeSkupinyFORM",
                                         "nazevSkupinyFORM",
                                         "naplnitFORM",
                                         "hromadneFORM",
                                         "coVyplnitFORM",
                                         "tipFORM",
                                         "coVHtmlFORM",
                                         "kalendarFORM",
                                         "hromadneMazaniFORM"};
    EXPECT_EQ(made, order);
    EXPECT_EQ(Application.MainForm, &hl().layout());
    // A few of the pointers the commands go through, each to the window made here.
    EXPECT_EQ(hlavni, &hl());
    EXPECT_EQ(oProgramu, &windows->oProgramu);
    EXPECT_EQ(hledejFORM, &windows->hledejFORM);
    EXPECT_EQ(importFORM, &windows->importFORM);
    EXPECT_EQ(hromadneMazaniFORM, &windows->hromadneMazaniFORM);
}

TEST_F(ProgramWindowsTest, NoDialogHasAControlOutsideItsParentOrOverAnother)
{
    for (const TForm* form : Application.forms()) {
        if (form == &hl().layout())
            continue; // the main window's panels are checked with its layout
        SCOPED_TRACE(form->Name);
        layout::expectTidy(*form);
    }
}
