#pragma once

// The main window of the editor with a board full of inverters, for the window benchmarks.
#include "DMU.h"
#include "PartU.h"
#include "QtShell.h"
#include "VoltraneU.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCoreApplication>

#include <memory>

inline QApplication& App()
{
    static int argc = 1;
    static char name[] = "WindowBench";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    return app;
}

// The main window with a board of inverters in rows, their terminals touching in chains when the
// pitch is 40 (rows of 30 fill the width of the window); a smaller pitch packs them over each other.
struct Editor {
    QApplication& app = App();
    QtShell shell;
    TDM dm;
    std::unique_ptr<TfrmVoltrane> window;

    explicit Editor(int64_t parts, int columns = 30, int pitchX = 40, int pitchY = 50)
    {
        window = std::make_unique<TfrmVoltrane>(shell, dm);
        window->resize(1280, 960);
        window->show();
        for (int64_t i = 0; i < parts; ++i) {
            auto* inverter = window->Bord.Create<TNot>(&window->WindowSurface());
            inverter->MoveTo(static_cast<int>(i % columns) * pitchX, static_cast<int>(i / columns) * pitchY, false);
        }
        window->Redraw();
        QCoreApplication::processEvents();
    }
};

// Presses at from, then moves the pointer back and forth between two grid points near it.
inline void MovesDuringGesture(benchmark::State& state, Editor& editor, QPoint from)
{
    TfrmVoltrane& window = *editor.window;
    window.Editing->MouseDown(TMouseButton::Left, ssLeft, from.x(), from.y());
    bool away = false;
    for (auto _ : state) {
        const QPoint to = from + (away ? QPoint(0, 0) : QPoint(40, 30));
        away = !away;
        window.Editing->MouseMove(ssLeft, to.x(), to.y());
        QCoreApplication::processEvents();
    }
    window.Mouse.Escape();
    window.Editing->MouseUp(TMouseButton::Left, 0, from.x(), from.y(), {});
}
