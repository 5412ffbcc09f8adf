#pragma once
// The GEDCOM import: a file read into a new tree, with the log of everything that could not
// be taken over. The caller installs the tree and shows the outcome; nothing here asks or
// tells the user.
#include "gedcom/import_charset.h"
#include "gedcom/import_log.h"
#include "gedcom/import_parser.h"

#include <string>
#include <vector>

class Rod;

struct ImportResult {
    // False when the file does not exist; the tree is then untouched.
    bool fileFound = false;
    // Set when the file exists but cannot be read; the tree is then untouched.
    std::string readError;
    GedcomCharset charset = GedcomCharset::Cp1250;
    int persons = 0;
    int partnerships = 0;
    // One line per problem: "řádek " + line + ": " + message.
    ImportLog log;
};

// Reads `fileName` into `tree`, a new empty tree.
ImportResult importGedcom(const std::string& fileName, Rod& tree, const ImportOptions& options);

// The import of a file's bytes (which it empties) into `result`.
void importGedcomBytes(ImportResult& result, std::string& bytes, Rod& tree, const ImportOptions& options);

// The name of the log file.
inline constexpr const char* importLogName = "_errors.txt";

// Writes the log (also an empty one) as "_errors.txt" beside the imported file, or in
// `fallbackFolder` when that folder cannot be written. Answers the path written, or an empty
// text when neither could be.
std::string writeImportLog(const ImportResult& result, const std::string& importedFile,
                           const std::string& fallbackFolder);
