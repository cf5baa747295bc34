#pragma once

#include "ProbeHub.h"
#include "WindowColours.h"

#include <QWidget>

#include <array>
#include <functional>
#include <optional>
#include <string>

class QComboBox;
class QPainter;
class QPushButton;
class QSpinBox;
class QTimer;
class Shell;

// The timing diagram of every probe on the board: up to sixteen channels drawn as a textbook draws
// them, over the window of passes the trigger chose, whatever the speed of the run. Two cursors read
// passes; the wheel zooms in time; the shown or the whole recorded passes export as CSV, VCD,
// WaveDrom JSON, PNG or SVG.
class TTimingWindow : public QWidget {
public:
    // Names a channel by the label beside it; empty when it has none.
    using TLabeller = std::function<std::string(const TProbeChannel&)>;

    TTimingWindow(TProbeHub& probes, Shell& shell, TLabeller labeller, QWidget* parent = nullptr);

    // The passes on screen: the trigger's window, else the last recorded ones; none before any.
    std::optional<std::pair<int64_t, int64_t>> ShownPasses() const;
    // The channels' names as the diagram and the exports give them.
    std::vector<std::string> ChannelNames() const;
    // Draws the diagram of the shown passes in the rectangle, and the line of readings below it.
    void PaintWaves(QPainter& painter, const QRect& area) const;
    // Applies the controls to the trigger.
    void ApplySettings();
    // Draws the diagram in the scheme's colours from now on.
    void SetScheme(TColourSchemeId scheme);
    const TTimingColours& Colours() const { return colours_; }
    // Writes the shown passes, or every recorded one, as the path's extension says; false with an
    // error box when it cannot.
    bool Export(const std::string& path, bool whole);

    QSpinBox* edtPassesPerDivision;
    QComboBox* cmbChannel;
    QComboBox* cmbEdge;
    QComboBox* cmbMode;
    QPushButton* btnArm;
    QPushButton* btnUp;
    QPushButton* btnDown;
    QPushButton* btnExport;
    // Where the two cursors stand, in passes from the first one shown: like a scope's, they keep their
    // place on the screen while the trace moves on.
    std::array<std::optional<int64_t>, 2> Cursors;
    // The pass under a cursor; none when it is not set or lies past the shown passes.
    std::optional<int64_t> CursorPass(size_t cursor) const;
    // The channel picked for moving up or down, an index into the hub's order.
    int Picked = 0;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QRect WaveArea() const;
    // The height of a channel's row in a diagram of this height.
    int RowHeight(int diagramHeight) const;
    // The pass under an x of the wave area, within the shown passes.
    std::optional<int64_t> PassAt(int x) const;
    void RefillChannels();
    void ChooseAndExport(const char* extension, bool whole);

    TProbeHub& probes_;
    Shell& shell_;
    TLabeller labeller_;
    QTimer* refresh_;
    uint64_t generation_ = ~uint64_t{0};
    bool placed_ = false;
    TTimingColours colours_ = TimingColours(TColourSchemeId::Normal);
};
