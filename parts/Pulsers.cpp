#include "Pulsers.h"

#include "PartDrawing.h"
#include "PartGeometry.h"
#include "PublishedInt.h"
#include "TextKeys.h"

#include <algorithm>

TPulser::TPulser(TBord& board, Canvas* windowSurface) : TPart(board, windowSurface)
{
    SetSize(40, 40);
    WayCount = 4;
    SetTanshi();
}

void TPulser::SetTanshi()
{
    ClearTanshis();
    if (Way < 0 || Way > 3) return;
    const TPoint out = TurnInSquare({40, 20}, Way, 40);
    AddTanshi(out.x, out.y, dirOutput);
}

void TPulser::Calc()
{
    ++PassCount;
    if (PassCount <= int64_t{Count} * 10) return;
    PassCount = 0;
    if (Tanshis.Empty()) return;
    TTanshi& out = *Tanshis.Items(0);
    out.Level = out.Level == LevelLow ? LevelHigh : LevelLow;
}

void TPulser::Draw()
{
    // Images 4..7 of the list belong to the full adder.
    Canvas* c = BoardCanvas();
    if (c && !Tanshis.Empty()) c->DrawSprite(TSpriteList::I4141, Way, Left, Top);
}

void TPulser::LoadFromStrings(const TStrings& lines)
{
    TPart::LoadFromStrings(lines);
    LoadProperty(*this, lines, PulserCountProperty);
}

void TPulser::SaveToStrings(TStrings& lines) const
{
    TPart::SaveToStrings(lines);
    SaveProperty(*this, lines, PulserCountProperty);
}

std::optional<TPublishedProp> TPulser::FindProp(std::string_view name) const
{
    return PublishedOrInherited<TPulser, PulserCountProperty>(*this, name);
}

TOneShot::TOneShot(TBord& board, Canvas* windowSurface) : TPart(board, windowSurface)
{
    SetSize(40, 40);
    SetTanshi();
}

void TOneShot::SetTanshi()
{
    ClearTanshis();
    AddTanshi(0, 20, dirInput);
    AddTanshi(40, 20, dirOutput);
}

void TOneShot::Calc()
{
    if (!Valid()) return;
    const int32_t in = Input();
    if (in == EdgeLevel || Countdown != Idle) return;
    if (EdgeLevel == RestLevel() && in == TriggerLevel())
        Countdown = 2;  // edge seen; it fires in the next Tick if the input still holds
    else if (EdgeLevel == TriggerLevel() && in == RestLevel())
        EdgeLevel = RestLevel();  // re-armed
}

void TOneShot::Tick()
{
    if (!Valid() || Countdown == Idle) return;
    if (--Countdown != 0) return;
    Countdown = Idle;
    const TTanshi& out = *Tanshis.Items(1);
    if (EdgeLevel == RestLevel() && Input() == TriggerLevel()) {
        // A width of 0 or less from a file still ends the pulse, one pass later.
        Countdown = std::max<int64_t>(int64_t{PulseWidth} * 10, 1);
        EdgeLevel = TriggerLevel();
        Drive(out, LevelHigh);
    } else {
        Drive(out, LevelLow);  // the pulse ends, or an edge that did not last is dropped
    }
}

void TOneShot::Draw()
{
    if (Canvas* c = BoardCanvas()) DrawSpriteIfAny(*c, TSpriteList::OneShot, PartNo, Left, Top);
}

void TOneShot::LoadFromStrings(const TStrings& lines)
{
    TPart::LoadFromStrings(lines);
    LoadProperty(*this, lines, PulseWidthProperty);
}

void TOneShot::SaveToStrings(TStrings& lines) const
{
    TPart::SaveToStrings(lines);
    SaveProperty(*this, lines, PulseWidthProperty);
}

std::optional<TPublishedProp> TOneShot::FindProp(std::string_view name) const
{
    return PublishedOrInherited<TOneShot, PulseWidthProperty>(*this, name);
}
