#include "DMU.h"

#include "Sprites.h"

namespace {

TImageList Make(int width, int height, std::vector<QImage> images)
{
    return {width, height, std::move(images)};
}

}  // namespace

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
    : imgGate2In(Make(41, 41, GateSprites(2))),
      imgGate3In(Make(41, 41, GateSprites(3))),
      imgGate4In(Make(41, 41, GateSprites(4))),
      imgGate5In(Make(41, 41, GateSprites(5))),
      imgNot(Make(41, 41, NotSprites())),
      imgFF(Make(61, 81, FlipFlopSprites())),
      imgPushSW(Make(21, 21, PushSwitchSprites())),
      imgTglSW(Make(21, 21, ToggleSwitchSprites())),
      img4141(Make(41, 41, PulserAdderSprites())),
      imgOneShot(Make(41, 41, OneShotSprites())),
      imgLED(Make(20, 20, LedSprites())),
      imgLED7SEG(Make(41, 51, SevenSegmentSprites())),
      imgMatrix8X8(Make(91, 91, MatrixSprites())),
      imgMSI1(Make(61, 121, MsiSprites())),
      imgScope(Make(41, 51, ScopeSprites())),
      imgDot(Make(20, 20, DotSprites())),
      imgTerminal(Make(21, 21, TerminalSprites())),
      ImageList1(Make(16, 16, ActionIcons()))
{
}

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

const QImage* TDM::Sprite(TSpriteList list, int index) const
{
    if (static_cast<int>(list) < 0 || static_cast<int>(list) >= SpriteListCount) return nullptr;
    const TImageList& images = List(list);
    if (index < 0 || index >= images.Count()) return nullptr;
    return &images.Images[static_cast<size_t>(index)];
}
