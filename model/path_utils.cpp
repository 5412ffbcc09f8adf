#include "model/path_utils.h"

#include "system/collation.h"
#include "system/files.h"
#include "system/text.h"

#include <vector>

namespace {

size_t lastSlash(std::string_view path)
{
    return path.rfind('/');
}

// Byte position of the dot that starts the extension of the last component, or npos.
size_t extensionDot(std::string_view path)
{
    size_t dot = path.rfind('.');
    if (dot == std::string_view::npos)
        return dot;
    size_t slash = lastSlash(path);
    if (slash != std::string_view::npos && slash > dot)
        return std::string_view::npos;
    return dot;
}

// The components of a path; false when one of them is "..".
bool components(std::string_view path, std::vector<std::string_view>& out)
{
    size_t pos = 0;
    while (pos <= path.size()) {
        size_t next = path.find('/', pos);
        if (next == std::string_view::npos)
            next = path.size();
        std::string_view part = path.substr(pos, next - pos);
        if (part == "..")
            return false;
        if (!part.empty() && part != ".")
            out.push_back(part);
        pos = next + 1;
    }
    return true;
}

} // namespace

std::string folderOfPath(std::string_view path)
{
    size_t slash = lastSlash(path);
    if (slash == std::string_view::npos)
        return {};
    return std::string(path.substr(0, slash + 1));
}

std::string fileNameOf(std::string_view path)
{
    size_t slash = lastSlash(path);
    if (slash == std::string_view::npos)
        return std::string(path);
    return std::string(path.substr(slash + 1));
}

std::string baseNameOf(std::string_view path)
{
    return withoutExtension(fileNameOf(path));
}

std::string extensionOf(std::string_view name)
{
    size_t dot = extensionDot(name);
    if (dot == std::string_view::npos)
        return {};
    return std::string(name.substr(dot + 1));
}

std::string withoutExtension(std::string_view path)
{
    size_t dot = extensionDot(path);
    if (dot == std::string_view::npos)
        return std::string(path);
    return std::string(path.substr(0, dot));
}

bool isStrictlyBelow(std::string_view path, std::string_view folder)
{
    if (path.empty() || folder.empty())
        return false;
    if ((path.front() == '/') != (folder.front() == '/'))
        return false;
    std::vector<std::string_view> p;
    std::vector<std::string_view> f;
    if (!components(path, p) || !components(folder, f))
        return false;
    if (p.size() <= f.size())
        return false;
    for (size_t i = 0; i < f.size(); ++i) {
        if (p[i] != f[i])
            return false;
    }
    return true;
}

bool isDigitText(std::string_view text)
{
    if (text.empty())
        return false;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

int countDigits(std::string_view text)
{
    int n = 0;
    for (char c : text) {
        if (c >= '0' && c <= '9')
            ++n;
    }
    return n;
}

std::string firstDigits(std::string_view text, int n)
{
    std::string out;
    for (char c : text) {
        if (static_cast<int>(out.size()) >= n)
            break;
        if (c >= '0' && c <= '9')
            out.push_back(c);
    }
    return out;
}

int64_t leadingNumber(std::string_view text)
{
    int64_t v = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            break;
        int d = c - '0';
        if (v > (INT64_MAX - d) / 10)
            return INT64_MAX;
        v = v * 10 + d;
    }
    return v;
}

std::string padNumber(long long number, int width)
{
    std::string s = std::to_string(number);
    if (static_cast<int>(s.size()) < width)
        s.insert(0, static_cast<size_t>(width) - s.size(), ' ');
    return s;
}

std::string shortenText(std::string_view text)
{
    size_t n = utf8Length(text);
    if (n < 30)
        return std::string(text);
    return utf8Substr(text, 0, 3) + "..." + utf8Substr(text, n - 24);
}

std::string asciiLowerText(std::string_view text)
{
    std::string lower = lowerCase(text);
    std::string out;
    out.reserve(lower.size());
    size_t pos = 0;
    while (pos < lower.size()) {
        char32_t c = nextCodePoint(lower, pos);
        switch (c) {
        case U'á':
            c = U'a';
            break;
        case U'č':
            c = U'c';
            break;
        case U'ď':
            c = U'd';
            break;
        case U'é':
        case U'ě':
            c = U'e';
            break;
        case U'í':
            c = U'i';
            break;
        case U'ň':
            c = U'n';
            break;
        case U'ó':
            c = U'o';
            break;
        case U'ř':
            c = U'r';
            break;
        case U'š':
            c = U's';
            break;
        case U'ť':
            c = U't';
            break;
        case U'ú':
        case U'ů':
            c = U'u';
            break;
        case U'ý':
            c = U'y';
            break;
        case U'ž':
            c = U'z';
            break;
        default:
            break;
        }
        appendUtf8(out, c);
    }
    return out;
}

bool startsWith(std::string_view text, std::string_view prefix)
{
    return !prefix.empty() && text.starts_with(prefix);
}

bool lessByNumberOrText(std::string_view first, std::string_view second)
{
    bool firstDigit = !first.empty() && isDigitChar(static_cast<unsigned char>(first[0]));
    bool secondDigit = !second.empty() && isDigitChar(static_cast<unsigned char>(second[0]));
    if (firstDigit && secondDigit)
        return leadingNumber(first) < leadingNumber(second);
    return compareCollated(first, second) < 0;
}

bool deleteFolderTree(const std::string& folder, const std::string& within)
{
    if (!isStrictlyBelow(folder, within))
        return false;
    return ::deleteFolderTree(folder);
}
