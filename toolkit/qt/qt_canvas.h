#pragma once
// The platform's canvas painted with QPainter, and the mapping of fonts and colours.
#include "toolkit/canvas.h"

#include <QColor>
#include <QFont>
#include <QString>

class QPainter;

QString toQString(const std::string& text);
std::string fromQString(const QString& text);
QColor toQColor(TColor colour);
TColor fromQColor(const QColor& colour);
// "MS Sans Serif" is the system's sans-serif font, "Courier New" its monospace font.
QFont toQFont(const TFont& font);

class QtCanvas : public TCanvas {
public:
    explicit QtCanvas(QPainter& painter) : painter_(painter) { }
    void FillRect(const TRect& rect) override;
    void TextOut(int x, int y, const std::string& text) override;
    int TextWidth(const std::string& text) override;
    int TextHeight(const std::string& text) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void Rectangle(const TRect& rect) override;
    void Draw(int x, int y, const TBitmap& bitmap) override;
    void StretchDraw(const TRect& rect, const TBitmap& bitmap) override;

    // Paints what a recording canvas holds, in order.
    void replay(const TRecordingCanvas& recording);

private:
    QPainter& painter_;
    int penX_ = 0;
    int penY_ = 0;
};
