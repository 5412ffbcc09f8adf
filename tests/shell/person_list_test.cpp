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
        for (TControl* c : std::initializer_list<TControl*>{&hl.layout().scrolling, &hl.layout().scrollingBar,
                                                            &hl.layout().setrid, &hl.layout().trideniBT,
                                                            &hl.layout().zobrazovatGroupBox})
            c->Visible = true;
        hl.settings.showNumber = false;
        hl.settings.showBirth = false;
        hl.layout().Show();
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
    std::vector<TRecordingCanvas::Entry> texts() const { return hl.layout().scrolling.Canvas.texts(); }
};

} // namespace

TEST_F(PersonList, KeysMoveAndShowThePerson)
{
    addMany(10);
    PersonListPanel& list = view(4);
    list.locate(nullptr);
    hl.layout().scrolling.SetFocus();
    user::pressKey(hl.layout(), VK_UP);
    EXPECT_EQ(hl.editor.currentPerson, nullptr); // nothing above the first row: nobody re-shown
    user::pressKey(hl.layout(), VK_NEXT);
    EXPECT_EQ(list.selectedIndex(), 3); // first to the bottom of the page
    EXPECT_EQ(hl.editor.currentPerson, list.rowAt(3)->person);
    EXPECT_EQ(hl.personList.currentRow(), list.rowAt(3));
    user::pressKey(hl.layout(), VK_NEXT);
    EXPECT_EQ(list.selectedIndex(), 7);
    EXPECT_EQ(list.topIndex(), 4);
    EXPECT_EQ(hl.layout().scrollingBar.Position(), 4);
    user::pressKey(hl.layout(), VK_NEXT);
    EXPECT_EQ(list.selectedIndex(), 9);
    EXPECT_EQ(list.topIndex(), 6);
    EXPECT_EQ(hl.layout().scrollingBar.Position(), hl.layout().scrollingBar.Max());
    int visits = hl.history->count();
    user::pressKey(hl.layout(), VK_DOWN);
    EXPECT_EQ(hl.history->count(), visits);
    user::pressKey(hl.layout(), VK_PRIOR);
    EXPECT_EQ(list.selectedIndex(), 6);
    user::pressKey(hl.layout(), VK_PRIOR);
    EXPECT_EQ(list.selectedIndex(), 2);
    EXPECT_EQ(list.topIndex(), 2);
    user::pressKey(hl.layout(), VK_PRIOR);
    EXPECT_EQ(list.selectedIndex(), 0);
    EXPECT_EQ(list.topIndex(), 0);
    user::pressKey(hl.layout(), VK_DOWN);
    EXPECT_EQ(list.selectedIndex(), 1);
    EXPECT_EQ(hl.history->current(), list.rowAt(1)->person);
    EXPECT_FALSE(hl.editor.showingPerson);

    user::pressKey(hl.layout(), VK_END);
    EXPECT_EQ(list.selectedIndex(), 9);
    EXPECT_EQ(list.topIndex(), 6);
    EXPECT_EQ(hl.layout().scrollingBar.Position(), hl.layout().scrollingBar.Max());
    EXPECT_EQ(hl.editor.currentPerson, list.rowAt(9)->person);
    user::pressKey(hl.layout(), VK_HOME);
    EXPECT_EQ(list.selectedIndex(), 0);
    EXPECT_EQ(list.topIndex(), 0);
    EXPECT_EQ(hl.layout().scrollingBar.Position(), 0);
    EXPECT_EQ(hl.editor.currentPerson, list.rowAt(0)->person);
}

