#include "CircuitFile.h"

#include "Cp932.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string Utf8Line(std::string_view bytes)
{
    return IsAscii(bytes) ? std::string(bytes) : Cp932ToUtf8(std::string(bytes));
}

std::string Reason() { return std::strerror(errno); }

}  // namespace

TStrings DecodeCircuitText(std::string_view bytes)
{
    TStrings lines;
    size_t start = 0;
    while (start < bytes.size()) {
        const size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.push_back(Utf8Line(bytes.substr(start)));
            break;
        }
        lines.push_back(Utf8Line(bytes.substr(start, end - start)));
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

TStrings ReadCircuitFile(const std::string& path)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) throw TFileError("ファイル " + path + " を開けません (" + Reason() + ")");
    std::string bytes;
    char buffer[1 << 16];
    size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, n);
    const bool failed = std::ferror(file) != 0;
    const std::string reason = Reason();
    std::fclose(file);
    if (failed) throw TFileError("ファイル " + path + " を読み込めません (" + reason + ")");
    return DecodeCircuitText(bytes);
}

void WriteCircuitFile(const std::string& path, const TStrings& lines)
{
    const std::string bytes = EncodeCircuitText(lines);
    auto fail = [&](const std::string& what) {
        return TFileError("ファイル " + path + " " + what + " (" + Reason() + ")");
    };
    // A link is followed, so that the file it names is the one replaced.
    std::error_code error;
    std::filesystem::path target = std::filesystem::weakly_canonical(path, error);
    if (error || target.empty()) target = path;
    const std::string temporary = target.string() + ".~" + std::to_string(::getpid());
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) throw fail("を作成できません");
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0) ::fchmod(fd, old.st_mode & 07777);
    size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        written += static_cast<size_t>(n);
    }
    const bool complete = written == bytes.size() && ::close(fd) == 0;
    if (!complete || std::rename(temporary.c_str(), target.c_str()) != 0) {
        const TFileError failure = fail("に書き込めません");
        if (written != bytes.size()) ::close(fd);
        ::unlink(temporary.c_str());
        throw failure;
    }
}
