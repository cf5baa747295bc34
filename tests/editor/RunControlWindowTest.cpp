// The run controls in the window: a paused run sleeps, a slowed one keeps its rate and frames what
// each pass changes, and a session recorded through the board replays headless pass for pass.
#include "BoardView.h"
#include "EditorFixture.h"
#include "RunControl.h"
#include "SimProcess.h"
#include "StatusText.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QStatusBar>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <sstream>

#include <sys/resource.h>

namespace {

double CpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

struct RunControlWindow : ::testing::Test, EditorFixture {
    TBoardView& View() const { return *static_cast<TBoardView*>(window->centralWidget()); }
    std::string Mode() const
    {
        return window->statusBar()->findChild<QLabel*>(QStringLiteral("modeField"))->text().toStdString();
    }

    // An inverter whose output drives its own input: its output changes in every pass.
    TNot* Ring()
    {
        auto* ring = window->Bord.Create<TNot>(&window->WindowSurface());
        ring->MoveTo(200, 200, false);
        // From the output at (240, 220) back to the input at (200, 220).
        auto* wire = window->Bord.Create<TCode>(nullptr);
        wire->DragWidth = 40;
        wire->DragHeight = 0;
        wire->MoveTo(200, 220, true);
        return ring;
    }

    // Calls f that many milliseconds from now, to the millisecond: a coarse timer could fire two
    // calls a hundred milliseconds apart in one go.
    void After(int ms, const std::function<void()>& f) { QTimer::singleShot(ms, Qt::PreciseTimer, window.get(), f); }
};

}  // namespace

TEST_F(RunControlWindow, ASlowedRunKeepsItsRateAndFramesItsChangesAndAPausedOneSleeps)
{
    TNot* ring = Ring();
    actions->SpeedActions[6]->trigger();
    ASSERT_EQ(actions->SpeedActions[6]->data().toInt(), 100);
    QElapsedTimer clock;
    int64_t firstPasses = 0, lastPasses = 0, pausedAt = -1, passesAfter = -1;
    double seconds = 0, cpu = -1;
    std::vector<QRect> marks;
    std::string limited, paused;
    // Each step is timed from the one before, so that the window has served what it asked for.
    After(300, [&] {
        clock.start();
        firstPasses = window->Runs->Passes();
        marks = View().Marks();
        limited = Mode();
        After(2000, [&] {
            seconds = clock.nsecsElapsed() / 1e9;
            lastPasses = window->Runs->Passes();
            actions->actSimPause->trigger();
            After(100, [&] {
                paused = Mode();
                pausedAt = window->Runs->Passes();
                cpu = CpuSeconds();
                After(2000, [&] {
                    cpu = CpuSeconds() - cpu;
                    passesAfter = window->Runs->Passes();
                    actions->actSimStop->trigger();
                });
            });
        });
    });
    actions->actSimStart->trigger();

    const double rate = static_cast<double>(lastPasses - firstPasses) / seconds;
    std::printf("limited to 100 passes a second, ran %.1f; paused, used %.3f s of processor time in 2 s\n", rate, cpu);
    EXPECT_NEAR(rate, 100, 10);
    ASSERT_EQ(marks.size(), 1u);
    EXPECT_TRUE(marks[0].contains(QRect(ring->Left, ring->Top, ring->Width, ring->Height)));
    EXPECT_NE(limited.find("上限 毎秒 100 パス"), std::string::npos) << limited;

    EXPECT_EQ(passesAfter, pausedAt);
    EXPECT_EQ(paused.rfind("一時停止中  " + GroupedDigits(pausedAt) + " パス", 0), 0u) << paused;
    EXPECT_GE(cpu, 0);
    EXPECT_LT(cpu, 0.2);
    EXPECT_FALSE(window->Simulating());
    EXPECT_TRUE(View().Marks().empty());  // the frames go with the run
}

