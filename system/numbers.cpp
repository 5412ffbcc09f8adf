#include "system/numbers.h"

#include "system/exceptions.h"

#include <charconv>
#include <climits>
#include <cmath>

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

bool tryStrToFloat(std::string_view text, double& value)
{
    size_t b = text.find_first_not_of(' ');
    if (b == std::string_view::npos)
        return false;
    text = text.substr(b, text.find_last_not_of(' ') - b + 1);
    std::string c; // the same number as the C library reads it
    size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        c += text[i++];
    int digits = 0;
    bool comma = false;
    for (; i < text.size(); ++i) {
        char ch = text[i];
        if (ch >= '0' && ch <= '9') {
            c += ch;
            ++digits;
        } else if (ch == ',' && !comma) {
            c += '.';
            comma = true;
        } else {
            break;
        }
    }
    if (digits == 0)
        return false;
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        c += 'e';
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            c += text[i++];
        size_t expStart = i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9')
            c += text[i++];
        if (i == expStart)
            return false;
    }
    if (i != text.size())
        return false;
    // from_chars, unlike strtod, never follows the process's locale.
    const char* first = c.c_str();
    if (*first == '+')
        ++first;
    double v = 0;
    auto [end, error] = std::from_chars(first, c.c_str() + c.size(), v);
    if (error != std::errc() || end != c.c_str() + c.size() || !std::isfinite(v))
        return false;
    value = v;
    return true;
}
