#include "toolkit/keys.h"

std::string ShortCutToText(TShortCut shortCut)
{
    if (shortCut == 0)
        return {};
    std::string out;
    if (shortCut & scCtrl)
        out += "Ctrl+";
    if (shortCut & scShift)
        out += "Shift+";
    if (shortCut & scAlt)
        out += "Alt+";
    const int key = shortCut & 0xFF;
    if (key >= VK_F1 && key <= VK_F12)
        return out + "F" + std::to_string(key - VK_F1 + 1);
    if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9'))
        return out + static_cast<char>(key);
    switch (key) {
    case VK_RETURN:
        return out + "Enter";
    case VK_ESCAPE:
        return out + "Esc";
    case VK_DELETE:
        return out + "Del";
    case VK_INSERT:
        return out + "Ins";
    case VK_BACK:
        return out + "BkSp";
    case VK_TAB:
        return out + "Tab";
    case VK_SPACE:
        return out + "Space";
    case VK_PRIOR:
        return out + "PgUp";
    case VK_NEXT:
        return out + "PgDn";
    case VK_HOME:
        return out + "Home";
    case VK_END:
        return out + "End";
    case VK_LEFT:
        return out + "Left";
    case VK_RIGHT:
        return out + "Right";
    case VK_UP:
        return out + "Up";
    case VK_DOWN:
        return out + "Down";
    default:
        return out + "#" + std::to_string(key);
    }
}
