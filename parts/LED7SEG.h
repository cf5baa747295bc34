#pragma once

#include "PartsBase.h"

#include <array>
#include <memory>

// A seven-segment display with decimal point, common anode: PartNo 0 takes one input per segment
// (a low input lights it), PartNo 1 a 4-bit code through its built-in hexadecimal decoder. Any
// other PartNo, or a Way outside 0..3 for the decoder type, builds no inputs and computes nothing.
// Segments: 0 top, 1 upper left, 2 upper right, 3 middle, 4 lower left, 5 lower right, 6 bottom,
// 7 decimal point.
class TLED7SEG : public TPart {
public:
    TLED7SEG(TBord& board, Canvas* windowSurface);
    const char* ClassName() const override { return "TLED7SEG"; }
    // The dark display while editing; while simulating, DisplayImage on both surfaces.
    void Draw() override;
    int OpenMarkRadius() const override { return DenseOpenMarkRadius; }
    void SetTanshi() override;
    // Fills the segments that changed in DisplayImage and shows it at once.
    void Calc() override;
    bool AtRest() const override;

    enum TDisplayType { dtNormal, dtEncoder };
    static constexpr std::array<TPoint, 8> SegmentPoints{{
        {16, 5}, {6, 15}, {29, 15}, {16, 24}, {6, 36}, {29, 36}, {16, 44}, {34, 45},
    }};

    // None of these is reset by a run or by a change of type.
    std::array<int32_t, 8> SegmentLevels{};
    int32_t Code = 0;
    std::unique_ptr<Canvas> DisplayImage;
    // The segments DisplayImage shows lit, bit i for segment i.
    uint8_t LitSegments = 0;

private:
    void CalcNormal();
    void CalcEncoder();
    void FillSegment(int segment, bool lit);
    // The dark display with its lit segments filled, on a new image when the window's images
    // changed their scale since DisplayImage was made.
    void RefreshImage();
    void FillImageSegment(int segment, bool lit);

    uint64_t imageGeneration_;
};
