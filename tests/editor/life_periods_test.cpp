// The residence, education and occupation lists as a person uses them: entries added, edited,
// deleted and moved through the entry window, and taken back with undo.
#include "model/casove_obdobi.h"
#include "person_editor_fixture.h"
#include "shell/value_dialogs.h"

namespace {

struct LifePeriods : PersonEditorTest {
    // The entry window filled with the three texts and confirmed; `offered` gets its value list.
    void enter(const std::string& text, const std::string& from, const std::string& to,
               std::vector<std::string>* offered = nullptr)
    {
        script.modal("Lipoveta", [=](TForm& f) {
            auto& d = dynamic_cast<TcasoveObdobiFORM&>(f);
            if (offered)
                *offered = d.textCB.Items.lines();
            user::replaceText(d.textCB, text);
            user::replaceText(d.odED, from);
            user::replaceText(d.doED, to);
            user::click(d.okBT);
        });
    }
    void addResidence(const std::string& text, const std::string& from = "", const std::string& to = "")
    {
        enter(text, from, to);
        user::click(z().noveBydlisteBT);
    }
};

TEST_F(LifePeriods, AddingEditingAndDeletingAreStepsThatUndoPutsBack)
{
    auto* brno = new CasoveObdobi("Brno");
    eva->residences.append(std::unique_ptr<Prvek>(brno));
    eva->educations.append(std::make_unique<CasoveObdobi>("Gymnázium"));

    std::vector<std::string> offered;
    enter("Praha", "1990", "", &offered);
    user::click(z().noveBydlisteBT);
    // Only residences are offered, never another kind's texts.
    EXPECT_EQ(offered, (std::vector<std::string>{"Brno"}));
    EXPECT_EQ(lines(z().bydlisteLIST), (std::vector<std::string>{"Praha (1990)"}));
    EXPECT_EQ(z().bydlisteLIST.ItemIndex(), 0);
    EXPECT_TRUE(z().upravBydlisteBT.Enabled);
    EXPECT_EQ(jan->percentFilled, 27); // names and one of the three lists
    EXPECT_EQ(steps(), 1);

    // Confirming the entry unchanged records nothing.
    script.press("Lipoveta", "okBT");
    user::click(z().upravBydlisteBT);
    EXPECT_EQ(steps(), 1);

    enter("Praha", "1990", "2000");
    user::doubleClickLine(z().bydlisteLIST, 0);
    EXPECT_EQ(lines(z().bydlisteLIST), (std::vector<std::string>{"Praha (1990-2000)"}));
    EXPECT_EQ(steps(), 2);

    addResidence("Kolín", "", "2005"); // a "to" without a "from" is not shown
    EXPECT_EQ(lines(z().bydlisteLIST), (std::vector<std::string>{"Praha (1990-2000)", "Kolín"}));
    EXPECT_EQ(z().bydlisteLIST.ItemIndex(), 1);

    user::pick(z().bydlisteLIST, 0);
    script.press("", "neBT");
    user::click(z().smazatBydlisteBT);
    EXPECT_EQ(jan->residences.count(), 2);
    script.press("", "anoBT");
    user::click(z().smazatBydlisteBT);
    EXPECT_EQ(lines(z().bydlisteLIST), (std::vector<std::string>{"Kolín"}));
    EXPECT_EQ(z().bydlisteLIST.ItemIndex(), 0);

    // A deleted entry comes back at the end of the list.
    user::click(hl().layout().Zpet1);
    EXPECT_EQ(lines(z().bydlisteLIST), (std::vector<std::string>{"Kolín", "Praha (1990-2000)"}));
    EXPECT_EQ(z().bydlisteLIST.ItemIndex(), -1);
    user::click(hl().layout().Zpet1); // Kolín added
    user::click(hl().layout().Zpet1); // the edit
    EXPECT_EQ(lines(z().bydlisteLIST), (std::vector<std::string>{"Praha (1990)"}));
    user::click(hl().layout().Zpet1);
    EXPECT_EQ(jan->residences.count(), 0);
    EXPECT_EQ(jan->percentFilled, 18);
    user::click(hl().layout().Znovu1);
    EXPECT_EQ(lines(z().bydlisteLIST), (std::vector<std::string>{"Praha (1990)"}));
    EXPECT_EQ(eva->residences.first(), brno); // the other person's list untouched
}

TEST_F(LifePeriods, DeletingTheLastEntryLeavesNothingToEditOrMove)
{
    enter("Učitel", "", "");
    user::click(z().novePovolaniBT);
    script.press("", "anoBT");
    user::click(z().smazatPovolaniBT);
    EXPECT_EQ(z().povolaniLIST.ItemIndex(), -1);
    for (TControl* c : std::initializer_list<TControl*>{&z().upravPovolaniBT, &z().smazatPovolaniBT,
                                                        &z().nahoruPovolaniBT, &z().doluPovolaniBT})
        EXPECT_FALSE(c->Enabled) << c->Name;
}

TEST_F(LifePeriods, MovingReordersWithoutASteps)
{
    for (const char* school : {"ZŠ", "SŠ", "VŠ"}) {
        enter(school, "", "");
        user::click(z().noveVzdelaniBT);
    }
    const int before = steps();
    user::pick(z().vzdelaniLIST, 0);
    EXPECT_FALSE(z().nahoruVzdelaniBT.Enabled);
    EXPECT_TRUE(z().doluVzdelaniBT.Enabled);
    user::click(z().doluVzdelaniBT);
    user::click(z().doluVzdelaniBT);
    EXPECT_EQ(lines(z().vzdelaniLIST), (std::vector<std::string>{"SŠ", "VŠ", "ZŠ"}));
    EXPECT_EQ(z().vzdelaniLIST.ItemIndex(), 2);
    EXPECT_FALSE(z().doluVzdelaniBT.Enabled);
    user::click(z().nahoruVzdelaniBT);
    EXPECT_EQ(lines(z().vzdelaniLIST), (std::vector<std::string>{"SŠ", "ZŠ", "VŠ"}));
    EXPECT_EQ(steps(), before);
    EXPECT_EQ(static_cast<CasoveObdobi*>(jan->educations.first())->text, "SŠ");
}

TEST_F(LifePeriods, ALockedPersonsEntriesCannotBeEditedOrDeleted)
{
    addResidence("Praha");
    jan->lock = 1;
    user::pick(z().bydlisteLIST, 0);
    EXPECT_FALSE(z().upravBydlisteBT.Enabled);
    EXPECT_FALSE(z().smazatBydlisteBT.Enabled);
    user::doubleClickLine(z().bydlisteLIST, 0); // no entry window opens
    EXPECT_EQ(jan->residences.count(), 1);
}

} // namespace
