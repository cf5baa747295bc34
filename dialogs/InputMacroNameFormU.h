#pragma once

#include <QDialog>

#include <functional>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

// The dialog in which the name of a macro is entered. OK closes it only for a name the check
// accepts; otherwise the check's reason shows under the edit and the name stays to be corrected.
class TInputMacroNameForm : public QDialog {
public:
    // check: the reason a name is refused, empty when it is accepted.
    explicit TInputMacroNameForm(std::function<std::string(const std::string&)> check, QWidget* parent = nullptr);

    // Writes the edit only when the text differs, so the cursor stays where it is otherwise.
    void SetText(const std::string& text);
    std::string Text() const;

    QLineEdit* edtMacroName;
    QLabel* lblFault;
    QPushButton* btnOK;
    QPushButton* btnCancel;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void TryAccept();

    std::function<std::string(const std::string&)> check_;
};
