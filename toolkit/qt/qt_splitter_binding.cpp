// The splitter between two columns of controls.
#include "toolkit/qt/qt_bindings.h"

#include "toolkit/splitter.h"

#include <QMouseEvent>

namespace {

class SplitterBinding : public Binding {
public:
    SplitterBinding(QtRenderer::Impl& renderer, TSplitter& c, QWidget* parent)
        : Binding(renderer, c, new QWidget(parent)), splitter_(c)
    {
        widget->setCursor(Qt::SplitHCursor);
        watch(widget);
    }
    bool event(QObject*, QEvent* e) override
    {
        // The controls move once, when the button is let go: each move lays out the whole window.
        if (e->type() == QEvent::MouseButtonPress) {
            from_ = static_cast<QMouseEvent*>(e)->globalPosition().toPoint().x();
            return true;
        }
        if (e->type() == QEvent::MouseButtonRelease) {
            const int dx = static_cast<QMouseEvent*>(e)->globalPosition().toPoint().x() - from_;
            splitter_.userDrag(dx);
            r.afterDispatch();
            return true;
        }
        return false;
    }

private:
    TSplitter& splitter_;
    int from_ = 0;
};

} // namespace

std::unique_ptr<Binding> makeSplitterBinding(QtRenderer::Impl& renderer, TSplitter& c, QWidget* parent)
{
    return std::make_unique<SplitterBinding>(renderer, c, parent);
}
