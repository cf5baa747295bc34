// Every circuit of the golden corpus, run in every engine with and without the picture that --png
// draws, prints exactly the rows voltrane-sim printed when the corpus was written: what a run
// reads never depends on the engine or on what is painted, and any change to it is deliberate.
#include "BoardPicture.h"
#include "GoldenCorpus.h"
#include "SimCircuit.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <ostream>
#include <set>
#include <sstream>

namespace {

const std::filesystem::path Source(VOLTRANE_SOURCE);

std::string ReadText(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path.string());
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> ReadLines(const std::filesystem::path& path)
{
    std::istringstream in(ReadText(path));
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

struct TVariant {
    TEngineMode Engine;
    bool Picture;
};

std::string VariantName(const TVariant& v) { return std::string(EngineName(v.Engine)) + (v.Picture ? "_png" : ""); }
void PrintTo(const TVariant& v, std::ostream* out) { *out << VariantName(v); }

// What voltrane-sim FILE --passes=200, every corpus watch, the clicks and, for the picture,
// --png prints, run here as voltrane-sim runs it. windows draws the displays' images for the picture; none without.
std::string PrintedRows(const std::string& file, const std::vector<std::string>& clicks, const TVariant& variant,
                        WindowFactory* windows)
{
    std::vector<std::string> args{file};
    args.insert(args.end(), clicks.begin(), clicks.end());
    const TSimOptions options = ParseSimOptions(args);

    TSimCircuit sim(file, variant.Engine, windows, variant.Picture ? 1 : 0);
    const THeadlessCircuit& circuit = sim.Circuit();
    TSimRun run = sim.PrepareRun(GoldenWatches(circuit.Names(), circuit.Loaded()), options.Events);
    run.Passes = GoldenPasses;
    char* buffer = nullptr;
    size_t size = 0;
    run.Out = open_memstream(&buffer, &size);
    sim.Run(run);
    std::fclose(run.Out);
    const std::string printed(buffer, size);
    std::free(buffer);
    return printed;
}

// The first cell at which the printed rows leave the expected ones, or empty.
std::string FirstDifference(const TGoldenRows& expected, const TGoldenRows& printed)
{
    std::vector<std::string> expectedTitles, printedTitles;
    for (const TGoldenColumn& c : expected) expectedTitles.push_back(c.Title);
    for (const TGoldenColumn& c : printed) printedTitles.push_back(c.Title);
    if (expectedTitles != printedTitles) {
        size_t i = 0;
        while (i < expectedTitles.size() && i < printedTitles.size() && expectedTitles[i] == printedTitles[i]) ++i;
        return "the watched columns differ at column " + std::to_string(i + 1) + ": expected '" +
               (i < expectedTitles.size() ? expectedTitles[i] : "") + "', now '" +
               (i < printedTitles.size() ? printedTitles[i] : "") + "'";
    }
    for (size_t pass = 0; pass < static_cast<size_t>(GoldenPasses); ++pass)
        for (size_t c = 0; c < expected.size(); ++c)
            if (printed[c].Values.at(pass) != expected[c].Values.at(pass))
                return "pass " + std::to_string(pass + 1) + ", column " + expected[c].Title + ": expected " +
                       expected[c].Values[pass] + ", printed " + printed[c].Values[pass];
    return {};
}

class GoldenCorpus : public testing::TestWithParam<TVariant> {};

TEST_P(GoldenCorpus, EveryCircuitPrintsItsExpectedRows)
{
    const TVariant variant = GetParam();
    if (variant.Picture && !BoardPictureAvailable()) GTEST_SKIP() << "this build has no picture output";
    const std::unique_ptr<WindowFactory> windows = variant.Picture ? MakeBoardPictureWindows(1) : nullptr;
    std::string failures;
    int failed = 0;
    for (const TGoldenCircuit& c : GoldenCircuits(Source.string())) {
        const std::filesystem::path stem = Source / GoldenStem(c);
        std::string difference;
        try {
            const TGoldenRows expected = ReadChanges(ReadText(stem.string() + ".expected"), GoldenPasses);
            const std::string printed =
                PrintedRows((Source / c.Circuit).string(), ReadLines(stem.string() + ".clicks"), variant, windows.get());
            difference = FirstDifference(expected, ReadPrintedRows(printed));
        } catch (const std::exception& e) {
            difference = e.what();
        }
        if (!difference.empty() && ++failed <= 20) failures += "\n  " + c.Name + ": " + difference;
    }
    if (failed > 0)
        ADD_FAILURE() << failed << " circuits of the golden corpus print other rows in engine "
                      << EngineName(variant.Engine) << (variant.Picture ? " with" : " without") << " a picture:" << failures
                      << (failed > 20 ? "\n  ..." : "")
                      << "\nIf the change is deliberate, regenerate the corpus with scripts/golden and say in the "
                         "commit message which circuits changed and why (tests/golden/README.md).";
}

INSTANTIATE_TEST_SUITE_P(
    EveryEngine, GoldenCorpus,
    testing::Values(TVariant{TEngineMode::Auto, false}, TVariant{TEngineMode::Full, false},
                    TVariant{TEngineMode::Sparse, false}, TVariant{TEngineMode::Objects, false},
                    TVariant{TEngineMode::Auto, true}, TVariant{TEngineMode::Full, true},
                    TVariant{TEngineMode::Sparse, true}, TVariant{TEngineMode::Objects, true}),
    [](const testing::TestParamInfo<TVariant>& info) { return VariantName(info.param); });

// The corpus holds the generated circuits and every shipped example and macro, each with its clicks
// and expected rows, and nothing that no circuit stands for.
TEST(GoldenCorpusFiles, EveryCircuitHasItsClicksAndExpectedRows)
{
    std::set<std::filesystem::path> wanted, found;
    for (const TGoldenCircuit& c : GoldenCircuits(Source.string())) {
        const std::string stem = (Source / GoldenStem(c)).string();
        std::vector<std::filesystem::path> files{Source / c.Circuit, stem + ".clicks", stem + ".expected"};
        for (const std::filesystem::path& file : files)
            EXPECT_TRUE(std::filesystem::is_regular_file(file)) << file << " is missing; scripts/golden writes it";
        if (!c.Name.starts_with("random/")) files.erase(files.begin());
        wanted.insert(files.begin(), files.end());
    }
    for (const char* folder : {"random", "examples", "macros"})
        if (std::filesystem::is_directory(Source / "tests/golden" / folder))
            for (const auto& entry : std::filesystem::directory_iterator(Source / "tests/golden" / folder))
                found.insert(entry.path());
    for (const std::filesystem::path& file : found)
        EXPECT_TRUE(wanted.count(file)) << file << " stands for no circuit of the corpus; scripts/golden removes it";
}

// The expected files keep a column's value at pass 1 and each change; reading them gives back the
// rows, whether a column changes at pass 2, at the last pass or never.
TEST(GoldenCorpusFiles, ChangesGiveBackThePrintedRows)
{
    const std::string printed = "pass\tA.0\tLED\tSEG\n"
                                "1\t0\t0\t00\n"
                                "2\t5\t0\t00\n"
                                "3\t5\t0\t7F\n"
                                "4\t0\t1\t7F\n";
    const TGoldenRows rows = ReadPrintedRows(printed);
    const std::string changes = ChangesText(rows);
    EXPECT_EQ(changes, "A.0\t0 5@2 0@4\nLED\t0 1@4\nSEG\t00 7F@3\n");
    EXPECT_EQ(ReadChanges(changes, 4), rows);
    EXPECT_THROW(ReadChanges("A.0\t0 5@3 0@2\n", 4), std::runtime_error);
    EXPECT_THROW(ReadChanges("A.0\t0 5@5\n", 4), std::runtime_error);
    EXPECT_THROW(ReadPrintedRows("pass\tA.0\n2\t0\n"), std::runtime_error);
}

}  // namespace
