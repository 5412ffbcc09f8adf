#include "storage/tree_file_format.h"

#include "model/text_source.h"
#include "system/codec.h"
#include "system/fileio.h"
#include "system/numbers.h"

void shiftBody(std::string& bytes)
{
    for (char& c : bytes)
        c = static_cast<char>(static_cast<unsigned char>(c) + 1);
}

void unshiftBody(std::string& bytes)
{
    for (char& c : bytes)
        c = static_cast<char>(static_cast<unsigned char>(c) - 1);
}

TreeFileKind classifyVersionLine(std::string_view line)
{
    // Characters are counted from 1: the ninth is the "0" of "1.0.xx" in "verze 1.0.xx". A line
    // too short to hold the character a rule tests is not a version line.
    if (line.size() < 2)
        return TreeFileKind::Damaged;
    int v;
    if (!tryStrToInt(line.substr(line.size() - 2), v))
        return TreeFileKind::Damaged;
    if (v >= 13 && v <= 16) {
        if (line.size() < 9)
            return TreeFileKind::Damaged;
        if (line[8] == '0')
            return TreeFileKind::Old;
    } else if (v <= 12) {
        if (line.size() < 11)
            return TreeFileKind::Damaged;
        if (line[10] == '0')
            return TreeFileKind::TooOld;
    }
    return TreeFileKind::Current;
}

std::string readVersionLine(const std::string& fileName)
{
    // Only the file's start is read: the line is asked for before every open, and a big tree's
    // file is hundreds of megabytes. Enough is the third line's end, or past the most it keeps.
    const std::string bytes = readFileStart(fileName, [](const std::string& read) {
        size_t at = 0;
        for (int line = 0; line < 3; ++line) {
            const size_t lf = read.find('\n', at);
            if (lf == std::string::npos)
                return line == 2 && read.size() - at > 1001;
            at = lf + 1;
        }
        return true;
    });
    size_t start = 0;
    for (int line = 0; line < 2; ++line) {
        size_t lf = bytes.find('\n', start);
        if (lf == std::string::npos)
            throw EDamagedTreeFile("No version line in " + fileName);
        start = lf + 1;
    }
    size_t lf = bytes.find('\n', start);
    std::string line = bytes.substr(start, lf == std::string::npos ? std::string::npos : lf - start);
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    if (line.size() > 1000)
        line.resize(1000);
    return cp1250ToUtf8(line);
}

std::string damagedTreeFileMessage(TextSource& texts, const std::string& fileName, int line,
                                   const std::string& why)
{
    std::string message =
        texts.langText("chyby", "poskozenySoubor", "Soubor je poškozený, lipoveta z něj nelze načíst:") +
        " " + fileName;
    if (line > 0)
        message += " (" + texts.langText("chyby", "radekSouboru", "řádek") + " " + std::to_string(line) + ")";
    if (!why.empty())
        message += ":\n" + why;
    return message;
}

std::string notFoundText(TextSource& texts)
{
    return texts.langText("chyby", "nenalezen", "nenalezen!");
}
