// The person list as text and the person form: the columns counted in letters, the orders of the
// list and the sort it gives back, and which forms reach the printer and how often.
#include "empty_tree_fixture.h"
#include "forms/formular_form.h"
#include "forms/jak_seznam_form.h"
#include "forms/mene_nez_form.h"
#include "forms/text_form.h"
#include "model/casove_obdobi.h"
#include "model/datum.h"
#include "shell/scroll.h"
#include "system/fileio.h"

using Lines = std::vector<std::string>;

namespace {

struct TextOfPersons : EmptyTreeTest {
    // The person list command with the way of listing and the boxes to tick beyond the preset
    // ones (birth and birth place); gives the text window's lines.
    Lines listAs(int way, std::vector<TCheckBox*> untick, std::vector<TCheckBox*> tick)
    {
        TJakSeznamFORM& d = *JakSeznamFORM;
        script.modal("JakSeznamFORM", [&](TForm&) {
            user::pick(d.zpusobVypisuRADIO, way);
            for (TCheckBox* box : untick)
                user::click(*box);
            for (TCheckBox* box : tick)
                user::click(*box);
            user::click(d.OkBT);
        });
        Lines shown;
        script.modal("textFORM", [&](TForm&) {
            shown = textFORM->textRICH.Lines.lines();
            user::click(textFORM->zavritBT);
        });
        user::click(hl().layout().SeznamOsob1);
        return shown;
    }
    static std::string pad(int blanks, const std::string& text)
    {
        return std::string(blanks, ' ') + text + "\t";
    }
};

} // namespace

TEST_F(TextOfPersons, ColumnsCountCzechLettersNotBytesAndNeverCutALongName)
{
    Clovek* jiri = addPerson("Jiří", "Řezníček", Datum("5", "3", "1920"));
    jiri->birthPlace = "Žďár";
    auto* job = new CasoveObdobi("kovář");
    jiri->occupations.append(std::unique_ptr<Prvek>(job));
    addPerson("Maximilián Ferdinand", "Šternberk-Dobřenský");
    showWholeTree();
    TJakSeznamFORM& d = *JakSeznamFORM;

    const Lines lines = listAs(1, {&d.mistoNarozeniCH}, {&d.cisloCH, &d.povolaniCH});
    // Number before birth; the birth without a year is ten blanks widened to the column; an
    // occupation only where there is one.
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], pad(13, "Jiří Řezníček") + pad(3, "0") + pad(5, "5. března 1920") + pad(15, "kovář"));
    EXPECT_EQ(lines[1], "Maximilián Ferdinand Šternberk-Dobřenský\t" + pad(3, "1") + pad(19, ""));
}

TEST_F(TextOfPersons, TheOrdersOfTheListAndTheSortShownAfterwards)
{
    addPerson("Adam", "Bílý", Datum("1", "1", "1950"));
    addPerson("Bedřich", "Čech", Datum("1", "1", "1900"));
    addPerson("Cyril", "Adámek", Datum("1", "1", "1900"));
    showWholeTree();
    user::pick(hl().layout().setrid, itemIndexOf(PersonSortKey::byId));
    const std::string firstById = hl().personList.firstRow()->person->surname;
    TJakSeznamFORM& d = *JakSeznamFORM;

    auto names = [](const Lines& lines) {
        Lines out;
        for (const std::string& l : lines)
            out.push_back(l.substr(l.find_first_not_of(' '), l.find('\t') - l.find_first_not_of(' ')));
        return out;
    };
    EXPECT_EQ(names(listAs(1, {&d.narozeniCH, &d.mistoNarozeniCH}, {})),
              (Lines{"Cyril Adámek", "Adam Bílý", "Bedřich Čech"}));
    EXPECT_EQ(hl().personList.firstRow()->person->surname, firstById);
    // In the list's birth order; born alike, Adámek and Čech keep their name order.
    EXPECT_EQ(names(listAs(2, {&d.narozeniCH, &d.mistoNarozeniCH}, {})),
              (Lines{"Adam Bílý", "Cyril Adámek", "Bedřich Čech"}));
    EXPECT_EQ(hl().personList.firstRow()->person->surname, firstById);

    const Lines none = listAs(0, {}, {});
    EXPECT_TRUE(none.empty());
    EXPECT_EQ(script.messageTexts().back(), "Bohužel, hierarchický způsob ještě není naprogramován.");
}

