#include "CircuitFile.h"

#include "CircuitText.h"
#include "Cp932.h"
#include "FileAccess.h"
#include "MessageText.h"
#include "Messages.h"

namespace {

// A warning names this many lines at most.
constexpr size_t NamedLines = 10;

std::string Utf8Line(std::string_view bytes, bool& lost)
{
    lost = false;
    return IsAscii(bytes) ? std::string(bytes) : Cp932ToUtf8(std::string(bytes), &lost);
}

// Whether the bytes hold multi-byte UTF-8 and nothing else: code page 932 text with Japanese in it
// practically never does, and read as code page 932 such a file would turn into other characters.
bool IsUtf8Text(std::string_view bytes)
{
    bool multiByte = false;
    for (size_t i = 0; i < bytes.size();) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        const size_t length = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
        if (length == 0 || i + length > bytes.size()) return false;
        for (size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(bytes[i + k]) & 0xC0) != 0x80) return false;
        multiByte = multiByte || length > 1;
        i += length;
    }
    return multiByte;
}

}  // namespace

TStrings DecodeCircuitText(std::string_view bytes, std::vector<size_t>* badLines)
{
    TStrings lines;
    auto add = [&](std::string_view line) {
        bool lost = false;
        lines.push_back(Utf8Line(line, lost));
        if (lost && badLines) badLines->push_back(lines.size());
    };
    size_t start = 0;
    while (start < bytes.size()) {
        const size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            add(bytes.substr(start));
            break;
        }
        add(bytes.substr(start, end - start));
        start = end + 1;
        if (bytes[end] == '\r' && start < bytes.size() && bytes[start] == '\n') ++start;
    }
    return lines;
}

std::string EncodeCircuitText(const TStrings& lines)
{
    size_t size = 0;
    for (const std::string& line : lines) size += line.size() + 2;
    std::string bytes;
    bytes.reserve(size);
    for (const std::string& line : lines) {
        bytes += IsAscii(line) ? line : Utf8ToCp932(line);
        bytes += "\r\n";
    }
    return bytes;
}

TStrings ReadCircuitFile(const std::string& path, std::vector<size_t>* badLines)
{
    return DecodeCircuitText(ReadFileBytes(path), badLines);
}

TStrings OpenCircuitFile(const std::string& path, std::vector<size_t>* badLines)
{
    const std::string bytes = ReadFileBytes(path);
    if (!bytes.starts_with(CircuitTextSignature)) throw TFileError(Tr("%1: not a circuit file", {MessagePath(path)}));
    if (IsUtf8Text(bytes))
        throw TFileError(
            Tr("%1: written in UTF-8. Circuit files are read and written in code page 932", {MessagePath(path)}));
    return DecodeCircuitText(bytes, badLines);
}

void WriteCircuitFile(const std::string& path, const TStrings& lines)
{
    WriteFileBytes(path, EncodeCircuitText(lines));
}

std::string BadBytesWarning(const std::string& path, const std::vector<size_t>& badLines)
{
    std::string numbers;
    for (size_t i = 0; i < badLines.size() && i < NamedLines; ++i)
        numbers += (i ? ", " : "") + std::to_string(badLines[i]);
    const std::string file = MessagePath(path);
    if (badLines.size() > NamedLines)
        return Tr("In the file %1, lines %2 and %3 more contain bytes that are not code page 932 characters; they "
                  "were read as '?' (and will stay '?' when saved)",
                  {file, numbers, std::to_string(badLines.size() - NamedLines)});
    if (badLines.size() > 1)
        return Tr("In the file %1, lines %2 contain bytes that are not code page 932 characters; they were read "
                  "as '?' (and will stay '?' when saved)",
                  {file, numbers});
    return Tr("In the file %1, line %2 contains bytes that are not code page 932 characters; they were read "
              "as '?' (and will stay '?' when saved)",
              {file, numbers});
}
