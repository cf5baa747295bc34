#include "FormPlacement.h"
#include "IniFile.h"
#include "ScopeFormU.h"
#include "ScriptedShell.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>

#include <gtest/gtest.h>

#include <filesystem>

namespace {

constexpr QRgb Navy = qRgb(0, 0, 128);
constexpr QRgb Lime = qRgb(0, 255, 0);
constexpr QRgb Yellow = qRgb(255, 255, 0);

struct ScopeFormTest : ::testing::Test {
    ScriptedShell shell;
    TScopeForm form{shell};
    // Width of the drawing area at the designed size.
    const int area = TScopeForm::DesignedWidth - TScopeForm::LabelPanelWidth;

    QRgb At(int x, int y) const { return form.Trace().pixel(x, y); }
    // One column per Sample.
    void Columns(int n)
    {
        form.SweepDivider = 0;
        for (int i = 0; i < n; ++i) form.Sample();
    }
};

}  // namespace

TEST_F(ScopeFormTest, LaysOutFourBandsFromTheClientHeight)
{
    EXPECT_EQ(form.height(), 187);
    EXPECT_EQ(form.BandHeight, 34);  // (187 - 28 - 20) div 4
    EXPECT_EQ(form.Amplitude, 25);
    EXPECT_EQ(form.Trace().size(), QSize(area, 187 - 28));
    EXPECT_EQ(form.lblCh[0]->y(), 34 - 12 - 4);
    EXPECT_EQ(form.lblCh_5V[0]->y(), 9);
    EXPECT_EQ(form.lblCh_0V[3]->y(), 4 * 34 - form.lblCh_0V[3]->height() + 2);

    form.show();
    form.resize(500, 300);
    EXPECT_EQ(form.BandHeight, 63);  // (300 - 28 - 20) div 4
    EXPECT_EQ(form.Amplitude, 47);
    EXPECT_EQ(form.lblCh_5V[1]->y(), 2 * 63 - 47);
    EXPECT_EQ(form.Trace().size(), QSize(500 - 45, 300 - 28));
}

TEST_F(ScopeFormTest, CannotBeShrunkUntilItsButtonsOrLabelsCollide)
{
    form.show();
    form.resize(100, 100);
    EXPECT_GE(form.width(), form.minimumWidth());
    EXPECT_EQ(form.height(), 187);
    const QWidget* row[] = {form.btnStart, form.btnStop, form.btnClear, form.chkRenzoku, form.barSweep};
    for (size_t i = 1; i < std::size(row); ++i)
        EXPECT_LE(row[i - 1]->geometry().right(), row[i]->geometry().left()) << i;
    EXPECT_LE(form.barSweep->geometry().right(), form.width());
    // The inked pixels of the two labels of a channel, which their boxes' margins may overlap.
    const auto ink = [](const QLabel* label) {
        const QFontMetrics fm(label->font());
        const int baseline = label->y() + (label->height() - fm.height()) / 2 + fm.ascent();
        return fm.tightBoundingRect(label->text()).translated(label->x(), baseline);
    };
    for (int k = 0; k < 4; ++k) {
        const auto i = static_cast<size_t>(k);
        EXPECT_LT(ink(form.lblCh_5V[i]).bottom(), ink(form.lblCh_0V[i]).top()) << k;
    }
}

TEST_F(ScopeFormTest, DrawsAColumnEvery101stPassAtTheDefaultSpeed)
{
    EXPECT_EQ(form.SweepDivider, 100);
    form.SetLevel(0, 5);
    for (int pass = 1; pass <= 100; ++pass) form.Sample();
    EXPECT_EQ(form.SweepX, 0);
    form.Sample();
    EXPECT_EQ(form.SweepX, 1);
    EXPECT_EQ(At(0, 9), Lime);    // channel 1 high
    EXPECT_EQ(At(0, 34), Navy);
    EXPECT_EQ(At(0, 68), Lime);   // channel 2 low
    EXPECT_EQ(At(1, 0), Yellow);  // the cursor marks the next column
    EXPECT_EQ(At(1, 150), Yellow);
    for (int pass = 1; pass <= 101; ++pass) form.Sample();
    EXPECT_EQ(form.SweepX, 2);
    EXPECT_EQ(At(1, 9), Lime);
    EXPECT_EQ(At(1, 0), Navy);  // the old cursor is overwritten

    form.barSweep->setValue(50);
    EXPECT_EQ(form.SweepDivider, 500);
    form.barSweep->setValue(1);
    EXPECT_EQ(form.SweepDivider, 10);
}

