#pragma once

#include "PartsU.h"

#include <vector>

// The wires that follow objects being dragged: each wire end on a terminal of a moved object moves
// with it. A wire keeps its fixed end and its direction and gains a bend where it can no longer
// reach straight; a wire with both ends on moved objects moves whole.
class TFollowingWires {
public:
    struct TRoute {
        TCode* Wire;
        // From the wire's fixed end (its start, when both ends move) to its moved end; the wire
        // keeps the first leg, a bend adds the second.
        std::vector<TPoint> Points;
    };

    // The wires at the terminals of the objects and of everything inside moved sub-boards, found
    // where the objects stand now; moved wires and dots are not followers themselves.
    void Collect(const TBord& board, const TPartsList& moved);
    void Clear() { wires_.clear(); }
    bool Empty() const { return wires_.empty(); }
    // Where each wire runs when the objects have moved by the offset.
    std::vector<TRoute> Routes(TPoint offset) const;
    // The routes as lines in the surface's pen (XOR, so that drawing them twice leaves no trace).
    void Draw(Canvas& surface, TPoint offset) const;

private:
    struct TFollower {
        TCode* Wire;
        TPoint Start, End;
        bool StartMoves = false, EndMoves = false;
    };
    std::vector<TFollower> wires_;
};
