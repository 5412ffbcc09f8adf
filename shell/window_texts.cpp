#include "shell/window_texts.h"

std::string WindowTexts::text(const char* key, const char* defaultText)
{
    return texts_.langText(section_, key, defaultText);
}

void WindowTexts::caption(TControl& control, const char* key, const char* defaultText)
{
    control.Caption = text(key, defaultText);
}

void WindowTexts::caption(TMenuItem& item, const char* key, const char* defaultText)
{
    item.Caption = text(key, defaultText);
}

void WindowTexts::hint(TControl& control, const char* key, const char* defaultText)
{
    control.Hint = text(key, defaultText);
}

void WindowTexts::item(TStringList& items, int index, const char* key, const char* defaultText)
{
    const std::string value = text(key, defaultText);
    if (index < items.Count())
        items.setString(index, value);
}

void WindowTexts::apply(const WindowTextList& list)
{
    for (const WindowText& t : list.texts) {
        const std::string value = texts_.langText(t.section ? t.section : list.section, t.key, t.czech);
        if (t.text)
            *t.text = value;
        else if (t.index < t.items->Count())
            t.items->setString(t.index, value);
    }
}
