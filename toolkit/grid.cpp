#include "toolkit/grid.h"

#include <algorithm>

TDrawGrid::TDrawGrid(TWinControl* parent, std::string name) : TWinControl(parent, std::move(name))
{
    Color = clWindow;
}

int TDrawGrid::ColWidths(int col) const
{
    if (col >= 0 && col < static_cast<int>(colWidths_.size()) && colWidths_[static_cast<size_t>(col)] >= 0)
        return colWidths_[static_cast<size_t>(col)];
    return DefaultColWidth;
}

int TDrawGrid::RowHeights(int row) const
{
    if (row >= 0 && row < static_cast<int>(rowHeights_.size()) && rowHeights_[static_cast<size_t>(row)] >= 0)
        return rowHeights_[static_cast<size_t>(row)];
    return DefaultRowHeight;
}

void TDrawGrid::setColWidth(int col, int width)
{
    if (col < 0)
        return;
    if (static_cast<int>(colWidths_.size()) <= col)
        colWidths_.resize(static_cast<size_t>(col) + 1, -1);
    colWidths_[static_cast<size_t>(col)] = width;
}

void TDrawGrid::setRowHeight(int row, int height)
{
    if (row < 0)
        return;
    if (static_cast<int>(rowHeights_.size()) <= row)
        rowHeights_.resize(static_cast<size_t>(row) + 1, -1);
    rowHeights_[static_cast<size_t>(row)] = height;
}

TRect TDrawGrid::CellRect(int col, int row) const
{
    int left = 0;
    for (int c = 0; c < col; ++c)
        left += ColWidths(c);
    int top = 0;
    for (int r = 0; r < row; ++r)
        top += RowHeights(r);
    return {left, top, left + ColWidths(col), top + RowHeights(row)};
}

void TDrawGrid::Paint()
{
    if (!OnDrawCell)
        return;
    int top = 0;
    for (int r = 0; r < RowCount && top < Height; ++r) {
        int left = 0;
        for (int c = 0; c < ColCount && left < Width; ++c) {
            TGridDrawState state;
            state.fixed = r < FixedRows || c < FixedCols;
            OnDrawCell(c, r, CellRect(c, r), state);
            left += ColWidths(c);
        }
        top += RowHeights(r);
    }
}

TScrollBar::TScrollBar(TWinControl* parent, std::string name) : TWinControl(parent, std::move(name)) { }

void TScrollBar::setPosition(int position)
{
    position = std::clamp(position, min_, std::max(min_, max_));
    if (position == position_)
        return;
    position_ = position;
    if (OnChange)
        OnChange();
}

void TScrollBar::setMin(int min)
{
    min_ = min;
    if (max_ < min_)
        max_ = min_;
    setPosition(position_);
}

void TScrollBar::setMax(int max)
{
    max_ = max;
    if (min_ > max_)
        min_ = max_;
    setPosition(position_);
}
