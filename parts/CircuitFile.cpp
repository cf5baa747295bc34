#include "CircuitFile.h"

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
