// Where a key goes: menu shortcuts first, then the focused control, then the window; Enter and
// Esc in dialogs; the mouse wheel.
#include "toolkit/form.h"
#include "toolkit/grid.h"
#include "toolkit/lists.h"
#include "toolkit/menus.h"
#include "toolkit/stdctrls.h"
#include "toolkit/useractions.h"
#include "toolkit_fixture.h"

#include <string>
#include <vector>

namespace {

struct MainWindow : TForm {
    MainWindow() : TForm("main")
    {
        Menu = &menu;
        Caption = "Kinvelor";
    }
    TMainMenu menu;
    TMenuItem person{menu.Items, "Osoba1", "Osoba"};
    TMenuItem add{person, "Nova1", "Nová", ShortCut(VK_F2)};
    TMenuItem remove{person, "Vymaz1", "Vymaž", ShortCut(VK_F8)};
    TMenuItem edit{menu.Items, "Upravy1", "Úpravy"};
    TMenuItem undo{edit, "Zpet1", "Zpět", ShortCut('Z', ssCtrl)};
    TEdit name{this, "name"};
    TDrawGrid grid{this, "grid"};
};

class Keys : public ToolkitTest {
protected:
    Keys()
    {
        w.add.OnClick = [this] { log.push_back("new"); };
        w.remove.OnClick = [this] { log.push_back("delete"); };
        w.undo.OnClick = [this] { log.push_back("undo"); };
        w.name.OnKeyDown = [this](int& key, TShiftState) { log.push_back("name " + std::to_string(key)); };
        w.grid.OnKeyDown = [this](int& key, TShiftState) { log.push_back("grid " + std::to_string(key)); };
        w.OnKeyDown = [this](int& key, TShiftState) { log.push_back("form " + std::to_string(key)); };
        w.Show();
    }
    MainWindow w;
    std::vector<std::string> log;
};

TEST_F(Keys, FocusedControlGetsTheClassLibraryKeyCodes)
{
    for (int key : {VK_RETURN, VK_ESCAPE, VK_PRIOR, VK_NEXT, VK_UP, VK_DOWN, VK_F1, VK_F9, VK_F12})
        user::pressKey(w, key);
    EXPECT_EQ(log, (std::vector<std::string>{"name 13", "name 27", "name 33", "name 34", "name 38", "name 40",
                                             "name 112", "name 120", "name 123"}));
}

TEST_F(Keys, MenuShortcutsWinOverTheFocusedControl)
{
    user::pressKey(w, VK_F2);
    user::pressKey(w, VK_F8);
    user::pressKey(w, 'Z', ssCtrl);
    user::pressKey(w, 'Z');
    EXPECT_EQ(log, (std::vector<std::string>{"new", "delete", "undo", "name 90"}));
}

TEST_F(Keys, ShortcutOfADisabledItemOrMenuGoesToTheControl)
{
    w.remove.Enabled = false;
    w.person.Enabled = false;
    user::pressKey(w, VK_F8);
    user::pressKey(w, VK_F2);
    EXPECT_EQ(log, (std::vector<std::string>{"name 119", "name 113"}));
}

TEST_F(Keys, TheWindowGetsWhatNoControlTakes)
{
    w.name.Visible = false;
    w.grid.Visible = false;
    user::pressKey(w, VK_DOWN);
    EXPECT_EQ(log, (std::vector<std::string>{"form 40"}));
}

TEST_F(Keys, ShortcutTextsForTheMenu)
{
    EXPECT_EQ(ShortCutToText(ShortCut(VK_F8)), "F8");
    EXPECT_EQ(ShortCutToText(ShortCut('Y', ssCtrl)), "Ctrl+Y");
    EXPECT_EQ(ShortCutToText(0), "");
}

TEST_F(Keys, WheelGoesToTheWindowFirst)
{
    std::vector<std::string> wheel;
    w.grid.OnMouseWheelUp = [&](TShiftState, int, int, bool&) { wheel.push_back("grid up"); };
    w.grid.OnMouseWheelDown = [&](TShiftState, int, int, bool&) { wheel.push_back("grid down"); };
    bool take = true;
    w.OnMouseWheel = [&](TShiftState, int delta, int, int, bool& handled) {
        wheel.push_back("form " + std::to_string(delta));
        handled = take;
    };
    user::wheel(w, 120, &w.grid);
    take = false;
    user::wheel(w, 120, &w.grid);
    user::wheel(w, -120, &w.grid);
    EXPECT_EQ(wheel, (std::vector<std::string>{"form 120", "form 120", "grid up", "form -120", "grid down"}));
}

struct Dialog : TForm {
    Dialog() : TForm("dialog") { Caption = "Lipoveta"; }
    TEdit field{this, "field"};
    TButton yes{this, "anoBT"};
    TButton no{this, "neBT"};
};

class DialogKeys : public ToolkitTest {
protected:
    DialogKeys()
    {
        d.yes.ModalResult = mrYes;
        d.yes.Default = true;
        d.no.ModalResult = mrNo;
        d.no.Cancel = true;
    }
    int showWithKey(int key)
    {
        script.modal("Lipoveta", [key](TForm& f) { user::pressKey(f, key); });
        return d.ShowModal();
    }
    Dialog d;
};

TEST_F(DialogKeys, EnterPressesTheDefaultAndEscTheCancelButton)
{
    EXPECT_EQ(showWithKey(VK_RETURN), mrYes);
    EXPECT_EQ(showWithKey(VK_ESCAPE), mrNo);
}

TEST_F(DialogKeys, EnterPressesTheFocusedButtonRatherThanTheDefault)
{
    script.modal("Lipoveta", [this](TForm& f) {
        d.no.SetFocus();
        user::pressKey(f, VK_RETURN);
    });
    EXPECT_EQ(d.ShowModal(), mrNo);
}

TEST_F(DialogKeys, WindowWithoutCancelButtonIgnoresEsc)
{
    d.no.Cancel = false;
    script.modal("Lipoveta", [](TForm& f) {
        user::pressKey(f, VK_ESCAPE);
        EXPECT_EQ(f.ModalResult, mrNone);
        user::pressKey(f, VK_RETURN);
    });
    EXPECT_EQ(d.ShowModal(), mrYes);
}

TEST_F(DialogKeys, KeyHandlerThatTakesEnterKeepsTheDialogOpen)
{
    d.field.OnKeyDown = [](int& key, TShiftState) {
        if (key == VK_RETURN)
            key = 0;
    };
    script.modal("Lipoveta", [](TForm& f) {
        user::pressKey(f, VK_RETURN);
        EXPECT_EQ(f.ModalResult, mrNone);
        user::pressKey(f, VK_ESCAPE);
    });
    EXPECT_EQ(d.ShowModal(), mrNo);
}

TEST_F(DialogKeys, HiddenDefaultButtonIsNotPressed)
{
    d.yes.Visible = false;
    script.modal("Lipoveta", [](TForm& f) {
        user::pressKey(f, VK_RETURN);
        EXPECT_EQ(f.ModalResult, mrNone);
        user::closeWindow(f);
    });
    EXPECT_EQ(d.ShowModal(), mrCancel);
}

TEST(ListKeys, ArrowsMoveTheSelectionAndClick)
{
    FreshApplication fresh;
    TForm f("f");
    TListBox list{&f, "list"};
    list.Height = 13 * 3;
    for (const char* s : {"a", "b", "c", "d", "e"})
        list.Items.Add(s);
    int clicks = 0;
    list.OnClick = [&] { ++clicks; };
    f.Show();
    user::pressKey(f, VK_DOWN);
    EXPECT_EQ(list.ItemIndex(), 0);
    user::pressKey(f, VK_END);
    EXPECT_EQ(list.ItemIndex(), 4);
    EXPECT_EQ(list.TopIndex(), 2);
    user::pressKey(f, VK_DOWN);
    EXPECT_EQ(clicks, 2);
}

} // namespace

