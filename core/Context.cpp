#include "Context.h"

void TCircuitContext::PushBatch()
{
    if (!CommandBatch) return;
    if (UndoQue)
        UndoQue->Push(std::move(CommandBatch));
    else
        CommandBatch.reset();
}

void TCircuitContext::Record(std::unique_ptr<TCommand> command)
{
    if (CommandBatch) CommandBatch->push_back(std::move(command));
}

void TCircuitContext::ShowMessage(const std::string& text) const
{
    if (Messages) Messages->ShowMessage(text);
}

void TCircuitContext::ReleaseRetired()
{
    retiredObjects_.clear();
    retiredTanshis_.clear();
}

TCircuit::TCircuit(Canvas* boardSurface) : Bord(Context, boardSurface), TrashBord(Context, nullptr)
{
    Context.MainBord = &Bord;
    Context.TrashBord = &TrashBord;
    Context.UndoQue = std::make_unique<TUndoQue>(Context);
}

TCircuit::~TCircuit()
{
    Context.CommandBatch.reset();
    Context.UndoQue.reset();
    TrashBord.ClearAll();
    Bord.ClearAll();
    Context.ReleaseRetired();
}
