#pragma once

#include "ScopeSink.h"
#include "WindowColours.h"

#include <QImage>
#include <QWidget>

#include <array>
#include <cstdint>

class QCheckBox;
class QLabel;
class QPushButton;
class QSlider;
class Shell;
class TProbeHub;
class TLiveImage;

// The oscilloscope window of a scope probe: four traces sweeping from left to right, one column
// per SweepDivider + 1 passes. The trace exists only as drawn pixels; every resize clears it.
class TScopeForm : public QWidget, public ScopeSink {
public:
    static constexpr int ChannelCount = 4;
    static constexpr int DesignedWidth = 453;
    static constexpr int DesignedHeight = 187;
    static constexpr int LabelPanelWidth = 45;
    static constexpr int ToolPanelHeight = 28;

    // Hidden and without owner until the probe's popup shows it; settings come from the shell. The
    // probe's levels also go to the timing diagram's hub, when there is one, for as long as it lives.
    explicit TScopeForm(Shell& shell, TProbeHub* probes = nullptr);
    // Closes the window (its placement is saved if it is shown) and frees it.
    ~TScopeForm() override;
    // The probe's number at the hub; 0 without one.
    int Probe() const { return probe_; }

    void SetLevel(int channel, int32_t level) override;
    void Sample() override;
    void SampleSteady(int64_t samples) override;
    // Shows the window where it was last closed, on top of the others.
    void Show() override;
    void Close() override;

    // Erases the drawing area and moves the cursor back to the left edge.
    void Clear();
    // Shows the trace in the scheme's colours, the trace drawn so far included.
    void SetScheme(TColourSchemeId scheme);
    const TScopeColours& Colours() const { return colours_; }
    const QImage& Trace() const { return trace_; }

    bool Running = true;
    int32_t SweepDivider = 100;
    int32_t TickCount = 0;
    int32_t SweepX = 0;
    std::array<int32_t, ChannelCount> Levels{};
    int32_t BandHeight = 0;
    int32_t Amplitude = 0;

    QWidget* Panel1;
    QWidget* pnlTool;
    TLiveImage* pboxScope;
    QPushButton* btnStart;
    QPushButton* btnStop;
    QPushButton* btnClear;
    QCheckBox* chkRenzoku;
    QSlider* barSweep;
    std::array<QLabel*, ChannelCount> lblCh{};
    std::array<QLabel*, ChannelCount> lblCh_5V{};
    std::array<QLabel*, ChannelCount> lblCh_0V{};

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void LayOut();
    int BaseLine(int channel) const { return (channel + 1) * BandHeight; }
    int HighLine(int channel) const { return BaseLine(channel) - Amplitude; }
    void VerticalLine(int x, int y1, int y2, QRgb color);
    // A trace line of a channel's band: its upper half in the high colour, its lower in the low one.
    void TraceLine(int x, int y1, int y2);
    QRgb TraceColour(int y) const;
    void Plot(int x, int y, QRgb color);
    // The labels and the panel beside the trace in the scheme's colours.
    void PaintLabels();

    Shell& shell_;
    QImage trace_;
    TProbeHub* probes_;
    int probe_ = 0;
    TScopeColours colours_ = ScopeColours(TColourSchemeId::Normal);
};
