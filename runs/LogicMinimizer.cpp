#include "LogicMinimizer.h"

#include <cmath>
#include <limits>
#include <numeric>
#include <span>
#include <stdexcept>
#include <utility>

namespace {

uint32_t FullMask(int inputs) { return inputs == 0 ? 0u : ~0u >> (32 - inputs); }
uint32_t InputBit(int inputs, int input) { return 1u << (inputs - 1 - input); }

void CheckInputs(int inputs)
{
    if (inputs < 0 || inputs > TBoolFunction::MaxInputs)
        throw std::invalid_argument("a function has 0 to 16 inputs");
}

void CheckCube(const TCube& cube, int inputs)
{
    if ((cube.Care & ~FullMask(inputs)) != 0) throw std::invalid_argument("a cube cares about an input past the count");
    if ((cube.Value & ~cube.Care) != 0)
        throw std::invalid_argument("a cube has a value for an input it does not care about");
}

// Calls visit with every row the cube covers, in increasing order, until it answers false; false when it did.
template <typename TVisit>
bool ForEachRow(const TCube& cube, uint32_t full, TVisit visit)
{
    const uint32_t freeBits = full & ~cube.Care;
    uint32_t rest = 0;
    do {
        if (!visit(cube.Value | rest)) return false;
        rest = (rest - freeBits) & freeBits;
    } while (rest != 0);
    return true;
}

// A complemented literal before a plain one before an absent one, input by input.
void SortTerms(std::vector<TCube>& terms, int inputs)
{
    const auto rank = [](const TCube& cube, uint32_t bit) {
        return (cube.Care & bit) == 0 ? 2 : (cube.Value & bit) != 0 ? 1 : 0;
    };
    std::sort(terms.begin(), terms.end(), [&](const TCube& a, const TCube& b) {
        for (int input = 0; input < inputs; ++input) {
            const uint32_t bit = InputBit(inputs, input);
            if (rank(a, bit) != rank(b, bit)) return rank(a, bit) < rank(b, bit);
        }
        return false;
    });
}

// A set of small numbers, a bit each.
class TBits {
public:
    explicit TBits(size_t size) : words_((size + 63) / 64) {}

    bool Test(size_t i) const { return (words_[i >> 6] >> (i & 63) & 1) != 0; }
    void Set(size_t i) { words_[i >> 6] |= uint64_t{1} << (i & 63); }
    void Reset(size_t i) { words_[i >> 6] &= ~(uint64_t{1} << (i & 63)); }
    bool None() const
    {
        return std::all_of(words_.begin(), words_.end(), [](uint64_t word) { return word == 0; });
    }
    void Remove(const TBits& other)
    {
        for (size_t w = 0; w < words_.size(); ++w) words_[w] &= ~other.words_[w];
    }
    void AddWithin(const TBits& other, const TBits& within)
    {
        for (size_t w = 0; w < words_.size(); ++w) words_[w] |= other.words_[w] & within.words_[w];
    }
    // The questions below look only at the members within the other set given.
    bool SubsetWithin(const TBits& other, const TBits& within) const
    {
        for (size_t w = 0; w < words_.size(); ++w)
            if ((words_[w] & within.words_[w] & ~other.words_[w]) != 0) return false;
        return true;
    }
    bool IntersectsWithin(const TBits& other, const TBits& within) const
    {
        for (size_t w = 0; w < words_.size(); ++w)
            if ((words_[w] & within.words_[w] & other.words_[w]) != 0) return true;
        return false;
    }
    // Counting stops once it reaches enough.
    int CountWithin(const TBits& within, int enough = std::numeric_limits<int>::max()) const
    {
        int count = 0;
        for (size_t w = 0; w < words_.size() && count < enough; ++w)
            count += std::popcount(words_[w] & within.words_[w]);
        return count;
    }
    int FirstWithin(const TBits& within) const
    {
        for (size_t w = 0; w < words_.size(); ++w)
            if (const uint64_t word = words_[w] & within.words_[w]; word != 0)
                return static_cast<int>(w * 64) + std::countr_zero(word);
        return -1;
    }
    // A word is read as the walk reaches it: members dropped meanwhile may still be visited.
    template <typename TVisit>
    void ForEachWithin(const TBits& within, TVisit visit) const
    {
        for (size_t w = 0; w < words_.size(); ++w)
            for (uint64_t word = words_[w] & within.words_[w]; word != 0; word &= word - 1)
                visit(static_cast<int>(w * 64) + std::countr_zero(word));
    }
    template <typename TVisit>
    void ForEach(TVisit visit) const
    {
        ForEachWithin(*this, visit);
    }

private:
    std::vector<uint64_t> words_;
};

TCoverCost Plus(TCoverCost a, TCoverCost b) { return {a.Terms + b.Terms, a.Literals + b.Literals}; }
TCoverCost Minus(TCoverCost a, TCoverCost b) { return {a.Terms - b.Terms, a.Literals - b.Literals}; }

// The columns of a cover and what they cost together.
struct TCover {
    TCoverCost Cost;
    std::vector<int> Columns;
};

// One subproblem with its rows numbered afresh: the live columns and the rows each covers, kept in one array.
struct TLocalProblem {
    std::vector<int> RowNumbers;
    std::vector<int> Columns;
    std::vector<std::vector<int>> RowColumns;
    std::vector<int> Entries;
    std::vector<size_t> Starts{0};
    size_t RowCount = 0;

