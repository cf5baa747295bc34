#pragma once

#include "PartsU.h"
#include "RecordingCanvas.h"

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
        Bord.ResetAndSettle();
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
