#pragma once

#include <cstdint>
#include <vector>

class TBord;
class TPartsBase;

// The parts whose output levels one pass changes. The levels of every part's outputs are noted
// before the pass and compared after it; nothing else is looked at, so a slow run can afford it
// after every pass and a fast one never pays for it.
class TOutputChanges {
public:
    // Notes the output levels of every part on the board, in list order.
    void Before(const TBord& board);
    // The parts whose output levels now differ from those noted; the board must hold the same
    // objects as when they were noted.
    void After(const TBord& board);
    void Clear();
    const std::vector<const TPartsBase*>& Changed() const { return changed_; }

private:
    std::vector<int32_t> levels_;
    std::vector<const TPartsBase*> changed_;
};
