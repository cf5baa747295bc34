#include "EditBatch.h"

#include "Context.h"

TEditBatch::TEditBatch(TCircuitContext& context) : context_(context)
{
    if (context_.CommandBatch) return;
    context_.OpenBatch();
    open_ = true;
}

TEditBatch::~TEditBatch()
{
    if (!open_ || !context_.CommandBatch) return;
    auto batch = std::move(context_.CommandBatch);
    if (batch->empty()) return;
    for (auto it = batch->rbegin(); it != batch->rend(); ++it) (*it)->Undo();
    if (context_.MainBord) context_.MainBord->CheckAllLinks();
}

void TEditBatch::Commit()
{
    if (!open_) return;
    open_ = false;
    if (context_.CommandBatch && context_.CommandBatch->empty())
        context_.CommandBatch.reset();
    else
        context_.PushBatch();
}
