// The menu bar from the keyboard: Alt and a letter of a menu's caption opens that menu.
#include "qt_fixture.h"
#include "toolkit/form.h"
#include "toolkit/menus.h"
#include "toolkit/stdctrls.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

namespace {

struct MainWindow : TForm {
    MainWindow() : TForm("hlavni")
    {
        SetBounds(0, 0, 500, 300);
        Menu = &menu;
        name.SetBounds(10, 10, 120, 24);
    }
    TMainMenu menu{"menu"};
    TMenuItem file{menu.Items, "Lipoveta1", "Lipoveta"};
    TMenuItem quit{file, "Konec1", "Konec"};
    TMenuItem edit{menu.Items, "Upravy1", "Úpravy"};
    TMenuItem undo{edit, "Zpet1", "Zpět"};
    TMenuItem overviews{menu.Items, "Prehledy1", "Přehledy"};
    TMenuItem statistics{overviews, "Statistika1", "Statistika"};
    TMenuItem settings{menu.Items, "Nastaveni1", "Nastavení"};
    TMenuItem colours{settings, "Barvy1", "Barvy"};
    TMenuItem help{menu.Items, "Napoveda1", "Nápověda"};
    TMenuItem about{help, "OProgramu1", "O programu"};
    TEdit name{this, "jmeno"};
};

class MenuBar : public QtTest {
protected:
    MainWindow w;

    // The caption of the menu that Alt with that key opens, "" when none opens.
    std::string openedBy(Qt::Key key)
    {
        QTest::keyClick(QApplication::focusWidget(), key, Qt::AltModifier);
        QMenuBar* bar = renderer().window(w)->findChild<QMenuBar*>();
        QAction* open = bar->activeAction();
        if (!open || !open->menu() || !open->menu()->isVisible())
            return "";
        std::string caption = open->text().remove('&').toStdString();
        open->menu()->hide();
        return caption;
    }
};

TEST_F(MenuBar, AltAndALetterOfTheCaptionOpensThatMenuEvenFromAnEditBox)
{
    show(w);
    w.name.SetFocus();
    syncAll();
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    EXPECT_EQ(openedBy(Qt::Key_L), "Lipoveta");
    EXPECT_EQ(openedBy(Qt::Key_P), "Úpravy"); // its first letter has an accent
    EXPECT_EQ(openedBy(Qt::Key_E), "Přehledy"); // "P" is taken
    EXPECT_EQ(openedBy(Qt::Key_N), "Nastavení");
    EXPECT_EQ(openedBy(Qt::Key_O), "Nápověda");
    // A caption changed by a language file keeps a letter of its own.
    w.help.Caption = "Help";
    syncAll();
    EXPECT_EQ(openedBy(Qt::Key_H), "Help");

    // A letter no menu uses is no typing either.
    w.name.setText("Tábor");
    syncAll();
    EXPECT_EQ(openedBy(Qt::Key_U), "");
    EXPECT_EQ(openedBy(Qt::Key_7), "");
    syncAll();
    EXPECT_EQ(w.name.Text(), "Tábor");
    EXPECT_EQ(widget<QLineEdit>(w, "jmeno")->text().toStdString(), "Tábor");
}

} // namespace
