#include "measure.h"

#include <windows.h>

#include <math.h>

#include <algorithm>

namespace {

// Linear interpolation between the two nearest ranks of sorted values.
double quantile(const std::vector<double> &sorted, double q)
{
    const double rank = q * (sorted.size() - 1);
    const size_t below = static_cast<size_t>(rank);
    if (below + 1 >= sorted.size())
        return sorted.back();
    return sorted[below] + (rank - below) * (sorted[below + 1] - sorted[below]);
}

// The order statistics that bound the median with 95% confidence, for any
// distribution: the ranks n/2 -+ 1.96 sqrt(n)/2 (one-based), rounded.
double order_statistic(const std::vector<double> &sorted, double rank)
{
    const double last = static_cast<double>(sorted.size());
    const double nearest = floor(rank + 0.5);
    const double clamped = nearest < 1 ? 1 : nearest > last ? last : nearest;
    return sorted[static_cast<size_t>(clamped) - 1];
}

} // namespace

double now_us()
{
    static const double us_per_tick = [] {
        LARGE_INTEGER frequency;
        QueryPerformanceFrequency(&frequency);
        return 1e6 / frequency.QuadPart;
    }();
    LARGE_INTEGER ticks;
    QueryPerformanceCounter(&ticks);
    return ticks.QuadPart * us_per_tick;
}

Spread spread(std::vector<double> values)
{
    if (values.empty())
        return {0, 0, 0, 0, 0, 0, 0};
    std::sort(values.begin(), values.end());
    const double n = static_cast<double>(values.size()), margin = 1.96 * sqrt(n) / 2;
    return {quantile(values, 0.5),
            quantile(values, 0.25),
            quantile(values, 0.75),
            values.front(),
            values.back(),
            order_statistic(values, n / 2 - margin),
            order_statistic(values, 1 + n / 2 + margin)};
}

std::vector<double> ratios(const std::vector<double> &a, const std::vector<double> &b)
{
    std::vector<double> result;
    for (size_t i = 0; i < a.size() && i < b.size(); ++i)
        result.push_back(a[i] / b[i]);
    return result;
}
