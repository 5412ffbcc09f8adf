// Controls that hold others: group boxes, panels, radio groups, page controls and their pages.
#include "toolkit/qt/qt_bindings.h"

#include "toolkit/pagecontrol.h"
#include "toolkit/qt/qt_canvas.h"
#include "toolkit/stdctrls.h"
#include "toolkit/useractions.h"

#include <QFrame>
#include <QGroupBox>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace {

class GroupBoxBinding : public Binding {
public:
    GroupBoxBinding(QtRenderer::Impl& renderer, TWinControl& c, QWidget* parent)
        : Binding(renderer, c, new QGroupBox(parent))
    {
    }
    void sync() override
    {
        syncCommon();
        auto* box = static_cast<QGroupBox*>(widget.data());
        const QString text = toQString(control.Caption);
        if (box->title() != text)
            box->setTitle(text);
    }
};

class PanelBinding : public Binding {
public:
    PanelBinding(QtRenderer::Impl& renderer, TPanel& c, QWidget* parent)
        : Binding(renderer, c, new QFrame(parent)), panel_(c)
    {
    }
    void sync() override
    {
        const bool common = syncCommon();
        if (!changedFrom(shown_, Shown{panel_.BevelOuter, panel_.Color}) && !common)
            return;
        auto* frame = static_cast<QFrame*>(widget.data());
        const int shape = panel_.BevelOuter == TPanel::bvNone ? QFrame::NoFrame : QFrame::Panel;
        const int shadow = panel_.BevelOuter == TPanel::bvLowered ? QFrame::Sunken : QFrame::Raised;
        if (frame->frameStyle() != (shape | shadow))
            frame->setFrameStyle(shape | shadow);
        frame->setAutoFillBackground(true);
        QPalette p = frame->palette();
        p.setColor(QPalette::Window, toQColor(panel_.Color));
        frame->setPalette(p);
    }

private:
    struct Shown {
        TPanel::TBevelCut bevel;
        TColor color;
        bool operator==(const Shown&) const = default;
    };
    TPanel& panel_;
    std::optional<Shown> shown_;
};

class RadioGroupBinding : public Binding {
public:
    RadioGroupBinding(QtRenderer::Impl& renderer, TRadioGroup& c, QWidget* parent)
        : Binding(renderer, c, new QGroupBox(parent)), group_(c)
    {
    }
    void sync() override
    {
        syncCommon();
        auto* box = static_cast<QGroupBox*>(widget.data());
        const QString title = toQString(control.Caption);
        if (box->title() != title)
            box->setTitle(title);
        bool itemsChanged = false;
        if (itemsSeen_ != group_.Items.revision()) {
            itemsSeen_ = group_.Items.revision();
            std::vector<std::string> items = linesOf(group_.Items);
            itemsChanged = items != items_;
            if (itemsChanged)
                items_ = std::move(items);
        }
        if (itemsChanged || columns_ != group_.Columns || size_ != widget->size()) {
            columns_ = group_.Columns;
            size_ = widget->size();
            rebuild();
        }
        for (size_t i = 0; i < buttons_.size(); ++i) {
            const bool on = static_cast<int>(i) == group_.ItemIndex();
            if (buttons_[i]->isChecked() != on)
                buttons_[i]->setChecked(on);
            if (buttons_[i]->font() != widget->font())
                buttons_[i]->setFont(widget->font());
        }
    }

    // The chosen button (the first when none is), as a person tabbing into the group sees it.
    QWidget* focusTarget() override
    {
        if (buttons_.empty())
            return widget;
        const int i = group_.ItemIndex();
        return i >= 0 && i < static_cast<int>(buttons_.size()) ? buttons_[static_cast<size_t>(i)]
                                                               : buttons_.front();
    }

private:
    void rebuild()
    {
        for (QRadioButton* b : buttons_)
            delete b;
        buttons_.clear();
        const int n = static_cast<int>(items_.size());
        const int columns = std::max(1, columns_);
        const int rows = std::max(1, (n + columns - 1) / columns);
        const int top = 16;
        const int cellW = std::max(1, (control.Width - 8) / columns);
        const int cellH = std::max(1, (control.Height - top - 4) / rows);
        for (int i = 0; i < n; ++i) {
            auto* b = new QRadioButton(toQString(items_[static_cast<size_t>(i)]), widget);
            b->setFont(widget->font());
            buttons_.push_back(b);
        }
        const std::vector<int> widths = columnWidths(columns, rows, cellW);
        for (int i = 0; i < n; ++i) {
            QRadioButton* b = buttons_[static_cast<size_t>(i)];
            int x = 4;
            for (int c = 0; c < i / rows; ++c)
                x += widths[static_cast<size_t>(c)];
            b->setAutoExclusive(false);
            b->setGeometry(x, top + (i % rows) * cellH, widths[static_cast<size_t>(i / rows)],
                           std::min(cellH, 20));
            b->show();
            watch(b);
            QObject::connect(b, &QRadioButton::clicked, [this, i] {
                if (!syncing()) {
                    user::pick(group_, i);
                    this->r.afterDispatch();
                }
            });
        }
    }
    // Equal columns as the layout gives them, unless an item's text is wider than its column
    // (this platform's sans-serif font runs wider than the one the layout was drawn for): then
    // each column gets what its widest item needs and the room left is shared out evenly.
    std::vector<int> columnWidths(int columns, int rows, int cellW) const
    {
        std::vector<int> need(static_cast<size_t>(columns), 0);
        for (size_t i = 0; i < buttons_.size(); ++i) {
            int& w = need[i / static_cast<size_t>(rows)];
            w = std::max(w, buttons_[i]->sizeHint().width());
        }
        int total = 0;
        bool tooNarrow = false;
        for (int w : need) {
            total += w;
            tooNarrow = tooNarrow || w > cellW;
        }
        const int room = control.Width - 8 - total;
        if (!tooNarrow || room < 0)
            return std::vector<int>(static_cast<size_t>(columns), cellW);
        for (int& w : need)
            w += room / columns;
        return need;
    }
    TRadioGroup& group_;
    std::vector<std::string> items_;
    std::uint64_t itemsSeen_ = UINT64_MAX;
    int columns_ = -1;
    QSize size_;
    std::vector<QRadioButton*> buttons_;
};

