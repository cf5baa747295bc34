#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

// The settings file: "[Section]" headers and "Key=Value" lines in code page 932 with CR LF
// line ends, read and written like the classic profile functions. Sections and keys match
// without regard to the case of ASCII letters; a missing or unreadable file reads as empty.
class TIniFile {
public:
    // What a failed write throws; its text is shown to the user as it stands.
    class TWriteError : public std::runtime_error {
    public:
        using std::runtime_error::runtime_error;
    };

    explicit TIniFile(std::string path);

    // The value stored under the key, or fallback when it is missing or not a 32-bit integer.
    int32_t ReadInteger(const std::string& section, const std::string& key, int32_t fallback) const;
    // The text stored under the key, or fallback when it is missing.
    std::string ReadString(const std::string& section, const std::string& key, const std::string& fallback) const;
    // Whether the key is stored in the section.
    bool ValueExists(const std::string& section, const std::string& key) const { return FindKey(section, key) >= 0; }
    // Sets the key and replaces the whole file through the file layer, so a failed write leaves
    // the old file as it was.
    void WriteInteger(const std::string& section, const std::string& key, int32_t value);
    void WriteString(const std::string& section, const std::string& key, const std::string& value);

private:
    // The stored value of the key, as code page 932 bytes without the blanks around it.
    std::optional<std::string> ValueOf(const std::string& section, const std::string& key) const;
    void WriteValue(const std::string& section, const std::string& key, const std::string& bytes);
    // Index of the line holding the key in the section, or -1.
    std::ptrdiff_t FindKey(const std::string& section, const std::string& key) const;
    void Save() const;

    std::string path_;
    // The lines of the file as code page 932 bytes, without line ends.
    std::vector<std::string> lines_;
};
