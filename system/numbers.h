#pragma once
// The class library's strict text <-> integer conversions.
#include <cstdint>
#include <string>
#include <string_view>

// Optional sign and decimal digits within the 32-bit range; anything else (blanks, an empty
// text, a fraction) raises EConvertError.
int strToInt(std::string_view text);
// The same, answering `fallback` instead of raising.
int strToIntDef(std::string_view text, int fallback);
bool tryStrToInt(std::string_view text, int& value);
std::string intToStr(long long value);
// The class library's text-to-floating-point conversion with the Czech decimal comma: blanks
// around, an optional sign, digits with at most one ",", an optional exponent ("1,5E3").
bool tryStrToFloat(std::string_view text, double& value);
