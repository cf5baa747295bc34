// The timing diagram, the scope and the Karnaugh map in each colour scheme: levels in the board's low
// and high colours on the scheme's ground, and the classic looks kept by the normal scheme.
#include "KarnaughView.h"
#include "ProbeHub.h"
#include "ScopeFormU.h"
#include "ScriptedShell.h"
#include "TimingWindow.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <set>

namespace {

QRgb Rgb(TColor c) { return qRgb(c.R, c.G, c.B); }

TColourSchemeId Scheme(int i) { return static_cast<TColourSchemeId>(i); }

// The scope after a trace: channel 0 goes high after ten columns, channel 1 stays low.
struct Scope {
    ScriptedShell shell;
    TScopeForm form{shell};

    Scope()
    {
        form.SweepDivider = 0;
        for (int i = 0; i < 10; ++i) form.Sample();
        form.SetLevel(0, 1);
        for (int i = 0; i < 10; ++i) form.Sample();
    }
    QRgb At(int x, int y) const { return form.Trace().pixel(x, y); }
};

int BaseLine(const TScopeForm& f, int channel) { return (channel + 1) * f.BandHeight; }
int HighLine(const TScopeForm& f, int channel) { return BaseLine(f, channel) - f.Amplitude; }

}  // namespace

TEST(SchemeWindows, TheScopeRecoloursItsTraceAndComesBackToTheClassicScreen)
{
    Scope s;
    const TScopeForm& f = s.form;
    const QImage classic = f.Trace().copy();
    EXPECT_EQ(s.At(5, BaseLine(f, 0)), qRgb(0, 255, 0));
    EXPECT_EQ(s.At(15, HighLine(f, 0)), qRgb(0, 255, 0));
    EXPECT_EQ(s.At(5, 5), qRgb(0, 0, 128));
    for (int i = 1; i < ColourSchemeCount; ++i) {
        SCOPED_TRACE(SchemeName(Scheme(i)));
        const TColourScheme& c = SchemeColours(Scheme(i));
        s.form.SetScheme(Scheme(i));
        EXPECT_EQ(s.At(5, BaseLine(f, 0)), Rgb(c.Low));    // before the edge
        EXPECT_EQ(s.At(15, HighLine(f, 0)), Rgb(c.High));  // after it
        EXPECT_EQ(s.At(15, BaseLine(f, 1)), Rgb(c.Low));
        EXPECT_EQ(s.At(5, HighLine(f, 0) - 2), f.Colours().Background);
        // The edge: its upper half high, its lower half low.
        EXPECT_EQ(s.At(9, HighLine(f, 0) + 2), Rgb(c.High));
        EXPECT_EQ(s.At(9, BaseLine(f, 0) - 2), Rgb(c.Low));
        // The sweep goes on in the new colours.
        s.form.SetLevel(0, 0);
        s.form.Sample();
        EXPECT_EQ(s.At(f.SweepX - 1, BaseLine(f, 0)), Rgb(c.Low));
        s.form.SetLevel(0, 1);
        s.form.Sample();
        EXPECT_EQ(s.At(f.SweepX - 1, HighLine(f, 0)), Rgb(c.High));
    }
    Scope fresh;
    fresh.form.SetScheme(TColourSchemeId::Printer);
    fresh.form.SetScheme(TColourSchemeId::Normal);
    EXPECT_EQ(fresh.form.Trace(), classic);
}

TEST(SchemeWindows, TheTimingDiagramDrawsEachLevelInItsColourOnTheSchemesGround)
{
    ScriptedShell shell;
    TProbeHub probes;
    TScopeForm form(shell, &probes);
    TTimingWindow timing(probes, shell, [](const TProbeChannel&) { return std::string("A"); });
    for (int64_t pass = 1; pass <= 40; ++pass) {
        probes.SetLevel(form.Probe(), 0, pass > 20 ? 1 : 0);
        probes.EndPass(pass);
    }
    for (int i = 0; i < ColourSchemeCount; ++i) {
        SCOPED_TRACE(SchemeName(Scheme(i)));
        timing.SetScheme(Scheme(i));
        const TTimingColours& c = timing.Colours();
        if (Scheme(i) != TColourSchemeId::Normal) {
            EXPECT_EQ(c.Low, QColor(Rgb(SchemeColours(Scheme(i)).Low)));
            EXPECT_EQ(c.High, QColor(Rgb(SchemeColours(Scheme(i)).High)));
        }
        QImage picture(600, 120, QImage::Format_RGB32);
        picture.fill(Qt::magenta);
        {
            QPainter painter(&picture);
            timing.PaintWaves(painter, QRect(0, 0, 600, 96));
        }
        // No pixel is left unpainted, the line of readings below included.
        std::set<QRgb> colours;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) colours.insert(picture.pixel(x, y));
        EXPECT_EQ(colours.count(qRgb(255, 0, 255)), 0u);
        EXPECT_EQ(picture.pixel(595, 110), c.Background.rgb());
        // Both levels are drawn, each in its own colour.
        std::set<QRgb> waves;
        for (int y = 0; y < 96; ++y)
            for (int x = 121; x < 600; ++x) waves.insert(picture.pixel(x, y));
        EXPECT_EQ(waves.count(c.Low.rgb()), 1u);
        EXPECT_EQ(waves.count(c.High.rgb()), 1u);
    }
}

TEST(SchemeWindows, TheMapsGroupsStayApartInEveryScheme)
{
    for (int i = 0; i < ColourSchemeCount; ++i) {
        SCOPED_TRACE(SchemeName(Scheme(i)));
        const TMapColours c = MapColours(Scheme(i));
        // Neighbouring groups differ in colour or, on paper, in line style.
        for (int g = 0; g < TMapColours::GroupCount; ++g) {
            const int next = (g + 1) % TMapColours::GroupCount;
            EXPECT_TRUE(c.Groups[g] != c.Groups[next] || c.GroupStyles[g] != c.GroupStyles[next]) << g;
            EXPECT_NE(c.Groups[g], c.Background) << g;
        }
        EXPECT_NE(c.Text, c.Background);
        TKarnaughView view;
        view.SetScheme(Scheme(i));
        view.resize(view.sizeHint());
        EXPECT_EQ(view.grab().toImage().pixel(2, 2), c.Background.rgb());
    }
}
