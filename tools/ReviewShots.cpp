// Screenshots for reviewing the editor by eye: the main window with a small circuit built in
// code, while editing, running and stopped, three gestures half way, the oscilloscope window of its
// probe, the about window and the report of a test table, then the guide's pictures of the half adder
// (guide-*.png), in a language (ja unless another is given). Run under a display server:
// xvfb-run -a -s "-screen 0 1024x768x24" voltrane_review_shots OUTPUT_FOLDER [LANGUAGE]
#include "AboutU.h"
#include "DMU.h"
#include "Fonts.h"
#include "IniFile.h"
#include "Messages.h"
#include "PartU.h"
#include "QtTranslations.h"
#include "ScopeFormU.h"
#include "ScriptedShell.h"
#include "TestReportFormU.h"
#include "VoltraneU.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QScreen>
#include <QSlider>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace {

void Wait(int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

// A picture that cannot be written ends the run with a message: a list of paths that are not
// there would read as success.
void Save(const QPixmap& picture, const QString& path)
{
    if (!picture.save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
    std::printf("%s\n", qPrintable(path));
}

void Shoot(const QString& path) { Save(QGuiApplication::primaryScreen()->grabWindow(0), path); }

template <class T>
T* Place(TfrmVoltrane& window, int x, int y, int32_t partNo = 0)
{
    auto* part = window.Bord.Create<T>(&window.WindowSurface());
    part->PartNo = partNo;
    part->SetTanshi();
    part->MoveTo(x, y, false);
    return part;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    InstallFontSubstitutions();
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    const std::string language = argc > 2 ? argv[2] : "ja";
    if (!UseLanguage(language, CatalogFolders(QCoreApplication::applicationDirPath().toStdString())) &&
        language != "en") {
        std::fprintf(stderr, "no catalog for the language %s\n", language.c_str());
        return 1;
    }
    InstallQtTranslations(language);
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "cannot create the folder %s\n", qPrintable(folder));
        return 1;
    }
    ScriptedShell shell;
    TIniFile ini(shell.SettingsFile());
    ini.WriteInteger(TitlePrefix, "Left", 10);
    ini.WriteInteger(TitlePrefix, "Top", 10);
    ini.WriteInteger(TitlePrefix, "Width", 760);
    ini.WriteInteger(TitlePrefix, "Height", 420);
    ini.WriteInteger("オシロスコープ", "Left", 300);
    ini.WriteInteger("オシロスコープ", "Top", 470);
    ini.WriteInteger("オシロスコープ", "Width", 453);
    ini.WriteInteger("オシロスコープ", "Height", 187);

    const TDM dm;
    TfrmVoltrane window(shell, dm);
    // A toggle switch through an inverter to a lamp, terminals touching.
    Place<TTglSW>(window, 40, 60);
    Place<TNot>(window, 60, 50);
    Place<TLED>(window, 100, 60);
    // A push button straight onto a green lamp.
    Place<TPushSW>(window, 40, 120);
    Place<TLED>(window, 60, 120, 2);
    // A pulse generator onto channel 3 of a probe, another onto a lamp.
    Place<TPulser>(window, 160, 60);
    auto* probe = Place<TScope>(window, 200, 50);
    Place<TPulser>(window, 160, 160);
    Place<TLED>(window, 200, 170, 1);
    Place<TGate>(window, 300, 60);
    Place<TGate>(window, 300, 120, 8 + 4);
    Place<TJKFF>(window, 380, 60);
    Place<TLED7SEG>(window, 480, 60);
    Place<TMatrix8X8>(window, 560, 60);
    window.Bord.CheckAllLinks();
    window.show();
    window.Redraw();
    Wait(300);
    Shoot(folder + "/window-editing.png");

    auto* scope = dynamic_cast<TScopeForm*>(probe->ScopeWindow.get());
    QTimer::singleShot(200, &window, [&] {
        window.Editing->MouseDown(TMouseButton::Left, ssLeft, 50, 70);
        window.Editing->MouseUp(TMouseButton::Left, 0, 50, 70, {});
        probe->ScopeWindow->Show();
        if (scope) scope->barSweep->setValue(1);
    });
    QTimer::singleShot(1500, &window, [&] {
        Shoot(folder + "/window-running.png");
        if (scope) Save(scope->grab(), folder + "/scope.png");
        window.ActionManager1.actSimStop->trigger();
    });
    window.ActionManager1.actSimStart->trigger();
    std::printf("%lld passes\n", static_cast<long long>(window.Runs->Passes()));
    Wait(200);
    Shoot(folder + "/window-stopped.png");

    // Gestures stopped half way: an outline dragged, a rubber band, a wire's L-shaped preview.
    const auto drag = [&](std::initializer_list<QPoint> path, const char* name) {
        const QPoint start = *path.begin();
        window.Editing->MouseDown(TMouseButton::Left, ssLeft, start.x(), start.y());
        for (const QPoint p : path) window.Editing->MouseMove(ssLeft, p.x(), p.y());
        Wait(200);
        Shoot(folder + "/" + name);
        window.Mouse.Escape();
        window.Editing->MouseUp(TMouseButton::Left, 0, start.x(), start.y(), {});
    };
    drag({{70, 70}, {90, 110}, {120, 150}}, "drag-frame.png");
    drag({{20, 30}, {140, 120}, {260, 200}}, "rubber-band.png");
    window.ActionManager1.actCode->trigger();
    drag({{300, 250}, {330, 255}, {360, 300}, {420, 320}}, "wire-preview.png");
    window.ActionManager1.actAuto->trigger();

    TfrmAbout about(shell, &window);
    about.show();
    Wait(200);
    Save(about.grab(), folder + "/about.png");
    about.close();

    // The test report of a broken half adder, its failing row set on the board.
    const std::string examples = VOLTRANE_EXAMPLES;
    shell.Answers = {Shell::TAnswer::No};
    window.Document.OpenFile(examples + "/half-adder-broken.lgc");
    shell.OpenAnswers = {examples + "/half-adder.lgt"};
    window.ActionManager1.actTest->trigger();
    window.Tests->frmTestReport->move(330, 150);
    QTimer::singleShot(300, &window, [&] {
        Shoot(folder + "/test-report.png");
        window.ActionManager1.actSimStop->trigger();
    });
    window.Tests->ShowRow(3);
    window.Tests->frmTestReport->close();

    // The guide's half adder: wired, running with A on, and its table passing.
    window.resize(520, 440);
    shell.Answers = {Shell::TAnswer::No};
    window.Document.OpenFile(examples + "/half-adder.lgc");
    window.Redraw();
    Wait(200);
    Save(window.grab(), folder + "/guide-wired.png");
    QTimer::singleShot(300, &window, [&] {
        window.Editing->MouseDown(TMouseButton::Left, ssLeft, 110, 110);
        window.Editing->MouseUp(TMouseButton::Left, 0, 110, 110, {});
    });
    QTimer::singleShot(800, &window, [&] {
        Save(window.grab(), folder + "/guide-running.png");
        window.ActionManager1.actSimStop->trigger();
    });
    window.ActionManager1.actSimStart->trigger();
    Wait(200);  // the commands are enabled again once the run has ended
    shell.OpenAnswers = {examples + "/half-adder.lgt"};
    window.ActionManager1.actTest->trigger();
    Wait(300);
    Save(window.Tests->frmTestReport->grab(), folder + "/guide-test-report.png");
    return 0;
}
