#include "toolkit/stdctrls.h"

#include "system/text.h"
#include "toolkit/application.h"
#include "toolkit/form.h"
#include "toolkit/keys.h"

#include <algorithm>

namespace {
int length(const std::string& s)
{
    return static_cast<int>(utf8Length(s));
}

void clampSelection(TextSelection& sel, const std::string& text)
{
    const int n = length(text);
    sel.start = std::clamp(sel.start, 0, n);
    sel.length = std::clamp(sel.length, 0, n - sel.start);
}

std::string selected(const std::string& text, const TextSelection& sel)
{
    return utf8Substr(text, static_cast<size_t>(sel.start), static_cast<size_t>(sel.length));
}

// The text with the selection replaced by `insert`; the caret ends after it.
std::string replaceSelection(const std::string& text, TextSelection& sel, const std::string& insert)
{
    clampSelection(sel, text);
    std::string out = utf8Substr(text, 0, static_cast<size_t>(sel.start));
    out += insert;
    out += utf8Substr(text, static_cast<size_t>(sel.start) + static_cast<size_t>(sel.length));
    sel.start += length(insert);
    sel.length = 0;
    return out;
}

// Characters of `text`, each as its own UTF-8 string; CR LF stays one piece.
std::vector<std::string> characters(const std::string& text)
{
    std::vector<std::string> out;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t from = pos;
        char32_t cp = nextCodePoint(text, pos);
        if (cp == U'\r' && pos < text.size() && text[pos] == '\n')
            ++pos;
        out.push_back(text.substr(from, pos - from));
    }
    return out;
}

// Backspace on a selection: the selection goes; otherwise the character before the caret.
std::string backspace(const std::string& text, TextSelection& sel)
{
    clampSelection(sel, text);
    if (sel.length == 0) {
        if (sel.start == 0)
            return text;
        --sel.start;
        sel.length = 1;
    }
    return replaceSelection(text, sel, {});
}
} // namespace

// ---- EditLine

bool EditLine::set(const std::string& text)
{
    if (text == text_)
        return false;
    text_ = text;
    sel_ = {};
    return true;
}

void EditLine::setSelStart(int start)
{
    sel_.start = start;
    sel_.length = 0;
    clampSelection(sel_, text_);
}

void EditLine::setSelLength(int len)
{
    sel_.length = len;
    clampSelection(sel_, text_);
}

void EditLine::selectAll()
{
    sel_ = {0, length(text_)};
}

std::string EditLine::selText() const
{
    return selected(text_, sel_);
}

bool EditLine::replaceSelection(const std::string& insert)
{
    std::string next = ::replaceSelection(text_, sel_, insert);
    if (next == text_)
        return false;
    text_ = std::move(next);
    return true;
}

bool EditLine::typeChar(const std::string& ch, int maxLength)
{
    if (ch == "\r" || ch == "\n" || ch == "\r\n")
        return false;
    clampSelection(sel_, text_);
    if (maxLength > 0 && length(text_) - sel_.length >= maxLength)
        return false;
    return replaceSelection(ch);
}

bool EditLine::paste(const std::string& text, int maxLength)
{
    clampSelection(sel_, text_);
    const int room = maxLength > 0 ? std::max(0, maxLength - (length(text_) - sel_.length)) : -1;
    std::string kept;
    kept.reserve(text.size());
    int count = 0;
    for (size_t pos = 0; pos < text.size() && (room < 0 || count < room);) {
        const size_t from = pos;
        const char32_t cp = nextCodePoint(text, pos);
        if (cp == U'\r' || cp == U'\n')
            continue;
        kept.append(text, from, pos - from);
        ++count;
    }
    return !kept.empty() && replaceSelection(kept);
}

bool EditLine::backspace()
{
    std::string next = ::backspace(text_, sel_);
    if (next == text_)
        return false;
    text_ = std::move(next);
    return true;
}

// ---- TEdit

TEditLineControl::TEditLineControl(TWinControl* parent, std::string name)
    : TWinControl(parent, std::move(name))
{
    Color = clWindow;
}

TEdit::TEdit(TWinControl* parent, std::string name) : TEditLineControl(parent, std::move(name)) { }

void TEdit::changed()
{
    if (OnChange)
        OnChange();
}

void TEdit::setText(const std::string& text)
{
    if (line_.set(text))
        changed();
}

void TEdit::setSelText(const std::string& text)
{
    if (line_.replaceSelection(text))
        changed();
}