    size_t ColumnCount() const { return Columns.size(); }
    std::span<const int> Rows(size_t c) const { return {Entries.data() + Starts[c], Entries.data() + Starts[c + 1]}; }
};

// The Lagrangian bound on covering the rows at these costs: with a price on each row, no cover costs less than the
// prices together less what the columns priced over their cost would overspend. Subgradient steps move the prices
// toward the bound that would end the search, which look answers every twentieth step from the columns' costs less
// their prices (and may try a cover meanwhile). The prices start from those given, if any, and end as the best found;
// reduced answers each column's cost less its rows' prices.
template <typename TLook>
double LagrangianBound(const TLocalProblem& local, const std::vector<double>& costs, std::vector<double>& price,
                       std::vector<double>& reduced, int64_t& work, TLook look)
{
    if (price.size() != local.RowCount) {
        price.assign(local.RowCount, std::numeric_limits<double>::max());
        for (size_t c = 0; c < local.ColumnCount(); ++c)
            for (int row : local.Rows(c))
                price[static_cast<size_t>(row)] =
                    std::min(price[static_cast<size_t>(row)], costs[c] / static_cast<double>(local.Rows(c).size()));
    }
    std::vector<double> best = price, slope(local.RowCount), left(costs.size());
    double bestBound = std::numeric_limits<double>::lowest(), stop = std::numeric_limits<double>::max(), step = 2;
    for (int round = 0, stale = 0; round < 1000 && step > 0.001 && bestBound < stop; ++round) {
        work += static_cast<int64_t>(local.Entries.size() + local.RowCount);
        double bound = std::accumulate(price.begin(), price.end(), 0.0);
        std::fill(slope.begin(), slope.end(), 1.0);
        for (size_t c = 0; c < local.ColumnCount(); ++c) {
            left[c] = costs[c];
            for (int row : local.Rows(c)) left[c] -= price[static_cast<size_t>(row)];
            if (left[c] >= 0) continue;
            bound += left[c];
            for (int row : local.Rows(c)) slope[static_cast<size_t>(row)] -= 1;
        }
        if (round % 20 == 0) stop = look(left);
        if (bound > bestBound) {
            bestBound = bound;
            best = price;
            stale = 0;
        } else if (++stale == 8) {
            step /= 2;
            stale = 0;
        }
        const double norm = std::inner_product(slope.begin(), slope.end(), slope.begin(), 0.0);
        if (norm == 0 || bestBound >= stop) break;
        const double move = step * (stop - bound) / norm;
        for (size_t row = 0; row < price.size(); ++row) price[row] = std::max(0.0, price[row] + move * slope[row]);
    }
    price = best;
    reduced.assign(costs.begin(), costs.end());
    for (size_t c = 0; c < local.ColumnCount(); ++c)
        for (int row : local.Rows(c)) reduced[c] -= best[static_cast<size_t>(row)];
    return bestBound;
}

// The least whole number a bound allows, with room for rounding errors.
int Whole(double bound) { return static_cast<int>(std::ceil(bound - 1e-6)); }

// A bound look that ends the search once the bound passes this whole number.
auto Stop(int most)
{
    return [most](const std::vector<double>&) { return most + 1e-5; };
}

// The cheapest set of columns that together cover every row, a column costing a term and its literals: essential
// columns are taken and dominated rows and columns dropped until nothing changes; rows no column joins split into
// problems solved one by one; otherwise the search branches on the row with the fewest columns left. It is bounded by
// Lagrangian bounds on the terms and the literals still needed, which also rule out the columns that would need too
// many terms, and its prices suggest covers to beat. Past its effort the search ends with the best cover it has.
class TCoverSearch {
public:
    TCoverSearch(int rows, std::vector<TBits> columnRows, std::vector<int> literals, int64_t effort)
        : rowCount_(rows), columnRows_(std::move(columnRows)), literals_(std::move(literals)), effort_(effort)
    {
        rowColumns_.assign(static_cast<size_t>(rows), TBits(literals_.size()));
        for (size_t column = 0; column < columnRows_.size(); ++column)
            columnRows_[column].ForEach([&](int row) { rowColumns_[static_cast<size_t>(row)].Set(column); });
    }

