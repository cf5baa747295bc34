#pragma once

#include "Afterglow.h"

#include <array>
#include <memory>

// An 8 × 8 dot matrix driven by eight row lines (terminals 0..7) and eight column lines
// (terminals 8..15), both active low: a dot wants to be lit while its row and its column are low.
// Every dot has its own afterglow countdown. The inputs are the same for every Way.
class TMatrix8X8 : public TAfterglowPart {
public:
    TMatrix8X8(TBord& board, Canvas* windowSurface);
    const char* ClassName() const override { return "TMatrix8X8"; }
    // The dark matrix while editing; while simulating, DisplayImage on both surfaces, or InputImage
    // while the indicators show their inputs.
    void Draw() override;
    int OpenMarkRadius() const override { return DenseOpenMarkRadius; }
    void SetTanshi() override;
    // Open lines read high; a dot whose wish changed starts its countdown.
    void Calc() override;
    // A dot whose countdown ends and whose lines still want what it took over is filled and shown.
    // While the indicators show their inputs, the dots are drawn as this pass's Calc found them wanted.
    void Tick() override;
    TTickKind TickKind() const override { return TTickKind::Own; }
    bool AtRest() const override;

    static TPoint DotPoint(int row, int column) { return {10 * column + 10, 10 * row + 10}; }

    // None of these is reset by a run.
    std::array<std::array<int32_t, 8>, 8> ShownLevel{};
    std::array<std::array<int64_t, 8>, 8> Countdown;
    std::unique_ptr<Canvas> DisplayImage;
    // The dots DisplayImage shows lit, bit 8 × row + column.
    uint64_t LitDots = 0;
    // The dots the lines wanted lit at the last Calc.
    uint64_t AskedDots = 0;
    // The picture of AskedDots that the matrix shows while the indicators show their inputs; made
    // when first needed.
    std::unique_ptr<Canvas> InputImage;
    // The dots InputImage shows lit.
    uint64_t InputImageDots = 0;
    // The dots shown lit the last time the matrix was drawn while simulating, however it was drawn.
    uint64_t DrawnDots = 0;
    // The dots whose countdown brings them round to their lines after resting at the wrong level;
    // such a countdown ends on what Calc found wanted, as a lamp's does.
    uint64_t CorrectingDots = 0;

private:
    int32_t Wanted(int row, int column) const;
    bool Lit(int row, int column) const { return (LitDots >> (8 * row + column)) & 1; }
    void FillDot(int row, int column, bool lit);
    // Brings InputImage to AskedDots.
    void UpdateInputImage();
    // When the window's images changed their scale since they were made: DisplayImage made afresh
    // with LitDots filled, InputImage left to be made when next needed.
    void RefreshImages();

    uint64_t imageGeneration_;
};