void TEdit::userType(const std::string& text)
{
    if (ReadOnly)
        return;
    for (const std::string& ch : characters(text))
        if (line_.typeChar(ch, MaxLength))
            changed();
}

void TEdit::userPaste(const std::string& text)
{
    if (!ReadOnly && line_.paste(text, MaxLength))
        changed();
}

void TEdit::userBackspace()
{
    if (!ReadOnly && line_.backspace())
        changed();
}

// ---- TMemo

TMemo::TMemo(TWinControl* parent, std::string name) : TWinControl(parent, std::move(name))
{
    Color = clWindow;
    Lines.OnChange = [this] { linesChanged(); };
}

TMemo::~TMemo()
{
    Lines.OnChange = nullptr;
}

void TMemo::linesChanged()
{
    if (!personEditing_) {
        Modified = false;
        sel_ = {};
    }
    if (OnChange)
        OnChange();
}

std::string TMemo::Text() const
{
    std::string out;
    for (int i = 0; i < Lines.Count(); ++i) {
        if (i)
            out += "\r\n";
        out += Lines[i];
    }
    return out;
}

void TMemo::setText(const std::string& text)
{
    Lines.setText(text);
}

void TMemo::setSelStart(int start)
{
    sel_.start = start;
    sel_.length = 0;
    clampSelection(sel_, Text());
}

void TMemo::setSelLength(int len)
{
    sel_.length = len;
    clampSelection(sel_, Text());
}

void TMemo::personEdit(const std::string& next)
{
    // A line end typed last leaves an empty line that the lines must keep.
    TextSelection keep = sel_;
    personEditing_ = true;
    Modified = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{personEditing_};
    TStringList lines;
    lines.setText(next);
    if (next.size() >= 2 && next.compare(next.size() - 2, 2, "\r\n") == 0)
        lines.Add("");
    Lines.Assign(lines);
    sel_ = keep;
}

void TMemo::userType(const std::string& text)
{
    if (ReadOnly)
        return;
    // One edit however long the text (a paste): each line end a CR LF, what does not fit
    // within MaxLength left out.
    std::string current = Text();
    clampSelection(sel_, current);
    const int room = MaxLength > 0 ? std::max(0, MaxLength - (length(current) - sel_.length)) : -1;
    std::string typed;
    typed.reserve(text.size() + text.size() / 8);
    int count = 0;
    for (size_t pos = 0; pos < text.size() && (room < 0 || count < room);) {
        const size_t from = pos;
        const char32_t cp = nextCodePoint(text, pos);
        if (cp == U'\r' || cp == U'\n') {
            if (cp == U'\r' && pos < text.size() && text[pos] == '\n')
                ++pos;
            typed += "\r\n";
            count += 2;
        } else {
            typed.append(text, from, pos - from);
            ++count;
        }
    }
    if (!typed.empty())
        personEdit(replaceSelection(current, sel_, typed));
}

void TMemo::userBackspace()
{
    if (ReadOnly)
        return;
    std::string current = Text();
    std::string next = backspace(current, sel_);
    if (next != current)
        personEdit(next);
}

void TMemo::SelectAll()
{
    sel_ = {0, length(Text())};
}

void TMemo::keyDefault(int& key, TShiftState)
{
    if (key == VK_RETURN && WantReturns) {
        userType("\r\n");
        key = 0;
    }
}

TRichEdit::TRichEdit(TWinControl* parent, std::string name) : TMemo(parent, std::move(name)) { }

void TRichEdit::Print(const std::string& jobName, int copies)
{
    PrintJob job;
    job.copies = copies;
    job.title = jobName;
    job.lines = Lines.lines();
    job.fontName = Font.Name;
    job.fontSize = Font.Size;
    job.margin = BorderWidth;
    Application.runner().print(job);
}

// ---- TComboBox

TComboBox::TComboBox(TWinControl* parent, std::string name) : TEditLineControl(parent, std::move(name))
{
    Items.OnChange = [this] { itemsChanged(); };
}

TComboBox::~TComboBox()
{
    Items.OnChange = nullptr;
}

void TComboBox::itemsChanged()
{
    if (itemIndex_ >= Items.Count()) {
        itemIndex_ = -1;
        if (Style == csDropDownList)
            line_.set({});
    }
}

void TComboBox::changedByPerson()
{
    itemIndex_ = -1;
    if (OnChange)
        OnChange();
}

