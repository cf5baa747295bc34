// Placing a large macro with the press that follows its choice, and a popup setting changed on a
// large board: both should stay well under 50 ms.
#include "BenchEditor.h"
#include "CircuitText.h"
#include "ClipboardCommands.h"
#include "EditCommands.h"
#include "Macros.h"
#include "PartMenus.h"

#include <benchmark/benchmark.h>

namespace {

// The text of a sub-board holding objects - 1 inverters and wires, as a macro file holds it.
TStrings MacroText(int64_t objects)
{
    Editor source(0);
    TBord& board = source.circuit.Bord;
    auto* box = board.Create<TContainer>(nullptr);
    box->DragWidth = 50 * 80;
    box->DragHeight = static_cast<int>((objects / 50 + 1) * 60);
    box->MoveTo(0, 0, true);
    for (int64_t i = 1; i < objects; ++i) {
        TPartsBase* o = i % 2 ? static_cast<TPartsBase*>(board.Create<TNot>(nullptr))
                              : static_cast<TPartsBase*>(board.Create<TCode>(nullptr));
        o->Container = box;
        if (o->Is(cfCode)) o->DragWidth = 40;
        o->MoveTo(static_cast<int>(i % 50) * 80 + 10, static_cast<int>(i / 50) * 60 + 10, true);
    }
    TPartsList one;
    one.Add(box);
    TStrings text;
    SaveParts(CopiedObjects(one), text);
    return text;
}

void BM_PlaceMacro(benchmark::State& state)
{
    const TStrings text = MacroText(state.range(0));
    Editor editor(0);
    for (auto _ : state) {
        editor.state.PartsText = text;
        PlaceMacro(editor.session, 100, 100);
        state.PauseTiming();
        if (editor.circuit.Bord.Count() != state.range(0)) state.SkipWithError("macro not placed");
        UndoEdit(editor.session);
        state.ResumeTiming();
    }
}

void BM_SwitchPolarity(benchmark::State& state)
{
    Editor editor(state.range(0));
    editor.state.PopupPart = editor.circuit.Bord.Items(0);
    for (auto _ : state) SwitchPopupPolarity(editor.session);
}

}  // namespace

BENCHMARK(BM_PlaceMacro)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SwitchPolarity)->Arg(10000)->Unit(benchmark::kMillisecond);
