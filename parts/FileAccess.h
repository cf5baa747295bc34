#pragma once

#include "FileError.h"

#include <cstddef>
#include <string>
#include <string_view>

struct stat;

// Every file the program writes goes through here. A regular file is never written in place: the
// bytes go to a new file beside it that takes its name only when it is complete, so a reader sees
// the old file or the new one and a failed write leaves the old one as it was. A link to a regular
// file stays a link and the file it names is replaced. Streams (a FIFO, a character device, "-"
// for standard output) are written directly; anything else is refused rather than replaced.
// Failures throw TFileError with a message naming the path.

// The largest file the program reads.
inline constexpr size_t MaxFileSize = size_t{1} << 30;

// The bytes of a regular file or a pipe. Refuses anything else (a device would never end) and
// stops past limit bytes.
std::string ReadFileBytes(const std::string& path, size_t limit = MaxFileSize);

// Writes the bytes as the whole content of path.
void WriteFileBytes(const std::string& path, std::string_view bytes);

// An output written in pieces: nothing shows at the path until Commit, and a writer destroyed
// uncommitted (after a failure, an exception) leaves the old file untouched.
class TFileWriter {
public:
    explicit TFileWriter(std::string path);
    TFileWriter(const TFileWriter&) = delete;
    TFileWriter& operator=(const TFileWriter&) = delete;
    ~TFileWriter();

    void Write(std::string_view bytes);
    // Writes what is buffered, makes it durable and puts the file in place.
    void Commit();

private:
    // old: the file being replaced, whose permissions and owner the new one takes; null for none.
    void OpenTemporary(const struct stat* old);
    void OpenStream();
    void Flush();
    void WriteOut(std::string_view bytes);
    void Discard() noexcept;
    // Discards the output and throws the message id (its %1 the path) with the reason errno gives.
    [[noreturn]] void Fail(const char* id);

    std::string path_;
    // The file the temporary one replaces; empty for a stream.
    std::string target_;
    std::string temporary_;
    int fd_ = -1;
    bool ownsFd_ = true;
    bool done_ = false;
    std::string buffer_;
};

// Whether the two paths name one file: the same device and inode when both exist, otherwise the
// same absolute path once links are followed.
bool SameFile(const std::string& a, const std::string& b);
