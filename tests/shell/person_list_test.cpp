// The person list panel in the main window: keys, mouse, wheel and scroll bar showing persons,
// its size on the screen and beside the pages, and what is painted. Its rows and their order over
// the list alone are in person_list_rows_test.cpp.
#include "app/main_window.h"
#include "model/clovek.h"
#include "model/datum.h"
#include "model/person_builders.h"
#include "model/prev_next.h"
#include "model/rod.h"
#include "model/svatba.h"
#include "platform/toolkit_fixture.h"
#include "shell/barvy_form.h"
#include "shell/scroll.h"
#include "system/collation.h"
#include "toolkit/screen.h"
#include "toolkit/useractions.h"

namespace {

struct PersonList : ToolkitTest {
    Thlavni hl;

    void SetUp() override
    {
        setCollationLocale("cs");
        hl.session.adopt(std::make_unique<Rod>());
        hl.history = std::make_unique<PrevNext>();
        for (TControl* c : std::initializer_list<TControl*>{&hl.scrolling, &hl.scrollingBar, &hl.setrid,
                                                            &hl.trideniBT, &hl.zobrazovatGroupBox})
            c->Visible = true;
        hl.settings.showNumber = false;
        hl.settings.showBirth = false;
        hl.Show();
    }
    void TearDown() override
    {
        hl.personList.dropView();
        hl.history.reset();
        setCollationLocale("");
    }
    Clovek* add(const std::string& surname, const std::string& first = "A", const Datum& birth = Datum())
    {
        return addPersonTo(*hl.session.tree(), first, surname, 1, birth);
    }
    // `n` persons "P00", "P01", ... in that row order after a fill.
    void addMany(int n)
    {
        for (int i = 0; i < n; ++i)
            add("P" + std::string(i < 10 ? "0" : "") + std::to_string(i));
    }
    PersonListPanel& view(int rows = 32)
    {
        hl.personList.makeView(rows);
        hl.personList.fill();
        return hl.personList;
    }
    std::vector<TRecordingCanvas::Entry> texts() const { return hl.scrolling.Canvas.texts(); }
};

} // namespace

TEST_F(PersonList, KeysMoveAndShowThePerson)
{
    addMany(10);
    PersonListPanel& list = view(4);
    list.locate(nullptr);
    hl.scrolling.SetFocus();
    user::pressKey(hl, VK_UP);
    EXPECT_EQ(hl.editor.currentPerson, nullptr); // nothing above the first row: nobody re-shown
    user::pressKey(hl, VK_NEXT);
    EXPECT_EQ(list.selectedIndex(), 3); // first to the bottom of the page
    EXPECT_EQ(hl.editor.currentPerson, list.rowAt(3)->person);
    EXPECT_EQ(hl.personList.currentRow(), list.rowAt(3));
    user::pressKey(hl, VK_NEXT);
    EXPECT_EQ(list.selectedIndex(), 7);
    EXPECT_EQ(list.topIndex(), 4);
    EXPECT_EQ(hl.scrollingBar.Position(), 4);
    user::pressKey(hl, VK_NEXT);
    EXPECT_EQ(list.selectedIndex(), 9);
    EXPECT_EQ(list.topIndex(), 6);
    EXPECT_EQ(hl.scrollingBar.Position(), hl.scrollingBar.Max());
    int visits = hl.history->count();
    user::pressKey(hl, VK_DOWN);
    EXPECT_EQ(hl.history->count(), visits);
    user::pressKey(hl, VK_PRIOR);
    EXPECT_EQ(list.selectedIndex(), 6);
    user::pressKey(hl, VK_PRIOR);
    EXPECT_EQ(list.selectedIndex(), 2);
    EXPECT_EQ(list.topIndex(), 2);
    user::pressKey(hl, VK_PRIOR);
    EXPECT_EQ(list.selectedIndex(), 0);
    EXPECT_EQ(list.topIndex(), 0);
    user::pressKey(hl, VK_DOWN);
    EXPECT_EQ(list.selectedIndex(), 1);
    EXPECT_EQ(hl.history->current(), list.rowAt(1)->person);
    EXPECT_FALSE(hl.editor.showingPerson);

    user::pressKey(hl, VK_END);
    EXPECT_EQ(list.selectedIndex(), 9);
    EXPECT_EQ(list.topIndex(), 6);
    EXPECT_EQ(hl.scrollingBar.Position(), hl.scrollingBar.Max());
    EXPECT_EQ(hl.editor.currentPerson, list.rowAt(9)->person);
    user::pressKey(hl, VK_HOME);
    EXPECT_EQ(list.selectedIndex(), 0);
    EXPECT_EQ(list.topIndex(), 0);
    EXPECT_EQ(hl.scrollingBar.Position(), 0);
    EXPECT_EQ(hl.editor.currentPerson, list.rowAt(0)->person);
}

