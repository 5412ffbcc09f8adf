#pragma once
// Standard controls: edits, memos, combo boxes, buttons, check boxes, radio buttons and groups,
// group boxes and panels. When their events fire: the table in toolkit/control.h.
#include "system/stringlist.h"
#include "toolkit/canvas.h"
#include "toolkit/control.h"

// The caret and selection of an edit line; positions count characters.
struct TextSelection {
    int start = 0;
    int length = 0;
};

// The text of a one-line edit (an edit, a combo box's edit part) with its caret and selection.
class EditLine {
public:
    const std::string& text() const { return text_; }
    // The caret goes to the start; false when the text was the same.
    bool set(const std::string& text);
    int selStart() const { return sel_.start; }
    int selLength() const { return sel_.length; }
    void setSelStart(int start);
    void setSelLength(int length);
    void selectAll();
    std::string selText() const;
    // Replaces the selection (inserts at the caret); false when the text stays the same.
    bool replaceSelection(const std::string& insert);
    // A typed character, unless the text already holds maxLength characters (0: no limit).
    bool typeChar(const std::string& ch, int maxLength);
    // A pasted text over the selection as one edit: its line ends left out, as typing leaves
    // them, and cut where the line would pass maxLength characters.
    bool paste(const std::string& text, int maxLength);
    // Deletes the selection or the character before the caret.
    bool backspace();

private:
    std::string text_;
    TextSelection sel_;
};

// A control with one line a person types into (an edit, a combo box): the text, caret and
// selection calls they share. Taking the focus selects the whole line.
class TEditLineControl : public TWinControl {
public:
    TEditLineControl(TWinControl* parent, std::string name);

    const std::string& Text() const { return line_.text(); }
    int SelStart() const { return line_.selStart(); }
    int SelLength() const { return line_.selLength(); }
    void setSelStart(int start) { line_.setSelStart(start); }
    void setSelLength(int length) { line_.setSelLength(length); }
    std::string SelText() const { return line_.selText(); }
    void SelectAll() { line_.selectAll(); }
    void focusArrived() override { SelectAll(); }

protected:
    EditLine line_;
};

class TEdit : public TEditLineControl {
public:
    TEdit(TWinControl* parent, std::string name);

    // Fires OnChange when the text differs. MaxLength limits only what a person types.
    void setText(const std::string& text);
    int MaxLength = 0; // characters; 0 for no limit
    bool ReadOnly = false;
    TNotifyEvent OnChange;

    // Replaces the selection (inserts at the caret when nothing is selected); fires OnChange.
    void setSelText(const std::string& text);

    // A person types `text` at the caret: one OnChange per character, within MaxLength.
    void userType(const std::string& text);
    // A person pastes `text` at the caret: one OnChange, within MaxLength.
    void userPaste(const std::string& text);
    // A person presses Backspace: deletes the selection or the character before the caret.
    void userBackspace();

    const char* ClassName() const override { return "TEdit"; }

private:
    void changed();
};

class TMemo : public TWinControl {
public:
    TMemo(TWinControl* parent, std::string name);
    ~TMemo() override;

    // Changed by code: OnChange fires and Modified is cleared. (The memo watches
    // Lines.OnChange; do not replace it.)
    TStringList Lines;
    // Set by a person's edits only.
    bool Modified = false;
    bool ReadOnly = false;
    bool WordWrap = true;
    bool WantReturns = true;
    enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
    TScrollStyle ScrollBars = ssNone;
    int MaxLength = 0;
    TNotifyEvent OnChange;

    // The lines joined by CR LF (no line end after the last).
    std::string Text() const;
    void setText(const std::string& text);
    void Clear() { Lines.Clear(); }

    int SelStart() const { return sel_.start; }
    int SelLength() const { return sel_.length; }
    void setSelStart(int start);
    void setSelLength(int length);

    // A person types or pastes at the caret, as one edit ("\r", "\n" or "\r\n" starts a new
    // line).
    void userType(const std::string& text);
    void userPaste(const std::string& text) { userType(text); }
    void userBackspace();
    void SelectAll();
    void keyDefault(int& key, TShiftState shift) override;
    const char* ClassName() const override { return "TMemo"; }

private:
    void linesChanged();
    void personEdit(const std::string& text);
    bool personEditing_ = false;
    TextSelection sel_;
};

class TRichEdit : public TMemo {
public:
    TRichEdit(TWinControl* parent, std::string name);
    int BorderWidth = 0;
    bool PlainText = false;
    // Prints the lines as a job of this name, BorderWidth pixels from the paper's edges;
    // `copies` 0 prints as many copies as the print dialog asked for.
    void Print(const std::string& jobName, int copies = 0);
    const char* ClassName() const override { return "TRichEdit"; }
};

