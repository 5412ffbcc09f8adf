#pragma once
// The binding of window texts to the language file. A window's list (toolkit/window_text.h) is
// walked in its fixed order: each text names a language section, a key and the Czech default,
// and the one text property it sets. The text is used as the lookup gives it (not trimmed), so a blank value
// gives a blank caption. Every lookup goes through TextSource::langText, which writes a missing
// key back with its default: a fresh language file receives the keys in lookup order.
#include "model/text_source.h"
#include "toolkit/window_text.h"

#include <string>

class WindowTexts {
public:
    explicit WindowTexts(TextSource& texts) : texts_(texts) { }

    // A window's texts as its layout names them, in their order. An item or line is replaced
    // in place: the list keeps its length, and an index the list does not have is left alone.
    void apply(const WindowTextList& list);
    // The same for a window that may not have been made (tests that make the main window
    // alone): one that was not is passed over.
    template<class Window> void applyIfMade(Window* window)
    {
        if (window)
            apply(window->texts());
    }

private:
    TextSource& texts_;
};
