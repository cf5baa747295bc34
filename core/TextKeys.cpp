#include "TextKeys.h"

#include "MessageText.h"
#include "Messages.h"
#include "Properties.h"

#include <algorithm>
#include <cctype>

TFormatError TFormatError::NotInteger(const std::string& text)
{
    return TFormatError(Tr("'%1' is not an integer", {MessageText(text)}));
}

std::string TFormatError::Text() const
{
    return Line ? Tr("%1 (line %2)", {what(), std::to_string(Line)}) : std::string(what());
}

std::string KeyValue(const std::vector<std::string>& lines, const std::string& key)
{
    auto sameLetters = [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
    };
    for (const auto& line : lines) {
        // Cheap tests first: the key must end exactly at the line's first "=".
        if (line.size() <= key.size() || line[key.size()] != '=') continue;
        if (line.find('=') != key.size()) continue;
        if (std::equal(key.begin(), key.end(), line.begin(), sameLetters)) return line.substr(key.size() + 1);
    }
    return {};
}

int KeyInt(const std::vector<std::string>& lines, const std::string& key)
{
    const std::string text = KeyValue(lines, key);
    int value = 0;
    if (!TryStrToInt(text, value)) throw TFormatError::NotInteger(text);
    return value;
}

int KeyIntDef(const std::vector<std::string>& lines, const std::string& key, int fallback)
{
    return StrToIntDef(KeyValue(lines, key), fallback);
}

void AddKey(std::vector<std::string>& lines, const std::string& key, const std::string& value)
{
    lines.push_back(key + "=" + value);
}

void AddKey(std::vector<std::string>& lines, const std::string& key, long long value)
{
    AddKey(lines, key, std::to_string(value));
}
