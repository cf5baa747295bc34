#include "EditorFixture.h"

#include <QLabel>
#include <QStatusBar>
#include <QTest>

#include <gtest/gtest.h>

namespace {

struct StatusLine : ::testing::Test, EditorFixture {
    // The mode field once the idle refresh after the last command has run.
    std::string Mode()
    {
        QTest::qWait(1);
        QCoreApplication::processEvents();
        const auto* field = window->statusBar()->findChild<QLabel*>(QStringLiteral("modeField"));
        return field ? field->text().toStdString() : "";
    }
};

}  // namespace

TEST_F(StatusLine, TheModeFieldFollowsTheToolAndTheArmedPart)
{
    EXPECT_EQ(Mode(), "選択ツール: クリックで選択、ドラッグで移動・範囲選択、右クリックで部品の設定");
    actions->actNAND2->trigger();
    EXPECT_EQ(Mode(), "NAND: 基板をクリックして配置");
    actions->act2TO10->trigger();  // no hint: the menu entry names it
    EXPECT_EQ(Mode(), "２進１０進変換: 基板をクリックして配置");

    // Placing the part checks the select tool again, and the field says so.
    actions->actTGLSW->trigger();
    EXPECT_EQ(Mode(), "トグルスイッチ: 基板をクリックして配置");
    QTest::mouseClick(window->centralWidget(), Qt::LeftButton, {}, QPoint(100, 100));
    EXPECT_EQ(Mode(), "選択ツール: クリックで選択、ドラッグで移動・範囲選択、右クリックで部品の設定");
}

TEST_F(StatusLine, ShowsTheLongHintOfAnEntryAndCountsPassesWhileRunning)
{
    actions->actCut->showStatusText(window.get());
    EXPECT_EQ(window->statusBar()->currentMessage(), QString::fromUtf8("選択部分を切り取り、クリップボードに送る"));

    std::string during;
    EXPECT_TRUE(RunUntil([&] {
        during = window->statusBar()->findChild<QLabel*>(QStringLiteral("modeField"))->text().toStdString();
        return during.find("毎秒") != std::string::npos;
    }));
    EXPECT_EQ(during.rfind("シミュレーション中", 0), 0u) << during;
    EXPECT_GT(window->Runs->Passes(), 0);
    EXPECT_EQ(Mode(), "選択ツール: クリックで選択、ドラッグで移動・範囲選択、右クリックで部品の設定");
}

TEST_F(StatusLine, EscapeFromAWireBeingDrawnSaysTheWireToolAgain)
{
    actions->actCode->trigger();
    const std::string tool = Mode();
    QWidget* board = window->centralWidget();
    QTest::mouseMove(board, {300, 300});
    QTest::mousePress(board, Qt::LeftButton, {}, {300, 300});
    QTest::mouseMove(board, {360, 310});
    QTest::mouseMove(board, {360, 360});
    QTest::mouseRelease(board, Qt::LeftButton, {}, {360, 360});
    ASSERT_NE(Mode(), tool);  // a wire goes on from the corner
    QTest::keyClick(board, Qt::Key_Escape);
    EXPECT_EQ(Mode(), tool);
}
