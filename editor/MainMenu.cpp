#include "MainMenu.h"

#include "ActionManager.h"

#include <QMainWindow>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

#include <initializer_list>

namespace {

using Member = TAction* TActionManager::*;

// A menu entry: the action and its menu text (none: the action's own caption); no action: a dash.
struct TEntry {
    Member action;
    const char* text;
};
constexpr TEntry Dash{nullptr, nullptr};

void AddEntries(QMenu& menu, TActionManager& actions, std::initializer_list<TEntry> entries)
{
    for (const TEntry& entry : entries) {
        if (!entry.action) {
            menu.addSeparator();
            continue;
        }
        TAction* action = actions.*entry.action;
        action->setText(QString::fromUtf8(entry.text ? entry.text : action->Caption.c_str()));
        menu.addAction(action);
    }
}

QToolBar* AddToolBar(QMainWindow& window, const char* name, TActionManager& actions, std::initializer_list<Member> items)
{
    auto* bar = new QToolBar(QString::fromLatin1(name), &window);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setIconSize(QSize(16, 16));
    bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    // The bars stay where they are built: no handle to drag them off, no floating window.
    bar->setMovable(false);
    bar->setFloatable(false);
    // The armed tool must be plain to see; the style's own checked look is a faint shade.
    bar->setStyleSheet(QStringLiteral("QToolButton:checked { background: #a8c8f0; border: 1px solid #1c4f96;"
                                      " border-radius: 2px; }"));
    for (Member item : items) {
        if (item)
            bar->addAction(actions.*item);
        else
            bar->addSeparator();
    }
    window.addToolBar(Qt::TopToolBarArea, bar);
    return bar;
}

}  // namespace

QMenu* BuildMainMenu(QMainWindow& window, TActionManager& a)
{
    using M = TActionManager;
    QMenuBar* bar = window.menuBar();
    bar->setObjectName(QStringLiteral("ActionMainMenuBar1"));

    AddEntries(*bar->addMenu(QString::fromUtf8("ファイル(&F)")), a,
               {{&M::actNew, "新規作成(&Y)"},
                {&M::actOpen, "開く(&X)..."},
                {&M::actSave, "上書き保存(&Z)"},
                {&M::actSaveAs, "名前を付けて保存(&W)..."},
                {&M::actExit, "終了(&V)"}});

    AddEntries(*bar->addMenu(QString::fromUtf8("編集(&E)")), a,
               {{&M::actUndo, "元に戻す(&Y)"},
                {&M::actRedo, "やり直し(&X)"},
                Dash,
                {&M::actCopy, nullptr},
                {&M::actCut, nullptr},
                {&M::actPaste, nullptr},
                {&M::actDel, nullptr},
                {&M::actSelectAll, nullptr},
                {&M::actRound, nullptr},
                {&M::actBoxSelection, nullptr},
                Dash,
                {&M::actMacroMtn, "マクロ設定(&Z)..."}});

    AddEntries(*bar->addMenu(QString::fromUtf8("表示(&V)")), a,
               {{&M::actZoomIn, "拡大(&I)"},
                {&M::actZoomOut, "縮小(&O)"},
                {&M::actZoom100, "100%(&A)"},
                Dash,
                {&M::actZoomFit, "回路全体を表示(&F)"},
                {&M::actZoomSelection, "選択範囲を表示(&S)"}});

    QMenu* parts = bar->addMenu(QString::fromUtf8("部品(&P)"));
    AddEntries(*parts->addMenu(QString::fromUtf8("ＭＳＩ(&H)")), a,
               {{&M::act7SEG, "７セグメント表示でコーダ(&X)"},
                {&M::act2TO10, "２進１０進変換(&Y)"},
                {&M::act10TO2, "１０進２進変換(&Z)"}});
    QMenu* macros = parts->addMenu(QString::fromUtf8("マクロ(&L)"));
    AddEntries(*macros, a, {{&M::Action1, "（無し）(&Z)"}});
    AddEntries(*parts, a,
               {{&M::actNAND2, "NANDゲート(&N)"},
                {&M::actNOR2, "NORゲート(&O)"},
                {&M::actNOT, "NO&T"},
                {&M::actAND2, "ANDゲート(&A)"},
                {&M::actOR2, "ORゲート(&R)"},
                {&M::actEOR2, "EORゲート(&E)"},
                {&M::actENOR, "EXNORゲート(&Z)"},
                {&M::actRLED, "発光ダイオード（赤、青、緑）(&Y)"},
                {&M::actLED7SEG, "７セグメント表示器（ｺﾓﾝ･ｱﾉｰﾄﾞ）(&X)"},
                {&M::actMatrix8X8, "マトリックス発光ダイオード(&W)"},
                {&M::actPUSHSW, "押しボタンスイッチ(&V)"},
                {&M::actTGLSW, "トグルスイッチ(&U)"},
                {&M::actPULSER, "パルス発生器(&S)"},
                {&M::actOneShot, "ワンショット(&C)"},
                {&M::actJKFF, "JKフリップフロップ(&J)"},
                {&M::actDFF, "Dフリップフロップ(&D)"},
                {&M::actTFF, "Tフリップフロップ(&Q)"},
                {&M::actFA, "全加算器(&P)"},
                {&M::actText, "テキスト入力(&M)"},
                {&M::actContainer, "サブ基板(&I)"},
                {&M::actInTerminal, "入力端子(&G)"},
                {&M::actOutTerminal, "出力端子(&F)"},
                {&M::actSCOPE, "オシロスコープ(&K)"}});

    auto* speeds = new QMenu(&window);
    for (TAction* speed : a.SpeedActions) speeds->addAction(speed);
    a.actSimSpeed->setMenu(speeds);
    AddEntries(*bar->addMenu(QString::fromUtf8("シミュレーション(&S)")), a,
               {{&M::actSimStart, "シミュレーション開始(&S)"},
                {&M::actSimStop, "シミュレーション終了(&E)"},
                Dash,
                {&M::actSimPause, "一時停止(&P)"},
                {&M::actSimStep, "1パス実行(&O)"},
                {&M::actSimStepN, "Nパス実行(&N)..."},
                {&M::actSimSpeed, "速度(&V)"},
                {&M::actSimMarks, "変化した部品を表示(&M)"},
                Dash,
                {&M::actSaveRecord, "記録を保存(&R)..."},
                Dash,
                {&M::actTest, "テスト(&T)..."}});
    AddEntries(*bar->addMenu(QString::fromUtf8("ヘルプ(&H)")), a, {{&M::actHelp, nullptr}, {&M::actAbout, nullptr}});
    return macros;
}

