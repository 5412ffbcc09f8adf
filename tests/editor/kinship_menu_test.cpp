// The relatives submenu on a family with a divorce, a remarriage, a plain partnership and a
// widow: what each item lists, the window's lines and a double-click on a found person.
#include "family_fixture.h"

#include "forms/pribuzni_form.h"

namespace {

struct KinshipMenu : FamilyTest {
    Clovek *josef, *marie, *karel, *eva, *lida, *jana, *tomas, *petr, *olga, *vera, *adam, *bara, *cyril,
        *dana;

    void SetUp() override
    {
        FamilyTest::SetUp();
        josef = add("Josef", "Novák");
        josef->alive = 0; // Marie is a widow
        marie = add("Marie", "Nováková", 0);
        karel = add("Karel", "Novák");
        eva = add("Eva", "Nováková", 0);
        lida = add("Lída", "Malá", 0);
        jana = add("Jana", "Nováková", 0);
        tomas = add("Tomáš", "Král");
        petr = add("Petr", "Novák");
        olga = add("Olga", "Bílá", 0);
        vera = add("Věra", "Nováková", 0);
        adam = add("Adam", "Novák");
        bara = add("Bára", "Nováková", 0);
        cyril = add("Cyril", "Novák");
        dana = add("Dana", "Králová", 0);
        couple(josef, marie, PartnershipType::married);
        for (Clovek* c : {karel, jana, petr})
            parents(c, josef, marie);
        couple(karel, lida, PartnershipType::divorced);
        couple(karel, eva, PartnershipType::married);
        couple(jana, tomas, PartnershipType::plain);
        couple(petr, olga, PartnershipType::divorced);
        couple(petr, vera, PartnershipType::married);
        parents(adam, karel, eva);
        parents(bara, karel, eva);
        parents(cyril, petr, vera);
        parents(dana, tomas, jana);
        ready(adam);
    }

    // Runs the item and gives the lines of the relatives window; closes it with Zpět.
    std::vector<std::string> run(TMenuItem& item)
    {
        std::vector<std::string> lines;
        script.modal("Lipoveta", [&lines](TForm& f) {
            auto& w = static_cast<TpribuzniFORM&>(f);
            lines = w.osobyLIST.Items.lines();
            user::click(w.zpetBT);
        });
        EXPECT_TRUE(user::click(item));
        return lines;
    }
    std::vector<std::string> names(std::initializer_list<Clovek*> persons)
    {
        std::vector<std::string> out;
        for (Clovek* p : persons)
            out.push_back(name(p));
        return out;
    }
};

TEST_F(KinshipMenu, PartnersOfDivorcedPartnershipsAreNoInLawsNorUnclesNorAunts)
{
    EXPECT_EQ(run(hl().layout().Strycove1), names({tomas, petr}));
    EXPECT_EQ(run(hl().layout().Tety1), names({jana, vera}));
    EXPECT_EQ(run(hl().layout().StrycoveATety1), names({tomas, petr, jana, vera}));
    hl().editor.showPerson(josef);
    EXPECT_EQ(run(hl().layout().Snachy1), names({eva, vera}));
    EXPECT_EQ(run(hl().layout().Zetove1), names({tomas}));
    hl().editor.showPerson(tomas);
    EXPECT_EQ(run(hl().layout().Svagri1), names({karel, petr}));
    EXPECT_EQ(run(hl().layout().Svagrove1), names({eva, vera}));
}

TEST_F(KinshipMenu, EachItemListsItsRelativesSortedAndOnlyOneGeneration)
{
    EXPECT_EQ(run(hl().layout().Sourozenci1), names({bara}));
    EXPECT_EQ(run(hl().layout().Bratri1), names({}));
    EXPECT_EQ(run(hl().layout().DedoveABabicky1), names({josef, marie}));
    EXPECT_EQ(run(hl().layout().BratranciASestrenice1), names({dana, cyril}));
    EXPECT_EQ(run(hl().layout().Sestrenice1), names({dana}));
    hl().editor.showPerson(josef);
    EXPECT_EQ(run(hl().layout().Potomci1), names({karel, petr, jana}));
    EXPECT_EQ(run(hl().layout().Vnukove1), names({adam, cyril}));
    EXPECT_EQ(run(hl().layout().VnukoveAVnucky1), names({dana, adam, cyril, bara}));
    EXPECT_EQ(run(hl().layout().Dedove1), names({}));
}

TEST_F(KinshipMenu, TheWindowNamesThePersonTheRelationAndTheCount)
{
    run(hl().layout().Vnukove1);
    EXPECT_TRUE(run(hl().layout().Vnukove1).empty());
    const TpribuzniFORM& w = *pribuzniFORM;
    EXPECT_EQ(w.nadpisLB.Caption, "Vyhledávání příbuzných k osobě " + name(adam));
    // The relation line of this item is looked up under its own key.
    EXPECT_EQ(w.vztahLB.Caption, "Příbuzenský vztah: Vnukové");
    EXPECT_EQ(w.pocetLB.Caption, "Počet nalezených osob: 0");
    run(hl().layout().DedoveABabicky1);
    // The menu texts wrote this key with the caption's spelling first; the file's text wins.
    EXPECT_EQ(w.vztahLB.Caption, "Příbuzenský vztah: Dědové a babičky");
    EXPECT_EQ(w.pocetLB.Caption, "Počet nalezených osob: 2");
}

TEST_F(KinshipMenu, DoubleClickingAFoundPersonShowsThatPerson)
{
    script.modal("Lipoveta", [this](TForm& f) {
        auto& w = static_cast<TpribuzniFORM&>(f);
        user::doubleClickLine(w.osobyLIST, w.osobyLIST.Items.IndexOf(name(marie)));
    });
    user::click(hl().layout().DedoveABabicky1);
    EXPECT_EQ(hl().editor.currentPerson, marie);
    EXPECT_EQ(hl().editor.zakladniSheet.jmenoCB.Text(), "Marie");
    EXPECT_EQ(hl().personList.currentRow(), hl().personList.rowOf(marie));

    // Back leaves the shown person.
    script.press("Lipoveta", "zpetBT");
    user::click(hl().layout().Sourozenci1);
    EXPECT_EQ(hl().editor.currentPerson, marie);
}

} // namespace
