#pragma once

#include <stdexcept>
#include <string>
#include <vector>

// The one error of reading circuit text, carrying the message shown to the user.
class TFormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
    // Quotes the text as MessageText shows it: escaped and cut.
    static TFormatError NotInteger(const std::string& text);

    // The line, counted from 1, where the broken block begins; 0 when not known.
    size_t Line = 0;
    // The message with the line, when known: "'x' is not an integer (line 5)".
    std::string Text() const;
};

// The value of the first line whose key equals key regardless of case; "" when none has it.
std::string KeyValue(const std::vector<std::string>& lines, const std::string& key);
// The key's value as an integer; a missing or non-decimal value is a format error.
int KeyInt(const std::vector<std::string>& lines, const std::string& key);
// The key's value as an integer, fallback when missing or not a decimal integer.
int KeyIntDef(const std::vector<std::string>& lines, const std::string& key, int fallback);
void AddKey(std::vector<std::string>& lines, const std::string& key, const std::string& value);
void AddKey(std::vector<std::string>& lines, const std::string& key, long long value);
