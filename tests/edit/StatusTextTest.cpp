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
        {Editing(TTool::Wire), "配電線描画: クリックごとに線を一本、同じ点でもう一度クリックして終了（Escで中止）"},
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
