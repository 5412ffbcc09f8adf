#include "system/inifile.h"

#include "system/codec.h"
#include "system/numbers.h"
#include "system/text.h"

#include <filesystem>

namespace {

std::string fold(const std::string& name)
{
    return lowerCase(name);
}

} // namespace

TMemIniFile::TMemIniFile(const std::string& fileName) : fileName_(fileName)
{
    std::error_code ec;
    const auto status = std::filesystem::status(fileName, ec);
    if (ec || !std::filesystem::exists(status) || std::filesystem::is_directory(status))
        return;
    SetStrings(readCp1250Lines(fileName));
}

void TMemIniFile::Clear()
{
    sections_.clear();
    sectionIndex_.clear();
}

void TMemIniFile::SetStrings(const std::vector<std::string>& lines)
{
    Clear();
    Section* current = nullptr;
    for (const auto& text : lines) {
        if (text.empty() || text.front() == ';')
            continue;
        if (text.size() >= 2 && text.front() == '[' && text.back() == ']') {
            std::string name = text.substr(1, text.size() - 2);
            sectionIndex_.try_emplace(fold(name), sections_.size());
            sections_.push_back(Section{std::move(name), {}, {}});
            current = &sections_.back();
            continue;
        }
        if (!current)
            continue;
        const size_t eq = text.find('=');
        if (eq == std::string::npos) {
            current->lines.push_back(Line{{}, text, false});
            continue;
        }
        Line line{text.substr(0, eq), text.substr(eq + 1), true};
        current->keyIndex.try_emplace(fold(line.key), current->lines.size());
        current->lines.push_back(std::move(line));
    }
}

std::vector<std::string> TMemIniFile::GetStrings() const
{
    std::vector<std::string> out;
    size_t count = 0;
    for (const auto& s : sections_)
        count += s.lines.size() + 2;
    out.reserve(count);
    for (const auto& s : sections_) {
        out.push_back("[" + s.name + "]");
        for (const auto& line : s.lines)
            out.push_back(line.isEntry ? line.key + "=" + line.value : line.value);
        out.emplace_back();
    }
    return out;
}

const TMemIniFile::Section* TMemIniFile::findSection(const std::string& section) const
{
    auto it = sectionIndex_.find(fold(section));
    return it == sectionIndex_.end() ? nullptr : &sections_[it->second];
}

const TMemIniFile::Line* TMemIniFile::findEntry(const std::string& section, const std::string& key) const
{
    const Section* s = findSection(section);
    if (!s)
        return nullptr;
    auto it = s->keyIndex.find(fold(key));
    return it == s->keyIndex.end() ? nullptr : &s->lines[it->second];
}

TMemIniFile::Section& TMemIniFile::sectionForWrite(const std::string& section)
{
    auto [it, added] = sectionIndex_.try_emplace(fold(section), sections_.size());
    if (added)
        sections_.push_back(Section{section, {}, {}});
    return sections_[it->second];
}

bool TMemIniFile::SectionExists(const std::string& section) const
{
    return findSection(section) != nullptr;
}

bool TMemIniFile::ValueExists(const std::string& section, const std::string& key) const
{
    return findEntry(section, key) != nullptr;
}

std::string TMemIniFile::ReadString(const std::string& section, const std::string& key,
                                    const std::string& defaultText) const
{
    const Line* line = findEntry(section, key);
    return line ? line->value : defaultText;
}

int TMemIniFile::ReadInteger(const std::string& section, const std::string& key, int defaultValue) const
{
    const Line* line = findEntry(section, key);
    return line ? strToIntDef(line->value, defaultValue) : defaultValue;
}

bool TMemIniFile::ReadBool(const std::string& section, const std::string& key, bool defaultValue) const
{
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void TMemIniFile::WriteString(const std::string& section, const std::string& key, const std::string& value)
{
    std::string oneLine = value;
    for (char& c : oneLine)
        if (c == '\r' || c == '\n')
            c = ' ';
    Section& s = sectionForWrite(section);
    auto [it, added] = s.keyIndex.try_emplace(fold(key), s.lines.size());
    if (added) {
        s.lines.push_back(Line{key, std::move(oneLine), true});
        return;
    }
    Line& line = s.lines[it->second];
    line.key = key;
    line.value = std::move(oneLine);
}

void TMemIniFile::WriteInteger(const std::string& section, const std::string& key, int value)
{
    WriteString(section, key, intToStr(value));
}

void TMemIniFile::WriteBool(const std::string& section, const std::string& key, bool value)
{
    WriteString(section, key, value ? "1" : "0");
}

void TMemIniFile::UpdateFile() const
{
    writeCp1250Lines(fileName_, GetStrings());
}