    // The columns of the cover, and whether it is known to be the cheapest.
    std::pair<std::vector<int>, bool> Run()
    {
        TBits rows(static_cast<size_t>(rowCount_)), columns(literals_.size());
        for (int row = 0; row < rowCount_; ++row) rows.Set(static_cast<size_t>(row));
        for (size_t column = 0; column < literals_.size(); ++column) columns.Set(column);
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
    const TBits& RowColumns(int row) const { return rowColumns_[static_cast<size_t>(row)]; }
    const TBits& ColumnRows(int column) const { return columnRows_[static_cast<size_t>(column)]; }
    TCoverCost Cost(int column) const { return {1, literals_[static_cast<size_t>(column)]}; }

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
        work_ += rowCount_;
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
        TPrices next{std::vector<double>(static_cast<size_t>(rowCount_)), {}};
        for (size_t i = 0; i < local.RowCount; ++i)
            next.Terms[static_cast<size_t>(local.RowNumbers[i])] = termsPrices[i];
        if (literalsPrices.size() == local.RowCount) {
            next.Literals.resize(static_cast<size_t>(rowCount_));
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

    // The cover the prices suggest: the columns priced below their cost, then for each row left the column adding the
    // most rows, then the columns the others make unnecessary dropped, those of the most literals first; last, each
    // column gives way to one of fewer literals that covers the rows only it covers.
    TCover Suggest(const TLocalProblem& local, const std::vector<double>& reduced) const
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

    // The columns' costs in a bound: a term each, or their literals.
    std::vector<double> Costs(const TLocalProblem& local, bool literals) const
    {
        std::vector<double> costs;
        for (int column : local.Columns) costs.push_back(literals ? literals_[static_cast<size_t>(column)] : 1.0);
        return costs;
    }

    // The hint's prices of the problem's rows; none without a hint.
    static std::vector<double> Gather(const std::vector<double>& hint, const TLocalProblem& local)
    {
        std::vector<double> prices;
        if (!hint.empty())
            for (int row : local.RowNumbers) prices.push_back(hint[static_cast<size_t>(row)]);
        return prices;
    }

    TLocalProblem Localize(const TBits& rows, const TBits& columns) const
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

    // Most rows first, fewest literals among equals, then the columns the others make unnecessary dropped.
    TCover Greedy(TBits rows, const TBits& columns) const
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

    // False when some row has no column left.
    bool Reduce(TBits& rows, TBits& columns, TCover& cover)
    {
        for (bool changed = true; changed;) {
            changed = false;
            // A pass goes through the columns of every row and the rows of every column.
            work_ += static_cast<int64_t>(rows.CountWithin(rows)) * static_cast<int64_t>(literals_.size() / 64 + 1) +
                     static_cast<int64_t>(columns.CountWithin(columns)) * (rowCount_ / 64 + 1);
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

    // The rows in groups that no column joins.
    std::vector<TBits> Components(const TBits& rows, const TBits& columns) const
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

    bool Exhausted() const { return work_ > effort_; }

    int rowCount_;
    std::vector<TBits> columnRows_;
    std::vector<TBits> rowColumns_;
    std::vector<int> literals_;
    int64_t effort_;
    int64_t work_ = 0;  // rows and row-column pairs the search has gone through
};

// Visits every cube of n inputs in the order of its ternary number, digit i for bit i: 0 and 1 a cared value, 2 free.
template <typename TVisit>
void ForEachTernary(int n, TVisit visit)
{
    std::vector<uint8_t> digits(static_cast<size_t>(n), 0);
    uint32_t care = FullMask(n), value = 0;
    for (uint32_t number = 0;; ++number) {
        visit(number, care, value);
        size_t i = 0;
        for (; i < digits.size() && digits[i] == 2; ++i) {
            digits[i] = 0;
            care |= 1u << i;
        }
        if (i == digits.size()) return;
        if (++digits[i] == 1) {
            value |= 1u << i;
        } else {
            care &= ~(1u << i);
            value &= ~(1u << i);
        }
    }
}

// Every prime implicant that covers a one, from one pass over all 3^n cubes: a cube with a free bit is an implicant
// when both its halves are, and they come before it in ternary order. Then a prime is an implicant no cube with one
// more free bit is.
std::vector<TCube> UsefulPrimes(const TBoolFunction& f)
{
    const int n = f.Inputs();
    const uint32_t full = FullMask(n);
    std::vector<uint32_t> power(static_cast<size_t>(n) + 1, 1);
    for (size_t i = 0; i < static_cast<size_t>(n); ++i) power[i + 1] = power[i] * 3;
    constexpr uint8_t Implicant = 1, HoldsOne = 2;
    std::vector<uint8_t> kind(power.back());
    ForEachTernary(n, [&](uint32_t number, uint32_t care, uint32_t value) {
        if (care == full) {
            const TLogicValue at = f.Values()[value];
            kind[number] = (at != TLogicValue::Zero ? Implicant : 0) | (at == TLogicValue::One ? HoldsOne : 0);
            return;
        }
        const uint32_t step = power[static_cast<size_t>(std::countr_zero(full & ~care))];
        const uint8_t low = kind[number - 2 * step], high = kind[number - step];
        kind[number] = static_cast<uint8_t>((low & high & Implicant) | ((low | high) & HoldsOne));
    });
    std::vector<TCube> primes;
    ForEachTernary(n, [&](uint32_t number, uint32_t care, uint32_t value) {
        if (kind[number] != (Implicant | HoldsOne)) return;
        for (uint32_t bits = care; bits != 0; bits &= bits - 1) {
            const int bit = std::countr_zero(bits);
            if (kind[number + (2 - (value >> bit & 1)) * power[static_cast<size_t>(bit)]] & Implicant) return;
        }
        primes.push_back({care, value});
    });
    return primes;
}

TMinimalForm ExactSumOfProducts(const TBoolFunction& f, int64_t effort)
{
    const std::vector<TCube> primes = UsefulPrimes(f);
    std::vector<int> oneIndex(f.Rows(), -1);
    int ones = 0;
    for (uint32_t row = 0; row < f.Rows(); ++row)
        if (f.Values()[row] == TLogicValue::One) oneIndex[row] = ones++;
    if (ones == 0) return {{}, true};
    std::vector<TBits> columnRows;
    std::vector<int> literals;
    columnRows.reserve(primes.size());
    for (const TCube& prime : primes) {
        TBits& rows = columnRows.emplace_back(static_cast<size_t>(ones));
        ForEachRow(prime, FullMask(f.Inputs()), [&](uint32_t row) {
            if (oneIndex[row] >= 0) rows.Set(static_cast<size_t>(oneIndex[row]));
            return true;
        });
        literals.push_back(prime.Literals());
    }
    const auto [columns, proven] = TCoverSearch(ones, std::move(columnRows), std::move(literals), effort).Run();
    TMinimalForm form{{}, proven};
    for (int column : columns) form.Terms.push_back(primes[static_cast<size_t>(column)]);
    return form;
}

std::vector<std::vector<TLiteral>> Literals(const std::vector<TCube>& terms, int inputs, bool sums)
{
    CheckInputs(inputs);
    std::vector<std::vector<TLiteral>> literals;
    for (const TCube& cube : terms) {
        CheckCube(cube, inputs);
        std::vector<TLiteral>& term = literals.emplace_back();
        for (int input = 0; input < inputs; ++input)
            if (const uint32_t bit = InputBit(inputs, input); (cube.Care & bit) != 0)
                term.push_back({input, ((cube.Value & bit) != 0) == sums});
    }
    return literals;
}

std::string Format(const std::vector<TCube>& terms, const std::vector<std::string>& names, bool sums)
{
    if (names.size() > static_cast<size_t>(TBoolFunction::MaxInputs))
        throw std::invalid_argument("more names than a function has inputs");
    const auto literals = Literals(terms, static_cast<int>(names.size()), sums);
    if (literals.empty()) return sums ? "1" : "0";
    std::string text;
    for (const std::vector<TLiteral>& term : literals) {
        if (!text.empty()) text += sums ? "\u00B7" : " + ";
        if (term.empty()) {
            text += sums ? "0" : "1";
            continue;
        }
        // As the textbook writes it: brackets only round a sum of several literals among other factors.
        const bool bracket = sums && term.size() > 1 && literals.size() > 1;
        if (bracket) text += '(';
        for (size_t i = 0; i < term.size(); ++i) {
            if (i > 0) text += sums ? " + " : "\u00B7";
            if (term[i].Complemented) text += '/';
            text += names[static_cast<size_t>(term[i].Input)];
        }
        if (bracket) text += ')';
    }
    return text;
}

// The Gray-code order of the values of up to three inputs: 0 1, then 00 01 11 10, and for three the first input
// choosing one of two maps, each in the order of two.
std::vector<uint32_t> AxisCodes(size_t inputs)
{
    switch (inputs) {
    case 0: return {0};
    case 1: return {0, 1};
    case 2: return {0, 1, 3, 2};
    default: return {0, 1, 3, 2, 4, 5, 7, 6};
    }
}

std::string CodeLabel(uint32_t code, size_t inputs)
{
    std::string label;
    for (size_t j = inputs; j-- > 0;) label += (code >> j & 1) != 0 ? '1' : '0';
    return label;
}

// Consecutive indices as runs of first and length, a run never crossing from one map to the next.
std::vector<std::pair<int, int>> Runs(const std::vector<int>& indices, int mapSize)
{
    std::vector<std::pair<int, int>> runs;
    for (int index : indices) {
        if (!runs.empty() && runs.back().first + runs.back().second == index && index % mapSize != 0)
            ++runs.back().second;
        else
            runs.emplace_back(index, 1);
    }
    return runs;
}

}  // namespace

TBoolFunction::TBoolFunction(int inputs) : inputs_(inputs)
{
    CheckInputs(inputs);
    values_.assign(size_t{1} << inputs, TLogicValue::Zero);
}

TBoolFunction TBoolFunction::FromRows(int inputs, const std::vector<uint32_t>& ones,
                                      const std::vector<uint32_t>& dontCares)
{
    TBoolFunction f(inputs);
    const auto place = [&](uint32_t row, TLogicValue value) {
        if (row >= f.Rows()) throw std::invalid_argument("a row past the truth table");
        if (value == TLogicValue::DontCare && f.values_[row] == TLogicValue::One)
            throw std::invalid_argument("a row listed both as one and as don't care");
        f.values_[row] = value;
    };
    for (uint32_t row : ones) place(row, TLogicValue::One);
    for (uint32_t row : dontCares) place(row, TLogicValue::DontCare);
    return f;
}

TBoolFunction TBoolFunction::Complement() const
{
    TBoolFunction complement = *this;
    for (TLogicValue& value : complement.values_)
        if (value != TLogicValue::DontCare) value = value == TLogicValue::One ? TLogicValue::Zero : TLogicValue::One;
    return complement;
}

TCube CubeOf(std::string_view pattern)
{
    if (pattern.size() > static_cast<size_t>(TBoolFunction::MaxInputs))
        throw std::invalid_argument("a cube has at most 16 inputs");
    TCube cube;
    for (char c : pattern) {
        if (c != '0' && c != '1' && c != '-') throw std::invalid_argument("a cube is written with 0, 1 and -");
        cube.Care = cube.Care << 1 | (c != '-' ? 1 : 0);
        cube.Value = cube.Value << 1 | (c == '1' ? 1 : 0);
    }
    return cube;
}

std::string CubePattern(const TCube& cube, int inputs)
{
    CheckInputs(inputs);
    CheckCube(cube, inputs);
    std::string pattern;
    for (int input = 0; input < inputs; ++input) {
        const uint32_t bit = InputBit(inputs, input);
        pattern += (cube.Care & bit) == 0 ? '-' : (cube.Value & bit) != 0 ? '1' : '0';
    }
    return pattern;
}

TCoverCost CostOf(const std::vector<TCube>& terms)
{
    TCoverCost cost{static_cast<int>(terms.size()), 0};
    for (const TCube& cube : terms) cost.Literals += cube.Literals();
    return cost;
}

TMinimalForm MinimizeSumOfProducts(const TBoolFunction& f, int64_t effort)
{
    // Past MaxExactInputs the exact cover's time grows too fast for a window waiting on it.
    if (f.Inputs() > MaxExactInputs) return {QuickSumOfProducts(f), false};
    TMinimalForm form = ExactSumOfProducts(f, effort);
    SortTerms(form.Terms, f.Inputs());
    return form;
}

TMinimalForm MinimizeProductOfSums(const TBoolFunction& f, int64_t effort)
{
    return MinimizeSumOfProducts(f.Complement(), effort);
}

std::vector<TCube> MinimalSumOfProducts(const TBoolFunction& f) { return MinimizeSumOfProducts(f).Terms; }

std::vector<TCube> MinimalProductOfSums(const TBoolFunction& f) { return MinimizeProductOfSums(f).Terms; }

std::vector<TCube> QuickSumOfProducts(const TBoolFunction& f)
{
    const std::vector<TLogicValue>& values = f.Values();
    const uint32_t full = FullMask(f.Inputs());
    std::vector<uint32_t> covering(values.size());  // how many products of the cover hold each row
    std::vector<TCube> cover;
    for (uint32_t row = 0; row < f.Rows(); ++row) {
        if (values[row] != TLogicValue::One || covering[row] > 0) continue;
        TCube cube{full, row};
        for (;;) {
            uint32_t bestBit = 0;
            int64_t bestGain = -1;
            for (uint32_t bits = cube.Care; bits != 0;) {
                const uint32_t bit = std::bit_floor(bits);
                bits &= ~bit;
                int64_t gain = 0;
                const bool clean = ForEachRow({cube.Care, cube.Value ^ bit}, full, [&](uint32_t other) {
                    gain += values[other] == TLogicValue::One && covering[other] == 0 ? 1 : 0;
                    return values[other] != TLogicValue::Zero;
                });
                if (clean && gain > bestGain) {
                    bestGain = gain;
                    bestBit = bit;
                }
            }
            if (bestGain < 0) break;
            cube.Care &= ~bestBit;
            cube.Value &= ~bestBit;
        }
        ForEachRow(cube, full, [&](uint32_t other) {
            ++covering[other];
            return true;
        });
        cover.push_back(cube);
    }
    // The products with the most literals are the first to go when the others cover their ones.
    std::vector<size_t> order(cover.size());
    std::iota(order.begin(), order.end(), size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return cover[a].Literals() > cover[b].Literals(); });
    std::vector<bool> keep(cover.size(), true);
    for (size_t i : order) {
        const bool spare = ForEachRow(cover[i], full, [&](uint32_t other) {
            return values[other] != TLogicValue::One || covering[other] > 1;
        });
        if (!spare) continue;
        keep[i] = false;
        ForEachRow(cover[i], full, [&](uint32_t other) {
            --covering[other];
            return true;
        });
    }
    std::vector<TCube> kept;
    for (size_t i = 0; i < cover.size(); ++i)
        if (keep[i]) kept.push_back(cover[i]);
    SortTerms(kept, f.Inputs());
    return kept;
}

std::optional<uint32_t> SumOfProductsError(const TBoolFunction& f, const std::vector<TCube>& products)
{
    // Marks the rows product by product when they are fewer than the rows times the products, else tries each product
    // at each row; a product asking a value of an input it does not care about, or past the table, covers nothing.
    const uint32_t full = FullMask(f.Inputs());
    uint64_t marks = 0;
    for (const TCube& cube : products) marks += uint64_t{1} << std::popcount(full & ~cube.Care);
    std::vector<bool> covered(f.Rows());
    if (marks <= uint64_t{f.Rows()} * products.size()) {
        for (const TCube& cube : products)
            if ((cube.Value & ~(cube.Care & full)) == 0)
                ForEachRow({cube.Care & full, cube.Value}, full, [&](uint32_t row) {
                    covered[row] = true;
                    return true;
                });
    } else {
        for (uint32_t row = 0; row < f.Rows(); ++row)
            covered[row] =
                std::any_of(products.begin(), products.end(), [row](const TCube& c) { return c.Covers(row); });
    }
    for (uint32_t row = 0; row < f.Rows(); ++row)
        if (f.Values()[row] != TLogicValue::DontCare && covered[row] != (f.Values()[row] == TLogicValue::One))
            return row;
    return std::nullopt;
}

std::optional<uint32_t> ProductOfSumsError(const TBoolFunction& f, const std::vector<TCube>& sums)
{
    return SumOfProductsError(f.Complement(), sums);
}

std::vector<std::vector<TLiteral>> ProductLiterals(const std::vector<TCube>& products, int inputs)
{
    return Literals(products, inputs, false);
}

std::vector<std::vector<TLiteral>> SumLiterals(const std::vector<TCube>& sums, int inputs)
{
    return Literals(sums, inputs, true);
}

std::string FormatSumOfProducts(const std::vector<TCube>& products, const std::vector<std::string>& names)
{
    return Format(products, names, false);
}

std::string FormatProductOfSums(const std::vector<TCube>& sums, const std::vector<std::string>& names)
{
    return Format(sums, names, true);
}

TKarnaughMap::TKarnaughMap(int inputs) : inputs_(inputs)
{
    // Down the rows and across the columns, for each count of inputs.
    static const std::vector<int> layouts[][2] = {
        {{}, {}}, {{}, {0}}, {{0}, {1}}, {{0}, {1, 2}}, {{0, 1}, {2, 3}}, {{1, 2}, {0, 3, 4}}, {{0, 2, 3}, {1, 4, 5}},
    };
    if (inputs < 0 || inputs > MaxInputs) throw std::invalid_argument("a Karnaugh map has 0 to 6 inputs");
    rowInputs_ = layouts[inputs][0];
    columnInputs_ = layouts[inputs][1];
    rowCodes_ = AxisCodes(rowInputs_.size());
    columnCodes_ = AxisCodes(columnInputs_.size());
}

std::string TKarnaughMap::RowLabel(int row) const { return CodeLabel(RowCode(row), rowInputs_.size()); }

std::string TKarnaughMap::ColumnLabel(int column) const
{
    return CodeLabel(ColumnCode(column), columnInputs_.size());
}

uint32_t TKarnaughMap::AxisBits(const std::vector<int>& inputs, uint32_t code) const
{
    uint32_t bits = 0;
    for (size_t j = 0; j < inputs.size(); ++j)
        if ((code >> (inputs.size() - 1 - j) & 1) != 0) bits |= InputBit(inputs_, inputs[j]);
    return bits;
}

uint32_t TKarnaughMap::TableRow(TMapCell cell) const
{
    return AxisBits(rowInputs_, RowCode(cell.Row)) | AxisBits(columnInputs_, ColumnCode(cell.Column));
}

TMapCell TKarnaughMap::Place(uint32_t tableRow) const
{
    if (tableRow > FullMask(inputs_)) throw std::out_of_range("a row past the truth table");
    const TCube row{FullMask(inputs_), tableRow};
    return {Matching(rowInputs_, rowCodes_, row).front(), Matching(columnInputs_, columnCodes_, row).front()};
}

std::vector<int> TKarnaughMap::Matching(const std::vector<int>& inputs, const std::vector<uint32_t>& codes,
                                        const TCube& cube) const
{
    CheckCube(cube, inputs_);
    const uint32_t axis = AxisBits(inputs, ~0u);
    std::vector<int> matching;
    for (size_t k = 0; k < codes.size(); ++k)
        if (((AxisBits(inputs, codes[k]) ^ cube.Value) & cube.Care & axis) == 0)
            matching.push_back(static_cast<int>(k));
    return matching;
}

std::vector<TMapCell> TKarnaughMap::CellsOf(const TCube& cube) const
{
    std::vector<TMapCell> cells;
    const std::vector<int> columns = Matching(columnInputs_, columnCodes_, cube);
    for (int row : Matching(rowInputs_, rowCodes_, cube))
        for (int column : columns) cells.push_back({row, column});
    return cells;
}

std::vector<TMapBlock> TKarnaughMap::BlocksOf(const TCube& cube) const
{
    std::vector<TMapBlock> blocks;
    const auto columns = Runs(Matching(columnInputs_, columnCodes_, cube), MapColumns());
    for (const auto& [row, rows] : Runs(Matching(rowInputs_, rowCodes_, cube), MapRows()))
        for (const auto& [column, width] : columns) blocks.push_back({row, column, rows, width});
    return blocks;
}
