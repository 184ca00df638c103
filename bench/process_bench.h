// Whole processes: from the start of a program to its finished picture.
#ifndef LUMO_BENCH_PROCESS_BENCH_H
#define LUMO_BENCH_PROCESS_BENCH_H

#include <string>
#include <vector>

// Milliseconds from CreateProcess to the finished picture, one value per
// run: lumo's demo, the plain program, and the plain program opening the
// window lumo opens (scroll bars hidden, top-most while drawing).
struct ProcessTimes {
    std::vector<double> lumo, plain, plain_like_lumo;
};

// Runs the three in turn, runs times each after one untimed run of each;
// false (with a message) if a run went wrong.
bool time_demo_processes(const std::string &lumo_demo, const std::string &plain_demo, int runs,
                         ProcessTimes &times);

#endif // LUMO_BENCH_PROCESS_BENCH_H
