// The clock and the statistics the benchmark reports.
#ifndef LUMO_BENCH_MEASURE_H
#define LUMO_BENCH_MEASURE_H

#include <vector>

// Microseconds on QueryPerformanceCounter's clock.
double now_us();

// The median and the spread of repeated measurements.
struct Spread {
    double median, q1, q3, min, max; // q1 and q3: the interquartile range
    double low, high;                // the median's 95% confidence interval
};
Spread spread(std::vector<double> values);

// a[i] / b[i] for measurements made side by side.
std::vector<double> ratios(const std::vector<double> &a, const std::vector<double> &b);

#endif // LUMO_BENCH_MEASURE_H
