#include "CountDialog.h"

#include "CountInputFormU.h"

#include <QLabel>

std::optional<int> AskCount(QWidget* parent, const std::string& caption, int value, const char* low, const char* high)
{
    TCountInputForm form(parent);
    form.setWindowTitle(QString::fromStdString(caption));
    form.SetValue(value);
    form.lblStart->setText(QString::fromUtf8(low));
    form.lblEnd->setText(QString::fromUtf8(high));
    if (form.exec() != QDialog::Accepted) return std::nullopt;
    return form.Value();
}
