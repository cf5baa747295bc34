#include "SimOptions.h"

#include "Messages.h"

#include <algorithm>
#include <charconv>
#include <iterator>

const char* const SimUsage = TrMark(R"(Usage: voltrane-sim FILE [options]
       voltrane-sim --test TABLE FILE... [--junit PATH] [--csv PATH]
       voltrane-sim --truth-table FILE [--watch W]... [--csv PATH] [--lgt PATH]
       voltrane-sim --expr FILE [--watch W]...
Runs a circuit file without a window and prints the levels it is asked to watch,
checks circuit files against a test table, or tells what a combinational circuit
computes.

  FILE          circuit text (.lgc or .lgm), read as the editor's Open reads it
                (objects at top level; then CheckAllLinks); a regular file or a pipe
                of at most 1 GB.
  --passes N    run N passes (default 1000; 0 = load only).
  --watch W     add an output column. W is NAME.I, the level of terminal I of the object
                whose Name key in FILE is NAME, or NAME alone for an indicator:
                TLED: 1 lit / 0 dark, as last drawn; TLED7SEG: two hex digits, bit i set
                when segment i shows lit; TMatrix8X8: sixteen hex digits, bit 8*r+c set when
                dot (r, c) shows lit. Repeatable; columns in the order given.
                With --truth-table or --expr: an output for terminal W, NAME.I or the
                text of a label beside a part's output.
  --every K     print the rows of passes K, 2K, 3K, ... (default 1); the last pass is
                always printed.
  --press NAME@P, --release NAME@P, --click NAME@P
                call MouseDown / MouseUp / MouseDown then MouseUp (left button) of object
                NAME in the message processing that follows pass P (P >= 1). Events with
                the same P are applied in command-line order.
  --replay RECORD
                apply the presses and releases of a run record that the editor saved
                (its Save Record command), each after the pass it was recorded at, as
                --press and --release do; they come where --replay stands among those
                options. A malformed record, or a NAME it gives that FILE lacks, exits
                with 2 and names the record's line.
  --vcd PATH    also write every watched column for every pass as a VCD file
                (one time unit per pass) that GTKWave opens.
  --png PATH    write the board surface as PNG after the run (editing look with grid
                dots when --passes 0, simulating look otherwise).
  --scale S     with --png: draw every board unit as S x S pixels, sharply (S = 1, 2,
                3 or 4; default 1).
  --svg PATH, --pdf PATH
                write the board as an SVG picture, or as a PDF page (A4, fitted and
                centred, with the file's name and the date under it), after the run
                as --png does.
  --look L      how the pictures look: screen (as the editor shows the board) or
                clean (black on white, without grid dots and open-terminal circles,
                for handouts). Default: screen for --png and --svg, clean for --pdf.
  --levels, --no-levels
                whether a clean picture shows the levels of the run (default: not).
  --save PATH   write the board as circuit text (the editor's save) right after
                loading, before the run.
                Outputs appear only when complete (the old file stays on failure);
                "-" is standard output, which the rows then leave to the output; an
                output may not name FILE or another output.
  --engine E    how the passes are computed: auto (default), full, sparse, or objects
                (every part's own Calc and Tick, the reference). All give the same levels.
  --stats       after the run, print one line to standard error:
                passes=N seconds=S passes_per_second=R objects=M engine=E
  --test TABLE  check every FILE against the test table TABLE (.lgt, see
                docs/test-tables.md) and print one line per file: "PASS FILE", or
                "FAIL FILE: " and why: the first failing row with its expected and
                actual values, a row that did not settle, a name the file lacks.
                No other option of a run goes with it.
  --junit PATH  with --test: also write the results as a JUnit XML report.
  --csv PATH    with --test: also write one line per file as CSV (UTF-8):
                file,result,rows_passed,rows,first_failing_line,message
  --truth-table
                print the truth table of FILE: its toggle switches and push buttons are
                the inputs (the first the most significant bit of the row), its lamps and
                seven-segment displays the outputs, each named by the label a test table
                would read beside it or else by its Name. Every row runs as a test
                table's row does. A circuit with flip-flops, pulse generators or one-shots,
                or with more than 16 inputs, is refused (exit status 2).
  --csv PATH    with --truth-table: also write the table as CSV.
  --lgt PATH    with --truth-table: also write it as a test table that a circuit
                computing the same function passes.
  --expr        print, for each output of FILE (a display's digit as four bits, NAME.3
                to NAME.0), its minimal sum of products and then its minimal product of
                sums, as NAME = /A·B + A·/B and NAME = (A + B)·(/A + /B); exact up to
                10 inputs, a quick cover beyond.
  --lang L      show the messages and this text in language L (en, ja, ...); without it, in
                the language the environment asks for (LANGUAGE, LC_ALL, LC_MESSAGES, LANG).
  --help        show this text.
  --version     print "voltrane-sim" and the program's version (major.minor.patch).

Output: a header line "pass" followed by the watch names, tab-separated; then one row
per printed pass: the pass number and the values, tab-separated; levels print as 0 or 5;
hex digits are upper case; lines end with LF.
Run sequence: link, resolve nets, reset and settle, pass 1, message processing, redraw
in the simulating look, then passes 2..N each followed by message processing. Row P is
the state right after pass P's Tick, before the message processing that follows it.
Exit status: 0 done; 1 the file or the run record cannot be read, the file fails to
load, or an output file cannot be written (the message on standard error); 2 usage errors (unknown option,
unknown NAME, terminal index out of range, P < 1, an output naming FILE or another
output, a malformed run record), with a message. With --test: 0 every file passed, 1 any failed (a file that
cannot be read fails) or a report cannot be written, 2 the table cannot be read or is
malformed (TABLE:LINE: and why) or a usage error.
)");

namespace {

// The options that take a value, as the next argument or after "=".
const char* const ValuedOptions[] = {"--passes", "--watch", "--every", "--press", "--release", "--click",  "--vcd",
                                     "--png",    "--save",  "--test",  "--junit", "--csv",     "--engine", "--replay",
                                     "--scale",  "--lang",  "--svg",   "--pdf",   "--lgt",     "--look"};

bool TakesValue(const std::string& arg)
{
    return std::find(std::begin(ValuedOptions), std::end(ValuedOptions), arg) != std::end(ValuedOptions);
}

int64_t ParseCount(const std::string& option, const std::string& text, int64_t least)
{
    int64_t value = 0;
    const char* last = text.data() + text.size();
    const auto [end, error] = std::from_chars(text.data(), last, value);
    if (text.empty() || error != std::errc() || end != last || value < least)
        throw TUsageError(Tr("%1 needs an integer of %2 or more (not '%3')", {option, std::to_string(least), text}));
    return value;
}

int ParseScale(const std::string& text)
{
    static const char* const scales[] = {"1", "2", "3", "4"};
    for (int i = 0; i < 4; ++i)
        if (text == scales[i]) return i + 1;
    throw TUsageError(Tr("--scale needs one of 1, 2, 3, 4 (not '%1')", {text}));
}

TEngineMode ParseEngine(const std::string& text)
{
    static const std::pair<const char*, TEngineMode> modes[] = {{"auto", TEngineMode::Auto},
                                                                {"full", TEngineMode::Full},
                                                                {"sparse", TEngineMode::Sparse},
                                                                {"objects", TEngineMode::Objects}};
    for (const auto& [name, mode] : modes)
        if (text == name) return mode;
    throw TUsageError(Tr("--engine needs one of auto, full, sparse, objects (not '%1')", {text}));
}

TPictureStyle ParseLook(const std::string& text)
{
    if (text == "screen") return TPictureStyle::Screen;
    if (text == "clean") return TPictureStyle::Clean;
    throw TUsageError(Tr("--look needs one of screen, clean (not '%1')", {text}));
}

TSimEvent ParseEvent(TSimEvent::TKind kind, const std::string& option, const std::string& text)
{
    const auto at = text.rfind('@');
    if (at == std::string::npos || at == 0) throw TUsageError(Tr("%1 needs NAME@P (not '%2')", {option, text}));
    return {kind, text.substr(0, at), ParseCount(option, text.substr(at + 1), 1), {}};
}

}  // namespace

TSimOptions ParseSimOptions(const std::vector<std::string>& args)
{
    TSimOptions options;
    bool optionsEnded = false;
    // The options of a run, which a check by table does not take.
    std::string runOption;
    bool scaled = false;
    // --watch goes with a run, and adds outputs to a truth table.
    bool watched = false;
    // The last of --levels and --no-levels, which goes with a clean picture.
    std::string levelsOption;
    for (size_t i = 0; i < args.size(); ++i) {
        std::string arg = args[i];
        if (optionsEnded || !arg.starts_with("-") || arg == "-") {
            options.Files.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (arg == "--help") {
            options.Help = true;
            continue;
        }
        if (arg == "--version") {
            options.Version = true;
            continue;
        }
        if (arg == "--truth-table" || arg == "--expr") {
            (arg == "--expr" ? options.Expressions : options.TruthTable) = true;
            continue;
        }
        if (arg == "--stats") {
            options.Stats = true;
            runOption = arg;
            continue;
        }
        if (arg == "--levels" || arg == "--no-levels") {
            options.Levels = arg == "--levels";
            levelsOption = arg;
            runOption = arg;
            continue;
        }
        // Options with a value take it as the next argument or after "=".
        std::string value;
        bool inlineValue = false;
        if (const auto eq = arg.find('='); arg.starts_with("--") && eq != std::string::npos) {
            value = arg.substr(eq + 1);
            arg.resize(eq);
            inlineValue = true;
        }
        if (!TakesValue(arg)) throw TUsageError(Tr("There is no option '%1'", {args[i]}));
        if (!inlineValue) {
            if (i + 1 >= args.size()) throw TUsageError(Tr("%1 needs a value", {arg}));
            value = args[++i];
        }
        if (arg == "--passes") options.Passes = ParseCount(arg, value, 0);
        else if (arg == "--every") options.Every = ParseCount(arg, value, 1);
        else if (arg == "--watch") options.Watches.push_back(value);
        else if (arg == "--press") options.Events.push_back(ParseEvent(TSimEvent::Press, arg, value));
        else if (arg == "--release") options.Events.push_back(ParseEvent(TSimEvent::Release, arg, value));
        else if (arg == "--click") options.Events.push_back(ParseEvent(TSimEvent::Click, arg, value));
        else if (arg == "--replay") {
            if (!options.ReplayPath.empty()) throw TUsageError(Tr("Only one --replay may be given"));
            options.ReplayPath = value;
            options.ReplayAt = options.Events.size();
        } else if (arg == "--vcd") options.VcdPath = value;
        else if (arg == "--png") options.PngPath = value;
        else if (arg == "--svg") options.SvgPath = value;
        else if (arg == "--pdf") options.PdfPath = value;
        else if (arg == "--scale") {
            options.Scale = ParseScale(value);
            scaled = true;
        } else if (arg == "--engine") options.Engine = ParseEngine(value);
        else if (arg == "--look") options.Look = ParseLook(value);
        else if (arg == "--save") options.SavePath = value;
        else if (arg == "--test") options.TestTable = value;
        else if (arg == "--junit") options.JunitPath = value;
        else if (arg == "--lang") options.Language = value;
        else if (arg == "--lgt") options.LgtPath = value;
        else options.CsvPath = value;
        if (value.empty() && arg != "--passes" && arg != "--every") throw TUsageError(Tr("%1 needs a value", {arg}));
        if (arg == "--watch") watched = true;
        else if (arg != "--test" && arg != "--junit" && arg != "--csv" && arg != "--engine" && arg != "--lang" &&
                 arg != "--lgt")
            runOption = arg;
    }
    if (options.Help || options.Version) return options;
    if (!options.LgtPath.empty() && !options.TruthTable) throw TUsageError(Tr("--lgt goes with --truth-table"));
    if (options.Files.empty()) throw TUsageError(Tr("No FILE is given"));
    options.File = options.Files.front();
    const bool analysis = options.TruthTable || options.Expressions;
    if (analysis) {
        const char* mode = options.TruthTable ? "--truth-table" : "--expr";
        if (!options.TestTable.empty()) throw TUsageError(Tr("%1 cannot be used with --test", {mode}));
        if (!runOption.empty()) throw TUsageError(Tr("%1 cannot be used with %2", {runOption, mode}));
        if (options.Files.size() > 1)
            throw TUsageError(Tr("There are two FILEs: '%1' and '%2'", {options.Files[0], options.Files[1]}));
        if (!options.JunitPath.empty()) throw TUsageError(Tr("%1 goes with --test", {"--junit"}));
        if (!options.TruthTable && !options.CsvPath.empty())
            throw TUsageError(Tr("%1 cannot be used with %2", {"--csv", mode}));
    } else if (options.TestTable.empty()) {
        if (options.Files.size() > 1)
            throw TUsageError(Tr("There are two FILEs: '%1' and '%2'", {options.Files[0], options.Files[1]}));
        if (!options.JunitPath.empty() || !options.CsvPath.empty())
            throw TUsageError(Tr("%1 goes with --test", {options.JunitPath.empty() ? "--csv" : "--junit"}));
        if (scaled && options.PngPath.empty()) throw TUsageError(Tr("--scale goes with --png"));
        const bool onScreen = !options.PngPath.empty() || !options.SvgPath.empty();
        if (options.Look && !onScreen && options.PdfPath.empty())
            throw TUsageError(Tr("--look goes with --png, --svg or --pdf"));
        const bool clean = (!options.PdfPath.empty() && PictureLookOf(options, TPictureUse::Paper).Clean()) ||
                           (onScreen && PictureLookOf(options, TPictureUse::Screen).Clean());
        if (!levelsOption.empty() && !clean)
            throw TUsageError(Tr("%1 goes with a clean picture (--look clean, or --pdf)", {levelsOption}));
    } else if (!runOption.empty() || watched) {
        throw TUsageError(Tr("%1 cannot be used with --test", {runOption.empty() ? "--watch" : runOption}));
    }
    return options;
}

TPictureLook PictureLookOf(const TSimOptions& options, TPictureUse use)
{
    TPictureLook look = DefaultPictureLook(use);
    if (options.Look) look.Style = *options.Look;
    look.Levels = options.Levels.value_or(false);
    return look;
}

std::optional<std::string> LanguageOption(const std::vector<std::string>& args)
{
    std::optional<std::string> language;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--") break;
        if (arg.starts_with("--lang=")) language = arg.substr(7);
        else if (arg == "--lang" && i + 1 < args.size()) language = args[++i];
        else if (TakesValue(arg)) ++i;  // its value, which may begin with "-" or even read "--lang"
    }
    if (language && language->empty()) return std::nullopt;
    return language;
}
