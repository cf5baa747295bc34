#pragma once

#include "Canvas.h"
#include "Geometry.h"
#include "Lists.h"
#include "Tanshi.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class TBord;
class TContainer;
struct TCircuitContext;

using TStrings = std::vector<std::string>;

enum class TMouseButton { Left, Right, Middle };
using TShiftState = uint8_t;
inline constexpr TShiftState ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32, ssDouble = 64;

// What a hit test found at a point.
enum THitResult : int { hitNone = 0, hitBody = 1, hitTanshi = 2, hitInside = 3 };

// Kinds the board passes tell apart without asking for the exact class.
enum TClassFlag : uint8_t {
    cfPart = 1,          // takes part in the Calc and Tick passes
    cfCode = 2,          // a wire
    cfDot = 4,           // a junction dot
    cfContainer = 8,     // a sub-board box
    cfSubTerminal = 16,  // a sub-board input or output terminal part
};

// The two settings every object publishes, by their keys in the circuit text and in the lookup by
// name; the reader, the writer, the lookup and the popup menus all spell them from here.
inline constexpr const char* PartNoKey = "PartNo";
inline constexpr const char* WayKey = "Way";

// A published property reached by name: integers travel as decimal text.
enum class TPropKind { Integer, Text, Unsupported };
struct TPublishedProp {
    TPropKind Kind = TPropKind::Integer;
    std::string (*Get)(const TPartsBase&) = nullptr;
    void (*Set)(TPartsBase&, const std::string&) = nullptr;
};

// The open-terminal circle of parts whose pins crowd the edge of a display or lamp.
inline constexpr int DenseOpenMarkRadius = 3;

// The base of every placed object: geometry, orientation, variant, level of nesting, board and
// terminals, with the virtual operations through which the board handles any object.
class TPartsBase {
public:
    TPartsBase(TBord& board, Canvas* windowSurface);
    TPartsBase(const TPartsBase&) = delete;
    TPartsBase& operator=(const TPartsBase&) = delete;
    virtual ~TPartsBase();

    virtual const char* ClassName() const = 0;
    bool Is(TClassFlag flag) const { return (ClassFlags & flag) != 0; }

