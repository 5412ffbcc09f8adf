#pragma once
// The person list of the main window: the view of the open tree's rows (shell/scroll.h), the row
// of the person shown, and the handlers of the grid, its scroll bar, the splitter, the sort and
// display controls and of the window's keys and mouse wheel. The frame owns it and hands it the
// controls it answers; it reaches the rest of the window only through PersonListPort. There is a
// view from a tree's open or creation to its close; without one the operations below do nothing
// and the questions answer none.
#include "shell/person_list_port.h"
#include "shell/person_sort_key.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class Clovek;
class Polozka;
class Scroll;
enum class TMouseButton;

class PersonListPanel {
public:
    // Wires the handlers of the controls; there is no view yet.
    PersonListPanel(PersonListPort& window, const PersonListControls& controls);
    ~PersonListPanel();
    PersonListPanel(const PersonListPanel&) = delete;
    PersonListPanel& operator=(const PersonListPanel&) = delete;

    // ------------------------------------------------ the view's life
    // Replaces the view by an empty one of as many rows as the grid shows, or of `visibleRows`;
    // the scroll bar goes to 0 with no range.
    void makeView();
    void makeView(int visibleRows);
    // Frees the view and its rows; there is no current row afterwards.
    void dropView();
    bool hasView() const { return view_ != nullptr; }

    // ------------------------------------------------ the list's place in the window (start-up)
    // Makes the grid, the bar and the group box below them taller by whole rows on a screen
    // higher than 768 pixels, and the window with them as far as the screen holds it.
    void fitPersonListToScreen();
    // Widens (or with a negative `dx` narrows) the list, or makes it `width` wide; the window
    // grows with it, no wider than the screen holds it. Kept in the settings.
    void widen(int dx);
    void widenTo(int width);
    // The list settings into the sort, direction and display controls.
    void restoreListOptions();
    // The sort-direction button's text for the direction now set (that one alone is looked up).
    void showSortDirection();

    // ------------------------------------------------ rows
    // One row per person of the tree, in the reverse order of the tree's chain; the scroll bar's
    // range follows.
    void fill();
    // No rows.
    void clear();
    // A row for the person in front of the others.
    void add(Clovek* person);
    // Frees the row; nothing for none or a row the view does not hold.
    void remove(Polozka* row);
    // Frees the rows of every person the test picks; the selection stays at its index, within
    // the rows left.
    void removeRowsOf(const std::function<bool(const Clovek*)>& leaving);
    // The first row (the others follow by `next`), the row at an index, the row that shows the
    // person (the current row when it does), and where a row stands (-1 for none of the view's).
    Polozka* firstRow() const;
    Polozka* rowAt(int index) const;
    Polozka* rowOf(const Clovek* person) const;
    int indexOf(const Polozka* row) const;
    int rowCount() const;
    // How many rows the grid shows, and the index of the top one.
    int visibleRows() const;
    int topIndex() const;
    // How many distinct captions (or identifiers) the rows hold sort keys for.
    size_t distinctKeys() const;
    // The whole caption of the row drawn at height y when the last paint cut it short; empty
    // where the row showed whole or there is none.
    std::string cutCaptionAt(int y) const;

    // ------------------------------------------------ selection and the current row
    // The index of the selected row (-1 for none); `select` sets it as it is, without moving
    // the list.
    int selectedIndex() const;
    void select(int index);
    // With a person: selects its row (none and -1 when no row shows it). Without: keeps the
    // selection within the rows. Either way the selection is scrolled into view.
    Polozka* locate(Clovek* person);
    // The selected row: the first when nothing is selected, none when the selection lies past
    // the rows.
    Polozka* selectedRow() const;
    // Scrolls the selection into view.
    void ensureVisible();
    // The row of the person shown, or none; never a row the view has freed.
    Polozka* currentRow() const;
    // Makes the row (one of the view's, or none) the current one; its person is not shown.
    void setCurrentRow(Polozka* row);
    // locate(person), and the row found the current one.
    Polozka* selectPerson(Clovek* person);
    // The selected row (as selectedRow) the current one.
    Polozka* makeSelectedRowCurrent();
    // The person's row selected and made current when the list shows it (true); otherwise the
    // selection stays on the row it was on and the list is repainted (false).
    bool selectListedPerson(Clovek* person);
    // After the rows were replaced (another group shown): the row of the person shown current,
    // the rows sorted as chosen, the selection in view and at the top of the bar, painted.
    void settleNewRows();

    // ------------------------------------------------ order and painting
    // The key chosen in the sort control, if any.
    std::optional<PersonSortKey> chosenSortKey() const;
    // Sorts by the key in the direction of the settings; the current row stays selected and in
    // view.
    void sort(PersonSortKey key);
    void sortByName();
    // The same by the chosen key; with none chosen the current row is only brought into view.
    void sortAsChosen();
    // The same after an edit of this person only, or after its row was added: where the rows
    // stand sorted otherwise, only its row moves.
    void sortAfterEditOf(const Clovek* person, PersonSortKey key);
    // That by the chosen key (with none chosen the selection is only brought into view), then
    // painted.
    void showAfterEditOf(const Clovek* person);
    // Runs `use` with the persons the list shows, in name order; the list shows its chosen
    // order again afterwards, painted, also when `use` raises.
    void withPersonsByName(const std::function<void(const std::vector<Clovek*>&)>& use);
    // Draws the visible rows into the grid.
    void paint();
    // Gives the grid the focus when it can take it.
    void focus();

private:
    // The handlers of the grid, its scroll bar, the sort and display controls, and of the
    // window's keys and wheel, which move the selection wherever the focus is.
    void scrollingDrawCell();
    void scrollingKeyDown(int key);
    void FormKeyDown(int key);
    void scrollingMouseDown(TMouseButton button, int x, int y);
    // A row whose caption the list cuts short shows it whole as the hint under the mouse.
    void scrollingMouseMove(int y);
    void scrollingMouseWheelUp(bool& handled);
    void scrollingMouseWheelDown(bool& handled);
    void scrollingBarChange();
    void FormMouseWheel(int wheelDelta, bool& handled);
    void setridClick();
    void trideniBTClick();
    void zobrazitCisloClick();
    void zobrazitNarozeniClick();
    void zobrazitProcentaClick();
    void zobrazitRodneClick();
    // Page Up, Page Down, Up, Down, Home and End move the selection; every key then scrolls it
    // into view and repaints. Only with a tree that has persons.
    void personListKey(int key);
    // Whether a tree is open, and one with persons.
    bool treeOpen();
    bool treeHasPersons();

    PersonListPort& window_;
    PersonListControls controls_;
    // The rows of the open tree, or none.
    std::unique_ptr<Scroll> view_;
};
