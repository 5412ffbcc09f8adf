// List boxes and check list boxes.
#include "toolkit/qt/qt_bindings.h"

#include "toolkit/lists.h"
#include "toolkit/useractions.h"

#include <QListWidget>
#include <QMouseEvent>

#include <cstdint>
#include <string>
#include <vector>

namespace {

class ListBinding : public Binding {
public:
    ListBinding(QtRenderer::Impl& renderer, TListBox& c, QWidget* parent)
        : Binding(renderer, c, new QListWidget(parent)),
          list_(c),
          w_(static_cast<QListWidget*>(widget.data())),
          checks_(dynamic_cast<TCheckListBox*>(&c))
    {
        // Every line is one line of text: without this the view lays out the text of every
        // line of a list of a whole tree after each change.
        w_->setUniformItemSizes(true);
        watch(w_->viewport());
        // A tick the widget flipped by itself is put back to the control's at the next sync.
        QObject::connect(w_, &QListWidget::itemChanged, [this] {
            if (!syncing())
                ticksStale_ = true;
        });
    }
    void sync() override
    {
        const bool common = syncCommon();
        // The stamp covers the ticks too: they are marks of the lines.
        const bool itemsChanged = itemsSeen_ != list_.Items.revision();
        if (itemsChanged) {
            itemsSeen_ = list_.Items.revision();
            std::vector<std::string> items = linesOf(list_.Items);
            if (items != items_) {
                items_ = std::move(items);
                w_->clear();
                w_->addItems(toQStrings(items_));
            }
        }
        const bool ticks = common || itemsChanged || ticksStale_;
        ticksStale_ = false;
        if (checks_ && ticks)
            for (int i = 0; i < w_->count(); ++i) {
                QListWidgetItem* item = w_->item(i);
                // Each change of an item tells the view; a list of a whole tree must not be told
                // a hundred thousand times what it knows already.
                if (!(item->flags() & Qt::ItemIsUserCheckable))
                    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
                const Qt::CheckState state = checks_->Checked(i) ? Qt::Checked : Qt::Unchecked;
                // A line shows its box only once it holds a state, unticked too.
                if (!item->data(Qt::CheckStateRole).isValid() || item->checkState() != state)
                    item->setCheckState(state);
            }
        if (w_->currentRow() != list_.ItemIndex())
            w_->setCurrentRow(list_.ItemIndex());
        if (list_.ItemIndex() < 0)
            w_->clearSelection();
    }
    bool event(QObject* o, QEvent* e) override
    {
        if (o == w_->viewport()) {
            const auto type = e->type();
            if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) {
                auto* m = static_cast<QMouseEvent*>(e);
                if (m->button() != Qt::LeftButton)
                    return false;
                const QPoint at = m->position().toPoint();
                const QModelIndex index = w_->indexAt(at);
                const int row = index.isValid() ? index.row() : -1;
                if (type == QEvent::MouseButtonDblClick) {
                    user::doubleClickLine(list_, row);
                } else if (checks_ && row >= 0 && at.x() < w_->visualRect(index).left() + 20) {
                    user::tick(*checks_, row);
                } else if (row >= 0) {
                    user::pick(list_, row);
                } else {
                    user::focus(list_);
                }
                this->r.afterDispatch();
                return true;
            }
            if (type == QEvent::MouseButtonRelease || type == QEvent::MouseMove)
                return static_cast<QMouseEvent*>(e)->buttons() != Qt::NoButton ||
                       type == QEvent::MouseButtonRelease;
        }
        return Binding::event(o, e);
    }

private:
    TListBox& list_;
    QListWidget* w_;
    TCheckListBox* checks_;
    std::vector<std::string> items_;
    std::uint64_t itemsSeen_ = UINT64_MAX;
    bool ticksStale_ = false;
};

} // namespace

std::unique_ptr<Binding> makeListBinding(QtRenderer::Impl& renderer, TListBox& c, QWidget* parent)
{
    return std::make_unique<ListBinding>(renderer, c, parent);
}
