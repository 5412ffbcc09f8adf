// Edit lines, memos and combo boxes: a person's edits played into the control as the user
// actions play them, the control's text, caret and selection shown.
#include "toolkit/qt/qt_bindings.h"

#include "system/text.h"
#include "toolkit/qt/qt_canvas.h"
#include "toolkit/stdctrls.h"
#include "toolkit/useractions.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace {

// Positions in UTF-16 units of a QString and in characters of the model's UTF-8 text.
int toCharIndex(const QString& s, int utf16)
{
    int chars = 0;
    for (int i = 0; i < utf16 && i < s.size(); ++i)
        if (!s.at(i).isLowSurrogate())
            ++chars;
    return chars;
}

int toUtf16Index(const QString& s, int chars)
{
    int i = 0;
    for (int c = 0; c < chars && i < s.size(); ++c)
        i += (s.at(i).isHighSurrogate() && i + 1 < s.size()) ? 2 : 1;
    return i;
}

// What a person's edit did to the text: the replaced range (characters) of `before` and
// the text typed into it.
struct EditDiff {
    int start;
    int length;
    std::string inserted;
};

// `caret` is where the widget's caret stands after the edit (characters of `after`, -1 when
// unknown): an edit ends at the caret, which tells which of equal letters was typed or deleted
// ("a" typed before "a" is typed at the start, not at the end).
EditDiff diffOf(const std::string& before, const std::string& after, int caret)
{
    const std::u32string a = toU32(before), b = toU32(after);
    const size_t tailAfterCaret =
        caret < 0 ? b.size() : b.size() - std::min(b.size(), static_cast<size_t>(caret));
    size_t suffix = 0;
    while (suffix < a.size() && suffix < tailAfterCaret &&
           a[a.size() - 1 - suffix] == b[b.size() - 1 - suffix])
        ++suffix;
    size_t prefix = 0;
    while (prefix < a.size() - suffix && prefix < b.size() - suffix && a[prefix] == b[prefix])
        ++prefix;
    return {static_cast<int>(prefix), static_cast<int>(a.size() - prefix - suffix),
            fromU32(b.substr(prefix, b.size() - prefix - suffix))};
}

// Plays a person's edit as the user actions do: select what was replaced, then type over it,
// paste over it (more than one letter came at once) or delete it.
template<class Control> void playEdit(Control& control, const std::string& after, int caret)
{
    const EditDiff d = diffOf(control.Text(), after, caret);
    user::select(control, d.start, d.length);
    if (utf8Length(d.inserted) > 1)
        user::paste(control, d.inserted);
    else if (!d.inserted.empty())
        user::type(control, d.inserted);
    else if (d.length > 0)
        user::backspace(control);
}

// The caret and selection of an edit line in characters of its text.
TextSelection lineSelection(const QLineEdit* line)
{
    const QString text = line->text();
    const int start = line->hasSelectedText() ? line->selectionStart() : line->cursorPosition();
    const int end = line->hasSelectedText() ? line->selectionEnd() : start;
    const int first = toCharIndex(text, start);
    return {first, toCharIndex(text, end) - first};
}

// An edit line shows the control's text, caret and selection. Each is handed over only when it
// differs: setting a line's text or length limit puts its caret at the end, and a selection
// made backwards keeps its anchor only while nobody sets it again.
template<class Control> void showLine(QLineEdit* line, const Control& control)
{
    const int maxLength = control.MaxLength > 0 ? control.MaxLength : 32767;
    if (line->maxLength() != maxLength)
        line->setMaxLength(maxLength);
    const QString text = toQString(control.Text());
    if (line->text() != text)
        line->setText(text);
    const TextSelection shown = lineSelection(line);
    if (shown.start == control.SelStart() && shown.length == control.SelLength())
        return;
    const int start = toUtf16Index(text, control.SelStart());
    const int end = toUtf16Index(text, control.SelStart() + control.SelLength());
    if (end > start)
        line->setSelection(start, end - start);
    else
        line->setCursorPosition(start);
}

// The caret and selection a person set in an edit line, into the control.
template<class Control> void takeLineSelection(const QLineEdit* line, Control& control)
{
    if (fromQString(line->text()) != control.Text())
        return;
    const TextSelection sel = lineSelection(line);
    if (sel.start != control.SelStart() || sel.length != control.SelLength())
        user::select(control, sel.start, sel.length);
}

// A person's edit of an edit line, played into the control; the caret follows the widget's.
template<class Control> void takeLineEdit(const QLineEdit* line, Control& control)
{
    const QString text = line->text();
    playEdit(control, fromQString(text), toCharIndex(text, line->cursorPosition()));
    takeLineSelection(line, control);
}