void TComboBox::setText(const std::string& text)
{
    if (Style == csDropDownList) {
        int i = Items.IndexOf(text);
        if (i >= 0)
            setItemIndex(i);
        return;
    }
    line_.set(text);
    line_.setSelStart(0);
    itemIndex_ = -1;
    for (int i = 0; i < Items.Count(); ++i)
        if (Items[i] == text) {
            itemIndex_ = i;
            break;
        }
}

void TComboBox::setItemIndex(int index)
{
    if (index < -1 || index >= Items.Count())
        index = -1;
    itemIndex_ = index;
    line_.set(index >= 0 ? Items[index] : std::string());
    line_.setSelStart(0);
}

void TComboBox::setSelText(const std::string& text)
{
    if (Style != csDropDownList && line_.replaceSelection(text))
        changedByPerson();
}

void TComboBox::userType(const std::string& text)
{
    if (Style == csDropDownList) {
        // Typing in a drop-down list picks the first item that starts with the letters.
        for (int i = 0; i < Items.Count(); ++i)
            if (sameText(utf8Substr(Items[i], 0, utf8Length(text)), text)) {
                if (i != itemIndex_)
                    userPick(i);
                return;
            }
        return;
    }
    for (const std::string& ch : characters(text))
        if (line_.typeChar(ch, MaxLength))
            changedByPerson();
}

void TComboBox::userPaste(const std::string& text)
{
    if (Style != csDropDownList && line_.paste(text, MaxLength))
        changedByPerson();
}

void TComboBox::userBackspace()
{
    if (Style != csDropDownList && line_.backspace())
        changedByPerson();
}

void TComboBox::userPick(int index)
{
    if (index < 0 || index >= Items.Count())
        return;
    setItemIndex(index);
    SelectAll(); // the picked text stands selected, so typing replaces it
    if (OnClick)
        OnClick();
    if (OnChange)
        OnChange();
}

void TComboBox::keyDefault(int& key, TShiftState shift)
{
    if (shift.alt || (key != VK_UP && key != VK_DOWN) || Items.Count() == 0)
        return;
    int next = itemIndex_ < 0 ? 0 : itemIndex_ + (key == VK_DOWN ? 1 : -1);
    next = std::clamp(next, 0, Items.Count() - 1);
    if (next != itemIndex_)
        userPick(next);
    key = 0;
}

// ---- buttons

TButton::TButton(TWinControl* parent, std::string name) : TWinControl(parent, std::move(name)) { }

void TButton::Click()
{
    if (ModalResult != mrNone)
        if (TForm* f = form())
            f->ModalResult = ModalResult;
    TWinControl::Click();
}

TSpeedButton::TSpeedButton(TWinControl* parent, std::string name) : TWinControl(parent, std::move(name))
{
    TabStop = false;
}

TCheckBox::TCheckBox(TWinControl* parent, std::string name) : TWinControl(parent, std::move(name)) { }

void TCheckBox::setChecked(bool checked)
{
    if (checked == checked_)
        return;
    checked_ = checked;
    Click();
}

TRadioButton::TRadioButton(TWinControl* parent, std::string name) : TWinControl(parent, std::move(name)) { }

void TRadioButton::setChecked(bool checked)
{
    if (checked == checked_)
        return;
    checked_ = checked;
    if (!checked)
        return;
    if (TWinControl* p = Parent())
        for (TControl* c : p->Controls())
            if (auto* r = dynamic_cast<TRadioButton*>(c); r && r != this)
                r->checked_ = false;
    Click();
}

TRadioGroup::TRadioGroup(TWinControl* parent, std::string name) : TWinControl(parent, std::move(name)) { }

void TRadioGroup::setItemIndex(int index)
{
    if (index < -1 || index >= Items.Count())
        index = -1;
    if (index == itemIndex_)
        return;
    itemIndex_ = index;
    Click();
}

void TRadioGroup::keyDefault(int& key, TShiftState)
{
    if (Items.Count() == 0)
        return;
    int next = itemIndex_;
    if (key == VK_DOWN || key == VK_RIGHT)
        next = std::min(itemIndex_ + 1, Items.Count() - 1);
    else if (key == VK_UP || key == VK_LEFT)
        next = std::max(itemIndex_ - 1, 0);
    else
        return;
    setItemIndex(next);
    key = 0;
}

TGroupBox::TGroupBox(TWinControl* parent, std::string name) : TWinControl(parent, std::move(name))
{
    TabStop = false;
}

TPanel::TPanel(TWinControl* parent, std::string name) : TWinControl(parent, std::move(name))
{
    TabStop = false;
}