namespace {

// What the screen learns back from a key: whether it may still use it itself.
TEST(KeyLeftOver, UsedKeysComeBackAsZero)
{
    FreshApplication fresh;
    TForm f("f");
    TMainMenu menu;
    TMenuItem item{menu.Items, "Zpet1", "Zpět", ShortCut('Z', ssCtrl)};
    f.Menu = &menu;
    TEdit edit{&f, "edit"};
    TButton ok{&f, "ok"};
    ok.Default = true;
    edit.OnKeyDown = [](int& key, TShiftState) {
        if (key == VK_F9)
            key = 0;
    };
    f.Show();
    EXPECT_EQ(user::keyDown(f, 'A'), 'A'); // typed by the edit itself
    EXPECT_EQ(user::keyDown(f, VK_F9), 0); // taken by the handler
    EXPECT_EQ(user::keyDown(f, 'Z', ssCtrl), 0); // the menu's
    EXPECT_EQ(user::keyDown(f, VK_RETURN), 0); // the default button's
    EXPECT_EQ(user::keyDown(f, VK_TAB), 0); // focus moved
    EXPECT_TRUE(ok.Focused());
}

TEST(KeyLeftOver, BackspaceDeletesTheSelectionOrOneCharacter)
{
    FreshApplication fresh;
    TForm f("f");
    TEdit edit{&f, "edit"};
    f.Show();
    user::type(edit, "Čáp");
    user::backspace(edit);
    EXPECT_EQ(edit.Text(), "Čá");
    edit.setSelStart(0);
    edit.setSelLength(1);
    user::backspace(edit);
    EXPECT_EQ(edit.Text(), "á");
}

} // namespace
