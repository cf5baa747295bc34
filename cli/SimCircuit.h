#pragma once

#include "HeadlessCircuit.h"
#include "SimOptions.h"
#include "SimRun.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class WindowFactory;

// A circuit file loaded and run as voltrane-sim runs it.
class TSimCircuit {
public:
    using TWarn = std::function<void(const std::string&)>;

    // Reads the file as the editor's Open reads it; warn, when given, hears of lines with bytes that are not code
    // page 932. windows draws the displays' images for a picture; a rasterScale above 0 has the run drawn on a raster
    // surface covering the board at that scale. Throws TFileError or TFormatError.
    TSimCircuit(const std::string& file, TEngineMode engine, WindowFactory* windows = nullptr, int rasterScale = 0,
                const TWarn& warn = {});

    THeadlessCircuit& Circuit() { return circuit_; }
    // The board surface: the raster picture, or one that draws nothing.
    Canvas& Surface() { return *circuit_.Bord().GetCanvas(); }

    // A run over the surface's area of the watches (as --watch takes them) and the events, resolved in the circuit;
    // the caller sets its passes and outputs. Throws TUsageError for a watch or an event that names nothing, an event
    // with its place in the record.
    TSimRun PrepareRun(const std::vector<std::string>& watches, const std::vector<TSimEvent>& events);
    // The outputs of each net that more than one output drives, as NAME.I, one text a net, as the run will find
    // them when it starts.
    std::vector<std::string> SharedNets();
    // Runs it as RunCircuit does and answers the seconds it took.
    double Run(const TSimRun& run) { return RunCircuit(circuit_.Bord(), Surface(), run); }

private:
    // Outlives the circuit, whose board may draw on it.
    std::unique_ptr<Canvas> picture_;
    THeadlessCircuit circuit_;
};
