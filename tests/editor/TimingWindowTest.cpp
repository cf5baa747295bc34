// The timing diagram of a run at full speed: a switch clicked once is held on the screen as one edge
// at a tenth of the window, in normal and in single mode, and the shown passes export as they show.
#include "EditorFixture.h"
#include "ScratchFolder.h"
#include "SimProcess.h"
#include "TimingWindow.h"

#include <QComboBox>
#include <QTest>
#include <QSpinBox>

#include <gtest/gtest.h>

#include <sstream>

namespace {

// A toggle switch whose output touches channel 0 of a probe.
struct SwitchOnAProbe : EditorFixture {
    SwitchOnAProbe()
    {
        for (auto [part, x, y] : {std::tuple<TPartsBase*, int, int>{window->Bord.Create<TTglSW>(&window->WindowSurface()), 40, 60},
                                  {window->Bord.Create<TScope>(&window->WindowSurface()), 60, 60}}) {
            part->SetTanshi();
            part->MoveTo(x, y, false);
        }
        window->Bord.CheckAllLinks();
        actions->actTiming->trigger();
        timing = window->Companions->frmTiming;
    }
    void ClickSwitch()
    {
        window->Editing->MouseDown(TMouseButton::Left, ssLeft, 50, 70);
        window->Editing->MouseUp(TMouseButton::Left, 0, 50, 70, {});
    }
    // Runs at full speed: clicks the switch once some passes are in, then goes on until the trigger
    // has shown a window and a thousand passes more have gone by.
    void RunWithOneClick(int clicks = 1)
    {
        int64_t clickedAt = 0;
        RunUntil([&] {
            const int64_t last = window->Probes().Record().LastPass();
            if (clickedAt == 0 && last > 300) {
                for (int i = 0; i < clicks; ++i) ClickSwitch();
                clickedAt = last;
            }
            return clickedAt > 0 && last > clickedAt + 3000;
        });
    }
    TTimingWindow* timing = nullptr;
};

}  // namespace

TEST(TimingWindow, AClickAtFullSpeedIsHeldAsOneEdgeAtATenthOfTheWindow)
{
    for (const TTriggerMode mode : {TTriggerMode::Normal, TTriggerMode::Single}) {
        SwitchOnAProbe editor;
        ASSERT_NE(editor.timing, nullptr);
        editor.timing->cmbMode->setCurrentIndex(static_cast<int>(mode));
        editor.timing->edtPassesPerDivision->setValue(20);
        editor.timing->ApplySettings();
        editor.RunWithOneClick();
        const TProbeHub& probes = editor.window->Probes();
        const auto edge = probes.Trigger().TriggeredAt();
        const auto shown = editor.timing->ShownPasses();
        ASSERT_TRUE(edge && shown) << static_cast<int>(mode);
        EXPECT_EQ(*edge - shown->first, 20);
        EXPECT_EQ(shown->second - shown->first + 1, 200);
        for (int64_t pass = shown->first; pass <= shown->second; ++pass)
            EXPECT_EQ(probes.Shown().High(0, pass), pass >= *edge) << pass;
        EXPECT_EQ(probes.Trigger().Holding(), mode == TTriggerMode::Single);

        // The cursors read the passes at the diagram's two ends.
        QTest::mouseClick(editor.timing, Qt::LeftButton, {}, QPoint(120, 200));  // the names' column ends at 120
        QTest::mouseClick(editor.timing, Qt::RightButton, {}, QPoint(editor.timing->width() - 9, 200));
        ASSERT_TRUE(editor.timing->CursorPass(0) && editor.timing->CursorPass(1));
        EXPECT_EQ(*editor.timing->CursorPass(0), shown->first);
        EXPECT_NEAR(static_cast<double>(*editor.timing->CursorPass(1)), static_cast<double>(shown->second), 1);

        const ScratchFolder folder;
        ASSERT_TRUE(editor.timing->Export(folder / "shown.csv", false));
        const std::string csv = ScratchFolder::Slurp(folder / "shown.csv");
        EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 201);
        EXPECT_NE(csv.find(std::to_string(*edge - 1) + ",0,0,0,0\n" + std::to_string(*edge) + ",1,0,0,0\n"),
                  std::string::npos);
        EXPECT_TRUE(editor.timing->Export(folder / "shown.svg", false));
        EXPECT_TRUE(ScratchFolder::Slurp(folder / "shown.svg").starts_with("<?xml"));
    }
}

