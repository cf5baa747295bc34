// The test command: a test table run against the open circuit, its rows in the report window, and
// the circuit set to a row on request.
#include "VoltraneU.h"

#include "FileError.h"
#include "Shell.h"
#include "TestReportFormU.h"

#include <utility>

namespace {

const Shell::TFileDialog TableDialog{"テスト表(*.lgt)|*.lgt|全てのファイル(*.*)|*.*", "lgt", {}};

}  // namespace

void TfrmVoltrane::actTestExecute()
{
    if (Simulating()) return;
    Shell::TFileDialog dialog = TableDialog;
    dialog.FileName = testTablePath_;
    const auto path = shell_.OpenFileName(dialog);
    if (!path) return;
    try {
        testTable_ = ReadTestTable(*path);
    } catch (const TTableError& error) {
        shell_.ShowError(*path + ": " + std::to_string(error.Line) + " 行目: " + error.what());
        return;
    } catch (const TFileError& error) {
        shell_.ShowError(error.what());
        return;
    }
    testTablePath_ = *path;
    TTableResult result;
    {
        TBusy busy(*this);
        // A copy read from the circuit's own text starts as the saved file does, whatever state
        // earlier runs left in the flip-flops: the report is what voltrane-sim --test says.
        TStrings lines;
        Document.Text(lines);
        result = CheckCircuitText(*testTable_, lines);
    }
    if (!frmTestReport) {
        frmTestReport = new TTestReportForm(this);
        frmTestReport->OnShowRow = [this](size_t row) { ShowTestRow(row); };
    }
    testedEdits_ = Circuit.Context.Edits;
    frmTestReport->ShowResult(*path, *testTable_, result);
    frmTestReport->show();
    frmTestReport->raise();
}

void TfrmVoltrane::ShowTestRow(size_t row)
{
    if (!testTable_ || row >= testTable_->Rows.size() || !frmTestReport) return;
    if (Simulating()) {
        frmTestReport->SetStatus("シミュレーション中は行を表示できません。");
        return;
    }
    // A run that starts as every run does, goes through the rows up to this one as the check did,
    // and pauses there: the student steps on or resumes from the row.
    preludeAtStart_ = [this, row](TPassEngine& engine) {
        TBusy busy(*this);
        const TTableResult result = RunTableRows(*testTable_, Bord, PositionalNames(Bord), engine, row + 1);
        if (!result.Error.empty()) {
            frmTestReport->SetStatus(result.Error);
            actSimStopExecute();
            return;
        }
        frmTestReport->SetStatus(DescribeRow(*testTable_, row, result.Rows[row]) +
                                 "\n回路をこの行の入力にして一時停止しました。1パス実行 (F10) で1パスずつ進めます。");
        rowPaused_ = true;
    };
    ActionManager1.actSimStart->trigger();
    preludeAtStart_ = {};
    // The run has ended: nothing stands paused at the row any more.
    if (std::exchange(rowPaused_, false)) frmTestReport->ShowHint();
}

void TfrmVoltrane::RefreshTestReport()
{
    if (frmTestReport && !Simulating() && Circuit.Context.Edits != testedEdits_) frmTestReport->MarkOutdated();
}
