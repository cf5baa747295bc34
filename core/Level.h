#pragma once

#include <cstdint>

inline constexpr int32_t LevelLow = 0;
inline constexpr int32_t LevelHigh = 5;

// A terminal's level. It is kept in the terminal itself, or, while a run's engine has the board
// compiled, in that engine's level array, so that the engine's tight loops and everything else that
// reads or writes the terminal (parts, drawing, watches, the mouse) see the same value.
class TLevel {
public:
    TLevel() = default;
    TLevel(const TLevel&) = delete;
    // Assigning one terminal's level to another copies the value, never the binding.
    TLevel& operator=(const TLevel& other)
    {
        *at_ = *other.at_;
        return *this;
    }

    operator int32_t() const { return *at_; }
    TLevel& operator=(int32_t level)
    {
        *at_ = level;
        return *this;
    }

    // Moves the value into slot, where it lives from now on.
    void Bind(int32_t* slot)
    {
        *slot = *at_;
        at_ = slot;
    }
    // Takes the value back from the slot it was bound to.
    void Unbind()
    {
        own_ = *at_;
        at_ = &own_;
    }
    bool Bound() const { return at_ != &own_; }

private:
    int32_t own_ = LevelLow;
    int32_t* at_ = &own_;
};
