// Per-call cost of lumo's drawing calls, side by side with the same GDI
// calls made directly and with a lower bound that keeps its objects.
#ifndef LUMO_BENCH_CALL_BENCH_H
#define LUMO_BENCH_CALL_BENCH_H

#include <string>
#include <vector>

// Microseconds per call, one value per repetition, for one case.
struct CallResult {
    std::string label;
    std::vector<double> lumo, direct, kept;
};

struct CallTable {
    std::string title;
    std::string parameter; // heading of the column that names the case
    std::vector<CallResult> rows;
};

struct CallSettings {
    int repetitions; // batches per variant and case
    double batch_us; // aimed-at length of one batch
};

// Draws into graphics_dc(); open_graphics must have been called.
std::vector<CallTable> run_call_tables(const CallSettings &settings);

#endif // LUMO_BENCH_CALL_BENCH_H
