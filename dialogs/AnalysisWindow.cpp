#include "AnalysisWindow.h"

#include "ExpressionTable.h"
#include "CircuitBuilder.h"
#include "FileAccess.h"
#include "FileError.h"
#include "KarnaughView.h"
#include "MessageText.h"
#include "OutputForms.h"
#include "Shell.h"
#include "TableFiles.h"
#include "TextKeys.h"
#include "Translated.h"
#include "TruthTableModel.h"
#include "UsageError.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <stdexcept>


TAnalysisWindow::TAnalysisWindow(Shell& shell, TFromBoard fromBoard, TPlace place, QWidget* parent)
    : QWidget(parent, Qt::Window), shell_(shell), fromBoard_(std::move(fromBoard)), place_(std::move(place))
{
    setObjectName(QStringLiteral("frmAnalysis"));
    setWindowTitle(QTr("Circuit analysis"));
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(900, 560);

    auto* bar = new QHBoxLayout;
    btnFromBoard = new QPushButton(QTr("From the board"), this);
    btnOpen = new QPushButton(QTr("Open..."), this);
    btnPaste = new QPushButton(QTr("Paste"), this);
    edtColumns = new QLineEdit(QStringLiteral("A B C | F"), this);
    edtColumns->setToolTip(QTr("A new table: its columns, inputs, then |, then outputs (A B C | F); or an "
                               "expression (F = A·B + /C)"));
    btnNew = new QPushButton(QTr("New table"), this);
    btnSave = new QPushButton(QTr("Save as..."), this);
    btnCompare = new QPushButton(QTr("Compare with..."), this);
    for (QWidget* w : std::initializer_list<QWidget*>{btnFromBoard, btnOpen, btnPaste, edtColumns, btnNew, btnSave,
                                                      btnCompare})
        bar->addWidget(w);

    grdTable = new QTableView(this);
    model_ = new TTruthTableModel(this);
    grdTable->setModel(model_);
    grdTable->horizontalHeader()->setDefaultSectionSize(44);
    grdTable->verticalHeader()->setDefaultSectionSize(22);
    grdTable->setSelectionMode(QAbstractItemView::NoSelection);
    // A heading drags to move its column and opens a menu to hide it.
    grdTable->horizontalHeader()->setSectionsMovable(true);
    grdTable->horizontalHeader()->setContextMenuPolicy(Qt::CustomContextMenu);
    edtAddColumn = new QLineEdit(this);
    edtAddColumn->setPlaceholderText(QTr("Label or NAME.I"));
    edtAddColumn->setToolTip(QTr("A terminal: the text of a label beside a part's output, or NAME.I"));
    btnAddColumn = new QPushButton(QTr("Add column"), this);

    cmbOutput = new QComboBox(this);
    cmbGroups = new QComboBox(this);
    cmbGroups->addItems({QTr("Groups of the sum of products"), QTr("Groups of the product of sums")});
    lblSum = new QLabel(this);
    lblProduct = new QLabel(this);
    for (QLabel* label : {lblSum, lblProduct}) {
        // As large as a textbook prints a formula, its bars clear of the letters.
        QFont font = label->font();
        font.setPointSizeF(font.pointSizeF() * 1.4);
        label->setFont(font);
        label->setTextFormat(Qt::RichText);
        label->setWordWrap(true);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    pboxMap = new TKarnaughView(this);
    forms_ = new TOutputForms(lblSum, lblProduct, pboxMap, this);
    auto* mapScroll = new QScrollArea(this);
    mapScroll->setWidget(pboxMap);
    mapScroll->setWidgetResizable(false);
    lblStatus = new QLabel(this);
    cmbStyle = new QComboBox(this);
    cmbStyle->addItems({QTr("AND, OR and NOT gates"), QTr("NAND gates only"), QTr("NOR gates only")});
    cmbForm = new QComboBox(this);
    cmbForm->addItems({QTr("Sum of products"), QTr("Product of sums")});
    chkEveryOutput = new QCheckBox(QTr("Every output"), this);
    btnBuild = new QPushButton(QTr("Build on the board"), this);
    btnBuild->setToolTip(QTr("Places the form of the output as a sub-board beside the circuit, once it passes the table"));

    auto* right = new QVBoxLayout;
    auto* chooser = new QHBoxLayout;
    chooser->addWidget(new QLabel(QTr("Output"), this));
    chooser->addWidget(cmbOutput, 1);
    chooser->addWidget(cmbGroups, 1);
    right->addLayout(chooser);
    auto* forms = new QFormLayout;
    forms->addRow(QTr("Sum of products"), lblSum);
    forms->addRow(QTr("Product of sums"), lblProduct);
    right->addLayout(forms);
    auto* builder = new QHBoxLayout;
    builder->addWidget(new QLabel(QTr("Build"), this));
    builder->addWidget(cmbForm, 1);
    builder->addWidget(cmbStyle, 1);
    builder->addWidget(chkEveryOutput);
    builder->addWidget(btnBuild);
    right->addLayout(builder);
    right->addWidget(mapScroll, 1);
    auto* left = new QVBoxLayout;
    left->addWidget(grdTable, 1);
    auto* adder = new QHBoxLayout;
    adder->addWidget(edtAddColumn, 1);
    adder->addWidget(btnAddColumn);
    left->addLayout(adder);
    auto* body = new QHBoxLayout;
    body->addLayout(left, 2);
    body->addLayout(right, 3);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addLayout(body, 1);
    layout->addWidget(lblStatus);

    connect(btnFromBoard, &QPushButton::clicked, this, [this] { TakeFromBoard(true); });
    connect(btnAddColumn, &QPushButton::clicked, this, [this] {
        if (AddColumn(edtAddColumn->text().trimmed().toStdString())) edtAddColumn->clear();
    });
    connect(edtAddColumn, &QLineEdit::returnPressed, btnAddColumn, &QPushButton::click);
    connect(grdTable->horizontalHeader(), &QHeaderView::sectionMoved, this, [this](int, int from, int to) {
        // The grid always shows the table's own order: the move is made in the table, the heading put back.
        QHeaderView* header = grdTable->horizontalHeader();
        header->blockSignals(true);
        header->moveSection(to, from);
        header->blockSignals(false);
        MoveColumn(static_cast<size_t>(from), static_cast<size_t>(to));
    });
    connect(grdTable->horizontalHeader(), &QHeaderView::customContextMenuRequested, this,
            [this](const QPoint& at) { ShowHeaderMenu(at); });
    connect(btnOpen, &QPushButton::clicked, this, [this] { OpenTable(); });
    connect(btnPaste, &QPushButton::clicked, this, [this] {
        if (shell_.ClipboardHasText()) ReadTable(shell_.ClipboardText(), Tr("the clipboard"));
    });
    connect(btnNew, &QPushButton::clicked, this, [this] { NewTable(); });
    connect(btnSave, &QPushButton::clicked, this, [this] {
        Shell::TFileDialog dialog = TablesDialog(false);
        if (const auto path = shell_.SaveFileName(dialog)) SaveTable(*path);
    });
    connect(btnCompare, &QPushButton::clicked, this, [this] { OpenComparison(); });
    connect(btnBuild, &QPushButton::clicked, this, [this] { BuildOnBoard(); });
    connect(cmbOutput, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0) ShowOutput(static_cast<size_t>(index));
    });
    connect(cmbGroups, &QComboBox::currentIndexChanged, this, [this] { ShowOutput(size_t(cmbOutput->currentIndex())); });
    connect(grdTable, &QTableView::clicked, this, [this](const QModelIndex& index) {
        if (!table_ || index.column() < static_cast<int>(table_->Inputs.size())) return;
        CycleValue(static_cast<uint32_t>(index.row()), static_cast<size_t>(index.column()) - table_->Inputs.size());
    });
    pboxMap->OnCellClicked = [this](uint32_t row) { CycleValue(row, static_cast<size_t>(cmbOutput->currentIndex())); };
    Refresh();
}

