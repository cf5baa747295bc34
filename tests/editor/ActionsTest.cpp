#include "EditorFixture.h"

#include <QLineEdit>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QToolBar>

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

namespace {

struct Actions : ::testing::Test, EditorFixture {
    QStringList MenuTexts(QMenu* menu) const
    {
        QStringList texts;
        for (QAction* action : menu->actions()) texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
        return texts;
    }
    QMenu* TopMenu(int i) const { return window->menuBar()->actions().at(i)->menu(); }
    // The checked tools; the run controls keep their own checks.
    std::vector<TAction*> Checked() const
    {
        std::vector<TAction*> checked;
        for (TAction* a : actions->All())
            if (a->isChecked() && a->actionGroup() == actions->ToolGroup) checked.push_back(a);
        return checked;
    }
};

QString U(const char* s) { return QString::fromUtf8(s); }

}  // namespace

TEST_F(Actions, CarryTheirCategoryCaptionHintImageAndShortcut)
{
    struct Row {
        TAction* action;
        const char *category, *caption, *shortHint, *longHint;
        int image;
        const char* shortcut;
    };
    TActionManager& a = *actions;
    const Row rows[] = {
        // The tool tip names the shortcut.
        {a.actNew, "ファイル", "新規作成", "新規作成 (Ctrl+N)", "新規作成", 0, "Ctrl+N"},
        {a.actSaveAs, "ファイル", "名前を付けて保存...", "", "", -1, "Ctrl+Shift+S"},
        {a.actUndo, "編集", "元に戻す", "元に戻す (Ctrl+Z)", "元に戻す", 34, "Ctrl+Z"},
        {a.actCut, "編集", "切り取り(&T)", "切り取り (Ctrl+X)", "選択部分を切り取り、クリップボードに送る", 4,
         "Ctrl+X"},
        {a.actDel, "編集", "削除(&D)", "", "", -1, "Ctrl+D"},
        {a.actMacroMtn, "編集", "マクロ設定", "", "", -1, "Ctrl+M"},
        {a.actCode, "", "線", "配電線描画", "配電線描画", 38, ""},
        {a.actSimStop, "シミュレーション", "シミュレーション終了", "シミュレーション停止", "シミュレーション停止", 40,
         ""},
        {a.Action1, "マクロ", "（無し）", "", "", -1, ""},
        {a.actENOR, "PART", "actENOR", "EXNOR", "EXNOR", 22, ""},
        {a.act10TO2, "ＭＳＩ", "ac10TO2", "", "", -1, ""},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.action->Name);
        EXPECT_EQ(r.action->Category, r.category);
        EXPECT_EQ(r.action->Caption, r.caption);
        if (*r.shortHint) {
            EXPECT_EQ(r.action->toolTip(), U(r.shortHint));
        }
        EXPECT_EQ(r.action->statusTip(), U(r.longHint));
        EXPECT_EQ(r.action->ImageIndex, r.image);
        EXPECT_EQ(r.action->icon().isNull(), r.image < 0);
        EXPECT_EQ(r.action->shortcut(), QKeySequence(QString::fromLatin1(r.shortcut)));
    }
    EXPECT_FALSE(a.Action1->isEnabled());
    EXPECT_FALSE(a.actSimStop->isEnabled());
    EXPECT_TRUE(a.actSimStart->isEnabled());
}

