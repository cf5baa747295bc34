#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

class TBord;
class TPartsBase;
class TTanshi;

// The feedback loops of a board: cycles of parts, each driving an input of the next through a net.
// Such a loop is what keeps a state in a circuit of gates. Made once the board's nets are resolved,
// as a run's start leaves them, and used while the board is not edited.
class TFeedbackLoops {
public:
    explicit TFeedbackLoops(const TBord& board);

    // The parts on the loops behind the terminals, in the board's order: those on a loop from which
    // a terminal's level can be reached (an output terminal from its own part, an input from the
    // parts that drive it).
    std::vector<const TPartsBase*> Behind(const std::vector<const TTanshi*>& terminals) const;
    // The parts on every loop of the board, in its order.
    std::vector<const TPartsBase*> All() const;

private:
    void MarkCycles();

    std::vector<const TPartsBase*> parts_;
    std::unordered_map<const TPartsBase*, uint32_t> index_;
    // Per part, the parts that drive one of its inputs; per input terminal, the parts that drive it.
    std::vector<std::vector<uint32_t>> drivers_;
    std::unordered_map<const TTanshi*, std::vector<uint32_t>> inputDrivers_;
    std::vector<bool> onCycle_;
};
