#include "shell/scroll.h"

#include "model/clovek.h"
#include "model/rod.h"
#include "model/svatba.h"
#include "shell/settings.h"
#include "system/numbers.h"
#include "system/text.h"
#include "toolkit/grid.h"
#include "toolkit/stdctrls.h"
#include "toolkit/text_lines.h"

#include <algorithm>

Scroll::Scroll(PersonListPort& window, const PersonListControls& controls, int rows)
    : visibleRows(rows), window_(window), controls_(controls)
{
    controls_.scrollingBar.setPosition(0);
    controls_.scrollingBar.setMax(0);
    controls_.scrollingBar.setPosition(0);
}

Scroll::~Scroll()
{
    clear();
}

void Scroll::fill()
{
    if (first)
        clear();
    // The share of filled fields is worked out here, for the percent column and its sort.
    if (Rod* tree = window_.currentTree())
        for (Clovek* p = tree->firstPerson; p; p = p->chainNext) {
            p->updatePercentFilled();
            add(p);
        }
    controls_.scrollingBar.setPosition(0);
    setBarMax(std::max(count - visibleRows, 0));
    controls_.scrollingBar.setPosition(top);
}

void Scroll::clear()
{
    for (Polozka* row = first; row;) {
        Polozka* following = row->next;
        // The current row never outlives the row it names.
        if (current_ == row)
            current_ = nullptr;
        delete row;
        row = following;
    }
    first = nullptr;
    inOrder_.clear();
    personsInOrder_.clear();
    unsortedRow_ = nullptr;
    // The rows that come next stand in no known order.
    sortedBy_ = SortedBy();
    keys_.clear();
    selected = top = count = 0;
}

void Scroll::add(Clovek* person)
{
    auto* row = new Polozka(person);
    // The new row goes in front of rows that stay sorted among themselves: the list knows its
    // order still, and the next sort by name puts this one row in place alone.
    if (!inOrder_.empty()) {
        inOrder_.insert(inOrder_.begin(), row);
        personsInOrder_.insert(personsInOrder_.begin(), person);
        if (unsortedRow_)
            sortedBy_ = SortedBy();
        unsortedRow_ = row;
    }
    row->next = first;
    if (first)
        first->prev = row;
    first = row;
    ++count;
    if (count > visibleRows)
        setBarMax(controls_.scrollingBar.Max() + 1);
}

void Scroll::remove(Polozka* row)
{
    // The row must be one of ours: unlinking a foreign row would break both chains.
    const int at = row ? indexOf(row) : -1;
    if (at < 0)
        return;
    // The rows left keep their order: the list stays known and sorted.
    if (!inOrder_.empty()) {
        inOrder_.erase(inOrder_.begin() + at);
        personsInOrder_.erase(personsInOrder_.begin() + at);
    }
    if (unsortedRow_ == row)
        unsortedRow_ = nullptr;
    forgetBirthOrderIfMixed();
    freeRow(row);
    int oldCount = count--;
    if (oldCount == selected + 1)
        --selected;
    if (count >= visibleRows)
        setBarMax(controls_.scrollingBar.Max() - 1);
    ensureVisible();
}

int Scroll::indexOf(const Polozka* row) const
{
    if (!inOrder_.empty()) {
        // Mostly the selected row is asked for.
        if (selected >= 0 && size_t(selected) < inOrder_.size() && inOrder_[size_t(selected)] == row)
            return selected;
        auto at = std::find(inOrder_.begin(), inOrder_.end(), row);
        return at == inOrder_.end() ? -1 : int(at - inOrder_.begin());
    }
    int i = 0;
    for (Polozka* r = first; r; r = r->next, ++i)
        if (r == row)
            return i;
    return -1;
}

void Scroll::freeRow(Polozka* row)
{
    if (row->prev)
        row->prev->next = row->next;
    else
        first = row->next;
    if (row->next)
        row->next->prev = row->prev;
    if (current_ == row)
        current_ = nullptr;
    keys_.release(row->textKey);
    delete row;
}

void Scroll::removeRowsOf(const std::function<bool(const Clovek*)>& leaving)
{
    inOrder_.clear();
    personsInOrder_.clear();
    unsortedRow_ = nullptr;
    forgetBirthOrderIfMixed();
    for (Polozka* row = first; row;) {
        Polozka* following = row->next;
        if (leaving(row->person)) {
            freeRow(row);
            --count;
        }
        row = following;
    }
    selected = std::min(selected, count - 1);
    setBarMax(std::max(count - visibleRows, 0));
    ensureVisible();
}