TEST_F(Actions, MenusComeInOrderWithTheirAccelerators)
{
    QStringList tops;
    for (QAction* a : window->menuBar()->actions()) tops << a->text();
    EXPECT_EQ(tops, QStringList({U("ファイル(&F)"), U("編集(&E)"), U("表示(&V)"), U("部品(&P)"),
                                 U("シミュレーション(&S)"), U("ヘルプ(&H)")}));
    EXPECT_EQ(MenuTexts(TopMenu(0)),
              QStringList({U("新規作成(&Y)"), U("開く(&X)..."), U("上書き保存(&Z)"), U("名前を付けて保存(&W)..."), "-",
                           U("画像として書き出し(&E)..."), U("印刷(&P)..."), "-", U("最近使ったファイル(&R)"), "-",
                           U("終了(&V)")}));
    EXPECT_EQ(MenuTexts(TopMenu(1)),
              QStringList({U("元に戻す(&Y)"), U("やり直し(&X)"), "-", U("コピー(&C)"), U("切り取り(&T)"),
                           U("画像としてコピー(&I)"), U("貼り付け(&P)"), U("削除(&D)"), U("すべてを選択(&A)"),
                           U("時計回りに回転(&R)"), U("選択範囲をサブ基板に(&B)"), "-", U("マクロ設定(&Z)...")}));
    EXPECT_EQ(MenuTexts(TopMenu(2)),
              QStringList({U("拡大(&I)"), U("縮小(&O)"), U("100%(&A)"), "-", U("回路全体を表示(&F)"),
                           U("選択範囲を表示(&S)"), "-", U("0/1 表示(&T)"), U("配色(&C)"), U("&Language / 表示言語")}));
    const QStringList parts = MenuTexts(TopMenu(3));
    ASSERT_EQ(parts.size(), 25);
    EXPECT_EQ(parts.mid(0, 4),
              QStringList({U("ＭＳＩ(&H)"), U("マクロ(&L)"), U("NANDゲート(&N)"), U("NORゲート(&O)")}));
    EXPECT_EQ(parts[8], U("EXNORゲート(&Z)"));
    EXPECT_EQ(parts[24], U("オシロスコープ(&K)"));
    EXPECT_EQ(MenuTexts(TopMenu(3)->actions()[0]->menu()),
              QStringList({U("７セグメント表示でコーダ(&X)"), U("２進１０進変換(&Y)"), U("１０進２進変換(&Z)")}));
    EXPECT_EQ(MenuTexts(TopMenu(4)),
              QStringList({U("シミュレーション開始(&S)"), U("シミュレーション終了(&E)"), "-", U("一時停止(&P)"),
                           U("1パス実行(&O)"), U("Nパス実行(&N)..."), U("速度(&V)"), U("変化した部品を表示(&M)"), "-",
                           U("記録を保存(&R)..."), "-", U("テスト(&T)..."), U("タイミング図(&G)..."),
                           U("回路の解析(&A)...")}));
    EXPECT_EQ(
        MenuTexts(actions->actSimSpeed->menu()),
        QStringList({U("制限なし(&U)"), U("毎秒 1 パス(&1)"), U("毎秒 2 パス(&2)"), U("毎秒 5 パス(&5)"),
                     U("毎秒 10 パス(&0)"), U("毎秒 30 パス(&3)"), U("毎秒 100 パス(&H)"), U("毎秒 1,000 パス(&K)")}));
    EXPECT_EQ(MenuTexts(TopMenu(5)), QStringList({U("使い方(&U)"), U("Voltraneについて...")}));
}

// Two entries of one menu that read the same leave the user to guess; the accelerators alone
// do not tell them apart. Every menu of the window counts: the menu bar's, their submenus and
// the popups.
TEST_F(Actions, NoTwoEntriesOfAMenuReadTheSame)
{
    const auto words = [](QString text) {
        static const QRegularExpression accelerator(QStringLiteral("\\(&[^)]\\)"));
        text.remove(accelerator);
        return text.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove('&').replace('\x01', '&');
    };
    int menus = 0;
    for (QMenu* menu : window->findChildren<QMenu*>()) {
        SCOPED_TRACE(menu->title().toStdString());
        ++menus;
        std::set<QString> seen;
        for (QAction* entry : menu->actions()) {
            if (entry->isSeparator()) continue;
            EXPECT_TRUE(seen.insert(words(entry->text())).second) << entry->text().toStdString();
        }
    }
    EXPECT_GE(menus, 8);
    EXPECT_EQ(words(U("NO&T")), U("NOT"));
    EXPECT_EQ(words(U("開く(&X)...")), U("開く..."));
}

