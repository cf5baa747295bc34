// The test command: a table run against the open circuit, its rows in the report window, and a
// double click that runs the circuit to a row and pauses there.
#include "EditorFixture.h"
#include "TestReportFormU.h"

#include <QLabel>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <fstream>

namespace {

std::string Example(const std::string& name) { return std::string(VOLTRANE_EXAMPLES) + "/" + name; }

TEST(TestReportWindow, ListsTheRowsInColourAndADoubleClickSetsTheCircuitToARow)
{
    EditorFixture f;
    ASSERT_TRUE(f.window->Document.OpenFile(Example("half-adder-broken.lgc")));
    f.shell.OpenAnswers = {Example("half-adder.lgt")};
    f.actions->actTest->trigger();
    TTestReportForm* form = f.window->Tests->frmTestReport;
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->lblSummary->text().toStdString(), "FAIL " + Example("half-adder.lgt") + ": 4 行中 3 行合格");
    QTableWidget* grid = form->grdRows;
    ASSERT_EQ(grid->rowCount(), 4);
    ASSERT_EQ(grid->columnCount(), 6);  // line, A, B, S, C, verdict
    for (int r = 0; r < 4; ++r)
        EXPECT_EQ(grid->item(r, 0)->background().color(),
                  r < 3 ? TTestReportForm::PassedColor : TTestReportForm::FailedColor);
    EXPECT_EQ(grid->item(3, 0)->text().toStdString(), "8");
    EXPECT_EQ(grid->item(3, 3)->text().toStdString(), "期待 0 実際 1");
    EXPECT_EQ(grid->item(3, 4)->text().toStdString(), "1");
    EXPECT_EQ(grid->item(3, 5)->text().toStdString(), "不合格");

    // The failing row: a run paused there, both switches on, both lamps lit; one more pass changes
    // nothing, as the row had settled.
    const TBord& board = f.window->Bord;
    const auto atRow = [&] {
        return board.Items(0)->Tanshis.Items(0)->Level == LevelHigh && board.Items(1)->Tanshis.Items(0)->Level == LevelHigh &&
               static_cast<const TLED*>(board.Items(4))->ShowsLit && static_cast<const TLED*>(board.Items(5))->ShowsLit;
    };
    bool pausedAtRow = false, steppedOn = false;
    std::string statusWhilePaused;
    QTimer poll;
    int pausedPolls = 0;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (!f.window->Simulating() || !f.actions->actSimPause->isChecked()) return;
        if (f.window->Runs->Passes() == 0) {
            // The simulating look comes with the run's first redraw, which a busy machine may run a poll
            // or two after the pause: the levels are looked at once it is there, or after two seconds.
            const bool simulatingLook = f.window->BoardSurface().PixelAt(10, 10) == clBtnFace;
            if (!simulatingLook && ++pausedPolls < 400) return;
            pausedAtRow = atRow() && simulatingLook;
            statusWhilePaused = form->lblStatus->text().toStdString();
            f.actions->actSimStep->trigger();
            return;
        }
        steppedOn = f.window->Runs->Passes() == 1 && atRow();
        poll.stop();
        f.actions->actSimStop->trigger();
    });
    poll.start(5);
    const QPoint cell = grid->visualItemRect(grid->item(3, 1)).center();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell);
    EXPECT_TRUE(pausedAtRow);
    EXPECT_TRUE(steppedOn);
    EXPECT_FALSE(f.window->Simulating());
    EXPECT_FALSE(f.window->State.Modified);
    EXPECT_FALSE(f.actions->actSaveRecord->isEnabled());  // no student's session to record
    EXPECT_EQ(statusWhilePaused.rfind("8 行目 [1 1 | 0 1]: S 期待 0 実際 1\n", 0), 0u);
    // The run has ended: the line no longer says it is paused.
    EXPECT_EQ(form->lblStatus->text().toStdString().find("一時停止"), std::string::npos);
    EXPECT_TRUE(QTest::qWaitFor([&] { return f.actions->actTest->isEnabled(); }));

    // A name the circuit lacks is the whole report; a malformed table is an error box naming its line.
    const std::string lacking = f.shell.Folder + "/lacking.lgt", malformed = f.shell.Folder + "/malformed.lgt";
    std::ofstream(lacking) << "A=Nobody | S=TLED4\n0 | 0\n";
    std::ofstream(malformed) << "A | S\n0 | 0 0\n";
    f.shell.OpenAnswers = {lacking, malformed};
    f.actions->actTest->trigger();
    EXPECT_EQ(grid->rowCount(), 0);
    EXPECT_NE(form->lblSummary->text().toStdString().find("'Nobody' という名前の部品はありません"), std::string::npos);
    f.actions->actTest->trigger();
    ASSERT_EQ(f.shell.Errors.size(), 1u);
    EXPECT_EQ(f.shell.Errors[0], malformed + ": 2 行目: 値が 3 個あります。列は 2 個です");

    // No test while a run goes on.
    EXPECT_TRUE(f.RunUntil([&] { return !f.actions->actTest->isEnabled(); }));
}

TEST(TestReportWindow, ANewCheckOrAnEditLeavesNoStaleVerdictUnderTheRows)
{
    EditorFixture f;
    ASSERT_TRUE(f.window->Document.OpenFile(Example("half-adder.lgc")));
    f.shell.OpenAnswers = {Example("half-adder.lgt")};
    f.actions->actTest->trigger();
    TTestReportForm* form = f.window->Tests->frmTestReport;
    ASSERT_NE(form, nullptr);
    QTableWidget* grid = form->grdRows;
    const QString hint = form->lblStatus->text();

    // A double click on row 4 pauses a run there; the stop ends it.
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (f.window->Simulating() && f.actions->actSimPause->isChecked()) f.actions->actSimStop->trigger();
    });
    poll.start(5);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, grid->visualItemRect(grid->item(3, 1)).center());
    poll.stop();
    EXPECT_EQ(form->lblStatus->text(), hint);

    // Another circuit tested: its failing row is shown and the line under the rows is the hint.
    ASSERT_TRUE(f.window->Document.OpenFile(Example("half-adder-broken.lgc")));
    QCoreApplication::processEvents();
    EXPECT_NE(form->lblStatus->text(), hint);  // outdated since the open
    f.shell.OpenAnswers = {Example("half-adder.lgt")};
    f.actions->actTest->trigger();
    EXPECT_EQ(form->lblStatus->text(), hint);
    EXPECT_EQ(grid->item(3, 5)->text().toStdString(), "不合格");
    EXPECT_EQ(grid->item(3, 5)->foreground().color(), QColor(Qt::black));

    // An edit greys the rows and says the result is of the circuit before it.
    f.actions->actSelectAll->trigger();
    QCoreApplication::processEvents();  // the idle refresh enables rotation
    f.actions->actRound->trigger();
    QCoreApplication::processEvents();
    EXPECT_TRUE(form->Outdated());
    EXPECT_EQ(grid->item(3, 5)->foreground().color(), QColor(Qt::gray));
    EXPECT_NE(form->lblStatus->text().toStdString().find("回路が変更されました"), std::string::npos);

    // The line has its own room below the table's frame.
    form->resize(form->minimumSizeHint());
    QCoreApplication::processEvents();
    EXPECT_GE(form->lblStatus->geometry().top(), grid->geometry().bottom());
}

}  // namespace
