#pragma once

#include "Geometry.h"
#include "NetLevels.h"

#include <functional>
#include <memory>
#include <vector>

class TBord;

// Keeps the levels a run shows on the board current. Once the run is under way the nets are mapped
// and shown; at every frame they are read again and only the areas of the nets whose look changed
// are repainted; an edit maps them anew and repaints everything. Painting only: the passes, the
// watches and the records read the same levels whether or not any of this runs.
class TLevelFrames {
public:
    using TRepaint = std::function<void(const TRect& area)>;

    explicit TLevelFrames(TBord& board) : board_(board) {}
    TLevelFrames(const TLevelFrames&) = delete;
    TLevelFrames& operator=(const TLevelFrames&) = delete;
    // The board goes back to the editing look's wires.
    ~TLevelFrames();

    // Maps and shows the nets when the board's look asks for levels; the caller redraws the board.
    void Begin();
    // Reads the levels; false when the nets were mapped anew and the whole board is to be redrawn,
    // else each area whose look changed has been handed to repaint.
    bool Frame(const TRepaint& repaint);
    // Back to the editing look; the caller redraws the board.
    void End();
    const TNetLevels* Levels() const { return levels_.get(); }

private:
    TBord& board_;
    std::unique_ptr<TNetLevels> levels_;
    uint64_t edits_ = 0;
    std::vector<TRect> areas_;
};
