#pragma once

#include "PartsBase.h"

#include <cstdint>
#include <vector>

class TBord;

// A board compiled for the passes. Every terminal of every part on the board, and every terminal
// an output reaches, has a slot in one level array and is bound to it while the program lives.
// Calc is sorted by how parts compute: gates and inverters by function, in tight loops over their
// slots; every other part through its own Calc, in list order. Tick is resolved in advance: an input
// takes the level of its last writer in list order, so most inputs are one gather from the slot of
// that writer's output; the rest (inputs of parts with a Tick of their own, terminals such a part
// drives, outputs driven by outputs, and what those drive) keep their writes, and those Ticks, in
// list order. A pass never touches a wire.
class TPassProgram {
public:
    static constexpr uint32_t None = UINT32_MAX;

    explicit TPassProgram(TBord& board);
    TPassProgram(const TPassProgram&) = delete;
    TPassProgram& operator=(const TPassProgram&) = delete;
    ~TPassProgram();

    // The slot of a terminal bound to this program, or None.
    uint32_t SlotOf(const TTanshi& t) const;

    enum class TRole : uint8_t { Gate, Generic, Stateful };
    // Parts of one gate function and input count; each listed by its first slot: its inputs are the
    // slots from there, its output the slot after them.
    struct TGateGroup {
        TPartsBase::TCalcOp Op;
        uint32_t Inputs;
        std::vector<uint32_t> First;
    };
    // A write of the tick phase kept in list order: a copy from one slot to another, or the own Tick
    // of part Owner when Part is set.
    struct TStep {
        TPartsBase* Part;
        uint32_t From, To;
        uint32_t Owner;
    };

    std::vector<int32_t> Levels;
    std::vector<TPartsBase*> Parts;  // the board's parts, in list order
    std::vector<TRole> Roles;
    std::vector<TPartsBase::TCalcOp> Ops;  // per part: a gate's function, None for the others
    // Parts that can never come to rest: an output of theirs is driven by another output.
    std::vector<uint8_t> Pinned;
    std::vector<uint32_t> FirstSlot;  // per part, then one past the last part's terminals
    std::vector<uint32_t> OwnerOf;    // per slot: the part, or None for a terminal off the board
    std::vector<uint32_t> Outputs;    // per part, from OutputStart: the slots of its outputs
    std::vector<uint32_t> OutputStart;

    std::vector<TGateGroup> Gates;
    // Every part that computes by its own Calc, stateful or not, in list order.
    std::vector<uint32_t> Calls;

    // The gathers: slot GatherTo[g] takes the level of slot GatherFrom[g].
    std::vector<uint32_t> GatherTo, GatherFrom;
    std::vector<uint32_t> GatherOf;  // per slot: its gather, or None
    // Per slot, from FanStart: the gathers whose source it is.
    std::vector<uint32_t> Fan, FanStart;
    // Per part, from OwnStart: the gathers into its own terminals (a stateful Calc may write them).
    std::vector<uint32_t> OwnGathers, OwnStart;

    std::vector<TStep> Steps;
    std::vector<uint32_t> StepTargets;  // every slot the steps may write, once each

private:
    std::vector<TTanshi*> bound_;  // per slot
};
