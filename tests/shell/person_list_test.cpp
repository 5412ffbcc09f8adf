// The person list panel: the view's operations, its sorts held to the program's bubble passes,
// keys, mouse, wheel and scroll bar, and what is painted.
#include "app/main_window.h"
#include "model/clovek.h"
#include "model/datum.h"
#include "model/path_utils.h"
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

#include <random>
#include <set>

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
    // Sorts the list by name both ways and holds it to a stable sort by the captions' keys.
    void expectNameSortIsAStableSortByKeys(PersonListPanel& list)
    {
        for (bool asc : {true, false}) {
            hl.settings.sortAscending = asc;
            std::vector<std::pair<std::string, Clovek*>> expected;
            for (Polozka* r = list.firstRow(); r; r = r->next)
                expected.emplace_back(
                    collationKey(r->person->displayName(hl.settings.showBirthSurname, hl.settings.showBirth,
                                                        hl.settings.showNumber)),
                    r->person);
            std::stable_sort(expected.begin(), expected.end(), [&](const auto& a, const auto& b) {
                return asc ? a.first < b.first : b.first < a.first;
            });
            list.sort(PersonSortKey::byName);
            size_t i = 0;
            for (Polozka* r = list.firstRow(); r; r = r->next, ++i)
                ASSERT_EQ(r->person, expected[i].second) << asc << " " << i;
        }
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
    std::string names() const
    {
        std::string s;
        for (Polozka* r = hl.personList.firstRow(); r; r = r->next)
            s += (s.empty() ? "" : " ") + r->person->surname;
        return s;
    }
    std::vector<TRecordingCanvas::Entry> texts() const { return hl.scrolling.Canvas.texts(); }
};

} // namespace

TEST_F(PersonList, FillAddRemoveKeepTheBarInStep)
{
    addMany(5);
    PersonListPanel& list = view(3);
    EXPECT_EQ(names(), "P00 P01 P02 P03 P04"); // the chain holds the newest first
    EXPECT_EQ(list.rowCount(), 5);
    EXPECT_EQ(hl.scrollingBar.Max(), 2);
    list.add(add("N"));
    EXPECT_EQ(hl.scrollingBar.Max(), 3);
    EXPECT_EQ(names(), "N P00 P01 P02 P03 P04");
    list.select(5);
    hl.personList.setCurrentRow(list.rowAt(5));
    list.remove(list.rowAt(5));
    EXPECT_EQ(list.selectedIndex(), 4);
    EXPECT_EQ(hl.personList.currentRow(), nullptr);
    EXPECT_EQ(hl.scrollingBar.Max(), 2);
    EXPECT_EQ(list.rowCount(), 5);
    // A row that is not the view's own, or none, is left alone.
    Polozka stranger(list.firstRow()->person);
    list.remove(&stranger);
    list.remove(nullptr);
    EXPECT_EQ(list.rowCount(), 5);
    // Whenever the rows are freed (a refill, a clear), the current row goes with them.
    hl.personList.setCurrentRow(list.rowAt(2));
    list.fill();
    EXPECT_EQ(hl.personList.currentRow(), nullptr);
    hl.personList.setCurrentRow(list.rowAt(1));
    list.clear();
    EXPECT_EQ(hl.personList.currentRow(), nullptr);
    EXPECT_EQ(list.firstRow(), nullptr);
    EXPECT_EQ(list.rowCount(), 0);
    EXPECT_EQ(list.selectedRow(), nullptr);
}

