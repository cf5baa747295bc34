#include "DMU.h"

#include "SpriteKit.h"
#include "Sprites.h"

#include <algorithm>
#include <array>
#include <optional>

namespace {

// Scales other than 1 whose lists are kept: a view zooms through a few, and a screen of another
// pixel density adds a few more.
constexpr size_t KeptScales = 4;
// Beyond 400 % on a screen of eight times the density nothing asks for sprites.
constexpr double MaxScale = 32;

bool Listed(TSpriteList list) { return static_cast<int>(list) >= 0 && static_cast<int>(list) < SpriteListCount; }

TImageList Draw(TSpriteList list, double scale)
{
    const auto make = [scale](int width, int height, std::vector<QImage> images) {
        return TImageList{ScaledSize(width, scale), ScaledSize(height, scale), std::move(images)};
    };
    switch (list) {
    case TSpriteList::Gate2In: return make(41, 41, GateSprites(2, scale));
    case TSpriteList::Gate3In: return make(41, 41, GateSprites(3, scale));
    case TSpriteList::Gate4In: return make(41, 41, GateSprites(4, scale));
    case TSpriteList::Gate5In: return make(41, 41, GateSprites(5, scale));
    case TSpriteList::Not: return make(41, 41, NotSprites(scale));
    case TSpriteList::FF: return make(61, 81, FlipFlopSprites(scale));
    case TSpriteList::PushSW: return make(21, 21, PushSwitchSprites(scale));
    case TSpriteList::TglSW: return make(21, 21, ToggleSwitchSprites(scale));
    case TSpriteList::I4141: return make(41, 41, PulserAdderSprites(scale));
    case TSpriteList::OneShot: return make(41, 41, OneShotSprites(scale));
    case TSpriteList::LED: return make(20, 20, LedSprites(scale));
    case TSpriteList::LED7SEG: return make(41, 51, SevenSegmentSprites(scale));
    case TSpriteList::Matrix8X8: return make(91, 91, MatrixSprites(scale));
    case TSpriteList::MSI1: return make(61, 121, MsiSprites(scale));
    case TSpriteList::Scope: return make(41, 51, ScopeSprites(scale));
    case TSpriteList::Dot: return make(20, 20, DotSprites(scale));
    case TSpriteList::Terminal: break;
    }
    return make(21, 21, TerminalSprites(scale));
}

}  // namespace

struct TDM::TScaledLists {
    double Scale;
    std::array<std::optional<TImageList>, SpriteListCount> Lists;
};

const TSpriteListName SpriteListNames[SpriteListCount]{
    {TSpriteList::Gate2In, "imgGate2In"},     {TSpriteList::Gate3In, "imgGate3In"},
    {TSpriteList::Gate4In, "imgGate4In"},     {TSpriteList::Gate5In, "imgGate5In"},
    {TSpriteList::Not, "imgNot"},             {TSpriteList::FF, "imgFF"},
    {TSpriteList::PushSW, "imgPushSW"},       {TSpriteList::TglSW, "imgTglSW"},
    {TSpriteList::I4141, "img4141"},          {TSpriteList::OneShot, "imgOneShot"},
    {TSpriteList::LED, "imgLED"},             {TSpriteList::LED7SEG, "imgLED7SEG"},
    {TSpriteList::Matrix8X8, "imgMatrix8X8"}, {TSpriteList::MSI1, "imgMSI1"},
    {TSpriteList::Scope, "imgScope"},         {TSpriteList::Dot, "imgDot"},
    {TSpriteList::Terminal, "imgTerminal"},
};

TDM::TDM()
    : imgGate2In(Draw(TSpriteList::Gate2In, 1)),
      imgGate3In(Draw(TSpriteList::Gate3In, 1)),
      imgGate4In(Draw(TSpriteList::Gate4In, 1)),
      imgGate5In(Draw(TSpriteList::Gate5In, 1)),
      imgNot(Draw(TSpriteList::Not, 1)),
      imgFF(Draw(TSpriteList::FF, 1)),
      imgPushSW(Draw(TSpriteList::PushSW, 1)),
      imgTglSW(Draw(TSpriteList::TglSW, 1)),
      img4141(Draw(TSpriteList::I4141, 1)),
      imgOneShot(Draw(TSpriteList::OneShot, 1)),
      imgLED(Draw(TSpriteList::LED, 1)),
      imgLED7SEG(Draw(TSpriteList::LED7SEG, 1)),
      imgMatrix8X8(Draw(TSpriteList::Matrix8X8, 1)),
      imgMSI1(Draw(TSpriteList::MSI1, 1)),
      imgScope(Draw(TSpriteList::Scope, 1)),
      imgDot(Draw(TSpriteList::Dot, 1)),
      imgTerminal(Draw(TSpriteList::Terminal, 1)),
      ImageList1{16, 16, ActionIcons()}
{
}

TDM::~TDM() = default;

const TImageList& TDM::List(TSpriteList list) const
{
    switch (list) {
    case TSpriteList::Gate2In: return imgGate2In;
    case TSpriteList::Gate3In: return imgGate3In;
    case TSpriteList::Gate4In: return imgGate4In;
    case TSpriteList::Gate5In: return imgGate5In;
    case TSpriteList::Not: return imgNot;
    case TSpriteList::FF: return imgFF;
    case TSpriteList::PushSW: return imgPushSW;
    case TSpriteList::TglSW: return imgTglSW;
    case TSpriteList::I4141: return img4141;
    case TSpriteList::OneShot: return imgOneShot;
    case TSpriteList::LED: return imgLED;
    case TSpriteList::LED7SEG: return imgLED7SEG;
    case TSpriteList::Matrix8X8: return imgMatrix8X8;
    case TSpriteList::MSI1: return imgMSI1;
    case TSpriteList::Scope: return imgScope;
    case TSpriteList::Dot: return imgDot;
    case TSpriteList::Terminal: break;
    }
    return imgTerminal;
}

const TImageList& TDM::List(TSpriteList list, double scale) const
{
    if (scale == 1 || !Listed(list)) return List(list);
    auto found = std::find_if(scaled_.begin(), scaled_.end(), [&](const auto& s) { return s->Scale == scale; });
    if (found == scaled_.end()) {
        if (scaled_.size() >= KeptScales) scaled_.pop_back();
        scaled_.push_back(std::make_unique<TScaledLists>(TScaledLists{scale, {}}));
        found = scaled_.end() - 1;
    }
    std::rotate(scaled_.begin(), found, found + 1);
    std::optional<TImageList>& drawn = scaled_.front()->Lists[static_cast<size_t>(list)];
    if (!drawn) drawn = Draw(list, scale);
    return *drawn;
}

const QImage* TDM::Sprite(TSpriteList list, int index, double scale) const
{
    if (!Listed(list) || !(scale > 0 && scale <= MaxScale)) return nullptr;
    const TImageList& images = List(list, scale);
    if (index < 0 || index >= images.Count()) return nullptr;
    return &images.Images[static_cast<size_t>(index)];
}