// The view outlives the table it shows (children go after the members): it is let go of it first.
void TAnalysisWindow::showEvent(QShowEvent* event)
{
    // Opened on a combinational circuit, the window shows its table at once.
    if (!table_) TakeFromBoard(false);
    QWidget::showEvent(event);
}

void TAnalysisWindow::TakeFromBoard(bool tellWhy)
{
    if (auto table = fromBoard_(tellWhy, added_))
        ShowTable(std::move(*table));
    else
        added_.clear();  // a column the board lacks now is not asked for again
}

bool TAnalysisWindow::AddColumn(const std::string& terminal)
{
    if (terminal.empty()) return false;
    std::vector<std::string> added = added_;
    added.push_back(terminal);
    auto table = fromBoard_(true, added);
    if (!table) return false;
    added_ = std::move(added);
    ShowTable(std::move(*table));
    return true;
}

bool TAnalysisWindow::MoveColumn(size_t from, size_t to)
{
    if (!table_) return false;
    try {
        const std::string shown = cmbOutput->currentText().toStdString();
        ShowTable(::MoveColumn(*table_, from, to));
        cmbOutput->setCurrentText(QString::fromStdString(shown));
        return true;
    } catch (const std::out_of_range&) {
        return false;
    }
}

void TAnalysisWindow::HideColumn(size_t column)
{
    if (!table_ || column < table_->Inputs.size() || column >= table_->Inputs.size() + table_->Outputs.size()) return;
    hidden_.push_back(table_->Outputs[column - table_->Inputs.size()]);
    grdTable->setColumnHidden(static_cast<int>(column), true);
}

