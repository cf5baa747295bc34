#pragma once

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

// Places a window in the middle of the screen's free area.
inline void CenterOnScreen(QWidget& window)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    window.move(screen.center() - window.rect().center());
}
