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
    // said (empty without a CHAR line).
    bool charsetOverruled = false;
    std::string declared;
};

// A UTF-16 byte-order mark (or, without one, the zero bytes of UTF-16 text) and a UTF-8 mark
// decide first; then bytes that are valid UTF-8 and not all ASCII are read as UTF-8 whatever
// the CHAR line says; otherwise the header's CHAR line does: ANSEL, UTF-8 (also "UNICODE" in
// an 8-bit file), and anything else or no CHAR line as Windows-1250. A byte that is not valid
// UTF-8 in a UTF-8 file reads as its Windows-1250 letter, so nothing is dropped.
DecodedGedcom decodeGedcom(std::string bytes);

// ANSEL to UTF-8: the spacing letters (Ł, Ø, Æ, ß, ...) and the combining marks, which ANSEL
// writes before their letter. Besides the standard marks, three pairs keep the meaning a
// Czech program's older export gave them: grave before u, i, e, o stands for ů, ě, č, ň and
// diaeresis before i for ď. A byte ANSEL leaves unassigned reads as Windows-1250.
std::string anselToUtf8(std::string_view bytes);

// The value of the header's CHAR line, upper-cased and trimmed; empty when the header has none.
std::string gedcomCharsetName(std::string_view bytes);