TEST_F(ScopeFormTest, AnyLevelButZeroPlotsHigh)
{
    form.SetLevel(0, 1);
    form.SetLevel(1, 5);
    form.SetLevel(2, 0);
    Columns(2);
    EXPECT_EQ(At(1, form.BandHeight - form.Amplitude), Lime);
    EXPECT_EQ(At(1, 2 * form.BandHeight - form.Amplitude), Lime);
    EXPECT_EQ(At(1, 3 * form.BandHeight), Lime);
    EXPECT_EQ(At(1, 3 * form.BandHeight - form.Amplitude), Navy);
}

TEST_F(ScopeFormTest, WithoutContinuousSweepStopsOneColumnPastTheRightEdge)
{
    form.chkRenzoku->setChecked(false);
    Columns(area + 1);
    EXPECT_EQ(form.SweepX, area + 1);
    EXPECT_TRUE(form.Running);
    form.Sample();
    EXPECT_FALSE(form.Running);
    EXPECT_EQ(form.SweepX, area + 1);
    Columns(5);
    EXPECT_EQ(form.SweepX, area + 1);

    form.btnClear->click();
    form.btnStart->click();
    EXPECT_EQ(form.SweepX, 0);
    EXPECT_EQ(At(area - 1, 9), Navy);
    Columns(3);
    EXPECT_EQ(form.SweepX, 3);
}

TEST_F(ScopeFormTest, ContinuousSweepWrapsToTheLeftEdge)
{
    ASSERT_TRUE(form.chkRenzoku->isChecked());
    form.SetLevel(0, 5);
    Columns(area + 1);
    EXPECT_EQ(form.SweepX, area + 1);
    Columns(1);  // its sample falls on column -1, outside the area
    EXPECT_EQ(form.SweepX, 0);
    EXPECT_EQ(At(0, 0), Yellow);
    EXPECT_EQ(At(0, 9), Yellow);
    Columns(1);
    EXPECT_EQ(At(0, 9), Lime);
    EXPECT_TRUE(form.Running);
}

TEST_F(ScopeFormTest, DrawsEdgesAtTheColumnBeforeTheCursorEvenWhenStopped)
{
    Columns(5);
    form.btnStop->click();
    form.SetLevel(1, 5);
    const int base = 2 * form.BandHeight, high = base - form.Amplitude;
    for (int y = high; y <= base; ++y) EXPECT_EQ(At(4, y), Lime) << y;
    EXPECT_EQ(At(4, high - 1), Navy);
    Columns(3);
    EXPECT_EQ(form.SweepX, 5);  // stopped: no new columns

    form.SetLevel(1, 5);  // no change, no edge
    form.SetLevel(2, 0);
    EXPECT_EQ(At(4, 3 * form.BandHeight - 1), Navy);
    form.SetLevel(7, 5);  // no such channel
    EXPECT_EQ(form.Levels, (std::array<int32_t, 4>{0, 5, 0, 0}));
}

TEST_F(ScopeFormTest, ClearKeepsCountLevelsAndRunning)
{
    form.SetLevel(3, 5);
    form.SweepDivider = 3;
    form.Sample();
    form.btnClear->click();
    EXPECT_EQ(form.SweepX, 0);
    EXPECT_EQ(form.TickCount, 1);
    EXPECT_EQ(form.Levels[3], 5);
    EXPECT_TRUE(form.Running);
}

TEST_F(ScopeFormTest, OpensWhereTheLastScopeWindowWasClosed)
{
    TIniFile ini(shell.SettingsFile());
    ini.WriteInteger("オシロスコープ", "Top", 50);
    ini.WriteInteger("オシロスコープ", "Left", 60);
    ini.WriteInteger("オシロスコープ", "Width", 460);
    ini.WriteInteger("オシロスコープ", "Height", 300);
    form.Show();
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.pos(), QPoint(60, 50));  // the frame's corner
    EXPECT_EQ(form.size(), QSize(460, 300));
    EXPECT_EQ(form.BandHeight, 63);

    form.move(70, 80);
    form.Show();  // shown again while open: stays put
    EXPECT_EQ(form.pos(), QPoint(70, 80));
    form.Close();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(ReadFormPlacement(shell.SettingsFile(), "オシロスコープ"), (TFormPlacement{80, 70, 460, 300}));
    form.SetLevel(0, 5);  // a closed window is still fed
    Columns(1);
    EXPECT_EQ(form.SweepX, 1);
}

TEST_F(ScopeFormTest, AWindowNeverShownLeavesTheStoredPlacementAlone)
{
    {
        TScopeForm hidden(shell);
    }
    EXPECT_FALSE(std::filesystem::exists(shell.SettingsFile()));
}
