#include "CoverSolver.h"

#include "CoverBound.h"
#include "CoverProblem.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <utility>

namespace {

// The search of SolveCover over its problem, counting the work it does.
class TCoverSearch : private TCoverProblem {
public:
    TCoverSearch(int rows, std::vector<TBits> columnRows, std::vector<int> literals, int64_t effort)
        : TCoverProblem(rows, std::move(columnRows), std::move(literals)), effort_(effort)
    {
    }

    TCoverSolution Run()
    {
        TBits rows(static_cast<size_t>(RowCount())), columns(ColumnCount());
        for (int row = 0; row < RowCount(); ++row) rows.Set(static_cast<size_t>(row));
        for (size_t column = 0; column < ColumnCount(); ++column) columns.Set(column);
        // Most small functions need nothing past the essential columns; the others start from a greedy cover. Every
        // row has a column here, so none is left without one.
        TCover cover;
        Reduce(rows, columns, cover);
        if (!rows.None()) {
            TCover rest = Greedy(rows, columns);
            if (auto better = Solve(std::move(rows), std::move(columns), rest.Cost, {})) rest = std::move(*better);
            Add(cover, rest);
        }
        return {cover.Columns, !Exhausted()};
    }

private:
    static void Add(TCover& cover, const TCover& more)
    {
        cover.Cost = Plus(cover.Cost, more.Cost);
        cover.Columns.insert(cover.Columns.end(), more.Columns.begin(), more.Columns.end());
    }

    // The rows' prices of a problem's bounds, by row number: a subproblem's bounds start from them.
    struct TPrices {
        std::vector<double> Terms, Literals;
    };

    // The cheapest cover of the rows by the columns that costs less than limit; none when there is none.
    std::optional<TCover> Solve(TBits rows, TBits columns, TCoverCost limit, const TPrices& hint)
    {
        work_ += RowCount();
        if (Exhausted()) return std::nullopt;
        TCover cover;
        if (!Reduce(rows, columns, cover) || cover.Cost >= limit) return std::nullopt;
        if (rows.None()) return cover;
        TCoverCost room = Minus(limit, cover.Cost);
        if (std::vector<TBits> parts = Components(rows, columns); parts.size() > 1) {
            // Each part may cost what the room leaves after the parts solved before it and the others' bounds.
            std::vector<TCoverCost> bounds;
            std::vector<double> prices, reduced;
            TCoverCost others;
            for (const TBits& part : parts) {
                const TLocalProblem local = Localize(part, columns);
                prices = Gather(hint.Terms, local);
                const int terms =
                    Whole(LagrangianBound(local, Costs(local, false), prices, reduced, work_, Stop(room.Terms)));
                others = Plus(others, bounds.emplace_back(TCoverCost{terms, 0}));
            }
            // Once the effort is spent, the parts left take greedy covers: together still a cover, maybe cheap enough.
            for (size_t k = 0; k < parts.size(); ++k) {
                others = Minus(others, bounds[k]);
                auto solved = Solve(parts[k], columns, Minus(room, others), hint);
                if (!solved && !Exhausted()) return std::nullopt;
                if (!solved) solved = Greedy(parts[k], columns);
                room = Minus(room, solved->Cost);
                Add(cover, *solved);
            }
            if (room <= TCoverCost{}) return std::nullopt;
            return cover;
        }
        const TLocalProblem local = Localize(rows, columns);
        std::vector<double> termsReduced, literalsReduced, termsPrices = Gather(hint.Terms, local),
                                                           literalsPrices = Gather(hint.Literals, local);
        // The prices the bound on the terms passes suggest covers; the cheapest is the one to beat.
        std::optional<TCover> best;
        const auto suggest = [&](const std::vector<double>& reduced) {
            if (TCover guess = Suggest(local, reduced); guess.Cost < room) {
                room = guess.Cost;
                best = std::move(guess);
            }
            return Stop(room.Terms)(reduced);
        };
        const double terms = LagrangianBound(local, Costs(local, false), termsPrices, termsReduced, work_, suggest);
        suggest(termsReduced);
        if (Whole(terms) > room.Terms) return Joined(std::move(cover), best);
        // The literals count only when the terms can be no fewer than the room's.
        const auto literalsBound = [&](std::vector<double>& reduced) {
            return Whole(terms) < room.Terms ? 0
                                             : LagrangianBound(local, Costs(local, true), literalsPrices, reduced,
                                                               work_, Stop(room.Literals - 1));
        };
        const double literals = literalsBound(literalsReduced);
        TCoverCost least{Whole(terms), Whole(literals)};
        if (least >= room) return Joined(std::move(cover), best);
        // A column whose reduced cost lifts a bound past the room is in no cover cheap enough.
        bool ruledOut = false;
        for (size_t c = 0; c < local.Columns.size(); ++c)
            if (Whole(terms + termsReduced[c]) > room.Terms ||
                (least.Terms == room.Terms && Whole(literals + literalsReduced[c]) >= room.Literals)) {
                columns.Reset(static_cast<size_t>(local.Columns[c]));
                ruledOut = true;
            }
        TPrices next{std::vector<double>(static_cast<size_t>(RowCount())), {}};
        for (size_t i = 0; i < local.RowCount; ++i)
            next.Terms[static_cast<size_t>(local.RowNumbers[i])] = termsPrices[i];
        if (literalsPrices.size() == local.RowCount) {
            next.Literals.resize(static_cast<size_t>(RowCount()));
            for (size_t i = 0; i < local.RowCount; ++i)
                next.Literals[static_cast<size_t>(local.RowNumbers[i])] = literalsPrices[i];
        }
        if (ruledOut) {
            if (auto rest = Solve(std::move(rows), std::move(columns), room, next)) best = std::move(rest);
            return Joined(std::move(cover), best);
        }
        std::vector<std::pair<double, int>> branches;  // the reduced cost of a column and the column
        for (size_t c = 0; c < local.Columns.size(); ++c)
            branches.emplace_back(least.Terms == room.Terms ? literalsReduced[c] : termsReduced[c], local.Columns[c]);
        int row = -1, fewest = std::numeric_limits<int>::max();
        rows.ForEach([&](int candidate) {
            if (const int count = RowColumns(candidate).CountWithin(columns, fewest); count < fewest) {
                fewest = count;
                row = candidate;
            }
        });
        std::erase_if(branches,
                      [&](const auto& branch) { return !ColumnRows(branch.second).Test(static_cast<size_t>(row)); });
        std::sort(branches.begin(), branches.end(), [&](const auto& a, const auto& b) {
            return std::pair(a.first, Cost(a.second)) < std::pair(b.first, Cost(b.second));
        });
        // Each branch leaves out the columns of the branches before it: their covers were all seen.
        for (const auto& [cost, column] : branches) {
            if (least >= room || Exhausted()) break;
            TBits left = rows;
            left.Remove(ColumnRows(column));
            columns.Reset(static_cast<size_t>(column));
            if (auto rest = Solve(std::move(left), columns, Minus(room, Cost(column)), next)) {
                best = TCover{Cost(column), {column}};
                Add(*best, *rest);
                room = best->Cost;
                least.Literals = Whole(literalsBound(literalsReduced));
            }
        }
        return Joined(std::move(cover), best);
    }

