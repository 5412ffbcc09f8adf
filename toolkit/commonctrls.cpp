#include "toolkit/commonctrls.h"

#include "toolkit/stdctrls.h"

#include <algorithm>
#include <climits>
#include <cstdint>

TImage::TImage(TWinControl* parent, std::string name) : TControl(parent, std::move(name)) { }

// ---- TUpDown

TUpDown::TUpDown(TWinControl* parent, std::string name) : TWinControl(parent, std::move(name))
{
    TabStop = false;
}

int TUpDown::clamp(int value) const
{
    value = std::clamp(value, static_cast<int>(INT16_MIN), static_cast<int>(INT16_MAX));
    return std::clamp(value, std::min(Min, Max), std::max(Min, Max));
}

namespace {
std::string grouped(int value)
{
    std::string digits = std::to_string(value < 0 ? -static_cast<long long>(value) : value);
    std::string out;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i && (digits.size() - i) % 3 == 0)
            out += "\u00A0";
        out += digits[i];
    }
    return value < 0 ? "-" + out : out;
}

// A whole number, digits possibly grouped by blanks or no-break spaces.
bool parseTyped(const std::string& text, long long& value)
{
    std::string digits;
    bool negative = false;
    size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    if (i < text.size() && text[i] == '-') {
        negative = true;
        ++i;
    }
    for (; i < text.size(); ++i) {
        char c = text[i];
        if (c >= '0' && c <= '9')
            digits += c;
        else if (c == ' ')
            continue;
        else if (static_cast<unsigned char>(c) == 0xC2 && i + 1 < text.size() &&
                 static_cast<unsigned char>(text[i + 1]) == 0xA0)
            ++i;
        else
            return false;
    }
    if (digits.empty() || digits.size() > 12)
        return false;
    value = std::stoll(digits) * (negative ? -1 : 1);
    return true;
}
} // namespace

int TUpDown::Position()
{
    long long typed = 0;
    if (Associate && parseTyped(Associate->Text(), typed))
        position_ = clamp(static_cast<int>(std::clamp<long long>(typed, INT_MIN, INT_MAX)));
    return position_;
}

void TUpDown::setPosition(int position)
{
    position_ = clamp(position);
    if (Associate)
        Associate->setText(Thousands ? grouped(position_) : std::to_string(position_));
}

void TUpDown::userStep(bool up)
{
    int current = Position();
    int next = current + (up ? Increment : -Increment);
    const int lo = std::min(Min, Max);
    const int hi = std::max(Min, Max);
    if (Wrap && next > hi)
        next = lo;
    else if (Wrap && next < lo)
        next = hi;
    setPosition(next);
    Click();
}

// ---- TProgressBar

TProgressBar::TProgressBar(TWinControl* parent, std::string name) : TWinControl(parent, std::move(name))
{
    TabStop = false;
}

void TProgressBar::setPosition(int position)
{
    movePosition(position);
    Repaint();
}

void TProgressBar::movePosition(int position)
{
    position_ = std::clamp(position, std::min(Min, Max), std::max(Min, Max));
}

TStatusBar::TStatusBar(TWinControl* parent, std::string name) : TWinControl(parent, std::move(name))
{
    TabStop = false;
}

TMonthCalendar::TMonthCalendar(TWinControl* parent, std::string name) : TWinControl(parent, std::move(name))
{
}

void TMonthCalendar::userPick(TDateTime date)
{
    date_ = date;
    Click();
}

// ---- TDateTimePicker

TDateTimePicker::TDateTimePicker(TWinControl* parent, std::string name) : TEdit(parent, std::move(name))
{
    ReadOnly = true;
    setDateTime(dateTime_);
}

void TDateTimePicker::setDateTime(TDateTime value)
{
    dateTime_ = value;
    setText(dateToStr(value));
}