TEST_F(PersonList, MouseWheelAndScrollBar)
{
    addMany(10);
    PersonListPanel& list = view(4);
    list.locate(nullptr);
    user::scrollTo(hl.scrollingBar, 3);
    EXPECT_EQ(list.topIndex(), 3);
    EXPECT_EQ(texts().front().text, "P03 A"); // repainted from the new top
    user::click(hl.scrolling, 5, 2 * 15 + 7);
    EXPECT_EQ(list.selectedIndex(), 5);
    EXPECT_EQ(hl.editor.currentPerson, list.rowAt(5)->person);
    script.popupChoice("");
    user::mouseDown(hl.scrolling, TMouseButton::mbRight, 5, 15);
    EXPECT_EQ(list.selectedIndex(), 4);
    EXPECT_TRUE(script.unusedAnswers().empty());

    user::wheel(hl, -120);
    EXPECT_EQ(list.selectedIndex(), 5);
    user::wheel(hl, 120);
    user::wheel(hl, 120);
    EXPECT_EQ(list.selectedIndex(), 3);
    EXPECT_EQ(list.topIndex(), 3);

    // Below the last row a click selects nothing; the right button still opens the menu.
    list.clear();
    list.add(add("X"));
    list.locate(nullptr);
    script.popupChoice("");
    user::mouseDown(hl.scrolling, TMouseButton::mbRight, 5, 100);
    EXPECT_EQ(list.selectedIndex(), 0);
    EXPECT_TRUE(script.unusedAnswers().empty());
}

TEST_F(PersonList, SizedToTheScreenInWholeRows)
{
    int groupTop = hl.zobrazovatGroupBox.Top;
    int windowHeight = hl.Height;
    Screen->Height = 1024;
    hl.personList.fitPersonListToScreen();
    EXPECT_EQ(hl.Height, windowHeight + 255);
    EXPECT_EQ(hl.pages.Top + hl.pages.Height, hl.scrolling.Top + hl.scrolling.Height + 64);
    EXPECT_LE(hl.zobrazovatGroupBox.Top + hl.zobrazovatGroupBox.Height, hl.Height);
    EXPECT_EQ(hl.scrolling.Height, 738);
    EXPECT_EQ(hl.scrollingBar.Height, 738);
    EXPECT_EQ(hl.listSplitter.Top + hl.listSplitter.Height,
              hl.zobrazovatGroupBox.Top + hl.zobrazovatGroupBox.Height);
    EXPECT_EQ(hl.scrolling.RowHeights(0), 738);
    EXPECT_EQ(hl.zobrazovatGroupBox.Top, groupTop + 255);
    EXPECT_EQ(hl.scrolling.Height / personListRowHeight, 49);
    Screen->Height = 768;
    hl.personList.fitPersonListToScreen();
    EXPECT_EQ(hl.scrolling.Height, 738);
    Screen->Height = 1024;
}

