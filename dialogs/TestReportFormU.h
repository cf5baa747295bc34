#pragma once

#include "TableCheck.h"

#include <QDialog>

#include <functional>
#include <string>

class QLabel;
class QPushButton;
class QTableWidget;

// The rows of a test table as the check of the open circuit found them: passed rows green, failed
// rows red with the expected and the actual value of every output that differed. A double click
// on a row asks the window to set the circuit to that row.
class TTestReportForm : public QDialog {
public:
    explicit TTestReportForm(QWidget* parent = nullptr);

    // Lists the rows of a new check; the line under them goes back to the hint.
    void ShowResult(const std::string& tableName, const TTestTable& table, const TTableResult& result);
    // The line under the rows: what the last double click did.
    void SetStatus(const std::string& text);
    // The line under the rows says what a double click does.
    void ShowHint();
    // The circuit has changed since the check: the rows are greyed and the line says so.
    void MarkOutdated();
    bool Outdated() const { return outdated_; }

    // Called with the index of the row double clicked.
    std::function<void(size_t row)> OnShowRow;

    QLabel* lblSummary;
    QTableWidget* grdRows;
    QLabel* lblStatus;
    QPushButton* btnClose;

    static const QColor PassedColor;
    static const QColor FailedColor;

private:
    bool outdated_ = false;
};
