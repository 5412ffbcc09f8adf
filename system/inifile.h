#pragma once
// The class library's in-memory ini file: the language files and the settings file are read
// whole into it, looked up and changed in memory, and written back whole.
//
// Reading rules (line by line, Windows-1250 text):
// - a line whose first character is "[" and whose last is "]" opens the section named by the
//   text between them;
// - every other line inside a section is an entry: the key is the text before the first "=",
//   the value all the text after it, unchanged (blanks are part of it); a line without "="
//   matches no key but is kept;
// - empty lines, lines beginning with ";" and lines before the first section are dropped;
// - section names and keys match without regard to letter case; where a name occurs twice, the
//   first occurrence counts (a later section of the same name is kept but never searched).
//
// Writing: a present entry is changed in place (its key takes the caller's spelling); a new one
// is appended to the end of its section, and a missing section to the end of the file.
// UpdateFile writes every section in order: "[name]", its lines, one empty line; through a
// temporary file renamed over the old one.
//
// Sections and keys are indexed, so a lookup or a write costs no walk over the file and a
// rewrite costs one pass.
#include <string>
#include <unordered_map>
#include <vector>

class TMemIniFile {
public:
    // An empty file that UpdateFile writes to `fileName`.
    TMemIniFile() = default;
    // Reads `fileName` when it exists; a missing file (or a folder of that name) is an empty
    // file. Raises EInOutError when the file exists but cannot be read.
    explicit TMemIniFile(const std::string& fileName);

    const std::string& FileName() const { return fileName_; }

    // Replaces the content by the given lines, read by the rules above.
    void SetStrings(const std::vector<std::string>& lines);
    // The lines UpdateFile writes.
    std::vector<std::string> GetStrings() const;
    // Drops everything.
    void Clear();

    bool SectionExists(const std::string& section) const;
    bool ValueExists(const std::string& section, const std::string& key) const;

    // The stored value (an empty one too) or `defaultText` when the section or key is absent.
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& defaultText) const;
    // A value that is not a whole number (strict decimal) gives the default.
    int ReadInteger(const std::string& section, const std::string& key, int defaultValue) const;
    // Read as a whole number; any non-zero number is true.
    bool ReadBool(const std::string& section, const std::string& key, bool defaultValue) const;

    // A line break inside the value would split the entry into lines of their own on the next
    // read; it is written as a blank.
    void WriteString(const std::string& section, const std::string& key, const std::string& value);
    void WriteInteger(const std::string& section, const std::string& key, int value);
    // Written as "1" or "0".
    void WriteBool(const std::string& section, const std::string& key, bool value);

    // Writes the whole file. Raises EInOutError; the old file is then left as it was.
    void UpdateFile() const;

private:
    struct Line {
        std::string key; // text before the first "="; unused when !isEntry
        std::string value; // text after the first "=", or the whole line when !isEntry
        bool isEntry = true;
    };
    struct Section {
        std::string name;
        std::vector<Line> lines;
        std::unordered_map<std::string, size_t> keyIndex; // folded key -> first entry
    };

    const Section* findSection(const std::string& section) const;
    Section& sectionForWrite(const std::string& section);
    const Line* findEntry(const std::string& section, const std::string& key) const;

    std::string fileName_;
    std::vector<Section> sections_;
    std::unordered_map<std::string, size_t> sectionIndex_; // folded name -> first section
};
