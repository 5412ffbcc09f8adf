// The person list panel of the main window: its view's life, its sizing, its settings in the
// controls, the operations the window asks of it and the handlers of the grid, the scroll bar,
// the sort controls and the display check boxes.
#include "shell/person_list_panel.h"

#include "model/rod.h"
#include "model/text_source.h"
#include "shell/scroll.h"
#include "shell/settings.h"
#include "shell/window_texts.h"
#include "toolkit/form.h"
#include "toolkit/grid.h"
#include "toolkit/keys.h"
#include "toolkit/menus.h"
#include "toolkit/screen.h"
#include "toolkit/splitter.h"
#include "toolkit/stdctrls.h"

#include <algorithm>

PersonListPanel::PersonListPanel(PersonListPort& window, const PersonListControls& controls)
    : window_(window), controls_(controls)
{
    const PersonListControls& c = controls_;
    c.scrolling.OnDrawCell = [this](int, int, const TRect&, TGridDrawState) { scrollingDrawCell(); };
    c.scrolling.OnKeyDown = [this](int& key, TShiftState) { scrollingKeyDown(key); };
    c.scrolling.OnMouseDown = [this](TMouseButton b, TShiftState, int x, int y) {
        scrollingMouseDown(b, x, y);
    };
    c.scrolling.OnMouseMove = [this](TShiftState, int, int y) { scrollingMouseMove(y); };
    c.scrolling.OnMouseWheelUp = [this](TShiftState, int, int, bool& handled) {
        scrollingMouseWheelUp(handled);
    };
    c.scrolling.OnMouseWheelDown = [this](TShiftState, int, int, bool& handled) {
        scrollingMouseWheelDown(handled);
    };
    c.scrollingBar.OnChange = [this] { scrollingBarChange(); };
    c.listSplitter.OnMoved = [this](int dx) { widen(dx); };
    c.window.OnKeyDown = [this](int& key, TShiftState) { FormKeyDown(key); };
    c.window.OnMouseWheel = [this](TShiftState, int delta, int, int, bool& handled) {
        FormMouseWheel(delta, handled);
    };
    c.setrid.OnClick = [this] { setridClick(); };
    c.trideniBT.OnClick = [this] { trideniBTClick(); };
    c.zobrazitCislo.OnClick = [this] { zobrazitCisloClick(); };
    c.zobrazitNarozeni.OnClick = [this] { zobrazitNarozeniClick(); };
    c.zobrazitProcenta.OnClick = [this] { zobrazitProcentaClick(); };
    c.zobrazitRodne.OnClick = [this] { zobrazitRodneClick(); };
}

PersonListPanel::~PersonListPanel() = default;

void PersonListPanel::makeView()
{
    makeView(controls_.scrolling.Height / personListRowHeight);
}

void PersonListPanel::makeView(int visibleRows)
{
    // A new view moves the scroll bar, whose handler paints the view it finds: the old one must
    // be gone from sight first.
    view_.reset();
    view_ = std::make_unique<Scroll>(window_, controls_, visibleRows);
}

void PersonListPanel::dropView()
{
    view_.reset();
}

void PersonListPanel::fitPersonListToScreen()
{
    TDrawGrid& grid = controls_.scrolling;
    grid.setRowHeight(0, grid.Height);
    grid.setColWidth(0, grid.Width);
    controls_.scrollingBar.Height = grid.Height;
    int h = Screen->Height;
    if (h > 768) {
        int extra = (h - 768) - (h - 768) % personListRowHeight;
        // The desktop's panels, the window's frame and its menu bar may leave less: the status
        // bar at the bottom stays on the screen.
        const int room = std::max(0, window_.roomToHeighten());
        extra = std::min(extra, room - room % personListRowHeight);
        grid.Height += extra;
        controls_.scrollingBar.Height += extra;
        controls_.listSplitter.Height += extra;
        controls_.zobrazovatGroupBox.Top += extra;
        grid.setRowHeight(0, grid.Height);
        // The window grows with its list, or the display options below it would lie outside.
        window_.heightenBesideList(extra);
    }
}

void PersonListPanel::widen(int dx)
{
    TDrawGrid& grid = controls_.scrolling;
    int wanted = kPersonListWidthRange.clamp(grid.Width + dx);
    // The window grows with the list, no wider than the screen holds it, frame and all.
    wanted = std::min(wanted, grid.Width + std::max(0, window_.roomToWiden()));
    dx = wanted - grid.Width;
    if (dx == 0)
        return;
    for (TControl* c : std::initializer_list<TControl*>{&controls_.setrid, &controls_.skupinyCB, &grid,
                                                        &controls_.zobrazovatGroupBox})
        c->Width += dx;
    for (TControl* c : std::initializer_list<TControl*>{&controls_.scrollingBar, &controls_.listSplitter})
        c->Left += dx;
    window_.widenBesideList(dx);
    grid.setColWidth(0, grid.Width);
    window_.programSettings().personListWidth = grid.Width;
    paint();
}

void PersonListPanel::widenTo(int width)
{
    widen(width - controls_.scrolling.Width);
}

