#pragma once

#include "Canvas.h"
#include "Context.h"
#include "EngineMode.h"
#include "PartsBase.h"
#include "SimWatch.h"

#include <string>
#include <vector>

class WindowFactory;

// A circuit of its own without a window, loaded from circuit text as the editor's Open loads it: its board linked,
// its objects named by the names the text stores. Its board draws on a surface that draws nothing until another is
// set.
class THeadlessCircuit {
public:
    // windows draws the displays' images; none, headless ones. Throws TFormatError when the text cannot be read.
    explicit THeadlessCircuit(const TStrings& lines, TEngineMode engine = TEngineMode::Auto,
                              WindowFactory* windows = nullptr);
    THeadlessCircuit(const THeadlessCircuit&) = delete;
    THeadlessCircuit& operator=(const THeadlessCircuit&) = delete;

    TBord& Bord() { return circuit_.Bord; }
    // The objects read, in text order, and the Name each had there.
    const TPartsList& Loaded() const { return loaded_; }
    const std::vector<std::string>& Names() const { return names_; }
    TNamedObjects Named() const { return TNamedObjects(names_, loaded_); }

private:
    NullCanvas surface_, windowSurface_;
    TCircuit circuit_;
    TPartsList loaded_;
    std::vector<std::string> names_;
};
