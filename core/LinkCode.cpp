#include "Board.h"
#include "Code.h"

#include <cstdlib>

namespace {

// One orientation of wires: where a wire starts along it, how long it is, and the merge labels.
struct TAxis {
    int32_t TPartsBase::*Start;
    int32_t TPartsBase::*Length;
    void (TPartsBase::*SetStart)(int32_t);
    const char* GrowLabel;    // the new wire starts on the old one and reaches past its end
    const char* ExtendLabel;  // the new wire ends on the old one and starts before it
};

constexpr TAxis Vertical{&TPartsBase::Top, &TPartsBase::Height, &TPartsBase::SetTop, "TBord.LinkCode 1",
                         "TBord.LinkCode 2"};
constexpr TAxis Horizontal{&TPartsBase::Left, &TPartsBase::Width, &TPartsBase::SetLeft, "TBord.LinkCode 3",
                           "TBord.LinkCode 4"};

const TAxis* PairAxis(const TPartsBase& w, const TPartsBase& o)
{
    if (w.Width == 0 && o.Width == 0) return &Vertical;
    if (w.Height == 0 && o.Height == 0) return &Horizontal;
    return nullptr;
}

}  // namespace

TCode* TBord::LinkCode(TCode* w)
{
    // A wire already merged away or deleted is no longer on the board and takes part in nothing.
    if (!w || !Holds(w)) return nullptr;
    // A dot on a joint forbids merging across it.
    const TPoint start{w->Left, w->Top};
    const TPoint end = w->LocalToBoard({w->Width, w->Height});
    TPartsList dots;
    PartsOfKindAt(cfDot, w->Container, start.x, start.y, dots);
    const bool startDot = !dots.Empty();
    PartsOfKindAt(cfDot, w->Container, end.x, end.y, dots);
    const bool endDot = !dots.Empty();

    // Only a wire answering at one of w's ends can take it in.
    std::vector<TPartsBase*> candidates;
    if (!Near({{start.x, start.y, start.x, start.y}, {end.x, end.y, end.x, end.y}}, candidates))
        for (const auto& o : objects_) candidates.push_back(o.get());

    for (TPartsBase* o : candidates) {
        if (!o->Is(cfCode) || o == w) continue;
        const TAxis* axis = PairAxis(*w, *o);
        if (!axis) continue;
        const int64_t wStart = w->*axis->Start, wLength = w->*axis->Length;
        const int64_t oStart = o->*axis->Start, oLength = o->*axis->Length;
        const TRect oldRect = o->GetRect();
        if (o->HitTest(w->Container, start.x, start.y, nullptr) != hitNone && !startDot) {
            // A wire lying wholly on o is simply taken in.
            if (oStart + oLength < wStart + wLength) {
                o->RecordGeometry(false, "");
                o->*axis->Length = SaturateInt32(std::abs(oStart - wStart) + wLength);
                o->RecordGeometry(true, axis->GrowLabel);
            }
        } else if (o->HitTest(w->Container, end.x, end.y, nullptr) != hitNone && !endDot && oStart > wStart) {
            o->RecordGeometry(false, "");
            o->*axis->Length = SaturateInt32(oLength + std::abs(oStart - wStart));
            (o->*axis->SetStart)(w->*axis->Start);
            o->RecordGeometry(true, axis->ExtendLabel);
        } else {
            continue;
        }
        o->DragWidth = o->Width;
        o->DragHeight = o->Height;
        o->SetTanshi();
        w->Delete("TBord.LinkCode CodeDelete");
        CheckLinksInRect(oldRect);
        CheckLinksInRect(o->GetRect());
        return static_cast<TCode*>(o);
    }
    return nullptr;
}