TEST(TimingWindow, AChannelIsNamedByTheLabelBesideItElseByItsProbeAndChannel)
{
    SwitchOnAProbe editor;
    auto* label = editor.window->Bord.Create<TTextBox>(&editor.window->WindowSurface());
    label->MoveTo(0, 64, false);
    label->DrawnLines = {"CLK"};
    label->Width = 30;
    label->Height = 12;  // left of channel 0's terminal at (60, 70), with the switch between them
    const std::vector<std::string> names = editor.timing->ChannelNames();
    ASSERT_EQ(names.size(), 4u);
    EXPECT_EQ(names[0], "CLK");
    EXPECT_EQ(names[1], "プローブ1: Ch2");
}

TEST(TimingWindow, ACountersExportsEqualWhatVoltraneSimWatchesAndWritesForTheSamePasses)
{
    EditorFixture editor;
    ASSERT_TRUE(editor.window->Document.OpenFile(VOLTRANE_EXAMPLES "/counter8-probed.lgc"));
    editor.actions->actTiming->trigger();
    const TWaveRecord& record = editor.window->Probes().Record();
    editor.RunUntil([&] { return record.LastPass() >= 3000; });
    ASSERT_EQ(record.FirstPass(), 1);
    const ScratchFolder folder;
    ASSERT_TRUE(editor.window->Companions->frmTiming->Export(folder / "diagram.csv", true));
    ASSERT_TRUE(editor.window->Companions->frmTiming->Export(folder / "diagram.vcd", true));

    // The same passes, every probe's terminals watched.
    std::vector<std::string> args{VOLTRANE_EXAMPLES "/counter8-probed.lgc", "--passes",
                                  std::to_string(record.LastPass()), "--vcd", folder / "sim.vcd"};
    for (int probe = 9; probe <= 12; ++probe)
        for (int channel = 0; channel < 4; ++channel)
            args.insert(args.end(), {"--watch", "TScope" + std::to_string(probe) + "." + std::to_string(channel)});
    const Outcome sim = Sim(args);
    ASSERT_EQ(sim.status, 0) << sim.err;

    // The watch's rows with a level as 0 or 1 and commas between the columns: the CSV's rows.
    std::istringstream watched(sim.out);
    std::string line, rows;
    std::getline(watched, line);
    while (std::getline(watched, line)) {
        std::istringstream cells(line);
        std::string pass, level;
        std::getline(cells, pass, '\t');
        rows += pass;
        while (std::getline(cells, level, '\t')) rows += level == "0" ? ",0" : ",1";
        rows += '\n';
    }
    const std::string csv = ScratchFolder::Slurp(folder / "diagram.csv");
    EXPECT_EQ(csv.substr(0, csv.find('\n')), "pass,CLK,Q0,Q1,Q2,Q3,Q4,Q5,Q6,Q7,/Q0,/Q1,/Q2,/Q3,/Q4,/Q5,/Q6");
    EXPECT_EQ(csv.substr(csv.find('\n') + 1), rows);

    // The VCD files differ only in the names of their variables.
    const auto changes = [](const std::string& vcd) { return vcd.substr(vcd.find("$enddefinitions")); };
    EXPECT_EQ(changes(ScratchFolder::Slurp(folder / "diagram.vcd")), changes(ScratchFolder::Slurp(folder / "sim.vcd")));
}