TEST_F(Actions, ToolBarsStandInTwoRows)
{
    auto* row1left = window->findChild<QToolBar*>("ActionToolBar6");
    auto* row1right = window->findChild<QToolBar*>("ActionToolBar8");
    auto* row2 = window->findChild<QToolBar*>("ActionToolBar7");
    ASSERT_TRUE(row1left && row1right && row2);
    EXPECT_EQ(row1left->actions(), QList<QAction*>({actions->actNew, actions->actOpen, actions->actSave}));
    EXPECT_EQ(row1right->actions().size(), 17);  // 14 commands and 3 separators
    EXPECT_EQ(row1right->actions().mid(12),
              QList<QAction*>({actions->actSimStart, actions->actSimPause, actions->actSimStep, actions->actSimStepN,
                               actions->actSimSpeed}));
    EXPECT_EQ(row2->actions().size(), 24);
    EXPECT_EQ(row2->actions().first(), actions->actAuto);
    EXPECT_EQ(row2->actions().last(), actions->actSCOPE);
    EXPECT_TRUE(window->toolBarBreak(row2));
    EXPECT_EQ(row1left->y(), row1right->y());
    EXPECT_LT(row1left->y(), row2->y());
}

TEST_F(Actions, ToolBarsCannotBeTornOffHiddenOrMoved)
{
    for (QToolBar* bar : window->findChildren<QToolBar*>()) {
        SCOPED_TRACE(bar->objectName().toStdString());
        EXPECT_FALSE(bar->isMovable());
        EXPECT_FALSE(bar->isFloatable());
    }
    EXPECT_EQ(window->contextMenuPolicy(), Qt::NoContextMenu);
}

namespace {
int MeanGrey(const QPixmap& pixmap)
{
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    long sum = 0, count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qAlpha(p) == 0) continue;
            // Seen over a light tool bar: a half-transparent pixel is half way to white.
            sum += 255 - (255 - qGray(p)) * qAlpha(p) / 255;
            ++count;
        }
    return count ? static_cast<int>(sum / count) : 255;
}
}  // namespace

TEST_F(Actions, DisabledPicturesArePaleAndTheArmedToolStandsOut)
{
    const QIcon save = actions->actSave->icon();
    const int normal = MeanGrey(save.pixmap(16, 16, QIcon::Normal));
    const int disabled = MeanGrey(save.pixmap(16, 16, QIcon::Disabled));
    EXPECT_GT(disabled, normal + 60) << normal << " " << disabled;
    EXPECT_GT(disabled, 170);

    auto* bar = window->findChild<QToolBar*>("ActionToolBar7");
    QWidget* button = bar->widgetForAction(actions->actNAND2);
    ASSERT_TRUE(button);
    button->resize(button->sizeHint());
    const QImage idle = button->grab().toImage();
    actions->actNAND2->setChecked(true);
    const QImage armed = button->grab().toImage();
    ASSERT_EQ(idle.size(), armed.size());
    int changed = 0;
    for (int y = 0; y < idle.height(); ++y)
        for (int x = 0; x < idle.width(); ++x)
            if (std::abs(qGray(idle.pixel(x, y)) - qGray(armed.pixel(x, y))) > 40) ++changed;
    EXPECT_GT(changed, idle.width() * idle.height() / 4);
}

TEST_F(Actions, TableHoldsThe38EditingActionsInOrder)
{
    const auto& table = window->ActionManager1.ActionTable;
    EXPECT_EQ(table.front(), actions->actNew);
    EXPECT_EQ(table[6], actions->actAuto);
    EXPECT_EQ(table[35], actions->actUndo);
    EXPECT_EQ(table.back(), actions->actMatrix8X8);
    ASSERT_EQ(table.size(), 38u);
    const std::set<TAction*> distinct(table.begin(), table.end());
    EXPECT_EQ(distinct.size(), 38u);
    EXPECT_EQ(distinct.count(nullptr), 0u);  // no place of the table left empty
    for (TAction* outside :
         {actions->actSaveAs, actions->actExit, actions->actDel, actions->actSelectAll, actions->actRound,
          actions->actMacroMtn, actions->actAbout, actions->actSimStart, actions->actSimStop})
        EXPECT_EQ(distinct.count(outside), 0u) << outside->Name;
}

