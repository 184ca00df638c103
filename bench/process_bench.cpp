#include "process_bench.h"

#include "measure.h"

#include <windows.h>

#include <stdio.h>
#include <string.h>

namespace {

const DWORD give_up_ms = 30000;

using PictureDone = bool (*)(HWND);

// lumo's window lets go of top-most once the program has ended and the
// picture is captured for the exit-time loop. Just after its creation it is
// not top-most either, but not yet visible.
bool lumo_picture_done(HWND hwnd)
{
    char name[16] = "";
    GetClassNameA(hwnd, name, sizeof name);
    return strcmp(name, "lumo") == 0 && IsWindowVisible(hwnd) &&
           (GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) == 0;
}

bool plain_picture_done(HWND hwnd) { return GetPropA(hwnd, "drawn") != nullptr; }

struct Search {
    DWORD process;
    PictureDone done;
    HWND found;
};

BOOL CALLBACK check_window(HWND hwnd, LPARAM lparam)
{
    Search &search = *reinterpret_cast<Search *>(lparam);
    DWORD process = 0;
    GetWindowThreadProcessId(hwnd, &process);
    if (process != search.process || !search.done(hwnd))
        return TRUE;
    search.found = hwnd;
    return FALSE;
}

// Looks every millisecond; nullptr if the process ends or time runs out first.
HWND wait_for_picture(const PROCESS_INFORMATION &process, PictureDone done)
{
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < give_up_ms) {
        Search search = {process.dwProcessId, done, nullptr};
        EnumWindows(check_window, reinterpret_cast<LPARAM>(&search));
        if (search.found)
            return search.found;
        if (WaitForSingleObject(process.hProcess, 1) == WAIT_OBJECT_0)
            return nullptr;
    }
    return nullptr;
}

// Closes the window (or ends the process if there is none) and waits for the exit status.
DWORD end_process(const PROCESS_INFORMATION &process, HWND window)
{
    if (window)
        PostMessageA(window, WM_CLOSE, 0, 0);
    else
        TerminateProcess(process.hProcess, 1);
    DWORD status = 1;
    if (WaitForSingleObject(process.hProcess, give_up_ms) != WAIT_OBJECT_0)
        TerminateProcess(process.hProcess, 1);
    else
        GetExitCodeProcess(process.hProcess, &status);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return status;
}

struct Program {
    std::string command_line;
    PictureDone done;
    std::vector<double> *times;
};

bool time_one_run(const std::string &program, const Program &run, double &ms)
{
    std::string command_line = run.command_line;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    const double start = now_us();
    if (!CreateProcessA(program.c_str(), &command_line[0], nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process)) {
        fprintf(stderr, "lumo-bench: cannot start %s (error %lu)\n", program.c_str(), GetLastError());
        return false;
    }
    HWND window = wait_for_picture(process, run.done);
    ms = (now_us() - start) / 1000;
    const DWORD status = end_process(process, window);
    if (!window)
        fprintf(stderr, "lumo-bench: %s showed no finished picture\n", command_line.c_str());
    else if (status != 0)
        fprintf(stderr, "lumo-bench: %s ended with status %lu\n", command_line.c_str(), status);
    return window && status == 0;
}

} // namespace

bool time_demo_processes(const std::string &lumo_demo, const std::string &plain_demo, int runs,
                         ProcessTimes &times)
{
    fprintf(stderr, "lumo-bench: whole demo processes\n");
    const std::string paths[3] = {lumo_demo, plain_demo, plain_demo};
    const Program programs[3] = {{"\"" + lumo_demo + "\"", lumo_picture_done, &times.lumo},
                                 {"\"" + plain_demo + "\"", plain_picture_done, &times.plain},
                                 {"\"" + plain_demo + "\" like-lumo", plain_picture_done, &times.plain_like_lumo}};
    double ms = 0;
    for (int p = 0; p < 3; ++p)
        if (!time_one_run(paths[p], programs[p], ms))
            return false;
    // Every order of the three in turn, so that none is favoured by going
    // first or by following a particular other.
    const int orders[6][3] = {{0, 1, 2}, {1, 2, 0}, {2, 0, 1}, {0, 2, 1}, {2, 1, 0}, {1, 0, 2}};
    for (int run = 0; run < runs; ++run)
        for (int p : orders[run % 6]) {
            if (!time_one_run(paths[p], programs[p], ms))
                return false;
            programs[p].times->push_back(ms);
        }
    return true;
}
