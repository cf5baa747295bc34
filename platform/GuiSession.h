#pragma once

#include <memory>

class QGuiApplication;

// Fonts and text need a GUI application. A tool without a window of its own holds a session while
// it draws: it brings one up on the offscreen platform (unless another platform is asked for) when
// the process has none, and takes it down again at its end.
class TGuiSession {
public:
    TGuiSession();
    TGuiSession(const TGuiSession&) = delete;
    TGuiSession& operator=(const TGuiSession&) = delete;
    ~TGuiSession();

private:
    std::unique_ptr<QGuiApplication> app_;
    bool filtering_ = false;
};
