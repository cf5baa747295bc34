#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <utility>
#include <vector>

class TBord;

// The objects having a terminal at a board point, for the duration of one bulk pass over a
// board whose list and geometry do not change meanwhile.
class TBoardIndex {
public:
    explicit TBoardIndex(const TBord& board);
    // Indexes into the board's list, ascending; an object may appear more than once.
    std::span<const uint32_t> At(int32_t x, int32_t y) const;
    // Calls visit(x, y, At(x, y)) once for every point that has a terminal.
    template <class Visit>
    void ForEachPoint(Visit visit) const
    {
        for (size_t first = 0, last = 0; first < keys_.size(); first = last) {
            while (last < keys_.size() && keys_[last] == keys_[first]) ++last;
            visit(static_cast<int32_t>(keys_[first] >> 32), static_cast<int32_t>(static_cast<uint32_t>(keys_[first])),
                  std::span<const uint32_t>(objects_.data() + first, last - first));
        }
    }

private:
    static uint64_t Key(int32_t x, int32_t y)
    {
        return (uint64_t{static_cast<uint32_t>(x)} << 32) | static_cast<uint32_t>(y);
    }
    std::vector<uint64_t> keys_;
    std::vector<uint32_t> objects_;
};