void PersonListPanel::showSortDirection()
{
    WindowTexts(window_.texts()).apply(controls_.sortDirectionTexts(window_.programSettings().sortAscending));
}

void PersonListPanel::restoreListOptions()
{
    const Nastaveni& settings = window_.programSettings();
    controls_.setrid.setItemIndex(itemIndexOf(settings.sortOrder));
    showSortDirection();
    // Each box's click handler writes its state back into the settings: take them all first.
    Nastaveni wanted = settings;
    controls_.zobrazitCislo.setChecked(wanted.showNumber);
    controls_.zobrazitNarozeni.setChecked(wanted.showBirth);
    controls_.zobrazitProcenta.setChecked(wanted.showPercent);
    controls_.zobrazitRodne.setChecked(wanted.showBirthSurname);
}

void PersonListPanel::fill()
{
    if (view_)
        view_->fill();
}

void PersonListPanel::clear()
{
    if (view_)
        view_->clear();
}

void PersonListPanel::add(Clovek* person)
{
    if (view_)
        view_->add(person);
}

void PersonListPanel::remove(Polozka* row)
{
    if (view_)
        view_->remove(row);
}

void PersonListPanel::removeRowsOf(const std::function<bool(const Clovek*)>& leaving)
{
    if (view_)
        view_->removeRowsOf(leaving);
}

Polozka* PersonListPanel::firstRow() const
{
    return view_ ? view_->first : nullptr;
}

Polozka* PersonListPanel::rowAt(int index) const
{
    return view_ ? view_->rowAt(index) : nullptr;
}

Polozka* PersonListPanel::rowOf(const Clovek* person) const
{
    if (!view_)
        return nullptr;
    // The person asked for is nearly always the current one: no walk over the rows for it.
    Polozka* current = view_->currentRow();
    return current && current->person == person ? current : view_->rowOf(person);
}

int PersonListPanel::indexOf(const Polozka* row) const
{
    return view_ ? view_->indexOf(row) : -1;
}

int PersonListPanel::rowCount() const
{
    return view_ ? view_->count : 0;
}

int PersonListPanel::visibleRows() const
{
    return view_ ? view_->visibleRows : 0;
}

int PersonListPanel::topIndex() const
{
    return view_ ? view_->top : 0;
}

size_t PersonListPanel::distinctKeys() const
{
    return view_ ? view_->distinctKeys() : 0;
}

std::string PersonListPanel::cutCaptionAt(int y) const
{
    return view_ ? view_->cutCaptionAt(y) : std::string();
}

int PersonListPanel::selectedIndex() const
{
    return view_ ? view_->selected : -1;
}

void PersonListPanel::select(int index)
{
    if (view_)
        view_->selected = index;
}

Polozka* PersonListPanel::locate(Clovek* person)
{
    return view_ ? view_->locate(person) : nullptr;
}

Polozka* PersonListPanel::selectedRow() const
{
    return view_ ? view_->selectedRow() : nullptr;
}

void PersonListPanel::ensureVisible()
{
    if (view_)
        view_->ensureVisible();
}

Polozka* PersonListPanel::currentRow() const
{
    return view_ ? view_->currentRow() : nullptr;
}

void PersonListPanel::setCurrentRow(Polozka* row)
{
    if (view_)
        view_->setCurrentRow(row);
}

Polozka* PersonListPanel::selectPerson(Clovek* person)
{
    if (!view_)
        return nullptr;
    view_->setCurrentRow(view_->locate(person));
    return view_->currentRow();
}

Polozka* PersonListPanel::makeSelectedRowCurrent()
{
    if (!view_)
        return nullptr;
    view_->setCurrentRow(view_->selectedRow());
    return view_->currentRow();
}

bool PersonListPanel::selectListedPerson(Clovek* person)
{
    if (!view_)
        return false;
    const int selected = view_->selected;
    Polozka* row = view_->locate(person);
    if (!row) {
        view_->selected = selected;
        view_->locate(nullptr);
        view_->paint();
        return false;
    }
    view_->setCurrentRow(row);
    return true;
}

void PersonListPanel::settleNewRows()
{
    if (!view_)
        return;
    Scroll& list = *view_;
    list.setCurrentRow(list.locate(window_.shownPerson()));
    list.sortAsChosen();
    list.ensureVisible();
    list.paint();
    controls_.scrollingBar.setMax(std::max(list.count - list.visibleRows, 0));
    controls_.scrollingBar.setPosition(std::max(list.selected, 0));
}

std::optional<PersonSortKey> PersonListPanel::chosenSortKey() const
{
    return personSortKeyAt(controls_.setrid.ItemIndex());
}

void PersonListPanel::sort(PersonSortKey key)
{
    if (view_)
        view_->sort(key);
}

void PersonListPanel::sortByName()
{
    if (view_)
        view_->sortByName();
}

void PersonListPanel::sortAsChosen()
{
    if (view_)
        view_->sortAsChosen();
}

void PersonListPanel::sortAfterEditOf(const Clovek* person, PersonSortKey key)
{
    if (view_)
        view_->sortAfterEditOf(person, key);
}

