#include "model/language_file.h"

#include "system/codec.h"
#include "system/collation.h"
#include "system/exceptions.h"
#include "system/fileio.h"
#include "system/files.h"
#include "system/text.h"

#include <algorithm>
#include <filesystem>

std::string languageFolder(const std::string& programFolder)
{
    return programFolder + "data/lang/";
}

std::string missingKeyLogPath(const std::string& programFolder)
{
    return programFolder + "data/lang/new.txt";
}

bool isLanguageFileName(const std::string& name)
{
    static const std::string ext = ".lan";
    if (name.size() <= ext.size() || !sameText(name.substr(name.size() - ext.size()), ext))
        return false;
    if (name.find_first_of(std::string("/\\:\0", 4)) != std::string::npos)
        return false;
    return name.find("..") == std::string::npos;
}

std::string safeLanguageFileName(const std::string& name)
{
    return isLanguageFileName(name) ? name : kDefaultLanguageFileName;
}

bool provideCzechLanguageFile(const std::string& programFolder)
{
    const std::string folder = languageFolder(programFolder);
    if (!listFolder(folder, "*.lan").empty())
        return false;
    writeCp1250Lines(folder + kDefaultLanguageFileName, {"[info]", "jazyk=Čeština"});
    return true;
}

namespace {

bool collatedLess(const std::string& a, const std::string& b)
{
    return compareCollated(a, b) < 0;
}

// Adds the lines to the missing-key log, keeping every line in case-insensitive order; a line
// already there is added again (an empty default is logged at each lookup). A missing log is
// empty.
void addLogLines(const std::string& logPath, const std::vector<std::string>& added,
                 const LanguageFile::LinesWriter& write)
{
    std::vector<std::string> lines;
    std::error_code ec;
    if (std::filesystem::exists(logPath, ec))
        lines = readCp1250Lines(logPath);
    // Appended after the lines already there, then sorted stably: a repeated line follows its
    // earlier copies.
    lines.insert(lines.end(), added.begin(), added.end());
    std::stable_sort(lines.begin(), lines.end(), collatedLess);
    write(logPath, lines);
}

} // namespace

LanguageFile::LanguageFile(std::string path, std::string logPath)
    : writeLines([](const std::string& file, const std::vector<std::string>& lines) {
          // Rewritten at every write-back of missing keys: safe against a crash through the
          // rename, but without waiting for the disk each time.
          writeCp1250Lines(file, lines, false);
      }),
      path_(std::move(path)),
      logPath_(std::move(logPath))
{
}

namespace {

// Bytes that the first write-back would throw away whole: a file with text but no section
// (anything but a language file), or with NUL bytes (a file in UTF-16).
bool holdsNoLanguage(const std::string& bytes, const TMemIniFile& parsed)
{
    if (bytes.find('\0') != std::string::npos)
        return true;
    if (!parsed.GetStrings().empty())
        return false;
    return bytes.find_first_not_of(" \t\r\n") != std::string::npos;
}

} // namespace

void LanguageFile::load()
{
    writable_ = true;
    problemReported_ = false;
    try {
        ini_ = TMemIniFile();
        std::error_code ec;
        const auto status = std::filesystem::status(path_, ec);
        if (ec || !std::filesystem::exists(status) || std::filesystem::is_directory(status))
            return;
        const std::string bytes = readFileBytes(path_);
        ini_.SetStrings(splitLines(cp1250ToUtf8(bytes)));
        if (holdsNoLanguage(bytes, ini_)) {
            // Whatever the person wrote stays, under another name; the defaults go into a new
            // file of the old name.
            ini_ = TMemIniFile();
            // A name that is no language file name, so the choice of languages never offers it.
            const std::string aside = freeNameWithSuffix(path_, ".necitelny");
            std::filesystem::rename(path_, aside, ec);
            if (ec) {
                writable_ = false;
                reportProblem();
                return;
            }
            if (onProblem)
                onProblem(langText("chyby", "jazykOdlozen",
                                   "Jazykový soubor nešel přečíst, místo něj se zapisuje nový. "
                                   "Původní soubor zůstal uložen jako:") +
                          " " + aside);
        }
    } catch (const Exception&) {
        ini_ = TMemIniFile();
        writable_ = false;
        reportProblem();
    }
}

void LanguageFile::reportProblem()
{
    if (problemReported_)
        return;
    problemReported_ = true;
    if (onProblem)
        onProblem(kLanguageFileProblem);
}

std::string LanguageFile::langText(const std::string& section, const std::string& key,
                                   const std::string& defaultText)
{
    std::string value = ini_.ReadString(section, key, std::string());
    if (value.empty()) {
        ini_.WriteString(section, key, defaultText);
        value = defaultText;
        unwrittenKeys_.push_back(section + " ; " + key);
        if (batchDepth_ == 0)
            writeBack();
    }
    if (value == " ")
        return std::string();
    return value;
}

void LanguageFile::writeBack()
{
    if (unwrittenKeys_.empty())
        return;
    const std::vector<std::string> keys = std::move(unwrittenKeys_);
    unwrittenKeys_.clear();
    try {
        if (!writable_)
            throw EInOutError("The language file was not read and is not written");
        writeLines(path_, ini_.GetStrings());
        addLogLines(logPath_, keys, writeLines);
    } catch (const Exception&) {
        reportProblem();
    }
}

std::string LanguageFile::readText(const std::string& section, const std::string& key,
                                   const std::string& defaultText)
{
    return ini_.ReadString(section, key, defaultText);
}