TEST_F(PersonList, PanelsOnTheScreenLeaveTheListShorterAndTheStatusBarOnIt)
{
    const int windowHeight = hl.Height;
    theScreen = TScreen{1280, 1024, 1270, windowHeight + 200};
    hl.personList.fitPersonListToScreen();
    EXPECT_EQ(hl.Height, windowHeight + 195);
    EXPECT_EQ(hl.scrolling.Height % personListRowHeight, 483 % personListRowHeight);
    EXPECT_EQ(hl.StatusBar1.Top + hl.StatusBar1.Height, hl.Height);
    theScreen = TScreen{};
}

TEST_F(PersonList, ALongCaptionEndsInAnEllipsisBeforeTheShare)
{
    const Clovek* katerina = add("Dvořáková", "Kateřina" + std::string(60, 'a'));
    PersonListPanel& list = view(10);
    hl.zobrazitProcenta.setChecked(true);
    list.locate(nullptr);
    list.paint();
    const auto rows = texts();
    ASSERT_EQ(rows.size(), 2u); // the caption and its share
    const std::string& caption = rows[0].text;
    EXPECT_EQ(caption.rfind("Dvořáková Kateřina", 0), 0u);
    EXPECT_EQ(caption.substr(caption.size() - 3), "\u2026");
    EXPECT_LE(recordedTextWidth(rows[0].font, caption), hl.scrolling.Width - 40);
    // The mouse over the cut row shows it whole; below the rows there is nothing to show.
    ASSERT_TRUE(user::mouseMove(hl.scrolling, 20, 7));
    const Nastaveni& shown = hl.settings;
    EXPECT_EQ(hl.scrolling.Hint,
              katerina->displayName(shown.showBirthSurname, shown.showBirth, shown.showNumber));
    EXPECT_TRUE(hl.scrolling.ShowHint);
    user::mouseMove(hl.scrolling, 20, 22);
    EXPECT_EQ(hl.scrolling.Hint, "");
    EXPECT_FALSE(hl.scrolling.ShowHint);
}

TEST_F(PersonList, TheDividerWidensTheListAndTheWindowAsFarAsTheScreenAllows)
{
    add("Dvořáková", "Kateřina" + std::string(60, 'a'));
    PersonListPanel& list = view(10);
    const int listWidth = hl.scrolling.Width, pagesLeft = hl.pages.Left, pagesWidth = hl.pages.Width;
    const int windowWidth = hl.Width;
    Screen->Width = windowWidth + 100;
    hl.listSplitter.userDrag(60);
    EXPECT_EQ(hl.scrolling.Width, listWidth + 60);
    EXPECT_EQ(hl.scrollingBar.Left, hl.scrolling.Left + hl.scrolling.Width);
    EXPECT_EQ(hl.pages.Left, pagesLeft + 60);
    EXPECT_EQ(hl.pages.Width, pagesWidth); // no page is cut
    EXPECT_EQ(hl.Width, windowWidth + 60);
    EXPECT_EQ(hl.settings.personListWidth, listWidth + 60);
    list.paint();
    EXPECT_LE(recordedTextWidth(texts()[0].font, texts()[0].text), hl.scrolling.Width);
    EXPECT_GT(recordedTextWidth(texts()[0].font, texts()[0].text), listWidth); // more of the name shows

    hl.listSplitter.userDrag(500); // only as far as the screen
    EXPECT_EQ(hl.Width, Screen->Width);
    EXPECT_EQ(hl.scrolling.Width, listWidth + 100);
    hl.listSplitter.userDrag(-1000); // never below the designed width
    EXPECT_EQ(hl.scrolling.Width, listWidth);
    EXPECT_EQ(hl.Width, windowWidth);
    EXPECT_EQ(hl.settings.personListWidth, listWidth);
    Screen->Width = 1280;
}

TEST_F(PersonList, NewRelationshipColoursShowAtOk)
{
    TbarvyFORM colours;
    Clovek* p = add("Já");
    PersonListPanel& list = view(10);
    list.locate(p);
    hl.editor.currentPerson = p;
    list.paint();
    script.modal("", [&](TForm&) {
        user::click(colours.aktivniBT);
        user::click(colours.okBT);
    });
    script.colour(0x123456);
    user::click(hl.BarvyVztahu1);
    EXPECT_EQ(hl.scrolling.Canvas.findText("Já A")->font.Color, 0x123456);
}

