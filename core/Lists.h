#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

// An ordered list of references that owns nothing.
template <class T>
class TRefList {
public:
    void Add(T* item) { items_.push_back(item); }
    void Clear() { items_.clear(); }
    void Assign(const TRefList& other) { items_ = other.items_; }
    // Removes the first occurrence; nothing when absent.
    void Remove(const T* item)
    {
        auto it = std::find(items_.begin(), items_.end(), item);
        if (it != items_.end()) items_.erase(it);
    }
    int IndexOf(const T* item) const
    {
        auto it = std::find(items_.begin(), items_.end(), item);
        return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
    }
    T* Items(int i) const { return items_[static_cast<size_t>(i)]; }
    int Count() const { return static_cast<int>(items_.size()); }
    bool Empty() const { return items_.empty(); }
    void Reserve(size_t n) { items_.reserve(n); }

    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

private:
    std::vector<T*> items_;
};

class TTanshi;
class TPartsBase;
using TTanshiList = TRefList<TTanshi>;
using TPartsList = TRefList<TPartsBase>;
