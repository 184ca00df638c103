// lumo-capture: runs a lumo program, waits for its finished picture, saves
// the window's drawing area as a PNG, closes the window and ends with the
// program's own exit status.
#include <windows.h>
#include <wincodec.h>
#include <wrl/client.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

using Microsoft::WRL::ComPtr;

namespace {

// The tool's own failures, told apart from any status the program returns
// in the way timeout(1) and env(1) do it.
constexpr int tool_failure = 125;
constexpr DWORD poll_interval_ms = 20;
constexpr DWORD repaint_allowance_ms = 100;

const char usage_text[] =
    "usage: lumo-capture [--timeout SECONDS] [--keep-open] [--output FILE.png] PROGRAM [ARGS...]\n"
    "\n"
    "Runs PROGRAM, a lumo program, with ARGS and waits until it has ended and its\n"
    "window shows the finished picture. Saves the window's drawing area as a\n"
    "24-bit PNG if --output is given, then closes the window and waits for the\n"
    "program to end.\n"
    "\n"
    "  --timeout SECONDS  how long to wait for the finished picture, and then for\n"
    "                     the program to end once its window is closed (default\n"
    "                     30); when the time is up, the program is ended\n"
    "  --keep-open        leave the window for the user to close\n"
    "  --output FILE.png  where to save the picture; without it nothing is saved\n"
    "  --help             show this text\n"
    "\n"
    "Exit status: the program's own; or 125 when lumo-capture fails: wrong\n"
    "usage, PROGRAM cannot be started, it ends or runs out of time before its\n"
    "finished picture shows, or the picture cannot be saved.\n";

// Everything that makes the tool fail: the message for stderr.
struct Failure {
    std::string message;
};

struct Options {
    bool help = false;
    double timeout_seconds = 30;
    bool keep_open = false;
    std::string output; // empty: nothing is saved
    std::vector<std::string> command;
};

std::string system_message(DWORD code)
{
    char *text = nullptr;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<char *>(&text), 0, nullptr);
    std::string message(text ? text : "", length);
    LocalFree(text);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r' || message.back() == '.'))
        message.pop_back();
    if (message.empty()) {
        char number[32];
        std::snprintf(number, sizeof number, "error 0x%08lX", static_cast<unsigned long>(code));
        message = number;
    }
    return message;
}

// COM reports Win32 errors wrapped; unwrapped, the system has words for them.
std::string com_message(HRESULT result)
{
    if (HRESULT_FACILITY(result) == FACILITY_WIN32)
        return system_message(HRESULT_CODE(result));
    return system_message(static_cast<DWORD>(result));
}

std::string seconds_text(double seconds)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g s", seconds);
    return text;
}

// Crash statuses are NTSTATUS codes, which read better in hexadecimal.
std::string status_text(DWORD status)
{
    char text[32];
    std::snprintf(text, sizeof text, status > 0xFFFF ? "0x%08lX" : "%lu",
                  static_cast<unsigned long>(status));
    return text;
}

// --- Command line --------------------------------------------------------

// A day at most: waits are counted in 32-bit milliseconds.
double parse_seconds(const char *text)
{
    char *end = nullptr;
    const double seconds = std::strtod(text, &end);
    if (end == text || *end != '\0' || !std::isfinite(seconds) || seconds <= 0 || seconds > 86400)
        throw Failure{std::string("--timeout wants a number of seconds, not '") + text + "'"};
    return seconds;
}

// Options come first; the first other word is the program, and everything
// after it is the program's.
Options parse_options(int argc, char **argv)
{
    Options options;
    int i = 1;
    for (; i < argc && argv[i][0] == '-'; ++i) {
        const std::string option = argv[i];
        const bool has_value = i + 1 < argc;
        if (option == "--") {
            ++i;
            break;
        } else if (option == "--help") {
            options.help = true;
            return options;
        } else if (option == "--keep-open") {
            options.keep_open = true;
        } else if (option == "--timeout" && has_value) {
            options.timeout_seconds = parse_seconds(argv[++i]);
        } else if (option == "--output" && has_value) {
            options.output = argv[++i];
        } else if (option == "--timeout" || option == "--output") {
            throw Failure{option + " wants a value"};
        } else {
            throw Failure{"unknown option " + option};
        }
    }
    options.command.assign(argv + i, argv + argc);
    if (options.command.empty())
        throw Failure{"no PROGRAM given (see lumo-capture --help)"};
    return options;
}