TEST_F(PersonList, PaintsOnlyVisibleRowsWithRelationshipColours)
{
    Clovek* grandfather = add("Děda");
    Clovek* father = add("Otec");
    father->father = grandfather;
    Clovek* p = add("Já");
    p->father = father;
    Clovek* sister = add("Sestra");
    sister->father = father;
    Clovek* child = add("Dítě");
    child->father = p;
    Clovek* grandchild = add("Vnuk");
    grandchild->mother = child;
    auto* partners = new Svatba; // the tree frees it
    partners->partner1 = p;
    partners->partner2 = sister;
    p->partnerships.append(std::make_unique<UkSvatba>(partners));
    Clovek* stranger = add("Cizí");
    PersonListPanel& list = view(10);
    stranger->percentFilled = 5;
    p->percentFilled = 100;
    hl.zobrazitProcenta.setChecked(true);
    list.locate(p);
    hl.editor.currentPerson = p;
    const Nastaveni& s = hl.settings;
    list.paint();

    auto row = [&](const std::string& name) { return hl.scrolling.Canvas.findText(name + " A"); };
    EXPECT_EQ(row("Já")->font.Color, s.colourActive);
    EXPECT_TRUE(row("Já")->font.Bold);
    EXPECT_EQ(row("Otec")->font.Color, s.colourParents);
    EXPECT_TRUE(row("Otec")->font.Bold);
    EXPECT_EQ(row("Děda")->font.Color, s.colourParents);
    EXPECT_FALSE(row("Děda")->font.Bold);
    EXPECT_EQ(row("Dítě")->font.Color, s.colourChildren);
    EXPECT_TRUE(row("Dítě")->font.Bold);
    EXPECT_EQ(row("Vnuk")->font.Color, s.colourChildren);
    EXPECT_FALSE(row("Vnuk")->font.Bold);
    EXPECT_EQ(row("Sestra")->font.Color, s.colourPartners); // a sister who is also a partner
    EXPECT_EQ(row("Cizí")->font.Color, clBlack);
    EXPECT_EQ(row("Cizí")->font.Name, "MS Sans Serif");
    EXPECT_EQ(row("Já")->rect.Top, list.selectedIndex() * 15);
    EXPECT_EQ(hl.scrolling.Canvas.findText("  5 %")->font.Name, "Courier New");
    EXPECT_EQ(hl.scrolling.Canvas.findText("100 %")->rect.Left, hl.scrolling.Width - 40);
    // The selected row's brush is black; below the seven rows the grid is filled with face.
    const auto& entries = hl.scrolling.Canvas.entries();
    bool blackRow = false;
    for (const auto& e : entries)
        if (e.op == TRecordingCanvas::Op::FillRect && e.rect.Top == list.selectedIndex() * 15)
            blackRow = blackRow || e.brushColor == clBlack;
    EXPECT_TRUE(blackRow);
    const auto& last = entries.back();
    EXPECT_EQ(last.op, TRecordingCanvas::Op::FillRect);
    EXPECT_EQ(last.rect, Rect(0, 7 * 15, hl.scrolling.Width, hl.scrolling.Height));
    EXPECT_EQ(last.brushColor, clBtnFace);

    // Many persons: only the visible rows are drawn, and nothing below them.
    hl.zobrazitProcenta.setChecked(false);
    for (int i = 0; i < 100; ++i)
        list.add(add("X"));
    hl.scrollingBar.setPosition(50);
    list.paint();
    EXPECT_EQ(texts().size(), 10u);
    EXPECT_EQ(texts().front().rect.Top, 0);
    EXPECT_EQ(hl.scrolling.Canvas.entries().size(), 20u);
}