TEST_F(PersonList, MouseWheelAndScrollBar)
{
    addMany(10);
    PersonListPanel& list = view(4);
    list.locate(nullptr);
    user::scrollTo(hl.layout().scrollingBar, 3);
    EXPECT_EQ(list.topIndex(), 3);
    EXPECT_EQ(texts().front().text, "P03 A"); // repainted from the new top
    user::click(hl.layout().scrolling, 5, 2 * 15 + 7);
    EXPECT_EQ(list.selectedIndex(), 5);
    EXPECT_EQ(hl.editor.currentPerson, list.rowAt(5)->person);
    script.popupChoice("");
    user::mouseDown(hl.layout().scrolling, TMouseButton::mbRight, 5, 15);
    EXPECT_EQ(list.selectedIndex(), 4);
    EXPECT_TRUE(script.unusedAnswers().empty());

    user::wheel(hl.layout(), -120);
    EXPECT_EQ(list.selectedIndex(), 5);
    user::wheel(hl.layout(), 120);
    user::wheel(hl.layout(), 120);
    EXPECT_EQ(list.selectedIndex(), 3);
    EXPECT_EQ(list.topIndex(), 3);

    // Below the last row a click selects nothing; the right button still opens the menu.
    list.clear();
    list.add(add("X"));
    list.locate(nullptr);
    script.popupChoice("");
    user::mouseDown(hl.layout().scrolling, TMouseButton::mbRight, 5, 100);
    EXPECT_EQ(list.selectedIndex(), 0);
    EXPECT_TRUE(script.unusedAnswers().empty());
}

TEST_F(PersonList, SizedToTheScreenInWholeRows)
{
    int groupTop = hl.layout().zobrazovatGroupBox.Top;
    int windowHeight = hl.layout().Height;
    Screen->Height = 1024;
    hl.personList.fitPersonListToScreen();
    EXPECT_EQ(hl.layout().Height, windowHeight + 255);
    EXPECT_EQ(hl.layout().pages.Top + hl.layout().pages.Height,
              hl.layout().scrolling.Top + hl.layout().scrolling.Height + 64);
    EXPECT_LE(hl.layout().zobrazovatGroupBox.Top + hl.layout().zobrazovatGroupBox.Height, hl.layout().Height);
    EXPECT_EQ(hl.layout().scrolling.Height, 738);
    EXPECT_EQ(hl.layout().scrollingBar.Height, 738);
    EXPECT_EQ(hl.layout().listSplitter.Top + hl.layout().listSplitter.Height,
              hl.layout().zobrazovatGroupBox.Top + hl.layout().zobrazovatGroupBox.Height);
    EXPECT_EQ(hl.layout().scrolling.RowHeights(0), 738);
    EXPECT_EQ(hl.layout().zobrazovatGroupBox.Top, groupTop + 255);
    EXPECT_EQ(hl.layout().scrolling.Height / personListRowHeight, 49);
    Screen->Height = 768;
    hl.personList.fitPersonListToScreen();
    EXPECT_EQ(hl.layout().scrolling.Height, 738);
    Screen->Height = 1024;
}

TEST_F(PersonList, PanelsOnTheScreenLeaveTheListShorterAndTheStatusBarOnIt)
{
    const int windowHeight = hl.layout().Height;
    theScreen = TScreen{1280, 1024, 1270, windowHeight + 200};
    hl.personList.fitPersonListToScreen();
    EXPECT_EQ(hl.layout().Height, windowHeight + 195);
    EXPECT_EQ(hl.layout().scrolling.Height % personListRowHeight, 483 % personListRowHeight);
    EXPECT_EQ(hl.layout().StatusBar1.Top + hl.layout().StatusBar1.Height, hl.layout().Height);
    theScreen = TScreen{};
}

TEST_F(PersonList, ALongCaptionEndsInAnEllipsisBeforeTheShare)
{
    const Clovek* katerina = add("Dvořáková", "Kateřina" + std::string(60, 'a'));
    PersonListPanel& list = view(10);
    hl.layout().zobrazitProcenta.setChecked(true);
    list.locate(nullptr);
    list.paint();
    const auto rows = texts();
    ASSERT_EQ(rows.size(), 2u); // the caption and its share
    const std::string& caption = rows[0].text;
    EXPECT_EQ(caption.rfind("Dvořáková Kateřina", 0), 0u);
    EXPECT_EQ(caption.substr(caption.size() - 3), "\u2026");
    EXPECT_LE(recordedTextWidth(rows[0].font, caption), hl.layout().scrolling.Width - 40);
    // The mouse over the cut row shows it whole; below the rows there is nothing to show.
    ASSERT_TRUE(user::mouseMove(hl.layout().scrolling, 20, 7));
    const Nastaveni& shown = hl.settings;
    EXPECT_EQ(hl.layout().scrolling.Hint,
              katerina->displayName(shown.showBirthSurname, shown.showBirth, shown.showNumber));
    EXPECT_TRUE(hl.layout().scrolling.ShowHint);
    user::mouseMove(hl.layout().scrolling, 20, 22);
    EXPECT_EQ(hl.layout().scrolling.Hint, "");
    EXPECT_FALSE(hl.layout().scrolling.ShowHint);
}

