#pragma once

#include <QDialog>

class Shell;

// The web page a click on the about window's icon opens.
inline constexpr const char* ProjectWebPage = "https://github.com/voltrane/voltrane#readme";

// The about window: the program's icon and name with an OK button, centred on the screen.
// A click on the icon opens the project's web page in the default browser.
class TfrmAbout : public QDialog {
public:
    explicit TfrmAbout(Shell& shell, QWidget* parent = nullptr);

    QWidget* imgIcon;

protected:
    void showEvent(QShowEvent* event) override;
};
