#pragma once

#include <cstddef>
#include <iterator>
#include <memory>
#include <vector>

class TTanshi;

// The terminals one terminal links to. A link pass gives every terminal on a point the same
// shared group, each leaving out only itself, so k coinciding terminals cost O(k) and not O(k²);
// a list built one terminal at a time (the inputs an output drives) is held on its own.
class TLinkList {
public:
    using TGroup = std::shared_ptr<const std::vector<TTanshi*>>;

    class iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = TTanshi*;
        using difference_type = std::ptrdiff_t;
        using pointer = TTanshi* const*;
        using reference = TTanshi* const&;

        iterator() = default;
        iterator(pointer at, pointer skip) : at_(skip && at == skip ? at + 1 : at), skip_(skip) {}
        reference operator*() const { return *at_; }
        iterator& operator++()
        {
            if (++at_ == skip_) ++at_;
            return *this;
        }
        iterator operator++(int)
        {
            iterator before = *this;
            ++*this;
            return before;
        }
        bool operator==(const iterator& other) const { return at_ == other.at_; }

    private:
        pointer at_ = nullptr;
        pointer skip_ = nullptr;
    };

    // The group's members but the one at self (none when self is null).
    void Share(TGroup group, TTanshi* const* self)
    {
        own_.clear();
        group_ = std::move(group);
        skip_ = self;
    }
    void Add(TTanshi* t)
    {
        if (group_) Detach();
        own_.push_back(t);
    }
    void Clear()
    {
        own_.clear();
        group_.reset();
        skip_ = nullptr;
    }
    int Count() const { return static_cast<int>(Size() - (skip_ ? 1 : 0)); }
    bool Empty() const { return Count() == 0; }
    TTanshi* Items(int i) const
    {
        TTanshi* const* at = Data() + i;
        return *(skip_ && at >= skip_ ? at + 1 : at);
    }
    int IndexOf(const TTanshi* t) const
    {
        int i = 0;
        for (const TTanshi* m : *this) {
            if (m == t) return i;
            ++i;
        }
        return -1;
    }
    iterator begin() const { return {Data(), skip_}; }
    iterator end() const { return {Data() + Size(), nullptr}; }

private:
    TTanshi* const* Data() const { return group_ ? group_->data() : own_.data(); }
    size_t Size() const { return group_ ? group_->size() : own_.size(); }
    void Detach()
    {
        std::vector<TTanshi*> copy(begin(), end());
        Clear();
        own_ = std::move(copy);
    }

    TGroup group_;
    TTanshi* const* skip_ = nullptr;
    std::vector<TTanshi*> own_;
};
