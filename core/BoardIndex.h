#pragma once

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

private:
    static uint64_t Key(int32_t x, int32_t y)
    {
        return (uint64_t{static_cast<uint32_t>(x)} << 32) | static_cast<uint32_t>(y);
    }
    std::vector<uint64_t> keys_;
    std::vector<uint32_t> objects_;
};
