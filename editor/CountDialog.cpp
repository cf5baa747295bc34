#include "CountDialog.h"

#include "CountInputFormU.h"
#include "Translated.h"

#include <QLabel>

std::optional<int> AskCount(QWidget* parent, const std::string& caption, int value, const char* low, const char* high)
{
    TCountInputForm form(parent);
    form.setWindowTitle(QString::fromStdString(caption));
    form.SetValue(value);
    form.lblStart->setText(low ? QString::fromUtf8(low) : QTrIn("count dialog", "Short"));
    form.lblEnd->setText(high ? QString::fromUtf8(high) : QTrIn("count dialog", "Long"));
    if (form.exec() != QDialog::Accepted) return std::nullopt;
    return form.Value();
}
