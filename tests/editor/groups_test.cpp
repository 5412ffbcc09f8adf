// Groups as a person uses them: the group box filtering the list and falling back after a rename
// or a delete, the groups of the shown person, the manager's commands, its name prompt, the fill
// window and the family buttons, and bulk fill over a group or everybody.
#include "family_fixture.h"
#include "model/group_builders.h"

#include "forms/co_vyplnit_form.h"
#include "forms/hromadne_form.h"
#include "forms/moje_skupiny_form.h"
#include "forms/naplnit_form.h"
#include "forms/nazev_skupiny_form.h"
#include "forms/spravce_skupin_form.h"
#include "model/action_list.h"
#include "model/casove_obdobi.h"
#include "model/group.h"

#include <functional>

namespace {

struct Groups : FamilyTest {
    Clovek *jan, *eva, *petr, *nora, *olga;

    void SetUp() override
    {
        FamilyTest::SetUp();
        jan = add("Jan", "Novák");
        eva = add("Eva", "Nováková", 0);
        petr = add("Petr", "Novotný");
        nora = add("Nora", "novotná", 0);
        olga = add("Olga", "Malá", 0);
        olga->birthSurname = "Nováková";
        parents(petr, jan, eva);
        couple(jan, eva, PartnershipType::married);
        couple(petr, olga, PartnershipType::plain);
        ready(jan);
    }
    Group* group(const std::string& name, std::initializer_list<Clovek*> members)
    {
        return addGroup(*hl().session.tree(), name, members);
    }
    // The manager shown from its button; `act` works in it, then OK closes it.
    void manage(const std::function<void(TspravceSkupinFORM&)>& act)
    {
        script.modal("Správce skupin", [act](TForm& f) {
            auto& w = static_cast<TspravceSkupinFORM&>(f);
            act(w);
            user::click(w.OkBT);
        });
        user::click(hl().editor.zakladniSheet.spravceSkupinBT);
    }
    // The next name prompt gets `text` and OK (or Storno).
    void typeName(const std::string& text, bool ok = true)
    {
        script.modal("Název skupiny", [text, ok](TForm& f) {
            auto& p = static_cast<TnazevSkupinyFORM&>(f);
            user::replaceText(p.nazevED, text);
            user::click(ok ? p.OKBtn : p.StornoBT);
        });
    }
    static void pickGroup(TspravceSkupinFORM& w, const std::string& text)
    {
        user::pick(w.skupinyLIST, w.skupinyLIST.Items.IndexOf(text));
    }
    void filterBy(const std::string& text) { user::pick(hl().layout().skupinyCB, text); }
    void yes() { script.press("Kinvelor", "anoBT"); }
    void no() { script.press("Kinvelor", "neBT"); }
};

TEST_F(Groups, TheGroupBoxFiltersTheListAndFallsBackWhenItsGroupIsRenamedOrDeleted)
{
    group("Rodina", {jan, eva});
    group("Děti", {petr});
    hl().editor.fillGroupsCombo("");
    EXPECT_EQ(hl().layout().skupinyCB.Items.lines(),
              (std::vector<std::string>{"_VŠICHNI", "Rodina", "Děti"}));
    filterBy("Rodina");
    EXPECT_EQ(hl().personList.rowCount(), 2);
    EXPECT_EQ(hl().personList.currentRow(), hl().personList.rowOf(jan));

    // A group that still exists keeps the filter through the manager.
    manage([](TspravceSkupinFORM& w) { pickGroup(w, "Děti"); });
    EXPECT_EQ(hl().layout().skupinyCB.Text(), "Rodina");
    EXPECT_EQ(hl().personList.rowCount(), 2);

    manage([this](TspravceSkupinFORM& w) {
        pickGroup(w, "Rodina");
        typeName("Příbuzní");
        user::click(w.prejmenovatBT);
        EXPECT_EQ(w.skupinyLIST.Items.lines(), (std::vector<std::string>{"Děti", "Příbuzní"}));
        EXPECT_EQ(w.skupinyLIST.Items[w.skupinyLIST.ItemIndex()], "Příbuzní");
    });
    EXPECT_EQ(hl().layout().skupinyCB.ItemIndex(), 0);
    EXPECT_EQ(hl().personList.rowCount(), 5);

    filterBy("Děti");
    manage([this](TspravceSkupinFORM& w) {
        pickGroup(w, "Děti");
        yes();
        user::click(w.smazatBT);
        EXPECT_EQ(w.skupinyLIST.ItemIndex(), -1);
        EXPECT_EQ(w.clenoveLIST.Items.Count(), 0);
    });
    EXPECT_EQ(hl().layout().skupinyCB.Items.lines(), (std::vector<std::string>{"_VŠICHNI", "Příbuzní"}));
    EXPECT_EQ(hl().personList.rowCount(), 5);
}

TEST_F(Groups, TheNamePromptAsksAgainUntilTheNameIsNewAndNotEmpty)
{
    group("Rodina", {});
    manage([this](TspravceSkupinFORM& w) {
        typeName("Rodina");
        typeName("");
        typeName("rodina");
        typeName("x", false); // the next creation is cancelled
        user::click(w.vytvoritBT);
        user::click(w.vytvoritBT);
    });
    EXPECT_EQ(script.messageTexts(), (std::vector<std::string>{"Skupina tohoto názvu již existuje!",
                                                               "Název skupiny nemůže být prázdný řetězec!"}));
    ASSERT_EQ(hl().session.tree()->groups.count(), 2);
    EXPECT_TRUE(hl().session.tree()->groupExists("rodina"));

    // Renaming to the present name changes nothing and says nothing; Storno keeps the name.
    script.clearRecords();
    manage([this](TspravceSkupinFORM& w) {
        pickGroup(w, "Rodina");
        typeName("Rodina");
        typeName("Jiná", false);
        user::click(w.prejmenovatBT);
        user::click(w.prejmenovatBT);
    });
    EXPECT_TRUE(script.messageTexts().empty());
    EXPECT_TRUE(hl().session.tree()->groupExists("Rodina"));
}

TEST_F(Groups, CommandsOnAGroupNeedOneSelected)
{
    manage([](TspravceSkupinFORM& w) {
        for (TButton* b : {&w.zkopirovatBT, &w.prejmenovatBT, &w.smazatBT, &w.vyprazdnitBT, &w.invertovatBT,
                           &w.naplnitBT, &w.predciBT, &w.partneriBT})
            user::click(*b);
    });
    EXPECT_EQ(script.messageTexts(), std::vector<std::string>(6, "Není vybrána žádná skupina!"));
}

TEST_F(Groups, CopyInvertEmptyAndMemberTicks)
{
    Group* rodina = group("Rodina", {eva, jan});
    manage([this](TspravceSkupinFORM& w) {
        pickGroup(w, "Rodina");
        typeName("Kopie");
        user::click(w.zkopirovatBT);
    });
    Group* kopie = hl().session.tree()->findGroup("Kopie");
    ASSERT_TRUE(kopie);
    EXPECT_EQ(memberNames(kopie), (std::vector<std::string>{"Eva", "Jan"}));

    manage([this](TspravceSkupinFORM& w) {
        pickGroup(w, "Kopie");
        user::click(w.invertovatBT);
        EXPECT_EQ(ticked(w.clenoveLIST).size(), 3u);
        // A tick acts at once, an untick too.
        user::tick(w.clenoveLIST, w.clenoveLIST.Items.IndexOf(name(jan)));
        user::tick(w.clenoveLIST, w.clenoveLIST.Items.IndexOf(name(olga)));
    });
    EXPECT_EQ(memberNames(kopie), (std::vector<std::string>{"Nora", "Petr", "Jan"}));

    manage([this](TspravceSkupinFORM& w) {
        pickGroup(w, "Rodina");
        no();
        yes();
        user::click(w.vyprazdnitBT);
        EXPECT_EQ(w.clenoveLIST.Items.Count(), 5);
        user::click(w.vyprazdnitBT);
        user::click(w.invertovatBT);
    });
    EXPECT_EQ(rodina->members.count(), 5); // invert of an empty group takes everybody
}

TEST_F(Groups, TheFillWindowReplacesTheMembers)
{
    Group* g = group("G", {jan, petr});
    manage([this](TspravceSkupinFORM& w) {
        pickGroup(w, "G");
        script.modal("Jak naplnit?", [](TForm& f) {
            auto& n = static_cast<TnaplnitFORM&>(f);
            user::click(n.zenyBT);
            user::click(n.zpetBT);
        });
        user::click(w.naplnitBT);
        EXPECT_EQ(w.clenoveLIST.Items.Count(), 5);
    });
    EXPECT_EQ(memberNames(g), (std::vector<std::string>{"Olga", "Nora", "Eva"}));
    EXPECT_EQ(script.messageTexts(), std::vector<std::string>{"Skupina byla naplněna požadovanými daty."});

    script.clearRecords();
    manage([this](TspravceSkupinFORM& w) {
        pickGroup(w, "G");
        script.modal("Jak naplnit?", [](TForm& f) {
            auto& n = static_cast<TnaplnitFORM&>(f);
            user::click(n.zacatekBT); // nothing typed: the group stays
            user::type(n.zacatekED, "Nov");
            user::click(n.zacatekBT);
            user::click(n.zpetBT);
        });
        user::click(w.naplnitBT);
    });
    EXPECT_EQ(script.messageTexts().front(), "Musíte zadat začátek příjmení.");
    // Surname or birth surname, letter case kept: "novotná" is left out.
    EXPECT_EQ(memberNames(g), (std::vector<std::string>{"Olga", "Petr", "Eva", "Jan"}));
}

TEST_F(Groups, FamilyButtonsAddRelativesOfTheTickedPersonsOneStepForPartners)
{
    Group* g = group("G", {petr});
    manage([this](TspravceSkupinFORM& w) {
        pickGroup(w, "G");
        user::click(w.partneriBT);
        EXPECT_EQ(ticked(w.clenoveLIST).size(), 2u);
        user::click(w.predciBT);
    });
    EXPECT_EQ(memberNames(g), (std::vector<std::string>{"Petr", "Olga", "Eva", "Jan"}));

    Group* h = group("H", {olga});
    manage([](TspravceSkupinFORM& w) {
        pickGroup(w, "H");
        user::click(w.partneriBT);
        user::click(w.partneriBT); // partners of partners on the second press
    });
    EXPECT_EQ(memberNames(h), (std::vector<std::string>{"Olga", "Petr"}));
}

TEST_F(Groups, TheShownPersonsGroupsActAtOnceAndTheFilteredListFollows)
{
    Group* a = group("A", {jan, eva});
    group("A", {});
    hl().editor.fillGroupsCombo("A");
    EXPECT_EQ(hl().personList.rowCount(), 2);
    script.modal("Přiřazení do skupin", [](TForm& f) {
        auto& w = static_cast<TmojeSkupinyFORM&>(f);
        EXPECT_TRUE(w.skupinyLIST.Checked(0));
        EXPECT_FALSE(w.skupinyLIST.Checked(1));
        user::tick(w.skupinyLIST, 0);
        user::tick(w.skupinyLIST, 1);
        user::click(w.OkBT);
    });
    user::click(hl().editor.zakladniSheet.skupinyBT);
    EXPECT_EQ(memberNames(a), std::vector<std::string>{"Eva"});
    // The second group of the same name got the tick of its own line.
    EXPECT_EQ(static_cast<Group*>(hl().session.tree()->groups.at(1))->members.count(), 1);
    EXPECT_EQ(listed(), std::vector<std::string>{"Eva"});
}

struct BulkFillWindow : Groups {
    // The bulk-fill window from the manager: picks the line, presses the field's button, types
    // the text and answers the question.
    // `answer`: the question answered yes or no; not asked when the prompt is left.
    void fill(const std::string& line, TButton ThromadneFORM::*button, const std::string& text,
              bool ok = true, int answer = 0)
    {
        manage([=, this](TspravceSkupinFORM& w) {
            script.modal("Hromadné vyplňování", [=, this](TForm& f) {
                auto& h = static_cast<ThromadneFORM&>(f);
                user::pick(h.skupinyLIST, h.skupinyLIST.Items.IndexOf(line));
                script.modal("", [text, ok](TForm& p) {
                    auto& c = static_cast<TcoVyplnitFORM&>(p);
                    user::replaceText(c.zadejteED, text);
                    user::click(ok ? c.OKBtn : c.stornoBT);
                });
                if (answer)
                    answer > 0 ? yes() : no();
                user::click(h.*button);
                user::click(h.zpetBT);
            });
            user::click(w.hromadneBT);
        });
    }
};

TEST_F(BulkFillWindow, FillsAGroupOrEverybodyAndRecordsNoStep)
{
    group("_VŠICHNI", {eva});
    group("Rodina", {jan, petr});
    const int steps = hl().session.tree()->undoHistory->count();
    const int share = jan->updatePercentFilled();
    fill("Rodina", &ThromadneFORM::mistoNarozeniBT, "Brno", true, 1);
    EXPECT_EQ(jan->birthPlace, "Brno");
    const int shown = jan->percentFilled;
    EXPECT_GT(shown, share);
    EXPECT_EQ(shown, jan->updatePercentFilled());
    EXPECT_EQ(petr->birthPlace, "Brno");
    EXPECT_EQ(eva->birthPlace, "");
    EXPECT_EQ(coVyplnitFORM->Caption, "Místo narození");
    EXPECT_EQ(hromadneFORM->skupinyLIST.Items.lines(),
              (std::vector<std::string>{"_VŠICHNI", "_VŠICHNI", "Rodina"}));
    // The shown person's page is refilled when the manager closes.
    EXPECT_EQ(hl().editor.zakladniSheet.narozMistoCB.Text(), "Brno");
    EXPECT_EQ(hl().session.tree()->undoHistory->count(), steps);

    // Either line of the all-persons text names the group of that name.
    fill("_VŠICHNI", &ThromadneFORM::vyznaniBT, "evangelík", true, 1);
    EXPECT_EQ(eva->religion, "evangelík");
    EXPECT_EQ(jan->religion, "");

    fill("Rodina", &ThromadneFORM::bydlisteBT, "Praha", true, 1);
    fill("Rodina", &ThromadneFORM::bydlisteBT, "Praha", true, 1);
    ASSERT_EQ(jan->residences.count(), 2);
    EXPECT_EQ(static_cast<CasoveObdobi*>(jan->residences.last())->text, "Praha");
    EXPECT_EQ(static_cast<CasoveObdobi*>(jan->residences.last())->from, "");
}

TEST_F(BulkFillWindow, LockedPersonsAreLeftAsTheyAreAndCounted)
{
    group("Rodina", {jan, petr});
    jan->lock = 1;
    fill("Rodina", &ThromadneFORM::mistoNarozeniBT, "Brno", true, 1);
    fill("_VŠICHNI", &ThromadneFORM::povolaniBT, "kovář", true, 1);
    EXPECT_EQ(jan->birthPlace, "");
    EXPECT_EQ(jan->occupations.count(), 0);
    EXPECT_EQ(petr->birthPlace, "Brno");
    EXPECT_EQ(petr->occupations.count(), 1);
    EXPECT_EQ(script.messageTexts(),
              (std::vector<std::string>{"Zamčené osoby zůstaly beze změny. Vynechaných osob: 1",
                                        "Zamčené osoby zůstaly beze změny. Vynechaných osob: 1"}));
}

TEST_F(BulkFillWindow, TheAllPersonsLineReachesEverybodyUnlessTheUserBacksOut)
{
    fill("_VŠICHNI", &ThromadneFORM::narodnostBT, "česká", true, -1);
    fill("_VŠICHNI", &ThromadneFORM::narodnostBT, "česká", false);
    fill("_VŠICHNI", &ThromadneFORM::narodnostBT, "mrCancelXY");
    hl().session.tree()->forEachPerson([](Clovek* p) { EXPECT_EQ(p->nationality, ""); });
    fill("_VŠICHNI", &ThromadneFORM::narodnostBT, "česká", true, 1);
    hl().session.tree()->forEachPerson([](Clovek* p) { EXPECT_EQ(p->nationality, "česká"); });
    EXPECT_TRUE(script.unusedAnswers().empty());
}

} // namespace
