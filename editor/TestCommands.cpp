// The test command: a test table run against the open circuit, its rows in the report window, and
// the circuit set to a row on request.
#include "VoltraneU.h"

#include "FileError.h"
#include "Shell.h"
#include "TestReportFormU.h"

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
    TTableResult result;
    {
        TBusy busy(*this);
        // The board is drawn in the simulating look while the flag is still set; the run is over.
        TSimulatingScope simulating(Circuit.Context);
        result = CheckTable(*testTable_, Bord, PositionalNames(Bord), row + 1);
        Redraw();
    }
    if (!result.Error.empty()) {
        frmTestReport->SetStatus(result.Error);
        return;
    }
    std::string status = DescribeRow(*testTable_, row, result.Rows[row]);
    status += "\n回路をこの行の入力にしました。表示はこの行を調べた時のレベルです。";
    frmTestReport->SetStatus(status);
}
