// Which events fire when the program or a person changes a control.
#include "system/collation.h"
#include "toolkit/commonctrls.h"
#include "toolkit/form.h"
#include "toolkit/grid.h"
#include "toolkit/lists.h"
#include "toolkit/pagecontrol.h"
#include "toolkit/stdctrls.h"
#include "toolkit/useractions.h"
#include "toolkit_fixture.h"

#include <string>
#include <vector>

namespace {

struct Window : TForm {
    Window() : TForm("window") { Caption = "Okno"; }
    TEdit edit{this, "edit"};
    TComboBox combo{this, "combo"};
    TComboBox list{this, "dropList"};
    TCheckBox check{this, "check"};
    TRadioGroup radio{this, "radio"};
    TListBox lines{this, "lines"};
    TCheckListBox ticks{this, "ticks"};
    TMemo memo{this, "memo"};
    TScrollBar bar{this, "bar"};
    TPageControl pages{this, "pages"};
    TTabSheet first{&pages, "first"};
    TTabSheet second{&pages, "second"};
    TUpDown upDown{this, "upDown"};
    TEdit upDownEdit{this, "upDownEdit"};
};

class ControlEvents : public ToolkitTest {
protected:
    ControlEvents()
    {
        w.list.Style = TComboBox::csDropDownList;
        for (auto* c : {&w.combo, &w.list}) {
            c->Items.Add("jedna");
            c->Items.Add("dvě");
            c->OnChange = [this, c] { log.push_back(c->Name + ".change"); };
            c->OnClick = [this, c] { log.push_back(c->Name + ".click"); };
        }
        w.edit.OnChange = [this] { log.push_back("edit.change:" + w.edit.Text()); };
        w.check.OnClick = [this] {
            log.push_back(std::string("check.click:") + (w.check.Checked() ? "1" : "0"));
        };
        w.radio.Items.Add("a");
        w.radio.Items.Add("b");
        w.radio.OnClick = [this] { log.push_back("radio.click:" + std::to_string(w.radio.ItemIndex())); };
        w.lines.OnClick = [this] { log.push_back("lines.click:" + std::to_string(w.lines.ItemIndex())); };
        w.lines.OnDblClick = [this] {
            log.push_back("lines.dblclick:" + std::to_string(w.lines.ItemIndex()));
        };
        w.bar.OnChange = [this] { log.push_back("bar.change:" + std::to_string(w.bar.Position())); };
        w.pages.OnChange = [this] { log.push_back("pages.change"); };
        w.memo.OnChange = [this] { log.push_back("memo.change"); };
        w.Show();
    }
    Window w;
    std::vector<std::string> log;
};

TEST_F(ControlEvents, EditTextFromCodeFiresChangeOnlyWhenItDiffers)
{
    w.edit.setText("Jan");
    w.edit.setText("Jan");
    w.edit.setText("");
    EXPECT_EQ(log, (std::vector<std::string>{"edit.change:Jan", "edit.change:"}));
}

TEST_F(ControlEvents, TypingIntoAnEditFiresChangePerCharacterAndAPasteOnceWithinMaxLength)
{
    w.edit.MaxLength = 4;
    user::type(w.edit, "1č9x5");
    EXPECT_EQ(w.edit.Text(), "1č9x");
    EXPECT_EQ(log, (std::vector<std::string>{"edit.change:1", "edit.change:1č", "edit.change:1č9",
                                             "edit.change:1č9x"}));
    // MaxLength does not limit the program.
    w.edit.setText("123456");
    EXPECT_EQ(w.edit.Text(), "123456");
    // A paste is one change, line ends left out, cut at MaxLength; the memo keeps them.
    w.edit.setText("");
    log.clear();
    user::paste(w.edit, "a\r\nbcdef");
    user::paste(w.memo, "a\nb");
    EXPECT_EQ(w.edit.Text(), "abcd");
    EXPECT_EQ(w.memo.Text(), "a\r\nb");
    EXPECT_EQ(log, (std::vector<std::string>{"edit.change:abcd", "memo.change"}));
}

TEST_F(ControlEvents, SelectedTextIsReplacedAtTheCaret)
{
    w.edit.setText("Novák");
    w.edit.setSelStart(1);
    w.edit.setSelLength(3);
    EXPECT_EQ(w.edit.SelText(), "ová");
    log.clear();
    w.edit.setSelText("ěmc");
    EXPECT_EQ(w.edit.Text(), "Němck");
    EXPECT_EQ(w.edit.SelStart(), 4);
    EXPECT_EQ(log.size(), 1u);
}

TEST_F(ControlEvents, APersonsSelectionFiresNothingAndTypingOrBackspaceActsOnIt)
{
    w.edit.setText("Novák");
    w.combo.setText("Kolín");
    log.clear();
    EXPECT_TRUE(user::select(w.edit, 2, 9)); // held within the text
    EXPECT_TRUE(w.edit.Focused());
    EXPECT_EQ(w.edit.SelText(), "vák");
    user::type(w.edit, "s");
    user::select(w.edit, 1);
    user::select(w.edit, 1, 1);
    user::backspace(w.edit); // the Delete key: the character after the caret selected, then gone
    EXPECT_EQ(w.edit.Text(), "Ns");
    EXPECT_EQ(log, (std::vector<std::string>{"edit.change:Nos", "edit.change:Ns"}));
    EXPECT_TRUE(user::select(w.combo, 0, 3));
    user::type(w.combo, "B");
    EXPECT_EQ(w.combo.Text(), "Bín");
    EXPECT_FALSE(user::select(w.list, 0, 1));
}

TEST_F(ControlEvents, ComboBoxTextAndIndexFromCodeFireNothing)
{
    w.combo.setText("něco");
    w.combo.setItemIndex(1);
    w.list.setItemIndex(0);
    w.list.setText("dvě");
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(w.combo.Text(), "dvě");
    EXPECT_EQ(w.list.ItemIndex(), 1);
    w.combo.setText("jedna");
    EXPECT_EQ(w.combo.ItemIndex(), 0);
    w.combo.setText("jiné");
    EXPECT_EQ(w.combo.ItemIndex(), -1);
    // A drop-down list takes only texts of its items.
    w.list.setText("jiné");
    EXPECT_EQ(w.list.Text(), "dvě");
}

TEST_F(ControlEvents, PickingAComboItemFiresClickThenChange)
{
    user::pick(w.combo, "dvě");
    EXPECT_EQ(w.combo.Text(), "dvě");
    EXPECT_EQ(log, (std::vector<std::string>{"combo.click", "combo.change"}));
    log.clear();
    user::type(w.combo, "xy");
    EXPECT_EQ(w.combo.Text(), "xy");
    EXPECT_EQ(log, (std::vector<std::string>{"combo.change", "combo.change"}));
}

TEST_F(ControlEvents, SortedComboKeepsItemsInCollationOrder)
{
    setCollationLocale("cs");
    TComboBox& c = w.combo;
    c.Items.Clear();
    c.setSorted(true);
    for (const char* s : {"Čech", "Cyril", "Hana", "Chrudoš", "Dana"})
        c.Items.Add(s);
    EXPECT_EQ(c.Items.lines(), (std::vector<std::string>{"Cyril", "Čech", "Dana", "Hana", "Chrudoš"}));
    setCollationLocale("");
}

TEST_F(ControlEvents, CheckBoxFromCodeFiresClickOnlyOnAChange)
{
    w.check.setChecked(true);
    w.check.setChecked(true);
    user::click(w.check);
    EXPECT_EQ(log, (std::vector<std::string>{"check.click:1", "check.click:0"}));
}

TEST_F(ControlEvents, RadioGroupIndexFromCodeFiresClickWhenItChanges)
{
    w.radio.setItemIndex(1);
    w.radio.setItemIndex(1);
    user::pick(w.radio, 0);
    EXPECT_EQ(log, (std::vector<std::string>{"radio.click:1", "radio.click:0"}));
}

TEST_F(ControlEvents, RadioButtonsOfOneParentExcludeEachOther)
{
    TRadioButton a{&w, "a"}, b{&w, "b"};
    int clicks = 0;
    b.OnClick = [&] { ++clicks; };
    a.setChecked(true);
    b.setChecked(true);
    EXPECT_FALSE(a.Checked());
    EXPECT_TRUE(b.Checked());
    EXPECT_EQ(clicks, 1);
}

TEST_F(ControlEvents, ListBoxIndexFromCodeFiresNothingAndClicksDo)
{
    w.lines.Items.Add("x");
    w.lines.Items.Add("y");
    w.lines.setItemIndex(1);
    EXPECT_TRUE(log.empty());
    user::pick(w.lines, 0);
    user::doubleClickLine(w.lines, 1);
    EXPECT_EQ(log, (std::vector<std::string>{"lines.click:0", "lines.click:1", "lines.dblclick:1"}));
}

TEST_F(ControlEvents, DoubleClickBelowTheLinesKeepsNoSelection)
{
    w.lines.Items.Add("x");
    user::doubleClickLine(w.lines, -1);
    EXPECT_EQ(log, (std::vector<std::string>{"lines.dblclick:-1"}));
}

TEST_F(ControlEvents, ClearingAListDropsItsSelection)
{
    w.lines.Items.Add("x");
    w.lines.setItemIndex(0);
    w.lines.Items.Clear();
    EXPECT_EQ(w.lines.ItemIndex(), -1);
}

TEST_F(ControlEvents, CheckListTicksFollowTheirLinesWhenSorted)
{
    setCollationLocale("cs");
    TCheckListBox& t = w.ticks;
    t.setSorted(true);
    t.Items.Add("Bára");
    t.setChecked(0, true);
    t.Items.Add("Adam"); // goes before Bára
    t.Items.Add("Cecílie");
    EXPECT_FALSE(t.Checked(0));
    EXPECT_TRUE(t.Checked(1));
    EXPECT_FALSE(t.Checked(2));
    t.Items.Delete(0);
    EXPECT_TRUE(t.Checked(0));
    int checks = 0;
    t.OnClickCheck = [&] { ++checks; };
    user::tick(t, 1);
    EXPECT_TRUE(t.Checked(1));
    EXPECT_EQ(t.ItemIndex(), 1);
    EXPECT_EQ(checks, 1);
    setCollationLocale("");
}

TEST_F(ControlEvents, ScrollBarPositionAndMaxFireChangeWhenThePositionMoves)
{
    w.bar.setMax(10);
    w.bar.setPosition(8);
    w.bar.setPosition(8);
    w.bar.setMax(20);
    w.bar.setMax(5);
    EXPECT_EQ(w.bar.Position(), 5);
    w.bar.setMax(0);
    EXPECT_EQ(log, (std::vector<std::string>{"bar.change:8", "bar.change:5", "bar.change:0"}));
}

TEST_F(ControlEvents, MemoModifiedOnlyByAPersonAndClearedByTheProgram)
{
    w.memo.Lines.Add("první");
    EXPECT_FALSE(w.memo.Modified);
    w.memo.setSelStart(6);
    user::type(w.memo, "\nx");
    EXPECT_TRUE(w.memo.Modified);
    EXPECT_EQ(w.memo.Lines.lines(), (std::vector<std::string>{"první", "x"}));
    w.memo.Lines.Clear();
    EXPECT_FALSE(w.memo.Modified);
    user::replaceText(w.memo, "a");
    EXPECT_TRUE(w.memo.Modified);
    w.memo.setText("jiný");
    EXPECT_FALSE(w.memo.Modified);
}

TEST_F(ControlEvents, EnterInAMemoStartsALineInsteadOfPressingTheDefaultButton)
{
    TButton ok{&w, "ok"};
    ok.Default = true;
    int pressed = 0;
    ok.OnClick = [&] { ++pressed; };
    user::focus(w.memo);
    user::type(w.memo, "a");
    user::pressKey(w, VK_RETURN);
    EXPECT_EQ(pressed, 0);
    EXPECT_EQ(w.memo.Lines.Count(), 2);
}

TEST_F(ControlEvents, ActivePageFromCodeFiresNothingAndATabClickDoes)
{
    w.pages.setActivePage(&w.second);
    EXPECT_TRUE(log.empty());
    user::selectTab(w.pages, w.first);
    EXPECT_EQ(w.pages.ActivePage(), &w.first);
    EXPECT_EQ(log, (std::vector<std::string>{"pages.change"}));
}

TEST_F(ControlEvents, ChangingHandlerCanRefuseATab)
{
    w.pages.OnChanging = [](bool& allow) { allow = false; };
    user::selectTab(w.pages, w.second);
    EXPECT_EQ(w.pages.ActivePage(), &w.first);
    EXPECT_TRUE(log.empty());
}

TEST_F(ControlEvents, HidingTheActiveTabActivatesTheOneTakingItsPlace)
{
    TTabSheet third{&w.pages, "third"};
    w.pages.setActivePage(&w.second);
    w.second.setTabVisible(false);
    EXPECT_EQ(w.pages.ActivePage(), &third);
    third.setTabVisible(false);
    EXPECT_EQ(w.pages.ActivePage(), &w.first);
    w.first.setTabVisible(false);
    EXPECT_EQ(w.pages.ActivePage(), nullptr);
    w.second.setTabVisible(true);
    EXPECT_EQ(w.pages.ActivePage(), &w.second);
    EXPECT_TRUE(log.empty());
}

TEST_F(ControlEvents, UpDownHoldsTypedNumbersWithinItsRange)
{
    w.upDown.Associate = &w.upDownEdit;
    w.upDown.Min = 1;
    w.upDown.Max = 3000;
    w.upDown.setPosition(1600);
    EXPECT_EQ(w.upDownEdit.Text(), "1\u00A0600");
    user::replaceText(w.upDownEdit, "5000");
    EXPECT_EQ(w.upDown.Position(), 3000);
    user::replaceText(w.upDownEdit, "abc");
    EXPECT_EQ(w.upDown.Position(), 3000);
    user::step(w.upDown, false);
    EXPECT_EQ(w.upDown.Position(), 2999);
    EXPECT_EQ(w.upDownEdit.Text(), "2\u00A0999");
}

TEST_F(ControlEvents, ActionsOnHiddenOrDisabledControlsDoNothing)
{
    w.check.Enabled = false;
    EXPECT_FALSE(user::click(w.check));
    w.edit.Visible = false;
    EXPECT_FALSE(user::type(w.edit, "x"));
    EXPECT_TRUE(log.empty());
    // Controls on an inactive tab sheet cannot be reached either.
    TCheckBox onSecond{&w.second, "onSecond"};
    EXPECT_FALSE(user::click(onSecond));
}

TEST(ProgressBar, HeldWithinItsRange)
{
    FreshApplication fresh;
    TForm f("f");
    TProgressBar bar{&f, "bar"};
    bar.setPosition(150);
    EXPECT_EQ(bar.Position(), 100);
    bar.StepBy(-300);
    EXPECT_EQ(bar.Position(), 0);
}

} // namespace
