#include "PartsBase.h"

#include "Board.h"
#include "Container.h"
#include "Context.h"
#include "LevelDrawing.h"
#include "Properties.h"
#include "TextKeys.h"

#include <cstdlib>

TPartsBase::TPartsBase(TBord& board, Canvas* windowSurface) : Board(&board), WindowSurface(windowSurface) {}

TPartsBase::~TPartsBase() = default;

TCircuitContext& TPartsBase::Context() const { return Board->Context(); }

Canvas* TPartsBase::BoardCanvas() const { return Board->GetCanvas(); }

bool TPartsBase::Simulating() const { return Context().Simulating; }

void TPartsBase::Delete(const std::string& label)
{
    TBord* trash = Context().TrashBord;
    if (!trash || !Board->Holds(this)) return;
    ChangeBord(*Board, *trash);
    Context().Record(std::make_unique<TDeleteCommand>(this, label));
}

void TPartsBase::DrawWhole()
{
    Draw();
    DrawOpenTanshi();
    if (Canvas* c = BoardCanvas()) DrawTerminalLevels(*this, *c, Context());
}

void TPartsBase::DrawOpenTanshi()
{
    Canvas* c = BoardCanvas();
    const TBoardLook& look = Context().Look;
    if (!c || !look.OpenTerminals) return;
    c->SetPenColor(look.Colours().OpenTerminal);
    c->SetBrushStyle(TBrushStyle::Clear);
    const int r = OpenMarkRadius();
    for (const TTanshi* t : Tanshis) {
        if (t->Linked) continue;
        const TPoint p = LocalToBoard(t->GetPos());
        c->Ellipse(SatAdd(p.x, -r), SatAdd(p.y, -r), SatAdd(p.x, r), SatAdd(p.y, r));
    }
}

void TPartsBase::DrawDragFrame(Canvas& surface)
{
    surface.SetPenColor(clWhite);
    surface.SetPenMode(TPenMode::Xor);
    surface.SetBrushStyle(TBrushStyle::Clear);
    const int right = SatAdd(DragLeft, DragWidth);
    const int bottom = SatAdd(DragTop, DragHeight);
    if (Width != 0 && Height != 0) {
        surface.MoveTo(DragLeft, DragTop);
        surface.LineTo(right, DragTop);
        surface.LineTo(right, bottom);
        surface.LineTo(DragLeft, bottom);
        surface.LineTo(DragLeft, DragTop);
        for (const TTanshi* t : Tanshis) {
            const int64_t qx = int64_t{DragLeft} + t->X;
            const int64_t qy = int64_t{DragTop} + t->Y;
            surface.Ellipse(SatAdd(qx, -3), SatAdd(qy, -3), SatAdd(qx, 3), SatAdd(qy, 3));
        }
    } else {
        surface.MoveTo(DragLeft, DragTop);
        surface.LineTo(right, bottom);
    }
    surface.SetPenMode(TPenMode::Copy);
}

void TPartsBase::DrawSelectFrame(Canvas& surface)
{
    const bool clipped = Container && !Is(cfContainer);
    if (clipped) Container->ClipTo();
    surface.SetPenColor(clRed);
    surface.SetPenMode(TPenMode::Copy);
    const int right = SatAdd(Left, Width);
    const int bottom = SatAdd(Top, Height);
    surface.MoveTo(Left, Top);
    if (Width != 0 && Height != 0) {
        surface.LineTo(right, Top);
        surface.LineTo(right, bottom);
        surface.LineTo(Left, bottom);
        surface.LineTo(Left, Top);
    } else {
        surface.LineTo(right, bottom);
    }
    if (clipped) Container->Unclip();
}

int TPartsBase::HitTest(const TContainer* level, int x, int y, TTanshi** tanshi)
{
    if (tanshi) *tanshi = nullptr;
    if (level != Container) return hitNone;
    // 64-bit, because geometry read from a file may be anywhere in the 32-bit range.
    int64_t x0 = Left, w = Width, y0 = Top, h = Height;
    if (Width == 0) {
        x0 = int64_t{Left} - 2;
        w = 5;
    }
    if (Height == 0) {
        y0 = int64_t{Top} - 2;
        h = 5;
    }
    const bool body = x0 < x && x < x0 + w && y0 < y && y < y0 + h;
    for (TTanshi* t : Tanshis) {
        if (int64_t{Left} + t->X == x && int64_t{Top} + t->Y == y) {
            if (tanshi) *tanshi = t;
            return hitTanshi;
        }
    }
    return body ? hitBody : hitNone;
}

