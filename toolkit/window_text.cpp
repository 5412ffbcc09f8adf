#include "toolkit/window_text.h"

#include <utility>

WindowText WindowText::caption(TControl& control, const char* key, const char* czech)
{
    return {.text = &control.Caption, .key = key, .czech = czech};
}

WindowText WindowText::caption(TMenuItem& item, const char* key, const char* czech)
{
    return {.text = &item.Caption, .key = key, .czech = czech};
}

WindowText WindowText::hint(TControl& control, const char* key, const char* czech)
{
    return {.text = &control.Hint, .key = key, .czech = czech};
}

WindowText WindowText::item(TStringList& items, int index, const char* key, const char* czech)
{
    return {.items = &items, .index = index, .key = key, .czech = czech};
}

WindowText WindowText::line(TStringList& lines, int index, std::string lead, std::string key,
                            const char* czech)
{
    return {.items = &lines, .index = index, .lead = std::move(lead), .key = std::move(key), .czech = czech};
}

WindowText WindowText::back(TControl& button)
{
    return caption(button, "zpet", "Zpět").in(kCommonTextSection);
}

WindowText WindowText::cancel(TControl& button)
{
    return caption(button, "storno", "Storno").in(kCommonTextSection);
}

WindowText WindowText::yes(TControl& button)
{
    return caption(button, "ano", "Ano").in(kCommonTextSection);
}

WindowText WindowText::no(TControl& button)
{
    return caption(button, "ne", "Ne").in(kCommonTextSection);
}

WindowText WindowText::in(const char* otherSection) const
{
    WindowText moved = *this;
    moved.section = otherSection;
    return moved;
}

void showCzechTexts(const WindowTextList& list)
{
    for (const WindowText& t : list.texts) {
        if (t.text)
            *t.text = t.czech;
        else if (t.index < t.items->Count())
            t.items->setString(t.index, t.shown(t.czech));
        else if (t.index == t.items->Count())
            t.items->Add(t.shown(t.czech));
    }
}
