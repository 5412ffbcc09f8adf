// The focus model: exit before enter, tab order over the whole window, what is skipped.
#include "system/exceptions.h"
#include "toolkit/form.h"
#include "toolkit/menus.h"
#include "toolkit/pagecontrol.h"
#include "toolkit/stdctrls.h"
#include "toolkit/useractions.h"
#include "toolkit_fixture.h"

#include <string>
#include <vector>

namespace {

struct Window : TForm {
    Window() : TForm("window")
    {
        Caption = "Okno";
        Menu = &menu;
    }
    TMainMenu menu;
    TMenuItem file{menu.Items, "Soubor1", "Soubor"};
    TMenuItem save{file, "Ulozit1", "Uložit", ShortCut('S', ssCtrl)};
    TEdit a{this, "a"};
    TPanel panel{this, "panel"};
    TEdit b{&panel, "b"};
    TButton button{&panel, "button"};
    TPageControl pages{this, "pages"};
    TTabSheet one{&pages, "one"};
    TEdit c{&one, "c"};
    TTabSheet two{&pages, "two"};
    TEdit d{&two, "d"};
    TSpeedButton tool{this, "tool"};
    TEdit e{this, "e"};
};

class Focus : public ToolkitTest {
protected:
    Focus()
    {
        for (TWinControl* c : std::vector<TWinControl*>{&w.a, &w.b, &w.button, &w.c, &w.d, &w.e, &w.pages}) {
            c->OnEnter = [this, c] { log.push_back("enter " + c->Name); };
            c->OnExit = [this, c] { log.push_back("exit " + c->Name); };
        }
        w.Show();
        log.clear();
    }
    std::vector<std::string> tabWalk(int steps)
    {
        std::vector<std::string> names;
        for (int i = 0; i < steps; ++i) {
            user::tab(w);
            names.push_back(w.ActiveControl() ? w.ActiveControl()->Name : "-");
        }
        return names;
    }
    Window w;
    std::vector<std::string> log;
};

TEST_F(Focus, ShowingAWindowFocusesItsFirstTabStop)
{
    EXPECT_EQ(w.ActiveControl(), &w.a);
}

TEST_F(Focus, SetFocusFiresExitOfTheOldThenEnterOfTheNew)
{
    w.b.SetFocus();
    w.b.SetFocus();
    EXPECT_EQ(log, (std::vector<std::string>{"exit a", "enter b"}));
    EXPECT_TRUE(w.b.Focused());
}

TEST_F(Focus, ClickingAFocusableControlMovesTheFocus)
{
    user::click(w.button);
    EXPECT_EQ(log, (std::vector<std::string>{"exit a", "enter button"}));
}

TEST_F(Focus, ToolButtonsAndMenuCommandsLeaveTheFocus)
{
    int clicks = 0;
    w.tool.OnClick = [&] { ++clicks; };
    w.save.OnClick = [&] { ++clicks; };
    user::click(w.tool);
    user::click(w.save);
    user::pressKey(w, 'S', ssCtrl);
    EXPECT_EQ(clicks, 3);
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(w.ActiveControl(), &w.a);
}

TEST_F(Focus, SetFocusFromCodeWorksOnAToolButton)
{
    w.tool.SetFocus();
    EXPECT_EQ(log, (std::vector<std::string>{"exit a"}));
    EXPECT_EQ(w.ActiveControl(), &w.tool);
}

TEST_F(Focus, ExitHandlerThatKeepsTheFocusWins)
{
    w.a.OnExit = [this] {
        log.push_back("exit a");
        w.a.SetFocus();
    };
    w.e.SetFocus();
    EXPECT_EQ(log, (std::vector<std::string>{"exit a"}));
    EXPECT_EQ(w.ActiveControl(), &w.a);
}

TEST_F(Focus, TabWalksTheWholeWindowSkippingInactiveSheetsAndToolButtons)
{
    EXPECT_EQ(tabWalk(6), (std::vector<std::string>{"b", "button", "pages", "c", "e", "a"}));
    w.pages.setActivePage(&w.two);
    EXPECT_EQ(tabWalk(5), (std::vector<std::string>{"b", "button", "pages", "d", "e"}));
}

TEST_F(Focus, TabSkipsHiddenDisabledAndOnHiddenParents)
{
    w.panel.Visible = false;
    w.c.Enabled = false;
    EXPECT_EQ(tabWalk(3), (std::vector<std::string>{"pages", "e", "a"}));
    w.panel.Visible = true;
    w.panel.Enabled = false;
    EXPECT_EQ(tabWalk(2), (std::vector<std::string>{"pages", "e"}));
}

TEST_F(Focus, ShiftTabWalksBackwards)
{
    user::tab(w, true);
    EXPECT_EQ(w.ActiveControl(), &w.e);
}

TEST_F(Focus, TabOrderFollowsTabOrderNotCreation)
{
    w.e.TabOrder = -1; // before everything else in the window
    w.pages.SetFocus();
    EXPECT_EQ(tabWalk(3), (std::vector<std::string>{"c", "e", "a"}));
    EXPECT_EQ(w.FindNextControl(&w.b, true, true), &w.button);
}

TEST_F(Focus, FocusingAHiddenControlRaises)
{
    w.b.Visible = false;
    EXPECT_THROW(w.b.SetFocus(), EInvalidOperation);
    EXPECT_THROW(w.d.SetFocus(), EInvalidOperation); // on an inactive sheet
}

TEST_F(Focus, SelectingATabMovesTheFocusToThePageControl)
{
    user::selectTab(w.pages, w.two);
    EXPECT_EQ(log, (std::vector<std::string>{"exit a", "enter pages"}));
}

TEST_F(Focus, EachWindowKeepsItsOwnFocus)
{
    Window other;
    other.Show();
    other.e.SetFocus();
    EXPECT_EQ(w.ActiveControl(), &w.a);
    EXPECT_EQ(log, (std::vector<std::string>{}));
}

} // namespace
