#pragma once

#include "PartsU.h"
#include "RecordingCanvas.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

// Collects the messages a circuit shows, instead of a box.
class RecordingMessages : public MessageSink {
public:
    std::vector<std::string> Shown;
    void ShowMessage(const std::string& text) override { Shown.push_back(text); }
};

// A headless circuit for tests: a main board on a null surface, the trash board and the undo history.
struct TestCircuit {
    NullCanvas Surface{640, 480};
    RecordingMessages Messages;
    TCircuit Circuit{&Surface};
    TBord& Bord = Circuit.Bord;
    TCircuitContext& Context = Circuit.Context;

    TestCircuit() { Context.Messages = &Messages; }

    template <class T>
    T* Place(int x, int y, int partNo = 0, int way = 0)
    {
        T* part = Bord.Create<T>(nullptr);
        part->PartNo = partNo;
        part->SetTanshi();
        part->SetWay(way);
        part->MoveTo(x, y, false);
        return part;
    }

    // A wire from terminal out of from to terminal in of to through the vertical track track, right of
    // every part (parts stand left of x = 4000): wires in tracks of their own meet only at the
    // terminals where they start or end.
    void WireInTrack(int track, const TPartsBase& from, int out, const TPartsBase& to, int in)
    {
        const TPoint a = from.LocalToBoard(from.Tanshis.Items(out)->GetPos());
        const TPoint b = to.LocalToBoard(to.Tanshis.Items(in)->GetPos());
        const int x = 4000 + 4 * track;
        const TPoint route[] = {a, {x, a.y}, {x, b.y}, b};
        for (size_t k = 0; k + 1 < std::size(route); ++k) {
            if (route[k] == route[k + 1]) continue;
            auto* wire = Bord.Create<TCode>(nullptr);
            wire->DragWidth = std::abs(route[k + 1].x - route[k].x);
            wire->DragHeight = std::abs(route[k + 1].y - route[k].y);
            wire->MoveTo(std::min(route[k].x, route[k + 1].x), std::min(route[k].y, route[k + 1].y), false);
        }
    }

    // One pass: every part computes from its inputs, then every output reaches what it drives.
    void Pass()
    {
        Bord.CalcAll();
        Bord.TickAll();
    }

    // What a run does before its first pass.
    void Prepare()
    {
        Bord.SetConnectTanshi();
        Bord.ResolveNets();
        TPassEngine(Bord, TEngineMode::Sparse).Settle();
    }
};

// Where the object's top-left corner stands.
inline std::pair<int, int> Corner(const TPartsBase* o) { return {o->Left, o->Top}; }

// The Linked flags of every terminal on the board, object by object.
inline std::vector<bool> LinkedFlags(const TBord& board)
{
    std::vector<bool> flags;
    for (int i = 0; i < board.Count(); ++i)
        for (const TTanshi* k : board.Items(i)->Tanshis) flags.push_back(k->Linked);
    return flags;
}

// The flags as every object's own CheckLinks leaves them, one after the other in list order: what
// the board's bulk pass must reproduce.
inline std::vector<bool> LinkedFlagsCheckingInTurn(TBord& board)
{
    for (int i = 0; i < board.Count(); ++i) board.Items(i)->ClearLinked();
    for (int i = 0; i < board.Count(); ++i) board.Items(i)->CheckLinks();
    return LinkedFlags(board);
}
