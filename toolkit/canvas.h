#pragma once
// Painting: the program draws the person list and the about box credits on a canvas. Headless
// the canvas records every operation, so tests can read a row's colour and boldness; the
// renderer paints the same calls with the screen's painter.
#include "system/bitmap.h"
#include "toolkit/colors.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

// The picture of an image or a button: one bitmap or none, shared with whoever loaded it.
struct TPicture {
    std::shared_ptr<const TBitmap> Bitmap;
    int Width() const { return Bitmap ? Bitmap->Width() : 0; }
    int Height() const { return Bitmap ? Bitmap->Height() : 0; }
    bool Empty() const { return !Bitmap || Bitmap->Empty(); }
    void Assign(const TBitmap& bitmap) { Bitmap = std::make_shared<const TBitmap>(bitmap); }
    void Clear() { Bitmap.reset(); }
};

struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool operator==(const TRect&) const = default;
};
inline TRect Rect(int left, int top, int right, int bottom)
{
    return {left, top, right, bottom};
}

struct TFont {
    std::string Name = "MS Sans Serif";
    TColor Color = clWindowText;
    int Size = 8; // points
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    int Charset = 1; // kept for the program's own bookkeeping; text is always UTF-8
    bool operator==(const TFont&) const = default;
};

struct TBrush {
    TColor Color = clWhite;
};

struct TPen {
    TColor Color = clBlack;
    int Width = 1;
};

class TCanvas {
public:
    virtual ~TCanvas() = default;
    TBrush Brush;
    TPen Pen;
    TFont Font;

    virtual void FillRect(const TRect& rect) = 0;
    // Text with its top-left corner at (x, y), on the brush colour.
    virtual void TextOut(int x, int y, const std::string& text) = 0;
    virtual int TextWidth(const std::string& text) = 0;
    virtual int TextHeight(const std::string& text) = 0;
    virtual void MoveTo(int x, int y) = 0;
    virtual void LineTo(int x, int y) = 0;
    virtual void Rectangle(const TRect& rect) = 0;
    virtual void Draw(int x, int y, const TBitmap& bitmap) = 0;
    virtual void StretchDraw(const TRect& rect, const TBitmap& bitmap) = 0;
};

// A canvas that keeps what was drawn, for tests and for images whose content is drawn before
// the screen shows them.
class TRecordingCanvas : public TCanvas {
public:
    enum class Op { FillRect, TextOut, LineTo, Rectangle, Draw };
    struct Entry {
        Op op;
        TRect rect; // FillRect, Rectangle, Draw (the target); TextOut: its left/top
        std::string text;
        TColor brushColor;
        TColor penColor;
        TFont font;
        std::shared_ptr<const TBitmap> picture; // Draw: a copy of what was drawn
    };

    void FillRect(const TRect& rect) override;
    void TextOut(int x, int y, const std::string& text) override;
    int TextWidth(const std::string& text) override;
    int TextHeight(const std::string& text) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void Rectangle(const TRect& rect) override;
    void Draw(int x, int y, const TBitmap& bitmap) override;
    void StretchDraw(const TRect& rect, const TBitmap& bitmap) override;

    const std::vector<Entry>& entries() const { return entries_; }
    // Every TextOut, in order.
    std::vector<Entry> texts() const;
    // The last TextOut whose text is `text`, or nullptr.
    const Entry* findText(const std::string& text) const;
    void clear() { entries_.clear(); }

private:
    std::vector<Entry> entries_;
    int penX_ = 0;
    int penY_ = 0;
};

// Width of a text in a recording canvas, and the height of a line of text, as the lines of a
// label follow each other. Headless the width is a fixed advance per character (6 pixels at 8
// points, scaled by the size; bold one pixel wider) and a line 13 pixels at 8 points, so layouts
// are predictable in tests; the renderer installs the screen's font metrics.
int recordedTextWidth(const TFont& font, const std::string& text);
int recordedLineHeight(const TFont& font);
struct TextMeasurer {
    std::function<int(const TFont&, const std::string&)> width;
    std::function<int(const TFont&)> lineHeight;
};
void setTextMeasurer(TextMeasurer measure);
