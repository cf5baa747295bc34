#pragma once

#include "EditSession.h"
#include "FollowingWires.h"

#include <optional>

// One gesture of the mouse machine: begun by the press that chose it, shown by the moves, ended by
// a release. Points are snapped for Begin and raw for Move and Release.
class TGesture {
public:
    explicit TGesture(TEditSession& session) : s_(session), st_(session.State) {}
    virtual ~TGesture() = default;
    TGesture(const TGesture&) = delete;
    TGesture& operator=(const TGesture&) = delete;

    virtual void Begin(int x, int y) = 0;
    virtual void Move(int rawX, int rawY) = 0;
    virtual void Release(int rawX, int rawY) = 0;
    // The window surface was painted anew under the gesture (the view scrolled or zoomed): the
    // preview is drawn again where it stands, so that the next move takes it off.
    virtual void ShowPreview() {}

protected:
    TEditSession& s_;
    TEditorState& st_;
};

// A rubber band: a range selection, or the outline of a new sub-board with the sub-board tool.
class TRangeGesture : public TGesture {
public:
    using TGesture::TGesture;
    void Begin(int x, int y) override;
    void Move(int rawX, int rawY) override;
    void Release(int rawX, int rawY) override;
    void ShowPreview() override;

private:
    void DrawBand();
    void SelectRange();
    void CreateBox(int rawX, int rawY);
};

// A drag of objects that the wires on their terminals follow, unless Alt is held: their routes are
// shown in the outline's white XOR pen and reshaped by the drop.
class TMoveGesture : public TGesture {
protected:
    using TGesture::TGesture;
    // Finds the wires on the terminals of the objects about to be dragged.
    void Follow(const TPartsList& moved);
    // Shows the followers for the objects dragged by the offset, taking off what was shown.
    void ShowFollowers(TPoint offset);
    // The window surface was painted anew: the followers shown are drawn again.
    void RedrawFollowers();
    // What the drop reshapes: nothing while Alt is held.
    const TFollowingWires& Followers() const;
    void StopFollowing();

private:
    void DrawFollowers();

    TFollowingWires followers_, none_;
    std::optional<TPoint> shown_;
};

// Dragging the one selected object: a white outline follows the pointer, the release drops it.
class TDragGesture : public TMoveGesture {
public:
    using TMoveGesture::TMoveGesture;
    void Begin(int x, int y) override;
    void Move(int rawX, int rawY) override;
    void Release(int rawX, int rawY) override;
    void ShowPreview() override;
};

// Dragging the whole selection of one level.
class TMultiDragGesture : public TMoveGesture {
public:
    using TMoveGesture::TMoveGesture;
    void Begin(int x, int y) override;
    void Move(int rawX, int rawY) override;
    void Release(int rawX, int rawY) override;
    void ShowPreview() override;
};

// Drawing a wire from the press with an L-shaped green preview. A release on a terminal or on a
// wire lays the whole L and ends the wire; any other release lays one leg and goes on from its end.
class TWireGesture : public TGesture {
public:
    using TGesture::TGesture;
    void Begin(int x, int y) override;
    void Move(int rawX, int rawY) override;
    void Release(int rawX, int rawY) override;
    void ShowPreview() override;

private:
    // The leg the next release lays is drawn solid, the one after it dashed, unless the release
    // lays both.
    void DrawPreview();
    // Whether a release at the point ends the wire there: on a terminal other than the leg's start,
    // or on the body of a wire.
    bool EndsAt(TPoint p) const;
    void Finish();
};

// A junction dot created where wires cross, or the selected dot, dropped at the release.
class TDotGesture : public TGesture {
public:
    using TGesture::TGesture;
    void Begin(int x, int y) override;
    void Move(int, int) override {}
    void Release(int rawX, int rawY) override;
};

// Pulling the end of the selected wire or the right or bottom edge of the selected sub-board.
class TResizeGesture : public TGesture {
public:
    using TGesture::TGesture;
    void Begin(int x, int y) override;
    void Move(int rawX, int rawY) override;
    void Release(int rawX, int rawY) override;
    void ShowPreview() override;

private:
    // The selected wire or box that showed the resize cursor; none when there is nothing to resize.
    TPartsBase* Target() const;
};
