#include "LevelFrames.h"

#include "Context.h"
#include "LevelDrawing.h"

TLevelFrames::~TLevelFrames() { End(); }

void TLevelFrames::Begin()
{
    TCircuitContext& context = board_.Context();
    if (!context.Look.Levels) {
        End();
        return;
    }
    levels_ = std::make_unique<TNetLevels>(board_);
    edits_ = context.Edits;
    context.ShownLevels = levels_.get();
}

bool TLevelFrames::Frame(const TRepaint& repaint)
{
    const TCircuitContext& context = board_.Context();
    if (!levels_ || context.Edits != edits_ || !context.Look.Levels) {
        const bool shown = levels_ != nullptr;
        Begin();
        return !shown && !levels_;
    }
    areas_.clear();
    for (const uint32_t net : levels_->Update()) NetAreas(levels_->Map(), net, areas_);
    MergeAreas(areas_);
    for (const TRect& area : areas_) repaint(area);
    return true;
}

void TLevelFrames::End()
{
    board_.Context().ShownLevels = nullptr;
    levels_.reset();
}
