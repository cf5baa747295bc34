// voltrane-sim: runs a circuit file without a window, for checking circuits in bulk and scripts.
#include "BoardPicture.h"
#include "CircuitFile.h"
#include "CircuitText.h"
#include "FileAccess.h"
#include "MessageText.h"
#include "Messages.h"
#include "SimAnalysis.h"
#include "SimCircuit.h"
#include "Simulation.h"
#include "SimOptions.h"
#include "SimReplay.h"
#include "SimRun.h"
#include "SimTest.h"
#include "TestTable.h"
#include "TextKeys.h"
#include "VcdWriter.h"
#include "VoltraneVersion.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <new>
#include <optional>
#include <utility>

namespace {

constexpr int ExitLoad = 1;
constexpr int ExitUsage = 2;

// A usage error adds the hint to the help; a malformed table names its line instead.
int Fail(int status, const std::string& message, bool hint = true)
{
    std::fprintf(stderr, "voltrane-sim: %s\n", message.c_str());
    if (status == ExitUsage && hint) std::fprintf(stderr, "%s\n", Tr("Try 'voltrane-sim --help'."));
    return status;
}

void Warn(const std::string& message)
{
    std::fprintf(stderr, "voltrane-sim: %s\n", Tr("Warning: %1", {message}).c_str());
}

void SaveBoard(TBord& board, const std::string& path)
{
    TPartsList all;
    board.CopyParts(all);
    TStrings lines;
    const TPartsList lossy = SaveParts(all, lines);
    for (const TPartsBase* o : lossy)
        Warn(Tr("%1 (%2, %3) has characters that code page 932 cannot hold; they were saved as '?'",
                {o->ClassName(), std::to_string(o->Left), std::to_string(o->Top)}));
    WriteCircuitFile(path, lines);
}

// "-" is standard output, and so is any name of the file or stream standard output goes to.
bool IsStandardOutput(const std::string& path) { return path == "-" || SameFile(path, "/dev/stdout"); }

// The file outputs, which must neither overwrite an input (the files, the table) nor each other.
void CheckOutputs(const TSimOptions& options)
{
    const std::pair<const char*, std::string> outputs[] = {{"--save", options.SavePath}, {"--vcd", options.VcdPath},
                                                           {"--png", options.PngPath},   {"--svg", options.SvgPath},
                                                           {"--pdf", options.PdfPath},   {"--junit", options.JunitPath},
                                                           {"--csv", options.CsvPath},   {"--lgt", options.LgtPath}};
    std::vector<std::string> inputs = options.Files;
    if (!options.TestTable.empty()) inputs.push_back(options.TestTable);
    if (!options.ReplayPath.empty()) inputs.push_back(options.ReplayPath);
    auto identity = [](const std::string& path) { return path == "-" ? std::string("/dev/stdout") : path; };
    for (size_t i = 0; i < std::size(outputs); ++i) {
        const auto& [option, path] = outputs[i];
        if (path.empty()) continue;
        for (const std::string& input : inputs)
            if (path != "-" && !input.empty() && SameFile(path, input))
                throw TUsageError(Tr("%1 would overwrite the input file '%2'", {option, MessagePath(path)}));
        for (size_t j = 0; j < i; ++j)
            if (!outputs[j].second.empty() && SameFile(identity(path), identity(outputs[j].second)))
                throw TUsageError(
                    Tr("%1 and %2 name the same file '%3'", {outputs[j].first, option, MessagePath(path)}));
    }
}

int RunTests(const TSimOptions& options)
{
    TTestTable table;
    try {
        table = ReadTestTable(options.TestTable);
    } catch (const TTableError& e) {
        return Fail(ExitUsage,
                    MessagePath(options.TestTable) + ":" + std::to_string(e.Line) + ": " + MessagePath(e.what()),
                    false);
    } catch (const TFileError& e) {
        return Fail(ExitUsage, e.what(), false);
    }
    const bool reportOnStandardOutput = (!options.JunitPath.empty() && IsStandardOutput(options.JunitPath)) ||
                                        (!options.CsvPath.empty() && IsStandardOutput(options.CsvPath));
    try {
        return RunTableTests(table, options, !reportOnStandardOutput);
    } catch (const TFileError& e) {
        return Fail(ExitLoad, e.what());
    }
}

int RunAnalysisOf(const TSimOptions& options)
{
    try {
        return RunAnalysis(options);
    } catch (const TFileError& e) {
        return Fail(ExitLoad, e.what());
    } catch (const TFormatError& e) {
        return Fail(ExitLoad, MessagePath(options.File) + ": " + e.Text());
    } catch (const TUsageError& e) {
        return Fail(ExitUsage, MessagePath(options.File) + ": " + e.what(), false);
    }
}

int Run(const TSimOptions& options)
{
    try {
        CheckOutputs(options);
    } catch (const TUsageError& e) {
        return Fail(ExitUsage, e.what());
    }
    if (!options.TestTable.empty()) return RunTests(options);
    if (options.TruthTable || options.Expressions) return RunAnalysisOf(options);
    const bool raster = !options.PngPath.empty();
    const bool picture = raster || !options.SvgPath.empty() || !options.PdfPath.empty();
    if (picture && !BoardPictureAvailable())
        return Fail(ExitUsage, Tr("%1 is not available: this version has no picture output",
                                  {raster                    ? "--png"
                                   : options.SvgPath.empty() ? "--pdf"
                                                             : "--svg"}));

    // The displays' images are drawn at the PNG's scale, or sharp enough for a vector picture.
    const std::unique_ptr<WindowFactory> windows =
        picture ? MakeBoardPictureWindows(raster ? options.Scale : VectorDisplayScale) : nullptr;
    std::optional<TSimCircuit> sim;
    try {
        sim.emplace(options.File, options.Engine, windows.get(), raster ? options.Scale : 0, Warn);
    } catch (const TFileError& e) {
        return Fail(ExitLoad, e.what());
    } catch (const TFormatError& e) {
        return Fail(ExitLoad, MessagePath(options.File) + ": " + e.Text());
    }
    TBord& board = sim->Circuit().Bord();
    for (const std::string& outputs : sim->SharedNets())
        Warn(Tr("the outputs %1 drive one net; where their levels differ, the one last in the file wins", {outputs}));

    std::vector<TSimEvent> events = options.Events;
    if (!options.ReplayPath.empty()) {
        try {
            const std::vector<TSimEvent> replayed = ReadReplay(options.ReplayPath, options.File, Warn);
            events.insert(events.begin() + static_cast<std::ptrdiff_t>(options.ReplayAt), replayed.begin(),
                          replayed.end());
        } catch (const TFileError& e) {
            return Fail(ExitLoad, e.what());
        } catch (const TUsageError& e) {
            return Fail(ExitUsage, e.what());
        }
    }

    TSimRun run;
    try {
        run = sim->PrepareRun(options.Watches, events);
    } catch (const TUsageError& e) {
        return Fail(ExitUsage, e.what());
    }
    run.Passes = options.Passes;
    run.Every = options.Every;
    // An output on standard output has it to itself: rows among its bytes would spoil it.
    for (const std::string* path :
         {&options.SavePath, &options.VcdPath, &options.PngPath, &options.SvgPath, &options.PdfPath})
        if (!path->empty() && IsStandardOutput(*path)) run.Out = nullptr;

    try {
        if (!options.SavePath.empty()) SaveBoard(board, options.SavePath);
        std::optional<TVcdWriter> vcd;
        if (!options.VcdPath.empty()) run.Vcd = &vcd.emplace(options.VcdPath, VcdColumns(run.Watches));
        const double seconds = sim->Run(run);
        if (vcd) vcd->Finish(options.Passes);
        if (options.Stats) {
            const double rate = seconds > 0 ? static_cast<double>(options.Passes) / seconds : 0;
            std::fprintf(stderr, "passes=%lld seconds=%.6f passes_per_second=%.0f objects=%d engine=%s\n",
                         static_cast<long long>(options.Passes), seconds, rate, board.Count(),
                         EngineName(options.Engine));
        }
        const bool ran = options.Passes > 0;
        const TPictureLook onScreen = PictureLookOf(options, TPictureUse::Screen);
        if (raster && onScreen.Clean()) {
            SaveCleanBoardPicture(board, sim->Surface(), options.Scale, options.PngPath, ran, onScreen);
        } else if (raster) {
            if (options.Passes == 0) RedrawBoard(board, sim->Surface(), *run.Area);
            SaveBoardPicture(sim->Surface(), options.PngPath);
        }
        if (!options.SvgPath.empty()) SaveBoardSvg(board, options.SvgPath, ran, onScreen);
        if (!options.PdfPath.empty())
            SaveBoardPdf(board, options.PdfPath, PageFooter(options.File, std::time(nullptr)), ran,
                         PictureLookOf(options, TPictureUse::Paper));
    } catch (const TFileError& e) {
        return Fail(ExitLoad, e.what());
    }
    return std::fflush(stdout) == 0 ? 0 : Fail(ExitLoad, Tr("Cannot write to standard output"));
}

// The folder of the running program, beside which its catalogs are installed.
std::string ProgramFolder(const char* argv0)
{
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error && !self.empty()) return self.parent_path().string();
    return std::filesystem::path(argv0 ? argv0 : "").parent_path().string();
}

