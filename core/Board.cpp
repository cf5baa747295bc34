#include "Board.h"

#include "BoardIndex.h"
#include "Container.h"
#include "Context.h"
#include "LevelDrawing.h"

#include <algorithm>
#include <utility>
#include <unordered_set>

// Installs a point index for one bulk pass, unless an outer pass already has one.
class TBord::TIndexScope {
public:
    explicit TIndexScope(TBord& board) : board_(board)
    {
        if (board_.index_) return;
        index_ = std::make_unique<TBoardIndex>(board_);
        board_.index_ = index_.get();
    }
    ~TIndexScope()
    {
        if (index_) board_.index_ = nullptr;
    }
    TIndexScope(const TIndexScope&) = delete;
    TIndexScope& operator=(const TIndexScope&) = delete;

private:
    TBord& board_;
    std::unique_ptr<TBoardIndex> index_;
};

TBord::TBord(TCircuitContext& context, Canvas* surface) : context_(context), canvas_(surface) {}

TBord::~TBord() { ClearAll(); }

void TBord::Add(std::unique_ptr<TPartsBase> object)
{
    ++context_.Edits;
    grid_.Add(object.get());
    objects_.push_back(std::move(object));
}

std::unique_ptr<TPartsBase> TBord::Remove(TPartsBase* object)
{
    // Searched from the end: removals mostly concern recently created objects.
    for (auto it = objects_.rbegin(); it != objects_.rend(); ++it) {
        if (it->get() != object) continue;
        ++context_.Edits;
        std::unique_ptr<TPartsBase> owned = std::move(*it);
        objects_.erase(std::next(it).base());
        grid_.Remove(object);
        return owned;
    }
    return nullptr;
}

void TBord::Destroy(TPartsBase* object) { Remove(object); }

void TBord::DestroyAll(const std::vector<TPartsBase*>& objects)
{
    ++context_.Edits;
    const std::unordered_set<const TPartsBase*> gone(objects.begin(), objects.end());
    grid_.RemoveAll(gone);
    std::vector<std::unique_ptr<TPartsBase>> removed;
    for (auto& o : objects_)
        if (gone.contains(o.get())) removed.push_back(std::move(o));
    std::erase(objects_, nullptr);
    while (!removed.empty()) removed.pop_back();
}

bool TBord::Holds(const TPartsBase* object) const { return grid_.Holds(object); }

void TBord::CopyParts(TPartsList& list) const
{
    list.Clear();
    list.Reserve(objects_.size());
    for (const auto& o : objects_) list.Add(o.get());
}

void TBord::ClearAll()
{
    ++context_.Edits;
    grid_.Clear();
    while (!objects_.empty()) objects_.pop_back();
}

void TBord::DrawAll()
{
    // Drawing changes no containment, so the children found now hold for the whole redraw.
    TChildren children;
    for (const auto& o : objects_) children[o->Container].push_back(o.get());
    struct TRestore {
        const TChildren*& slot;
        const TChildren* outer;
        ~TRestore() { slot = outer; }
    } restore{children_, std::exchange(children_, &children)};
    for (const auto& o : objects_) {
        if (o->Is(cfContainer) || o->Container) continue;
        o->DrawWhole();
    }
    for (const auto& o : objects_) {
        if (!o->Is(cfContainer)) continue;
        o->DrawWhole();
    }
}

void TBord::ShowAll()
{
    for (const auto& o : objects_) o->ShowHeld();
}

namespace {

// How far an object may draw beyond its region in the grid: the open-terminal circles and the
// bubbles of corner inputs reach five pixels past their terminal point, the level look's tags further.
constexpr int DrawReach = std::max(8, LevelReach);

}  // namespace

void TBord::DrawAll(const TRect& area)
{
    const TRect reach{SatAdd(area.Left, -DrawReach), SatAdd(area.Top, -DrawReach), SatAdd(area.Right, DrawReach),
                      SatAdd(area.Bottom, DrawReach)};
    std::vector<TPartsBase*> near;
    if (!Near({reach}, near)) {
        DrawAll();
        return;
    }
    // A box draws all its children, clipped to itself; only the boxes drawn need theirs.
    TChildren children;
    for (TPartsBase* o : near)
        if (o->Is(cfContainer)) children.try_emplace(static_cast<const TContainer*>(o));
    if (!children.empty())
        for (const auto& o : objects_)
            if (o->Container)
                if (const auto it = children.find(o->Container); it != children.end()) it->second.push_back(o.get());
    struct TRestore {
        const TChildren*& slot;
        const TChildren* outer;
        ~TRestore() { slot = outer; }
    } restore{children_, std::exchange(children_, &children)};
    for (TPartsBase* o : near) {
        if (o->Is(cfContainer) || o->Container) continue;
        o->DrawWhole();
    }
    for (TPartsBase* o : near) {
        if (!o->Is(cfContainer)) continue;
        o->DrawWhole();
    }
}