TEST_F(TextOfPersons, StornoShowsNoTextWindow)
{
    addPerson("Jan", "Novák");
    showWholeTree();
    script.press("JakSeznamFORM", "StornoBT");
    user::click(hl().layout().SeznamOsob1);
    EXPECT_EQ(script.windowsShown().size(), 1u);
}

TEST_F(TextOfPersons, FormsArePrintedBelowTheShareOnlyAndBlankOnesOncePerCopy)
{
    Clovek* little = addPerson("Málo", "Vyplněný");
    Clovek* half = addPerson("Půl", "Vyplněný");
    Clovek* much = addPerson("Hodně", "Vyplněný");
    showWholeTree();
    little->percentFilled = 49;
    half->percentFilled = 50;
    much->percentFilled = 90;

    script.press("formularFORM", "tiskniDleProcentBT");
    script.modal("meneNezFORM", [](TForm&) {
        EXPECT_EQ(meneNezFORM->procentaUD.Position(), 50);
        user::click(meneNezFORM->okBT);
    });
    script.confirmPrint(true);
    user::click(hl().layout().Formular1);
    ASSERT_EQ(script.printed().size(), 1u);
    EXPECT_EQ(script.printed()[0].title, "Formular osoby");
    EXPECT_EQ(script.printed()[0].fontSize, 11);
    const Lines& form = script.printed()[0].lines;
    EXPECT_NE(std::find_if(form.begin(), form.end(),
                           [](const std::string& l) { return l.find("Málo Vyplněný") != std::string::npos; }),
              form.end());
    EXPECT_EQ(textFORM->textRICH.Font.Size, 8);

    script.clearRecords();
    script.press("formularFORM", "tiskniPrazdneBT").confirmPrint(true, 3);
    user::click(hl().layout().Formular1);
    ASSERT_EQ(script.printed().size(), 3u);
    for (const PrintJob& job : script.printed()) {
        EXPECT_EQ(job.title, "Prazdny formular");
        EXPECT_EQ(job.copies, 1); // three jobs of one copy, not three of three
    }

    script.clearRecords();
    script.press("formularFORM", "tiskniVseBT").confirmPrint(false);
    user::click(hl().layout().Formular1);
    EXPECT_TRUE(script.printed().empty());
}

TEST_F(TextOfPersons, TheTextWindowPrintsWithItsMarginAndGivesItBack)
{
    addPerson("Jan", "Novák");
    showWholeTree();
    TtextFORM& t = *textFORM;
    script.press("formularFORM", "zobrazAktivniBT");
    script.modal("textFORM", [&](TForm&) {
        script.confirmPrint(false);
        user::click(t.tiskBT);
        EXPECT_EQ(t.textRICH.BorderWidth, 0);
        script.confirmPrint(true);
        user::click(t.tiskBT);
        user::click(t.zavritBT);
    });
    user::click(hl().layout().Formular1);
    ASSERT_EQ(script.printed().size(), 1u);
    EXPECT_EQ(script.printed()[0].title, "Lipoveta");
    EXPECT_EQ(script.printed()[0].margin, 60);
    EXPECT_EQ(t.textRICH.BorderWidth, 0);
}

TEST_F(TextOfPersons, SavingReplacesAWholeFileAndTellsAFailure)
{
    addPerson("Jan", "Novák");
    showWholeTree();
    TtextFORM& t = *textFORM;
    const std::string path = folder() + "seznam.txt";
    writeCp1250Lines(path, {"stará", "data", "delší", "než", "nová", "a", "b", "c", "d", "e", "f",
                            "g",     "h",    "i",     "j",   "k",    "l", "m", "n", "o", "p", "q",
                            "r",     "s",    "t",     "u",   "v",    "w", "x", "y", "z"});
    TStringList text;
    text.Add("Řádek jedna");
    text.Add("Řádek dvě");

    script.press("formularFORM", "zobrazAktivniBT");
    script.modal("textFORM", [&](TForm&) {
        t.textRICH.Lines.Assign(text);
        script.file(path);
        user::click(t.ulozitBT);
        EXPECT_TRUE(t.SaveDialogTXT.OverwritePrompt);
        EXPECT_EQ(readFileBytes(path), "Řádek jedna\r\nŘádek dvě\r\n") << "UTF-8, CR LF, no BOM";

        script.file(folder() + "chybi/seznam.txt");
        user::click(t.ulozitBT);
        user::click(t.zavritBT);
    });
    user::click(hl().layout().Formular1);
    EXPECT_EQ(script.messages().size(), 1u);
    EXPECT_FALSE(exists(folder() + "chybi"));
}
