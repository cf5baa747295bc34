#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QSlider;
class QSpinBox;

// The dialog in which a number setting from 1 to 100 is chosen with a track bar and ▲/▼, or typed
// into the field beside the bar; each caller sets the caption and the texts at the bar's ends.
class TCountInputForm : public QDialog {
public:
    explicit TCountInputForm(QWidget* parent = nullptr);

    // A value outside 1..100 puts the bar at the nearest end.
    void SetValue(int value);
    int Value() const;

    QLabel* pnlCount;
    QPushButton* btnUp;
    QPushButton* btnDown;
    QSlider* barCount;
    QSpinBox* edtCount;
    QLabel* lblStart;
    QLabel* lblEnd;
    QPushButton* btnOK;
    QPushButton* btnCancel;

protected:
    void showEvent(QShowEvent* event) override;
};
