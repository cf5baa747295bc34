// Saving the record of a run next to the circuit it belongs to.
#include "Document.h"

#include "CircuitFile.h"
#include "FileAccess.h"
#include "Messages.h"
#include "Shell.h"

#include <filesystem>

namespace {

Shell::TFileDialog RecordDialog()
{
    return {std::string(Tr("Run records (*.lgr)")) + "|*.lgr|" + Tr("All files (*.*)") + "|*.*", "lgr", {}};
}

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
        shell_.ShowError(Tr("The circuit has changed since the recorded run, so this record does not fit it. "
                            "Save the circuit, run it again and record it anew."));
        return false;
    }
    if (Untitled() || s_.State.Modified || !FileHolds(path_, lines)) {
        const char* question = Tr("A record goes together with the saved circuit file. Save the circuit first?");
        if (shell_.AskYesNoCancel(question) != Shell::TAnswer::Yes || !Save()) return false;
    }
    Shell::TFileDialog dialog = RecordDialog();
    dialog.FileName = std::filesystem::path(path_).replace_extension(".lgr").string();
    const auto path = shell_.SaveFileName(dialog);
    if (!path) return false;
    if (SameFile(*path, path_)) {
        shell_.ShowError(Tr("A record cannot overwrite the circuit file. Give it another name."));
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
