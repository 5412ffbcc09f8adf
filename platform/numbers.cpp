#include "platform/numbers.h"

#include "platform/exceptions.h"

#include <climits>

bool tryStrToInt(std::string_view text, int& value)
{
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i == text.size())
        return false;
    int64_t v = 0;
    for (; i < text.size(); ++i) {
        char c = text[i];
        if (c < '0' || c > '9')
            return false;
        v = v * 10 + (c - '0');
        if (v > int64_t(INT_MAX) + 1)
            return false;
    }
    if (negative)
        v = -v;
    if (v > INT_MAX || v < INT_MIN)
        return false;
    value = static_cast<int>(v);
    return true;
}

int strToInt(std::string_view text)
{
    int v;
    if (!tryStrToInt(text, v))
        throw EConvertError("'" + std::string(text) + "' is not a valid integer value");
    return v;
}

int strToIntDef(std::string_view text, int fallback)
{
    int v;
    return tryStrToInt(text, v) ? v : fallback;
}

std::string intToStr(long long value)
{
    return std::to_string(value);
}
