#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

// Runs the refresh once the application is idle after a command has run or the user has pressed a
// key or a mouse button anywhere, so that the enabled actions and what the window shows follow.
class TIdleRefresh : public QObject {
public:
    TIdleRefresh(QObject& owner, std::function<void()> refresh);

    void Schedule();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTimer timer_;
    std::function<void()> refresh_;
};