void TPartsBase::LinkTanshi()
{
    for (TTanshi* t : Tanshis) {
        const TPoint p = LocalToBoard(t->GetPos());
        Board->ShareLinks(*t, LinkSide(*t).Level, p.x, p.y);
    }
}

void TPartsBase::CheckLinks()
{
    ClearLinked();
    TTanshiList found;
    for (TTanshi* t : Tanshis) {
        const TPoint p = LocalToBoard(t->GetPos());
        const TLinkSide side = LinkSide(*t);
        if (side.Touching) Board->TanshisTouching(*this, p.x, p.y, found);
        else Board->TanshisAt(side.Level, p.x, p.y, found);
        if (found.Count() != 1)
            for (TTanshi* other : found) other->Linked = true;
    }
}

TPartsBase::TLinkSide TPartsBase::LinkSide(const TTanshi&) const { return {Container, true}; }

void TPartsBase::Tick()
{
    for (const TTanshi* t : Tanshis)
        if (t->Direction == dirOutput) Drive(*t, t->Level);
}

void TPartsBase::Drive(const TTanshi& output, int32_t level)
{
    for (TTanshi* driven : output.Links) driven->Level = level;
}

void TPartsBase::ResetTanshi()
{
    for (TTanshi* t : Tanshis) t->Level = LevelLow;
}

void TPartsBase::MoveTo(int x, int y, bool relink)
{
    if (relink) Board->BeginUpdate();
    Board->UnionBefore(GetRect());
    SetLeft(x);
    SetTop(y);
    DragLeft = x;
    DragTop = y;
    Width = DragWidth;
    Height = DragHeight;
    SetTanshi();
    Board->UnionAfter(GetRect());
    if (relink) Board->EndUpdate();
}

void TPartsBase::LoadFromStrings(const TStrings& lines)
{
    Name = KeyValue(lines, "Name");
    ContainerName = KeyValue(lines, "ContainerName");
    PartNo = KeyInt(lines, PartNoKey);
    SetLeft(KeyInt(lines, "Left"));
    SetTop(KeyInt(lines, "Top"));
    OffsetLeft = KeyInt(lines, "OffsetLeft");
    OffsetTop = KeyInt(lines, "OffsetTop");
    Width = DragWidth = KeyInt(lines, "Width");
    Height = DragHeight = KeyInt(lines, "Height");
    WayCount = KeyInt(lines, "WayCount");
    SetWay(KeyInt(lines, WayKey));
}

void TPartsBase::SaveToStrings(TStrings& lines) const
{
    AddKey(lines, "ClassName", ClassName());
    AddKey(lines, "Name", Name);
    AddKey(lines, "ContainerName", ContainerName);
    AddKey(lines, PartNoKey, PartNo);
    AddKey(lines, "Left", Left);
    AddKey(lines, "Top", Top);
    AddKey(lines, "OffsetLeft", OffsetLeft);
    AddKey(lines, "OffsetTop", OffsetTop);
    AddKey(lines, "Width", Width);
    AddKey(lines, "Height", Height);
    AddKey(lines, "WayCount", WayCount);
    AddKey(lines, WayKey, Way);
}

std::optional<TPublishedProp> TPartsBase::FindProp(std::string_view name) const
{
    const std::string n(name);
    if (SameText(n, WayKey))
        return TPublishedProp{TPropKind::Integer, [](const TPartsBase& o) { return std::to_string(o.Way); },
                              [](TPartsBase& o, const std::string& v) { o.SetWay(StrToIntDef(v, 0)); }};
    if (SameText(n, PartNoKey))
        return TPublishedProp{TPropKind::Integer, [](const TPartsBase& o) { return std::to_string(o.PartNo); },
                              [](TPartsBase& o, const std::string& v) { o.PartNo = StrToIntDef(v, 0); }};
    return std::nullopt;
}

void TPartsBase::SetWay(int32_t v)
{
    if (v == Way) return;
    Way = v;
    SetTanshi();
}

void TPartsBase::SetLeft(int32_t x)
{
    Left = x;
    Board->Touch(*this);
    // Wraps like the 32-bit field it mirrors instead of overflowing on absurd stored positions.
    OffsetLeft =
        Container ? static_cast<int32_t>(static_cast<uint32_t>(x) - static_cast<uint32_t>(Container->Left)) : x;
}