TEST_F(Actions, EnablingFollowsSelectionModifiedUndoAndSimulating)
{
    TActionManager& a = *actions;
    const auto enabled = [](std::initializer_list<TAction*> list) {
        std::string states;
        for (TAction* action : list) states += action->isEnabled() ? '1' : '0';
        return states;
    };
    //                                  Save Copy Cut Del Round Undo Redo New Open Paste Auto NOT SaveAs SelectAll
    const auto all = {a.actSave, a.actCopy, a.actCut,   a.actDel,  a.actRound, a.actUndo,   a.actRedo,
                      a.actNew,  a.actOpen, a.actPaste, a.actAuto, a.actNOT,   a.actSaveAs, a.actSelectAll};
    EXPECT_EQ(enabled(all), "00000001111111");  // right after start-up

    auto* gate = window->Bord.Create<TNot>(nullptr);
    window->State.SelectOnly(gate);
    window->UpdateActions();
    EXPECT_EQ(enabled(all), "01111001111111");

    window->State.Modified = true;
    window->State.SelectOnly(nullptr);
    window->UpdateActions();
    EXPECT_EQ(enabled(all), "10000001111111");

    window->Circuit.Context.OpenBatch();
    gate->RecordCreate("MouseDown CreatePart");
    window->Circuit.Context.PushBatch();
    window->UpdateActions();
    EXPECT_EQ(enabled(all), "10000101111111");

    window->Circuit.Context.Simulating = true;
    window->UpdateActions();
    EXPECT_EQ(enabled(all), "10000100000011");  // Save and Undo keep their own rules
    window->Circuit.Context.Simulating = false;
    QTest::mouseClick(window->centralWidget(), Qt::LeftButton);  // any input refreshes once idle
    QCoreApplication::processEvents();
    EXPECT_EQ(enabled(all), "10000101111111");
}

TEST_F(Actions, WhileSimulatingEveryEditingActionIsOffButThoseWithRulesOfTheirOwn)
{
    TActionManager& a = *actions;
    window->State.SelectOnly(window->Bord.Create<TNot>(nullptr));
    window->State.Modified = true;
    window->Circuit.Context.Simulating = true;
    window->UpdateActions();
    // Nothing to undo or redo: of the table only Save, Copy and Cut stay, by their own rules.
    for (TAction* action : a.ActionTable)
        EXPECT_EQ(action->isEnabled(), action == a.actSave || action == a.actCopy || action == a.actCut)
            << action->Name;
    for (TAction* off : {a.actTest, a.actBoxSelection, a.Action1}) EXPECT_FALSE(off->isEnabled()) << off->Name;
    for (TAction* on : {a.actDel, a.actRound, a.actSelectAll, a.actSaveAs, a.actMacroMtn, a.actExit, a.actAbout})
        EXPECT_TRUE(on->isEnabled()) << on->Name;
    window->Circuit.Context.Simulating = false;
}

