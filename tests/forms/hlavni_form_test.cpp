// The main window's layout: menu shortcuts, the no-tree state it starts in, the pages.
#include "forms/hlavni_form.h"
#include "toolkit/application.h"
#include "toolkit/useractions.h"

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
    for (auto [key, shift] : {std::pair{VK_F2, ssNone},
                              {VK_F8, ssNone},
                              {VK_F3, ssNone},
                              {'Z', ssCtrl},
                              {'Y', ssCtrl},
                              {VK_F1, ssNone}})
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

// Controls that share a parent must not cover each other, and each must lie inside its parent
// as the window first shows it (on the smallest screen the program supports).
void expectClearLayout(const TWinControl& parent, int width, int height)
{
    const std::vector<TControl*>& children = parent.Controls();
    for (size_t i = 0; i < children.size(); ++i) {
        const TControl& a = *children[i];
        EXPECT_TRUE(a.Left >= 0 && a.Top >= 0 && a.Left + a.Width <= width && a.Top + a.Height <= height)
            << a.Name << " lies outside " << parent.Name;
        for (size_t j = i + 1; j < children.size(); ++j) {
            const TControl& b = *children[j];
            // The portrait and its grey placeholder take turns in one frame.
            if (a.Name == "hlavaSedivaIMG" && b.Name == "hlavaIMG")
                continue;
            const bool apart = a.Left + a.Width <= b.Left || b.Left + b.Width <= a.Left ||
                               a.Top + a.Height <= b.Top || b.Top + b.Height <= a.Top;
            EXPECT_TRUE(apart) << a.Name << " overlaps " << b.Name << " on " << parent.Name;
        }
        if (auto* inner = dynamic_cast<const TWinControl*>(&a); inner && !inner->Controls().empty())
            expectClearLayout(*inner, a.Width, a.Height);
    }
}

TEST(HlavniForm, TabPagesAreLaidOutWithoutOverlaps)
{
    ThlavniForm f;
    for (int i = 0; i < f.pages.PageCount(); ++i) {
        TTabSheet& sheet = *f.pages.Pages(i);
        EXPECT_FALSE(sheet.Controls().empty()) << sheet.Name;
        expectClearLayout(sheet, sheet.Width, sheet.Height);
    }
}

// The person's heading keeps to its box, left of the switch buttons, whatever the name's length:
// a label that sizes itself to its text ran under "přepni osoby".
TEST(HlavniForm, ThePersonsHeadingEndsBeforeTheSwitchButtons)
{
    ThlavniForm f;
    EXPECT_FALSE(f.nadpisJmenoLB.AutoSize);
    EXPECT_LT(f.nadpisJmenoLB.Left + f.nadpisJmenoLB.Width, f.prepniOsobyLB.Left);
}

// Item lists that the window texts replace in place and the person editor indexes by position.
TEST(HlavniForm, ItemListsThePagesIndexByPosition)
{
    ThlavniForm f;
    EXPECT_EQ(f.zakladniSheet.pohlaviCB.Items.lines(), (std::vector<std::string>{"muž", "žena"}));
    EXPECT_EQ(f.zakladniSheet.pohlaviCB.Style, TComboBox::csDropDownList);
    EXPECT_EQ(f.zakladniSheet.narozMesicCB.Items.Count(), 13);
    EXPECT_EQ(f.zakladniSheet.svatbaDenCB.Items.Count(), 31);
    EXPECT_EQ(f.zakladniSheet.titulPredCB.Items.Count(), 18);
    EXPECT_EQ(f.zakladniSheet.titulZaCB.Items.Count(), 6);
    EXPECT_EQ(f.fotkySheet.seradFotoRADIO.Items.Count(), 2);
    EXPECT_EQ(f.dokumentySheet.seradDokRADIO.Items.Count(), 2);
    EXPECT_EQ(f.doplnujiciSheet.seradSouborRADIO.Items.Count(), 3);
    EXPECT_EQ(f.doplnujiciSheet.seradSouborRADIO.ItemIndex(), 2);
    EXPECT_EQ(f.fotkySheet.seradFotoRADIO.ItemIndex(), 0);
    // The portrait frame and the previews have the sizes the pictures are scaled to.
    EXPECT_EQ(f.zakladniSheet.hlavaIMG.Width, 150);
    EXPECT_EQ(f.zakladniSheet.hlavaIMG.Height, 200);
    EXPECT_EQ(f.fotkySheet.fotoIMG.Width, 570);
    EXPECT_EQ(f.dokumentySheet.dokumentIMG.Height, 529);
    EXPECT_EQ(f.zakladniSheet.narozRokED.MaxLength, 4);
}

} // namespace
