#pragma once
// The texts of a window that a language replaces, each with its key in the language file and
// the Czech text it stands for, in the order they are looked up (a first start writes the keys
// in this order). A layout shows the Czech texts through showCzechTexts; the shell replaces
// them from the language file (shell/window_texts.h).
#include "system/stringlist.h"
#include "toolkit/control.h"
#include "toolkit/menus.h"

#include <string>
#include <vector>

struct WindowText {
    // The caption of a label, button, check box, group box, radio group or tab page, or the
    // title of a window.
    static WindowText caption(TControl& control, const char* key, const char* czech);
    static WindowText caption(TMenuItem& item, const char* key, const char* czech);
    // The hint of a tool button.
    static WindowText hint(TControl& control, const char* key, const char* czech);
    // Item `index` of a radio group's or combo box's list.
    static WindowText item(TStringList& items, int index, const char* key, const char* czech);
    // Line `index` of a memo: `lead` and then the text, which alone is translated.
    static WindowText line(TStringList& lines, int index, std::string lead, std::string key,
                           const char* czech);
    // The buttons every window shares, looked up in the common section.
    static WindowText back(TControl& button);
    static WindowText cancel(TControl& button);
    static WindowText yes(TControl& button);
    static WindowText no(TControl& button);
    // The same text looked up in another section than its window's.
    WindowText in(const char* otherSection) const;

    std::string* text = nullptr; // a caption or hint, or
    TStringList* items = nullptr; // an item of a list
    int index = 0;
    std::string lead = ""; // before an item's text
    const char* section = nullptr; // nullptr: the window's section
    std::string key;
    const char* czech = "";

    // The text shown for `value`, the Czech text or its translation.
    std::string shown(const std::string& value) const { return lead + value; }
};

struct WindowTextList {
    const char* section;
    std::vector<WindowText> texts;
};

// The section of the texts every window shares.
inline constexpr const char* kCommonTextSection = "ruzne";

// Shows each text in Czech. An item the list does not have yet is added when it is the list's
// next one, so a layout names its items (and a memo its lines) through its texts.
void showCzechTexts(const WindowTextList& list);
