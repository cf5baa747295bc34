#include "Board.h"

#include "BoardIndex.h"

#include <algorithm>
#include <functional>
#include <unordered_map>
#include <utility>

namespace {

struct TGroupKey {
    const TContainer* Level;
    int32_t X, Y;
    bool operator==(const TGroupKey&) const = default;
};

struct TGroupKeyHash {
    size_t operator()(const TGroupKey& k) const
    {
        const uint64_t point = (uint64_t{static_cast<uint32_t>(k.X)} << 32) | static_cast<uint32_t>(k.Y);
        return std::hash<uint64_t>()(point) ^ (std::hash<const void*>()(k.Level) * 31);
    }
};

// Terminals on a point with more than this many are given one shared list.
constexpr size_t SharedFrom = 8;
// Up to this size a group is searched for a terminal; beyond it, looked up.
constexpr size_t SearchedGroup = 16;

}  // namespace

struct TBord::TLinkGroups {
    struct TEntry {
        TLinkList::TGroup Members;
        std::unordered_map<const TTanshi*, uint32_t> Position;
    };
    using TMap = std::unordered_map<TGroupKey, TEntry, TGroupKeyHash>;
    TMap Groups;
};

void TBord::LinkAll()
{
    TLinkGroups groups;
    struct TRestore {
        TLinkGroups*& slot;
        ~TRestore() { slot = nullptr; }
    } restore{groups_};
    groups_ = &groups;
    for (const auto& o : objects_) o->LinkTanshi();
}

void TBord::ShareLinks(TTanshi& t, const TContainer* level, int x, int y)
{
    const TGroupKey key{level, x, y};
    auto shared = groups_ ? groups_->Groups.find(key) : TLinkGroups::TMap::iterator();
    if (!groups_ || shared == groups_->Groups.end()) {
        TTanshiList found;
        TanshisAt(level, x, y, found);
        // Outside a link pass, and for a few terminals on a point, a list of its own costs less.
        if (!groups_ || static_cast<size_t>(found.Count()) <= SharedFrom) {
            t.Links.Clear();
            for (TTanshi* other : found)
                if (other != &t) t.Links.Add(other);
            return;
        }
        shared = groups_->Groups.try_emplace(key).first;
        shared->second.Members = std::make_shared<const std::vector<TTanshi*>>(found.begin(), found.end());
    }
    TLinkGroups::TEntry* entry = &shared->second;
    const std::vector<TTanshi*>& members = *entry->Members;
    // TanshisAt answers one terminal per object, so t is there once at most.
    TTanshi* const* self = nullptr;
    if (members.size() <= SearchedGroup) {
        const auto it = std::find(members.begin(), members.end(), &t);
        if (it != members.end()) self = &*it;
    } else {
        if (entry->Position.empty())
            for (uint32_t i = 0; i < members.size(); ++i) entry->Position.emplace(members[i], i);
        const auto it = entry->Position.find(&t);
        if (it != entry->Position.end()) self = members.data() + it->second;
    }
    t.Links.Share(entry->Members, self);
}

// Each object's CheckLinks clears its own flags, then for every terminal marks what it finds there
// unless that is exactly one terminal. So a terminal ends up Linked when some object at its point,
// its own or a later one in the list, found it among several: the points are independent.
void TBord::CheckLinksAt(int x, int y, std::span<const uint32_t> at)
{
    // Kept from point to point, so that a pass over many points allocates little.
    static thread_local std::vector<uint32_t> objects;  // each once, in list order
    objects.clear();
    for (const uint32_t i : at)
        if (objects.empty() || objects.back() != i) objects.push_back(i);
    // One object answers one terminal at most: never several to mark.
    if (objects.size() == 1) return;

    struct TFinder {
        uint32_t Object;
        const TContainer* Level;
        bool Touching;
    };
    static thread_local std::vector<TFinder> finders;
    finders.clear();
    bool allHoldPoint = true;
    for (const uint32_t i : objects) {
        const TPartsBase& o = *objects_[i];
        const TRect r = o.GetRect();
        allHoldPoint = allHoldPoint && r.Left <= x && x <= r.Right && r.Top <= y && y <= r.Bottom;
        for (const TTanshi* t : o.Tanshis) {
            if (o.LocalToBoard(t->GetPos()) != TPoint{x, y}) continue;
            const TPartsBase::TLinkSide side = o.LinkSide(*t);
            finders.push_back({i, side.Level, side.Touching});
        }
    }

    struct THit {
        TTanshi* Tanshi;
        uint32_t Object;
    };
    static thread_local std::vector<THit> hits;
    auto find = [&](const TContainer* level, const TPartsBase* touching) {
        hits.clear();
        for (size_t k = objects.size(); k-- > 0;) {
            TPartsBase& o = *objects_[objects[k]];
            if (touching && !RectsOverlap(o.GetRect(), touching->GetRect())) continue;
            TTanshi* t = nullptr;
            if (o.HitTest(level, x, y, &t) == hitTanshi) hits.push_back({t, objects[k]});
        }
    };
    auto mark = [&](uint32_t finder) {
        if (hits.size() == 1) return;
        for (const THit& h : hits)
            if (finder >= h.Object) h.Tanshi->Linked = true;
    };

    if (!allHoldPoint) {
        for (const TFinder& f : finders) {
            find(f.Level, f.Touching ? objects_[f.Object].get() : nullptr);
            mark(f.Object);
        }
        return;
    }
    // Rectangles that all hold the point touch one another, so what a finder finds depends on its
    // level alone; per level, the latest finder marks all that any finder on it would.
    static thread_local std::vector<std::pair<const TContainer*, uint32_t>> latest;
    latest.clear();
    for (const TFinder& f : finders) {
        auto it = std::find_if(latest.begin(), latest.end(), [&](const auto& l) { return l.first == f.Level; });
        if (it == latest.end())
            latest.emplace_back(f.Level, f.Object);
        else
            it->second = std::max(it->second, f.Object);
    }
    for (const auto& [level, finder] : latest) {
        find(level, nullptr);
        mark(finder);
    }
}
