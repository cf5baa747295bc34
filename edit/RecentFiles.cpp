#include "RecentFiles.h"

#include <algorithm>

void TRecentFiles::Add(const std::string& path)
{
    Remove(path);
    paths_.insert(paths_.begin(), path);
    if (paths_.size() > Capacity) paths_.resize(Capacity);
}

void TRecentFiles::Remove(const std::string& path) { std::erase(paths_, path); }

void TRecentFiles::Assign(std::vector<std::string> paths)
{
    paths_.clear();
    for (auto it = paths.rbegin(); it != paths.rend(); ++it)
        if (!it->empty()) Add(*it);
}
