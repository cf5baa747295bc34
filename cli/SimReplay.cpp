#include "SimReplay.h"

#include "FileAccess.h"
#include "MessageText.h"
#include "Messages.h"
#include "RunRecord.h"

#include <filesystem>

std::vector<TSimEvent> ReadReplay(const std::string& recordPath, const std::string& circuitFile,
                                  const std::function<void(const std::string&)>& warn)
{
    TRunRecordFile record;
    try {
        record = ParseRunRecord(ReadFileBytes(recordPath));
    } catch (const TRecordError& e) {
        throw TUsageError(MessagePath(recordPath) + ":" + std::to_string(e.Line) + ": " + e.what());
    }
    // The record names its circuit relative to its own folder.
    const std::filesystem::path named = std::filesystem::path(recordPath).parent_path() / record.CircuitFile;
    if (!SameFile(named.string(), circuitFile))
        warn(Tr("The record '%1' was made for the circuit '%2'; replaying it on '%3'",
                {MessagePath(recordPath), MessageText(record.CircuitFile), MessagePath(circuitFile)}));
    std::vector<TSimEvent> events;
    for (const TRunAction& a : record.Actions)
        events.push_back({a.Kind == TRunAction::Press ? TSimEvent::Press : TSimEvent::Release, a.Name, a.Pass,
                          MessagePath(recordPath) + ":" + std::to_string(a.Line)});
    return events;
}