void TAnalysisWindow::ShowEveryColumn()
{
    hidden_.clear();
    for (int c = 0; c < model_->columnCount(); ++c) grdTable->setColumnHidden(c, false);
}

void TAnalysisWindow::ShowHeaderMenu(const QPoint& at)
{
    const int column = grdTable->horizontalHeader()->logicalIndexAt(at);
    QMenu menu(this);
    QAction* hide = menu.addAction(QTr("Hide this column"));
    hide->setEnabled(table_ && column >= static_cast<int>(table_->Inputs.size()));
    QAction* showAll = menu.addAction(QTr("Show every column"));
    showAll->setEnabled(!hidden_.empty());
    const QAction* chosen = menu.exec(grdTable->horizontalHeader()->mapToGlobal(at));
    if (chosen == hide) HideColumn(static_cast<size_t>(column));
    if (chosen == showAll) ShowEveryColumn();
}

TAnalysisWindow::~TAnalysisWindow() { model_->Reset(nullptr, nullptr); }

void TAnalysisWindow::ShowTable(TAnalysisTable table)
{
    table_ = std::move(table);
    differences_.clear();
    comparedWith_.clear();
    model_->Reset(&*table_, &differences_);
    const size_t inputs = table_->Inputs.size();
    for (size_t c = 0; c < inputs + table_->Outputs.size(); ++c)
        grdTable->setColumnHidden(static_cast<int>(c), c >= inputs && std::find(hidden_.begin(), hidden_.end(),
                                                                                table_->Outputs[c - inputs]) != hidden_.end());
    cmbOutput->blockSignals(true);
    cmbOutput->clear();
    for (const std::string& name : table_->Outputs) cmbOutput->addItem(QString::fromStdString(name));
    cmbOutput->setCurrentIndex(0);
    cmbOutput->blockSignals(false);
    ShowOutput(0);
}

bool TAnalysisWindow::ReadTable(const std::string& text, const std::string& source)
{
    try {
        ShowTable(ParseAnalysisTable(text));
        return true;
    } catch (const TTableError& error) {
        shell_.ShowError(Tr("%1: line %2: %3", {MessagePath(source), std::to_string(error.Line), error.what()}));
        return false;
    }
}

