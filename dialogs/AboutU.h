#pragma once

#include <QDialog>

class QLabel;
class Shell;

// The web page a click on the about window's icon opens.
inline constexpr const char* ProjectWebPage = "https://github.com/voltrane/voltrane#readme";

// The about window: the program's icon, name and version with an OK button, centred on the
// screen, of a fixed size with no minimize or maximize button. A click on the icon opens the
// project's web page in the default browser; when none opens, the window says so and shows the
// address to copy.
class TfrmAbout : public QDialog {
public:
    explicit TfrmAbout(Shell& shell, QWidget* parent = nullptr);

    QWidget* imgIcon;
    // Empty until a click on the icon found no browser.
    QLabel* lblNoBrowser;

protected:
    void showEvent(QShowEvent* event) override;
};
