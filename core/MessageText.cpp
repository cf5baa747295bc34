#include "MessageText.h"

#include <filesystem>

namespace {

void AppendEscaped(std::string& out, unsigned char byte)
{
    static const char digits[] = "0123456789ABCDEF";
    out += "\\x";
    out += digits[byte >> 4];
    out += digits[byte & 15];
}

// The length of the whole UTF-8 sequence starting at text[i]; 0 for a byte that starts none.
size_t SequenceLength(std::string_view text, size_t i)
{
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) return 1;
    const size_t wanted = lead >= 0xF8 ? 0 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
    for (size_t n = 1; n < wanted; ++n)
        if (i + n >= text.size() || (static_cast<unsigned char>(text[i + n]) & 0xC0) != 0x80) return 0;
    return wanted;
}

std::string Escape(std::string_view text, size_t limit)
{
    std::string out;
    size_t characters = 0;
    for (size_t i = 0; i < text.size(); ++characters) {
        if (characters == limit) {
            out += "…";
            break;
        }
        const auto byte = static_cast<unsigned char>(text[i]);
        size_t n = SequenceLength(text, i);
        // C1 controls (U+0080..U+009F, UTF-8 C2 80..C2 9F) and stray high bytes are obeyed by many
        // terminals as well.
        const bool c1 = n == 2 && byte == 0xC2 && static_cast<unsigned char>(text[i + 1]) < 0xA0;
        if (byte < 0x20 || byte == 0x7F || n == 0) {
            AppendEscaped(out, byte);
            n = 1;
        } else if (c1) {
            AppendEscaped(out, byte);
            AppendEscaped(out, static_cast<unsigned char>(text[i + 1]));
        } else {
            out.append(text.substr(i, n));
        }
        i += n;
    }
    return out;
}

}  // namespace

std::string MessageText(std::string_view text, size_t limit) { return Escape(text, limit); }

std::string MessagePath(std::string_view path) { return Escape(path, std::string_view::npos); }

std::string PageFooter(std::string_view file, std::time_t when)
{
    const std::string name = MessageText(std::filesystem::path(file).filename().string());
    std::tm day{};
    char date[16] = "";
    if (localtime_r(&when, &day)) std::strftime(date, sizeof date, "%Y-%m-%d", &day);
    return name + "  " + date;
}
