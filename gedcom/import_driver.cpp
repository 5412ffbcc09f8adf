#include "gedcom/import_driver.h"

#include "gedcom/import_lexer.h"
#include "gedcom/import_linking.h"
#include "model/rod.h"
#include "system/big_block.h"
#include "system/codec.h"
#include "system/exceptions.h"
#include "system/fileio.h"
#include "system/files.h"
#include "system/numbers.h"

#include <algorithm>
#include <fstream>
#include <memory>

namespace {

constexpr size_t pieceBytes = size_t(1) << 20;

// The file into a string of its size, a piece at a time through one small buffer: a file of a
// million persons is a couple of hundred megabytes, which growing a string by halves would copy
// over, and sizing it first would fill with zeros only to overwrite them; each byte of fresh
// memory is touched once.
bool readWholeFile(const std::string& path, std::string& bytes)
{
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in)
        return false;
    const std::streamoff size = in.tellg();
    if (size < 0)
        return false;
    in.seekg(0);
    bytes.clear();
    bytes.reserve(size_t(size));
    askHugePages(bytes.data(), bytes.capacity());
    const auto piece = std::make_unique_for_overwrite<char[]>(pieceBytes);
    while (bytes.size() < size_t(size)) {
        const size_t want = std::min(pieceBytes, size_t(size) - bytes.size());
        if (!in.read(piece.get(), std::streamsize(want)))
            return false;
        bytes.append(piece.get(), want);
    }
    return true;
}

// The log as UTF-8 lines for people to read (every letter of the file's names kept) with CR LF,
// written a piece at a time: the log of a big file is hundreds of megabytes as text and need not
// be held whole.
bool writeLogLines(int fd, const ImportLog& log)
{
    std::string piece;
    piece.reserve(pieceBytes);
    std::string line;
    for (size_t i = 0; i < log.size(); ++i) {
        log.lineInto(i, line);
        piece += line;
        piece += "\r\n";
        if (piece.size() >= pieceBytes / 2) {
            if (!writeToDescriptor(fd, piece))
                return false;
            piece.clear();
        }
    }
    return writeToDescriptor(fd, piece);
}

// What the decoding of the file changed or had to guess, each with the line it concerns where
// there is one.
void logDecoding(LexAn& lex, const DecodedGedcom& decoded)
{
    if (decoded.charsetOverruled) {
        if (decoded.declared.empty())
            lex.log().push_back("soubor nemá řádek CHAR, znaky jsou v UTF-8 a tak byl načten");
        else
            lex.logError(decoded.charsetLine, "řádek CHAR uvádí " + decoded.declared +
                                                  ", znaky jsou však v UTF-8 a tak byl soubor načten");
    }
    if (decoded.unconverted)
        lex.log().push_back(intToStr(decoded.unconverted) +
                            " znaků nelze převést, nahrazeny znakem \xEF\xBF\xBD");
    if (decoded.firstNonUtf8Line)
        lex.logError(decoded.firstNonUtf8Line, "znaky nejsou v UTF-8, jak soubor uvádí; ty, které v UTF-8 "
                                               "nejsou (poprvé na tomto řádku), čteny jako Windows-1250");
    if (decoded.unknownCharset)
        lex.logError(decoded.charsetLine,
                     "znaková sada \"" + decoded.declared + "\" není známa, soubor čten jako Windows-1250");
    if (decoded.ansiLine)
        lex.logError(decoded.ansiLine, "znaková sada ANSI čtena jako Windows-1250 (zde \"" +
                                           decoded.ansiAs1250 + "\", ve Windows-1252 by to bylo \"" +
                                           decoded.ansiAs1252 + "\")");
    // Which of the two readings of ANSEL was taken matters only where a pair reads differently.
    if (decoded.anselPairLine && decoded.czechAnselPairs)
        lex.logError(decoded.anselPairLine,
                     "dvojice znaků ANSEL čtena po česku jako \"" + decoded.anselPairLetter +
                         "\" (soubor nemá nic, co píše jen norma ANSEL), tak i všechny další");
    else if (decoded.anselPairLine)
        lex.logError(decoded.anselEvidenceLine,
                     "soubor píše podle normy ANSEL (zde \"" + decoded.anselEvidence +
                         "\"), dvojice znaků ANSEL proto čteny podle normy, poprvé na řádku " +
                         intToStr(decoded.anselPairLine) + " jako \"" + decoded.anselPairLetter + "\"");
}

} // namespace

ImportResult importGedcom(const std::string& fileName, Rod& tree, const ImportOptions& options)
{
    ImportResult result;
    if (!fileExists(fileName))
        return result;
    result.fileFound = true;
    std::string bytes;
    if (!readWholeFile(fileName, bytes)) {
        result.readError = "Soubor \"" + fileName + "\" nelze přečíst.";
        return result;
    }
    importGedcomBytes(result, bytes, tree, options);
    return result;
}

void importGedcomBytes(ImportResult& result, std::string& bytes, Rod& tree, const ImportOptions& options)
{
    // The decoded text is all that is needed from here on; a big file is not held twice.
    DecodedGedcom decoded = decodeGedcom(std::move(bytes));
    bytes = std::string();
    result.charset = decoded.charset;
    LexAn lex(std::move(decoded.text));
    logDecoding(lex, decoded);
    ImportParser parser(lex, tree, options);
    parser.parseFile();
    // The records hold copies of what they took: the text of a big file need not stay beside
    // the tree while the families are linked.
    lex.releaseText();
    result.partnerships = linkImportedFamilies(tree, parser, options, lex);
    // The linking and the checks after the records tell of lines met long before.
    lex.log().sortByLine();
    parser.logSkipCounts();
    result.persons = tree.personCount();
    result.log = std::move(lex.log());
}

std::string writeImportLog(const ImportResult& result, const std::string& importedFile,
                           const std::string& fallbackFolder)
{
    const size_t slash = importedFile.rfind('/');
    const std::string besideFile = slash == std::string::npos
                                       ? std::string(importLogName)
                                       : importedFile.substr(0, slash + 1) + importLogName;
    for (const std::string& path : {besideFile, joinPath(fallbackFolder, importLogName)}) {
        try {
            replaceFile(
                path, [&](int fd) { return writeLogLines(fd, result.log); }, false);
            return path;
        } catch (const Exception&) {
        }
    }
    return "";
}
