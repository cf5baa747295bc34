#include "ActionManager.h"

#include "DMU.h"
#include "SpriteKit.h"

#include <QActionGroup>
#include <QPixmap>

#include <utility>

namespace {

using Member = TAction* TActionManager::*;

struct TCommandSpec {
    Member member;
    const char* name;
    const char* category;
    const char* caption;
    const char* hint;
    int image;
    const char* shortcut;
};

// The commands other than the part tools, with the captions and hints as stored.
const TCommandSpec Commands[] = {
    {&TActionManager::actNew, "actNew", "ファイル", "新規作成", "新規作成", 0, "Ctrl+N"},
    {&TActionManager::actOpen, "actOpen", "ファイル", "開く...", "ファイルを開く", 1, "Ctrl+O"},
    {&TActionManager::actSave, "actSave", "ファイル", "上書き保存", "上書き保存", 2, "Ctrl+S"},
    {&TActionManager::actSaveAs, "actSaveAs", "ファイル", "名前を付けて保存...", "", -1, "Ctrl+Shift+S"},
    {&TActionManager::actExit, "actExit", "ファイル", "終了", "", -1, ""},
    {&TActionManager::actUndo, "actUndo", "編集", "元に戻す", "元に戻す", 34, "Ctrl+Z"},
    {&TActionManager::actRedo, "actRedo", "編集", "やり直し", "やり直し", 35, "Ctrl+Y"},
    {&TActionManager::actCopy, "actCopy", "編集", "コピー(&C)", "コピー|選択範囲をクリップボードにコピー", 3, "Ctrl+C"},
    {&TActionManager::actCut, "actCut", "編集", "切り取り(&T)", "切り取り|選択部分を切り取り、クリップボードに送る", 4,
     "Ctrl+X"},
    {&TActionManager::actPaste, "actPaste", "編集", "貼り付け(&P)", "貼り付け|クリップボードの内容を貼り付ける", 5,
     "Ctrl+V"},
    {&TActionManager::actDel, "actDel", "編集", "削除(&D)", "", -1, "Ctrl+D"},
    {&TActionManager::actSelectAll, "actSelectAll", "編集", "すべてを選択(&A)", "すべてを選択|ドキュメント全体を選択する",
     -1, "Ctrl+A"},
    {&TActionManager::actRound, "actRound", "編集", "時計回りに回転(&R)", "", -1, "Ctrl+R"},
    {&TActionManager::actBoxSelection, "actBoxSelection", "編集", "選択範囲をサブ基板に(&B)",
     "選択範囲をサブ基板に|選択した部品をサブ基板に入れ、外とつながる配線には端子を置く", -1, "Ctrl+B"},
    {&TActionManager::actMacroMtn, "actMacroMtn", "編集", "マクロ設定", "", -1, "Ctrl+M"},
    {&TActionManager::actAuto, "actAuto", "", "↑", "選択ツール", 6, ""},
    {&TActionManager::actMove, "actMove", "", "移", "部品移動", 37, ""},
    {&TActionManager::actCode, "actCode", "", "線", "配電線描画", 38, ""},
    {&TActionManager::actDelete, "actDelete", "", "削", "部品削除", 39, ""},
    {&TActionManager::actSimStart, "actSimStart", "シミュレーション", "シミュレーション開始", "シミュレーション開始", 41, ""},
    {&TActionManager::actSimStop, "actSimStop", "シミュレーション", "シミュレーション終了", "シミュレーション停止", 40, ""},
    {&TActionManager::actSimPause, "actSimPause", "シミュレーション", "一時停止",
     "一時停止|シミュレーションを一時停止する。もう一度押すと再開", 42, "F8"},
    {&TActionManager::actSimStep, "actSimStep", "シミュレーション", "1パス実行", "1パス実行|1パスだけ進めて一時停止する", 43,
     "F10"},
    {&TActionManager::actSimStepN, "actSimStepN", "シミュレーション", "Nパス実行...",
     "Nパス実行|指定した数のパスを進めて一時停止する", 44, "Shift+F10"},
    {&TActionManager::actSimSpeed, "actSimSpeed", "シミュレーション", "速度", "速度|1秒あたりに進めるパス数の上限", 45, ""},
    {&TActionManager::actSimMarks, "actSimMarks", "シミュレーション", "変化した部品を表示",
     "変化した部品を表示|一時停止中と速度制限中、直前のパスで出力が変わった部品を枠で囲む", -1, ""},
    {&TActionManager::actSaveRecord, "actSaveRecord", "シミュレーション", "記録を保存...",
     "記録を保存|シミュレーション中のスイッチ操作の記録を保存する", -1, ""},
    {&TActionManager::actTest, "actTest", "シミュレーション", "テスト...", "テスト|テスト表 (.lgt) で回路を調べる", -1, ""},
    {&TActionManager::actZoomIn, "actZoomIn", "表示", "拡大", "拡大|ポインタまたは中央を中心に拡大する", -1, "Ctrl++"},
    {&TActionManager::actZoomOut, "actZoomOut", "表示", "縮小", "縮小|ポインタまたは中央を中心に縮小する", -1, "Ctrl+-"},
    {&TActionManager::actZoom100, "actZoom100", "表示", "100%", "100%|実寸で表示する", -1, "Ctrl+0"},
    {&TActionManager::actZoomFit, "actZoomFit", "表示", "回路全体を表示", "回路全体を表示|すべての部品が入るように拡大縮小する",
     -1, "Ctrl+9"},
    {&TActionManager::actZoomSelection, "actZoomSelection", "表示", "選択範囲を表示",
     "選択範囲を表示|選択した部品が入るように拡大縮小する", -1, "Ctrl+8"},
    {&TActionManager::actHelp, "actHelp", "ヘルプ", "使い方(&U)", "使い方|回路の作り方と操作の説明を開く", -1, "F1"},
    {&TActionManager::actAbout, "actAbout", "ヘルプ", "Voltraneについて...", "", -1, ""},
    {&TActionManager::Action1, "Action1", "マクロ", "（無し）", "", -1, ""},
};

struct TPartToolSpec {
    Member member;
    const char* name;
    const char* category;
    const char* hint;
    int image;
    const char* toolClass;
    int32_t toolPartNo;
};

// The part tools; each caption is the action's name, except that of act10TO2.
const TPartToolSpec PartTools[] = {
    {&TActionManager::actNAND2, "actNAND2", "PART", "NAND", 7, "TGate", 0},
    {&TActionManager::actNOR2, "actNOR2", "PART", "NOR", 8, "TGate", 2},
    {&TActionManager::actAND2, "actAND2", "PART", "AND", 10, "TGate", 4},
    {&TActionManager::actOR2, "actOR2", "PART", "OR", 11, "TGate", 5},
    {&TActionManager::actEOR2, "actEOR2", "PART", "EXOR", 12, "TGate", 6},
    {&TActionManager::actENOR, "actENOR", "PART", "EXNOR", 22, "TGate", 7},
    {&TActionManager::actNOT, "actNOT", "PART", "NOT", 9, "TNot", 0},
    {&TActionManager::actRLED, "actRLED", "PART", "LED赤", 18, "TLED", 0},
    {&TActionManager::actLED7SEG, "actLED7SEG", "PART", "７セグメントLED", 29, "TLED7SEG", 0},
    {&TActionManager::actMatrix8X8, "actMatrix8X8", "PART", "８×８LED", 36, "TMatrix8X8", 0},
    {&TActionManager::actPUSHSW, "actPUSHSW", "PART", "復帰スイッチ", 20, "TPushSW", 0},
    {&TActionManager::actTGLSW, "actTGLSW", "PART", "トグルスイッチ", 19, "TTglSW", 0},
    {&TActionManager::actPULSER, "actPULSER", "PART", "パルス発振", 23, "TPulser", 0},
    {&TActionManager::actOneShot, "actOneShot", "PART", "ワンショット", 33, "TOneShot", 0},
    {&TActionManager::actJKFF, "actJKFF", "PART", "JKF/F", 21, "TJKFF", 0},
    {&TActionManager::actDFF, "actDFF", "PART", "DF/F", 25, "TDFF", 1},
    {&TActionManager::actTFF, "actTFF", "PART", "TF/F", 26, "TTFF", 2},
    {&TActionManager::actFA, "actFA", "PART", "FA", 27, "TFullAdder", 1},
    {&TActionManager::actText, "actText", "PART", "テキスト", 24, "TTextBox", 0},
    {&TActionManager::actSCOPE, "actSCOPE", "PART", "スコープ", 28, "TScope", 0},
    {&TActionManager::actContainer, "actContainer", "PART", "マクロコンテナ", 30, "TContainer", 0},
    {&TActionManager::actInTerminal, "actInTerminal", "PART", "入力端子", 31, "TInTerminal", 0},
    {&TActionManager::actOutTerminal, "actOutTerminal", "PART", "出力端子", 32, "TOutTerminal", 1},
    {&TActionManager::act2TO10, "act2TO10", "ＭＳＩ", "", -1, "T2TO10", 0},
    {&TActionManager::act10TO2, "act10TO2", "ＭＳＩ", "", -1, "T10TO2", 1},
    {&TActionManager::act7SEG, "act7SEG", "ＭＳＩ", "", -1, "T7SEG", 2},
};

// The speed limits in passes a second, with their menu entries; 0 is no limit.
const std::pair<int, const char*> SpeedLimits[] = {
    {0, "制限なし(&U)"},          {1, "毎秒 1 パス(&1)"},   {2, "毎秒 2 パス(&2)"},     {5, "毎秒 5 パス(&5)"},
    {10, "毎秒 10 パス(&0)"},     {30, "毎秒 30 パス(&3)"}, {100, "毎秒 100 パス(&H)"}, {1000, "毎秒 1,000 パス(&K)"},
};

QIcon ActionIcon(const TImageList& images, int index)
{
    if (index < 0 || index >= images.Count()) return {};
    const QImage& image = images.Images[static_cast<size_t>(index)];
    // The style's own disabled rendering leaves a dark picture dark; ours is unmistakably pale.
    QIcon icon(QPixmap::fromImage(image));
    icon.addPixmap(QPixmap::fromImage(Unavailable(image)), QIcon::Disabled);
    return icon;
}

// The short hint before the bar is the tool tip, which names the shortcut too; the long hint after
// it goes to the status bar.
void SetHint(QAction& action, const QString& hint, const QKeySequence& shortcut)
{
    const qsizetype bar = hint.indexOf('|');
    const QString tip = bar < 0 ? hint : hint.left(bar);
    action.setToolTip(shortcut.isEmpty() || tip.isEmpty() ? tip
                                                          : tip + " (" + shortcut.toString(QKeySequence::NativeText) + ")");
    action.setStatusTip(bar < 0 ? hint : hint.mid(bar + 1));
}

}  // namespace

