#pragma once

#include <cstdint>
#include <functional>
#include <vector>

class TBord;
class TPartsBase;
class TTanshi;

// Whether the last pass changed nothing, so that no later pass will: a run is a function of its
// state, and the state is every part terminal's level and every part's own fields. Levels are
// compared with those before the pass (one read per terminal). Fields are not compared: a part
// whose Calc and Tick keep everything as it is on unchanged inputs (combinational parts, sub-board
// terminals) has none that matter; a stateful part says through AtRest that its next Calc and Tick
// change nothing. A part with no output drives nothing, so only what it shows could still change:
// the watcher names those whose showing counts (a lamp's afterglow counting down), and the others
// (scope probes, text boxes) never hold the board from rest. A pulse generator, never at rest,
// keeps the board from ever settling.
class TSettleWatch {
public:
    // The parts of the board as they are now; a board edited since needs a watch of its own.
    TSettleWatch(const TBord& board, const std::function<bool(const TPartsBase&)>& showingCounts);

    // The levels the next pass starts from.
    void Mark();
    // Whether the pass since the last Mark or Settled changed nothing; marks the present levels.
    bool Settled();

private:
    std::vector<TTanshi*> terminals_;
    std::vector<int32_t> levels_;
    std::vector<const TPartsBase*> stateful_;
};
