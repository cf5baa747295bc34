#include "GuiSession.h"

#include <QGuiApplication>

namespace {

QtMessageHandler PreviousHandler = nullptr;

// Without XDG_RUNTIME_DIR (cron jobs, CI) Qt warns that it falls back to a folder of its own; a
// tool that only draws a picture never uses that folder, and its user asked for no such line.
void QuietAboutRuntimeDir(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set"))) return;
    if (PreviousHandler) PreviousHandler(type, context, message);
}

}  // namespace

TGuiSession::TGuiSession()
{
    if (QCoreApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        PreviousHandler = qInstallMessageHandler(QuietAboutRuntimeDir);
        filtering_ = true;
    }
    // The application keeps references to its arguments for its whole life.
    static int argc = 1;
    static char name[] = "voltrane";
    static char* argv[] = {name, nullptr};
    app_ = std::make_unique<QGuiApplication>(argc, argv);
}

TGuiSession::~TGuiSession()
{
    app_.reset();
    if (filtering_) qInstallMessageHandler(PreviousHandler);
}
