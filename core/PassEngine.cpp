#include "PassEngine.h"

#include "Board.h"
#include "Context.h"
#include "GateLoops.h"
#include "PassProgram.h"

#include <algorithm>

namespace {

using TRole = TPassProgram::TRole;
constexpr uint32_t None = TPassProgram::None;

// Auto weighs a sparse pass against a whole one: an own Calc costs about what it costs in either, while
// a gate or a gather done sparsely, with its bookkeeping, costs several times what it costs in the
// tight loops. After a few passes in a row that would have been cheaper whole, the run goes whole,
// and tries sparse again now and then.
constexpr size_t SparseItemCost = 6;
constexpr size_t CallCost = 10;
constexpr int BusyPassesToGoWhole = 2;
constexpr int64_t WholePassesToTrySparse = 1024;

}  // namespace

const char* EngineName(TEngineMode mode)
{
    switch (mode) {
    case TEngineMode::Full: return "full";
    case TEngineMode::Sparse: return "sparse";
    case TEngineMode::Objects: return "objects";
    case TEngineMode::Auto: break;
    }
    return "auto";
}

TPassEngine::TPassEngine(TBord& board, TEngineMode mode)
    : board_(board), context_(board.Context()), mode_(mode), sparse_(mode != TEngineMode::Full)
{
}

TPassEngine::~TPassEngine() = default;

void TPassEngine::Start()
{
    // The link pass releases replaced terminals, which a program may have bound.
    program_.reset();
    board_.SetConnectTanshi();
    board_.ResolveNets();
    Settle();
}

void TPassEngine::Settle()
{
    for (int i = 0; i < board_.Count(); ++i) board_.Items(i)->ResetTanshi();
    all_ = true;
    std::vector<TTanshi*> inputs;
    for (int i = 0; i < board_.Count(); ++i)
        for (TTanshi* t : board_.Items(i)->Tanshis)
            if (t->Direction == dirInput) inputs.push_back(t);
    if (inputs.empty()) return;
    Force(*inputs.front(), LevelHigh);
    Pass();
    for (const int32_t level : {LevelHigh, LevelLow}) {
        for (size_t i = level == LevelHigh ? 1 : 0; i < inputs.size(); ++i) {
            Force(*inputs[i], level);
            Pass();
        }
    }
}

void TPassEngine::Force(TTanshi& input, int32_t level)
{
    if (input.Level == level) return;
    input.Level = level;
    if (!program_ || !sparse_ || all_) return;
    const uint32_t slot = program_->SlotOf(input);
    if (slot == None) return;
    Changed(slot);
    if (program_->GatherOf[slot] != None) Regather(program_->GatherOf[slot]);
}

void TPassEngine::Pass()
{
    if (mode_ == TEngineMode::Objects) {
        board_.CalcAll();
        board_.TickAll();
        return;
    }
    if (!program_ || context_.Edits != edits_) Compile();
    if (context_.Pokes != pokes_) {
        pokes_ = context_.Pokes;
        all_ = true;
    }
    if (mode_ == TEngineMode::Auto && !sparse_ && ++wholePasses_ >= WholePassesToTrySparse) {
        sparse_ = true;
        all_ = true;
        busyPasses_ = 0;
    }
    if (sparse_)
        SparsePass();
    else
        FullPass();
}

void TPassEngine::Compile()
{
    program_.reset();
    program_ = std::make_unique<TPassProgram>(board_);
    edits_ = context_.Edits;
    const size_t parts = program_->Parts.size();
    dirty_.assign(parts, 0);
    restless_.assign(parts, 0);
    ticksIn_.assign(parts, 0);
    tickEpoch_ = 0;
    regatherSeen_.assign(program_->GatherTo.size(), 0);
    epoch_ = 1;
    stepsBefore_.resize(program_->StepTargets.size());
    all_ = true;
}

void TPassEngine::FullPass()
{
    TPassProgram& p = *program_;
    int32_t* levels = p.Levels.data();
    for (const uint32_t part : p.Calls) p.Parts[part]->Calc();
    for (const TPassProgram::TGateGroup& group : p.Gates) RunGateGroup(group.Op, group.Inputs, group.First, levels);
    const uint32_t* to = p.GatherTo.data();
    const uint32_t* from = p.GatherFrom.data();
    for (size_t g = 0, n = p.GatherTo.size(); g < n; ++g) levels[to[g]] = levels[from[g]];
    for (const TPassProgram::TStep& step : p.Steps) {
        if (step.Part)
            step.Part->Tick();
        else
            levels[step.To] = levels[step.From];
    }
    lastSparse_ = false;
}

void TPassEngine::MarkAll()
{
    const TPassProgram& p = *program_;
    std::fill(dirty_.begin(), dirty_.end(), 0);
    std::fill(restless_.begin(), restless_.end(), 0);
    dirtyList_.clear();
    restlessList_.clear();
    regatherList_.clear();
    if (++epoch_ == 0) {
        std::fill(regatherSeen_.begin(), regatherSeen_.end(), 0);
        epoch_ = 1;
    }
    for (uint32_t part = 0; part < p.Parts.size(); ++part) {
        if (p.Roles[part] == TRole::Stateful)
            Wake(part);
        else
            MarkDirty(part);
    }
    for (uint32_t g = 0; g < p.GatherTo.size(); ++g) Regather(g);
    all_ = false;
}

