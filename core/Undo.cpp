#include "Undo.h"

#include "Board.h"
#include "Context.h"
#include "Properties.h"

namespace {

TBord& Trash(const TPartsBase& o) { return *o.Context().TrashBord; }

void Apply(TPartsBase& o, const TGeometry& g)
{
    o.SetLeft(g.Left);
    o.SetTop(g.Top);
    o.Width = o.DragWidth = g.Width;
    o.Height = o.DragHeight = g.Height;
    o.OffsetLeft = g.OffsetLeft;
    o.OffsetTop = g.OffsetTop;
    o.Container = g.Container;
    o.SetTanshi();
}

TGeometry GeometryOf(const TPartsBase& o)
{
    return {o.Left, o.Top, o.Width, o.Height, o.OffsetLeft, o.OffsetTop, o.Container};
}

}  // namespace

void TCreateCommand::Undo()
{
    undone_ = GeometryOf(*Part);
    Part->ChangeBord(*Part->Board, Trash(*Part));
}

void TCreateCommand::Redo()
{
    Part->ChangeBord(Trash(*Part), *Part->Board);
    if (!(GeometryOf(*Part) == undone_)) Apply(*Part, undone_);
}

void TDeleteCommand::Undo() { Part->ChangeBord(Trash(*Part), *Part->Board); }
void TDeleteCommand::Redo() { Part->ChangeBord(*Part->Board, Trash(*Part)); }
void TMoveCommand::Undo() { Apply(*Part, Before); }
void TMoveCommand::Redo() { Apply(*Part, After); }

void TSetPropCommand::Undo()
{
    SetPropText(*Part, PropName, OldValue);
    Part->SetTanshi();
}

void TSetPropCommand::Redo()
{
    SetPropText(*Part, PropName, NewValue);
    Part->SetTanshi();
}

void TUndoQue::Push(std::unique_ptr<TCommandBatch> batch)
{
    ++context_.Edits;
    RedoEnd = Current;
    Batches[static_cast<size_t>(Current)].reset();
    Batches[static_cast<size_t>(Current)] = std::move(batch);
    Current = RedoEnd = Next(Current);
    if (Current != Oldest) {
        ++UndoCount;
        return;
    }
    Oldest = Next(Oldest);
    DropOldest(Oldest);
}

// Destroys the batch and the objects that only its deletions still kept in the trash.
void TUndoQue::DropOldest(int slot)
{
    auto& batch = Batches[static_cast<size_t>(slot)];
    if (!batch) return;
    TBord& trash = *context_.TrashBord;
    for (auto& command : *batch) {
        if (!dynamic_cast<TDeleteCommand*>(command.get())) continue;
        auto object = trash.Remove(command->Part);
        // A running pass may still drive the object's terminals; it goes at the next link pass.
        if (object && context_.Simulating) context_.Retire(std::move(object));
    }
    batch.reset();
}

void TUndoQue::Undo()
{
    ++context_.Edits;
    Current = Prev(Current);
    if (auto& batch = Batches[static_cast<size_t>(Current)])
        for (auto it = batch->rbegin(); it != batch->rend(); ++it) (*it)->Undo();
    --UndoCount;
    if (context_.MainBord) context_.MainBord->CheckAllLinks();
}

void TUndoQue::Redo()
{
    ++context_.Edits;
    if (auto& batch = Batches[static_cast<size_t>(Current)])
        for (auto& command : *batch) command->Redo();
    Current = Next(Current);
    ++UndoCount;
    if (context_.MainBord) context_.MainBord->CheckAllLinks();
}

void TUndoQue::Clear()
{
    for (auto& batch : Batches) batch.reset();
    Current = RedoEnd = 1;
    Oldest = 0;
    UndoCount = 0;
}
