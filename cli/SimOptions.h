#pragma once

#include "PassEngine.h"
#include "PictureLook.h"
#include "UsageError.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A mouse action on a named object in the message processing that follows pass Pass.
struct TSimEvent {
    enum TKind { Press, Release, Click };
    TKind Kind = Press;
    std::string Name;
    int64_t Pass = 1;
    // Where a replayed action was read ("RECORD:LINE"); empty for one given as an option.
    std::string Where;
};

struct TSimOptions {
    // The first FILE; --test takes several, in Files.
    std::string File;
    std::vector<std::string> Files;
    // --test: the table every FILE is checked against, and the reports of the check.
    std::string TestTable;
    std::string JunitPath;
    std::string CsvPath;
    int64_t Passes = 1000;
    int64_t Every = 1;
    std::vector<std::string> Watches;
    // In command-line order; events of one pass are applied in this order.
    std::vector<TSimEvent> Events;
    // The run record to replay; its actions go into Events at ReplayAt, its place on the command line.
    std::string ReplayPath;
    size_t ReplayAt = 0;
    std::string VcdPath;
    std::string PngPath;
    // --svg, --pdf: vector pictures of the board after the run.
    std::string SvgPath;
    std::string PdfPath;
    // --scale: board units drawn as Scale × Scale pixels of the PNG picture.
    int Scale = 1;
    // --look: how every picture looks; none for each its own default (clean for --pdf, else as on
    // screen). --levels, --no-levels: whether a clean picture shows the levels of the run.
    std::optional<TPictureStyle> Look;
    std::optional<bool> Levels;
    std::string SavePath;
    TEngineMode Engine = TEngineMode::Auto;
    bool Stats = false;
    // --lang: the language of the messages, which LanguageOption finds before the options are parsed.
    std::string Language;
    // --truth-table, --expr: what a combinational FILE computes, instead of a run.
    bool TruthTable = false;
    bool Expressions = false;
    // --lgt: with --truth-table, the table also written as a test table.
    std::string LgtPath;
    bool Help = false;
    bool Version = false;
};

// Throws TUsageError for an unknown option, a missing or malformed value, a missing FILE, more
// than one FILE without --test, or an option that does not go with --test.
TSimOptions ParseSimOptions(const std::vector<std::string>& args);

// The look of the picture for the use that the options ask for: --pdf is paper, --png and --svg
// are for the screen.
TPictureLook PictureLookOf(const TSimOptions& options, TPictureUse use);

// The language that --lang asks for (the last one given), read before anything else of the command
// line so that even its errors come in that language; none when no --lang has a value.
std::optional<std::string> LanguageOption(const std::vector<std::string>& args);

// The usage text, in English: shown through Tr.
extern const char* const SimUsage;