TEST_F(RunControlWindow, ARecordedSessionReplaysHeadlessPassForPass)
{
    const std::string circuit = shell.Folder + "/half-adder.lgc";
    const std::string record = shell.Folder + "/session.lgr";
    std::filesystem::copy_file(std::string(VOLTRANE_EXAMPLES) + "/half-adder.lgc", circuit);
    ASSERT_TRUE(window->Document.OpenFile(circuit));
    const std::vector<std::pair<std::string, int>> watches = {
        {"TTglSW0", 0}, {"TTglSW1", 0}, {"TGate2", 2}, {"TGate3", 2}};
    const auto level = [&](const std::string& name, int tanshi) {
        for (int i = 0; i < window->Bord.Count(); ++i)
            if (window->Bord.Items(i)->ClassName() + std::to_string(i) == name)
                return static_cast<int>(window->Bord.Items(i)->Tanshis.Items(tanshi)->Level);
        return -1;
    };
    const auto centre = [&](int place) {
        const TPartsBase* o = window->Bord.Items(place);
        return QPoint(o->Left + o->Width / 2, o->Top + o->Height / 2);
    };
    QWidget* board = window->centralWidget();
    TRunControl* run = nullptr;
    // What the user does each time the run has paused; the window's rows are taken at every pause.
    const std::vector<std::function<void()>> session = {
        [&] { QTest::mousePress(board, Qt::LeftButton, {}, centre(0)); },
        [&] { QTest::mouseRelease(board, Qt::LeftButton, {}, centre(0)); },
        [&] {},
        [&] { QTest::mouseClick(board, Qt::LeftButton, {}, centre(1)); },
        [&] { window->Runs->StepPasses(5); },
        [&] { QTest::mousePress(board, Qt::MiddleButton, {}, centre(1)); },
        [&] { actions->actSimPause->trigger(); },  // on at full speed until the next poll pauses it
        [&] { QTest::mouseRelease(board, Qt::MiddleButton, {}, centre(1)); },
        [&] { QTest::mouseClick(board, Qt::LeftButton, {}, centre(0)); },
        [&] { actions->actSimStop->trigger(); },
    };
    size_t next = 0;
    std::ostringstream rows;
    int64_t lastRow = 0, last = 0;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        run = window->Runs->Run();
        if (!run || !window->Simulating()) return;
        if (!run->Paused()) {
            // A stretch at full speed, however slow the machine, then paused again.
            if (run->Passes() >= lastRow + 10) actions->actSimPause->trigger();
            return;
        }
        if (run->Passes() != lastRow) {
            lastRow = run->Passes();
            rows << lastRow;
            for (const auto& [name, tanshi] : watches) rows << '\t' << level(name, tanshi);
            rows << '\n';
        }
        last = run->Passes();
        if (next >= session.size()) return;
        session[next++]();
        if (window->Simulating() && run->Paused()) actions->actSimStep->trigger();
    });
    poll.start(2);
    actions->actSimStep->trigger();  // starts the run, paused after its first pass
    EXPECT_EQ(next, session.size());
    EXPECT_GT(last, 15);

    shell.SaveAnswers.push_back(record);
    actions->actSaveRecord->trigger();
    EXPECT_TRUE(shell.Questions.empty());  // the circuit's own file fits the record
    EXPECT_TRUE(shell.Errors.empty()) << shell.Errors.front();
    const std::string text = Slurp(record);
    EXPECT_EQ(text.rfind("half-adder.lgc\n", 0), 0u) << text;
    EXPECT_NE(text.find(" release TTglSW1\n"), std::string::npos) << text;

    std::vector<std::string> args = {circuit, "--replay", record, "--passes", std::to_string(last)};
    for (const auto& [name, tanshi] : watches)
        args.insert(args.end(), {"--watch", name + "." + std::to_string(tanshi)});
    const Outcome replay = Sim(args);
    ASSERT_EQ(replay.status, 0) << replay.err;
    EXPECT_EQ(replay.err, "");  // the record names the circuit it was replayed on
    std::istringstream printed(replay.out);
    std::string expected, line;
    std::getline(printed, line);  // the header
    for (std::istringstream want(rows.str()); std::getline(want, line);) {
        std::string row;
        do std::getline(printed, row);
        while (printed && row.substr(0, row.find('\t')) != line.substr(0, line.find('\t')));
        EXPECT_EQ(row, line);
    }
}
