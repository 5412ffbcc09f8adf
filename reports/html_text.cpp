#include "reports/html_text.h"

std::string htmlEscape(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
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
        const bool plain = (b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z') || (b >= '0' && b <= '9') ||
                           kept.find(c) != std::string_view::npos;
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

// The scheme of an address written with "//" after it ("https://..."): letters, then letters,
// digits, "+", "-" or "."; empty when there is none. An address without one is a host name
// ("www.novak.cz", "novak.cz:8080") that "http://" is put before.
std::string_view schemeOf(std::string_view address)
{
    if (address.empty() ||
        !((address[0] >= 'a' && address[0] <= 'z') || (address[0] >= 'A' && address[0] <= 'Z')))
        return {};
    for (size_t i = 1; i < address.size(); ++i) {
        const char c = address[i];
        if (c == ':')
            return address.substr(i + 1, 2) == "//" ? address.substr(0, i) : std::string_view();
        const bool schemeChar = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                                c == '+' || c == '-' || c == '.';
        if (!schemeChar)
            return {};
    }
    return {};
}

bool sameLetters(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        const char c = (a[i] >= 'A' && a[i] <= 'Z') ? char(a[i] - 'A' + 'a') : a[i];
        if (c != b[i])
            return false;
    }
    return true;
}

bool startsWithMailto(std::string_view address)
{
    return address.size() > 7 && sameLetters(address.substr(0, 7), "mailto:");
}

} // namespace

std::string webAddressHref(std::string_view address)
{
    // A page opened from the disk runs whatever a link of another scheme carries
    // ("javascript://%0A..." is a script), so only these few become links.
    const std::string_view scheme = schemeOf(address);
    const std::string encoded = urlEncode(address);
    if (scheme.empty())
        return htmlEscape(startsWithMailto(address) ? encoded : "http://" + encoded);
    for (std::string_view allowed : {"http", "https", "ftp"})
        if (sameLetters(scheme, allowed))
            return htmlEscape(encoded);
    return {};
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
