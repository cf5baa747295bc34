#pragma once

#include "PartsU.h"

#include <string>
#include <vector>

// A part of any size whose terminals the test lists; it counts its terminal rebuilds and draws nothing.
class TTestPart : public TPart {
public:
    struct Pin {
        int x, y;
        TDirection direction;
    };

    TTestPart(TBord& board, Canvas* windowSurface, int width = 40, int height = 40, std::vector<Pin> pins = {})
        : TPart(board, windowSurface), pins_(std::move(pins))
    {
        SetSize(width, height);
        WayCount = 4;
        SetTanshi();
    }

    const char* ClassName() const override { return "TTestPart"; }
    void Draw() override {}
    void SetTanshi() override
    {
        ++Rebuilds;
        ClearTanshis();
        for (const Pin& p : pins_) AddTanshi(p.x, p.y, p.direction);
    }

    int Rebuilds = 0;

private:
    std::vector<Pin> pins_;
};
