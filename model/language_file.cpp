#include "model/language_file.h"

#include "platform/codec.h"
#include "platform/collation.h"
#include "platform/exceptions.h"
#include "platform/files.h"
#include "platform/text.h"

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
      path_(std::move(path)), logPath_(std::move(logPath))
{
}

void LanguageFile::load()
{
    writable_ = true;
    problemReported_ = false;
    try {
        ini_ = TMemIniFile(path_);
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
