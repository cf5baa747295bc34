#include "FileAccess.h"

#include "MessageText.h"
#include "Messages.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr size_t BufferSize = size_t{1} << 16;
// Room for the ".~XXXXXX" of the temporary name within the 255 bytes of a file name.
constexpr size_t MaxTemporaryStem = 200;

// The message in the chosen language, with the system's reason for the error when there is one.
TFileError Error(std::string message, int error = 0)
{
    if (error) message += std::string(" (") + std::strerror(error) + ")";
    return TFileError(message);
}

// A message whose %1 is the path; the id is marked where it is written.
TFileError Error(const char* id, const std::string& path, int error = 0)
{
    return Error(Tr(id, {MessagePath(path)}), error);
}

class TDescriptor {
public:
    explicit TDescriptor(int fd) : fd_(fd) {}
    TDescriptor(const TDescriptor&) = delete;
    TDescriptor& operator=(const TDescriptor&) = delete;
    ~TDescriptor()
    {
        if (fd_ >= 0) ::close(fd_);
    }
    int Get() const { return fd_; }

private:
    int fd_;
};

// Six random letters and digits, as mkstemp would pick them.
std::string RandomSuffix()
{
    static const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::mt19937 random(std::random_device{}());
    std::uniform_int_distribution<size_t> pick(0, sizeof letters - 2);
    std::string suffix;
    for (int i = 0; i < 6; ++i) suffix += letters[pick(random)];
    return suffix;
}

bool IsStream(mode_t mode) { return S_ISFIFO(mode) || S_ISCHR(mode); }

}  // namespace

std::string ReadFileBytes(const std::string& path, size_t limit)
{
    const TDescriptor fd(::open(path.c_str(), O_RDONLY | O_NOCTTY | O_CLOEXEC));
    if (fd.Get() < 0) throw Error(TrMark("Cannot open the file %1"), path, errno);
    struct stat st {};
    if (::fstat(fd.Get(), &st) != 0) throw Error(TrMark("Cannot read the file %1"), path, errno);
    if (!S_ISREG(st.st_mode) && !S_ISFIFO(st.st_mode))
        throw Error(TrMark("Cannot read the file %1: it is not a regular file"), path);
    auto tooLarge = [&] {
        return Error(Tr("The file %1 is too large (at most %2 bytes)", {MessagePath(path), std::to_string(limit)}));
    };
    if (S_ISREG(st.st_mode) && static_cast<unsigned long long>(st.st_size) > limit) throw tooLarge();
    std::string bytes;
    if (S_ISREG(st.st_mode)) bytes.reserve(static_cast<size_t>(st.st_size));
    char buffer[BufferSize];
    for (;;) {
        const ssize_t n = ::read(fd.Get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) throw Error(TrMark("Cannot read the file %1"), path, errno);
        if (n == 0) return bytes;
        if (static_cast<size_t>(n) > limit - bytes.size()) throw tooLarge();
        bytes.append(buffer, static_cast<size_t>(n));
    }
}

void WriteFileBytes(const std::string& path, std::string_view bytes)
{
    TFileWriter writer(path);
    writer.Write(bytes);
    writer.Commit();
}

TFileWriter::TFileWriter(std::string path) : path_(std::move(path))
{
    if (path_ == "-") {
        fd_ = STDOUT_FILENO;
        ownsFd_ = false;
        return;
    }
    struct stat link {};
    if (::lstat(path_.c_str(), &link) != 0) {
        if (errno != ENOENT) Fail(TrMark("Cannot write the file %1"));
        target_ = path_;
        OpenTemporary(nullptr);
        return;
    }
    struct stat st = link;
    if (S_ISLNK(link.st_mode) && ::stat(path_.c_str(), &st) != 0)
        Fail(TrMark("Cannot follow where the file %1 links to"));
    if (S_ISREG(st.st_mode)) {
        if (S_ISLNK(link.st_mode)) {
            char resolved[PATH_MAX];
            if (!::realpath(path_.c_str(), resolved)) Fail(TrMark("Cannot follow where the file %1 links to"));
            target_ = resolved;
        } else {
            target_ = path_;
        }
        OpenTemporary(&st);
    } else if (IsStream(st.st_mode)) {
        OpenStream();
    } else {
        throw Error(TrMark("Cannot write the file %1: it is not a regular file"), path_);
    }
}