TEST_F(PersonList, SelectionStaysWithinTheRows)
{
    addMany(4);
    PersonListPanel& list = view(2);
    Clovek* p2 = list.rowAt(2)->person;
    EXPECT_EQ(list.locate(p2)->person, p2);
    EXPECT_EQ(list.selectedIndex(), 2);
    EXPECT_EQ(list.topIndex(), 1);
    EXPECT_EQ(hl.scrollingBar.Position(), 1);
    Clovek outsider;
    EXPECT_EQ(list.locate(&outsider), nullptr);
    EXPECT_EQ(list.selectedIndex(), -1);
    EXPECT_EQ(list.topIndex(), 0);
    EXPECT_EQ(list.locate(nullptr), list.firstRow());
    EXPECT_EQ(list.selectedIndex(), 0);
    list.select(9);
    EXPECT_EQ(list.selectedRow(), nullptr);
    EXPECT_EQ(list.locate(nullptr), list.rowAt(3));
    // The current row of a person the list does not show (another group) selects nothing.
    Polozka foreign(&outsider);
    list.setCurrentRow(&foreign);
    list.sort(PersonSortKey::byName);
    EXPECT_EQ(list.selectedIndex(), -1);
    Polozka* second = list.rowAt(1);
    list.setCurrentRow(second);
    list.sort(PersonSortKey::byName);
    EXPECT_EQ(list.rowAt(list.selectedIndex()), second);
    list.setCurrentRow(nullptr);
}

TEST_F(PersonList, KeysMoveAndShowThePerson)
{
    addMany(10);
    PersonListPanel& list = view(4);
    list.locate(nullptr);
    hl.scrolling.SetFocus();
    user::pressKey(hl, VK_UP);
    EXPECT_EQ(hl.currentPerson, nullptr); // nothing above the first row: nobody re-shown
    user::pressKey(hl, VK_NEXT);
    EXPECT_EQ(list.selectedIndex(), 3); // first to the bottom of the page
    EXPECT_EQ(hl.currentPerson, list.rowAt(3)->person);
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
    EXPECT_FALSE(hl.showingPerson);

    user::pressKey(hl, VK_END);
    EXPECT_EQ(list.selectedIndex(), 9);
    EXPECT_EQ(list.topIndex(), 6);
    EXPECT_EQ(hl.scrollingBar.Position(), hl.scrollingBar.Max());
    EXPECT_EQ(hl.currentPerson, list.rowAt(9)->person);
    user::pressKey(hl, VK_HOME);
    EXPECT_EQ(list.selectedIndex(), 0);
    EXPECT_EQ(list.topIndex(), 0);
    EXPECT_EQ(hl.scrollingBar.Position(), 0);
    EXPECT_EQ(hl.currentPerson, list.rowAt(0)->person);
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
    EXPECT_EQ(hl.currentPerson, list.rowAt(5)->person);
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
    hl.personList.fitToScreen();
    EXPECT_EQ(hl.Height, windowHeight + 255);
    EXPECT_EQ(hl.pages.Top + hl.pages.Height, hl.scrolling.Top + hl.scrolling.Height + 64);
    EXPECT_LE(hl.zobrazovatGroupBox.Top + hl.zobrazovatGroupBox.Height, hl.Height);
    EXPECT_EQ(hl.scrolling.Height, 738);
    EXPECT_EQ(hl.scrollingBar.Height, 738);
    EXPECT_EQ(hl.listSplitter.Top + hl.listSplitter.Height,
              hl.zobrazovatGroupBox.Top + hl.zobrazovatGroupBox.Height);
    EXPECT_EQ(hl.scrolling.RowHeights(0), 738);
    EXPECT_EQ(hl.zobrazovatGroupBox.Top, groupTop + 255);
    EXPECT_EQ(hl.scrolling.Height / Scroll::rowHeight, 49);
    Screen->Height = 768;
    hl.personList.fitToScreen();
    EXPECT_EQ(hl.scrolling.Height, 738);
    Screen->Height = 1024;
}

TEST_F(PersonList, PanelsOnTheScreenLeaveTheListShorterAndTheStatusBarOnIt)
{
    const int windowHeight = hl.Height;
    theScreen = TScreen{1280, 1024, 1270, windowHeight + 200};
    hl.personList.fitToScreen();
    EXPECT_EQ(hl.Height, windowHeight + 195);
    EXPECT_EQ(hl.scrolling.Height % Scroll::rowHeight, 483 % Scroll::rowHeight);
    EXPECT_EQ(hl.StatusBar1.Top + hl.StatusBar1.Height, hl.Height);
    theScreen = TScreen{};
}

