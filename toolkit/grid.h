#pragma once
// The draw grid the program paints itself and the separate scroll bar beside it.
#include "toolkit/canvas.h"
#include "toolkit/control.h"

#include <functional>
#include <vector>

struct TGridDrawState {
    bool selected = false;
    bool focused = false;
    bool fixed = false;
};

class TDrawGrid : public TWinControl {
public:
    TDrawGrid(TWinControl* parent, std::string name);

    int ColCount = 5;
    int RowCount = 5;
    int FixedCols = 1;
    int FixedRows = 1;
    int DefaultColWidth = 64;
    int DefaultRowHeight = 24;
    bool DefaultDrawing = true;
    int ColWidths(int col) const;
    int RowHeights(int row) const;
    void setColWidth(int col, int width);
    void setRowHeight(int row, int height);
    TRect CellRect(int col, int row) const;

    // Where the program draws, in paint handlers and outside them alike. Headless it keeps
    // what was drawn; the renderer replays it on the screen and then clears it.
    TRecordingCanvas Canvas;
    std::function<void(int col, int row, const TRect& rect, TGridDrawState state)> OnDrawCell;

    // The screen asks for the cells: OnDrawCell for every cell that fits, top-left first.
    void Paint();
    const char* ClassName() const override { return "TDrawGrid"; }

private:
    std::vector<int> colWidths_;
    std::vector<int> rowHeights_;
};

class TScrollBar : public TWinControl {
public:
    enum TScrollBarKind { sbHorizontal, sbVertical };
    TScrollBar(TWinControl* parent, std::string name);
    TScrollBarKind Kind = sbHorizontal;
    int SmallChange = 1;
    int LargeChange = 1;
    int PageSize = 0;
    TNotifyEvent OnChange;

    int Min() const { return min_; }
    int Max() const { return max_; }
    int Position() const { return position_; }
    // Fires OnChange when the position changes.
    void setPosition(int position);
    // Keep Position within the range; OnChange when that moves it.
    void setMin(int min);
    void setMax(int max);
    const char* ClassName() const override { return "TScrollBar"; }

private:
    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
};
