#pragma once
// Key codes, shift states and menu shortcuts with the class library's numbers, so handlers
// compare against the same values whatever delivers the key.
#include <string>

constexpr int VK_BACK = 8;
constexpr int VK_TAB = 9;
constexpr int VK_RETURN = 13;
constexpr int VK_SHIFT = 16;
constexpr int VK_CONTROL = 17;
constexpr int VK_MENU = 18;
constexpr int VK_ESCAPE = 27;
constexpr int VK_SPACE = 32;
constexpr int VK_PRIOR = 33; // Page Up
constexpr int VK_NEXT = 34; // Page Down
constexpr int VK_END = 35;
constexpr int VK_HOME = 36;
constexpr int VK_LEFT = 37;
constexpr int VK_UP = 38;
constexpr int VK_RIGHT = 39;
constexpr int VK_DOWN = 40;
constexpr int VK_INSERT = 45;
constexpr int VK_DELETE = 46;
constexpr int VK_F1 = 112;
constexpr int VK_F2 = 113;
constexpr int VK_F3 = 114;
constexpr int VK_F4 = 115;
constexpr int VK_F5 = 116;
constexpr int VK_F6 = 117;
constexpr int VK_F7 = 118;
constexpr int VK_F8 = 119;
constexpr int VK_F9 = 120;
constexpr int VK_F10 = 121;
constexpr int VK_F11 = 122;
constexpr int VK_F12 = 123;
// Letters and digits are their upper-case ASCII codes ('A' = 65, '0' = 48).

// Modifier keys and mouse buttons held during an event.
struct TShiftState {
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
    bool operator==(const TShiftState&) const = default;
};
constexpr TShiftState ssNone{};
constexpr TShiftState ssShift{true, false, false};
constexpr TShiftState ssCtrl{false, true, false};
constexpr TShiftState ssAlt{false, false, true};

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

// A menu shortcut: the key code with scShift, scCtrl and scAlt added; 0 for none.
using TShortCut = int;
constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;

constexpr TShortCut ShortCut(int key, TShiftState shift = ssNone)
{
    return key | (shift.shift ? scShift : 0) | (shift.ctrl ? scCtrl : 0) | (shift.alt ? scAlt : 0);
}

// "Ctrl+Z", "F8", "Shift+Del": the text a menu shows beside the item.
std::string ShortCutToText(TShortCut shortCut);
