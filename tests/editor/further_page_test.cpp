// The further-data page as a person uses it: its fields typed and undone, the user-field
// captions, the identifier dialog and the parish-register memo's steps; the further texts saved.
#include "editor/person_field_controls.h"
#include "model/action.h"
#include "person_editor_fixture.h"
#include "shell/value_dialogs.h"
#include "system/codec.h"
#include "system/fileio.h"
#include "toolkit/keys.h"

#include <set>

namespace {

struct FurtherPage : PersonEditorTest {
    DalsiSheet& d() { return hl().editor.dalsiSheet; }
    void SetUp() override
    {
        PersonEditorTest::SetUp();
        user::selectTab(hl().layout().pages, hl().layout().dalsiUdaje);
    }
};

TEST_F(FurtherPage, TheFillRecordsNothingAndHidesTheContactsOfTheDead)
{
    jan->email1 = "jan@example.cz";
    jan->religion = "římskokatolické";
    eva->alive = 0;
    eva->email1 = "eva@example.cz";
    hl().session.tree()->userCaption2 = "Přezdívka:";
    hl().editor.showPersonOfStep(eva);
    user::selectTab(hl().layout().pages, hl().layout().dalsiUdaje);
    EXPECT_FALSE(d().moderniPANEL.Visible);
    EXPECT_EQ(d().email1ED.Text(), "eva@example.cz");
    EXPECT_EQ(d().user2LB.Caption, "Přezdívka:");
    EXPECT_EQ(d().idED.Text(), "1");
    hl().editor.showPersonOfStep(jan);
    user::selectTab(hl().layout().pages, hl().layout().zakladniUdaje);
    user::selectTab(hl().layout().pages, hl().layout().dalsiUdaje);
    EXPECT_TRUE(d().moderniPANEL.Visible);
    EXPECT_EQ(d().vyznaniCB.Text(), "římskokatolické");
    EXPECT_EQ(eva->email1, "eva@example.cz");
    EXPECT_EQ(steps(), 0);
}

TEST_F(FurtherPage, TypingMakesOneStepPerFieldAndUndoPutsTheTextBack)
{
    eva->religion = "evangelické";
    user::focus(d().vyznaniCB);
    EXPECT_EQ(d().vyznaniCB.Items.lines(), (std::vector<std::string>{"evangelické"}));
    user::type(d().vyznaniCB, "husitské");
    user::type(d().email1ED, "jan@example.cz");
    EXPECT_EQ(jan->religion, "husitské");
    EXPECT_EQ(jan->email1, "jan@example.cz");
    EXPECT_EQ(steps(), 2);
    user::click(hl().layout().Zpet1);
    EXPECT_EQ(jan->email1, "");
    EXPECT_EQ(d().email1ED.Text(), "");
    user::click(hl().layout().Zpet1);
    EXPECT_EQ(jan->religion, "");
    EXPECT_EQ(d().vyznaniCB.Text(), "");
    user::click(hl().layout().Znovu1);
    EXPECT_EQ(jan->religion, "husitské");
}

// Every text of the person table, typed into the editor's control for it, reaches that field;
// its step goes back into the same control through the undo's own map of controls. A field
// given another field's control, or a control the undo does not know, shows here by its key.
TEST_F(PersonEditorTest, EveryTextOfThePersonTableIsTypedAndUndoneInItsOwnControl)
{
    eva->alive = 0; // the death fields show for the dead, the contacts for the living
    std::set<const TWinControl*> controls;
    for (const PersonFieldInfo& f : personFields) {
        // The identifier changes only through its dialog.
        if (f.kind != FieldKind::text || f.field == PersonField::identifier)
            continue;
        SCOPED_TRACE(std::string(f.stepKey));
        const PersonFieldControls c = personFieldControls(hl().layout(), f.field);
        TEditLineControl* control = c.box ? static_cast<TEditLineControl*>(c.box) : c.edit;
        ASSERT_NE(control, nullptr);
        EXPECT_TRUE(controls.insert(control).second) << "a control shared with another field";
        Clovek* p = f.onlyWhenDead ? eva : jan;
        hl().editor.showPersonOfStep(p);
        user::selectTab(hl().layout().pages, f.page == EditorPage::basicData ? hl().layout().zakladniUdaje
                                                                             : hl().layout().dalsiUdaje);
        const std::string before = f.text.of(*p);
        hl().clearChangeHistory();
        user::type(*control, "Qx");
        EXPECT_NE(f.text.of(*p), before);
        EXPECT_EQ(f.text.of(*p), control->Text());
        EXPECT_EQ(steps(), 1);
        user::click(hl().layout().Zpet1);
        EXPECT_EQ(f.text.of(*p), before);
        EXPECT_EQ(control->Text(), before);
    }
}

TEST_F(FurtherPage, GodparentsAreOfferedFromTheOtherPersonsAndEnterMovesOn)
{
    user::focus(d().kmotr1CB);
    EXPECT_EQ(d().kmotr1CB.Items.lines(), (std::vector<std::string>{"Dvořáková Eva, ? (1)"}));
    int key = VK_RETURN;
    ASSERT_TRUE(d().kmotr1CB.OnKeyDown);
    d().kmotr1CB.OnKeyDown(key, ssNone);
    EXPECT_TRUE(d().kmotr2CB.Focused());
}

TEST_F(FurtherPage, AUserFieldCaptionBelongsToTheTreeAndIsUndoneAlone)
{
    auto name = [this](const std::string& text) {
        script.modal("", [text](TForm& f) {
            auto& dialog = dynamic_cast<TuserDefFORM&>(f);
            user::replaceText(dialog.kolonkaED, text);
            user::click(dialog.okBT);
        });
        user::click(d().user4BT);
    };
    name("Povolání otce a ještě mnohem delší text");
    EXPECT_EQ(hl().session.tree()->userCaption4, "Povolání otce a ještě m"); // 23 characters typed at most
    EXPECT_EQ(d().user4LB.Caption, hl().session.tree()->userCaption4);
    EXPECT_EQ(steps(), 1);
    name(hl().session.tree()->userCaption4);
    EXPECT_EQ(steps(), 1);
    script.press("", "stornoBT");
    user::click(d().user4BT);
    user::click(hl().layout().Zpet1);
    EXPECT_EQ(hl().session.tree()->userCaption4, "Uživ.def.:");
    EXPECT_EQ(d().user4LB.Caption, "Uživ.def.:");
    EXPECT_EQ(hl().session.tree()->userCaption3, "Uživ.def.:");
}

TEST_F(FurtherPage, AnIdentifierInUseIsRefusedUntilAFreeOneIsTyped)
{
    auto typeId = [this](const std::string& text, const char* button) {
        script.modal("", [text, button](TForm& f) {
            auto& dialog = dynamic_cast<TidChangeFORM&>(f);
            user::replaceText(dialog.idED, text);
            user::click(button == std::string("ok") ? dialog.okBT : dialog.stornoBT);
        });
    };
    typeId("0", "ok"); // Jan's own
    typeId("1", "ok"); // Eva's
    typeId("A-17", "ok");
    user::click(d().idZmenBT);
    EXPECT_EQ(script.messageTexts(),
              (std::vector<std::string>{"Tento identifikátor již existuje (Novák Jan, ?)!",
                                        "Tento identifikátor již existuje (Dvořáková Eva, ?)!"}));
    EXPECT_EQ(jan->identifier, "A-17");
    EXPECT_EQ(d().idED.Text(), "A-17");
    EXPECT_EQ(steps(), 1);

    typeId("B", "cancel");
    user::click(d().idZmenBT);
    EXPECT_EQ(jan->identifier, "A-17");
    EXPECT_EQ(steps(), 1);
    user::click(hl().layout().Zpet1);
    EXPECT_EQ(jan->identifier, "0");
}

TEST_F(FurtherPage, AChangeOfTheParishMemoIsOneStepAndAVisitWithoutOneIsNone)
{
    jan->setRegisterNotes({"Matrika Praha"});
    hl().refreshPage();
    user::focus(d().matrikyMEMO);
    user::focus(d().vyznaniCB);
    EXPECT_EQ(steps(), 0) << "an undo takes back something written, never a visit";

    user::select(d().matrikyMEMO, 13);
    user::type(d().matrikyMEMO, ", sv. 3");
    user::focus(d().vyznaniCB);
    EXPECT_EQ(jan->registerNotes(), (std::vector<std::string>{"Matrika Praha, sv. 3"}));
    EXPECT_EQ(steps(), 1);
    user::click(hl().layout().Zpet1);
    EXPECT_EQ(jan->registerNotes(), (std::vector<std::string>{"Matrika Praha"}));
    EXPECT_EQ(d().matrikyMEMO.Lines.lines(), jan->registerNotes());
}

TEST_F(FurtherPage, FurtherTextsAreSavedAsTextOrRefusedWhenEmpty)
{
    user::selectTab(hl().layout().pages, hl().layout().doplnujiciTextyASoubory);
    user::click(hl().editor.doplnujiciSheet.ulozNaDiskTextyBT);
    EXPECT_EQ(script.messageTexts(), (std::vector<std::string>{"Doplňující texty jsou prázdné!"}));

    TMemo& memo = hl().editor.doplnujiciSheet.doplnujiciTextyMEMO;
    user::type(memo, "Žil v Čáslavi.");
    user::focus(hl().editor.doplnujiciSheet.ulozNaDiskTextyBT);
    EXPECT_EQ(steps(), 1);
    const std::string target = outside.path() + "texty.txt";
    script.file(target);
    user::click(hl().editor.doplnujiciSheet.ulozNaDiskTextyBT);
    EXPECT_EQ(readFileBytes(target), "Žil v Čáslavi.\r\n");
    user::click(hl().layout().Zpet1);
    EXPECT_TRUE(jan->furtherTexts().empty());
}

TEST_F(FurtherPage, TypingIntoAMemoThatKeptTheFocusThroughAnUndoIsAStepOfItsOwn)
{
    user::selectTab(hl().layout().pages, hl().layout().doplnujiciTextyASoubory);
    TMemo& memo = hl().editor.doplnujiciSheet.doplnujiciTextyMEMO;
    const std::string surname = jan->surname;
    user::type(memo, "abc");
    user::click(hl().layout().ZpetBT); // the memo keeps the focus through the undo
    ASSERT_TRUE(jan->furtherTexts().empty());
    user::type(memo, "xyz");
    user::click(hl().layout().ZpetBT);
    EXPECT_TRUE(jan->furtherTexts().empty()) << "the undo takes the new typing back, not an older step";
    EXPECT_EQ(jan->surname, surname);
    user::click(hl().layout().ZnovuBT);
    EXPECT_EQ(jan->furtherTexts().toVector(), (std::vector<std::string>{"xyz"}));
    EXPECT_EQ(memo.Lines.lines(), (std::vector<std::string>{"xyz"}));
    EXPECT_FALSE(hl().layout().ZnovuBT.Enabled) << "the undone \"abc\" went with the new typing";

    // A save stores the memo while it keeps the focus; what is typed after it is a step too.
    hl().commitMemos();
    user::type(memo, "!");
    user::click(hl().layout().ZpetBT);
    EXPECT_EQ(jan->furtherTexts().toVector(), (std::vector<std::string>{"xyz"}));
}

TEST_F(FurtherPage, AParishChangeUndoneBeforeTheMemoIsLeftGoesBothWays)
{
    jan->setRegisterNotes({"Matrika Praha"});
    hl().refreshPage();
    user::focus(d().matrikyMEMO);
    user::select(d().matrikyMEMO, 13);
    user::type(d().matrikyMEMO, ", sv. 3");
    user::click(hl().layout().ZpetBT); // the memo keeps the focus
    EXPECT_EQ(jan->registerNotes(), (std::vector<std::string>{"Matrika Praha"}));
    user::click(hl().layout().ZnovuBT);
    EXPECT_EQ(jan->registerNotes(), (std::vector<std::string>{"Matrika Praha, sv. 3"}));
    EXPECT_EQ(d().matrikyMEMO.Lines.lines(), jan->registerNotes());
}

} // namespace
