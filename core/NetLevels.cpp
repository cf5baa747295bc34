#include "NetLevels.h"

#include "Tanshi.h"

TNetLevels::TNetLevels(const TBord& board) : map_(board), show_(map_.Count(), TNetShow::Low)
{
    for (uint32_t net = 0; net < map_.Count(); ++net)
        if (!map_.Drivers(net).empty()) {
            driven_.push_back(net);
            show_[net] = Read(net);
        }
}

TNetShow TNetLevels::Read(uint32_t net) const
{
    const std::span<const TTanshi* const> drivers = map_.Drivers(net);
    const bool high = drivers.back()->Level != LevelLow;
    for (const TTanshi* d : drivers)
        if ((d->Level != LevelLow) != high) return TNetShow::Conflict;
    return high ? TNetShow::High : TNetShow::Low;
}

const std::vector<uint32_t>& TNetLevels::Update()
{
    changed_.clear();
    for (const uint32_t net : driven_) {
        const TNetShow now = Read(net);
        if (now == show_[net]) continue;
        show_[net] = now;
        changed_.push_back(net);
    }
    return changed_;
}

std::optional<TNetShow> TNetLevels::ShowOf(const TPartsBase& object) const
{
    const uint32_t net = map_.NetOf(object);
    if (net == TNetMap::NoNet) return std::nullopt;
    return show_[net];
}

std::optional<TNetShow> TNetLevels::ShowOf(const TTanshi& t) const
{
    const uint32_t net = map_.NetOf(t);
    if (net == TNetMap::NoNet) return std::nullopt;
    return show_[net];
}

std::vector<uint32_t> TNetLevels::Conflicts() const
{
    std::vector<uint32_t> nets;
    for (const uint32_t net : driven_)
        if (show_[net] == TNetShow::Conflict) nets.push_back(net);
    return nets;
}