void TAnalysisWindow::OpenTable()
{
    Shell::TFileDialog dialog = TablesDialog(false);
    const auto path = shell_.OpenFileName(dialog);
    if (!path) return;
    try {
        ReadTable(ReadFileBytes(*path), *path);
    } catch (const TFileError& error) {
        shell_.ShowError(error.what());
    }
}

void TAnalysisWindow::OpenComparison()
{
    if (!table_) return;
    Shell::TFileDialog dialog = TablesDialog(true);
    const auto path = shell_.OpenFileName(dialog);
    if (!path) return;
    try {
        const TAnalysisTable other = EndsWith(*path, ".lgc") ? AnalysisOf(FileTruthTable(*path))
                                                             : ParseAnalysisTable(ReadFileBytes(*path));
        CompareWith(other, *path);
    } catch (const TTableError& error) {
        shell_.ShowError(Tr("%1: line %2: %3", {MessagePath(*path), std::to_string(error.Line), error.what()}));
    } catch (const TFileError& error) {
        shell_.ShowError(error.what());
    } catch (const TFormatError& error) {
        shell_.ShowError(MessagePath(*path) + ": " + error.what());
    } catch (const TUsageError& error) {
        shell_.ShowError(MessagePath(*path) + ": " + error.what());
    }
}

void TAnalysisWindow::NewTable()
{
    const QString heading = edtColumns->text();
    if (heading.contains(QLatin1Char('='))) {
        try {
            ShowTable(ParseExpression(heading.toStdString()));
        } catch (const TTableError& error) {
            shell_.ShowError(error.what());
        }
        return;
    }
    // The heading of a test table and one row that sets every output to 0 for every input.
    const QStringList sides = heading.split(QLatin1Char('|'));
    if (sides.size() != 2) {
        shell_.ShowError(Tr("Write the inputs, then |, then the outputs (for example: A B C | F)"));
        return;
    }
    const auto count = [](const QString& side) { return side.split(QLatin1Char(' '), Qt::SkipEmptyParts).size(); };
    const std::string row = QStringLiteral("X ").repeated(count(sides[0])).toStdString() + "|" +
                            QStringLiteral(" 0").repeated(count(sides[1])).toStdString();
    ReadTable(heading.toStdString() + "\n" + row + "\n", Tr("the new table"));
}

bool TAnalysisWindow::CompareWith(const TAnalysisTable& other, const std::string& source)
{
    if (!table_) return false;
    try {
        differences_ = CompareTables(*table_, other);
    } catch (const TTableError& error) {
        shell_.ShowError(error.what());
        return false;
    }
    comparedWith_ = source;
    model_->Reset(&*table_, &differences_);
    ShowOutput(static_cast<size_t>(std::max(0, cmbOutput->currentIndex())));
    return true;
}

bool TAnalysisWindow::SaveTable(const std::string& path)
{
    if (!table_) return false;
    try {
        WriteFileBytes(path, EndsWith(path, ".csv") ? AnalysisCsv(*table_) : AnalysisAsTest(*table_));
        return true;
    } catch (const TFileError& error) {
        shell_.ShowError(error.what());
        return false;
    }
}

bool TAnalysisWindow::BuildOnBoard()
{
    if (!table_ || cmbOutput->currentIndex() < 0) return false;
    if (table_->Inputs.size() > static_cast<size_t>(MaxExactInputs)) {
        shell_.ShowError(Tr("Circuits are built for up to ten inputs"));
        return false;
    }
    TAnalysisTable wanted = *table_;
    if (!chkEveryOutput->isChecked()) {
        const size_t output = static_cast<size_t>(cmbOutput->currentIndex());
        wanted = {table_->Inputs, {table_->Outputs[output]}, {table_->Functions[output]}, {}};
    }
    TBuiltSubBoard built;
    try {
        built = BuildSubBoard(wanted, static_cast<TGateStyle>(cmbStyle->currentIndex()), cmbForm->currentIndex() == 1);
    } catch (const std::invalid_argument&) {
        shell_.ShowError(Tr("The columns cannot label a circuit: each name must differ from the others and hold no "
                            "control characters"));
        return false;
    }
    const TTableResult tried = TryBuilt(built, wanted);
    if (!tried.Passed()) {
        // The builder's own fault: nothing is placed that computes something else.
        shell_.ShowError(Tr("The built circuit does not compute the table, so it was not placed: %1",
                            {tried.Error.empty() ? std::to_string(tried.FirstFailure() + 1) : tried.Error}));
        return false;
    }
    if (!place_(built.Placed)) return false;
    QStringList names;
    for (const std::string& name : wanted.Outputs) names << QString::fromStdString(name);
    lblStatus->setText(
        QTr("%1 is built beside the circuit and passes the table's %2 rows").arg(names.join(", ")).arg(tried.Rows.size()));
    return true;
}

