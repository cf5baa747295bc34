#include "PassRate.h"
#include "StatusText.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TStatusFacts Editing(TTool tool, const std::string& toolClass = "", const std::string& name = "")
{
    TStatusFacts f;
    f.Tool = tool;
    f.ToolClass = toolClass;
    f.ToolName = name;
    return f;
}

TStatusFacts Drawing(bool endsHere)
{
    TStatusFacts f = Editing(TTool::Select);
    f.DrawingWire = true;
    f.WireEndsHere = endsHere;
    return f;
}

}  // namespace

TEST(StatusText, SaysWhatAPressDoesWithTheToolAndTheArmedPart)
{
    struct Row {
        TStatusFacts facts;
        const char* text;
    };
    const Row rows[] = {
        {Editing(TTool::Select), "選択ツール: クリックで選択、ドラッグで移動・範囲選択、右クリックで部品の設定"},
        {Editing(TTool::Part, "TGate", "NAND"), "NAND: 基板をクリックして配置"},
        {Editing(TTool::Part, "TInTerminal", "入力端子"), "入力端子: サブ基板の中をクリックして配置"},
        {Editing(TTool::Part, "TContainer", "マクロコンテナ"), "マクロコンテナ: ドラッグしてサブ基板の範囲を指定"},
        {Editing(TTool::Part, "TTextBox", "テキスト"), "テキスト: クリックした所に文字を入力"},
        {Editing(TTool::Move), "部品移動: 部品をドラッグして移動"},
        // The move tool keeps the armed part, so a press on empty space still places it.
        {Editing(TTool::Move, "TLED", "LED赤"), "部品移動: 部品をドラッグして移動、空いた所をクリックしてLED赤を配置"},
        {Editing(TTool::Wire), "配電線描画: 端子から端子へドラッグして配線、途中で離すと角から続ける（Escで中止）"},
        // Drawing a wire, with any tool: what the next release does.
        {Drawing(false), "配線中: 離すかクリックすると実線の部分を引いて続ける、引いたばかりの線か端子・配線の上で終了（Esc・右クリックで中止）"},
        {Drawing(true), "配線中: 離すかクリックすると、ここまで線を引いて終了（Esc・右クリックで中止）"},
        // A macro entry checks no tool of its own: whatever is checked, the macro is placed.
        {Editing(TTool::Wire, "TMacro"), "マクロ: 基板をクリックして配置"},
    };
    for (const Row& row : rows) EXPECT_EQ(StatusText(row.facts), row.text) << row.facts.ToolClass;
}

TEST(StatusText, WhileSimulatingCountsPassesTheirRateAndTheLimitOrSaysPaused)
{
    TStatusFacts f = Editing(TTool::Part, "TGate", "NAND");
    f.Simulating = true;
    f.Passes = 1234567;
    EXPECT_EQ(StatusText(f), "シミュレーション中  1,234,567 パス  スイッチはクリックで操作");
    f.PassRate = 250000;
    EXPECT_EQ(StatusText(f), "シミュレーション中  1,234,567 パス（毎秒 250,000 パス）  スイッチはクリックで操作");
    f.RateLimit = 1000;
    f.PassRate = 998;
    EXPECT_EQ(StatusText(f), "シミュレーション中  1,234,567 パス（毎秒 998 パス、上限 毎秒 1,000 パス）  スイッチはクリックで操作");
    f.PassRate = -1;
    EXPECT_EQ(StatusText(f), "シミュレーション中  1,234,567 パス（上限 毎秒 1,000 パス）  スイッチはクリックで操作");
    f.Paused = true;
    EXPECT_EQ(StatusText(f), "一時停止中  1,234,567 パス（上限 毎秒 1,000 パス）  1パス実行 (F10) で1パスずつ進む、スイッチはクリックで操作");
    f.RateLimit = 0;
    EXPECT_EQ(StatusText(f), "一時停止中  1,234,567 パス  1パス実行 (F10) で1パスずつ進む、スイッチはクリックで操作");
}

TEST(StatusText, GroupsDigitsInThreesAndNamesMenuEntriesWithoutAccelerators)
{
    EXPECT_EQ(GroupedDigits(0), "0");
    EXPECT_EQ(GroupedDigits(1000), "1,000");
    EXPECT_EQ(GroupedDigits(-1234), "-1,234");
    EXPECT_EQ(GroupedDigits(INT64_MIN), "-9,223,372,036,854,775,808");
    EXPECT_EQ(WithoutAccelerator("２進１０進変換(&Y)"), "２進１０進変換");
    EXPECT_EQ(WithoutAccelerator("NO&T"), "NOT");
    EXPECT_EQ(WithoutAccelerator("R&&S"), "R&S");
    EXPECT_EQ(WithoutAccelerator("a&"), "a&");
}

// A run held to `limit` passes a second, sampled by the status line's refresh every 250 ms with
// timer jitter: every rate shown is the limit itself, and nothing is shown before a second.
TEST(StatusText, ASlowedRunReadsItsOwnRateSteadily)
{
    using namespace std::chrono;
    for (const int64_t limit : {1, 5, 60, 1000}) {
        TPassRate meter;
        const TPassRate::Clock::time_point start{};
        uint32_t seed = 7;
        const auto jitter = [&seed] {
            seed = seed * 1103515245 + 12345;
            return milliseconds((seed >> 16) % 30);
        };
        for (int tick = 1; tick <= 240; ++tick) {
            const auto now = start + milliseconds(250 * tick) + jitter();
            const int64_t passes = duration_cast<microseconds>(now - start).count() * limit / 1'000'000;
            meter.Sample(passes, now);
            const int64_t shown = meter.Rate(limit);
            if (tick < 4) {
                EXPECT_LT(shown, 0) << "limit " << limit << " tick " << tick;
            } else if (tick > 5) {
                EXPECT_EQ(shown, limit) << "limit " << limit << " tick " << tick;
            }
        }
        meter.Reset();
        EXPECT_LT(meter.Rate(limit), 0);
    }
    // Unlimited: the rate measured, unrounded by any limit; a new run measures anew.
    TPassRate meter;
    const TPassRate::Clock::time_point start{};
    meter.Sample(0, start);
    meter.Sample(3'000'000, start + milliseconds(1500));
    EXPECT_EQ(meter.Rate(0), 2'000'000);
    meter.Sample(10, start + milliseconds(1750));
    EXPECT_LT(meter.Rate(0), 0);
    // A run that clearly falls behind its limit says so.
    meter.Sample(110, start + milliseconds(3750));
    EXPECT_EQ(meter.Rate(100), 50);
}