TEST_F(PersonList, SortKeysAndDirections)
{
    Clovek* old = add("Starý", "A", Datum("1", "1", "1850"));
    Clovek* young = add("mladý", "B", Datum("1", "1", "1900"));
    Clovek* unknown = add("Čech", "C", Datum("?", "?", "?"));
    old->identifier = "10";
    young->identifier = "9";
    unknown->identifier = "100";
    PersonListPanel& list = view();
    // The list works the shares out when it is built; these stand in for edits since.
    old->percentFilled = 50;
    young->percentFilled = 5;
    unknown->percentFilled = 100;
    list.sort(PersonSortKey::byName);
    EXPECT_EQ(names(), "Čech mladý Starý"); // case ignored, č after c
    list.sort(PersonSortKey::byBirth);
    EXPECT_EQ(names(), "mladý Starý Čech"); // ascending: the latest first, unknown last
    list.sort(PersonSortKey::byId);
    EXPECT_EQ(names(), "mladý Starý Čech"); // 9, 10, 100
    list.sort(PersonSortKey::byPercent);
    EXPECT_EQ(names(), "mladý Starý Čech");
    hl.settings.sortAscending = false;
    list.sort(PersonSortKey::byName);
    EXPECT_EQ(names(), "Starý mladý Čech");
    list.sort(PersonSortKey::byBirth);
    EXPECT_EQ(names(), "Čech Starý mladý"); // the less complete first
    list.sort(PersonSortKey::byPercent);
    EXPECT_EQ(names(), "Čech Starý mladý");

    // Through the controls: the direction button flips and re-sorts by the chosen key.
    hl.settings.sortAscending = true;
    hl.setrid.setItemIndex(itemIndexOf(PersonSortKey::byId));
    EXPECT_EQ(hl.settings.sortOrder, PersonSortKey::byId);
    EXPECT_EQ(names(), "mladý Starý Čech");
    user::click(hl.trideniBT);
    EXPECT_FALSE(hl.settings.sortAscending);
    EXPECT_EQ(hl.trideniBT.Caption, "Sestupně");
    EXPECT_EQ(names(), "Čech Starý mladý");
}

TEST_F(PersonList, BirthSurnameCheckBoxResortsByName)
{
    Clovek* a = add("Novák", "Eva");
    a->sex = 0;
    a->birthSurname = "Adamová";
    add("Beneš", "Jan");
    PersonListPanel& list = view();
    list.sort(PersonSortKey::byName);
    EXPECT_EQ(names(), "Beneš Novák");
    hl.settings.sortOrder = PersonSortKey::byName;
    user::click(hl.zobrazitRodne);
    EXPECT_TRUE(hl.settings.showBirthSurname);
    EXPECT_EQ(names(), "Novák Beneš");
    user::click(hl.zobrazitCislo);
    EXPECT_TRUE(hl.settings.showNumber);
    EXPECT_EQ(texts().front().text, "Adamová Eva (0)");
}