class TComboBox : public TEditLineControl {
public:
    enum TComboBoxStyle { csDropDown, csSimple, csDropDownList };
    TComboBox(TWinControl* parent, std::string name);
    ~TComboBox() override;

    TComboBoxStyle Style = csDropDown;
    TStringList Items;
    int DropDownCount = 8;
    int MaxLength = 0;
    TNotifyEvent OnChange;

    // Fires nothing. A drop-down list takes the text only when an item has it (case-insensitive).
    void setText(const std::string& text);
    int ItemIndex() const { return itemIndex_; }
    // Fires nothing; the text becomes the item's (empty for -1).
    void setItemIndex(int index);
    bool Sorted() const { return Items.Sorted(); }
    void setSorted(bool sorted) { Items.setSorted(sorted); }

    // Replaces the selected text of the edit part, as a paste does: fires OnChange. A
    // drop-down list has no edit part and ignores it.
    void setSelText(const std::string& text);

    // A person types into the edit part: one OnChange per character.
    void userType(const std::string& text);
    // A person pastes into the edit part: one OnChange. A drop-down list ignores it.
    void userPaste(const std::string& text);
    void userBackspace();
    // A person picks an item from the list: OnClick, then OnChange.
    void userPick(int index);
    void keyDefault(int& key, TShiftState shift) override;
    const char* ClassName() const override { return "TComboBox"; }

private:
    void itemsChanged();
    void changedByPerson();
    int itemIndex_ = -1;
};

class TButton : public TWinControl {
public:
    TButton(TWinControl* parent, std::string name);
    bool Default = false; // Enter presses it
    bool Cancel = false; // Esc presses it
    int ModalResult = 0; // set into the window's ModalResult before OnClick
    void Click() override;
    void userClick() override { Click(); }
    const char* ClassName() const override { return "TButton"; }
};

class TBitBtn : public TButton {
public:
    using TButton::TButton;
    TPicture Glyph;
    const char* ClassName() const override { return "TBitBtn"; }
};

// Standard pictures a button can show without a picture file of its own, as the class
// library's bit buttons have kinds; the screen draws them in the desktop's style.
enum class TStandardGlyph {
    None,
    NewFile,
    Open,
    Save,
    SaveAs,
    Close,
    Undo,
    Redo,
    Help,
    Add,
    Delete,
    Find,
    Chart,
    Up,
    Down
};

// A button of a tool bar: pressing it never takes the focus, and Tab passes it by. SetFocus
// from code still works on it, so a window can take the focus away from an edit.
class TSpeedButton : public TWinControl {
public:
    TSpeedButton(TWinControl* parent, std::string name);
    TPicture Glyph;
    TStandardGlyph StandardGlyph = TStandardGlyph::None;
    bool Flat = false;
    bool Down = false;
    int GroupIndex = 0;
    bool focusOnClick() const override { return false; }
    void userClick() override { Click(); }
    const char* ClassName() const override { return "TSpeedButton"; }
};

class TToolButton : public TSpeedButton {
public:
    using TSpeedButton::TSpeedButton;
    const char* ClassName() const override { return "TToolButton"; }
};

class TCheckBox : public TWinControl {
public:
    TCheckBox(TWinControl* parent, std::string name);
    bool Checked() const { return checked_; }
    // Fires OnClick when the state changes.
    void setChecked(bool checked);
    void userClick() override { setChecked(!checked_); }
    const char* ClassName() const override { return "TCheckBox"; }

private:
    bool checked_ = false;
};

class TRadioButton : public TWinControl {
public:
    TRadioButton(TWinControl* parent, std::string name);
    bool Checked() const { return checked_; }
    // Checking one clears the other radio buttons of its parent and fires OnClick.
    void setChecked(bool checked);
    void userClick() override { setChecked(true); }
    const char* ClassName() const override { return "TRadioButton"; }

private:
    bool checked_ = false;
};

class TRadioGroup : public TWinControl {
public:
    TRadioGroup(TWinControl* parent, std::string name);
    TStringList Items;
    int Columns = 1;
    int ItemIndex() const { return itemIndex_; }
    // Fires OnClick when the index changes.
    void setItemIndex(int index);
    void keyDefault(int& key, TShiftState shift) override;
    const char* ClassName() const override { return "TRadioGroup"; }

private:
    int itemIndex_ = -1;
};

class TGroupBox : public TWinControl {
public:
    TGroupBox(TWinControl* parent, std::string name);
    const char* ClassName() const override { return "TGroupBox"; }
};

class TPanel : public TWinControl {
public:
    enum TBevelCut { bvNone, bvLowered, bvRaised };
    TPanel(TWinControl* parent, std::string name);
    TBevelCut BevelOuter = bvRaised;
    TBevelCut BevelInner = bvNone;
    const char* ClassName() const override { return "TPanel"; }
};
