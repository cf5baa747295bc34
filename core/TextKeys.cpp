#include "TextKeys.h"

#include "Properties.h"

namespace {

std::string Format(const char* pattern, const std::string& token, const std::string& value)
{
    std::string text = pattern;
    if (const auto at = text.find(token); at != std::string::npos) text.replace(at, token.size(), value);
    return text;
}

}  // namespace

TFormatError TFormatError::NotInteger(const std::string& text)
{
    return TFormatError(Format(MsgNotInteger, "%s", text));
}

TFormatError TFormatError::ListIndex(long long index)
{
    return TFormatError(Format(MsgListIndex, "%d", std::to_string(index)));
}

std::string KeyValue(const std::vector<std::string>& lines, const std::string& key)
{
    for (const auto& line : lines) {
        const auto eq = line.find('=');
        if (eq == std::string::npos) continue;
        if (SameText(line.substr(0, eq), key)) return line.substr(eq + 1);
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
