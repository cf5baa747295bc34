#pragma once

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <vector>

// A set of small numbers, a bit each.
class TBits {
public:
    explicit TBits(size_t size) : words_((size + 63) / 64) {}

    bool Test(size_t i) const { return (words_[i >> 6] >> (i & 63) & 1) != 0; }
    void Set(size_t i) { words_[i >> 6] |= uint64_t{1} << (i & 63); }
    void Reset(size_t i) { words_[i >> 6] &= ~(uint64_t{1} << (i & 63)); }
    bool None() const
    {
        return std::all_of(words_.begin(), words_.end(), [](uint64_t word) { return word == 0; });
    }
    void Remove(const TBits& other)
    {
        for (size_t w = 0; w < words_.size(); ++w) words_[w] &= ~other.words_[w];
    }
    void AddWithin(const TBits& other, const TBits& within)
    {
        for (size_t w = 0; w < words_.size(); ++w) words_[w] |= other.words_[w] & within.words_[w];
    }
    // The questions below look only at the members within the other set given.
    bool SubsetWithin(const TBits& other, const TBits& within) const
    {
        for (size_t w = 0; w < words_.size(); ++w)
            if ((words_[w] & within.words_[w] & ~other.words_[w]) != 0) return false;
        return true;
    }
    bool IntersectsWithin(const TBits& other, const TBits& within) const
    {
        for (size_t w = 0; w < words_.size(); ++w)
            if ((words_[w] & within.words_[w] & other.words_[w]) != 0) return true;
        return false;
    }
    // Counting stops once it reaches enough.
    int CountWithin(const TBits& within, int enough = std::numeric_limits<int>::max()) const
    {
        int count = 0;
        for (size_t w = 0; w < words_.size() && count < enough; ++w)
            count += std::popcount(words_[w] & within.words_[w]);
        return count;
    }
    int FirstWithin(const TBits& within) const
    {
        for (size_t w = 0; w < words_.size(); ++w)
            if (const uint64_t word = words_[w] & within.words_[w]; word != 0)
                return static_cast<int>(w * 64) + std::countr_zero(word);
        return -1;
    }
    // A word is read as the walk reaches it: members dropped meanwhile may still be visited.
    template <typename TVisit>
    void ForEachWithin(const TBits& within, TVisit visit) const
    {
        for (size_t w = 0; w < words_.size(); ++w)
            for (uint64_t word = words_[w] & within.words_[w]; word != 0; word &= word - 1)
                visit(static_cast<int>(w * 64) + std::countr_zero(word));
    }
    template <typename TVisit>
    void ForEach(TVisit visit) const
    {
        ForEachWithin(*this, visit);
    }

private:
    std::vector<uint64_t> words_;
};
