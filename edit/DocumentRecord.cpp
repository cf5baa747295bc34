// Saving the record of a run next to the circuit it belongs to.
#include "Document.h"

#include "CircuitFile.h"
#include "FileAccess.h"
#include "Shell.h"

#include <filesystem>

namespace {

const Shell::TFileDialog RecordDialog{"実行記録(*.lgr)|*.lgr|全てのファイル(*.*)|*.*", "lgr", {}};

constexpr const char* MsgRecordStale =
    "記録した実行のあとで回路が変更されたため、この記録は回路に合いません。"
    "回路を保存してからもう一度実行し、記録し直してください。";
constexpr const char* MsgRecordOverCircuit = "記録で回路ファイルを上書きすることはできません。別の名前を付けてください。";
constexpr const char* MsgSaveCircuitFirst =
    "記録は保存された回路ファイルと組で使います。先に回路を保存しますか？";

// Whether the file holds exactly this circuit text, names included.
bool FileHolds(const std::string& path, const TStrings& lines)
{
    try {
        return ReadCircuitFile(path) == lines;
    } catch (const TFileError&) {
        return false;
    }
}

// The circuit file as the record's first line names it: relative to the record's folder, so that
// the two files can be moved together.
std::string CircuitFileFor(const std::string& recordPath, const std::string& circuitPath)
{
    namespace fs = std::filesystem;
    std::error_code ignored;
    const fs::path record = fs::absolute(recordPath, ignored).lexically_normal();
    const fs::path circuit = fs::absolute(circuitPath, ignored).lexically_normal();
    return circuit.lexically_proximate(record.parent_path()).generic_string();
}

}  // namespace

bool TDocument::SaveRecord()
{
    const TRunRecorder& record = s_.Recorder;
    if (!record.HasRun()) return false;
    TStrings lines;
    Text(lines);
    if (lines != record.CircuitText() || record.EditedDuringRun()) {
        shell_.ShowError(MsgRecordStale);
        return false;
    }
    if (Untitled() || s_.State.Modified || !FileHolds(path_, lines)) {
        if (shell_.AskYesNoCancel(MsgSaveCircuitFirst) != Shell::TAnswer::Yes || !Save()) return false;
    }
    Shell::TFileDialog dialog = RecordDialog;
    dialog.FileName = std::filesystem::path(path_).replace_extension(".lgr").string();
    const auto path = shell_.SaveFileName(dialog);
    if (!path) return false;
    if (SameFile(*path, path_)) {
        shell_.ShowError(MsgRecordOverCircuit);
        return false;
    }
    try {
        WriteFileBytes(*path, RunRecordText(CircuitFileFor(*path, path_), record.Actions()));
    } catch (const TFileError& error) {
        shell_.ShowError(error.what());
        return false;
    }
    return true;
}
