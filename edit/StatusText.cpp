#include "StatusText.h"

namespace {

std::string Placing(const TStatusFacts& f)
{
    if (f.ToolClass == "TMacro") return "マクロ: 基板をクリックして配置";
    // Sub-board terminals only go inside a sub-board; a press elsewhere places nothing.
    if (f.ToolClass == "TInTerminal" || f.ToolClass == "TOutTerminal")
        return f.ToolName + ": サブ基板の中をクリックして配置";
    if (f.ToolClass == "TContainer") return f.ToolName + ": ドラッグしてサブ基板の範囲を指定";
    if (f.ToolClass == "TTextBox") return f.ToolName + ": クリックした所に文字を入力";
    return f.ToolName + ": 基板をクリックして配置";
}

std::string Editing(const TStatusFacts& f)
{
    if (f.DrawingWire)
        return f.WireEndsHere ? "配線中: 離すかクリックすると、ここまで線を引いて終了（Esc・右クリックで中止）"
                              : "配線中: 離すかクリックすると実線の部分を引いて続ける、引いたばかりの線か端子・配線の上で終了（Esc・右クリックで中止）";
    // A macro entry arms its macro without checking a tool of its own; it wins over the tool.
    if (f.ToolClass == "TMacro") return Placing(f);
    switch (f.Tool) {
    case TTool::Wire:
        return "配電線描画: 端子から端子へドラッグして配線、途中で離すと角から続ける（Escで中止）";
    case TTool::Delete:
        return "部品削除: クリックした部品を削除";
    case TTool::Move:
        // The move tool keeps an armed part: a press on empty space still places it.
        if (!f.ToolClass.empty()) return "部品移動: 部品をドラッグして移動、空いた所をクリックして" + f.ToolName + "を配置";
        return "部品移動: 部品をドラッグして移動";
    case TTool::Part:
        return f.ToolClass.empty() ? "選択ツール" : Placing(f);
    case TTool::Select:
        break;
    }
    return "選択ツール: クリックで選択、ドラッグで移動・範囲選択、右クリックで部品の設定";
}

}  // namespace

std::string GroupedDigits(int64_t n)
{
    const bool negative = n < 0;
    // Digits gathered from the last one, so that the most negative number needs no negation.
    std::string reversed;
    int count = 0;
    do {
        const int64_t digit = n % 10;
        if (count > 0 && count % 3 == 0) reversed += ',';
        reversed += static_cast<char>('0' + (digit < 0 ? -digit : digit));
        n /= 10;
        ++count;
    } while (n != 0);
    if (negative) reversed += '-';
    return {reversed.rbegin(), reversed.rend()};
}

std::string WithoutAccelerator(const std::string& caption)
{
    std::string name = caption;
    const size_t open = name.rfind("(&");
    if (open != std::string::npos && open + 4 == name.size() && name.back() == ')') name.erase(open);
    std::string out;
    for (size_t i = 0; i < name.size(); ++i) {
        if (name[i] == '&' && i + 1 < name.size()) ++i;  // "&&" stands for one '&'
        out += name[i];
    }
    return out;
}

std::string StatusText(const TStatusFacts& f)
{
    if (!f.Simulating) return Editing(f);
    const std::string limit = f.RateLimit > 0 ? "上限 毎秒 " + GroupedDigits(f.RateLimit) + " パス" : "";
    const std::string passes = GroupedDigits(f.Passes) + " パス";
    if (f.Paused)
        return "一時停止中  " + passes + (limit.empty() ? "" : "（" + limit + "）") +
               "  1パス実行 (F10) で1パスずつ進む、スイッチはクリックで操作";
    std::string text = "シミュレーション中  " + passes;
    if (f.PassRate >= 0)
        text += "（毎秒 " + GroupedDigits(f.PassRate) + " パス" + (limit.empty() ? "" : "、" + limit) + "）";
    else if (!limit.empty())
        text += "（" + limit + "）";
    return text + "  スイッチはクリックで操作";
}
