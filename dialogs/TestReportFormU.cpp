#include "TestReportFormU.h"

#include "Translated.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

const QColor TTestReportForm::PassedColor(200, 240, 200);
const QColor TTestReportForm::FailedColor(250, 190, 190);

namespace {

QString Text(const std::string& text) { return QString::fromStdString(text); }

constexpr const char* Hint = TrMark("Double-click a row to set the circuit to the row's inputs and stop there.");
constexpr const char* OutdatedNote =
    TrMark("The circuit has changed. The results are those of the circuit before the change. Run the test again.");

std::string Verdict(const TRowResult& result)
{
    switch (result.Verdict) {
    case TRowResult::Passed: return TrIn("test row", "passed");
    case TRowResult::Failed: return TrIn("test row", "failed");
    case TRowResult::Unsettled: return Tr("does not settle in %1 passes", {std::to_string(result.Passes)});
    }
    return {};
}

std::string Summary(const std::string& tableName, const TTestTable& table, const TTableResult& result)
{
    if (!result.Error.empty()) return Tr("FAIL %1: %2", {tableName, result.Error});
    size_t passed = 0;
    for (const TRowResult& row : result.Rows) passed += row.Verdict == TRowResult::Passed ? 1 : 0;
    const std::string rows = std::to_string(table.Rows.size()), passedRows = std::to_string(passed);
    return result.Passed() ? Tr("PASS %1: %3 of %2 rows passed", {tableName, rows, passedRows})
                           : Tr("FAIL %1: %3 of %2 rows passed", {tableName, rows, passedRows});
}

}  // namespace

TTestReportForm::TTestReportForm(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QTrIn("window", "Test"));
    lblSummary = new QLabel(this);
    lblSummary->setWordWrap(true);
    grdRows = new QTableWidget(this);
    grdRows->setObjectName(QStringLiteral("grdRows"));
    grdRows->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdRows->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdRows->setSelectionMode(QAbstractItemView::SingleSelection);
    grdRows->verticalHeader()->setVisible(false);
    grdRows->horizontalHeader()->setStretchLastSection(true);
    grdRows->setMinimumSize(420, 240);
    lblStatus = new QLabel(QTr(Hint), this);
    lblStatus->setWordWrap(true);
    // Two lines of its own below the table's frame, however the window is sized.
    lblStatus->setMinimumHeight(2 * lblStatus->fontMetrics().lineSpacing() + 4);
    lblStatus->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    btnClose = new QPushButton(QTr("Close"), this);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::close);
    connect(grdRows, &QTableWidget::cellDoubleClicked, this, [this](int row, int) {
        if (OnShowRow && row >= 0) OnShowRow(static_cast<size_t>(row));
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblSummary);
    layout->addWidget(grdRows, 1);
    layout->addSpacing(4);
    layout->addWidget(lblStatus);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnClose);
    layout->addLayout(buttons);
}

void TTestReportForm::ShowResult(const std::string& tableName, const TTestTable& table, const TTableResult& result)
{
    outdated_ = false;
    ShowHint();
    lblSummary->setText(Text(Summary(tableName, table, result)));
    QStringList titles{QTrIn("test report column", "Line")};
    for (const auto* columns : {&table.Inputs, &table.Outputs})
        for (const TTableColumn& column : *columns) titles << Text(column.Title);
    titles << QTrIn("test report column", "Result");
    grdRows->clear();
    grdRows->setColumnCount(static_cast<int>(titles.size()));
    grdRows->setHorizontalHeaderLabels(titles);
    grdRows->setRowCount(static_cast<int>(result.Rows.size()));
    const size_t inputs = table.Inputs.size();
    for (size_t r = 0; r < result.Rows.size(); ++r) {
        const TTableRow& row = table.Rows[r];
        const TRowResult& outcome = result.Rows[r];
        std::vector<std::string> cells{std::to_string(row.Line) +
                                       (row.Repeated ? " (" + std::to_string(row.Round) + ")" : std::string())};
        for (size_t c = 0; c < row.Values.size(); ++c) {
            const char expected = row.Values[c];
            std::string cell(1, expected);
            if (c >= inputs && expected != 'X' && outcome.Actual[c - inputs] != expected)
                cell = Tr("expected %1 but was %2",
                          {std::string(1, expected), std::string(1, outcome.Actual[c - inputs])});
            cells.push_back(cell);
        }
        cells.push_back(Verdict(outcome));
        const QColor colour = outcome.Verdict == TRowResult::Passed ? PassedColor : FailedColor;
        for (size_t c = 0; c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(Text(cells[c]));
            item->setBackground(colour);
            item->setForeground(Qt::black);
            grdRows->setItem(static_cast<int>(r), static_cast<int>(c), item);
        }
    }
    grdRows->resizeColumnsToContents();
    if (const size_t failure = result.FirstFailure(); failure != TTableResult::npos)
        grdRows->scrollToItem(grdRows->item(static_cast<int>(failure), 0));
}

void TTestReportForm::SetStatus(const std::string& text) { lblStatus->setText(Text(text)); }

void TTestReportForm::ShowHint() { SetStatus(Tr(outdated_ ? OutdatedNote : Hint)); }

void TTestReportForm::MarkOutdated()
{
    if (outdated_) return;
    outdated_ = true;
    for (int r = 0; r < grdRows->rowCount(); ++r)
        for (int c = 0; c < grdRows->columnCount(); ++c)
            if (QTableWidgetItem* item = grdRows->item(r, c)) item->setForeground(Qt::gray);
    ShowHint();
}
