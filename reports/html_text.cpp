#include "reports/html_text.h"

std::string htmlEscape(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

std::string urlEncode(std::string_view address)
{
    static constexpr std::string_view kept = "-._~:/?#[]@!$&'()*+,;=%";
    static constexpr char hex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(address.size());
    for (char c : address) {
        const auto b = static_cast<unsigned char>(c);
        const bool plain = (b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z') || (b >= '0' && b <= '9')
                           || kept.find(c) != std::string_view::npos;
        if (plain) {
            out += c;
        } else {
            out += '%';
            out += hex[b >> 4];
            out += hex[b & 15];
        }
    }
    return out;
}

namespace {

// A scheme followed by "//": letters, then letters, digits, "+", "-" or ".", then "://".
bool hasScheme(std::string_view address)
{
    if (address.empty() || !((address[0] >= 'a' && address[0] <= 'z') || (address[0] >= 'A' && address[0] <= 'Z')))
        return false;
    for (size_t i = 1; i < address.size(); ++i) {
        const char c = address[i];
        if (c == ':')
            return address.substr(i + 1, 2) == "//";
        const bool schemeChar = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')
                                || c == '+' || c == '-' || c == '.';
        if (!schemeChar)
            return false;
    }
    return false;
}

} // namespace

std::string webAddressHref(std::string_view address)
{
    const std::string encoded = urlEncode(address);
    return htmlEscape(hasScheme(address) ? encoded : "http://" + encoded);
}

std::string mailHref(std::string_view address)
{
    return htmlEscape("mailto:" + urlEncode(address));
}

bool isPlainFolderName(std::string_view name)
{
    if (name.empty() || name == "." || name == "..")
        return false;
    for (char c : name) {
        const auto b = static_cast<unsigned char>(c);
        if (c == '/' || c == '\\' || b < 32 || b == 127)
            return false;
    }
    return true;
}
