#include "toolkit/canvas.h"

#include "system/text.h"

void TRecordingCanvas::FillRect(const TRect& rect)
{
    entries_.push_back({Op::FillRect, rect, {}, Brush.Color, Pen.Color, Font, nullptr});
}

void TRecordingCanvas::TextOut(int x, int y, const std::string& text)
{
    TRect r{x, y, x + TextWidth(text), y + TextHeight(text)};
    entries_.push_back({Op::TextOut, r, text, Brush.Color, Pen.Color, Font, nullptr});
    penX_ = r.Right;
    penY_ = y;
}

namespace {
TextMeasurer& measurer()
{
    static TextMeasurer m;
    return m;
}
} // namespace

void setTextMeasurer(TextMeasurer measure)
{
    measurer() = std::move(measure);
}

int recordedTextWidth(const TFont& font, const std::string& text)
{
    if (measurer().width)
        return measurer().width(font, text);
    const int perChar = (6 * font.Size + 4) / 8 + (font.Bold ? 1 : 0);
    return perChar * static_cast<int>(utf8Length(text));
}

int recordedLineHeight(const TFont& font)
{
    if (measurer().lineHeight)
        return measurer().lineHeight(font);
    return (13 * font.Size + 4) / 8;
}

int TRecordingCanvas::TextWidth(const std::string& text)
{
    return recordedTextWidth(Font, text);
}

int TRecordingCanvas::TextHeight(const std::string&)
{
    return recordedLineHeight(Font);
}

void TRecordingCanvas::MoveTo(int x, int y)
{
    penX_ = x;
    penY_ = y;
}

void TRecordingCanvas::LineTo(int x, int y)
{
    entries_.push_back({Op::LineTo, {penX_, penY_, x, y}, {}, Brush.Color, Pen.Color, Font, nullptr});
    penX_ = x;
    penY_ = y;
}

void TRecordingCanvas::Rectangle(const TRect& rect)
{
    entries_.push_back({Op::Rectangle, rect, {}, Brush.Color, Pen.Color, Font, nullptr});
}

void TRecordingCanvas::Draw(int x, int y, const TBitmap& bitmap)
{
    StretchDraw({x, y, x + bitmap.Width(), y + bitmap.Height()}, bitmap);
}

void TRecordingCanvas::StretchDraw(const TRect& rect, const TBitmap& bitmap)
{
    Entry e{Op::Draw, rect, {}, Brush.Color, Pen.Color, Font, nullptr};
    e.picture = std::make_shared<const TBitmap>(bitmap);
    entries_.push_back(e);
}

std::vector<TRecordingCanvas::Entry> TRecordingCanvas::texts() const
{
    std::vector<Entry> out;
    for (const Entry& e : entries_)
        if (e.op == Op::TextOut)
            out.push_back(e);
    return out;
}

const TRecordingCanvas::Entry* TRecordingCanvas::findText(const std::string& text) const
{
    for (auto it = entries_.rbegin(); it != entries_.rend(); ++it)
        if (it->op == Op::TextOut && it->text == text)
            return &*it;
    return nullptr;
}