// Quotes one argument so that the C run-time's parser gives it back intact:
// backslashes are literal except in front of a quote, so only those double.
std::string quote_argument(const std::string &argument)
{
    if (!argument.empty() && argument.find_first_of(" \t\n\v\"") == std::string::npos)
        return argument;
    std::string quoted = "\"";
    size_t backslashes = 0;
    for (char c : argument) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        if (c == '"')
            backslashes = backslashes * 2 + 1;
        quoted.append(backslashes, '\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(backslashes * 2, '\\'); // they stand before the closing quote
    quoted += '"';
    return quoted;
}

std::string command_line(const std::vector<std::string> &command)
{
    std::string line;
    for (const std::string &argument : command) {
        if (!line.empty())
            line += ' ';
        line += quote_argument(argument);
    }
    return line;
}

// --- The program ---------------------------------------------------------

class Program {
public:
    explicit Program(const std::vector<std::string> &command)
    {
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        // Its output goes where ours goes, also when that is a pipe rather than the console.
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
        startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
        startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
        std::string line = command_line(command);
        if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                            &startup, &info_))
            throw Failure{"cannot start " + command[0] + ": " + system_message(GetLastError())};
    }
    ~Program()
    {
        CloseHandle(info_.hThread);
        CloseHandle(info_.hProcess);
    }
    Program(const Program &) = delete;
    Program &operator=(const Program &) = delete;

    DWORD id() const { return info_.dwProcessId; }
    bool wait(DWORD milliseconds) const
    {
        return WaitForSingleObject(info_.hProcess, milliseconds) == WAIT_OBJECT_0;
    }
    DWORD exit_status() const
    {
        DWORD status = 0;
        GetExitCodeProcess(info_.hProcess, &status);
        return status;
    }
    void end()
    {
        TerminateProcess(info_.hProcess, tool_failure);
        wait(INFINITE);
    }

private:
    PROCESS_INFORMATION info_ = {};
};

// --- Finding the window --------------------------------------------------

// The program's visible lumo windows: top-most while it draws, no longer
// top-most once it has ended and the picture is final.
struct LumoWindows {
    DWORD process_id;
    HWND drawing = nullptr;
    HWND finished = nullptr;
};

bool is_visible_lumo_window(HWND window, DWORD process_id)
{
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char class_name[8] = "";
    return owner == process_id && IsWindowVisible(window) &&
           GetClassNameA(window, class_name, sizeof class_name) && std::string(class_name) == "lumo";
}

BOOL CALLBACK note_lumo_window(HWND window, LPARAM found_windows)
{
    LumoWindows &found = *reinterpret_cast<LumoWindows *>(found_windows);
    if (!is_visible_lumo_window(window, found.process_id))
        return TRUE;
    if (GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) {
        found.drawing = window;
        return TRUE;
    }
    found.finished = window;
    return FALSE;
}

LumoWindows find_lumo_windows(DWORD process_id)
{
    LumoWindows found{process_id};
    EnumWindows(note_lumo_window, reinterpret_cast<LPARAM>(&found));
    return found;
}

std::string time_out_message(bool window_seen, double seconds)
{
    if (window_seen)
        return "the lumo window was still drawing (top-most) after " + seconds_text(seconds);
    return "no lumo window appeared within " + seconds_text(seconds);
}

ULONGLONG milliseconds(double seconds)
{
    return static_cast<ULONGLONG>(std::ceil(seconds * 1000));
}

HWND wait_for_finished_window(Program &program, double timeout_seconds)
{
    const ULONGLONG deadline = GetTickCount64() + milliseconds(timeout_seconds);
    for (;;) {
        const LumoWindows found = find_lumo_windows(program.id());
        if (found.finished)
            return found.finished;
        if (program.wait(poll_interval_ms))
            throw Failure{"the program ended with status " + status_text(program.exit_status()) +
                          " before a lumo window appeared"};
        if (GetTickCount64() >= deadline) {
            program.end();
            throw Failure{time_out_message(found.drawing != nullptr, timeout_seconds)};
        }
    }
}