TBord::THit TBord::PartAt(const TContainer* level, int x, int y) const
{
    THit found;
    ForEachAt(x, y, true, [&](TPartsBase& o) {
        if (found.Object) return;
        THit hit;
        hit.Result = o.HitTest(level, x, y, &hit.Tanshi);
        if (hit.Result == hitNone) return;
        hit.Object = &o;
        found = hit;
    });
    return found;
}

int TBord::PartsAt(const TContainer* level, int x, int y, TPartsList& list) const
{
    list.Clear();
    int result = hitNone;
    ForEachAt(x, y, true, [&](TPartsBase& o) {
        const int r = o.HitTest(level, x, y, nullptr);
        if (r == hitBody || r == hitTanshi) {
            list.Add(&o);
            result = r;
        }
    });
    return result;
}

TBord::THit TBord::ContainerAt(int x, int y) const
{
    THit found;
    ForEachAt(x, y, true, [&](TPartsBase& o) {
        if (found.Object || !o.Is(cfContainer)) return;
        auto* box = static_cast<TContainer*>(&o);
        const int r = box->HitTest(box, x, y, nullptr);
        if (r != hitNone) found = {r, box, nullptr};
    });
    return found;
}

void TBord::PartsInRect(const TContainer* level, int x1, int y1, int x2, int y2, TPartsList& list) const
{
    list.Clear();
    const int64_t xmin = std::min(x1, x2), xmax = std::max(x1, x2);
    const int64_t ymin = std::min(y1, y2), ymax = std::max(y1, y2);
    for (const auto& o : objects_) {
        if (o->Container != level) continue;
        const int64_t left = o->Left, right = int64_t{o->Left} + o->Width;
        const int64_t top = o->Top, bottom = int64_t{o->Top} + o->Height;
        if (left >= xmin && left <= xmax && right >= xmin && right <= xmax && top >= ymin && top <= ymax &&
            bottom >= ymin && bottom <= ymax)
            list.Add(o.get());
    }
}

// Visits, from the last object to the first, every object that may answer a hit test at (x, y)
// with a terminal (all of them when bodies count too): through the index of a bulk pass, the
// grid, or a scan of the list.
template <class Visit>
void TBord::ForEachAt(int x, int y, bool bodies, Visit visit) const
{
    if (index_ && !bodies) {
        const auto candidates = index_->At(x, y);
        for (size_t k = candidates.size(); k-- > 0;)
            if (k + 1 == candidates.size() || candidates[k] != candidates[k + 1]) visit(*objects_[candidates[k]]);
        return;
    }
    std::vector<TPartsBase*> near;
    if (Near({{x, y, x, y}}, near)) {
        for (auto it = near.rbegin(); it != near.rend(); ++it) visit(**it);
        return;
    }
    for (auto it = objects_.rbegin(); it != objects_.rend(); ++it) visit(**it);
}

void TBord::TanshisAt(const TContainer* level, int x, int y, TTanshiList& list) const
{
    list.Clear();
    ForEachAt(x, y, false, [&](TPartsBase& o) {
        TTanshi* t = nullptr;
        if (o.HitTest(level, x, y, &t) == hitTanshi) list.Add(t);
    });
}

void TBord::TanshisTouching(const TPartsBase& object, int x, int y, TTanshiList& list) const
{
    list.Clear();
    const TRect area = object.GetRect();
    ForEachAt(x, y, false, [&](TPartsBase& o) {
        if (!RectsOverlap(o.GetRect(), area)) return;
        TTanshi* t = nullptr;
        if (o.HitTest(object.Container, x, y, &t) == hitTanshi) list.Add(t);
    });
}

void TBord::PartsOfKindAt(uint8_t kinds, const TContainer* level, int x, int y, TPartsList& list) const
{
    list.Clear();
    ForEachAt(x, y, true, [&](TPartsBase& o) {
        if ((o.ClassFlags & kinds) == 0) return;
        const int r = o.HitTest(level, x, y, nullptr);
        if (r == hitBody || r == hitTanshi) list.Add(&o);
    });
}

