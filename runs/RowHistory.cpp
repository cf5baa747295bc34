#include "RowHistory.h"

#include "FeedbackLoops.h"
#include "UsageError.h"

#include <algorithm>
#include <utility>

namespace {

std::vector<TRowResult> Checked(TTableResult result)
{
    if (!result.Error.empty()) throw TUsageError(result.Error);
    return std::move(result.Rows);
}

bool Settles(const TRowResult& row) { return row.Verdict != TRowResult::Unsettled; }

// Adds the columns at which after differs from fresh: every column when one settles and the other does not.
void AddDiffering(const TRowResult& fresh, const TRowResult& after, std::vector<size_t>& columns)
{
    if (!Settles(fresh) && !Settles(after)) return;
    if (Settles(fresh) && Settles(after) && fresh.Actual == after.Actual) return;
    for (size_t c = 0; c < fresh.Actual.size(); ++c)
        if (Settles(fresh) != Settles(after) || fresh.Actual[c] != after.Actual[c]) columns.push_back(c);
}

}  // namespace

TRowHistory RunRowsFresh(const TTestTable& table, TBord& board, const TNamedObjects& named, const TStrings& lines,
                         TEngineMode engine)
{
    const size_t rows = table.Rows.size();
    std::vector<TRowResult> forward = Checked(CheckTable(table, board, named));
    TRowHistory history;
    // Without a loop of parts nothing carries a state from row to row (parts with a state of their
    // own are refused, and a lamp at rest shows its input): each row in order is its fresh start.
    if (TFeedbackLoops(board).All().empty()) {
        history.Fresh = std::move(forward);
        history.Differing.resize(rows);
        return history;
    }
    TTestTable reversed = table;
    std::reverse(reversed.Rows.begin(), reversed.Rows.end());
    std::vector<TRowResult> backward = Checked(CheckCircuitText(reversed, lines, engine));
    std::reverse(backward.begin(), backward.end());

    // The first row of either run is its fresh start already.
    history.Fresh.reserve(rows);
    TTestTable alone{table.Inputs, table.Outputs, {}};
    for (size_t r = 0; r < rows; ++r) {
        if (r == 0 || r + 1 == rows) {
            history.Fresh.push_back(r == 0 ? forward[r] : backward[r]);
            continue;
        }
        alone.Rows = {table.Rows[r]};
        history.Fresh.push_back(Checked(CheckCircuitText(alone, lines, engine)).at(0));
    }
    history.Differing.resize(rows);
    for (size_t r = 0; r < rows; ++r) {
        std::vector<size_t>& columns = history.Differing[r];
        AddDiffering(history.Fresh[r], forward[r], columns);
        AddDiffering(history.Fresh[r], backward[r], columns);
        std::sort(columns.begin(), columns.end());
        columns.erase(std::unique(columns.begin(), columns.end()), columns.end());
    }
    return history;
}
