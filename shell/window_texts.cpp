#include "shell/window_texts.h"

void WindowTexts::apply(const WindowTextList& list)
{
    for (const WindowText& t : list.texts) {
        const std::string value = texts_.langText(t.section ? t.section : list.section, t.key, t.czech);
        if (t.text)
            *t.text = value;
        else if (t.index < t.items->Count())
            t.items->setString(t.index, t.shown(value));
    }
}