void TBord::ChildrenOf(const TContainer* container, TPartsList& list) const
{
    list.Clear();
    if (children_) {
        if (const auto it = children_->find(container); it != children_->end()) {
            list.Reserve(it->second.size());
            for (TPartsBase* o : it->second) list.Add(o);
        }
        return;
    }
    for (const auto& o : objects_)
        if (o->Container == container) list.Add(o.get());
}

void TBord::CheckAllLinks()
{
    TIndexScope indexed(*this);
    for (const auto& o : objects_) o->ClearLinked();
    index_->ForEachPoint([&](int x, int y, std::span<const uint32_t> at) { CheckLinksAt(x, y, at); });
}

void TBord::CheckLinksInRect(const TRect& r)
{
    std::vector<TPartsBase*> touching;
    if (!Near({r}, touching))
        for (const auto& o : objects_) touching.push_back(o.get());
    std::erase_if(touching, [&](const TPartsBase* o) { return !RectsOverlap(o->GetRect(), r); });
    for (TPartsBase* o : touching) o->CheckLinks();
}

void TBord::BeginUpdate()
{
    BeforeRect = EmptyUpdateRect;
    AfterRect = EmptyUpdateRect;
}

void TBord::UnionBefore(const TRect& r) { BeforeRect = UnionRect(BeforeRect, r); }

void TBord::UnionAfter(const TRect& r) { AfterRect = UnionRect(AfterRect, r); }

void TBord::EndUpdate()
{
    CheckLinksInRect(BeforeRect);
    if (AfterRect != BeforeRect) CheckLinksInRect(AfterRect);
}

void TBord::SetConnectTanshi()
{
    // Every list on this board is rebuilt now and the trash board's are emptied (an object that
    // undo brings back during a run drives nothing until the next start), so no list can name a
    // retired terminal any more.
    if (context_.TrashBord && context_.TrashBord != this)
        for (const auto& o : context_.TrashBord->objects_)
            for (TTanshi* t : o->Tanshis) t->Links.Clear();
    context_.ReleaseRetired();
    TIndexScope indexed(*this);
    LinkAll();
}

void TBord::ResolveNets()
{
    for (const auto& o : objects_) {
        if (!o->Is(cfPart) || o->Is(cfSubTerminal)) continue;
        for (TTanshi* t : o->Tanshis)
            if (t->Direction == dirOutput) CollectDriven(*t);
    }
}

// Walks from output terminal t through wires and sub-board terminals (the conductors) and
// leaves in t.Links every part terminal reached, in the order of a depth-first walk. The walk
// never enters an output from a conductor, so signals cannot flow backwards.
void TBord::CollectDriven(TTanshi& output)
{
    if (++visitEpoch_ == 0) {
        for (const auto& o : objects_) o->netVisit_ = 0;
        visitEpoch_ = 1;
    }
    const std::vector<TTanshi*> start(output.Links.begin(), output.Links.end());
    output.Links.Clear();

    struct Frame {
        TPartsBase* conductor;
        const TTanshi* arrival;
        int tanshi;
        int link;
    };
    std::vector<Frame> stack;
    auto enter = [&](TTanshi* arrival) {
        TPartsBase* o = arrival->Owner;
        if (o->Is(cfCode) || o->Is(cfSubTerminal)) {
            if (o->netVisit_ == visitEpoch_) return;
            o->netVisit_ = visitEpoch_;
            stack.push_back({o, arrival, 0, 0});
        } else if (o->Is(cfPart)) {
            output.Links.Add(arrival);
        }
    };
    for (TTanshi* k : start) {
        enter(k);
        while (!stack.empty()) {
            Frame& f = stack.back();
            if (f.tanshi >= f.conductor->Tanshis.Count()) {
                stack.pop_back();
                continue;
            }
            const TTanshi* i = f.conductor->Tanshis.Items(f.tanshi);
            if (i == f.arrival || f.link >= i->Links.Count()) {
                ++f.tanshi;
                f.link = 0;
                continue;
            }
            TTanshi* m = i->Links.Items(f.link++);
            if (m->Direction != dirOutput) enter(m);  // may grow the stack; f is not used after
        }
    }
}

void TBord::CalcAll()
{
    for (const auto& o : objects_)
        if (o->Is(cfPart)) o->Calc();
}

void TBord::TickAll()
{
    for (const auto& o : objects_)
        if (o->Is(cfPart)) o->Tick();
}
