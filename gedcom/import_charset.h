#pragma once
// The character set of a GEDCOM file, decoded to the program's UTF-8 at the file boundary, so
// everything after it (scanner, lexer, parser) sees one encoding. A letter that Windows-1250
// cannot hold stays as it is here; it becomes "?" only when a tree file is saved.
#include <string>
#include <string_view>

enum class GedcomCharset { Cp1250, Utf8, Utf16LE, Utf16BE, Ansel };

struct DecodedGedcom {
    std::string text;
    GedcomCharset charset = GedcomCharset::Cp1250;
    // Characters that could not be decoded (a broken UTF-16 pair) and became U+FFFD.
    int unconverted = 0;
    // The bytes were UTF-8 though the CHAR line said otherwise or nothing; `declared` is what it
    // said (empty without a CHAR line), also when it names a set not known here.
    bool charsetOverruled = false;
    std::string declared;
    // The header's CHAR line (from 1), 0 without one.
    int charsetLine = 0;
    // The first line of a file said to be UTF-8 that holds a byte UTF-8 has not, 0 when none.
    int firstNonUtf8Line = 0;
    // ANSEL: whether the file writes Czech with the pairs of the older Czech programs, and the
    // first of those pairs met (its line, 0 when none, and the letter it was read as).
    bool czechAnselPairs = false;
    int anselPairLine = 0;
    std::string anselPairLetter;
    // What showed that the file is standard ANSEL, and its line (0 when nothing did).
    int anselEvidenceLine = 0;
    std::string anselEvidence;
    // The CHAR line names a character set the import does not know; the file is read as
    // Windows-1250.
    bool unknownCharset = false;
    // CHAR ANSI, read as Windows-1250: the first line (0 when none) holding a byte that
    // Windows-1252 reads as another letter, and the letter in each.
    int ansiLine = 0;
    std::string ansiAs1250;
    std::string ansiAs1252;
};

// A UTF-16 byte-order mark (or, without one, the zero bytes of UTF-16 text) and a UTF-8 mark
// decide first; then bytes that are valid UTF-8 and not all ASCII are read as UTF-8 whatever
// the CHAR line says; otherwise the header's CHAR line does: ANSEL, UTF-8 (also "UNICODE" in
// an 8-bit file), and anything else or no CHAR line as Windows-1250. A byte that is not valid
// UTF-8 in a UTF-8 file reads as its Windows-1250 letter, so nothing is dropped.
DecodedGedcom decodeGedcom(std::string bytes);

// ANSEL to UTF-8: the spacing letters (Ł, Ø, Æ, ß, ...) and the combining marks, which ANSEL
// writes before their letter. A byte ANSEL leaves unassigned reads as Windows-1250. With
// `czechPairs`, the pairs older Czech programs wrote for letters standard ANSEL has no single
// mark for keep their meaning: grave before u, i, e, o stands for ů, ě, č, ň and diaeresis
// before i for ď; otherwise they are the standard ù, ì, è, ò and ï. Those programs wrote the
// Czech letters they had no pair for as Windows-1250 bytes, and ř (0xF8) is one of them. `firstPair`,
// when given, gets the offset of the first such pair (npos when none) and `pairLetter` what it
// was read as.
std::string anselToUtf8(std::string_view bytes, bool czechPairs = false, size_t* firstPair = nullptr,
                        std::string* pairLetter = nullptr);

// The first thing in an ANSEL file that the older Czech programs never wrote, so that the file is
// standard ANSEL: a combining mark other than acute, grave and diaeresis (a caron, a ring, a
// cedilla ...), a grave or diaeresis before a letter those programs had no pair for (à, ë, ö,
// ü ...), or a header LANG other than Czech or Slovak, whichever comes first.
struct AnselEvidence {
    // Offset of the mark or of the LANG line; npos when the file shows nothing.
    size_t offset = std::string_view::npos;
    // What it is: the letter as standard ANSEL reads it, or "LANG " + the language.
    std::string what;
};
AnselEvidence standardAnselEvidence(std::string_view bytes);

// The value of the header's line of `tag` (upper-case, at level 1), trimmed; empty when the
// header has none. `line` gets its line number from 1 (0 without one), `offset` where it starts.
std::string gedcomHeaderValue(std::string_view bytes, std::string_view tag, int* line = nullptr,
                              size_t* offset = nullptr);
// The header's CHAR value, upper-cased.
std::string gedcomCharsetName(std::string_view bytes, int* line = nullptr);

// The line (from 1) of a byte offset, counting lines as the scanner does.
int lineOfOffset(std::string_view bytes, size_t offset);
