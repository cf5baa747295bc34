#pragma once

#include "NetMap.h"

#include <cstdint>
#include <optional>
#include <vector>

class TBord;

// How a net is shown while a run shows levels. A net its outputs drive with different levels is
// a conflict (the inputs still take the level of the last output in the board's order); a net no
// output drives is low.
enum class TNetShow : uint8_t { Low, High, Conflict };

// The nets of a board with what each shows after the last pass. Reading them is the drawing's
// business only: it changes nothing that a pass, a watch or a record reads.
class TNetLevels {
public:
    // Maps the nets (the board's link lists must be current) and reads their levels.
    explicit TNetLevels(const TBord& board);

    const TNetMap& Map() const { return map_; }
    // Reads every driven net's level from its outputs; answers the nets whose look changed since
    // the reading before, in increasing order.
    const std::vector<uint32_t>& Update();
    TNetShow Show(uint32_t net) const { return show_[net]; }
    std::optional<TNetShow> ShowOf(const TPartsBase& object) const;
    std::optional<TNetShow> ShowOf(const TTanshi& t) const;
    // The nets in conflict after the last reading, in increasing order.
    std::vector<uint32_t> Conflicts() const;

private:
    TNetShow Read(uint32_t net) const;

    TNetMap map_;
    std::vector<TNetShow> show_;
    std::vector<uint32_t> driven_;
    std::vector<uint32_t> changed_;
};