void TPassEngine::SparsePass()
{
    TPassProgram& p = *program_;
    // A pass after MarkAll computes everything whatever changes: it says nothing of how busy the run is.
    const bool whole = all_;
    if (all_) MarkAll();
    int32_t* levels = p.Levels.data();
    size_t sparseCost = 0;

    // Calc: the stateful parts not at rest, in list order, and the parts whose inputs changed.
    changedFrom_.clear();
    std::sort(restlessList_.begin(), restlessList_.end());
    ranList_.swap(restlessList_);
    restlessList_.clear();
    for (const uint32_t part : ranList_) {
        restless_[part] = 0;
        CallCalc(part);
        // Its Calc may have written its own inputs, which their writers set again in the tick.
        for (uint32_t k = p.OwnStart[part]; k < p.OwnStart[part + 1]; ++k) Regather(p.OwnGathers[k]);
    }
    for (const uint32_t part : dirtyList_) {
        dirty_[part] = 0;
        const uint32_t first = p.FirstSlot[part];
        if (p.Roles[part] == TRole::Gate) {
            const uint32_t inputs = p.FirstSlot[part + 1] - first - 1;
            const int32_t level = GateLevel(p.Ops[part], levels + first, inputs);
            if (levels[first + inputs] == level) continue;
            levels[first + inputs] = level;
            changedFrom_.push_back(first + inputs);
            continue;
        }
        CallCalc(part);
    }
    sparseCost += CallCost * ranList_.size() + SparseItemCost * dirtyList_.size();
    dirtyList_.clear();

    // Tick: the gathers whose source changed or whose target was written, then every ordered step.
    for (const uint32_t from : changedFrom_)
        for (uint32_t k = p.FanStart[from]; k < p.FanStart[from + 1]; ++k) Regather(p.Fan[k]);
    sparseCost += SparseItemCost * regatherList_.size();
    for (const uint32_t g : regatherList_) {
        const uint32_t to = p.GatherTo[g];
        const int32_t level = levels[p.GatherFrom[g]];
        if (levels[to] == level) continue;
        levels[to] = level;
        Changed(to);
    }
    regatherList_.clear();
    if (++epoch_ == 0) {
        std::fill(regatherSeen_.begin(), regatherSeen_.end(), 0);
        epoch_ = 1;
    }
    // A part with a Tick of its own that is at rest, and whose inputs kept their levels so far in
    // this pass, would change nothing in its Tick.
    if (++tickEpoch_ == 0) {
        std::fill(ticksIn_.begin(), ticksIn_.end(), 0);
        tickEpoch_ = 1;
    }
    for (const uint32_t part : ranList_) ticksIn_[part] = tickEpoch_;
    for (size_t k = 0; k < p.StepTargets.size(); ++k) stepsBefore_[k] = levels[p.StepTargets[k]];
    for (const TPassProgram::TStep& step : p.Steps) {
        if (step.Part) {
            if (ticksIn_[step.Owner] == tickEpoch_) step.Part->Tick();
        } else if (levels[step.To] != levels[step.From]) {
            levels[step.To] = levels[step.From];
            if (p.OwnerOf[step.To] != None) ticksIn_[p.OwnerOf[step.To]] = tickEpoch_;
        }
    }
    for (size_t k = 0; k < p.StepTargets.size(); ++k)
        if (levels[p.StepTargets[k]] != stepsBefore_[k]) Changed(p.StepTargets[k]);

    // A stateful part that ran stays awake until it is at rest on the inputs it now has.
    for (const uint32_t part : ranList_)
        if (p.Pinned[part] || !p.Parts[part]->AtRest()) Wake(part);
    lastSparse_ = true;

    if (mode_ != TEngineMode::Auto || whole) return;
    const size_t wholeCost = p.Parts.size() + p.GatherTo.size() + CallCost * p.Calls.size();
    if (sparseCost <= wholeCost) {
        busyPasses_ = 0;
    } else if (++busyPasses_ >= BusyPassesToGoWhole) {
        sparse_ = false;
        wholePasses_ = 0;
    }
}

void TPassEngine::CallCalc(uint32_t part)
{
    const TPassProgram& p = *program_;
    const int32_t* levels = p.Levels.data();
    const uint32_t* out = p.Outputs.data() + p.OutputStart[part];
    const uint32_t outs = p.OutputStart[part + 1] - p.OutputStart[part];
    outputsBefore_.clear();
    for (uint32_t k = 0; k < outs; ++k) outputsBefore_.push_back(levels[out[k]]);
    p.Parts[part]->Calc();
    for (uint32_t k = 0; k < outs; ++k)
        if (levels[out[k]] != outputsBefore_[k]) changedFrom_.push_back(out[k]);
}

void TPassEngine::Changed(uint32_t slot)
{
    const uint32_t part = program_->OwnerOf[slot];
    if (part == None) return;
    if (program_->Roles[part] == TRole::Stateful)
        Wake(part);
    else
        MarkDirty(part);
}

void TPassEngine::Wake(uint32_t part)
{
    if (restless_[part]) return;
    restless_[part] = 1;
    restlessList_.push_back(part);
}

void TPassEngine::MarkDirty(uint32_t part)
{
    if (dirty_[part]) return;
    dirty_[part] = 1;
    dirtyList_.push_back(part);
}

void TPassEngine::Regather(uint32_t gather)
{
    if (regatherSeen_[gather] == epoch_) return;
    regatherSeen_[gather] = epoch_;
    regatherList_.push_back(gather);
}
