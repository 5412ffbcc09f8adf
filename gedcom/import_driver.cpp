#include "gedcom/import_driver.h"

#include "gedcom/import_lexer.h"
#include "gedcom/import_linking.h"
#include "model/rod.h"
#include "platform/codec.h"
#include "platform/exceptions.h"
#include "platform/fileio.h"
#include "platform/files.h"
#include "platform/numbers.h"

#include <fstream>

namespace {

// The file in one read into a string of its size: a file of 100,000 persons is tens of
// megabytes, which growing a string by halves would copy and touch twice over.
bool readWholeFile(const std::string& path, std::string& bytes)
{
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in)
        return false;
    const std::streamoff size = in.tellg();
    if (size < 0)
        return false;
    bytes.resize(size_t(size));
    in.seekg(0);
    return bool(in.read(bytes.data(), size));
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
    if (decoded.charsetOverruled)
        lex.logError(0, decoded.declared.empty()
                            ? std::string("soubor nemá řádek CHAR, znaky jsou v UTF-8 a tak byl načten")
                            : "řádek CHAR uvádí " + decoded.declared +
                                  ", znaky jsou však v UTF-8 a tak byl soubor načten");
    if (decoded.unconverted)
        lex.logError(0,
                     intToStr(decoded.unconverted) + " znaků nelze převést, nahrazeny znakem \xEF\xBF\xBD");
    ImportParser parser(lex, tree, options);
    parser.parseFile();
    result.partnerships = linkImportedFamilies(tree, parser, options, lex);
    result.persons = tree.personCount();
    result.log = std::move(lex.log());
}

std::string writeImportLog(const ImportResult& result, const std::string& importedFile,
                           const std::string& fallbackFolder)
{
    const size_t slash = importedFile.rfind('/');
    const std::string besideFile = slash == std::string::npos ? std::string(importLogName)
                                                             : importedFile.substr(0, slash + 1) + importLogName;
    // A log for people to read: UTF-8, which keeps every letter of the file's names, with CR LF.
    size_t size = 0;
    for (const std::string& line : result.log)
        size += line.size() + 2;
    std::string bytes;
    bytes.reserve(size);
    for (const std::string& line : result.log) {
        bytes += line;
        bytes += "\r\n";
    }
    for (const std::string& path : {besideFile, joinPath(fallbackFolder, importLogName)}) {
        try {
            writeFileAtomic(path, bytes, false);
            return path;
        } catch (const Exception&) {
        }
    }
    return "";
}