    // Moves the object to the trash board, undoably.
    virtual void Delete(const std::string& label);
    // Paints the object; painting never changes what a run reads, and may be skipped for objects
    // out of sight.
    virtual void Draw() = 0;
    // What a redraw of the object shows as model state: an indicator records what it now shows
    // (a lamp lit or dark). Run for every object whenever the board is redrawn, whatever is painted.
    virtual void ShowHeld() {}
    virtual void DrawOpenTanshi();
    // Draw, the open-terminal circles, and the terminals' levels while a run shows them: all that a
    // redraw of the board paints of the object.
    void DrawWhole();
    // The radius of the red circles DrawOpenTanshi draws. Displays and lamps, whose pins stand ten
    // pixels apart on the body's very edge, draw them smaller, so that neighbouring circles stay
    // apart and hide little of the segments and dots.
    virtual int OpenMarkRadius() const { return 5; }
    virtual void DrawDragFrame(Canvas& surface);
    virtual void DrawSelectFrame(Canvas& surface);
    virtual int HitTest(const TContainer* level, int x, int y, TTanshi** tanshi);
    // Sets the Linked flags of the object's terminals and of those they meet.
    virtual void CheckLinks();
    virtual void LinkTanshi();
    // The level on which terminal t meets others, and whether only objects whose rectangles touch
    // this one's count when the Linked flags are set.
    struct TLinkSide {
        const TContainer* Level;
        bool Touching;
    };
    virtual TLinkSide LinkSide(const TTanshi& t) const;
    // Rebuilds Tanshis for the current Way, PartNo and size.
    virtual void SetTanshi() = 0;
    // Calc reads only the object's own inputs and writes only its own outputs; Tick does the
    // copying, so every part adds one pass of delay whatever the order of the list.
    virtual void Calc() {}
    virtual void Tick();
    virtual void ResetTanshi();
    // What the settle before a run may assume of the part's Calc and Tick, to pass only the parts
    // that can change anything.
    enum class TSettleKind : uint8_t {
        Stateful,       // anything at all: passed every time
        Combinational,  // Calc writes only the outputs, and run again on unchanged inputs changes
                        // nothing; Tick is TPartsBase::Tick
        Conductor,      // Calc as a combinational part's; Tick does nothing
    };
    virtual TSettleKind SettleKind() const { return TSettleKind::Stateful; }
    // What a compiled pass may compute in place of Calc: the function of a gate whose inputs are
    // its terminals but the last, and whose output is the last. None: Calc itself is called.
    enum class TCalcOp : uint8_t { None, Nand, Nor, And, Or, Xor, Xnor, Not };
    virtual TCalcOp CalcOp() const { return TCalcOp::None; }
    // What Tick does: drive every output's level into what it reaches (TPartsBase::Tick), something
    // of the part's own that may read its inputs and drive its outputs, or nothing.
    enum class TTickKind : uint8_t { Drives, Own, Nothing };
    virtual TTickKind TickKind() const { return TTickKind::Drives; }
    // For a stateful part: whether, with its inputs kept as they are, its Calc and Tick would change
    // nothing, draw nothing and drive nothing but its outputs' present levels.
    virtual bool AtRest() const { return false; }
    virtual void MoveTo(int x, int y, bool relink);
    virtual void LoadFromStrings(const TStrings& lines);
    virtual void SaveToStrings(TStrings& lines) const;
    // A press or release handed to the part; a running engine learns that the part may have changed.
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState, int, int) {}

    // The published property of that name (case-insensitive), if the class has one.
    virtual std::optional<TPublishedProp> FindProp(std::string_view name) const;

    void SetWay(int32_t v);
    void SetLeft(int32_t x);
    void SetTop(int32_t y);
    void SetLeftTop(int32_t x, int32_t y);
    void SetGrab(int32_t x, int32_t y);
    void SetDragPos(int32_t x, int32_t y);
    TRect GetRect() const;
    TPoint LocalToBoard(TPoint p) const;
    void ClearLinked();
    TPoint GetTanshiPos(int i) const;
    void ChangeBord(TBord& from, TBord& to);
    void RotateClockwise();

    void RecordCreate(const std::string& label);
    void RecordGeometry(bool record, const std::string& label);
    void SetPropUndoable(const std::string& name, const std::string& value, const std::string& label);

    TCircuitContext& Context() const;
    Canvas* BoardCanvas() const;
    bool Simulating() const;

    std::string Name;
    std::string ContainerName;
    // Positions change through SetLeft/SetTop and every change of size is followed by SetTanshi
    // (MoveTo does both): that is how the board's grid learns where the object lies.
    int32_t Top = 0;
    int32_t Left = 0;
    int32_t Width = 0;
    int32_t Height = 0;
    int32_t GrabX = 0, GrabY = 0;
    int32_t OffsetLeft = 0, OffsetTop = 0;
    int32_t DragLeft = 0, DragTop = 0;
    int32_t DragWidth = 0, DragHeight = 0;
    int32_t SavedLeft = 0, SavedTop = 0, SavedWidth = 0, SavedHeight = 0, SavedOffsetLeft = 0, SavedOffsetTop = 0;
    TContainer* SavedContainer = nullptr;
    TBord* Board;
    TContainer* Container = nullptr;
    Canvas* WindowSurface;
    int32_t WayCount = 0;
    int32_t Way = 0;
    int32_t PartNo = 0;
    TTanshiList Tanshis;

protected:
    // Empties Tanshis; the replaced terminals stay valid until the board's next link pass,
    // because a running simulation's driven-input lists may still name them. Also tells the
    // board that the object's size or terminals may have changed.
    void ClearTanshis();
    TTanshi* AddTanshi(int32_t x, int32_t y, TDirection direction);
    // Writes level into every terminal that output terminal drives.
    static void Drive(const TTanshi& output, int32_t level);
    void SetSize(int32_t width, int32_t height);
    virtual void PartMouseDown(TMouseButton, TShiftState, int, int) {}
    virtual void PartMouseUp(TMouseButton, TShiftState, int, int) {}

    uint8_t ClassFlags = 0;

private:
    friend class TBord;
    std::vector<std::unique_ptr<TTanshi>> ownedTanshis_;
    // Marks the conductors one net walk has entered.
    uint32_t netVisit_ = 0;
};

// Marks the objects that take part in the simulation passes.
class TPart : public TPartsBase {
public:
    TPart(TBord& board, Canvas* windowSurface) : TPartsBase(board, windowSurface) { ClassFlags |= cfPart; }
};
