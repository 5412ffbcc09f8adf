// Push buttons, tool buttons, check boxes and radio buttons.
#include "toolkit/qt/qt_bindings.h"

#include "toolkit/form.h"
#include "toolkit/qt/qt_canvas.h"
#include "toolkit/stdctrls.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QIcon>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QToolButton>

#include <memory>
#include <string>

namespace {

// Every sync passes the caption again, after each thing a person does: only a changed text is
// handed to the widget, so an unchanged one costs no relayout.
template<class Widget> void showText(Widget* widget, const std::string& text)
{
    const QString shown = toQString(text);
    if (widget->text() != shown)
        widget->setText(shown);
}

class ButtonBinding : public Binding {
public:
    ButtonBinding(QtRenderer::Impl& renderer, TButton& c, QWidget* parent)
        : Binding(renderer, c, new QPushButton(parent)), w_(static_cast<QPushButton*>(widget.data()))
    {
        w_->setAutoDefault(false);
        w_->setFocusPolicy(c.TabStop ? Qt::StrongFocus : Qt::ClickFocus);
        clickAsUser(w_);
    }
    void sync() override
    {
        showText(w_, control.Caption);
        syncCommon();
        const bool shownDefault = looksDefault();
        if (w_->isDefault() != shownDefault)
            w_->setDefault(shownDefault);
    }

protected:
    // A caption wider than the button (the screen font is wider than the one the layouts were
    // made for) is shown a little smaller rather than cut at both ends.
    QFont shownFont() const override
    {
        QFont font = toQFont(control.Font);
        const QString text = QString(w_->text()).remove('&');
        const int room = control.Width - 8;
        while (font.pointSizeF() > 6.5 && QFontMetrics(font).horizontalAdvance(text) > room)
            font.setPointSizeF(font.pointSizeF() - 0.5);
        return font;
    }

private:
    // Enter presses the focused button, whichever is the window's default: the focused button
    // wears the default frame then, so the frame always shows what Enter will press.
    bool looksDefault() const
    {
        auto& button = static_cast<TButton&>(control);
        const TForm* form = button.form();
        const TWinControl* focused = form ? form->ActiveControl() : nullptr;
        if (dynamic_cast<const TButton*>(focused))
            return focused == &button;
        return button.Default;
    }
    QPushButton* w_;
};

class SpeedButtonBinding : public Binding {
public:
    SpeedButtonBinding(QtRenderer::Impl& renderer, TSpeedButton& c, QWidget* parent)
        : Binding(renderer, c, new QToolButton(parent)),
          w_(static_cast<QToolButton*>(widget.data())),
          button_(c)
    {
        w_->setFocusPolicy(Qt::NoFocus);
        clickAsUser(w_);
    }
    void sync() override
    {
        syncCommon();
        showText(w_, control.Caption);
        if (w_->autoRaise() != button_.Flat)
            w_->setAutoRaise(button_.Flat);
        if (glyph_ != button_.Glyph.Bitmap || standard_ != button_.StandardGlyph || w_->icon().isNull()) {
            glyph_ = button_.Glyph.Bitmap;
            standard_ = button_.StandardGlyph;
            if (glyph_ && !glyph_->Empty()) {
                QImage image(glyph_->bits(), glyph_->Width(), glyph_->Height(),
                             qsizetype{glyph_->Width()} * 4, QImage::Format_RGBA8888);
                w_->setIcon(QIcon(QPixmap::fromImage(image.copy())));
                w_->setIconSize(QSize(glyph_->Width(), glyph_->Height()));
            } else {
                w_->setIcon(standardIcon(standard_));
            }
        }
    }

private:
    QIcon standardIcon(TStandardGlyph glyph) const
    {
        struct Look {
            TStandardGlyph glyph;
            const char* theme;
            QStyle::StandardPixmap fallback;
        };
        static const Look looks[] = {
            {TStandardGlyph::NewFile, "document-new", QStyle::SP_FileIcon},
            {TStandardGlyph::Open, "document-open", QStyle::SP_DialogOpenButton},
            {TStandardGlyph::Save, "document-save", QStyle::SP_DialogSaveButton},
            {TStandardGlyph::SaveAs, "document-save-as", QStyle::SP_DriveFDIcon},
            {TStandardGlyph::Close, "document-close", QStyle::SP_DialogCloseButton},
            {TStandardGlyph::Undo, "edit-undo", QStyle::SP_ArrowBack},
            {TStandardGlyph::Redo, "edit-redo", QStyle::SP_ArrowForward},
            {TStandardGlyph::Help, "help-contents", QStyle::SP_DialogHelpButton},
            {TStandardGlyph::Add, "list-add", QStyle::SP_FileDialogNewFolder},
            {TStandardGlyph::Delete, "edit-delete", QStyle::SP_TrashIcon},
            {TStandardGlyph::Find, "edit-find", QStyle::SP_FileDialogContentsView},
            {TStandardGlyph::Chart, "x-office-presentation", QStyle::SP_FileDialogDetailedView},
            {TStandardGlyph::Up, "go-up", QStyle::SP_ArrowUp},
            {TStandardGlyph::Down, "go-down", QStyle::SP_ArrowDown},
        };
        for (const Look& l : looks)
            if (l.glyph == glyph)
                return QIcon::fromTheme(l.theme, w_->style()->standardIcon(l.fallback));
        return {};
    }
    QToolButton* w_;
    TSpeedButton& button_;
    std::shared_ptr<const TBitmap> glyph_;
    TStandardGlyph standard_ = TStandardGlyph::None;
};

// Check boxes and radio buttons: a caption and a checked state; a person's click is the
// control's click, which sets the state the widget then shows.
template<class Control, class Widget> class CheckableBinding : public Binding {
public:
    CheckableBinding(QtRenderer::Impl& renderer, Control& c, QWidget* parent)
        : Binding(renderer, c, new Widget(parent)), w_(static_cast<Widget*>(widget.data())), checkable_(c)
    {
        w_->setAutoExclusive(false);
        clickAsUser(w_);
    }
    void sync() override
    {
        syncCommon();
        showText(w_, control.Caption);
        if (w_->isChecked() != checkable_.Checked())
            w_->setChecked(checkable_.Checked());
    }

private:
    Widget* w_;
    Control& checkable_;
};

} // namespace

std::unique_ptr<Binding> makeButtonBinding(QtRenderer::Impl& renderer, TButton& c, QWidget* parent)
{
    return std::make_unique<ButtonBinding>(renderer, c, parent);
}

std::unique_ptr<Binding> makeSpeedButtonBinding(QtRenderer::Impl& renderer, TSpeedButton& c, QWidget* parent)
{
    return std::make_unique<SpeedButtonBinding>(renderer, c, parent);
}

std::unique_ptr<Binding> makeCheckBoxBinding(QtRenderer::Impl& renderer, TCheckBox& c, QWidget* parent)
{
    return std::make_unique<CheckableBinding<TCheckBox, QCheckBox>>(renderer, c, parent);
}

std::unique_ptr<Binding> makeRadioButtonBinding(QtRenderer::Impl& renderer, TRadioButton& c, QWidget* parent)
{
    return std::make_unique<CheckableBinding<TRadioButton, QRadioButton>>(renderer, c, parent);
}