// Chooses the language of every message: the one --lang asks for, or else the environment's. An
// unknown --lang is a usage error, told in the environment's language.
std::optional<std::string> ChooseLanguage(const std::vector<std::string>& args, const char* argv0)
{
    const std::vector<std::string> folders = CatalogFolders(ProgramFolder(argv0));
    const std::vector<std::string> languages = CatalogLanguages(folders);
    const std::optional<std::string> asked = LanguageOption(args);
    const bool known = asked && std::find(languages.begin(), languages.end(), *asked) != languages.end();
    UseLanguage(known ? *asked : LanguageFromEnvironment(languages, std::getenv), folders);
    if (!asked || known) return std::nullopt;
    std::string list;
    for (const std::string& language : languages) list += (list.empty() ? "" : ", ") + language;
    return Tr("There is no language '%1' (available: %2)", {MessageText(*asked), list});
}

}  // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + std::min(argc, 1), argv + argc);
    if (const std::optional<std::string> unknown = ChooseLanguage(args, argc > 0 ? argv[0] : nullptr))
        return Fail(ExitUsage, *unknown);
    TSimOptions options;
    try {
        options = ParseSimOptions(args);
    } catch (const TUsageError& e) {
        return Fail(ExitUsage, e.what());
    }
    if (options.Help || options.Version) {
        if (options.Help) std::fputs(Tr(SimUsage), stdout);
        else std::printf("voltrane-sim %s\n", VoltraneVersion);
        return std::fflush(stdout) == 0 ? 0 : Fail(ExitLoad, Tr("Cannot write to standard output"));
    }
    try {
        return Run(options);
    } catch (const std::bad_alloc&) {
        // Everything the run held is released by now, so the message can still be written.
        return Fail(ExitLoad, Tr("%1: not enough memory to load and run this circuit", {options.File}));
    }
}