void Scroll::forgetBirthOrderIfMixed()
{
    // Where the birth test is no order, the rows left by a row that goes need not stand as the
    // passes would leave them.
    if (sortedBy_.key == PersonSortKey::byBirth && mixedBirthYears_)
        sortedBy_ = SortedBy();
}

int Scroll::placeOf(const Clovek* person)
{
    const std::vector<Polozka*>& rows = rowsInOrder();
    const auto at = std::find(personsInOrder_.begin(), personsInOrder_.end(), person);
    return at == personsInOrder_.end() || rows.empty() ? -1 : int(at - personsInOrder_.begin());
}

Polozka* Scroll::rowOf(const Clovek* person) const
{
    if (!inOrder_.empty()) {
        const auto at = std::find(personsInOrder_.begin(), personsInOrder_.end(), person);
        return at == personsInOrder_.end() ? nullptr : inOrder_[size_t(at - personsInOrder_.begin())];
    }
    for (Polozka* r = first; r; r = r->next)
        if (r->person == person)
            return r;
    return nullptr;
}

Polozka* Scroll::rowAt(int index) const
{
    if (index < 0)
        return nullptr;
    // The rows in order are known after a sort: no walk through half the list to paint.
    if (!inOrder_.empty())
        return size_t(index) < inOrder_.size() ? inOrder_[size_t(index)] : nullptr;
    Polozka* r = first;
    for (int i = 0; r && i < index; ++i)
        r = r->next;
    return r;
}

Polozka* Scroll::locate(Clovek* person)
{
    Polozka* found = nullptr;
    if (person) {
        selected = placeOf(person);
        found = selected < 0 ? nullptr : inOrder_[size_t(selected)];
    } else {
        selected = std::min(selected, count - 1);
        if (count > 0) {
            selected = std::max(selected, 0);
            found = rowAt(selected);
        } else {
            selected = -1;
        }
    }
    ensureVisible();
    return found;
}

Polozka* Scroll::selectedRow() const
{
    if (selected < 0)
        return first;
    return rowAt(selected);
}

Polozka* Scroll::selectCurrent(Polozka* row)
{
    // A row the view does not hold (a person outside the shown group) selects nothing rather
    // than a place past the last row.
    selected = row ? indexOf(row) : -1;
    return selected < 0 ? nullptr : row;
}

void Scroll::setBarPosition(int position)
{
    bool was = followingSelection_;
    followingSelection_ = true;
    controls_.scrollingBar.setPosition(position);
    followingSelection_ = was;
}

void Scroll::setBarMax(int max)
{
    controls_.scrollingBar.setMax(max);
}

void Scroll::ensureVisible()
{
    if (selected == -1) {
        top = 0;
        setBarPosition(0);
        return;
    }
    if (selected < top)
        top = selected;
    if (selected >= top + visibleRows)
        top = selected - visibleRows + 1;
    if (top < 0)
        top = 0;
    setBarPosition(top);
}

void Scroll::showSelected()
{
    current_ = selectedRow();
    if (current_)
        window_.showPerson(current_->person);
}

void Scroll::next()
{
    if (selected >= count - 1)
        return;
    ++selected;
    if (selected >= top + visibleRows) {
        ++top;
        controls_.scrollingBar.setPosition(controls_.scrollingBar.Position() + 1);
    }
    showSelected();
}

void Scroll::previous()
{
    if (selected <= 0)
        return;
    --selected;
    if (selected < top) {
        --top;
        controls_.scrollingBar.setPosition(controls_.scrollingBar.Position() - 1);
    }
    showSelected();
}

void Scroll::pageUp()
{
    if (selected == top) {
        if (selected < visibleRows) {
            selected = top = 0;
            controls_.scrollingBar.setPosition(0);
        } else {
            selected = top = selected - visibleRows;
            controls_.scrollingBar.setPosition(controls_.scrollingBar.Position() - visibleRows);
        }
    } else {
        selected = top;
    }
    showSelected();
}

void Scroll::home()
{
    if (count == 0)
        return;
    selected = top = 0;
    controls_.scrollingBar.setPosition(0);
    showSelected();
}

