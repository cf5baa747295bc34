#pragma once

#include "PictureLook.h"

#include <QDialog>

#include <optional>
#include <string>

class QCheckBox;
class QPushButton;
class QRadioButton;

// The look of a picture about to be made: as the board is on screen, or clean for handouts, and
// whether a clean one shows the levels of the run. Enter takes the look shown, which the caller
// presets to the last one chosen.
class TPictureLookDialog : public QDialog {
public:
    TPictureLookDialog(QWidget* parent, const std::string& caption, const TPictureLook& preset);

    TPictureLook Look() const;

    QRadioButton* rbScreen;
    QRadioButton* rbClean;
    QCheckBox* cbLevels;
    QPushButton* btnOK;
    QPushButton* btnCancel;
};

// The look chosen, none when the dialog was cancelled.
std::optional<TPictureLook> AskPictureLook(QWidget* parent, const std::string& caption, const TPictureLook& preset);
