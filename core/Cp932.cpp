#include "Cp932.h"

#include <algorithm>
#include <cerrno>
#include <iconv.h>

namespace {

// The length of the UTF-8 sequence that starts with byte b (1 for a stray continuation byte).
size_t Utf8SequenceLength(unsigned char b)
{
    if (b >= 0xF0) return 4;
    if (b >= 0xE0) return 3;
    if (b >= 0xC0) return 2;
    return 1;
}

// Converts with iconv, replacing each sequence it cannot convert by '?' and skipping it.
std::string Convert(const char* to, const char* from, const std::string& input, bool* lost,
                    size_t (*skip)(const char*, size_t))
{
    if (lost) *lost = false;
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return input;
    std::string output;
    output.reserve(input.size() * 2);
    char* in = const_cast<char*>(input.data());
    size_t inLeft = input.size();
    char buffer[1024];
    while (inLeft > 0) {
        char* out = buffer;
        size_t outLeft = sizeof buffer;
        const size_t result = iconv(cd, &in, &inLeft, &out, &outLeft);
        output.append(buffer, static_cast<size_t>(out - buffer));
        if (result != static_cast<size_t>(-1) || errno == E2BIG) continue;
        // An unconvertible or truncated sequence: one '?' for it, then go on after it.
        output.push_back('?');
        if (lost) *lost = true;
        const size_t n = std::min(inLeft, skip(in, inLeft));
        in += n;
        inLeft -= n;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    iconv_close(cd);
    return output;
}

size_t SkipUtf8(const char* p, size_t) { return Utf8SequenceLength(static_cast<unsigned char>(*p)); }

size_t SkipCp932(const char* p, size_t left)
{
    const auto b = static_cast<unsigned char>(*p);
    const bool lead = (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
    return lead && left >= 2 ? 2 : 1;
}

}  // namespace

std::string Utf8ToCp932(const std::string& utf8, bool* lost) { return Convert("CP932", "UTF-8", utf8, lost, SkipUtf8); }

std::string Cp932ToUtf8(const std::string& cp932, bool* lost)
{
    return Convert("UTF-8", "CP932", cp932, lost, SkipCp932);
}

size_t Cp932Length(const std::string& utf8) { return Utf8ToCp932(utf8).size(); }
