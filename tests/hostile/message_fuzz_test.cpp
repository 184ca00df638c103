// Random messages to the library's window procedure in each display mode,
// with the scroll record checked after every one: against its bounds, and
// outside drawing mode against the scroll bars and the real client size.
// WM_CLOSE is left out: it ends the process while drawing or viewing and
// destroys the window once finished (window_proc_test covers both).
//
// The seed is fixed (LUMO_FUZZ_SEED overrides it) and printed; a failure
// names the seed, the message's index and what was sent.
#include "../test_window.h"

#include <gtest/gtest.h>

#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>

#include <random>
#include <string>

using lumo::state;

namespace {

const int messages_per_mode = 100000;

std::string format(const char *fmt, ...) __attribute__((format(printf, 1, 2)));
std::string format(const char *fmt, ...)
{
    char text[512];
    va_list args;
    va_start(args, fmt);
    vsnprintf(text, sizeof text, fmt, args);
    va_end(args);
    return text;
}

std::string describe_record()
{
    return format("record: h pos %d range %d on %d, v pos %d range %d on %d; client %dx%d, outer %ldx%ld",
                  state.h_pos, state.h_range, state.h_bar_on, state.v_pos, state.v_range, state.v_bar_on,
                  test::client_size(state.window).cx, test::client_size(state.window).cy,
                  test::outer_size(state.window).cx, test::outer_size(state.window).cy);
}

// The bounds every message keeps, in every mode.
std::string check_bounds()
{
    if (state.h_range < 0 || state.v_range < 0 || state.h_pos < 0 || state.v_pos < 0 ||
        state.h_pos > state.h_range || state.v_pos > state.v_range)
        return "position or range out of bounds";
    return {};
}

// A bar in use shows, with the record's range and position; one not in use
// is hidden. With real_size, the range is also what the client area hides.
std::string check_bar(int bar, bool real_size)
{
    const bool horizontal = bar == SB_HORZ;
    const char *name = horizontal ? "horizontal" : "vertical";
    const int on = horizontal ? state.h_bar_on : state.v_bar_on;
    const int range = horizontal ? state.h_range : state.v_range;
    const int pos = horizontal ? state.h_pos : state.v_pos;
    if (test::bar_visible(state.window, bar) != (on == 1))
        return format("%s bar %s while its flag is %d", name,
                      test::bar_visible(state.window, bar) ? "shows" : "is hidden", on);
    if (!on)
        return {};
    int low = -1, high = -1;
    GetScrollRange(state.window, bar, &low, &high);
    if (low != 0 || high != range)
        return format("%s bar's range is %d..%d, the record's %d", name, low, high, range);
    if (test::scroll_pos(state.window, bar) != pos)
        return format("%s bar's position is %d, the record's %d", name, test::scroll_pos(state.window, bar), pos);
    const SIZE client = test::client_size(state.window);
    const int hidden = horizontal ? state.canvas_width - client.cx : state.canvas_height - client.cy;
    if (real_size && range != hidden)
        return format("%s range %d, but the client area hides %d", name, range, hidden);
    return {};
}

std::string check_bars(bool real_size)
{
    std::string problem = check_bar(SB_HORZ, real_size);
    return problem.empty() ? check_bar(SB_VERT, real_size) : problem;
}

// What the window procedure has seen, kept by the procedure wrapped around it.
struct Observed {
    int size_depth = 0;       // WM_SIZE messages being handled, nested
    bool nested = false;      // the outermost WM_SIZE being handled delivered another
    bool genuine = false;     // the outermost one carried the real client size
    bool unsettled = false;   // WM_SIZING or a system command changed the flags since the last WM_SIZE
    bool made_up_size = false; // the last WM_SIZE measured the record from a made-up size
    std::string problem;      // the first broken rule
} seen;

void note(const std::string &problem)
{
    if (seen.problem.empty() && !problem.empty())
        seen.problem = problem;
}

LPARAM real_client_size(HWND hwnd)
{
    const SIZE client = test::client_size(hwnd);
    return MAKELPARAM(client.cx, client.cy);
}

// After every outermost WM_SIZE outside drawing mode the bars match the
// record. A made-up size that no bar change superseded is what the record
// was measured from, so only then is the real client size not the rule.
LRESULT CALLBACK checking_proc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam)
{
    if (msg != WM_SIZE)
        return lumo::graphics_window_proc(hwnd, msg, wparam, lparam);
    const bool outermost = seen.size_depth == 0;
    if (outermost) {
        seen.nested = false;
        seen.genuine = lparam == real_client_size(hwnd);
    } else {
        seen.nested = true;
    }
    ++seen.size_depth;
    const LRESULT result = lumo::graphics_window_proc(hwnd, msg, wparam, lparam);
    --seen.size_depth;
    if (outermost) {
        note(check_bounds());
        if (state.display_mode != lumo::MODE_DRAWING) {
            seen.unsettled = false;
            seen.made_up_size = !seen.genuine && !seen.nested;
            note(check_bars(!seen.made_up_size));
        }
    }
    return result;
}