std::vector<uint32_t> TAnalysisWindow::DifferingRows(size_t output) const
{
    std::vector<uint32_t> rows;
    for (const TTableDifference& d : differences_)
        if (d.Output == output) rows.push_back(d.Row);
    return rows;
}

void TAnalysisWindow::ShowOutput(size_t output)
{
    if (!table_ || output >= table_->Outputs.size())
        forms_->Clear();
    else
        forms_->Show(table_->Functions[output], table_->Outputs[output], table_->Inputs,
                     cmbGroups->currentIndex() == 1, DifferingRows(output));
    Refresh();
}

void TAnalysisWindow::CycleValue(uint32_t row, size_t output)
{
    if (!table_ || output >= table_->Outputs.size() || row >= table_->Functions[output].Rows()) return;
    TBoolFunction& f = table_->Functions[output];
    const TLogicValue value = f.At(row);
    f.Set(row, value == TLogicValue::Zero ? TLogicValue::One
               : value == TLogicValue::One ? TLogicValue::DontCare : TLogicValue::Zero);
    model_->Changed(static_cast<int>(row), static_cast<int>(table_->Inputs.size() + output));
    if (static_cast<size_t>(cmbOutput->currentIndex()) == output) ShowOutput(output);
}

void TAnalysisWindow::Refresh()
{
    const bool shown = table_.has_value();
    for (QWidget* w : std::initializer_list<QWidget*>{btnSave, btnCompare, cmbOutput, cmbGroups, cmbForm, cmbStyle,
                                                      chkEveryOutput, btnBuild})
        w->setEnabled(shown);
    if (!shown) {
        lblStatus->setText(QTr("Take the table of the circuit on the board, open or paste one, or start a new one"));
        return;
    }
    QString status = QTr("Inputs: %1, outputs: %2").arg(table_->Inputs.size()).arg(table_->Outputs.size());
    if (table_->Inputs.size() > static_cast<size_t>(TKarnaughMap::MaxInputs))
        status += QStringLiteral("   ") + QTr("A map shows up to six inputs");
    if (table_->Inputs.size() > static_cast<size_t>(MaxExactInputs))
        status += QStringLiteral("   ") + QTr("Above ten inputs the forms are a quick cover, not always the smallest");
    if (!table_->Unsettled.empty())
        status += QStringLiteral("   ") + QTr("%1 rows do not settle (~): their outputs count as don't-cares")
                                              .arg(table_->Unsettled.size());
    if (!table_->History.empty())
        status += QStringLiteral("   ") +
                  QTr("%1 rows depend on the rows run before them (*): their outputs count as don't-cares")
                      .arg(table_->History.size());
    if (!comparedWith_.empty()) {
        std::vector<uint32_t> rows;
        for (const TTableDifference& d : differences_) rows.push_back(d.Row);
        std::sort(rows.begin(), rows.end());
        rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
        status += QStringLiteral("   ") +
                  (rows.empty() ? QTr("Every row agrees with %1").arg(QString::fromStdString(MessagePath(comparedWith_)))
                                : QTr("%1 rows differ from %2").arg(rows.size()).arg(
                                      QString::fromStdString(MessagePath(comparedWith_))));
    }
    lblStatus->setText(status);
}
