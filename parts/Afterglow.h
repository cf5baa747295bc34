#pragma once

#include "PartsBase.h"
#include "PublishedInt.h"

// A lamp that imitates the afterglow of a real one: it lights only after its input has asked for
// it for 20 passes and goes dark only ZanzoTime × 10 passes after the input falls, so a lamp fed
// by a fast multiplexing signal looks steadily lit. While the indicators show their inputs (a run
// watched pass by pass), the lamp is drawn from what its input asked for in the pass, and the
// afterglow goes on underneath, unseen: its state, and what a run's readers take from it, stay
// as they are.
class TAfterglowPart : public TPart {
public:
    void LoadFromStrings(const TStrings& lines) override;
    void SaveToStrings(TStrings& lines) const override;
    std::optional<TPublishedProp> FindProp(std::string_view name) const override;

    static constexpr int64_t Idle = -1;
    int32_t ZanzoTime = 100;

protected:
    using TPart::TPart;
    // The passes until a lamp shows the level it now wants. An afterglow time of 0 or less from
    // a file still ends, one pass later.
    int64_t CountdownFor(int32_t wanted) const;
    // Drawn from the inputs rather than through the afterglow, now.
    bool ShowsInputs() const;
};

inline constexpr TIntProperty<TAfterglowPart> ZanzoTimeProperty{"ZanzoTime", &TAfterglowPart::ZanzoTime, 100};
