#pragma once

#include "CoverProblem.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numeric>
#include <vector>

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
inline int Whole(double bound) { return static_cast<int>(std::ceil(bound - 1e-6)); }

// A bound look that ends the search once the bound passes this whole number.
inline auto Stop(int most)
{
    return [most](const std::vector<double>&) { return most + 1e-5; };
}
