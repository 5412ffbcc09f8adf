// Grids and images: controls the program draws on, their drawing kept on a pixmap.
#include "toolkit/qt/qt_bindings.h"

#include "toolkit/application.h"
#include "toolkit/canvas.h"
#include "toolkit/commonctrls.h"
#include "toolkit/grid.h"
#include "toolkit/qt/qt_canvas.h"
#include "toolkit/useractions.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QToolTip>
#include <QWidget>

#include <functional>
#include <memory>

namespace {

// A widget that paints through a callback.
class PaintedWidget : public QWidget {
public:
    explicit PaintedWidget(QWidget* parent) : QWidget(parent) { }
    std::function<void()> onPaint;

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (onPaint)
            onPaint();
    }
};

// Grids and images keep what was drawn on a pixmap, as a screen keeps it: the program draws on
// the control's canvas whenever it likes, and each paint replays the new drawing onto it.
class CanvasBinding : public Binding {
public:
    CanvasBinding(QtRenderer::Impl& renderer, TControl& c, TRecordingCanvas& canvas, QWidget* parent)
        : Binding(renderer, c, new PaintedWidget(parent)), canvas_(canvas)
    {
        static_cast<PaintedWidget*>(widget.data())->onPaint = [this] { paintNow(); };
    }
    void sync() override
    {
        syncCommon();
        // Moves reach the program only where it listens: each one would sync the windows.
        const bool track = bool(control.OnMouseMove);
        if (widget->hasMouseTracking() != track)
            widget->setMouseTracking(track);
        if (!canvas_.entries().empty())
            widget->update();
    }
    bool event(QObject* o, QEvent* e) override
    {
        const auto type = e->type();
        if (type == QEvent::MouseMove && control.OnMouseMove) {
            auto* m = static_cast<QMouseEvent*>(e);
            if (m->buttons() != Qt::NoButton)
                return false;
            const QPoint at = m->position().toPoint();
            const std::string hint = control.Hint;
            user::mouseMove(control, at.x(), at.y(), shiftOf(m->modifiers()));
            // A tip of another part of the control (a row of a list) must not stay up.
            if (control.Hint != hint) {
                QToolTip::hideText();
                this->r.afterDispatch();
            }
            return false;
        }
        if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
            type == QEvent::MouseButtonDblClick) {
            auto* m = static_cast<QMouseEvent*>(e);
            const QPoint at = m->position().toPoint();
            const TShiftState shift = shiftOf(m->modifiers());
            if (m->button() == Qt::LeftButton) {
                if (type == QEvent::MouseButtonRelease)
                    user::click(control, at.x(), at.y());
                else if (type == QEvent::MouseButtonDblClick)
                    user::doubleClick(control, at.x(), at.y());
            } else {
                const TMouseButton b =
                    m->button() == Qt::RightButton ? TMouseButton::mbRight : TMouseButton::mbMiddle;
                if (type == QEvent::MouseButtonPress)
                    user::mouseDown(control, b, at.x(), at.y(), shift);
                else if (type == QEvent::MouseButtonRelease)
                    user::mouseUp(control, b, at.x(), at.y(), shift);
            }
            this->r.afterDispatch();
            return true;
        }
        return Binding::event(o, e);
    }

protected:
    virtual void drawBase(QPixmap& pixmap) { pixmap.fill(toQColor(control.Color)); }
    virtual void askForCells() { }
    void paintNow()
    {
        const QSize size = widget->size();
        if (pixmap_.size() != size) {
            pixmap_ = QPixmap(size.isEmpty() ? QSize(1, 1) : size);
            drawBase(pixmap_);
        }
        askForCells();
        {
            QPainter p(&pixmap_);
            QtCanvas c(p);
            c.replay(canvas_);
        }
        canvas_.clear();
        QPainter wp(widget);
        wp.drawPixmap(0, 0, pixmap_);
    }
    QPixmap pixmap_;
    TRecordingCanvas& canvas_;
};

class GridBinding : public CanvasBinding {
public:
    GridBinding(QtRenderer::Impl& renderer, TDrawGrid& c, QWidget* parent)
        : CanvasBinding(renderer, c, c.Canvas, parent), grid_(c)
    {
        widget->setFocusPolicy(c.TabStop ? Qt::StrongFocus : Qt::NoFocus);
    }

protected:
    void askForCells() override
    {
        Application.guarded([this] { grid_.Paint(); });
    }
    TDrawGrid& grid_;
};

class ImageBinding : public CanvasBinding {
public:
    ImageBinding(QtRenderer::Impl& renderer, TImage& c, QWidget* parent)
        : CanvasBinding(renderer, c, c.Canvas, parent), image_(c)
    {
    }
    void sync() override
    {
        if (shown_ != image_.Picture.Bitmap || stretch_ != image_.Stretch) {
            shown_ = image_.Picture.Bitmap;
            stretch_ = image_.Stretch;
            pixmap_ = QPixmap();
            widget->update();
        }
        CanvasBinding::sync();
    }

protected:
    void drawBase(QPixmap& pixmap) override
    {
        pixmap.fill(image_.Transparent ? Qt::transparent : toQColor(image_.Color));
        if (image_.Picture.Empty())
            return;
        const TBitmap& b = *image_.Picture.Bitmap;
        QImage picture(b.bits(), b.Width(), b.Height(), qsizetype{b.Width()} * 4, QImage::Format_RGBA8888);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        QRect target(0, 0, b.Width(), b.Height());
        if (image_.Stretch) {
            target = QRect(QPoint(0, 0), pixmap.size());
            if (image_.Proportional) {
                QSize s = QSize(b.Width(), b.Height()).scaled(pixmap.size(), Qt::KeepAspectRatio);
                target = QRect(QPoint(0, 0), s);
            }
        }
        if (image_.Center)
            target.moveCenter(QRect(QPoint(0, 0), pixmap.size()).center());
        p.drawImage(target, picture);
    }

private:
    TImage& image_;
    std::shared_ptr<const TBitmap> shown_;
    bool stretch_ = false;
};

} // namespace

std::unique_ptr<Binding> makeGridBinding(QtRenderer::Impl& renderer, TDrawGrid& c, QWidget* parent)
{
    return std::make_unique<GridBinding>(renderer, c, parent);
}

std::unique_ptr<Binding> makeImageBinding(QtRenderer::Impl& renderer, TImage& c, QWidget* parent)
{
    return std::make_unique<ImageBinding>(renderer, c, parent);
}
