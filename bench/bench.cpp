// lumo-bench: what lumo costs over the same drawing written directly in GDI.
//
//   lumo-bench [--short] [DEMO PLAIN_DEMO]
//
// Times, side by side and in one run, each of lumo's drawing calls against
// the same GDI calls made directly and against a lower bound that keeps its
// pen, brush or font; how their cost grows with radius, filled area and text;
// and lumo's whole demo process against a plain Win32 program drawing the
// same picture. DEMO and PLAIN_DEMO default to the build tree's programs
// beside this one. Prints markdown tables of medians with their spread.
// --short makes a quick run whose numbers are only indicative.
#include "call_bench.h"
#include "graphics.h"
#include "measure.h"
#include "process_bench.h"

#include <stdio.h>
#include <string.h>

#include <string>

namespace {

struct Options {
    bool quick = false;
    std::string lumo_demo, plain_demo;
};

std::string own_folder()
{
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of("\\/") + 1);
}

bool parse_options(int argc, char **argv, Options &options)
{
    int first = 1;
    if (argc > 1 && strcmp(argv[1], "--short") == 0) {
        options.quick = true;
        first = 2;
    }
    if (argc - first == 2) {
        options.lumo_demo = argv[first];
        options.plain_demo = argv[first + 1];
        return true;
    }
    options.lumo_demo = own_folder() + "..\\demo\\demo.exe";
    options.plain_demo = own_folder() + "plain_demo.exe";
    return argc == first;
}

// --- Markdown -------------------------------------------------------------

std::string bracketed(const char *number, double median, double low, double high)
{
    const std::string pattern = std::string(number) + " [" + number + ", " + number + "]";
    char text[96];
    snprintf(text, sizeof text, pattern.c_str(), median, low, high);
    return text;
}

std::string median_and_quartiles(const std::vector<double> &values, const char *number)
{
    const Spread s = spread(values);
    return bracketed(number, s.median, s.q1, s.q3);
}

std::string median_and_interval(const std::vector<double> &values, const char *number)
{
    const Spread s = spread(values);
    return bracketed(number, s.median, s.low, s.high);
}

// Within 5% when the median ratio's whole confidence interval is; outside
// when all of it is; else the measurements cannot tell.
const char *verdict(const std::vector<double> &ratio)
{
    const Spread s = spread(ratio);
    if (s.low >= 0.95 && s.high <= 1.05)
        return "yes";
    if (s.low > 1.05 || s.high < 0.95)
        return "no";
    return "unclear";
}

void print_call_table(const CallTable &table)
{
    printf("\n### %s\n\n", table.title.c_str());
    printf("| %s | lumo, us | direct, us | kept objects, us | lumo / direct | within 5%% |\n",
           table.parameter.c_str());
    printf("|---|---:|---:|---:|---:|:---:|\n");
    for (const CallResult &row : table.rows) {
        const std::vector<double> ratio = ratios(row.lumo, row.direct);
        printf("| %s | %s | %s | %s | %s | %s |\n", row.label.c_str(),
               median_and_quartiles(row.lumo, "%.2f").c_str(),
               median_and_quartiles(row.direct, "%.2f").c_str(),
               median_and_quartiles(row.kept, "%.2f").c_str(),
               median_and_interval(ratio, "%.3f").c_str(), verdict(ratio));
    }
}

std::string min_to_max(const std::vector<double> &values)
{
    const Spread s = spread(values);
    char text[64];
    snprintf(text, sizeof text, "%.0f to %.0f", s.min, s.max);
    return text;
}

void print_process_row(const char *program, const std::vector<double> &times, const std::vector<double> &plain)
{
    printf("| %s | %s | %s | %s |\n", program, median_and_quartiles(times, "%.0f").c_str(),
           min_to_max(times).c_str(), median_and_interval(ratios(times, plain), "%.3f").c_str());
}

void print_process_table(const ProcessTimes &times)
{
    printf("\n### Whole demo: process start to finished picture, %d runs each\n\n",
           static_cast<int>(times.lumo.size()));
    printf("From CreateProcess until lumo's window lets go of top-most (the program has ended "
           "and the picture is captured), or until the plain program's window has the property "
           "\"drawn\"; the programs take turns in every order. In the last row the plain program "
           "opens the window lumo opens: both scroll bars in its style, hidden on every size "
           "change, and top-most until the picture is drawn.\n\n");
    printf("| program | ms | min to max, ms | against plain Win32 |\n|---|---:|---:|---:|\n");
    print_process_row("lumo demo", times.lumo, times.plain);
    print_process_row("plain Win32", times.plain, times.plain);
    print_process_row("plain Win32 in lumo's window", times.plain_like_lumo, times.plain);
    const std::vector<double> ratio = ratios(times.lumo, times.plain);
    const std::vector<double> ratio_like_lumo = ratios(times.lumo, times.plain_like_lumo);
    printf("\nlumo / plain, run by run: %s (within 5%%: %s); lumo / plain in lumo's window: %s (within 5%%: %s)\n",
           median_and_interval(ratio, "%.3f").c_str(), verdict(ratio),
           median_and_interval(ratio_like_lumo, "%.3f").c_str(), verdict(ratio_like_lumo));
}

// Wine's version, or "Windows" where ntdll has no such function.
std::string system_name()
{
    using VersionFunction = const char *(*)();
    auto version = reinterpret_cast<VersionFunction>(
        reinterpret_cast<void *>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version")));
    return version ? std::string("Wine ") + version() : "Windows";
}

void print_header(const CallSettings &settings)
{
    printf("## lumo against hand-written GDI, on %s\n\n", system_name().c_str());
    printf("Per call: microseconds, median [interquartile range] of %d batches of about %.0f ms "
           "per variant and case; the variants take turns in every order. \"direct\" makes the "
           "same GDI calls as lumo; \"kept objects\" selects its pen, brush or font once per "
           "batch. Ratios are taken batch by batch (run by run for the processes): median "
           "[95%% confidence interval of the median]; \"within 5%%\" says whether all of that "
           "interval lies within 0.95 to 1.05.\n",
           settings.repetitions, settings.batch_us / 1000);
}

// Fires in the exit-time loop, which the library runs after main returns.
void CALLBACK close_graphics_window(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    PostMessageA(WindowFromDC(graphics_dc()), WM_CLOSE, 0, 0);
}

} // namespace

int main(int argc, char **argv)
{
    Options options;
    if (!parse_options(argc, argv, options)) {
        fprintf(stderr, "usage: lumo-bench [--short] [DEMO PLAIN_DEMO]\n");
        return 2;
    }
    const CallSettings settings = options.quick ? CallSettings{6, 1000} : CallSettings{150, 1000};

    // The processes come first, while no window of this one is on top of theirs.
    ProcessTimes process_times;
    if (!time_demo_processes(options.lumo_demo, options.plain_demo, options.quick ? 3 : 30,
                             process_times))
        return 1;

    open_graphics(0);
    // The ended processes' and the new window's clean-up would otherwise
    // disturb the first cases.
    Sleep(options.quick ? 200 : 1000);
    const std::vector<CallTable> tables = run_call_tables(settings);

    print_header(settings);
    for (const CallTable &table : tables)
        print_call_table(table);
    print_process_table(process_times);
    fflush(stdout);
    SetTimer(nullptr, 0, 10, close_graphics_window);
    return 0;
}
