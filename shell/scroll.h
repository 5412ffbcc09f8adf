#pragma once
// The rows of the person list (shell/person_list_panel.h), its one owner: one row per person of
// the open tree, sorted by the chosen key, painted into the single-cell grid `scrolling` beside
// the scroll bar `scrollingBar`, rows coloured by their relationship to the shown person.
#include "shell/person_list_port.h"
#include "shell/person_sort_key.h"
#include "system/collation.h"
#include "system/slab.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

class Clovek;
struct DatumKey;

// One row; owned by its Scroll.
class Polozka : public SlabAllocated<Polozka> {
public:
    explicit Polozka(Clovek* shown) : person(shown) { }
    Clovek* person;
    Polozka* prev = nullptr;
    Polozka* next = nullptr;
    // The collation key of the caption or identifier the rows were last sorted by, held in the
    // view's shared keys, so that sorting again after an edit collates only what changed.
    uint32_t textKey = SharedCollationKeys::none;
};

// Rows are 15 pixels high.
constexpr int personListRowHeight = 15;

class Scroll {
public:
    // An empty view showing `visibleRows` rows; puts the scroll bar to 0 with no range.
    Scroll(PersonListPort& window, const PersonListControls& controls, int visibleRows);
    ~Scroll();
    Scroll(const Scroll&) = delete;
    Scroll& operator=(const Scroll&) = delete;

    // One row per person of the tree, in the reverse order of the tree's chain.
    void fill();
    void clear();
    // A row for the person in front of the others.
    void add(Clovek* person);
    // Frees the row; nothing for none or a row of another view.
    void remove(Polozka* row);
    // Frees the rows of every person the test picks, in one walk; the others keep their order.
    // The selection stays at its index, within the rows left.
    void removeRowsOf(const std::function<bool(const Clovek*)>& leaving);
    // With a person: selects its row (none and -1 when no row shows it). Without: keeps the
    // selection within the rows. Either way the selection is scrolled into view.
    Polozka* locate(Clovek* person);
    // The selected row; none when nothing is selected or the selection is outside the rows.
    Polozka* selectedRow() const;
    // Selects the given row; -1 when it is none or not a row of this view.
    Polozka* selectCurrent(Polozka* row);
    // The row that shows the person, or none.
    Polozka* rowOf(const Clovek* person) const;
    Polozka* rowAt(int index) const;
    // How many distinct captions (or identifiers) the rows hold keys for.
    size_t distinctKeys() const { return keys_.size(); }
    // Steps from the first row to the row; -1 when it is not one of this view's rows.
    int indexOf(const Polozka* row) const;

    // Sorts by the key (any other value sorts nothing) in the direction of the settings, the
    // result being that of the program's bubble passes over the rows; the current row stays
    // selected and in view.
    void sort(PersonSortKey key);
    // The same by the key chosen in `setrid`; with none chosen the current row is only brought
    // into view.
    void sortAsChosen();
    // The same after an edit of this one person only, or after its row was added: when the last
    // sort was by this key under the settings that hold now and the key's test orders the rows,
    // its row alone is put back where the full sort would put it, reading only the few persons a
    // binary search meets (typing, a new person, on a big tree).
    void sortAfterEditOf(const Clovek* person, PersonSortKey key);
    void sortByName();
    void sortByBirth();
    void sortById();
    void sortByPercent();

    void ensureVisible();
    // Keyboard moves; each shows the person of the selected row.
    void next();
    void previous();
    void pageUp();
    void pageDown();
    // The first and the last row.
    void home();
    void end();

    // Draws the visible rows into the grid's canvas, and button face below the last one.
    void paint();
    // The whole caption of the row drawn at height y when the last paint had to cut it short;
    // empty where the row showed whole or there is none.
    std::string cutCaptionAt(int y) const;

    // The row of the person shown, or none; a row the view frees stops being it.
    Polozka* currentRow() const { return current_; }
    void setCurrentRow(Polozka* row) { current_ = row; }
    // Set while the view moves the scroll bar to follow the selection, so the bar's change
    // handler does not feed the position back.
    bool followingSelection() const { return followingSelection_; }

    Polozka* first = nullptr;
    int selected = 0;
    int top = 0;
    int count = 0;
    int visibleRows = 0;

private:
    // The rows from `first` on; kept from the last sort until rows are added or removed, as
    // walking the chain is a good part of sorting a big list.
    const std::vector<Polozka*>& rowsInOrder();
    // Puts row rowsInOrder()[order[i]] at place i and keeps the current row selected.
    void placeRows(const std::vector<int>& order);
    void showSelected();
    // Unlinks and frees one of this view's rows; the count and selection are the caller's.
    void freeRow(Polozka* row);
    // Moves the scroll bar without feeding its position back into `top`.
    void setBarPosition(int position);
    void setBarMax(int max);

    // Moves the row of the edited person to its place among the others; false when that
    // cannot be told without the full sort.
    bool resortRow(Polozka* row, PersonSortKey key);
    // Moves the row at `mine` to `place` in the rows in order, in place.
    void moveRow(int mine, int place);

    // Where the row of a person stands, from the rows in order; -1 when none shows it.
    int placeOf(const Clovek* person);

    PersonListPort& window_;
    PersonListControls controls_;
    Polozka* current_ = nullptr;
    bool followingSelection_ = false;
    // Per row painted, from the top of the grid: its whole caption where it was cut, else empty.
    std::vector<std::string> cutCaptions_;
    std::vector<Polozka*> inOrder_; // empty when not known
    // The person of each row of `inOrder_`: a person's row is found in one pass over these
    // instead of a visit to every row scattered over memory.
    std::vector<const Clovek*> personsInOrder_;
    // A row added since the last sort, not yet in its place; the others still are.
    const Polozka* unsortedRow_ = nullptr;
    // What the rows were last sorted by; unset when that is not known.
    struct SortedBy {
        std::optional<PersonSortKey> key;
        bool ascending = false;
        // The parts of the caption, for the sort by name.
        bool birthSurname = false;
        bool birthYear = false;
        bool identifier = false;
        bool operator==(const SortedBy&) const = default;
    };
    SortedBy sortedBy_;
    SortedBy sortedByNow(PersonSortKey key) const;
    // The birth test orders the rows unless some year holds both a year alone and a month
    // without a day. The kinds of date seen in each year since the last full sort by birth, and
    // whether a year has held both: a date edited away is not forgotten until that sort, which
    // only sends more edits to it.
    std::unordered_map<int, uint8_t> birthYearKinds_;
    bool mixedBirthYears_ = true;
    void noteBirthKind(const DatumKey& birth);
    void forgetBirthOrderIfMixed();
    // What the last sort by identifier found, where its test was an order: the numbers, the
    // texts that collate before them and those after them. When some identifier was a text,
    // every row holds the key of its identifier, and the bounds of the three bands are known;
    // a row put back alone only widens them.
    struct IdBands {
        bool order = false;
        bool keyed = false;
        bool numbers = false;
        bool lowTexts = false;
        bool highTexts = false;
        std::string lowestNumber, highestNumber, highestLowText, lowestHighText;
    };
    IdBands idBands_;
    // The keys of the captions (or identifiers) of the rows, one per distinct text.
    SharedCollationKeys keys_;
};
