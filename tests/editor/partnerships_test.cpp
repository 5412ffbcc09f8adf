// The partnerships area of the basic-data page as a person uses it: adding, changing, moving
// and deleting partners, the married and divorced boxes, the partnership's fields with their
// checks and undo, the summary, and the family kept through a save and an open.
#include "family_fixture.h"

#include "forms/shrnuti_svatby_form.h"
#include "forms/vyber_partnera_form.h"
#include "system/codec.h"
#include "system/fileio.h"

#include <filesystem>

namespace {

using Partnerships = FamilyPage;

// The partner dialog: the person double-clicks the line of `text`.
void pickPartner(ScriptedRunner& script, const std::string& text, std::vector<std::string>* offered = nullptr)
{
    script.modal("", [text, offered](TForm&) {
        TvyberPartnera& d = *vyberPartnera;
        if (offered)
            *offered = d.nabidkaLIST.Items.lines();
        EXPECT_FALSE(d.Button1.Enabled);
        user::doubleClickLine(d.nabidkaLIST, d.nabidkaLIST.Items.IndexOf(text));
    });
}

TEST_F(Partnerships, APersonWithoutPartnersShowsOnlyTheAddButton)
{
    Clovek* jan = add("Jan", "Kos", 1);
    show(jan);
    EXPECT_TRUE(z().vytvorSvatbuBT.Visible);
    EXPECT_FALSE(z().zmenPartneraBT.Visible);
    EXPECT_FALSE(z().zmenPartneraBT.Enabled);
    EXPECT_FALSE(z().oddaniCHECK.Visible);
    EXPECT_FALSE(z().svatbaRokED.Visible);
}

TEST_F(Partnerships, AddingAChosenPartnerSharesOnePartnershipAndItsUndoAsks)
{
    Clovek* jan = add("Jan", "Kos", 1);
    Clovek* eva = add("Eva", "Nová", 0);
    add("Petr", "Novák", 1);
    show(jan);
    std::vector<std::string> offered;
    pickPartner(script, "Nová Eva (1)", &offered);
    user::click(z().vytvorSvatbuBT);
    EXPECT_EQ(offered, (std::vector<std::string>{"Nová Eva (1)"})) << "a man is offered the women";
    ASSERT_EQ(jan->partnerships.count(), 1);
    ASSERT_EQ(eva->partnerships.count(), 1);
    Svatba* s = static_cast<UkSvatba*>(jan->partnerships.first())->partnership;
    EXPECT_EQ(static_cast<UkSvatba*>(eva->partnerships.first())->partnership, s);
    EXPECT_EQ(s->partner1, jan);
    EXPECT_EQ(lines(z().partneriLIST), (std::vector<std::string>{"Nová Eva (1)"}));
    EXPECT_EQ(z().partneriLIST.ItemIndex(), 0);
    EXPECT_TRUE(z().oddaniCHECK.Visible);
    EXPECT_FALSE(z().oddaniCHECK.Checked());
    EXPECT_FALSE(z().svatbaRokED.Visible);
    ASSERT_EQ(steps(), 1);

    script.press("", "anoBT");
    user::click(hl().layout().Zpet1);
    EXPECT_EQ(jan->partnerships.count(), 0);
    EXPECT_EQ(eva->partnerships.count(), 0);
    EXPECT_TRUE(lines(z().partneriLIST).empty());
}

TEST_F(Partnerships, ANewPersonAsPartnerIsOfTheOtherSexShownAndOneStep)
{
    Clovek* eva = add("Eva", "Nová", 0);
    show(eva);
    script.press("", "vytvorNovehoBT");
    user::click(z().vytvorSvatbuBT);
    Clovek* novy = current();
    ASSERT_NE(novy, eva);
    EXPECT_EQ(novy->sex, 1);
    EXPECT_EQ(hl().session.tree()->personCount(), 2);
    EXPECT_EQ(lines(z().partneriLIST), (std::vector<std::string>{"Nová Eva (0)"}));
    EXPECT_EQ(steps(), 1) << "only the partnership, not the person";

    // Undo takes the partnership away and offers to delete the person it made.
    script.press("", "anoBT").press("", "anoBT");
    user::click(hl().layout().Zpet1);
    EXPECT_EQ(eva->partnerships.count(), 0);
    EXPECT_EQ(hl().session.tree()->personCount(), 1);
    EXPECT_EQ(current(), eva);
    EXPECT_FALSE(hl().session.tree()->canUndo());
}

TEST_F(Partnerships, MarryingShowsAnUnknownWeddingAndAYearOverTheLimitIsReset)
{
    Clovek* jan = add("Jan", "Kos", 1);
    Clovek* eva = add("Eva", "Nová", 0);
    Svatba* s = couple(jan, eva);
    s->place = "staré";
    show(jan);
    hl().session.tree()->recordTextChange(jan, "jmeno", "J", "Jan");
    user::click(z().oddaniCHECK);
    EXPECT_EQ(s->type, PartnershipType::married);
    EXPECT_EQ(steps(), 0) << "a state change empties the history";
    EXPECT_TRUE(z().svatbaRokED.Visible);
    EXPECT_EQ(z().svatbaRokED.Text(), "?");
    EXPECT_EQ(s->place, "");
    EXPECT_FALSE(z().rozvodRokED.Visible);

    typeOver(z().svatbaRokED, "2051", z().svatbaMistoCB);
    ASSERT_EQ(script.messageTexts().size(), 1u);
    EXPECT_EQ(script.messageTexts()[0], "Rok svatby je vyšší než nastavená horní mez! Měním rok svatby.");
    EXPECT_EQ(s->wedding.year, "?");
    EXPECT_EQ(z().svatbaRokED.Text(), "?");

    // A letter typed into the year is refused and the edit keeps the digits stored; leaving
    // checks them (1 and 19 are below the limit).
    typeOver(z().svatbaRokED, "19a");
    EXPECT_EQ(z().svatbaRokED.Text(), "19");
    user::focus(z().svatbaMistoCB);
    EXPECT_EQ(z().svatbaRokED.Text(), "?");

    // Unmarrying asks; the data stay stored but hidden.
    user::type(z().svatbaMistoCB, "Brno");
    script.press("", "anoBT");
    user::click(z().oddaniCHECK);
    EXPECT_EQ(s->type, PartnershipType::plain);
    EXPECT_EQ(s->place, "Brno");
    EXPECT_FALSE(z().svatbaMistoCB.Visible);
}

TEST_F(Partnerships, TheFieldsAreStoredSharedAndUndoneAndADivorceBeforeTheWeddingIsRefused)
{
    Clovek* jan = add("Jan", "Kos", 1);
    Clovek* eva = add("Eva", "Nová", 0);
    Svatba* s = couple(jan, eva, PartnershipType::married);
    s->wedding = Datum("10", "5", "1950");
    show(jan);
    user::type(z().oddavajiciKnezED, "farář");
    user::type(z().svedkoveED, "Petr");
    EXPECT_EQ(s->officiant, "farář");
    EXPECT_EQ(steps(), 2);
    show(eva);
    EXPECT_EQ(z().svedkoveED.Text(), "Petr") << "the partner sees the same partnership";
    EXPECT_EQ(z().svatbaDenLB.Caption, "středa");
    user::click(hl().layout().Zpet1);
    EXPECT_EQ(s->witnesses, "");
    EXPECT_EQ(current(), jan);
    EXPECT_EQ(z().svedkoveED.Text(), "");

    user::click(z().rozvedeniCHECK);
    ASSERT_EQ(s->type, PartnershipType::divorced);
    EXPECT_TRUE(z().rozvodRokED.Visible);
    typeOver(z().rozvodRokED, "1949", z().svatbaMistoCB);
    ASSERT_EQ(script.messageTexts().size(), 1u);
    EXPECT_EQ(script.messageTexts()[0], "Rozvod by přecházel svatební obřad! Měním rok rozvodu.");
    EXPECT_EQ(s->divorce.year, "?");
    EXPECT_EQ(s->wedding.year, "1950");

    // Undoing the typed divorce year brings back what was there before the edit.
    typeOver(z().rozvodRokED, "1960", z().svatbaMistoCB);
    EXPECT_EQ(s->divorce.year, "1960");
    user::click(hl().layout().Zpet1);
    EXPECT_EQ(s->divorce.year, "?");
    EXPECT_EQ(z().rozvodRokED.Text(), "?");
}

TEST_F(Partnerships, EveryDatePartAndPartnershipTextIsUndoneIntoItsOwnBox)
{
    Clovek* jan = add("Jan", "Kos", 1);
    Clovek* eva = add("Eva", "Nová", 0);
    jan->birth = Datum("1", "2", "1900");
    jan->death = Datum("3", "4", "1980");
    jan->alive = 0;
    Svatba* s = couple(jan, eva, PartnershipType::divorced);
    s->wedding = Datum("10", "5", "1930");
    s->divorce = Datum("11", "6", "1940");
    show(jan);
    struct Box {
        TWinControl& box;
        std::string typed;
    };
    ZakladniSheet& p = z();
    const Box boxes[] = {
        {p.narozDenCB, "15"},      {p.narozMesicCB, "7"},         {p.narozRokED, "1901"},
        {p.smrtDenCB, "15"},       {p.smrtMesicCB, "7"},          {p.smrtRokED, "1981"},
        {p.svatbaDenCB, "15"},     {p.svatbaMesicCB, "7"},        {p.svatbaRokED, "1931"},
        {p.rozvodDenCB, "15"},     {p.rozvodMesicCB, "7"},        {p.rozvodRokED, "1941"},
        {p.svatbaMistoCB, "Brno"}, {p.oddavajiciKnezED, "farář"}, {p.svedkoveED, "Petr"},
    };
    const auto text = [](TWinControl& box) {
        auto* edit = dynamic_cast<TEdit*>(&box);
        return edit ? edit->Text() : dynamic_cast<TComboBox&>(box).Text();
    };
    for (const Box& b : boxes) {
        const std::string before = text(b.box);
        typeOver(b.box, b.typed, p.titulPredCB);
        ASSERT_EQ(text(b.box), b.typed) << b.box.Name;
        user::click(hl().layout().Zpet1);
        EXPECT_EQ(text(b.box), before) << b.box.Name;
        EXPECT_TRUE(b.box.Focused()) << b.box.Name;
    }
    EXPECT_EQ(jan->birth.day + "." + jan->birth.month + "." + jan->birth.year, "1.2.1900");
    EXPECT_EQ(s->divorce.day + "." + s->divorce.month + "." + s->divorce.year, "11.6.1940");
    EXPECT_EQ(s->place + s->officiant + s->witnesses, "");
}

TEST_F(Partnerships, ReorderingMovesOnlyThisPersonsListAndDeletingEmptiesTheHistory)
{
    Clovek* jan = add("Jan", "Kos", 1);
    Clovek* eva = add("Eva", "Nová", 0);
    Clovek* ana = add("Ana", "Malá", 0);
    couple(jan, eva);
    couple(jan, ana);
    couple(eva, add("Otto", "Pták", 1));
    show(jan);
    EXPECT_FALSE(z().nahoruSvatbaBT.Enabled);
    EXPECT_TRUE(z().doluSvatbaBT.Enabled);
    user::click(z().doluSvatbaBT);
    EXPECT_EQ(lines(z().partneriLIST), (std::vector<std::string>{"Malá Ana (2)", "Nová Eva (1)"}));
    EXPECT_EQ(z().partneriLIST.ItemIndex(), 1);
    EXPECT_TRUE(z().nahoruSvatbaBT.Enabled);
    EXPECT_FALSE(z().doluSvatbaBT.Enabled);
    EXPECT_EQ(static_cast<UkSvatba*>(eva->partnerships.first())->partnership->partner1, jan);

    hl().session.tree()->recordTextChange(jan, "jmeno", "J", "Jan");
    script.press("", "anoBT");
    user::click(z().smazSvatbuBT);
    EXPECT_EQ(lines(z().partneriLIST), (std::vector<std::string>{"Malá Ana (2)"}));
    EXPECT_EQ(eva->partnerships.count(), 1);
    EXPECT_EQ(steps(), 0);

    // The partner's row leads to that partner.
    user::doubleClickLine(z().partneriLIST, 0);
    EXPECT_EQ(current(), ana);
}

TEST_F(Partnerships, ChangingThePartnerMovesThePartnershipAndUndoesBack)
{
    Clovek* jan = add("Jan", "Kos", 1);
    Clovek* eva = add("Eva", "Nová", 0);
    Clovek* ana = add("Ana", "Malá", 0);
    Svatba* s = couple(jan, eva, PartnershipType::married);
    show(jan);
    script.press("", "anoBT");
    pickPartner(script, "Malá Ana (2)");
    user::click(z().zmenPartneraBT);
    EXPECT_EQ(s->partner2, ana);
    EXPECT_EQ(eva->partnerships.count(), 0);
    EXPECT_EQ(ana->partnerships.count(), 1);
    EXPECT_EQ(lines(z().partneriLIST), (std::vector<std::string>{"Malá Ana (2)"}));
    ASSERT_EQ(steps(), 1);

    script.press("", "anoBT");
    user::click(hl().layout().Zpet1);
    EXPECT_EQ(s->partner2, eva);
    EXPECT_EQ(eva->partnerships.count(), 1);
    EXPECT_EQ(ana->partnerships.count(), 0);
}

TEST_F(Partnerships, APartnerWhoDiedBeforeTheOtherWasBornIsRefused)
{
    Clovek* jan = add("Jan", "Kos", 1, "1900");
    Clovek* eva = add("Eva", "Nová", 0, "1800");
    eva->alive = 0;
    eva->death = Datum("?", "?", "1850");
    show(jan);
    pickPartner(script, "Nová Eva (1)");
    user::click(z().vytvorSvatbuBT);
    ASSERT_EQ(script.messageTexts().size(), 1u);
    EXPECT_EQ(script.messageTexts()[0], "Jeden z partnerů by zemřel před narozením druhého!");
    EXPECT_EQ(script.messages()[0].flags, MB_OK | MB_ICONINFORMATION);
    EXPECT_EQ(jan->partnerships.count(), 0);
    EXPECT_EQ(steps(), 0);
}

TEST_F(Partnerships, TheSummaryShowsTheWindowAndSavesWhatItHolds)
{
    Clovek* jan = add("Jan", "Kos", 1);
    Clovek* eva = add("Eva", "Nová", 0);
    Svatba* s = couple(jan, eva, PartnershipType::married);
    s->wedding = Datum("?", "?", "1950");
    jan->alive = 0;
    jan->death = Datum("?", "?", "1970");
    for (const char* name : {"A", "B", "C"})
        parent(add(name, "Kos", 1), jan, eva);
    show(eva);
    const std::string file = folder() + "shrnuti.txt";
    std::vector<std::string> shown;
    script.modal("", [&](TForm&) {
        TShrnutiSvatbyFORM& d = *ShrnutiSvatbyFORM;
        shown = d.shrnutiMEMO.Lines.lines();
        user::click(d.ulozitShrnutiBT);
        user::click(d.zpetBT);
    });
    script.file(file);
    user::click(z().shrnutiSvatbyBT);
    ASSERT_EQ(shown.size(), 11u);
    EXPECT_EQ(shown[0], " SHRNUTÍ MANŽELSTVÍ");
    EXPECT_EQ(shown[2], "Svatební obřad této dvojice se uskutečnil v roce 1950.");
    EXPECT_EQ(shown[4], "Manželé spolu měli 3 děti:");
    EXPECT_EQ(shown[5], "Kos A");
    EXPECT_EQ(shown[8], "");
    EXPECT_EQ(shown[9], "Manželství bylo ukončeno, když zemřel Kos Jan. Stalo se tak v roce 1970.");
    EXPECT_EQ(shown[10], "Trvalo 20 let.");
    EXPECT_EQ(splitLines(readFileBytes(file)), shown);
}

TEST_F(Partnerships, TheSummarySavedOverAFileAsksFirst)
{
    Clovek* jan = add("Jan", "Kos", 1);
    Clovek* eva = add("Eva", "Nová", 0);
    couple(jan, eva, PartnershipType::married);
    show(eva);
    const std::string file = folder() + "shrnuti.txt";
    const std::vector<std::string> letter{"dopis, který se nesmí ztratit"};
    writeUtf8TextLines(file, letter);
    const std::string question = "Soubor shrnuti.txt již existuje.\nChcete jej nahradit?";
    script.modal("", [&](TForm&) {
        TShrnutiSvatbyFORM& d = *ShrnutiSvatbyFORM;
        script.replaceFile(file, IDNO);
        user::click(d.ulozitShrnutiBT);
        EXPECT_EQ(script.messageTexts(), std::vector<std::string>{question});
        EXPECT_EQ(splitLines(readFileBytes(file)), letter);
        script.replaceFile(file, IDYES);
        user::click(d.ulozitShrnutiBT);
        EXPECT_EQ(script.messageTexts(), std::vector<std::string>(2, question));
        user::click(d.zpetBT);
    });
    user::click(z().shrnutiSvatbyBT);
    EXPECT_NE(splitLines(readFileBytes(file)), letter);
    EXPECT_NE(readFileBytes(file).find("SHRNUTÍ MANŽELSTVÍ"), std::string::npos);
}

TEST_F(Partnerships, TheFamilyComesBackAfterASaveAndAnOpen)
{
    Clovek* jan = add("Jan", "Kos", 1);
    Clovek* eva = add("Eva", "Nová", 0);
    Clovek* ana = add("Ana", "Malá", 0);
    Svatba* s = couple(jan, eva, PartnershipType::divorced);
    s->wedding = Datum("1", "2", "1950");
    s->divorce = Datum("?", "?", "1960");
    s->place = "Brno";
    couple(jan, ana);
    Clovek* dite = add("Dita", "Kosová", 0);
    parent(dite, jan, eva);
    show(jan);
    user::click(z().doluSvatbaBT); // Ana first in Jan's list only
    const std::string path = folder() + "save/rodina.rod";
    std::filesystem::create_directories(folder() + "save");
    hl().session.tree()->fileName = path;
    ASSERT_TRUE(hl().saveTree());
    hl().closeTree();
    ASSERT_EQ(hl().openTree(path), 0);

    Clovek* jan2 = hl().session.tree()->findPersonByIdentifier("0");
    ASSERT_NE(jan2, nullptr);
    show(jan2);
    EXPECT_EQ(lines(z().partneriLIST), (std::vector<std::string>{"Malá Ana (2)", "Nová Eva (1)"}));
    user::pick(z().partneriLIST, 1);
    EXPECT_TRUE(z().rozvedeniCHECK.Checked());
    EXPECT_EQ(z().rozvodRokED.Text(), "1960");
    EXPECT_EQ(z().svatbaMistoCB.Text(), "Brno");
    EXPECT_EQ(lines(z().detiLIST), (std::vector<std::string>{"Kosová Dita (3)"}));
    Clovek* eva2 = hl().session.tree()->findPersonByIdentifier("1");
    ASSERT_EQ(eva2->partnerships.count(), 1);
    EXPECT_EQ(hl().session.tree()->findPersonByIdentifier("3")->mother, eva2);
}

} // namespace