TEST_F(PersonList, TheDividerWidensTheListAndTheWindowAsFarAsTheScreenAllows)
{
    add("Dvořáková", "Kateřina" + std::string(60, 'a'));
    PersonListPanel& list = view(10);
    const int listWidth = hl.layout().scrolling.Width, pagesLeft = hl.layout().pages.Left,
              pagesWidth = hl.layout().pages.Width;
    const int windowWidth = hl.layout().Width;
    Screen->Width = windowWidth + 100;
    hl.layout().listSplitter.userDrag(60);
    EXPECT_EQ(hl.layout().scrolling.Width, listWidth + 60);
    EXPECT_EQ(hl.layout().scrollingBar.Left, hl.layout().scrolling.Left + hl.layout().scrolling.Width);
    EXPECT_EQ(hl.layout().pages.Left, pagesLeft + 60);
    EXPECT_EQ(hl.layout().pages.Width, pagesWidth); // no page is cut
    EXPECT_EQ(hl.layout().Width, windowWidth + 60);
    EXPECT_EQ(hl.settings.personListWidth, listWidth + 60);
    list.paint();
    EXPECT_LE(recordedTextWidth(texts()[0].font, texts()[0].text), hl.layout().scrolling.Width);
    EXPECT_GT(recordedTextWidth(texts()[0].font, texts()[0].text), listWidth); // more of the name shows

    hl.layout().listSplitter.userDrag(500); // only as far as the screen
    EXPECT_EQ(hl.layout().Width, Screen->Width);
    EXPECT_EQ(hl.layout().scrolling.Width, listWidth + 100);
    hl.layout().listSplitter.userDrag(-1000); // never below the designed width
    EXPECT_EQ(hl.layout().scrolling.Width, listWidth);
    EXPECT_EQ(hl.layout().Width, windowWidth);
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
    user::click(hl.layout().BarvyVztahu1);
    EXPECT_EQ(hl.layout().scrolling.Canvas.findText("Já A")->font.Color, 0x123456);
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
    hl.layout().zobrazitProcenta.setChecked(true);
    list.locate(p);
    hl.editor.currentPerson = p;
    const Nastaveni& s = hl.settings;
    list.paint();

    auto row = [&](const std::string& name) { return hl.layout().scrolling.Canvas.findText(name + " A"); };
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
    EXPECT_EQ(hl.layout().scrolling.Canvas.findText("  5 %")->font.Name, "Courier New");
    EXPECT_EQ(hl.layout().scrolling.Canvas.findText("100 %")->rect.Left, hl.layout().scrolling.Width - 40);
    // The selected row's brush is black; below the seven rows the grid is filled with face.
    const auto& entries = hl.layout().scrolling.Canvas.entries();
    bool blackRow = false;
    for (const auto& e : entries)
        if (e.op == TRecordingCanvas::Op::FillRect && e.rect.Top == list.selectedIndex() * 15)
            blackRow = blackRow || e.brushColor == clBlack;
    EXPECT_TRUE(blackRow);
    const auto& last = entries.back();
    EXPECT_EQ(last.op, TRecordingCanvas::Op::FillRect);
    EXPECT_EQ(last.rect, Rect(0, 7 * 15, hl.layout().scrolling.Width, hl.layout().scrolling.Height));
    EXPECT_EQ(last.brushColor, clBtnFace);

    // Many persons: only the visible rows are drawn, and nothing below them.
    hl.layout().zobrazitProcenta.setChecked(false);
    for (int i = 0; i < 100; ++i)
        list.add(add("X"));
    hl.layout().scrollingBar.setPosition(50);
    list.paint();
    EXPECT_EQ(texts().size(), 10u);
    EXPECT_EQ(texts().front().rect.Top, 0);
    EXPECT_EQ(hl.layout().scrolling.Canvas.entries().size(), 20u);
}