// --- Reading the picture -------------------------------------------------

struct Picture {
    UINT width = 0;
    UINT height = 0;
    UINT stride = 0;         // bytes from one row to the next
    std::vector<BYTE> pixels; // rows top to bottom, blue-green-red
};

class WindowDc {
public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDc() { ReleaseDC(window_, dc_); }
    WindowDc(const WindowDc &) = delete;
    WindowDc &operator=(const WindowDc &) = delete;
    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// A 24-bit top-down DIB section selected into a memory DC.
class DibCanvas {
public:
    DibCanvas(HDC like, const Picture &shape) : dc_(CreateCompatibleDC(like))
    {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = static_cast<LONG>(shape.width);
        info.bmiHeader.biHeight = -static_cast<LONG>(shape.height);
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 24;
        info.bmiHeader.biCompression = BI_RGB;
        bitmap_ = CreateDIBSection(like, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
        if (dc_ && bitmap_)
            old_bitmap_ = SelectObject(dc_, bitmap_);
    }
    ~DibCanvas()
    {
        if (old_bitmap_)
            SelectObject(dc_, old_bitmap_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    DibCanvas(const DibCanvas &) = delete;
    DibCanvas &operator=(const DibCanvas &) = delete;

    bool ready() const { return old_bitmap_ != nullptr; }
    HDC dc() const { return dc_; }
    const BYTE *bits() const { return static_cast<const BYTE *>(bits_); }

private:
    HDC dc_;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ old_bitmap_ = nullptr;
    void *bits_ = nullptr;
};

// The picture is read from the screen, so for the reading the window goes
// above every other, top-most ones included, and then back among them.
class RaisedWindow {
public:
    explicit RaisedWindow(HWND window) : window_(window) { place(HWND_TOPMOST); }
    ~RaisedWindow() { place(HWND_NOTOPMOST); }
    RaisedWindow(const RaisedWindow &) = delete;
    RaisedWindow &operator=(const RaisedWindow &) = delete;

private:
    void place(HWND where)
    {
        SetWindowPos(window_, where, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    HWND window_;
};

Picture picture_shape(HWND window)
{
    RECT client = {};
    GetClientRect(window, &client);
    Picture picture;
    picture.width = static_cast<UINT>(client.right - client.left);
    picture.height = static_cast<UINT>(client.bottom - client.top);
    picture.stride = (picture.width * 3 + 3) & ~3u; // DIB rows are whole 32-bit words
    return picture;
}

Picture read_client_area(HWND window)
{
    Picture picture = picture_shape(window);
    if (picture.width == 0 || picture.height == 0)
        throw Failure{"the lumo window has no drawing area to save"};
    RaisedWindow raised(window);
    // Parts that were covered reach the screen once the program has repainted them.
    Sleep(repaint_allowance_ms);
    WindowDc screen(window);
    DibCanvas canvas(screen.get(), picture);
    if (!screen.get() || !canvas.ready() ||
        !BitBlt(canvas.dc(), 0, 0, static_cast<int>(picture.width), static_cast<int>(picture.height),
                screen.get(), 0, 0, SRCCOPY))
        throw Failure{"cannot read the lumo window's picture: " + system_message(GetLastError())};
    GdiFlush();
    picture.pixels.assign(canvas.bits(), canvas.bits() + picture.stride * picture.height);
    return picture;
}

// --- Writing the PNG -----------------------------------------------------

class ComApartment {
public:
    ComApartment()
    {
        const HRESULT result = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        if (FAILED(result))
            throw Failure{"cannot start COM: " + com_message(result)};
    }
    ~ComApartment() { CoUninitialize(); }
    ComApartment(const ComApartment &) = delete;
    ComApartment &operator=(const ComApartment &) = delete;
};

std::wstring wide(const std::string &text)
{
    const int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    std::wstring converted(static_cast<size_t>(length > 0 ? length : 1), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, &converted[0], length);
    converted.pop_back(); // the terminator
    return converted;
}

// step: what failed, where the system's own words would not tell.
void check(HRESULT result, const std::string &path, const char *step = nullptr)
{
    if (FAILED(result))
        throw Failure{"cannot write " + path + ": " + (step ? std::string(step) + ": " : "") +
                      com_message(result)};
}

ComPtr<IWICImagingFactory> imaging_factory(const std::string &path)
{
    ComPtr<IWICImagingFactory> factory;
    check(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                           IID_PPV_ARGS(&factory)),
          path, "no Windows Imaging Component");
    return factory;
}

void encode_frame(IWICBitmapEncoder &encoder, const Picture &picture, const std::string &path)
{
    ComPtr<IWICBitmapFrameEncode> frame;
    check(encoder.CreateNewFrame(&frame, nullptr), path, "PNG frame");
    check(frame->Initialize(nullptr), path, "PNG frame");
    check(frame->SetSize(picture.width, picture.height), path, "PNG size");
    WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
    check(frame->SetPixelFormat(&format), path, "PNG pixel format");
    if (format != GUID_WICPixelFormat24bppBGR)
        throw Failure{"cannot write " + path + ": the PNG encoder refuses 24-bit pixels"};
    // WritePixels only reads the buffer, whatever its signature says.
    BYTE *pixels = const_cast<BYTE *>(picture.pixels.data());
    check(frame->WritePixels(picture.height, picture.stride,
                             static_cast<UINT>(picture.pixels.size()), pixels),
          path, "PNG pixels");
    check(frame->Commit(), path, "PNG frame");
}

void encode_png(IWICImagingFactory &factory, IWICStream &file, const Picture &picture,
                const std::string &path)
{
    ComPtr<IWICBitmapEncoder> encoder;
    check(factory.CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder), path, "no PNG encoder");
    check(encoder->Initialize(&file, WICBitmapEncoderNoCache), path, "PNG encoder");
    encode_frame(*encoder.Get(), picture, path);
    check(encoder->Commit(), path, "PNG encoder");
}

// A file that could not be written whole is removed, so none is mistaken for the picture.
void save_png(const Picture &picture, const std::string &path)
{
    ComApartment com;
    ComPtr<IWICImagingFactory> factory = imaging_factory(path);
    ComPtr<IWICStream> file;
    check(factory->CreateStream(&file), path, "WIC stream");
    check(file->InitializeFromFilename(wide(path).c_str(), GENERIC_WRITE), path);
    try {
        encode_png(*factory.Get(), *file.Get(), picture, path);
    } catch (const Failure &) {
        file.Reset(); // closes the file
        DeleteFileA(path.c_str());
        throw;
    }
}

// --- The whole run -------------------------------------------------------

// Closes the window unless the user is to, and waits for the program's end.
DWORD end_program(Program &program, HWND window, const Options &options)
{
    if (options.keep_open) {
        program.wait(INFINITE);
        return program.exit_status();
    }
    PostMessageA(window, WM_CLOSE, 0, 0);
    if (!program.wait(static_cast<DWORD>(milliseconds(options.timeout_seconds)))) {
        program.end();
        throw Failure{"the program did not end within " + seconds_text(options.timeout_seconds) +
                      " of its window being closed"};
    }
    return program.exit_status();
}

int run(const Options &options)
{
    Program program(options.command);
    const HWND window = wait_for_finished_window(program, options.timeout_seconds);
    std::optional<Failure> save_failure;
    if (!options.output.empty()) {
        try {
            save_png(read_client_area(window), options.output);
        } catch (const Failure &failure) {
            save_failure = failure; // the program is still to be ended
        }
    }
    const DWORD status = end_program(program, window, options);
    if (save_failure)
        throw *save_failure;
    return static_cast<int>(status);
}

} // namespace

int main(int argc, char **argv)
{
    try {
        const Options options = parse_options(argc, argv);
        if (options.help) {
            std::fputs(usage_text, stdout);
            return 0;
        }
        return run(options);
    } catch (const Failure &failure) {
        std::fprintf(stderr, "lumo-capture: %s\n", failure.message.c_str());
        return tool_failure;
    }
}
