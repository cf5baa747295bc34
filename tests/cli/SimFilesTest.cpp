// The files voltrane-sim reads and writes: outputs appear whole or not at all, never over the input
// or over each other, streams stay streams, and what the input holds reaches messages escaped.
#include "ScratchFolder.h"
#include "SimProcess.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;

const std::string Chain = Data("sim_toggle_chain.lgc");

// A scratch folder holding a copy of the chain as c.lgc and old outputs.
struct RunFolder : ScratchFolder {
    RunFolder()
    {
        Put("c.lgc", Slurp(Chain));
        Put("old.vcd", "old waveform");
        Put("old.png", "old picture");
        Put("old.lgc", "old circuit");
    }
};

std::string WriteError(const std::string& path) { return "voltrane-sim: ファイル " + path + " に書き込めません ("; }

TEST(VoltraneSimFiles, RefusesOutputsThatOverwriteTheInputOrEachOther)
{
    RunFolder s;
    fs::create_symlink("c.lgc", s / "link.lgc");
    const auto before = s.Snapshot();
    const std::vector<std::vector<std::string>> cases = {
        {"--vcd", s / "c.lgc"},
        {"--png", s / "c.lgc"},
        {"--svg", s / "c.lgc"},
        {"--save", s / "link.lgc"},
        {"--save", s / "new.lgc", "--vcd", s / "./new.lgc"},
        {"--vcd", s / "old.vcd", "--png", s / "old.vcd"},
        {"--png", s / "old.png", "--pdf", s / "old.png"},
        {"--save", "-", "--vcd", "/dev/stdout"},
    };
    for (std::vector<std::string> args : cases) {
        args.insert(args.begin(), s / "c.lgc");
        const Outcome o = Sim(args);
        EXPECT_EQ(o.status, 2) << args[1] << " " << args[2];
        EXPECT_NE(o.err.find(args.size() == 3 ? "を上書きします" : "が同じファイル"),
                  std::string::npos)
            << o.err;
        EXPECT_EQ(s.Snapshot(), before);
    }
}

TEST(VoltraneSimFiles, LinksAreWrittenThroughAndStreamsDirectly)
{
    RunFolder s;
    fs::create_symlink("old.lgc", s / "link.lgc");
    ASSERT_EQ(::mkfifo((s / "fifo").c_str(), 0600), 0);
    std::string piped;
    std::thread reader([&] { piped = Slurp(s / "fifo"); });
    const Outcome o = Sim({s / "c.lgc", "--passes", "1", "--save", s / "link.lgc", "--vcd", s / "fifo"});
    reader.join();
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_TRUE(piped.starts_with("$version voltrane-sim $end\n"));
    const auto after = s.Snapshot();
    EXPECT_EQ(after.at("link.lgc"), "link to old.lgc");
    EXPECT_EQ(after.at("old.lgc"), Slurp(Chain));
    EXPECT_EQ(after.at("fifo"), "fifo");
    EXPECT_EQ(after.size(), 6u);  // c.lgc, the three old outputs, the link and the FIFO

    // Standard output given to an output is its alone: the rows would spoil it.
    const Outcome saved = Sim({s / "c.lgc", "--passes", "3", "--watch", "TNot1.1", "--save", "-"});
    EXPECT_EQ(saved.status, 0) << saved.err;
    EXPECT_EQ(saved.out, Slurp(Chain));
}

TEST(VoltraneSimFiles, AFullDiskLeavesEveryOldOutputAsItWas)
{
    RunFolder s;
    const auto before = s.Snapshot();
    std::vector<std::string> manyColumns = {s / "c.lgc", "--passes", "1", "--vcd", s / "old.vcd"};
    for (int i = 0; i < 60; ++i) manyColumns.insert(manyColumns.end(), {"--watch", "TNot1.1"});
    // Each limit lets the rows and the message through but not the output.
    struct Case {
        std::vector<std::string> args;
        std::string failing;
        rlim_t limit;
    };
    const std::vector<Case> cases = {
        {{s / "c.lgc", "--save", s / "old.lgc"}, s / "old.lgc", 400},
        {{s / "c.lgc", "--passes", "0", "--png", s / "old.png"}, s / "old.png", 400},
        {{s / "c.lgc", "--passes", "0", "--svg", s / "old.png"}, s / "old.png", 400},
        {{s / "c.lgc", "--pdf", s / "old.png"}, s / "old.png", 400},
        {manyColumns, s / "old.vcd", 1000},
    };
    for (const Case& c : cases) {
        Outcome o;
        {
            const FileSizeLimit full(c.limit);
            o = Sim(c.args);
        }
        EXPECT_EQ(o.status, 1) << c.failing;
        EXPECT_NE(o.err.find(WriteError(c.failing)), std::string::npos) << o.err;
        EXPECT_EQ(s.Snapshot(), before);
    }
}

TEST(VoltraneSimFiles, VectorPicturesAreWrittenBesideTheRaster)
{
    RunFolder s;
    const Outcome o = Sim({s / "c.lgc", "--passes", "5", "--svg", s / "c.svg", "--pdf", s / "c.pdf", "--png", s / "c.png"});
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_TRUE(Slurp(s / "c.svg").starts_with("<?xml")) << Slurp(s / "c.svg").substr(0, 80);
    EXPECT_NE(Slurp(s / "c.svg").find("<svg"), std::string::npos);
    EXPECT_TRUE(Slurp(s / "c.pdf").starts_with("%PDF-"));
    EXPECT_TRUE(Slurp(s / "c.png").starts_with("\x89PNG"));
}

TEST(VoltraneSimFiles, InputThatNeverEndsOrIsNoFileIsRefused)
{
    RunFolder s;
    for (const std::string& input : {std::string("/dev/zero"), s / ""}) {
        const Outcome o = Sim({input});
        EXPECT_EQ(o.status, 1);
        EXPECT_NE(o.err.find("は通常のファイルではないので読み込めません"), std::string::npos) << o.err;
    }
}

TEST(VoltraneSimFiles, ValuesFromTheFileReachMessagesEscapedAndCut)
{
    RunFolder s;
    std::string text = Slurp(Chain);
    text.replace(text.find("Left="), 5, "Left=\x1B]0;owned\x07" + std::string(10'000'000, '7'));
    s.Put("hostile.lgc", text);
    const Outcome o = Sim({s / "hostile.lgc"});
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(o.err.find('\x1B'), std::string::npos);
    EXPECT_NE(o.err.find("'\\x1B]0;owned\\x0777777"), std::string::npos) << o.err;
    EXPECT_LT(o.err.size(), 300u);
}

TEST(VoltraneSimFiles, BytesOutsideCodePage932AreNamedOnLoad)
{
    RunFolder s;
    std::string text = Slurp(Chain);
    text.insert(text.find("\r\nContainerName="), "\xFF");  // line 3, Name=TTglSW0
    s.Put("odd.lgc", text);
    const Outcome o = Sim({s / "odd.lgc", "--passes", "1", "--watch", "TTglSW0?.0"});
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_NE(o.err.find("voltrane-sim: 警告: ファイル " + s / "odd.lgc" + " の 3 行目にコード ページ 932 の文字でない"),
              std::string::npos)
        << o.err;
}

}  // namespace
