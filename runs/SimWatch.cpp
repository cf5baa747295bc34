#include "SimWatch.h"

#include "Messages.h"
#include "PartU.h"
#include "UsageError.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <utility>

TNamedObjects::TNamedObjects(const std::vector<std::string>& names, const TPartsList& objects)
{
    for (size_t i = 0; i < names.size() && i < static_cast<size_t>(objects.Count()); ++i)
        byName_.try_emplace(names[i], objects.Items(static_cast<int>(i)));
}

TPartsBase* TNamedObjects::Lookup(const std::string& name) const
{
    const auto it = byName_.find(name);
    return it == byName_.end() ? nullptr : it->second;
}

TPartsBase& TNamedObjects::Find(const std::string& name) const
{
    TPartsBase* object = Lookup(name);
    if (!object) throw TUsageError(Tr("There is no part named '%1'", {name}));
    return *object;
}

namespace {

// The terminal index after the last '.', when W has the form NAME.I.
bool SplitTerminal(const std::string& spec, std::string& name, int64_t& index)
{
    const auto dot = spec.rfind('.');
    if (dot == std::string::npos || dot == 0 || dot + 1 == spec.size()) return false;
    const std::string digits = spec.substr(dot + 1);
    if (!std::all_of(digits.begin(), digits.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)); }))
        return false;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), index);
    if (error != std::errc()) index = INT64_MAX;
    name = spec.substr(0, dot);
    return true;
}

}  // namespace

TWatch::TWatch(const std::string& spec, const TNamedObjects& named) : title_(spec)
{
    std::string name;
    int64_t index = 0;
    // A whole name that happens to end in ".digits" still names its indicator.
    if (SplitTerminal(spec, name, index) && (named.Lookup(name) || !named.Lookup(spec))) {
        object_ = &named.Find(name);
        if (index >= object_->Tanshis.Count())
            throw TUsageError(Tr("'%1' has no terminal %2 (it has %3 terminals)",
                                 {name, spec.substr(name.size() + 1), std::to_string(object_->Tanshis.Count())}));
        kind_ = Level;
        tanshi_ = static_cast<int>(index);
        return;
    }
    WatchIndicator(named.Find(spec));
}

TWatch::TWatch(std::string title, const TPartsBase& indicator) : title_(std::move(title)) { WatchIndicator(indicator); }

TWatch::TWatch(std::string title, const TPartsBase& object, int tanshi)
    : title_(std::move(title)), kind_(Level), object_(&object), tanshi_(tanshi)
{
}

void TWatch::WatchIndicator(const TPartsBase& object)
{
    object_ = &object;
    if (dynamic_cast<const TLED*>(object_))
        kind_ = Lamp;
    else if (dynamic_cast<const TLED7SEG*>(object_))
        kind_ = Segments;
    else if (dynamic_cast<const TMatrix8X8*>(object_))
        kind_ = Dots;
    else
        throw TUsageError(Tr("'%1' is a %2, not an indicator (TLED, TLED7SEG, TMatrix8X8); watch a terminal of it "
                             "as %1.I",
                             {title_, object_->ClassName()}));
}

int TWatch::Bits() const
{
    switch (kind_) {
    case Segments: return 8;
    case Dots: return 64;
    default: return 1;
    }
}

uint64_t TWatch::Bits64() const
{
    switch (kind_) {
    case Level:
        return tanshi_ < object_->Tanshis.Count() && object_->Tanshis.Items(tanshi_)->Level == LevelHigh ? 1 : 0;
    case Lamp: return static_cast<const TLED*>(object_)->ShowsLit ? 1 : 0;
    case Segments: return static_cast<const TLED7SEG*>(object_)->LitSegments;
    case Dots: return static_cast<const TMatrix8X8*>(object_)->LitDots;
    }
    return 0;
}

std::string TWatch::Text() const
{
    char text[24];
    switch (kind_) {
    case Level: {
        const int32_t level = tanshi_ < object_->Tanshis.Count() ? object_->Tanshis.Items(tanshi_)->Level : 0;
        std::snprintf(text, sizeof text, "%d", static_cast<int>(level));
        break;
    }
    case Lamp: std::snprintf(text, sizeof text, "%d", static_cast<int>(Bits64())); break;
    case Segments: std::snprintf(text, sizeof text, "%02X", static_cast<unsigned>(Bits64())); break;
    case Dots: std::snprintf(text, sizeof text, "%016llX", static_cast<unsigned long long>(Bits64())); break;
    }
    return text;
}

namespace {

TPoint Middle(const TPartsBase& o)
{
    return {static_cast<int>(o.Left + static_cast<int64_t>(o.Width) / 2),
            static_cast<int>(o.Top + static_cast<int64_t>(o.Height) / 2)};
}

}  // namespace

void Press(TPartsBase& object)
{
    const TPoint at = Middle(object);
    object.MouseDown(TMouseButton::Left, ssLeft, at.x, at.y);
}

void Release(TPartsBase& object)
{
    const TPoint at = Middle(object);
    object.MouseUp(TMouseButton::Left, 0, at.x, at.y);
}

std::vector<TVcdColumn> VcdColumns(const std::vector<TWatch>& watches)
{
    std::vector<TVcdColumn> columns;
    for (const TWatch& watch : watches) columns.push_back({watch.Title(), watch.Bits()});
    return columns;
}
