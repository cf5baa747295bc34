#include "IdleRefresh.h"

#include <QCoreApplication>
#include <QEvent>

#include <utility>

TIdleRefresh::TIdleRefresh(QObject& owner, std::function<void()> refresh)
    : QObject(&owner), refresh_(std::move(refresh))
{
    timer_.setSingleShot(true);
    timer_.setInterval(0);
    connect(&timer_, &QTimer::timeout, this, [this] { refresh_(); });
    QCoreApplication::instance()->installEventFilter(this);
}

void TIdleRefresh::Schedule()
{
    if (!timer_.isActive()) timer_.start();
}

bool TIdleRefresh::eventFilter(QObject* /*watched*/, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        Schedule();
        break;
    default:
        break;
    }
    return false;
}
