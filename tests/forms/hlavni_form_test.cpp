// The main window's layout: menu shortcuts, the no-tree state it starts in, the pages.
#include "forms/hlavni_form.h"
#include "platform/application.h"
#include "platform/useractions.h"

#include <gtest/gtest.h>

namespace {

TEST(HlavniForm, MenuShortcutsReachTheirCommands)
{
    Application.reset();
    ThlavniForm f;
    std::string ran;
    for (TMenuItem* item : {&f.Nova1, &f.Vymaz1, &f.Hledej1, &f.Zpet1, &f.Znovu1, &f.Napoveda2}) {
        item->OnClick = [&ran, item] { ran += item->Name + " "; };
        item->Enabled = true;
    }
    f.Osoba1.Enabled = true;
    f.Show();
    for (auto [key, shift] : {std::pair{VK_F2, ssNone}, {VK_F8, ssNone}, {VK_F3, ssNone}, {'Z', ssCtrl},
                              {'Y', ssCtrl}, {VK_F1, ssNone}})
        user::pressKey(f, key, shift);
    EXPECT_EQ(ran, "Nova1 Vymaz1 Hledej1 Zpet1 Znovu1 Napoveda2 ");
    Application.reset();
}

TEST(HlavniForm, StartsWithoutATree)
{
    ThlavniForm f;
    EXPECT_FALSE(f.pages.Visible);
    EXPECT_FALSE(f.scrolling.Visible);
    EXPECT_FALSE(f.Ulozit1.Enabled);
    EXPECT_FALSE(f.Osoba1.Enabled);
    EXPECT_TRUE(f.Novy1.Enabled);
    EXPECT_TRUE(f.Otevrit1.Enabled);
    EXPECT_FALSE(f.expRAR.Enabled);
    EXPECT_FALSE(f.impRAR.Enabled);
    EXPECT_FALSE(f.soubor1.Visible);
    EXPECT_TRUE(f.NovyBT.Enabled);
    EXPECT_FALSE(f.UlozitBT.Enabled);
    EXPECT_EQ(f.NovyBT.Hint, "Začít nový lipoveta");
}

TEST(HlavniForm, PersonListShowsWholeRows)
{
    ThlavniForm f;
    EXPECT_EQ(f.scrolling.Height / 15, 32);
    EXPECT_EQ(f.scrollingBar.Height, f.scrolling.Height);
    EXPECT_EQ(f.scrolling.RowHeights(0), f.scrolling.Height);
    EXPECT_EQ(f.setrid.Items.lines(), (std::vector<std::string>{"Jmen", "Naroz.", "ID", "%"}));
    EXPECT_EQ(f.zobrazovatGroupBox.Top, f.scrolling.Top + f.scrolling.Height + 4);
}

TEST(HlavniForm, PagesOfTheTreeAndThePerson)
{
    ThlavniForm f;
    ASSERT_EQ(f.pages.PageCount(), 8);
    EXPECT_EQ(f.pages.Pages(0)->Caption, "Obecně");
    EXPECT_EQ(f.pages.Pages(7)->Caption, "Statistika lipovetau");
    EXPECT_EQ(f.pages.ActivePage(), &f.obecne);
}

}  // namespace
