#pragma once
// A real GEDCOM file made as big as asked: its records repeated with every cross-reference
// prefixed per copy, between one header and one trailer. Used by the import benchmark and by
// make_gedcom_file, which writes such a file for measuring the import by hand.
#include "system/fileio.h"

#include <string>
#include <string_view>
#include <vector>

namespace bench {

// Every "@id@" of the line becomes "@<prefix>id@".
inline void appendPrefixed(std::string& out, std::string_view line, const std::string& prefix)
{
    size_t i = 0;
    while (i < line.size()) {
        const size_t at = line.find('@', i);
        if (at == std::string_view::npos) {
            out.append(line.substr(i));
            break;
        }
        const size_t close = line.find('@', at + 1);
        const bool xref = close != std::string_view::npos && close > at + 1 &&
                          line.substr(at + 1, close - at - 1).find(' ') == std::string_view::npos;
        out.append(line.substr(i, at + 1 - i));
        if (xref)
            out += prefix;
        i = at + 1;
        if (xref) {
            out.append(line.substr(i, close + 1 - i));
            i = close + 1;
        }
    }
    out += '\n';
}

// The header of the real file once, its records as often as it takes, one trailer.
inline std::string syntheticFile(const std::string& sourceFile, int persons)
{
    const std::string real = readFileBytes(sourceFile);
    std::vector<std::string_view> lines;
    for (size_t start = 0; start < real.size();) {
        size_t end = real.find('\n', start);
        if (end == std::string::npos)
            end = real.size();
        lines.push_back(std::string_view(real).substr(start, end - start));
        start = end + 1;
    }
    size_t firstRecord = 1;
    while (firstRecord < lines.size() && lines[firstRecord].substr(0, 1) != "0")
        ++firstRecord;
    size_t trailer = lines.size();
    while (trailer > 0 && lines[trailer - 1].substr(0, 6) != "0 TRLR")
        --trailer;
    int perCopy = 0;
    for (size_t i = firstRecord; i + 1 < trailer; ++i)
        if (lines[i].size() > 5 && lines[i].substr(lines[i].size() - 5) == " INDI")
            ++perCopy;
    std::string out;
    for (size_t i = 0; i < firstRecord; ++i)
        (out += lines[i]) += '\n';
    for (int copy = 0; copy * perCopy < persons; ++copy) {
        const std::string prefix = "C" + std::to_string(copy) + "_";
        for (size_t i = firstRecord; i + 1 < trailer; ++i)
            appendPrefixed(out, lines[i], prefix);
    }
    out += "0 TRLR\n";
    return out;
}

// One couple with `children` children, each with a name, a birth and its FAMC line, and the
// family listing them all: what grows with the square of a family where each child's siblings
// are listed for it.
inline std::string familyFile(int children)
{
    std::string out = "0 HEAD\n1 CHAR UTF-8\n0 @H@ INDI\n1 NAME Otec /Novak/\n1 SEX M\n1 FAMS @F1@\n"
                      "0 @W@ INDI\n1 NAME Matka /Novakova/\n1 SEX F\n1 FAMS @F1@\n";
    for (int i = 0; i < children; ++i) {
        const std::string n = std::to_string(i);
        out += "0 @C" + n + "@ INDI\n1 NAME Dite" + n + " /Novak/\n1 SEX " + (i % 2 ? "F" : "M") +
               "\n1 BIRT\n2 DATE " + std::to_string(1 + i % 28) + " JAN " + std::to_string(1800 + i % 100) +
               "\n1 FAMC @F1@\n";
    }
    out += "0 @F1@ FAM\n1 HUSB @H@\n1 WIFE @W@\n";
    for (int i = 0; i < children; ++i)
        out += "1 CHIL @C" + std::to_string(i) + "@\n";
    return out + "0 TRLR\n";
}

} // namespace bench