// Commands that would start a modal loop, a menu, another program or a
// dialogue, or close the window; the platform compares the command masked.
bool unsafe_command(WPARAM command)
{
    switch (command & 0xFFF0) {
    case SC_SIZE:
    case SC_MOVE:
    case SC_CLOSE:
    case SC_VSCROLL:
    case SC_HSCROLL:
    case SC_MOUSEMENU:
    case SC_KEYMENU:
    case SC_TASKLIST:
    case SC_SCREENSAVE:
        return true;
    }
    return false;
}

class Fuzzer {
public:
    Fuzzer(HWND hwnd, unsigned seed) : hwnd_(hwnd), random_(seed) {}

    // Sends one random message (or a resize or drag, which deliver several)
    // and returns what it was. Changes of size and system commands, slow
    // under Wine, are a few in a hundred; the messages between them probe
    // the state each change leaves.
    std::string step()
    {
        unsigned kind = below(1000); // shares in a thousand
        const auto take = [&kind](unsigned share) {
            if (kind < share)
                return true;
            kind -= share;
            return false;
        };
        if (take(57))
            return send(WM_SIZE, below(5), below(2) ? random_size_lparam() : word32());
        if (take(10))
            return send(WM_SIZE, SIZE_RESTORED, real_client_size(hwnd_));
        if (take(80)) {
            seen.unsettled = true;
            RECT proposed = {0, 0, int(below(1500)), int(below(1200))};
            return send(WM_SIZING, below(4) ? below(10) : word32(),
                        below(2) ? reinterpret_cast<LPARAM>(&proposed) : 0);
        }
        if (take(43)) {
            const WPARAM command = random_command(kind < 3);
            seen.unsettled |= command == SC_MINIMIZE || command == SC_RESTORE; // the flags follow the ranges
            return send(WM_SYSCOMMAND, command, word32());
        }
        if (take(500)) {
            const WPARAM code = below(4) ? below(9) : below(0x10000);
            const WPARAM thumb = below(4) ? below(700) : below(0x10000);
            return send(below(2) ? WM_HSCROLL : WM_VSCROLL, MAKEWPARAM(code, thumb), word32());
        }
        if (take(100))
            return send(WM_NCHITTEST, word32(), word32());
        if (take(10))
            return send(WM_EXITSIZEMOVE, word32(), word32());
        if (take(30))
            return send(WM_PAINT, word32(), word32());
        if (take(70))
            return send(WM_ERASEBKGND, below(2) ? reinterpret_cast<WPARAM>(state.window_dc) : 0, word32());
        if (take(70)) {
            MINMAXINFO info = {};
            info.ptMaxSize = {int(word32()), int(word32())};
            return send(WM_GETMINMAXINFO, word32(), reinterpret_cast<LPARAM>(&info));
        }
        if (take(15)) {
            const SIZE size = random_outer_size();
            SetWindowPos(hwnd_, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER);
            return format("SetWindowPos %ldx%ld", size.cx, size.cy);
        }
        if (take(10)) {
            seen.unsettled = true;
            const WPARAM edge = 1 + below(8);
            const SIZE size = random_outer_size();
            test::drag(hwnd_, edge, size.cx, size.cy);
            const bool end = below(2);
            if (end)
                test::end_drag(hwnd_);
            return format("drag edge %u to %ldx%ld%s", unsigned(edge), size.cx, size.cy, end ? ", ended" : "");
        }
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
        return "pending messages dispatched";
    }

private:
    unsigned below(unsigned n) { return random_() % n; }
    unsigned word32() { return random_(); }

