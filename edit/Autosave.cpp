#include "Autosave.h"

#include "CircuitFile.h"

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <unistd.h>

namespace {

constexpr std::string_view Prefix = "autosave-";
constexpr std::string_view Extension = ".lgc";

// The process that wrote a copy named autosave-PID.lgc, if the name is one.
std::optional<pid_t> WriterOf(const std::string& name)
{
    if (!name.starts_with(Prefix) || !name.ends_with(Extension)) return std::nullopt;
    const std::string digits = name.substr(Prefix.size(), name.size() - Prefix.size() - Extension.size());
    if (digits.empty() || digits.size() > 9 || digits.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    return static_cast<pid_t>(std::stol(digits));
}

bool Running(pid_t pid) { return ::kill(pid, 0) == 0 || errno == EPERM; }

}  // namespace

TAutosave::TAutosave(std::string folder)
    : folder_(std::move(folder)),
      own_(folder_ + "/" + std::string(Prefix) + std::to_string(::getpid()) + std::string(Extension))
{
}

void TAutosave::Write(const TStrings& lines)
{
    std::error_code ignored;
    std::filesystem::create_directories(folder_, ignored);
    WriteCircuitFile(own_, lines);
}

void TAutosave::Remove() noexcept
{
    std::error_code ignored;
    std::filesystem::remove(own_, ignored);
}

std::optional<std::string> TAutosave::Orphan() const
{
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder_, error)) {
        const std::optional<pid_t> writer = WriterOf(entry.path().filename().string());
        if (writer && *writer != ::getpid() && !Running(*writer) && entry.is_regular_file(error))
            return entry.path().string();
    }
    return std::nullopt;
}