TAction::TAction(QObject* parent, const std::string& name, const std::string& category, const std::string& caption)
    : QAction(QString::fromStdString(caption), parent), Name(name), Category(category), Caption(caption)
{
    setObjectName(QString::fromStdString(name));
}

TActionManager::TActionManager(QObject* owner, const TImageList& images) : owner_(owner)
{
    for (const TCommandSpec& spec : Commands) {
        auto* action = new TAction(owner, spec.name, spec.category, spec.caption);
        const QKeySequence shortcut(QString::fromLatin1(spec.shortcut));
        SetHint(*action, QString::fromUtf8(spec.hint), shortcut);
        action->ImageIndex = spec.image;
        action->setIcon(ActionIcon(images, spec.image));
        action->setShortcut(shortcut);
        this->*spec.member = action;
        all_.append(action);
    }
    Action1->setEnabled(false);
    actSimStop->setEnabled(false);
    actSimPause->setCheckable(true);
    actSimPause->setEnabled(false);
    actSimMarks->setCheckable(true);
    actSimMarks->setChecked(true);
    actSaveRecord->setEnabled(false);

    auto* speeds = new QActionGroup(owner);
    speeds->setExclusive(true);
    for (const auto& [rate, caption] : SpeedLimits) {
        auto* action = new TAction(owner, "actSimSpeed" + std::to_string(rate), "シミュレーション", caption);
        action->setData(rate);
        action->setCheckable(true);
        action->setChecked(rate == 0);
        speeds->addAction(action);
        SpeedActions.push_back(action);
        all_.append(action);
    }

    ToolGroup = new QActionGroup(owner);
    ToolGroup->setExclusive(true);
    for (TAction* tool : {actAuto, actMove, actCode, actDelete}) {
        tool->setCheckable(true);
        ToolGroup->addAction(tool);
    }
    for (const TPartToolSpec& spec : PartTools) {
        const std::string name = spec.name;
        auto* action = new TAction(owner, name, spec.category, name == "act10TO2" ? "ac10TO2" : name);
        SetHint(*action, QString::fromUtf8(spec.hint), {});
        action->ImageIndex = spec.image;
        action->setIcon(ActionIcon(images, spec.image));
        action->PartTool = TAction::TPartTool{spec.toolClass, spec.toolPartNo};
        action->setCheckable(true);
        ToolGroup->addAction(action);
        this->*spec.member = action;
        all_.append(action);
    }
    actAuto->setChecked(true);
}

TAction* TActionManager::NewMacroAction(const std::string& name)
{
    auto* action = new TAction(owner_, "", "マクロ", name);
    // A name is shown as it stands: an ampersand in it marks no accelerator.
    action->setText(QString::fromStdString(name).replace('&', QStringLiteral("&&")));
    return action;
}
