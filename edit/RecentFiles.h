#pragma once

#include <string>
#include <vector>

// The files last opened or saved, the latest first, each once.
class TRecentFiles {
public:
    static constexpr size_t Capacity = 8;

    void Add(const std::string& path);
    void Remove(const std::string& path);
    const std::vector<std::string>& Paths() const { return paths_; }
    void Assign(std::vector<std::string> paths);

private:
    std::vector<std::string> paths_;
};
