// A label: its caption in its box, shortened with "…" where it does not fit.
#include "toolkit/qt/qt_bindings.h"

#include "toolkit/control.h"
#include "toolkit/qt/qt_canvas.h"
#include "toolkit/useractions.h"

#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>

#include <algorithm>
#include <optional>

namespace {

class LabelBinding : public Binding {
public:
    LabelBinding(QtRenderer::Impl& renderer, TLabel& c, QWidget* parent)
        : Binding(renderer, c, new QLabel(parent)), label_(c), w_(static_cast<QLabel*>(widget.data()))
    {
    }
    void sync() override
    {
        const bool common = syncCommon();
        const bool own = changedFrom(shown_, Shown{label_.Alignment, label_.AutoSize, label_.WordWrap,
                                                   label_.Transparent, label_.Color});
        if (!common && !own)
            return;
        // A line wider than its fixed box ends in "…" inside it, the whole text in the tooltip,
        // rather than running under the controls beside it or losing its end unmarked.
        const QString full = toQString(label_.Caption);
        QString shown = full;
        bool cut = false;
        if (!label_.WordWrap && !label_.AutoSize) {
            const QFontMetrics metrics(w_->font());
            QStringList lines = full.split('\n');
            for (QString& line : lines) {
                const QString fitted = metrics.elidedText(line, Qt::ElideRight, std::max(label_.Width, 0));
                if (fitted != line) {
                    line = fitted;
                    cut = true;
                }
            }
            if (cut)
                shown = lines.join('\n');
        }
        if (w_->text() != shown)
            w_->setText(shown);
        if (cut && w_->toolTip().isEmpty())
            w_->setToolTip(toolTipOf(label_.Caption));
        w_->setWordWrap(label_.WordWrap);
        Qt::Alignment a = label_.Alignment == TLabel::taCenter         ? Qt::AlignHCenter
                          : label_.Alignment == TLabel::taRightJustify ? Qt::AlignRight
                                                                       : Qt::AlignLeft;
        // A shortened line fills its box: it starts at the left, as its beginning matters most.
        if (cut && a != Qt::AlignLeft)
            a = Qt::AlignLeft;
        if (w_->alignment() != (a | Qt::AlignTop))
            w_->setAlignment(a | Qt::AlignTop);
        QPalette p = w_->palette();
        p.setColor(QPalette::WindowText, toQColor(label_.Font.Color));
        p.setColor(QPalette::Window, toQColor(label_.Color));
        w_->setPalette(p);
        w_->setAutoFillBackground(!label_.Transparent);
        if (label_.AutoSize && !label_.WordWrap) {
            const int wanted = std::max(label_.Width, w_->sizeHint().width());
            if (w_->width() != wanted)
                w_->resize(wanted, std::max(label_.Height, w_->sizeHint().height()));
        }
    }
    bool event(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::MouseButtonRelease &&
            static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
            const QPoint at = static_cast<QMouseEvent*>(e)->position().toPoint();
            user::click(control, at.x(), at.y());
            this->r.afterDispatch();
            return true;
        }
        return Binding::event(o, e);
    }

private:
    // The label's own fields; its caption, size and font are the common ones.
    struct Shown {
        TLabel::TAlignment alignment;
        bool autoSize, wordWrap, transparent;
        TColor color;
        bool operator==(const Shown&) const = default;
    };
    TLabel& label_;
    QLabel* w_;
    std::optional<Shown> shown_;
};

} // namespace

std::unique_ptr<Binding> makeLabelBinding(QtRenderer::Impl& renderer, TLabel& c, QWidget* parent)
{
    return std::make_unique<LabelBinding>(renderer, c, parent);
}
