// Writes the golden corpus's inputs for scripts/golden, which runs voltrane-sim on them:
//   voltrane-golden-maker prepare SOURCE   writes the generated circuits and every circuit's clicks, and
//                                          prints per circuit its expected file and voltrane-sim's
//                                          arguments, tab-separated, one circuit a line
//   voltrane-golden-maker changes          turns voltrane-sim's rows on standard input into the
//                                          expected file's changes on standard output
#include "CircuitFile.h"
#include "CircuitText.h"
#include "GoldenCorpus.h"
#include "HeadlessCircuit.h"
#include "PartU.h"
#include "RandomBoard.h"

#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <random>

namespace {

// A generated circuit of a dozen to thirty parts on a small board, most of them fed by a wire.
void WriteGenerated(uint32_t seed, const std::string& path)
{
    TestCircuit t;
    const int items = 14 + static_cast<int>(seed * 7 % 21);
    RandomBoard(t, seed, true, {.Items = items, .Crossings = 1, .Grid = 8, .Box = 4, .Wires = items * 3 / 4});
    TPartsList all;
    t.Bord.CopyParts(all);
    // Short times, so that lamps go dark, pulses end and pulse generators toggle within the run.
    std::mt19937 random(seed);
    auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    for (TPartsBase* o : all) {
        if (auto* lamp = dynamic_cast<TAfterglowPart*>(o)) lamp->ZanzoTime = pick(1, 4);
        if (auto* pulser = dynamic_cast<TPulser*>(o)) pulser->Count = pick(1, 3);
        if (auto* shot = dynamic_cast<TOneShot*>(o)) shot->PulseWidth = pick(1, 3);
    }
    // The reader drops sub-board terminals outside any box, so the file does not hold them.
    TPartsList kept;
    for (TPartsBase* o : all)
        if (!o->Is(cfSubTerminal) || o->Container) kept.Add(o);
    TStrings lines;
    SaveParts(kept, lines);
    WriteCircuitFile(path, lines);
}

void WriteLines(const std::string& path, const std::vector<std::string>& lines)
{
    std::ofstream out(path, std::ios::binary);
    for (const std::string& line : lines) out << line << '\n';
    if (!out.flush()) throw std::runtime_error("cannot write " + path);
}

void Prepare(const std::string& source)
{
    const std::filesystem::path root(source);
    for (const TGoldenCircuit& c : GoldenCircuits(source)) {
        const std::filesystem::path circuit = root / c.Circuit, stem = root / GoldenStem(c);
        std::filesystem::create_directories(stem.parent_path());
        if (c.Name.starts_with("random/")) WriteGenerated(c.Seed, circuit.string());
        const THeadlessCircuit loaded(OpenCircuitFile(circuit.string()));
        const std::vector<std::string>& names = loaded.Names();
        const std::vector<std::string> clicks = GoldenClicks(names, loaded.Loaded(), c.Seed);
        WriteLines(stem.string() + ".clicks", clicks);
        std::cout << stem.string() << ".expected\t" << circuit.string() << "\t--passes=" << GoldenPasses;
        for (const std::string& watch : GoldenWatches(names, loaded.Loaded())) std::cout << "\t--watch=" << watch;
        for (const std::string& click : clicks) std::cout << '\t' << click;
        std::cout << '\n';
    }
}

}  // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    try {
        if (args.size() == 2 && args[0] == "prepare") {
            Prepare(args[1]);
        } else if (args.size() == 1 && args[0] == "changes") {
            const std::string rows((std::istreambuf_iterator<char>(std::cin)), std::istreambuf_iterator<char>());
            std::cout << ChangesText(ReadPrintedRows(rows));
        } else {
            std::cerr << "usage: voltrane-golden-maker prepare SOURCE | changes\n";
            return 2;
        }
        return std::cout.flush() ? 0 : 1;
    } catch (const std::exception& e) {
        std::cerr << "voltrane-golden-maker: " << e.what() << '\n';
        return 1;
    }
}