TEST_F(Actions, ToolsAreExclusiveAndPartToolsArmTheirClass)
{
    struct Row {
        TAction* tool;
        const char* toolClass;
        int32_t partNo;
    };
    TActionManager& a = *actions;
    const Row rows[] = {
        {a.actNAND2, "TGate", 0},   {a.actNOR2, "TGate", 2},
        {a.actENOR, "TGate", 7},    {a.actNOT, "TNot", 0},
        {a.actDFF, "TDFF", 1},      {a.actTFF, "TTFF", 2},
        {a.actFA, "TFullAdder", 1}, {a.actOutTerminal, "TOutTerminal", 1},
        {a.act10TO2, "T10TO2", 1},  {a.act7SEG, "T7SEG", 2},
        {a.actSCOPE, "TScope", 0},  {a.actMatrix8X8, "TMatrix8X8", 0},
    };
    EXPECT_EQ(Checked(), std::vector<TAction*>{a.actAuto});
    for (const Row& r : rows) {
        r.tool->trigger();
        EXPECT_EQ(window->State.ToolClass, r.toolClass) << r.tool->Name;
        EXPECT_EQ(window->State.ToolPartNo, r.partNo) << r.tool->Name;
        EXPECT_EQ(Checked(), std::vector<TAction*>{r.tool});
    }
    a.actRLED->trigger();
    for (TAction* keeper : {a.actMove, a.actCode, a.actDelete}) {
        keeper->trigger();  // the move, wire and delete tools keep the armed part
        EXPECT_EQ(window->State.ToolClass, "TLED");
        EXPECT_EQ(Checked(), std::vector<TAction*>{keeper});
    }
    a.actAuto->trigger();
    EXPECT_EQ(window->State.ToolClass, "");
    EXPECT_EQ(Checked(), std::vector<TAction*>{a.actAuto});
}

TEST_F(Actions, SnapRoundsToTheNearestGridLine)
{
    const int32_t in[] = {14, 15, -4, -16, 0, 5, -5, -15, INT32_MAX - 4};
    const int32_t out[] = {10, 20, 0, -10, 0, 10, 0, -10, INT32_MAX - 7};
    for (size_t i = 0; i < std::size(in); ++i) {
        EXPECT_EQ(window->State.SnapX(in[i]), out[i]) << in[i];
        EXPECT_EQ(window->State.SnapY(in[i]), out[i]) << in[i];
    }
}

TEST_F(Actions, SelectOnlyReplacesTheSelection)
{
    auto* first = window->Bord.Create<TNot>(nullptr);
    auto* second = window->Bord.Create<TNot>(nullptr);
    EXPECT_EQ(window->State.FirstSelected(), nullptr);
    window->State.SelectedParts.Add(first);
    window->State.SelectedParts.Add(second);
    EXPECT_EQ(window->State.FirstSelected(), first);
    window->State.SelectOnly(second);
    EXPECT_EQ(window->State.SelectedParts.Count(), 1);
    EXPECT_EQ(window->State.FirstSelected(), second);
    window->State.SelectOnly(nullptr);
    EXPECT_TRUE(window->State.SelectedParts.Empty());
}

TEST_F(Actions, EscapeAndDeleteReachTheWindowBeforeItsControls)
{
    auto* edit = new QLineEdit(QStringLiteral("abc"), window->centralWidget());
    edit->show();
    edit->setFocus();
    edit->setCursorPosition(0);
    QSignalSpy deletes(actions->actDel, &QAction::triggered);
    ASSERT_FALSE(actions->actDel->isEnabled());
    QTest::keyClick(edit, Qt::Key_Delete);
    EXPECT_EQ(deletes.count(), 1);  // even with the action disabled
    EXPECT_EQ(edit->text(), QStringLiteral("abc"));

    window->State.EditState = esDrawingCode;
    TWindowSurface& screen = window->WindowSurface();
    screen.SetPenMode(TPenMode::Xor);
    screen.SetPenColor(clLime);
    screen.MoveTo(5, 5);
    screen.LineTo(60, 5);  // a wire preview
    ASSERT_NE(screen.Image(), window->BoardSurface().Image());
    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_EQ(window->State.EditState, esNone);
    EXPECT_EQ(screen.Image(), window->BoardSurface().Image());
}

TEST_F(Actions, StartUpTitlesTheWindowAndEmptiesTheClipboard)
{
    EXPECT_EQ(window->windowTitle(), U("Voltrane　論理シミュレータ - 無題[*]"));
    EXPECT_FALSE(window->isWindowModified());
    EXPECT_EQ(shell.Clipboard, "");
    EXPECT_EQ(window->State.EditState, esNone);
    EXPECT_FALSE(window->State.Modified);
    EXPECT_FALSE(window->Simulating());
}
