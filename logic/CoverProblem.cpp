#include "CoverProblem.h"

#include <algorithm>
#include <utility>

TCoverProblem::TCoverProblem(int rows, std::vector<TBits> columnRows, std::vector<int> literals)
    : rowCount_(rows), columnRows_(std::move(columnRows)), literals_(std::move(literals))
{
    rowColumns_.assign(static_cast<size_t>(rows), TBits(literals_.size()));
    for (size_t column = 0; column < columnRows_.size(); ++column)
        columnRows_[column].ForEach([&](int row) { rowColumns_[static_cast<size_t>(row)].Set(column); });
}

TLocalProblem TCoverProblem::Localize(const TBits& rows, const TBits& columns) const
{
    TLocalProblem local;
    std::vector<int> index(static_cast<size_t>(rowCount_), -1);
    rows.ForEach([&](int row) {
        index[static_cast<size_t>(row)] = static_cast<int>(local.RowCount++);
        local.RowNumbers.push_back(row);
    });
    local.RowColumns.resize(local.RowCount);
    columns.ForEach([&](int column) {
        ColumnRows(column).ForEachWithin(rows, [&](int row) {
            local.Entries.push_back(index[static_cast<size_t>(row)]);
            local.RowColumns[static_cast<size_t>(index[static_cast<size_t>(row)])].push_back(
                static_cast<int>(local.Columns.size()));
        });
        if (local.Entries.size() == local.Starts.back()) return;
        local.Columns.push_back(column);
        local.Starts.push_back(local.Entries.size());
    });
    return local;
}

std::vector<double> TCoverProblem::Costs(const TLocalProblem& local, bool literals) const
{
    std::vector<double> costs;
    for (int column : local.Columns) costs.push_back(literals ? literals_[static_cast<size_t>(column)] : 1.0);
    return costs;
}

TCover TCoverProblem::Suggest(const TLocalProblem& local, const std::vector<double>& reduced) const
{
    std::vector<int> covering(local.RowCount);
    std::vector<size_t> taken;
    const auto take = [&](size_t c, int times) {
        for (int row : local.Rows(c)) covering[static_cast<size_t>(row)] += times;
    };
    const auto literals = [&](size_t c) { return literals_[static_cast<size_t>(local.Columns[c])]; };
    for (size_t c = 0; c < local.ColumnCount(); ++c)
        if (reduced[c] < 0) {
            taken.push_back(c);
            take(c, 1);
        }
    for (size_t row = 0; row < local.RowCount; ++row) {
        if (covering[row] > 0) continue;
        const auto added = [&](int c) {
            const auto rows = local.Rows(static_cast<size_t>(c));
            return std::count_if(rows.begin(), rows.end(),
                                 [&](int other) { return covering[static_cast<size_t>(other)] == 0; });
        };
        const auto& candidates = local.RowColumns[row];
        const auto most = std::max_element(candidates.begin(), candidates.end(), [&](int a, int b) {
            return std::pair(added(a), -reduced[static_cast<size_t>(a)]) <
                   std::pair(added(b), -reduced[static_cast<size_t>(b)]);
        });
        taken.push_back(static_cast<size_t>(*most));
        take(taken.back(), 1);
    }
    std::sort(taken.begin(), taken.end(), [&](size_t a, size_t b) {
        return std::pair(literals(a), reduced[a]) > std::pair(literals(b), reduced[b]);
    });
    const auto dropSpare = [&] {
        std::erase_if(taken, [&](size_t c) {
            const auto rows = local.Rows(c);
            const bool spare = std::all_of(rows.begin(), rows.end(),
                                           [&](int row) { return covering[static_cast<size_t>(row)] > 1; });
            if (spare) take(c, -1);
            return spare;
        });
    };
    dropSpare();
    for (size_t& c : taken) {
        const auto rows = local.Rows(c);
        const auto only = std::find_if(rows.begin(), rows.end(),
                                       [&](int row) { return covering[static_cast<size_t>(row)] == 1; });
        if (only == rows.end()) continue;
        for (int other : local.RowColumns[static_cast<size_t>(*only)]) {
            const auto otherRows = local.Rows(static_cast<size_t>(other));
            if (literals(static_cast<size_t>(other)) >= literals(c) ||
                !std::all_of(rows.begin(), rows.end(), [&](int row) {
                    return covering[static_cast<size_t>(row)] > 1 ||
                           std::binary_search(otherRows.begin(), otherRows.end(), row);
                }))
                continue;
            take(c, -1);
            c = static_cast<size_t>(other);
            take(c, 1);
            break;
        }
    }
    dropSpare();
    TCover cover;
    for (size_t c : taken) {
        cover.Columns.push_back(local.Columns[c]);
        cover.Cost = Plus(cover.Cost, Cost(local.Columns[c]));
    }
    return cover;
}

TCover TCoverProblem::Greedy(TBits rows, const TBits& columns) const
{
    TCover cover;
    while (!rows.None()) {
        int best = -1, most = 0;
        columns.ForEach([&](int column) {
            const int count = ColumnRows(column).CountWithin(rows);
            if (count > most || (count == most && count > 0 && Cost(column) < Cost(best))) {
                most = count;
                best = column;
            }
        });
        cover.Columns.push_back(best);
        rows.Remove(ColumnRows(best));
    }
    std::sort(cover.Columns.begin(), cover.Columns.end(), [&](int a, int b) { return Cost(a) > Cost(b); });
    for (size_t i = 0; i < cover.Columns.size();) {
        TBits others(static_cast<size_t>(rowCount_));
        for (size_t j = 0; j < cover.Columns.size(); ++j)
            if (j != i) others.AddWithin(ColumnRows(cover.Columns[j]), ColumnRows(cover.Columns[j]));
        if (ColumnRows(cover.Columns[i]).SubsetWithin(others, ColumnRows(cover.Columns[i])))
            cover.Columns.erase(cover.Columns.begin() + static_cast<std::ptrdiff_t>(i));
        else
            ++i;
    }
    for (int column : cover.Columns) cover.Cost = Plus(cover.Cost, Cost(column));
    return cover;
}

std::vector<TBits> TCoverProblem::Components(const TBits& rows, const TBits& columns) const
{
    std::vector<TBits> components;
    TBits left = rows, reached(literals_.size());
    for (int seed = left.FirstWithin(left); seed >= 0; seed = left.FirstWithin(left)) {
        TBits& component = components.emplace_back(static_cast<size_t>(rowCount_));
        std::vector<int> queue{seed};
        left.Reset(static_cast<size_t>(seed));
        component.Set(static_cast<size_t>(seed));
        while (!queue.empty()) {
            const int row = queue.back();
            queue.pop_back();
            RowColumns(row).ForEachWithin(columns, [&](int column) {
                if (reached.Test(static_cast<size_t>(column))) return;
                reached.Set(static_cast<size_t>(column));
                ColumnRows(column).ForEachWithin(left, [&](int other) {
                    if (!left.Test(static_cast<size_t>(other))) return;
                    left.Reset(static_cast<size_t>(other));
                    component.Set(static_cast<size_t>(other));
                    queue.push_back(other);
                });
            });
        }
    }
    return components;
}

