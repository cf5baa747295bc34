// Boxing: a sub-board drawn around 1,000 objects, 100 of whose wires cross its edge, each cut and
// joined through a sub-board terminal as one step; it should stay under 50 ms.
#include "BenchEditor.h"
#include "BoardEdits.h"
#include "EditCommands.h"

#include <benchmark/benchmark.h>

namespace {

// In 100 rows ten inverters inside x < 1000, the last one's output wired out past x = 1000 to a
// lamp: 1,000 objects to take in and 100 wires crossing the edge.
void BuildRows(TBord& board)
{
    for (int row = 0; row < 100; ++row) {
        const int y = 60 * row;
        for (int column = 0; column < 10; ++column) {
            auto* inverter = board.Create<TNot>(nullptr);
            inverter->MoveTo(90 * column + 20, y + 10, false);  // output (90 * column + 60, y + 30)
        }
        auto* wire = board.Create<TCode>(nullptr);
        wire->DragWidth = 1200 - 870;
        wire->MoveTo(870, y + 30, false);
        auto* lamp = board.Create<TLED>(nullptr);
        lamp->MoveTo(1200, y + 20, false);  // input (1200, y + 30)
    }
    board.CheckAllLinks();
}

void BM_BoxAThousandObjectsWithAHundredCrossings(benchmark::State& state)
{
    Editor editor(0);
    BuildRows(editor.circuit.Bord);
    for (auto _ : state) {
        std::string refusal;
        TContainer* box = CreateSubBoard(editor.circuit.Bord, nullptr, nullptr, {0, 0, 1000, 6000}, refusal);
        state.PauseTiming();
        if (!box) state.SkipWithError(refusal.c_str());
        // The box, then a sub-board terminal and a wire inside for each crossing.
        state.counters["added"] = static_cast<double>(editor.circuit.Bord.Count() - 1200);
        UndoEdit(editor.session);
        state.ResumeTiming();
    }
}

}  // namespace

BENCHMARK(BM_BoxAThousandObjectsWithAHundredCrossings)->Unit(benchmark::kMillisecond);