void TPartsBase::SetTop(int32_t y)
{
    Top = y;
    Board->Touch(*this);
    OffsetTop = Container ? static_cast<int32_t>(static_cast<uint32_t>(y) - static_cast<uint32_t>(Container->Top)) : y;
}

void TPartsBase::SetLeftTop(int32_t x, int32_t y)
{
    SetLeft(x);
    SetTop(y);
}

void TPartsBase::SetGrab(int32_t x, int32_t y)
{
    GrabX = static_cast<int32_t>(static_cast<uint32_t>(x) - static_cast<uint32_t>(Left));
    GrabY = static_cast<int32_t>(static_cast<uint32_t>(y) - static_cast<uint32_t>(Top));
}

void TPartsBase::SetDragPos(int32_t x, int32_t y)
{
    DragLeft = x;
    DragTop = y;
}

TRect TPartsBase::GetRect() const
{
    // Saturates rather than overflows for geometry at the edge of the 32-bit range.
    auto clamp = [](int64_t v) { return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX)); };
    return {Left, Top, clamp(int64_t{Left} + Width), clamp(int64_t{Top} + Height)};
}

TPoint TPartsBase::LocalToBoard(TPoint p) const
{
    return {static_cast<int32_t>(static_cast<uint32_t>(p.x) + static_cast<uint32_t>(Left)),
            static_cast<int32_t>(static_cast<uint32_t>(p.y) + static_cast<uint32_t>(Top))};
}

void TPartsBase::ClearLinked()
{
    for (TTanshi* t : Tanshis) t->Linked = false;
}

TPoint TPartsBase::GetTanshiPos(int i) const
{
    if (i < 0 || i >= Tanshis.Count()) return {-1, -1};
    return Tanshis.Items(i)->GetPos();
}

void TPartsBase::ChangeBord(TBord& from, TBord& to)
{
    if (auto self = from.Remove(this)) to.Add(std::move(self));
}

void TPartsBase::RotateClockwise()
{
    if (WayCount == 0 || WayCount == 1) return;
    const int32_t next = WayCount == Way + 1 ? 0 : Way + 1;
    SetPropUndoable(WayKey, std::to_string(next), "方向変更");
}

void TPartsBase::RecordCreate(const std::string& label)
{
    Context().Record(std::make_unique<TCreateCommand>(this, label));
}

void TPartsBase::RecordGeometry(bool record, const std::string& label)
{
    if (!record) {
        SavedLeft = Left;
        SavedTop = Top;
        SavedWidth = Width;
        SavedHeight = Height;
        SavedOffsetLeft = OffsetLeft;
        SavedOffsetTop = OffsetTop;
        SavedContainer = Container;
        return;
    }
    const TGeometry before{SavedLeft,       SavedTop,       SavedWidth,    SavedHeight,
                           SavedOffsetLeft, SavedOffsetTop, SavedContainer};
    const TGeometry after{Left, Top, Width, Height, OffsetLeft, OffsetTop, Container};
    Context().Record(std::make_unique<TMoveCommand>(this, label, before, after));
}

void TPartsBase::SetPropUndoable(const std::string& name, const std::string& value, const std::string& label)
{
    if (GetPropText(*this, name) == value) return;
    auto command = std::make_unique<TSetPropCommand>(this, label, name, GetPropText(*this, name), value);
    SetPropText(*this, name, value);
    auto batch = std::make_unique<TCommandBatch>();
    batch->push_back(std::move(command));
    if (Context().UndoQue) Context().UndoQue->Push(std::move(batch));
}

void TPartsBase::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    ++Context().Pokes;
    PartMouseDown(button, shift, x, y);
}

void TPartsBase::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    ++Context().Pokes;
    PartMouseUp(button, shift, x, y);
}

void TPartsBase::ClearTanshis()
{
    ++Context().Edits;
    Board->Touch(*this);
    Tanshis.Clear();
    for (auto& t : ownedTanshis_) Context().Retire(std::move(t));
    ownedTanshis_.clear();
}

TTanshi* TPartsBase::AddTanshi(int32_t x, int32_t y, TDirection direction)
{
    ownedTanshis_.push_back(std::make_unique<TTanshi>(this, x, y, direction));
    Tanshis.Add(ownedTanshis_.back().get());
    return ownedTanshis_.back().get();
}

void TPartsBase::SetSize(int32_t width, int32_t height)
{
    Width = DragWidth = width;
    Height = DragHeight = height;
    Board->Touch(*this);
}
