#include "call_bench.h"

#include "direct_gdi.h"
#include "graphics.h"
#include "measure.h"

#include <stdio.h>

#include <functional>

namespace {

const char demo_text[] = "Windows\x83\x76\x83\x8D\x83\x4F\x83\x89\x83\x80\x8C\xA9\x96\x7B";
const char japanese[] = "\x83\x76\x83\x8D\x83\x4F\x83\x89\x83\x80\x8C\xA9\x96\x7B"; // 7 characters
const int border = 7; // white
const double pi = 3.141592653589793;

HDC dc() { return graphics_dc(); }

// One way of making a call. begin and end run outside the clock, around each batch.
struct Variant {
    std::function<void(int color)> call;
    std::function<void(int color)> begin = [](int) {};
    std::function<void()> end = [] {};
};

struct CallCase {
    std::string label;
    std::function<void()> prepare; // sets up the canvas, outside the clock
    Variant lumo, direct, kept;
    // One colour throughout: under Wine, text after a change of colour was
    // seen to be slower, which favoured whichever variant came later.
    int color;
};

// --- The lower bound's objects, selected once per batch -------------------

struct Kept {
    HGDIOBJ object = nullptr, old_object = nullptr, old_brush = nullptr;
    int old_mode = 0;
} kept;

void keep(HGDIOBJ object)
{
    kept.object = object;
    kept.old_object = SelectObject(dc(), object);
}

void keep_pen(int color)
{
    kept.old_brush = SelectObject(dc(), GetStockObject(NULL_BRUSH));
    keep(CreatePen(PS_SOLID, 0, direct_colour(color)));
}

void keep_brush(int color) { keep(CreateSolidBrush(direct_colour(color))); }

void keep_font(SIZE size, int color)
{
    keep(create_mincho(size));
    kept.old_mode = SetBkMode(dc(), TRANSPARENT);
    SetTextColor(dc(), direct_colour(color));
}

void release_kept()
{
    SelectObject(dc(), kept.old_object);
    DeleteObject(kept.object);
    if (kept.old_brush)
        SelectObject(dc(), kept.old_brush);
    if (kept.old_mode)
        SetBkMode(dc(), kept.old_mode);
    kept = {};
}

// --- Cases ----------------------------------------------------------------

void clear_canvas()
{
    RECT canvas = {0, 0, 640, 400};
    FillRect(dc(), &canvas, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}

CallCase ellipse_case(std::string label, int x, int y, int rx, int ry)
{
    CallCase c{std::move(label), clear_canvas, {}, {}, {}, 2};
    c.lumo.call = [=](int color) { draw_ellipse(x, y, rx, ry, color); };
    c.direct.call = [=](int color) { direct_ellipse(dc(), x, y, rx, ry, color); };
    // The window's DC is in GM_COMPATIBLE, so lumo adds one to the right and bottom.
    c.kept.call = [=](int) { Ellipse(dc(), x - rx, y - ry, x + rx + 1, y + ry + 1); };
    c.kept.begin = keep_pen;
    c.kept.end = release_kept;
    return c;
}

CallCase circle_case(std::string label, int x, int y, int r)
{
    CallCase c = ellipse_case(std::move(label), x, y, r, r);
    c.lumo.call = [=](int color) { draw_circle(x, y, r, color); };
    return c;
}

// A fill from (x, y) inside a white circle of radius r there; with r = 0, of the whole canvas.
CallCase fill_case(std::string label, int x, int y, int r)
{
    auto prepare = [=] {
        clear_canvas();
        if (r > 0)
            direct_ellipse(dc(), x, y, r, r, border);
    };
    CallCase c{std::move(label), prepare, {}, {}, {}, 6};
    c.lumo.call = [=](int color) { paint_area(x, y, color, border); };
    c.direct.call = [=](int color) { direct_fill(dc(), x, y, color, border); };
    c.kept.call = [=](int) { ExtFloodFill(dc(), x, y, direct_colour(border), FLOODFILLBORDER); };
    c.kept.begin = keep_brush;
    c.kept.end = release_kept;
    return c;
}

CallCase text_case(std::string label, int x, int y, std::string text, double ws, double hs)
{
    CallCase c{std::move(label), clear_canvas, {}, {}, {}, 7};
    c.lumo.call = [=](int color) { draw_text(x, y, text.c_str(), color, ws, hs); };
    c.direct.call = [=](int color) { direct_text(dc(), x, y, text.c_str(), color, ws, hs); };
    c.kept.call = [=](int) { TextOutA(dc(), x, y, text.c_str(), static_cast<int>(text.size())); };
    const SIZE cell = {static_cast<LONG>(7 * ws), static_cast<LONG>(15 * hs)};
    c.kept.begin = [=](int color) { keep_font(cell, color); };
    c.kept.end = release_kept;
    return c;
}

std::string format(const char *pattern, double a, double b = 0)
{
    char text[128];
    snprintf(text, sizeof text, pattern, a, b);
    return text;
}

// n Japanese characters, cycling through the demo's seven.
std::string japanese_text(int n)
{
    std::string text;
    for (int i = 0; i < n; ++i)
        text.append(japanese + 2 * (i % 7), 2);
    return text;
}

std::vector<CallCase> demo_calls()
{
    return {circle_case("draw_circle(500, 300, 30)", 500, 300, 30),
            ellipse_case("draw_ellipse(193, 73, 447, 327)", 193, 73, 447, 327),
            fill_case("paint_area(500, 300) inside that circle", 500, 300, 30),
            text_case("draw_text(70, 100, demo text, 3.0, 10.0)", 70, 100, demo_text, 3.0, 10.0)};
}

std::vector<CallCase> outline_by_radius()
{
    std::vector<CallCase> cases;
    for (int r : {10, 30, 100, 300, 1000})
        cases.push_back(circle_case(format("%.0f", r), 320, 200, r));
    return cases;
}

std::vector<CallCase> fill_by_area()
{
    std::vector<CallCase> cases;
    for (int r : {5, 20, 60, 190})
        cases.push_back(fill_case(format("~%.0f (inside r = %.0f)", pi * r * r, r), 320, 200, r));
    cases.push_back(fill_case("256000 (whole canvas)", 0, 0, 0));
    return cases;
}

std::vector<CallCase> text_by_length()
{
    std::vector<CallCase> cases;
    for (int n : {1, 5, 15, 45})
        cases.push_back(text_case(format("%.0f", n), 0, 100, japanese_text(n), 1.0, 1.0));
    return cases;
}

std::vector<CallCase> text_by_size()
{
    std::vector<CallCase> cases;
    const double scales[][2] = {{1, 1}, {2, 2}, {3, 3}, {5, 5}, {3, 10}};
    for (const auto &s : scales)
        cases.push_back(text_case(format("%.0fx%.0f", 7 * s[0], 15 * s[1]), 0, 0, japanese_text(7),
                                  s[0], s[1]));
    return cases;
}

// --- Timing ---------------------------------------------------------------

// GdiFlush before the clock stops, so that drawing still queued is counted.
double us_per_call(const Variant &v, int calls, int color)
{
    v.begin(color);
    const double start = now_us();
    for (int i = 0; i < calls; ++i)
        v.call(color);
    GdiFlush();
    const double elapsed = now_us() - start;
    v.end();
    return elapsed / calls;
}

// Enough calls for a batch of the direct variant to last about batch_us;
// the first, untimed call also warms caches (fonts, glyphs) up.
int calls_per_batch(const CallCase &c, double batch_us)
{
    us_per_call(c.direct, 1, c.color);
    int calls = 1;
    double per_call = us_per_call(c.direct, calls, c.color);
    while (per_call * calls < batch_us / 8) {
        calls *= 8;
        per_call = us_per_call(c.direct, calls, c.color);
    }
    const double wanted = batch_us / per_call;
    return wanted < 1 ? 1 : static_cast<int>(wanted);
}

// Every order of the three variants in turn, so that none is favoured by
// going first or following a particular other.
const int orders[6][3] = {{0, 1, 2}, {1, 2, 0}, {2, 0, 1}, {0, 2, 1}, {2, 1, 0}, {1, 0, 2}};

CallResult run_case(const CallCase &c, const CallSettings &settings)
{
    c.prepare();
    const int calls = calls_per_batch(c, settings.batch_us);
    const Variant *variants[3] = {&c.lumo, &c.direct, &c.kept};
    for (const Variant *v : variants) // warm-up
        us_per_call(*v, calls, c.color);
    CallResult result{c.label, {}, {}, {}};
    std::vector<double> *times[3] = {&result.lumo, &result.direct, &result.kept};
    for (int rep = 0; rep < settings.repetitions; ++rep) {
        for (int v : orders[rep % 6])
            times[v]->push_back(us_per_call(*variants[v], calls, c.color));
    }
    return result;
}

CallTable run_table(const char *title, const char *parameter, const std::vector<CallCase> &cases,
                    const CallSettings &settings)
{
    fprintf(stderr, "lumo-bench: %s\n", title);
    CallTable table{title, parameter, {}};
    for (const CallCase &c : cases)
        table.rows.push_back(run_case(c, settings));
    return table;
}

} // namespace

std::vector<CallTable> run_call_tables(const CallSettings &settings)
{
    return {run_table("Calls as the demo makes them", "call", demo_calls(), settings),
            run_table("Outline against radius: draw_circle(320, 200, r)", "radius, px",
                      outline_by_radius(), settings),
            run_table("Fill against filled area: paint_area from (320, 200)", "area, px",
                      fill_by_area(), settings),
            run_table("Text against length: Japanese characters in 7x15 cells", "characters",
                      text_by_length(), settings),
            run_table("Text against character size: 7 Japanese characters", "cell, px",
                      text_by_size(), settings)};
}
