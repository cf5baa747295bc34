#include "GuiSession.h"

#include <QGuiApplication>

TGuiSession::TGuiSession()
{
    if (QCoreApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The application keeps references to its arguments for its whole life.
    static int argc = 1;
    static char name[] = "voltrane";
    static char* argv[] = {name, nullptr};
    app_ = std::make_unique<QGuiApplication>(argc, argv);
}

TGuiSession::~TGuiSession() = default;
