#pragma once

#include <QDialog>

#include <string>
#include <vector>

class QListWidget;
class QPushButton;

// The dialog in which the macro list is put in order and names are taken off it; the caller reads
// and writes the list as a whole. The selection follows an entry moved up or down.
class TMacroMtnForm : public QDialog {
public:
    explicit TMacroMtnForm(QWidget* parent = nullptr);

    void SetNames(const std::vector<std::string>& names);
    std::vector<std::string> Names() const;

    QListWidget* lstMacroNames;
    QPushButton* btnUP;
    QPushButton* btnDOWN;
    QPushButton* btnDelete;
    QPushButton* btnOK;
    QPushButton* btnCancel;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Exchanges the selected entry with the one step entries away, when there is one.
    void MoveSelected(int step);
    void DeleteSelected();
};
