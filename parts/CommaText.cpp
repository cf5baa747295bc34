#include "CommaText.h"

#include <algorithm>

namespace {

bool IsBlank(char c) { return c >= 1 && c <= ' '; }

bool NeedsQuotes(const std::string& line)
{
    return std::any_of(line.begin(), line.end(), [](char c) {
        return static_cast<unsigned char>(c) <= ' ' || c == '"' || c == ',';
    });
}

std::string Quoted(const std::string& line)
{
    std::string quoted = "\"";
    for (char c : line) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

}  // namespace

std::string EncodeCommaText(const std::vector<std::string>& lines)
{
    if (lines.size() == 1 && lines[0].empty()) return "\"\"";
    std::string text;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) text += ',';
        text += NeedsQuotes(lines[i]) ? Quoted(lines[i]) : lines[i];
    }
    return text;
}

std::vector<std::string> DecodeCommaText(const std::string& text)
{
    const size_t end = std::min(text.find('\0'), text.size());
    std::vector<std::string> lines;
    size_t i = 0;
    auto skipBlanks = [&] {
        while (i < end && IsBlank(text[i])) ++i;
    };
    skipBlanks();
    while (i < end) {
        std::string item;
        if (text[i] == '"') {
            for (++i; i < end; ++i) {
                if (text[i] == '"') {
                    if (i + 1 == end || text[i + 1] != '"') {
                        ++i;
                        break;
                    }
                    ++i;  // a doubled quote stands for one
                }
                item += text[i];
            }
        } else {
            while (i < end && static_cast<unsigned char>(text[i]) > ' ' && text[i] != ',') item += text[i++];
        }
        lines.push_back(std::move(item));
        skipBlanks();
        if (i < end && text[i] == ',') {
            if (i + 1 == end) lines.emplace_back();
            ++i;
            skipBlanks();
        }
    }
    return lines;
}
