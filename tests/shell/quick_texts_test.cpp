// The quick texts of F9 to F12: their prompt, their menu captions and where the keys insert them.
#include "model/clovek.h"
#include "program_fixture.h"

namespace {

struct QuickTexts : ProgramTest {
    void SetUp() override
    {
        ProgramTest::SetUp();
        startQuietly();
        hl().settings.quickTexts = {"Praha", "Brno", "Ostrava", "Plzeň"};
        hl().updateQuickTextMenu();
        user::click(hl().layout().Novy1); // an empty tree: its general tab takes the keys
    }
    ObecneSheet& g() { return hl().layout().obecneSheet; }
};

// A window with an editable combo box, a drop-down list and a memo.
struct Fields : TForm {
    Fields() : TForm("fields")
    {
        Visible = true;
        combo.setText("Mělník");
        list.Items.Add("a");
        list.Style = TComboBox::csDropDownList;
    }
    TComboBox combo{this, "combo"};
    TComboBox list{this, "list"};
    TMemo memo{this, "memo"};
};

} // namespace

TEST_F(QuickTexts, MenuCaptionsNameTheKeyAndItsText)
{
    EXPECT_EQ(hl().layout().F91.Caption, "F9 Praha");
    EXPECT_EQ(hl().layout().F121.Caption, "F12 Plzeň");
    hl().settings.quickTexts[1].clear();
    hl().updateQuickTextMenu();
    EXPECT_EQ(hl().layout().F101.Caption, "F10 ");
}

TEST_F(QuickTexts, ThePromptChangesATextOnlyOnOk)
{
    script.modal("Vkládaný text", [](TForm& f) {
        auto& d = static_cast<TFTextFORM&>(f);
        EXPECT_EQ(d.vkladanyTextED.Text(), "Brno");
        user::replaceText(d.vkladanyTextED, "Kroměříž");
        user::pressKey(f, VK_RETURN);
    });
    user::click(hl().layout().F101);
    EXPECT_EQ(hl().settings.quickTexts[1], "Kroměříž");
    EXPECT_EQ(hl().layout().F101.Caption, "F10 Kroměříž");

    script.modal("Vkládaný text", [](TForm& f) {
        user::replaceText(static_cast<TFTextFORM&>(f).vkladanyTextED, "Jihlava");
        user::pressKey(f, VK_ESCAPE);
    });
    user::click(hl().layout().F101);
    EXPECT_EQ(hl().settings.quickTexts[1], "Kroměříž");
    EXPECT_EQ(hl().layout().F101.Caption, "F10 Kroměříž");
}

TEST_F(QuickTexts, KeysReplaceTheSelectionOfAnEditOfTheGeneralTab)
{
    user::type(g().nazevED, "Rod z Brna");
    g().nazevED.setSelStart(6);
    g().nazevED.setSelLength(4);
    user::pressKey(hl().layout(), VK_F11);
    EXPECT_EQ(g().nazevED.Text(), "Rod z Ostrava");
    EXPECT_EQ(hl().session.tree()->treeName, "Rod z Ostrava");

    g().autorED.setSelStart(0);
    user::focus(g().autorED);
    user::pressKey(hl().layout(), VK_F9);
    user::pressKey(hl().layout(), VK_F12);
    EXPECT_EQ(hl().session.tree()->author, "PrahaPlzeň");
}

TEST_F(QuickTexts, OnlyPlainEditsAndEditableCombosTakeThem)
{
    Fields f;
    f.combo.SelectAll();
    hl().insertQuickText(f.combo, "Brno");
    EXPECT_EQ(f.combo.Text(), "Brno");
    hl().insertQuickText(f.list, "Brno");
    EXPECT_EQ(f.list.Text(), "");
    f.memo.setText("poznámka");
    hl().insertQuickText(f.memo, "Brno");
    EXPECT_EQ(f.memo.Text(), "poznámka");

    // The further-data memo of the general tab has no key handler: F10 does nothing there.
    user::type(g().dalsiUdajeMEMO, "text");
    user::pressKey(hl().layout(), VK_F10);
    EXPECT_EQ(g().dalsiUdajeMEMO.Text(), "text");
}

TEST_F(QuickTexts, EnterMovesToTheNextFieldOfTheTab)
{
    user::focus(g().nazevED);
    user::pressKey(hl().layout(), VK_RETURN);
    EXPECT_EQ(hl().layout().ActiveControl(), &g().autorED);
}

TEST_F(QuickTexts, KeysDoNothingWithoutATree)
{
    user::click(hl().layout().Zavrit1);
    TEdit& edit = g().nazevED;
    int key = VK_F9;
    static_cast<PersonEditorPort&>(hl()).fieldKeyDown(edit, key);
    EXPECT_EQ(edit.Text(), "");
    EXPECT_EQ(key, VK_F9);
}
