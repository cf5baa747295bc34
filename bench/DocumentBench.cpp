// The editor's file and clipboard commands on large boards, headless: Save and Open of a document
// of many parts through TDocument, copy and paste of many parts. peak_rss_MB is the process's peak
// so far; run one benchmark alone (--benchmark_filter) to read it for that operation.
#include "BenchEditor.h"
#include "ClipboardCommands.h"
#include "EditCommands.h"

#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <unistd.h>

namespace {

void ReportPeak(benchmark::State& state)
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
    state.SetComplexityN(state.range(0));
}

void BM_SaveDocument(benchmark::State& state)
{
    Editor editor(state.range(0));
    for (auto _ : state) {
        editor.state.Modified = true;
        if (!editor.document.SaveAs()) state.SkipWithError("save failed");
    }
    ReportPeak(state);
}

void BM_OpenDocument(benchmark::State& state)
{
    Editor editor(state.range(0));
    editor.document.SaveAs();
    for (auto _ : state)
        if (!editor.document.OpenFile(editor.shell.Path)) state.SkipWithError("open failed");
    ReportPeak(state);
}

void BM_CopyAndPaste(benchmark::State& state)
{
    Editor editor(state.range(0));
    TPartsList original;
    editor.circuit.Bord.CopyParts(original);
    for (auto _ : state) {
        editor.state.SelectedParts.Assign(original);
        CopySelection(editor.session, editor.shell);
        PasteClipboard(editor.session, editor.shell);
        state.PauseTiming();
        UndoEdit(editor.session);
        state.ResumeTiming();
    }
    ReportPeak(state);
}

}  // namespace

BENCHMARK(BM_SaveDocument)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
BENCHMARK(BM_OpenDocument)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
BENCHMARK(BM_CopyAndPaste)->Arg(10000)->Unit(benchmark::kMillisecond);