void Scroll::end()
{
    if (count == 0)
        return;
    selected = count - 1;
    top = std::max(count - visibleRows, 0);
    controls_.scrollingBar.setPosition(controls_.scrollingBar.Max());
    showSelected();
}

void Scroll::pageDown()
{
    if (top + visibleRows == selected + 1) {
        if (selected + visibleRows < count) {
            selected += visibleRows;
            top += visibleRows;
            controls_.scrollingBar.setPosition(controls_.scrollingBar.Position() + visibleRows);
        } else {
            selected = count - 1;
            top = std::max(count - visibleRows, 0);
            controls_.scrollingBar.setPosition(controls_.scrollingBar.Max());
        }
    } else {
        selected = std::min(top + visibleRows - 1, count - 1);
    }
    showSelected();
}

namespace {

constexpr int percentWidth = 40;

bool isParentOf(const Clovek* parent, const Clovek* child)
{
    return child && parent && (child->father == parent || child->mother == parent);
}

} // namespace

void Scroll::paint()
{
    TDrawGrid& grid = controls_.scrolling;
    TCanvas& canvas = grid.Canvas;
    grid.Canvas.clear(); // the grid is one cell: every paint draws all of it
    const Nastaveni& s = window_.programSettings();
    const Clovek* p = window_.shownPerson();
    int width = grid.Width;
    int end = std::min(top + visibleRows, count);
    cutCaptions_.clear();
    Polozka* row = rowAt(top);
    for (int i = top; i < end && row; ++i, row = row->next) {
        int y = (i - top) * personListRowHeight;
        const Clovek* person = row->person;
        bool isSelected = i == selected;
        canvas.Brush.Color = isSelected ? clBlack : clBtnFace;
        canvas.FillRect(Rect(0, y, width, y + personListRowHeight));
        canvas.Font.Name = "MS Sans Serif";
        if (isSelected) {
            canvas.Font.Color = s.colourActive;
            canvas.Font.Bold = true;
        } else {
            canvas.Font.Color = clBlack;
            canvas.Font.Bold = false;
            if (p) {
                if (isParentOf(person, p)) {
                    canvas.Font.Color = s.colourParents;
                    canvas.Font.Bold = true;
                }
                if (isParentOf(person, p->father) || isParentOf(person, p->mother))
                    canvas.Font.Color = s.colourParents;
                if (isParentOf(p, person)) {
                    canvas.Font.Color = s.colourChildren;
                    canvas.Font.Bold = true;
                }
                if (isParentOf(p, person->father) || isParentOf(p, person->mother))
                    canvas.Font.Color = s.colourChildren;
                if ((p->father && p->father == person->father) || (p->mother && p->mother == person->mother))
                    canvas.Font.Color = s.colourSiblings;
                for (UkSvatba* entry : p->partnerships.items<UkSvatba>())
                    if (entry->partnership->otherPartner(p) == person) {
                        canvas.Font.Color = s.colourPartners;
                        break;
                    }
            }
        }
        const bool percents = controls_.zobrazitProcenta.Checked();
        std::string caption = person->displayName(s.showBirthSurname, s.showBirth, s.showNumber);
        // A long name would otherwise run under the share beside it, cut with no sign.
        std::string shown = fittedLine(canvas.Font, caption, percents ? width - percentWidth - 4 : width);
        canvas.TextOut(0, y, shown);
        cutCaptions_.push_back(shown == caption ? std::string() : std::move(caption));
        if (percents) {
            canvas.Font.Name = "Courier New";
            std::string percent = intToStr(person->percentFilled);
            if (percent.size() < 3)
                percent.insert(0, 3 - percent.size(), ' ');
            canvas.FillRect(Rect(width - percentWidth, y, width, y + personListRowHeight));
            canvas.TextOut(width - percentWidth, y, percent + " %");
        }
    }
    if (count < top + visibleRows) {
        canvas.Brush.Color = clBtnFace;
        int y = std::max(count - top, 0) * personListRowHeight;
        canvas.FillRect(Rect(0, y, width, grid.Height));
    }
}

std::string Scroll::cutCaptionAt(int y) const
{
    if (y < 0)
        return {};
    const size_t row = size_t(y / personListRowHeight);
    return row < cutCaptions_.size() ? cutCaptions_[row] : std::string();
}