void BuildToolBars(QMainWindow& window, TActionManager& a)
{
    using M = TActionManager;
    // The window's own context menu would only list the bars by their internal names, to hide them.
    window.setContextMenuPolicy(Qt::NoContextMenu);
    AddToolBar(window, "ActionToolBar6", a, {&M::actNew, &M::actOpen, &M::actSave});
    QToolBar* commands = AddToolBar(window, "ActionToolBar8", a,
                                    {&M::actCut, &M::actCopy, &M::actPaste, nullptr, &M::actUndo, &M::actRedo, nullptr,
                                     &M::actCode, &M::actMove, &M::actDelete, nullptr, &M::actSimStop, &M::actSimStart,
                                     &M::actSimPause, &M::actSimStep, &M::actSimStepN, &M::actSimSpeed});
    // The speed button opens its list of limits at a click.
    if (auto* speed = qobject_cast<QToolButton*>(commands->widgetForAction(a.actSimSpeed)))
        speed->setPopupMode(QToolButton::InstantPopup);
    window.addToolBarBreak(Qt::TopToolBarArea);
    AddToolBar(window, "ActionToolBar7", a,
               {&M::actAuto,   &M::actNAND2,     &M::actNOR2,  &M::actNOT,     &M::actAND2,      &M::actOR2,
                &M::actEOR2,   &M::actENOR,      &M::actRLED,  &M::actLED7SEG, &M::actMatrix8X8, &M::actPUSHSW,
                &M::actTGLSW,  &M::actPULSER,    &M::actOneShot, &M::actJKFF,  &M::actDFF,       &M::actTFF,
                &M::actFA,     &M::actText,      &M::actContainer, &M::actInTerminal, &M::actOutTerminal,
                &M::actSCOPE});
}
