#include "IniFile.h"

#include "Cp932.h"
#include "FileAccess.h"
#include "Messages.h"

#include <charconv>
#include <iterator>
#include <optional>
#include <sstream>

namespace {

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Compares two code page 932 texts, folding only single-byte letters: the trail byte of a
// double-byte character may look like an ASCII letter and must match exactly.
bool SameText(const std::string& a, const std::string& b)
{
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (IsCp932LeadByte(static_cast<unsigned char>(a[i])) && i + 1 < a.size()) {
            if (a[i] != b[i] || a[i + 1] != b[i + 1]) return false;
            ++i;
        } else if (AsciiLower(a[i]) != AsciiLower(b[i])) {
            return false;
        }
    }
    return true;
}

std::string Trim(const std::string& s)
{
    const size_t first = s.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

// The section name of a "[name]" line; none for other lines.
bool SectionOf(const std::string& line, std::string& name)
{
    const std::string t = Trim(line);
    if (t.size() < 2 || t.front() != '[' || t.back() != ']') return false;
    name = t.substr(1, t.size() - 2);
    return true;
}

std::string KeyOf(const std::string& line) { return Trim(line.substr(0, line.find('='))); }

}  // namespace

TIniFile::TIniFile(std::string path) : path_(std::move(path))
{
    std::istringstream in;
    try {
        in.str(ReadFileBytes(path_));
    } catch (const TFileError&) {
        return;
    }
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines_.push_back(line);
    }
}

std::ptrdiff_t TIniFile::FindKey(const std::string& section, const std::string& key) const
{
    const std::string wantedSection = Utf8ToCp932(section);
    const std::string wantedKey = Utf8ToCp932(key);
    bool inSection = false;
    for (size_t i = 0; i < lines_.size(); ++i) {
        std::string name;
        if (SectionOf(lines_[i], name))
            inSection = SameText(name, wantedSection);
        else if (inSection && lines_[i].find('=') != std::string::npos && SameText(KeyOf(lines_[i]), wantedKey))
            return static_cast<std::ptrdiff_t>(i);
    }
    return -1;
}

std::optional<std::string> TIniFile::ValueOf(const std::string& section, const std::string& key) const
{
    const std::ptrdiff_t at = FindKey(section, key);
    if (at < 0) return std::nullopt;
    const std::string& line = lines_[static_cast<size_t>(at)];
    return Trim(line.substr(line.find('=') + 1));
}

std::string TIniFile::ReadString(const std::string& section, const std::string& key, const std::string& fallback) const
{
    const std::optional<std::string> value = ValueOf(section, key);
    return value ? Cp932ToUtf8(*value) : fallback;
}

int32_t TIniFile::ReadInteger(const std::string& section, const std::string& key, int32_t fallback) const
{
    const std::optional<std::string> stored = ValueOf(section, key);
    if (!stored) return fallback;
    std::string text = *stored;
    if (!text.empty() && text.front() == '+') text.erase(0, 1);
    int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty()) return fallback;
    return value;
}

void TIniFile::WriteInteger(const std::string& section, const std::string& key, int32_t value)
{
    WriteValue(section, key, std::to_string(value));
}

void TIniFile::WriteString(const std::string& section, const std::string& key, const std::string& value)
{
    WriteValue(section, key, Utf8ToCp932(value));
}

void TIniFile::WriteValue(const std::string& section, const std::string& key, const std::string& bytes)
{
    const std::string entry = Utf8ToCp932(key) + "=" + bytes;
    const std::ptrdiff_t at = FindKey(section, key);
    if (at >= 0) {
        lines_[static_cast<size_t>(at)] = entry;
        Save();
        return;
    }
    const std::string wantedSection = Utf8ToCp932(section);
    // The key goes after the last line of its section, or a new section goes at the end.
    std::ptrdiff_t insertAt = -1;
    bool inSection = false;
    for (size_t i = 0; i < lines_.size(); ++i) {
        std::string name;
        if (SectionOf(lines_[i], name))
            inSection = SameText(name, wantedSection);
        else if (inSection && !Trim(lines_[i]).empty())
            insertAt = static_cast<std::ptrdiff_t>(i) + 1;
        if (inSection && insertAt < 0) insertAt = static_cast<std::ptrdiff_t>(i) + 1;
    }
    if (insertAt >= 0) {
        lines_.insert(lines_.begin() + insertAt, entry);
    } else {
        lines_.push_back("[" + wantedSection + "]");
        lines_.push_back(entry);
    }
    Save();
}

void TIniFile::Save() const
{
    std::string content;
    for (const std::string& line : lines_) content += line + "\r\n";
    try {
        WriteFileBytes(path_, content);
    } catch (const TFileError& error) {
        throw TWriteError(Tr("Settings: %1", {error.what()}));
    }
}
