#include "toolkit/qt/qt_canvas.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

QString toQString(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string fromQString(const QString& text)
{
    return text.toUtf8().toStdString();
}

QColor toQColor(TColor colour)
{
    return QColor(GetRValue(colour), GetGValue(colour), GetBValue(colour));
}

TColor fromQColor(const QColor& colour)
{
    return RGB(colour.red(), colour.green(), colour.blue());
}

QFont toQFont(const TFont& f)
{
    QFont font;
    if (f.Name == "Courier New" || f.Name == "Courier") {
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    } else if (f.Name == "MS Sans Serif" || f.Name.empty()) {
        font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    } else {
        font = QFont(toQString(f.Name));
        font.setStyleHint(QFont::SansSerif);
    }
    font.setPointSize(f.Size > 0 ? f.Size : 8);
    font.setBold(f.Bold);
    font.setItalic(f.Italic);
    font.setUnderline(f.Underline);
    return font;
}

namespace {
QImage toQImage(const TBitmap& bitmap)
{
    QImage image(bitmap.bits(), bitmap.Width(), bitmap.Height(), qsizetype{bitmap.Width()} * 4,
                 QImage::Format_RGBA8888);
    return image.copy();
}
} // namespace

void QtCanvas::FillRect(const TRect& rect)
{
    painter_.fillRect(QRect(rect.Left, rect.Top, rect.Width(), rect.Height()), toQColor(Brush.Color));
}

void QtCanvas::TextOut(int x, int y, const std::string& text)
{
    const QFont font = toQFont(Font);
    const QFontMetrics metrics(font);
    const QString s = toQString(text);
    // Measuring shapes the whole text: once is enough.
    const int width = metrics.horizontalAdvance(s);
    painter_.fillRect(QRect(x, y, width, metrics.height()), toQColor(Brush.Color));
    painter_.setFont(font);
    painter_.setPen(toQColor(Font.Color));
    painter_.drawText(x, y + metrics.ascent(), s);
    penX_ = x + width;
    penY_ = y;
}

int QtCanvas::TextWidth(const std::string& text)
{
    return QFontMetrics(toQFont(Font)).horizontalAdvance(toQString(text));
}

int QtCanvas::TextHeight(const std::string&)
{
    return QFontMetrics(toQFont(Font)).height();
}

void QtCanvas::MoveTo(int x, int y)
{
    penX_ = x;
    penY_ = y;
}

void QtCanvas::LineTo(int x, int y)
{
    painter_.setPen(QPen(toQColor(Pen.Color), Pen.Width));
    painter_.drawLine(penX_, penY_, x, y);
    penX_ = x;
    penY_ = y;
}

void QtCanvas::Rectangle(const TRect& rect)
{
    painter_.setPen(QPen(toQColor(Pen.Color), Pen.Width));
    painter_.setBrush(toQColor(Brush.Color));
    painter_.drawRect(rect.Left, rect.Top, rect.Width() - 1, rect.Height() - 1);
    painter_.setBrush(Qt::NoBrush);
}

void QtCanvas::Draw(int x, int y, const TBitmap& bitmap)
{
    painter_.drawImage(QPoint(x, y), toQImage(bitmap));
}

void QtCanvas::StretchDraw(const TRect& rect, const TBitmap& bitmap)
{
    painter_.setRenderHint(QPainter::SmoothPixmapTransform);
    painter_.drawImage(QRect(rect.Left, rect.Top, rect.Width(), rect.Height()), toQImage(bitmap));
}

void QtCanvas::replay(const TRecordingCanvas& recording)
{
    using Op = TRecordingCanvas::Op;
    for (const auto& e : recording.entries()) {
        Brush.Color = e.brushColor;
        Pen.Color = e.penColor;
        Font = e.font;
        switch (e.op) {
        case Op::FillRect:
            FillRect(e.rect);
            break;
        case Op::TextOut:
            TextOut(e.rect.Left, e.rect.Top, e.text);
            break;
        case Op::LineTo:
            MoveTo(e.rect.Left, e.rect.Top);
            LineTo(e.rect.Right, e.rect.Bottom);
            break;
        case Op::Rectangle:
            Rectangle(e.rect);
            break;
        case Op::Draw:
            if (e.picture)
                StretchDraw(e.rect, *e.picture);
            break;
        }
    }
}