// The name sort keeps each row's collation key between sorts; whatever changed the captions or
// their collation since, the order is that of the captions as they are now.
TEST_F(PersonList, NameSortFollowsEveryChangeOfTheCaptions)
{
    Clovek* adam = add("Adam");
    Clovek* benes = add("Beneš");
    add("Horák");
    PersonListPanel& list = view();
    list.sort(PersonSortKey::byName);
    EXPECT_EQ(names(), "Adam Beneš Horák");
    adam->surname = "Chmel"; // edited elsewhere, nothing told the list
    list.sort(PersonSortKey::byName);
    EXPECT_EQ(names(), "Beneš Horák Chmel");
    setCollationLocale("en");
    list.sort(PersonSortKey::byName);
    EXPECT_EQ(names(), "Beneš Chmel Horák");
    setCollationLocale("cs");
    benes->sex = 0;
    benes->birthSurname = "Žáková";
    hl.settings.showBirthSurname = true;
    list.sort(PersonSortKey::byName);
    EXPECT_EQ(names(), "Horák Chmel Beneš");
    list.sort(PersonSortKey::byId); // the identifiers take the rows' keys over meanwhile
    list.add(add("Dvořák"));
    list.remove(list.rowOf(benes));
    list.sort(PersonSortKey::byName);
    EXPECT_EQ(names(), "Dvořák Horák Chmel");
    EXPECT_EQ(list.firstRow()->prev, nullptr);
    for (Polozka* r = list.firstRow(); r->next; r = r->next)
        EXPECT_EQ(r->next->prev, r);
    EXPECT_EQ(list.indexOf(list.rowOf(adam)), 2);
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
    hl.currentPerson = p;
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
    hl.currentPerson = p;
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

// The sorts against the program's bubble passes, written out literally.
namespace {

int swapsLiterally(PersonSortKey key, bool asc, const Clovek* r, const Clovek* s, const Nastaveni& set)
{
    switch (key) {
    case PersonSortKey::byName: {
        int c = compareCollated(r->displayName(set.showBirthSurname, set.showBirth, set.showNumber),
                                s->displayName(set.showBirthSurname, set.showBirth, set.showNumber));
        return asc ? c > 0 : c < 0;
    }
    case PersonSortKey::byBirth: {
        const Datum &a = r->birth, &b = s->birth;
        bool tie = !a.isBefore(b) && !a.isAfter(b);
        return asc ? a.isBefore(b) || (tie && a.completeness() < b.completeness())
                   : a.isAfter(b) || (tie && a.completeness() > b.completeness());
    }
    case PersonSortKey::byId:
        return asc ? lessByNumberOrText(s->identifier, r->identifier)
                   : lessByNumberOrText(r->identifier, s->identifier);
    case PersonSortKey::byPercent:
        break;
    }
    return asc ? r->percentFilled > s->percentFilled : r->percentFilled < s->percentFilled;
}

std::vector<Clovek*> bubbleLiterally(std::vector<Clovek*> v, PersonSortKey key, bool asc,
                                     const Nastaveni& set)
{
    for (int n = int(v.size()) - 1; n > 0; --n) {
        bool swapped = false;
        for (int j = 0; j < n; ++j)
            if (swapsLiterally(key, asc, v[j], v[j + 1], set)) {
                std::swap(v[j], v[j + 1]);
                swapped = true;
            }
        if (!swapped)
            break;
    }
    return v;
}

std::string randomPart(std::mt19937& rng, int lo, int hi, int unknownPercent)
{
    if (int(rng() % 100) < unknownPercent)
        return "?";
    return std::to_string(lo + int(rng() % (hi - lo + 1)));
}

} // namespace

// Two rows with the same very long caption tie through every eight bytes of their keys: they are
// told apart round after round without running out of stack, and the list comes out as a
// stable sort by the keys gives it, both ways.
TEST_F(PersonList, RowsWithLongEqualCaptionsSortLikeAnyOther)
{
    const std::string longName(size_t(1) << 20, 'v');
    std::mt19937 rng(7);
    for (int i = 0; i < 40; ++i)
        add(i == 11 || i == 29 ? longName
                               : std::string(1, char('a' + rng() % 26)) + std::to_string(rng() % 90),
            "Jan");
    expectNameSortIsAStableSortByKeys(view());
}

// A long list is sorted whole by other means than a short one; namesakes keep their places.
TEST_F(PersonList, ALongListSortsByNameLikeAnyOther)
{
    const char* names[] = {"Novák", "Nováková", "Čapek", "Chmel", "Hora", "hora", "Šebek", "Adam", "Ádám"};
    std::mt19937 rng(3);
    for (int i = 0; i < 3000; ++i)
        add(names[rng() % 9] + std::to_string(rng() % 40), rng() % 4 ? names[rng() % 9] : "");
    hl.settings.showNumber = false;
    expectNameSortIsAStableSortByKeys(view());
}

TEST_F(PersonList, EverySortGivesTheBubblePassesOrder)
{
    std::mt19937 rng(20240615);
    const char* names[] = {"Novák", "novák", "Čapek", "Cibulka", "Chmel", "Hora", "Šebek", "Adam"};
    // Texts before the numbers ("", "-5"), after them, and one among them (a full-width five),
    // which leaves the identifier test no order; that one only in some rounds.
    const char* ids[] = {"1", "2", "10", "9", "10a", "x", "X", "ab", "02", "2b", "", "Á", "-5", "(3)", "５"};
    for (int round = 0; round < 400; ++round) {
        hl.session.adopt(std::make_unique<Rod>());
        hl.personList.dropView();
        // Mostly small lists; some long enough to be sorted whole rather than mended.
        int n = round % 10 == 0 ? 40 + int(rng() % 40) : 1 + int(rng() % 12);
        bool textIds = round % 3 == 0;
        int idKinds = round % 6 == 0 ? 15 : 14;
        for (int i = 0; i < n; ++i) {
            Clovek* p = add(
                names[rng() % 8], names[rng() % 8],
                Datum(randomPart(rng, 1, 3, 30), randomPart(rng, 1, 3, 30), randomPart(rng, 1900, 1902, 20)));
            p->identifier = textIds ? ids[rng() % idKinds] : std::to_string(rng() % 6);
            p->percentFilled = int(rng() % 4);
        }
        PersonListPanel& list = view();
        hl.settings.showBirth = round % 2;
        for (int k = 0; k < personSortKeyCount; ++k)
            for (bool asc : {true, false}) {
                const PersonSortKey key = *personSortKeyAt(k);
                hl.settings.sortAscending = asc;
                // Twice: from the order it is in, and after one row changed.
                for (int pass = 0; pass < 2; ++pass) {
                    if (pass == 1) {
                        Clovek* changed = list.rowAt(int(rng() % n))->person;
                        changed->birth = Datum(randomPart(rng, 1, 3, 30), randomPart(rng, 1, 3, 30),
                                               randomPart(rng, 1900, 1902, 20));
                        changed->percentFilled = int(rng() % 4);
                        changed->surname = names[rng() % 8];
                        if (textIds)
                            changed->identifier = ids[rng() % idKinds];
                    }
                    std::vector<Clovek*> before;
                    for (Polozka* r = list.firstRow(); r; r = r->next)
                        before.push_back(r->person);
                    std::vector<Clovek*> expected = bubbleLiterally(before, key, asc, hl.settings);
                    list.sort(key);
                    std::vector<Clovek*> got;
                    for (Polozka* r = list.firstRow(); r; r = r->next) {
                        got.push_back(r->person);
                        if (r->next) {
                            ASSERT_EQ(r->next->prev, r);
                        }
                    }
                    ASSERT_EQ(got, expected)
                        << "round " << round << " key " << itemIndexOf(key) << " asc " << asc;
                }
            }
    }
}

// Births in one or two years, with many dates lacking a month or a day: the cases where the
// birth test is no order at all.
TEST_F(PersonList, BirthSortOfIncomparableDatesGivesTheBubblePassesOrder)
{
    std::mt19937 rng(7);
    for (int round = 0; round < 1500; ++round) {
        hl.session.adopt(std::make_unique<Rod>());
        hl.personList.dropView();
        int n = 1 + int(rng() % 25);
        for (int i = 0; i < n; ++i)
            add("X", "A",
                Datum(randomPart(rng, 1, 2, 40), randomPart(rng, 1, 4, 35),
                      randomPart(rng, 1900, 1900 + int(round % 3), 10)));
        PersonListPanel& list = view();
        for (bool asc : {true, false}) {
            hl.settings.sortAscending = asc;
            std::vector<Clovek*> before;
            for (Polozka* r = list.firstRow(); r; r = r->next)
                before.push_back(r->person);
            std::vector<Clovek*> expected = bubbleLiterally(before, PersonSortKey::byBirth, asc, hl.settings);
            list.sort(PersonSortKey::byBirth);
            std::vector<Clovek*> got;
            for (Polozka* r = list.firstRow(); r; r = r->next)
                got.push_back(r->person);
            ASSERT_EQ(got, expected) << "round " << round << " asc " << asc;
        }
    }
}

// The typing path: after an edit of one person only that row is put back; the order must be the
// bubble passes' over the whole list, ties, directions and changed settings included.
TEST_F(PersonList, ANameSortAfterOneEditGivesTheBubblePassesOrder)
{
    std::mt19937 rng(99);
    const char* names[] = {"Novák", "novák", "Čapek", "Cibulka", "Chmel", "Hora", "Šebek", "Adam"};
    for (int round = 0; round < 300; ++round) {
        hl.session.adopt(std::make_unique<Rod>());
        hl.personList.dropView();
        hl.personList.setCurrentRow(nullptr);
        const int n = 1 + int(rng() % 30);
        for (int i = 0; i < n; ++i) {
            Clovek* p =
                add(names[rng() % 8], names[rng() % 3], Datum("1", "1", randomPart(rng, 1900, 1902, 20)));
            p->identifier = std::to_string(rng() % 4);
            p->sex = uint8_t(rng() % 2);
            p->birthSurname = names[rng() % 8];
        }
        PersonListPanel& list = view();
        hl.settings.sortAscending = rng() % 2;
        hl.settings.showBirth = rng() % 2;
        list.sort(PersonSortKey::byName);
        for (int edit = 0; edit < 12; ++edit) {
            Polozka* row = list.rowAt(int(rng() % n));
            // Mostly the current person, as when typing; now and then another one.
            hl.personList.setCurrentRow(rng() % 4 ? row : nullptr);
            Clovek* p = row->person;
            switch (rng() % 4) {
            case 0:
                p->surname = names[rng() % 8];
                break;
            case 1:
                p->firstName = names[rng() % 8];
                break;
            case 2:
                p->birth.year = randomPart(rng, 1900, 1902, 20);
                break;
            default:
                p->identifier = std::to_string(rng() % 4);
                break;
            }
            // A setting changed meanwhile, or another sort, leaves only the full sort right.
            if (rng() % 8 == 0)
                hl.settings.showNumber = !hl.settings.showNumber;
            if (rng() % 10 == 0)
                list.sort(PersonSortKey::byBirth);
            std::vector<Clovek*> before;
            for (Polozka* r = list.firstRow(); r; r = r->next)
                before.push_back(r->person);
            const std::vector<Clovek*> expected =
                bubbleLiterally(before, PersonSortKey::byName, hl.settings.sortAscending, hl.settings);
            list.sortAfterEditOf(p, PersonSortKey::byName);
            std::vector<Clovek*> got;
            for (Polozka* r = list.firstRow(); r; r = r->next) {
                got.push_back(r->person);
                if (r->next) {
                    ASSERT_EQ(r->next->prev, r);
                }
            }
            ASSERT_EQ(got, expected) << "round " << round << " edit " << edit;
            EXPECT_EQ(list.rowAt(int(std::find(got.begin(), got.end(), p) - got.begin()))->person, p);
        }
    }
}

// Rows added and removed between edits, as the new-person and delete commands do: the list
// keeps its known order, and putting the one new row in place gives the bubble passes' order over
// the whole list, with every lookup of a row still right.
TEST_F(PersonList, AddedAndRemovedRowsKeepTheBubblePassesOrder)
{
    std::mt19937 rng(4242);
    const char* names[] = {"Novák", "novák", "Čapek", "Cibulka", "Chmel", "Hora", "", "Adam"};
    for (int round = 0; round < 200; ++round) {
        hl.session.adopt(std::make_unique<Rod>());
        hl.personList.dropView();
        hl.personList.setCurrentRow(nullptr);
        const int n = 1 + int(rng() % 20);
        for (int i = 0; i < n; ++i)
            add(names[rng() % 8], names[rng() % 3]);
        PersonListPanel& list = view();
        hl.settings.sortAscending = rng() % 2;
        list.sort(PersonSortKey::byName);
        for (int step = 0; step < 15; ++step) {
            Clovek* p = nullptr;
            if (rng() % 3 == 0 && list.rowCount() > 1) {
                Polozka* gone = list.rowAt(int(rng() % unsigned(list.rowCount())));
                hl.personList.setCurrentRow(rng() % 2 ? gone : nullptr);
                list.remove(gone);
                hl.personList.setCurrentRow(nullptr);
            } else {
                // A new person comes in front, shown and often typed into at once.
                p = add(rng() % 2 ? names[rng() % 8] : "");
                list.add(p);
                hl.personList.setCurrentRow(list.locate(p));
                ASSERT_EQ(hl.personList.currentRow(), list.firstRow());
                if (rng() % 2 == 0) {
                    std::vector<Clovek*> before;
                    for (Polozka* r = list.firstRow(); r; r = r->next)
                        before.push_back(r->person);
                    list.sortAfterEditOf(p, PersonSortKey::byName);
                    std::vector<Clovek*> got;
                    for (Polozka* r = list.firstRow(); r; r = r->next)
                        got.push_back(r->person);
                    ASSERT_EQ(got, bubbleLiterally(before, PersonSortKey::byName, hl.settings.sortAscending,
                                                   hl.settings))
                        << "round " << round << " step " << step;
                    p->surname = names[rng() % 8];
                }
            }
            if (p) {
                std::vector<Clovek*> before;
                for (Polozka* r = list.firstRow(); r; r = r->next)
                    before.push_back(r->person);
                list.sortAfterEditOf(p, PersonSortKey::byName);
                std::vector<Clovek*> got;
                for (Polozka* r = list.firstRow(); r; r = r->next) {
                    got.push_back(r->person);
                    if (r->next) {
                        ASSERT_EQ(r->next->prev, r);
                    }
                }
                ASSERT_EQ(got, bubbleLiterally(before, PersonSortKey::byName, hl.settings.sortAscending,
                                               hl.settings))
                    << "round " << round << " step " << step;
            }
            int i = 0;
            for (Polozka* r = list.firstRow(); r; r = r->next, ++i) {
                ASSERT_EQ(list.rowAt(i), r);
                ASSERT_EQ(list.rowOf(r->person), r);
                ASSERT_EQ(list.indexOf(r), i);
            }
            ASSERT_EQ(i, list.rowCount());
        }
    }
}

// A big tree's captions repeat: rows whose captions have equal keys (letter case aside) share
// one, and a long session of edits, new rows and deletions leaves no key behind that no row holds.
TEST_F(PersonList, EqualCaptionsShareOneKeyThroughALongSession)
{
    std::mt19937 rng(31);
    const char* names[] = {"Novák", "novák", "Čapek", "Chmel"};
    for (int i = 0; i < 150; ++i)
        add(names[rng() % 4], rng() % 2 ? "Jan" : "Jana");
    PersonListPanel& list = view();
    auto captions = [&] {
        std::set<std::string> distinct;
        for (Polozka* r = list.firstRow(); r; r = r->next)
            distinct.insert(collationKey(r->person->displayName(false, false, false)));
        return distinct.size();
    };
    auto order = [&] {
        std::vector<Clovek*> rows;
        for (Polozka* r = list.firstRow(); r; r = r->next)
            rows.push_back(r->person);
        return rows;
    };
    for (bool asc : {true, false}) {
        hl.settings.sortAscending = asc;
        const std::vector<Clovek*> expected =
            bubbleLiterally(order(), PersonSortKey::byName, asc, hl.settings);
        list.sort(PersonSortKey::byName);
        ASSERT_EQ(order(), expected);
        EXPECT_EQ(list.distinctKeys(), 6u); // "Novák Jan" and "novák Jan" collate as one
    }
    for (int step = 0; step < 400; ++step) {
        Clovek* p = nullptr;
        if (step % 7 == 3) {
            list.remove(list.rowAt(int(rng() % unsigned(list.rowCount()))));
        } else if (step % 5 == 0) {
            p = add(names[rng() % 4]);
            list.add(p);
        } else {
            // Typing: each keystroke makes a caption no other row has, and leaves the one before.
            p = list.rowAt(int(rng() % unsigned(list.rowCount())))->person;
            p->surname = rng() % 3 ? p->surname + "a" : std::string(names[rng() % 4]);
        }
        if (p) {
            const std::vector<Clovek*> before = order();
            list.sortAfterEditOf(p, PersonSortKey::byName);
            if (step % 20 == 0) {
                ASSERT_EQ(order(), bubbleLiterally(before, PersonSortKey::byName, false, hl.settings))
                    << step;
            }
        }
        ASSERT_EQ(list.distinctKeys(), captions()) << step;
    }
}

// A new row and an edited row go back alone under every key and direction, with ties, birth
// years where the test is no order, identifiers with texts among them, and deletions between:
// always where the full sort, that is the bubble passes, would put them.
TEST_F(PersonList, ANewOrEditedRowFindsItsPlaceUnderEveryKey)
{
    std::mt19937 rng(5150);
    const char* names[] = {"Novák", "novák", "Čapek", "Hora", ""};
    const char* ids[] = {"1", "2", "10", "9", "x", "X", "ab", "", "(3)", "02", "５"};
    auto birth = [&] {
        return Datum(randomPart(rng, 1, 2, 40), randomPart(rng, 1, 3, 30), randomPart(rng, 1900, 1902, 20));
    };
    for (int round = 0; round < 480; ++round) {
        hl.session.adopt(std::make_unique<Rod>());
        hl.personList.dropView();
        hl.personList.setCurrentRow(nullptr);
        const PersonSortKey key = *personSortKeyAt(round % personSortKeyCount);
        const bool asc = round / 4 % 2;
        // Some rounds have dates only a year or only a month and a day: no year mixes the two.
        const bool plainBirths = round % 3 == 0;
        // Texts before the numbers and after them, now and then one among them.
        const bool textIds = round % 3 != 1;
        const size_t idKinds = round % 5 == 0 ? 11 : 10;
        auto dress = [&](Clovek* p) {
            p->birth = birth();
            if (plainBirths && Datum::isUnknown(p->birth.day))
                p->birth.month = "?";
            p->percentFilled = int(rng() % 3);
            p->identifier = textIds ? ids[rng() % idKinds] : std::to_string(rng() % 5);
        };
        const int n = 1 + int(rng() % 25);
        for (int i = 0; i < n; ++i)
            dress(add(names[rng() % 5], names[rng() % 2]));
        PersonListPanel& list = view();
        hl.settings.sortAscending = asc;
        list.sort(key);
        for (int step = 0; step < 12; ++step) {
            Clovek* p = nullptr;
            if (rng() % 4 == 0 && list.rowCount() > 1) {
                list.remove(list.rowAt(int(rng() % unsigned(list.rowCount()))));
                continue;
            }
            if (rng() % 2) {
                // As the new-person command makes it: empty but for its number.
                p = hl.session.tree()->addNewPerson(std::make_unique<Clovek>());
                if (rng() % 4 == 0)
                    dress(p);
                list.add(p);
                hl.personList.setCurrentRow(list.locate(p));
            } else {
                Polozka* row = list.rowAt(int(rng() % unsigned(list.rowCount())));
                hl.personList.setCurrentRow(rng() % 2 ? row : nullptr);
                p = row->person;
                p->surname = names[rng() % 5];
                dress(p);
            }
            std::vector<Clovek*> before;
            for (Polozka* r = list.firstRow(); r; r = r->next)
                before.push_back(r->person);
            list.sortAfterEditOf(p, key);
            std::vector<Clovek*> got;
            for (Polozka* r = list.firstRow(); r; r = r->next) {
                got.push_back(r->person);
                if (r->next) {
                    ASSERT_EQ(r->next->prev, r);
                }
            }
            ASSERT_EQ(got, bubbleLiterally(before, key, asc, hl.settings))
                << "round " << round << " key " << itemIndexOf(key) << " asc " << asc << " step " << step;
            for (int i = 0; i < list.rowCount(); ++i)
                ASSERT_EQ(list.rowOf(got[size_t(i)]), list.rowAt(i));
        }
    }
}
