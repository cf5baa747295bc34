#include "BuildBoard.h"

#include "CircuitText.h"
#include "ClassRegistry.h"
#include "CommaText.h"
#include "Container.h"
#include "Cp932.h"
#include "PartU.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

namespace {

// The gap between a label and the part it marks at its side.
constexpr int LabelGapLeft = 10, LabelGapRight = 6;

std::vector<TPt> PinsOf(const TPartsBase& part, std::optional<TDirection> direction)
{
    std::vector<TPt> pins;
    for (const TTanshi* t : part.Tanshis)
        if (!direction || t->Direction == *direction) {
            const TPoint p = part.LocalToBoard(t->GetPos());
            pins.push_back({p.x, p.y});
        }
    return pins;
}

}  // namespace

int TLabelMetrics::TextWidth(const std::string& text) { return 6 * static_cast<int>(Cp932Length(text)); }

TPartsBase& TBuildBoard::Part(const char* className, std::optional<int> partNo)
{
    const TPartClass* partClass = FindPartClass(className);
    if (!partClass) throw std::logic_error("circuit builder: no part class " + std::string(className));
    TPartsBase& part = *partClass->Create(circuit_.Bord, nullptr);
    if (partNo) {
        part.PartNo = *partNo;
        part.SetTanshi();
    }
    return part;
}

TPt TBuildBoard::Size(const char* className, std::optional<int> partNo)
{
    TPartsBase& part = Part(className, partNo);
    const TPt size{part.Width, part.Height};
    circuit_.Bord.Destroy(&part);
    return size;
}

TPartsBase& TBuildBoard::Wire(TPt a, TPt b)
{
    TPartsBase& wire = Part("TCode");
    wire.DragWidth = std::abs(b.x - a.x);
    wire.DragHeight = std::abs(b.y - a.y);
    Put(wire, {std::min(a.x, b.x), std::min(a.y, b.y)});
    return wire;
}

TPartsBase& TBuildBoard::Dot(TPt centre)
{
    // Put where it belongs, not dropped: the wires are already cut at their junctions.
    TPartsBase& dot = Part("TDot");
    dot.SetLeftTop(centre.x - dot.Width / 2, centre.y - dot.Height / 2);
    return dot;
}

TPartsBase& TBuildBoard::Label(const std::string& text)
{
    auto& label = static_cast<TTextBox&>(Part("TTextBox"));
    label.SetShownText(EncodeCommaText({text}));
    return label;
}

TContainer& TBuildBoard::Box(TPt at, int width, int height)
{
    auto& box = static_cast<TContainer&>(Part("TContainer"));
    box.DragWidth = width;
    box.DragHeight = height;
    box.MoveTo(at.x, at.y, false);
    return box;
}

void TBuildBoard::Adopt(TContainer& box, const std::vector<TPartsBase*>& parts)
{
    for (TPartsBase* part : parts) {
        part->Container = &box;
        part->SetLeftTop(part->Left, part->Top);
    }
}

TStrings TBuildBoard::Text(const std::vector<TPartsBase*>& parts)
{
    TPartsList list;
    for (TPartsBase* part : parts) list.Add(part);
    TStrings lines;
    SaveParts(list, lines);
    return lines;
}

void Put(TPartsBase& part, TPt at) { part.MoveTo(at.x, at.y, false); }

void Bring(TPartsBase& part, TPt from, TPt to) { Put(part, {part.Left + to.x - from.x, part.Top + to.y - from.y}); }

std::vector<TPt> Pins(const TPartsBase& part) { return PinsOf(part, std::nullopt); }

std::vector<TPt> InputPins(const TPartsBase& part) { return PinsOf(part, dirInput); }

TPt OutputPin(const TPartsBase& part)
{
    const std::vector<TPt> outputs = PinsOf(part, dirOutput);
    if (outputs.empty()) throw std::logic_error("circuit builder: a part without an output");
    return outputs.front();
}

void PutLeftOf(TPartsBase& label, const TPartsBase& part)
{
    Put(label, {part.Left - LabelGapLeft - label.Width, part.Top + (part.Height - label.Height) / 2});
}

void PutRightOf(TPartsBase& label, const TPartsBase& part)
{
    Put(label, {part.Left + part.Width + LabelGapRight, part.Top + (part.Height - label.Height) / 2});
}

void PutAbove(TPartsBase& label, const TPartsBase& part) { Put(label, {part.Left + 2, part.Top - label.Height - 2}); }
