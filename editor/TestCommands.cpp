#include "TestCommands.h"

#include "Document.h"
#include "FileError.h"
#include "Messages.h"
#include "RunCommands.h"
#include "Shell.h"
#include "TableCheck.h"
#include "TestReportFormU.h"

#include <utility>

namespace {

// The file dialog for a test table, its kinds of file named in the chosen language.
Shell::TFileDialog TableDialog()
{
    return {std::string(Tr("Test tables (*.lgt)")) + "|*.lgt|" + Tr("All files (*.*)") + "|*.*", "lgt", {}};
}

}  // namespace

TTestCommands::TTestCommands(QWidget& window, TActionManager& actions, TEditSession& session, TDocument& document,
                             TRunCommands& runs, Shell& shell)
    : QObject(&window), window_(window), s_(session), document_(document), runs_(runs), shell_(shell)
{
    connect(actions.actTest, &QAction::triggered, this, [this] { Execute(); });
}

void TTestCommands::Execute()
{
    if (s_.Context.Simulating) return;
    Shell::TFileDialog dialog = TableDialog();
    dialog.FileName = tablePath_;
    const auto path = shell_.OpenFileName(dialog);
    if (!path) return;
    try {
        table_ = ReadTestTable(*path);
    } catch (const TTableError& error) {
        shell_.ShowError(Tr("%1: line %2: %3", {*path, std::to_string(error.Line), error.what()}));
        return;
    } catch (const TFileError& error) {
        shell_.ShowError(error.what());
        return;
    }
    tablePath_ = *path;
    TTableResult result;
    {
        TBusy busy(s_.Host);
        // A copy read from the circuit's own text starts as the saved file does, whatever state
        // earlier runs left in the flip-flops: the report is what voltrane-sim --test says.
        TStrings lines;
        document_.Text(lines);
        result = CheckCircuitText(*table_, lines);
    }
    if (!frmTestReport) {
        frmTestReport = new TTestReportForm(&window_);
        frmTestReport->OnShowRow = [this](size_t row) { ShowRow(row); };
    }
    testedEdits_ = s_.Context.Edits;
    frmTestReport->ShowResult(*path, *table_, result);
    frmTestReport->show();
    frmTestReport->raise();
}

void TTestCommands::ShowRow(size_t row)
{
    if (!table_ || row >= table_->Rows.size() || !frmTestReport) return;
    if (s_.Context.Simulating) {
        frmTestReport->SetStatus(Tr("A row cannot be shown while the simulation runs."));
        return;
    }
    // A run that starts as every run does, goes through the rows up to this one as the check did,
    // and pauses there: the student steps on or resumes from the row.
    runs_.StartAt([this, row](TPassEngine& engine) {
        TBusy busy(s_.Host);
        const TTableResult result = RunTableRows(*table_, s_.Bord, PositionalNames(s_.Bord), engine, row + 1);
        if (!result.Error.empty()) {
            frmTestReport->SetStatus(result.Error);
            runs_.Stop();
            return;
        }
        frmTestReport->SetStatus(Tr("%1\nThe circuit now has this row's inputs and is paused. Run one pass (F10) steps it "
                              "one pass at a time.",
                              {DescribeRow(*table_, row, result.Rows[row])}));
        rowPaused_ = true;
    });
    // The run has ended: nothing stands paused at the row any more.
    if (std::exchange(rowPaused_, false)) frmTestReport->ShowHint();
}

void TTestCommands::Refresh()
{
    if (frmTestReport && !s_.Context.Simulating && s_.Context.Edits != testedEdits_) frmTestReport->MarkOutdated();
}