    std::string send(UINT msg, WPARAM wparam, LPARAM lparam)
    {
        SendMessageA(hwnd_, msg, wparam, lparam);
        return format("message 0x%04x wparam 0x%llx lparam 0x%llx", msg, static_cast<unsigned long long>(wparam),
                      static_cast<unsigned long long>(lparam));
    }

    LPARAM random_size_lparam() { return MAKELPARAM(below(800), below(500)); }

    WPARAM random_command(bool ours)
    {
        if (ours) {
            const WPARAM commands[] = {SC_MINIMIZE, SC_MAXIMIZE, SC_RESTORE};
            return commands[below(3)];
        }
        for (;;) {
            const WPARAM command = below(2) ? 0xF000 + below(0x200) : word32();
            if (!unsafe_command(command))
                return command;
        }
    }

    // Mostly sizes near where a bar starts or stops being needed.
    int random_extent(int max, int max_with_bar)
    {
        const int boundaries[] = {max, max_with_bar, 2 * max - max_with_bar};
        if (below(2))
            return boundaries[below(3)] + int(below(7)) - 3;
        return int(below(max_with_bar + 100));
    }

    SIZE random_outer_size()
    {
        return {random_extent(state.max_width, state.max_width_with_bar),
                random_extent(state.max_height, state.max_height_with_bar)};
    }

    HWND hwnd_;
    std::mt19937 random_;
};

unsigned fuzz_seed()
{
    const char *given = getenv("LUMO_FUZZ_SEED");
    return given ? static_cast<unsigned>(strtoul(given, nullptr, 0)) : 20240611u;
}

void fuzz(lumo::DisplayMode mode)
{
    test::GraphicsWindow window(mode);
    SetWindowLongPtrA(window.hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(checking_proc));
    // Under Wine every repaint of a shown window's themed scroll bars costs
    // milliseconds; hidden, the same rules run a hundred times as fast. The
    // system commands that show it are undone after each message.
    ShowWindow(window.hwnd, SW_HIDE);
    seen = Observed();
    const unsigned seed = fuzz_seed();
    printf("display mode %d, seed %u\n", mode, seed);
    fflush(stdout);

    Fuzzer fuzzer(window.hwnd, seed);
    for (int i = 0; i < messages_per_mode; ++i) {
        const std::string sent = fuzzer.step();
        if (IsWindowVisible(window.hwnd))
            ShowWindow(window.hwnd, SW_HIDE);
        note(check_bounds());
        if (mode != lumo::MODE_DRAWING && !seen.unsettled)
            note(check_bars(!seen.made_up_size));
        ASSERT_TRUE(seen.problem.empty()) << "seed " << seed << ", message " << i << ": " << sent << "\n"
                                          << seen.problem << "\n" << describe_record();
    }
}

} // namespace

TEST(MessageFuzz, Drawing) { fuzz(lumo::MODE_DRAWING); }
TEST(MessageFuzz, Viewing) { fuzz(lumo::MODE_VIEWING); }
TEST(MessageFuzz, Finished) { fuzz(lumo::MODE_FINISHED); }
