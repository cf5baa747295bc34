#include "FileAccess.h"

#include "MessageText.h"

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

TFileError Error(const std::string& path, const std::string& what, int error = 0)
{
    std::string message = "ファイル " + MessagePath(path) + " " + what;
    if (error) message += std::string(" (") + std::strerror(error) + ")";
    return TFileError(message);
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
    if (fd.Get() < 0) throw Error(path, "を開けません", errno);
    struct stat st {};
    if (::fstat(fd.Get(), &st) != 0) throw Error(path, "を読み込めません", errno);
    if (!S_ISREG(st.st_mode) && !S_ISFIFO(st.st_mode))
        throw Error(path, "は通常のファイルではないので読み込めません");
    const std::string tooLarge = "は大きすぎます (上限 " + std::to_string(limit) + " バイト)";
    if (S_ISREG(st.st_mode) && static_cast<unsigned long long>(st.st_size) > limit) throw Error(path, tooLarge);
    std::string bytes;
    if (S_ISREG(st.st_mode)) bytes.reserve(static_cast<size_t>(st.st_size));
    char buffer[BufferSize];
    for (;;) {
        const ssize_t n = ::read(fd.Get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) throw Error(path, "を読み込めません", errno);
        if (n == 0) return bytes;
        if (static_cast<size_t>(n) > limit - bytes.size()) throw Error(path, tooLarge);
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
        if (errno != ENOENT) Fail("に書き込めません");
        target_ = path_;
        OpenTemporary(nullptr);
        return;
    }
    struct stat st = link;
    if (S_ISLNK(link.st_mode) && ::stat(path_.c_str(), &st) != 0) Fail("のリンク先をたどれません");
    if (S_ISREG(st.st_mode)) {
        if (S_ISLNK(link.st_mode)) {
            char resolved[PATH_MAX];
            if (!::realpath(path_.c_str(), resolved)) Fail("のリンク先をたどれません");
            target_ = resolved;
        } else {
            target_ = path_;
        }
        OpenTemporary(&st);
    } else if (IsStream(st.st_mode)) {
        OpenStream();
    } else {
        throw Error(path_, "は通常のファイルではないので書き込めません");
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
        Fail("を作成できません");
    }
    if (old) {
        // Ownership is kept where the process may give it; a file of its own is no loss.
        if (old->st_uid != ::geteuid() || old->st_gid != ::getegid()) {
            [[maybe_unused]] const int ignored = ::fchown(fd_, old->st_uid, old->st_gid);
        }
        if (::fchmod(fd_, old->st_mode & 07777) != 0) Fail("を作成できません");
    }
}

void TFileWriter::OpenStream()
{
    fd_ = ::open(path_.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (fd_ < 0) Fail("を開けません");
    struct stat st {};
    // The name may have been swapped for a regular file since it was looked at.
    if (::fstat(fd_, &st) != 0 || !IsStream(st.st_mode)) {
        Discard();
        throw Error(path_, "は通常のファイルではないので書き込めません");
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
        if (n < 0) Fail("に書き込めません");
        if (n == 0) {
            errno = ENOSPC;
            Fail("に書き込めません");
        }
        written += static_cast<size_t>(n);
    }
}

void TFileWriter::Commit()
{
    Flush();
    if (!temporary_.empty() && ::fsync(fd_) != 0) Fail("に書き込めません");
    if (ownsFd_) {
        const int fd = fd_;
        fd_ = -1;
        if (::close(fd) != 0) Fail("に書き込めません");
    }
    if (!temporary_.empty() && std::rename(temporary_.c_str(), target_.c_str()) != 0) Fail("に書き込めません");
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

void TFileWriter::Fail(const char* what)
{
    const int error = errno;
    Discard();
    throw Error(path_, what, error);
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
