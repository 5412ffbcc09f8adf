#pragma once
// The token stream of the GEDCOM import: the current token of the scanner, the keyword numbers
// of the tags, and the lines of the file read as level, cross-reference, tag and value. Every
// problem goes to the import log as "řádek " + line number + ": " + message.
#include "gedcom/import_log.h"
#include "gedcom/import_scanner.h"

#include <string>
#include <string_view>
#include <vector>

// Token kinds.
enum GedTokenKind {
    tkNumber = 0,
    tkWord = 1,
    tkBlank = 2,
    tkEndOfLine = 3,
    tkEndOfFile = 5,
    tkXref = 6,
    tkSlashedName = 7,
    tkUserTag = 8,
    tkSlashNumber = 9,
    tkCalendarEscape = 10,
    tkFirstKeyword = 20,
    tkLastKeyword = 165,
    tkGregorianMonth = 200,
    tkHebrewMonth = 201,
    tkFrenchMonth = 202,
    tkError = 300,
};

// The keyword numbers the parser dispatches on.
enum GedKeyword {
    kwADDR = 21,
    kwADR1 = 22,
    kwADR2 = 23,
    kwBIRT = 38,
    kwBURI = 40,
    kwCAUS = 43,
    kwCHAN = 45,
    kwCHAR = 46,
    kwCHIL = 47,
    kwCHR = 48,
    kwCITY = 50,
    kwCONC = 51,
    kwCONT = 54,
    kwCOPR = 55,
    kwCORP = 56,
    kwCREM = 57,
    kwCTRY = 58,
    kwDATA = 59,
    kwDATE = 60,
    kwDEAT = 61,
    kwDEST = 64,
    kwDIV = 65,
    kwEDUC = 68,
    kwEMAI = 69,
    kwFAM = 75,
    kwFAMC = 76,
    kwFAMS = 78,
    kwFAX = 79,
    kwFILE = 81,
    kwFORM = 82,
    kwGEDC = 84,
    kwGIVN = 85,
    kwHEAD = 87,
    kwHUSB = 88,
    kwINDI = 91,
    kwLANG = 92,
    kwMARR = 99,
    kwNAME = 102,
    kwNATI = 103,
    kwNCHI = 105,
    kwNOTE = 108,
    kwNPFX = 109,
    kwNSFX = 110,
    kwOBJE = 111,
    kwOCCU = 112,
    kwPEDI = 116,
    kwPHON = 117,
    kwPLAC = 118,
    kwPOST = 119,
    kwRELI = 126,
    kwREPO = 127,
    kwRESI = 128,
    kwSEX = 135,
    kwSOUR = 138,
    kwSTAE = 141,
    kwSUBM = 143,
    kwSUBN = 144,
    kwSURN = 145,
    kwTIME = 148,
    kwTITL = 149,
    kwTRLR = 150,
    kwTYPE = 151,
    kwVERS = 152,
    kwWIFE = 153,
    kwWWW = 155,
    kwADR3 = 156,
    kwINT = 157,
    kwFROM = 158,
    kwTO = 159,
    kwBEF = 160,
    kwAFT = 161,
    kwBET = 162,
    kwABT = 163,
    kwCAL = 164,
    kwEST = 165,
};

class Token {
public:
    void reset()
    {
        kind_ = tkError;
        text_.clear();
    }
    int kind() const { return kind_; }
    const std::string& text() const { return text_; }

private:
    friend class GedFile;
    int kind_ = tkError;
    std::string text_;
};

// The keyword, month kind or tkWord of a letter word, whatever its letter case.
int lookupKeyword(std::string_view word);
// JAN .. DEC (any case) as 1 .. 12, anything else 0.
int monthNumber(std::string_view word);

// One line of the file as the parser sees it.
struct GedLine {
    int number = 0; // from 1
    int level = -1; // -1 past the end of the file
    bool bad = false; // its level, tag or structure could not be read (already logged)
    std::string xref; // the cross-reference before the tag, without its at signs
    int tag = tkError; // keyword number, tkWord or tkUserTag
    std::string tagText;
    std::string value; // the rest of the line after the one blank that follows the tag
};

class LexAn {
public:
    // `text` is the decoded file (gedcom/import_charset.h).
    explicit LexAn(std::string text);
    LexAn(const LexAn&) = delete;
    LexAn& operator=(const LexAn&) = delete;

    void next() { file_.scanToken(token_); }
    int kind() const { return token_.kind(); }
    const std::string& text() const { return token_.text(); }

    // Reads the next line that is not empty; false past the last. A line whose level cannot be
    // read is logged and passed over; one whose level is known but whose tag is not comes back
    // `bad`, so that its deeper lines can be passed over with it.
    bool readLine(GedLine& line);

    // "řádek " + line + ": " + message.
    void logError(int lineNumber, std::string_view message) { log_.add(lineNumber, message); }
    ImportLog& log() { return log_; }
    // Lines passed over or given back bad so far.
    int damagedLines() const { return damagedLines_; }
    int lineCount() const { return file_.lineCount(); }
    // The text of line `number` (from 1) as it stands in the file, while the text is held.
    std::string_view lineText(int number) const { return file_.line(number - 1); }
    // The file's text is let go (the records are read; the log and line count stay): no line is
    // read after.
    void releaseText()
    {
        file_.releaseText();
        nextLine_ = file_.lineCount();
    }

private:
    void unexpected(int lineNumber, const std::string& expected);
    // Control characters out of the value, "@@" read as the one at sign it stands for.
    void cleanValue(GedLine& line);

    ImportLog log_;
    GedFile file_;
    Token token_;
    int nextLine_ = 0;
    int damagedLines_ = 0;
    // The level of the line read before; the header's 0 for the first.
    int lastLevel_ = 0;
};