std::string crlf(const QString& text)
{
    std::string s = fromQString(text);
    std::string out;
    out.reserve(s.size());
    for (char c : s) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

QString lf(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n'))
            out += text[i];
    return toQString(out);
}

class EditBinding : public Binding {
public:
    EditBinding(QtRenderer::Impl& renderer, TEdit& c, QWidget* parent)
        : Binding(renderer, c, new QLineEdit(parent)), edit_(c), w_(static_cast<QLineEdit*>(widget.data()))
    {
        QObject::connect(w_, &QLineEdit::textEdited, [this] {
            if (syncing())
                return;
            takeLineEdit(w_, edit_);
            this->r.afterEdit();
        });
        QObject::connect(w_, &QLineEdit::cursorPositionChanged, [this] { takeSelection(); });
        QObject::connect(w_, &QLineEdit::selectionChanged, [this] { takeSelection(); });
    }
    void sync() override
    {
        syncCommon();
        showLine(w_, edit_);
        w_->setReadOnly(edit_.ReadOnly);
    }

private:
    void takeSelection()
    {
        if (!syncing())
            takeLineSelection(w_, edit_);
    }
    TEdit& edit_;
    QLineEdit* w_;
};

class MemoBinding : public Binding {
public:
    MemoBinding(QtRenderer::Impl& renderer, TMemo& c, QWidget* parent)
        : Binding(renderer, c, new QPlainTextEdit(parent)),
          memo_(c),
          w_(static_cast<QPlainTextEdit*>(widget.data()))
    {
        watch(w_->viewport());
        QObject::connect(w_, &QPlainTextEdit::textChanged, [this] {
            if (syncing())
                return;
            // The control may keep another text than the person's: the next sync compares.
            textStale_ = true;
            const QString text = w_->toPlainText();
            const std::string now = crlf(text);
            if (now == memo_.Text())
                return;
            playEdit(memo_, now, crlfPosition(toU32(now), toCharIndex(text, w_->textCursor().position())));
            takeSelection();
            this->r.afterEdit();
        });
        QObject::connect(w_, &QPlainTextEdit::cursorPositionChanged, [this] { takeSelection(); });
    }
    void sync() override
    {
        const bool common = syncCommon();
        if (common || textStale_ || linesSeen_ != memo_.Lines.revision()) {
            textStale_ = false;
            linesSeen_ = memo_.Lines.revision();
            const QString text = lf(memo_.Text());
            if (w_->toPlainText() != text) {
                w_->setPlainText(text);
                QTextCursor cursor = w_->textCursor();
                cursor.setPosition(std::min(static_cast<int>(text.size()),
                                            toUtf16Index(text, lfPosition(memo_.SelStart()))));
                w_->setTextCursor(cursor);
            }
        }
        // The memo's colours follow its font, one of the common fields.
        if (!changedFrom(shown_, Shown{memo_.ReadOnly, memo_.WordWrap, memo_.ScrollBars, memo_.Color}) &&
            !common)
            return;
        w_->setReadOnly(memo_.ReadOnly);
        w_->setLineWrapMode(memo_.WordWrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
        const bool vertical = memo_.ScrollBars == TMemo::ssVertical || memo_.ScrollBars == TMemo::ssBoth;
        const bool horizontal = memo_.ScrollBars == TMemo::ssHorizontal || memo_.ScrollBars == TMemo::ssBoth;
        w_->setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
        w_->setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
        QPalette p = w_->palette();
        p.setColor(QPalette::Base, toQColor(memo_.Color));
        p.setColor(QPalette::Text, toQColor(memo_.Font.Color));
        w_->setPalette(p);
    }

private:
    // The model counts CR LF as two characters; the widget's text has LF alone.
    int lfPosition(int crlfChars) const
    {
        const std::u32string t = toU32(memo_.Text());
        int out = 0;
        for (int i = 0; i < crlfChars && i < static_cast<int>(t.size()); ++i)
            if (t[static_cast<size_t>(i)] != U'\r')
                ++out;
        return out;
    }
    int crlfPosition(int lfChars) const { return crlfPosition(toU32(memo_.Text()), lfChars); }
    static int crlfPosition(const std::u32string& t, int lfChars)
    {
        int out = 0, seen = 0;
        while (out < static_cast<int>(t.size()) && seen < lfChars) {
            if (t[static_cast<size_t>(out)] != U'\r')
                ++seen;
            ++out;
        }
        return out;
    }
    void takeSelection()
    {
        if (syncing() || crlf(w_->toPlainText()) != memo_.Text())
            return;
        const QString text = w_->toPlainText();
        const QTextCursor c = w_->textCursor();
        const int start = crlfPosition(toCharIndex(text, c.selectionStart()));
        const int end = crlfPosition(toCharIndex(text, c.selectionEnd()));
        if (start != memo_.SelStart() || end - start != memo_.SelLength())
            user::select(memo_, start, end - start);
    }
    struct Shown {
        bool readOnly, wordWrap;
        TMemo::TScrollStyle scrollBars;
        TColor color;
        bool operator==(const Shown&) const = default;
    };
    TMemo& memo_;
    QPlainTextEdit* w_;
    std::uint64_t linesSeen_ = UINT64_MAX;
    bool textStale_ = false;
    std::optional<Shown> shown_;
};

// A combo box whose list opens only once the focus is in it. A click into the box moves the
// focus before the list drops down, and the program may fill the items when the box is entered;
// when the focus comes late (a click that also activates the window), it is moved here first, so
// the list never shows the items of before the entry.
class FocusFirstComboBox : public QComboBox {
public:
    using QComboBox::QComboBox;
    std::function<void()> beforePopup;
    void showPopup() override
    {
        if (beforePopup)
            beforePopup();
        QComboBox::showPopup();
    }
};

class ComboBinding : public Binding {
public:
    ComboBinding(QtRenderer::Impl& renderer, TComboBox& c, QWidget* parent)
        : Binding(renderer, c, new FocusFirstComboBox(parent)),
          combo_(c),
          w_(static_cast<QComboBox*>(widget.data()))
    {
        static_cast<FocusFirstComboBox*>(w_)->beforePopup = [this] {
            if (syncing() || combo_.Focused())
                return;
            user::focus(combo_);
            this->r.afterDispatch();
        };
        w_->setInsertPolicy(QComboBox::NoInsert);
        QObject::connect(w_, &QComboBox::activated, [this](int index) {
            if (syncing())
                return;
            // Leaving an editable box whose text names one of its items (also for its own list
            // to open) makes Qt report a choice of that item, while the focus may be on its way
            // to the widget clicked: picking it would pull the focus back and lose the click.
            // The box holds the text typed already.
            if (w_->isEditable() && (!w_->hasFocus() || toQString(combo_.Text()) == w_->itemText(index)))
                return;
            user::pick(combo_, index);
            this->r.afterDispatch();
        });
    }
    void sync() override
    {
        syncCommon();
        const bool editable = combo_.Style != TComboBox::csDropDownList;
        if (w_->isEditable() != editable) {
            w_->setEditable(editable);
            if (editable)
                attachEdit();
        }
        if (itemsSeen_ != combo_.Items.revision()) {
            itemsSeen_ = combo_.Items.revision();
            std::vector<std::string> items = linesOf(combo_.Items);
            if (items != items_) {
                items_ = std::move(items);
                w_->clear();
                w_->addItems(toQStrings(items_));
            }
        }
        if (w_->currentIndex() != combo_.ItemIndex())
            w_->setCurrentIndex(combo_.ItemIndex());
        if (w_->maxVisibleItems() != std::max(1, combo_.DropDownCount))
            w_->setMaxVisibleItems(std::max(1, combo_.DropDownCount));
        if (QLineEdit* line = w_->lineEdit())
            showLine(line, combo_);
    }

private:
    void attachEdit()
    {
        QLineEdit* line = w_->lineEdit();
        watch(line);
        QObject::connect(line, &QLineEdit::textEdited, [this, line] {
            if (syncing())
                return;
            takeLineEdit(line, combo_);
            this->r.afterEdit();
        });
        auto take = [this, line] {
            if (!syncing())
                takeLineSelection(line, combo_);
        };
        QObject::connect(line, &QLineEdit::cursorPositionChanged, take);
        QObject::connect(line, &QLineEdit::selectionChanged, take);
    }
    TComboBox& combo_;
    QComboBox* w_;
    std::vector<std::string> items_;
    std::uint64_t itemsSeen_ = UINT64_MAX;
};

} // namespace

std::unique_ptr<Binding> makeEditBinding(QtRenderer::Impl& renderer, TEdit& c, QWidget* parent)
{
    return std::make_unique<EditBinding>(renderer, c, parent);
}

std::unique_ptr<Binding> makeMemoBinding(QtRenderer::Impl& renderer, TMemo& c, QWidget* parent)
{
    return std::make_unique<MemoBinding>(renderer, c, parent);
}

std::unique_ptr<Binding> makeComboBinding(QtRenderer::Impl& renderer, TComboBox& c, QWidget* parent)
{
    return std::make_unique<ComboBinding>(renderer, c, parent);
}