void PersonListPanel::showAfterEditOf(const Clovek* person)
{
    if (!view_)
        return;
    if (const std::optional<PersonSortKey> key = chosenSortKey())
        view_->sortAfterEditOf(person, *key);
    else
        view_->ensureVisible();
    view_->paint();
}

void PersonListPanel::withPersonsByName(const std::function<void(const std::vector<Clovek*>&)>& use)
{
    if (!view_)
        return;
    Scroll& list = *view_;
    list.sortByName();
    try {
        std::vector<Clovek*> persons;
        for (Polozka* row = list.first; row; row = row->next)
            persons.push_back(row->person);
        use(persons);
    } catch (...) {
        list.sortAsChosen();
        list.paint();
        throw;
    }
    list.sortAsChosen();
    list.paint();
}

void PersonListPanel::paint()
{
    if (view_)
        view_->paint();
}

void PersonListPanel::focus()
{
    if (controls_.scrolling.CanFocus())
        controls_.scrolling.SetFocus();
}

bool PersonListPanel::treeOpen()
{
    return window_.currentTree() != nullptr;
}

bool PersonListPanel::treeHasPersons()
{
    const Rod* tree = window_.currentTree();
    return tree && tree->personCount() != 0;
}

void PersonListPanel::setridClick()
{
    if (treeOpen() && view_) {
        view_->sortAsChosen();
        view_->ensureVisible();
        view_->paint();
    }
    if (const std::optional<PersonSortKey> key = chosenSortKey())
        window_.programSettings().sortOrder = *key;
}

void PersonListPanel::trideniBTClick()
{
    Nastaveni& settings = window_.programSettings();
    settings.sortAscending = !settings.sortAscending;
    showSortDirection();
    if (view_) {
        view_->sortAsChosen();
        view_->paint();
    }
}

void PersonListPanel::scrollingDrawCell()
{
    paint();
}

void PersonListPanel::scrollingKeyDown(int key)
{
    personListKey(key);
}

void PersonListPanel::FormKeyDown(int key)
{
    personListKey(key);
}

void PersonListPanel::personListKey(int key)
{
    if (!treeHasPersons() || !view_)
        return;
    switch (key) {
    case VK_PRIOR:
        view_->pageUp();
        break;
    case VK_NEXT:
        view_->pageDown();
        break;
    case VK_UP:
        view_->previous();
        break;
    case VK_DOWN:
        view_->next();
        break;
    case VK_HOME:
        view_->home();
        break;
    case VK_END:
        view_->end();
        break;
    default:
        break;
    }
    view_->ensureVisible();
    view_->paint();
}

void PersonListPanel::scrollingMouseMove(int y)
{
    TDrawGrid& grid = controls_.scrolling;
    grid.Hint = view_ ? view_->cutCaptionAt(y) : std::string();
    grid.ShowHint = !grid.Hint.empty();
}

void PersonListPanel::scrollingMouseDown(TMouseButton button, int x, int y)
{
    if (!view_)
        return;
    int row = y / personListRowHeight + view_->top;
    if (row >= 0 && row < view_->count) {
        view_->selected = row;
        view_->setCurrentRow(view_->rowAt(row));
        window_.showPerson(view_->currentRow()->person);
    }
    if (button == TMouseButton::mbRight) {
        view_->paint();
        controls_.osobaPopup.Popup(x + controls_.scrolling.Left, y + controls_.scrolling.Top);
    }
}

void PersonListPanel::scrollingMouseWheelUp(bool& handled)
{
    personListKey(VK_UP);
    handled = true;
}

void PersonListPanel::scrollingMouseWheelDown(bool& handled)
{
    personListKey(VK_DOWN);
    handled = true;
}

void PersonListPanel::scrollingBarChange()
{
    if (!view_ || view_->followingSelection())
        return;
    view_->top = controls_.scrollingBar.Position();
    view_->paint();
}

void PersonListPanel::FormMouseWheel(int wheelDelta, bool& handled)
{
    if (!treeHasPersons())
        return;
    focus();
    personListKey(wheelDelta > 0 ? VK_UP : VK_DOWN);
    handled = true;
}

void PersonListPanel::zobrazitCisloClick()
{
    window_.programSettings().showNumber = controls_.zobrazitCislo.Checked();
    if (treeOpen())
        paint();
}

void PersonListPanel::zobrazitNarozeniClick()
{
    window_.programSettings().showBirth = controls_.zobrazitNarozeni.Checked();
    if (!treeOpen())
        return;
    paint();
    window_.refreshPage();
}

void PersonListPanel::zobrazitProcentaClick()
{
    if (treeOpen())
        paint();
    window_.programSettings().showPercent = controls_.zobrazitProcenta.Checked();
}

void PersonListPanel::zobrazitRodneClick()
{
    Nastaveni& settings = window_.programSettings();
    settings.showBirthSurname = controls_.zobrazitRodne.Checked();
    if (!treeOpen())
        return;
    if (view_ && settings.sortOrder == PersonSortKey::byName)
        view_->sortByName();
    paint();
    window_.updateHeading();
    window_.refreshPage();
}