    // The cover taken so far with the best of the rest, if there is one.
    static std::optional<TCover> Joined(TCover cover, const std::optional<TCover>& best)
    {
        if (!best) return std::nullopt;
        Add(cover, *best);
        return cover;
    }

    // The hint's prices of the problem's rows; none without a hint.
    static std::vector<double> Gather(const std::vector<double>& hint, const TLocalProblem& local)
    {
        std::vector<double> prices;
        if (!hint.empty())
            for (int row : local.RowNumbers) prices.push_back(hint[static_cast<size_t>(row)]);
        return prices;
    }

    // False when some row has no column left.
    bool Reduce(TBits& rows, TBits& columns, TCover& cover)
    {
        for (bool changed = true; changed;) {
            changed = false;
            // A pass goes through the columns of every row and the rows of every column.
            work_ += static_cast<int64_t>(rows.CountWithin(rows)) * static_cast<int64_t>(ColumnCount() / 64 + 1) +
                     static_cast<int64_t>(columns.CountWithin(columns)) * (RowCount() / 64 + 1);
            bool stuck = false;
            TBits(rows).ForEach([&](int row) {
                if (stuck || !rows.Test(static_cast<size_t>(row))) return;
                const int count = RowColumns(row).CountWithin(columns, 2);
                if (count == 0) stuck = true;
                if (count != 1) return;
                const int column = RowColumns(row).FirstWithin(columns);
                cover.Columns.push_back(column);
                cover.Cost = Plus(cover.Cost, Cost(column));
                rows.Remove(ColumnRows(column));
                columns.Reset(static_cast<size_t>(column));
                changed = true;
            });
            if (stuck) return false;
            // A column whose rows another as cheap covers too is never needed; of two alike the first met goes.
            TBits(columns).ForEach([&](int column) {
                const int first = ColumnRows(column).FirstWithin(rows);
                bool dominated = first < 0;
                if (!dominated)
                    RowColumns(first).ForEachWithin(columns, [&](int other) {
                        dominated = dominated || (other != column && Cost(other) <= Cost(column) &&
                                                  ColumnRows(column).SubsetWithin(ColumnRows(other), rows));
                    });
                if (dominated) columns.Reset(static_cast<size_t>(column));
                changed = changed || (dominated && first >= 0);
            });
            // A row whose columns all cover another row too is covered whenever that row is.
            TBits(rows).ForEach([&](int row) {
                if (!rows.Test(static_cast<size_t>(row))) return;
                const int first = RowColumns(row).FirstWithin(columns);
                if (first < 0) return;
                ColumnRows(first).ForEachWithin(rows, [&](int other) {
                    if (other == row || !rows.Test(static_cast<size_t>(other)) ||
                        !RowColumns(row).SubsetWithin(RowColumns(other), columns))
                        return;
                    rows.Reset(static_cast<size_t>(other));
                    changed = true;
                });
            });
        }
        return true;
    }

    bool Exhausted() const { return work_ > effort_; }

    int64_t effort_;
    int64_t work_ = 0;  // rows and row-column pairs the search has gone through
};

}  // namespace

TCoverSolution SolveCover(int rows, std::vector<TBits> columnRows, std::vector<int> literals, int64_t effort)
{
    return TCoverSearch(rows, std::move(columnRows), std::move(literals), effort).Run();
}
