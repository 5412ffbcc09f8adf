// Bulk delete as a person uses it: marking by hand, by group, by family, inverted and all, then
// deleting with the wait window up; what the tree, the list, the groups and the undo history
// hold afterwards, and a saved and reopened tree that lost exactly the deleted persons.
#include "family_fixture.h"
#include "model/group_builders.h"

#include "forms/cekej_form.h"
#include "forms/hromadne_mazani_form.h"
#include "model/action_list.h"
#include "model/group.h"
#include "model/prev_next.h"

#include <functional>

namespace {

struct BulkDelete : FamilyTest {
    Clovek *ded, *babi, *otec, *matka, *syn, *dcera, *snacha, *cizi;
    Group* rodina = nullptr;

    void SetUp() override
    {
        FamilyTest::SetUp();
        ded = add("Děd", "Černý");
        babi = add("Babi", "Černá", 0);
        otec = add("Otec", "Černý");
        matka = add("Matka", "Černá", 0);
        syn = add("Syn", "Černý");
        dcera = add("Dcera", "Černá", 0);
        snacha = add("Snacha", "Bílá", 0);
        cizi = add("Cizí", "Zelený");
        couple(ded, babi, PartnershipType::married);
        parents(otec, ded, babi);
        couple(otec, matka, PartnershipType::married);
        parents(syn, otec, matka);
        parents(dcera, otec, matka);
        couple(syn, snacha, PartnershipType::divorced);
        rodina = addGroup(*hl().session.tree(), "Rodina", {syn, cizi});
        ready(otec);
    }
    // The window opened from the menu; `act` works in it.
    void bulk(const std::function<void(ThromadneMazaniFORM&)>& act)
    {
        script.modal("Hromadné mazání", [act](TForm& f) { act(static_cast<ThromadneMazaniFORM&>(f)); });
        user::click(hl().layout().HromadneMazani1);
    }
    void tickPerson(ThromadneMazaniFORM& w, Clovek* p)
    {
        user::tick(w.osobyLIST,
                   w.osobyLIST.Items.IndexOf(p->displayName(hl().settings.showBirthSurname, true, true)));
    }
    void deleteNow(ThromadneMazaniFORM& w)
    {
        script.press("Kinvelor", "anoBT");
        user::click(w.OkBT);
    }
    std::vector<std::string> remaining()
    {
        std::vector<std::string> names;
        hl().session.tree()->forEachPerson([&](Clovek* p) { names.push_back(p->firstName); });
        std::sort(names.begin(), names.end());
        return names;
    }
    using Names = std::vector<std::string>;
};

TEST_F(BulkDelete, TheMarkButtonsWidenAndReplaceTheSelection)
{
    bulk([this](ThromadneMazaniFORM& w) {
        EXPECT_EQ(w.osobyLIST.Items.Count(), 8);
        EXPECT_TRUE(ticked(w.osobyLIST).empty());
        EXPECT_EQ(w.skupinyCB.Items.lines(), Names{"Rodina"});
        tickPerson(w, dcera);
        user::pick(w.skupinyCB, "Rodina");
        user::click(w.skupinaBT); // the group replaces the hand-made ticks
        EXPECT_EQ(ticked(w.osobyLIST), (Names{"Cizí", "Syn"}));
        user::click(w.predciBT);
        EXPECT_EQ(ticked(w.osobyLIST), (Names{"Babi", "Cizí", "Děd", "Matka", "Otec", "Syn"}));
        user::click(w.invertovatBT);
        EXPECT_EQ(ticked(w.osobyLIST), (Names{"Dcera", "Snacha"}));
        user::click(w.partneriBT); // a divorced partner is a partner still
        user::click(w.sourozenciBT);
        EXPECT_EQ(ticked(w.osobyLIST), (Names{"Dcera", "Snacha", "Syn"}));
        user::click(w.zrusBT);
        tickPerson(w, ded);
        user::click(w.detiBT);
        EXPECT_EQ(ticked(w.osobyLIST), (Names{"Dcera", "Děd", "Otec", "Syn"}));
        user::click(w.vseBT);
        EXPECT_EQ(ticked(w.osobyLIST).size(), 8u);
        script.press("Kinvelor", "neBT");
        user::click(w.OkBT); // no: the window stays
        user::click(w.StornoBT);
    });
    EXPECT_EQ(hl().session.tree()->personCount(), 8);
    // Every opening starts with nobody marked.
    bulk([this](ThromadneMazaniFORM& w) {
        EXPECT_TRUE(ticked(w.osobyLIST).empty());
        user::click(w.StornoBT);
    });
}

TEST_F(BulkDelete, DeletingTakesThePersonsOutOfEverythingAndEmptiesTheHistory)
{
    hl().session.tree()->fileName = folder() + "save/cerni.rod";
    hl().session.tree()->recordTextChange(otec, "jmeno", "Otec", "Táta");
    hl().editor.showPerson(syn);
    hl().editor.showPerson(matka);
    bulk([this](ThromadneMazaniFORM& w) {
        tickPerson(w, syn);
        tickPerson(w, matka);
        tickPerson(w, cizi);
        deleteNow(w);
    });
    EXPECT_EQ(remaining(), (Names{"Babi", "Dcera", "Děd", "Otec", "Snacha"}));
    EXPECT_EQ(hl().personList.rowCount(), 5);
    EXPECT_EQ(rodina->members.count(), 0);
    EXPECT_EQ(dcera->mother, nullptr);
    EXPECT_EQ(otec->partnerships.count(), 0);
    EXPECT_EQ(snacha->partnerships.count(), 0);
    EXPECT_EQ(otec->children.count(), 1);
    EXPECT_EQ(hl().session.tree()->undoHistory->count(), 0);
    EXPECT_FALSE(hl().layout().Zpet1.Enabled);
    EXPECT_EQ(hl().session.tree()->fileName, "");
    // The person visited before the deleted ones is shown.
    EXPECT_EQ(hl().editor.currentPerson, otec);
    EXPECT_EQ(hl().personList.currentRow(), hl().personList.rowOf(otec));
    for (UkClovek* e : hl().history->entries().items<UkClovek>())
        EXPECT_NE(e->person(), syn);
}

TEST_F(BulkDelete, ConfirmingNothingStillEmptiesTheHistoryAndForgetsTheFile)
{
    hl().session.tree()->fileName = folder() + "save/cerni.rod";
    hl().session.tree()->recordTextChange(otec, "jmeno", "Otec", "Táta");
    bulk([this](ThromadneMazaniFORM& w) { deleteNow(w); });
    EXPECT_EQ(hl().session.tree()->personCount(), 8);
    EXPECT_EQ(hl().session.tree()->undoHistory->count(), 0);
    EXPECT_EQ(hl().session.tree()->fileName, "");
    EXPECT_EQ(hl().editor.currentPerson, otec);
}

TEST_F(BulkDelete, DeletingEverybodyLeavesAnOpenTreeWithoutPersons)
{
    hl().layout().pages.setActivePage(&hl().layout().zakladniUdaje);
    bulk([this](ThromadneMazaniFORM& w) {
        user::click(w.vseBT);
        deleteNow(w);
    });
    ASSERT_TRUE(hl().session.tree());
    EXPECT_EQ(hl().session.tree()->personCount(), 0);
    EXPECT_EQ(hl().editor.currentPerson, nullptr);
    EXPECT_EQ(hl().personList.currentRow(), nullptr);
    EXPECT_EQ(hl().layout().pages.ActivePage(), &hl().layout().obecne);
    EXPECT_FALSE(hl().layout().Pribuzni1.Enabled);
    EXPECT_FALSE(hl().layout().HromadneMazani1.Enabled);
}

TEST_F(BulkDelete, LockedPersonsStayAndThePersonIsToldHowMany)
{
    ded->lock = 1;
    cizi->lock = 1;
    bulk([this](ThromadneMazaniFORM& w) {
        user::click(w.vseBT);
        deleteNow(w);
    });
    EXPECT_EQ(remaining(), (Names{"Cizí", "Děd"}));
    ASSERT_FALSE(script.messageTexts().empty());
    EXPECT_EQ(script.messageTexts().back(), "Zamčené osoby zůstaly beze změny. Vynechaných osob: 2");
}

TEST_F(BulkDelete, PersonsTheFilteredListDoesNotShowGoToo)
{
    user::pick(hl().layout().skupinyCB, "Rodina");
    ASSERT_EQ(hl().personList.rowCount(), 2);
    hl().personList.setCurrentRow(hl().personList.locate(syn));
    hl().editor.showPerson(syn);
    bulk([this](ThromadneMazaniFORM& w) {
        tickPerson(w, syn);
        tickPerson(w, ded);
        deleteNow(w);
    });
    EXPECT_EQ(hl().session.tree()->personCount(), 6);
    EXPECT_EQ(hl().layout().skupinyCB.Text(), "Rodina");
    EXPECT_EQ(listed(), Names{"Cizí"});
    EXPECT_EQ(hl().editor.currentPerson, cizi);

    // The last member gone, the list falls back to everybody.
    bulk([this](ThromadneMazaniFORM& w) {
        tickPerson(w, cizi);
        deleteNow(w);
    });
    EXPECT_EQ(hl().layout().skupinyCB.ItemIndex(), 0);
    EXPECT_EQ(hl().personList.rowCount(), 5);
    ASSERT_TRUE(hl().editor.currentPerson);
    EXPECT_EQ(hl().personList.currentRow(), hl().personList.rowOf(hl().editor.currentPerson));
}

TEST_F(BulkDelete, AManyPersonTreeSavedAfterwardsHoldsExactlyTheOthers)
{
    // 250 more persons: every third is a child of the couple Otec and Matka, every odd one is
    // in the group.
    std::vector<Clovek*> more;
    for (int i = 0; i < 250; ++i) {
        Clovek* p = add("P" + std::to_string(i), "Dlouhý", i % 2);
        if (i % 3 == 0)
            parents(p, otec, matka);
        p->birthPlace = "Místo" + std::to_string(i);
        more.push_back(p);
        if (i % 2)
            rodina->addMember(p);
    }
    ready(otec);
    bulk([&](ThromadneMazaniFORM& w) {
        user::click(w.vseBT);
        tickPerson(w, ded);
        for (int i = 1; i < 250; i += 2)
            tickPerson(w, more[size_t(i)]);
        deleteNow(w);
    });
    // 132 deleted: the bar wrapped past 100 and went on.
    EXPECT_EQ(hl().wait.position(), 132 % 101);
    EXPECT_FALSE(cekejFORM->Visible);
    ASSERT_EQ(hl().session.tree()->personCount(), 126);

    const std::string path = folder() + "save/po_mazani.rod";
    script.file(path);
    user::click(hl().layout().Ulozit1);
    ASSERT_EQ(hl().session.tree()->fileName, path);
    script.press("Kinvelor", "neBT"); // no save question answered yes: the tree was just saved
    user::click(hl().layout().Zavrit1);
    ASSERT_EQ(hl().openTree(path), 0);
    Names names = remaining();
    ASSERT_EQ(names.size(), 126u);
    EXPECT_EQ(names.front(), "Děd");
    int inGroup = 0, withParents = 0;
    hl().session.tree()->forEachPerson([&](Clovek* p) {
        if (p->firstName[0] == 'P') {
            const int i = std::stoi(p->firstName.substr(1));
            EXPECT_EQ(i % 2, 1);
            EXPECT_EQ(p->birthPlace, "Místo" + std::to_string(i));
            withParents += p->father || p->mother;
        }
    });
    ASSERT_TRUE(hl().session.tree()->findGroup("Rodina"));
    inGroup = hl().session.tree()->findGroup("Rodina")->members.count();
    EXPECT_EQ(inGroup, 125); // every odd one; Syn and Cizí are gone
    EXPECT_EQ(withParents, 0);
    EXPECT_TRUE(script.unusedAnswers().empty());
}

} // namespace
