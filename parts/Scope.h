#pragma once

#include "PartsBase.h"
#include "ScopeSink.h"

#include <memory>

// The scope probe: four inputs, channels 0 to 3, whose levels it feeds to its own oscilloscope
// window in every pass, shown or not, the settle passes included. It only reads.
class TScope : public TPart {
public:
    TScope(TBord& board, Canvas* windowSurface);
    // Closes the window, then frees it.
    ~TScope() override;
    const char* ClassName() const override { return "TScope"; }
    void Draw() override;
    void SetTanshi() override;
    void Calc() override;

    std::unique_ptr<ScopeSink> ScopeWindow;
};

// Marks the tool that places a chosen macro; never placed on a board, so it has no behaviour.
class TMacro : public TPart {
public:
    using TPart::TPart;
    const char* ClassName() const override { return "TMacro"; }
    void Draw() override {}
    void SetTanshi() override {}
};
