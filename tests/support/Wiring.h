#pragma once

#include "BoardEdits.h"
#include "TestCircuit.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

// Wires, dots and boxes placed and edited the way the editor does it, and readable pictures of a board.

inline void Shape(TPartsBase& o, TContainer* box, int x1, int y1, int x2, int y2)
{
    o.Container = box;
    o.DragWidth = std::abs(x2 - x1);
    o.DragHeight = std::abs(y2 - y1);
    o.MoveTo(std::min(x1, x2), std::min(y1, y2), true);
}

// A wire as it stands after the editor drew it, before any merge; nothing recorded.
inline TCode* AddWire(TestCircuit& t, int x1, int y1, int x2, int y2, TContainer* box = nullptr)
{
    auto* w = t.Bord.Create<TCode>(nullptr);
    Shape(*w, box, x1, y1, x2, y2);
    return w;
}

// One drawn wire leg, merged and joined as the editor does it.
inline TCode* DrawWire(TestCircuit& t, int x1, int y1, int x2, int y2, TContainer* box = nullptr)
{
    return DrawWireRoute(t.Bord, nullptr, box, {{x1, y1}, {x2, y2}}, {x2, y2});
}

inline TContainer* AddBox(TestCircuit& t, int x, int y, int width, int height, TContainer* outer = nullptr)
{
    auto* box = t.Bord.Create<TContainer>(nullptr);
    Shape(*box, outer, x, y, x + width, y + height);
    return box;
}

// A new dot centred on (cx, cy), recorded as one batch.
inline TDot* PlaceDot(TestCircuit& t, int cx, int cy, TContainer* box = nullptr)
{
    auto creation = std::make_unique<TEditBatch>(t.Context);
    TDot* dot = CreateDot(t.Bord, nullptr, box, cx, cy);
    DropDot(*dot, cx, cy, std::move(creation));
    return dot;
}

// Picks up an existing dot and drops it centred on (cx, cy).
inline void MoveDot(TDot& dot, int cx, int cy) { DropDot(dot, cx, cy, nullptr); }

inline void DeleteDot(TDot& dot) { DeleteObject(dot); }

inline void Undo(TestCircuit& t) { t.Circuit.UndoQue().Undo(); }

// The labels of the batch that the last push stored.
inline std::vector<std::string> LastLabels(TestCircuit& t)
{
    auto& que = t.Circuit.UndoQue();
    const int slot = que.Current == 0 ? que.Capacity - 1 : que.Current - 1;
    std::vector<std::string> labels;
    if (const auto& batch = que.Batches[static_cast<size_t>(slot)])
        for (const auto& command : *batch) labels.push_back(command->Label);
    return labels;
}

// The wires of the main board as "x1,y1-x2,y2", sorted.
inline std::vector<std::string> Segments(const TBord& board)
{
    std::vector<std::string> out;
    for (int i = 0; i < board.Count(); ++i) {
        const TPartsBase* o = board.Items(i);
        if (!o->Is(cfCode)) continue;
        out.push_back(std::to_string(o->Left) + "," + std::to_string(o->Top) + "-" +
                      std::to_string(o->Left + o->Width) + "," + std::to_string(o->Top + o->Height));
    }
    std::sort(out.begin(), out.end());
    return out;
}

// Every object of the board with its class, geometry, box and open or linked terminals, sorted, so
// that two states of a board compare whatever the order of its list.
inline std::vector<std::string> Wiring(const TBord& board)
{
    std::vector<std::string> out;
    for (int i = 0; i < board.Count(); ++i) {
        const TPartsBase* o = board.Items(i);
        std::string line = std::string(o->ClassName()) + " " + std::to_string(o->Left) + "," +
                           std::to_string(o->Top) + " " + std::to_string(o->Width) + "x" +
                           std::to_string(o->Height) + " off " + std::to_string(o->OffsetLeft) + "," +
                           std::to_string(o->OffsetTop);
        if (o->Container)
            line += " in " + std::to_string(o->Container->Left) + "," + std::to_string(o->Container->Top);
        line += " ";
        for (const TTanshi* k : o->Tanshis) line += k->Linked ? 'L' : 'o';
        out.push_back(line);
    }
    std::sort(out.begin(), out.end());
    return out;
}