class PageControlBinding : public Binding {
public:
    PageControlBinding(QtRenderer::Impl& renderer, TPageControl& c, QWidget* parent)
        : Binding(renderer, c, new QTabWidget(parent)), pages_(c), w_(static_cast<QTabWidget*>(widget.data()))
    {
        watch(w_->tabBar());
        QObject::connect(w_->tabBar(), &QTabBar::tabBarClicked, [this](int index) {
            if (syncing() || index < 0 || index >= pages_.PageCount())
                return;
            user::selectTab(pages_, *pages_.Pages(index));
            this->r.afterDispatch();
        });
        QObject::connect(w_, &QTabWidget::currentChanged, [this](int index) {
            if (syncing() || index < 0 || index >= pages_.PageCount())
                return;
            if (pages_.Pages(index) != pages_.ActivePage())
                user::selectTab(pages_, *pages_.Pages(index));
            this->r.afterDispatch();
        });
    }
    // The tab sheet's page, made here so the tab widget owns it.
    QWidget* addPage(TTabSheet& sheet)
    {
        auto* page = new QWidget();
        w_->insertTab(sheet.PageIndex(), page, toQString(sheet.Caption));
        return page;
    }
    void sync() override
    {
        syncCommon();
        for (int i = 0; i < pages_.PageCount() && i < w_->count(); ++i) {
            TTabSheet* sheet = pages_.Pages(i);
            const QString text = toQString(sheet->Caption);
            if (w_->tabText(i) != text)
                w_->setTabText(i, text);
            if (w_->isTabVisible(i) != (sheet->TabVisible() && sheet->Visible))
                w_->setTabVisible(i, sheet->TabVisible() && sheet->Visible);
            if (w_->isTabEnabled(i) != sheet->Enabled)
                w_->setTabEnabled(i, sheet->Enabled);
        }
        const int active = pages_.ActivePageIndex();
        if (active >= 0 && w_->currentIndex() != active)
            w_->setCurrentIndex(active);
    }

private:
    TPageControl& pages_;
    QTabWidget* w_;
};

class TabSheetBinding : public Binding {
public:
    TabSheetBinding(QtRenderer::Impl& renderer, TTabSheet& c, QWidget* page) : Binding(renderer, c, page) { }
    // The tab widget places and shows its pages.
    void sync() override { }
};

} // namespace

std::unique_ptr<Binding> makeGroupBoxBinding(QtRenderer::Impl& renderer, TGroupBox& c, QWidget* parent)
{
    return std::make_unique<GroupBoxBinding>(renderer, c, parent);
}

std::unique_ptr<Binding> makePanelBinding(QtRenderer::Impl& renderer, TPanel& c, QWidget* parent)
{
    return std::make_unique<PanelBinding>(renderer, c, parent);
}

std::unique_ptr<Binding> makeRadioGroupBinding(QtRenderer::Impl& renderer, TRadioGroup& c, QWidget* parent)
{
    return std::make_unique<RadioGroupBinding>(renderer, c, parent);
}

std::unique_ptr<Binding> makePageControlBinding(QtRenderer::Impl& renderer, TPageControl& c, QWidget* parent)
{
    return std::make_unique<PageControlBinding>(renderer, c, parent);
}

std::unique_ptr<Binding> makeTabSheetBinding(QtRenderer::Impl& renderer, TTabSheet& sheet)
{
    Binding* pages = renderer.bindingOf(*sheet.PageControl());
    return std::make_unique<TabSheetBinding>(renderer, sheet,
                                             static_cast<PageControlBinding&>(*pages).addPage(sheet));
}