TFileWriter::~TFileWriter()
{
    if (!done_) Discard();
}

void TFileWriter::OpenTemporary(const struct stat* old)
{
    const size_t slash = target_.rfind('/');
    const size_t stem = slash == std::string::npos ? 0 : slash + 1;
    const std::string base = target_.substr(0, stem) + target_.substr(stem, MaxTemporaryStem) + ".~";
    // Created exclusively, so nothing planted at the name (a link above all) is ever opened; as
    // mkstemp does, but with the umask's permissions for a new file.
    for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
        temporary_ = base + RandomSuffix();
        fd_ = ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd_ < 0 && errno != EEXIST) break;
    }
    if (fd_ < 0) {
        temporary_.clear();
        Fail(TrMark("Cannot create the file %1"));
    }
    if (old) {
        // Ownership is kept where the process may give it; a file of its own is no loss.
        if (old->st_uid != ::geteuid() || old->st_gid != ::getegid()) {
            [[maybe_unused]] const int ignored = ::fchown(fd_, old->st_uid, old->st_gid);
        }
        if (::fchmod(fd_, old->st_mode & 07777) != 0) Fail(TrMark("Cannot create the file %1"));
    }
}

void TFileWriter::OpenStream()
{
    fd_ = ::open(path_.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (fd_ < 0) Fail(TrMark("Cannot open the file %1"));
    struct stat st {};
    // The name may have been swapped for a regular file since it was looked at.
    if (::fstat(fd_, &st) != 0 || !IsStream(st.st_mode)) {
        Discard();
        throw Error(TrMark("Cannot write the file %1: it is not a regular file"), path_);
    }
}

void TFileWriter::Write(std::string_view bytes)
{
    if (buffer_.size() + bytes.size() < BufferSize) {
        buffer_.append(bytes);
        return;
    }
    Flush();
    WriteOut(bytes);
}

void TFileWriter::Flush()
{
    WriteOut(buffer_);
    buffer_.clear();
}

void TFileWriter::WriteOut(std::string_view bytes)
{
    size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd_, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) Fail(TrMark("Cannot write the file %1"));
        if (n == 0) {
            errno = ENOSPC;
            Fail(TrMark("Cannot write the file %1"));
        }
        written += static_cast<size_t>(n);
    }
}

void TFileWriter::Commit()
{
    Flush();
    if (!temporary_.empty() && ::fsync(fd_) != 0) Fail(TrMark("Cannot write the file %1"));
    if (ownsFd_) {
        const int fd = fd_;
        fd_ = -1;
        if (::close(fd) != 0) Fail(TrMark("Cannot write the file %1"));
    }
    if (!temporary_.empty() && std::rename(temporary_.c_str(), target_.c_str()) != 0)
        Fail(TrMark("Cannot write the file %1"));
    temporary_.clear();
    done_ = true;
}

void TFileWriter::Discard() noexcept
{
    if (fd_ >= 0 && ownsFd_) ::close(fd_);
    fd_ = -1;
    if (!temporary_.empty()) ::unlink(temporary_.c_str());
    temporary_.clear();
    buffer_.clear();
    done_ = true;
}

void TFileWriter::Fail(const char* id)
{
    const int error = errno;
    Discard();
    throw Error(id, path_, error);
}

bool SameFile(const std::string& a, const std::string& b)
{
    struct stat sa {}, sb {};
    const bool haveA = ::stat(a.c_str(), &sa) == 0;
    const bool haveB = ::stat(b.c_str(), &sb) == 0;
    if (haveA && haveB) return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
    if (haveA != haveB) return false;
    std::error_code errorA, errorB;
    const std::filesystem::path pathA = std::filesystem::weakly_canonical(a, errorA);
    const std::filesystem::path pathB = std::filesystem::weakly_canonical(b, errorB);
    return !errorA && !errorB && pathA == pathB;
}
