#include "automation/program_driver.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <mutex>
#include <thread>

#include "automation/failure.h"
#include "ids/program_ids.h"
#include "runtime/bmp/bmp_writer.h"
#include "runtime/canvas/gdi_objects_win.h"

namespace e2e {

fs::path ProgramPath;

fs::path FromArgument(std::string path) {
    if (!path.empty() && path[0] == '/') {
        for (char& c : path)
            if (c == '/') c = '\\';
        path = "Z:" + path;
    }
    return path;
}

namespace {

std::mutex stepLock;
const DriverStep* currentStep = nullptr;  // none between steps

}  // namespace

DriverStep::DriverStep(const char* what, std::string detail)
    : what_(what), detail_(std::move(detail)), since_(GetTickCount64()) {
    const std::lock_guard hold(stepLock);
    currentStep = this;
}

DriverStep::~DriverStep() {
    const std::lock_guard hold(stepLock);
    currentStep = nullptr;
}

void WatchDriverSteps() {
    std::thread([] {
        for (;;) {
            Sleep(60000);
            const std::lock_guard hold(stepLock);
            const ULONGLONG lasted = currentStep ? GetTickCount64() - currentStep->since_ : 0;
            if (lasted >= 60000)
                std::fprintf(stderr, "e2e: still in %s%s after %llu s\n", currentStep->what_,
                             currentStep->detail_.c_str(), lasted / 1000);
            std::fflush(stderr);
        }
    }).detach();
}

void GaveUp(const std::string& waitedFor, const std::string& saw) {
    std::fprintf(stderr, "e2e: gave up waiting for %s; saw %s\n", waitedFor.c_str(), saw.c_str());
    std::fflush(stderr);
}

LRESULT SendTo(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    const ULONGLONG sent = GetTickCount64();
    const DriverStep step("a message sent to the program");
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, kPatience, &result)) {
        const DWORD error = GetLastError();
        char what[96];
        std::snprintf(what, sizeof what, "message 0x%04X to window %p to be handled", message,
                      static_cast<void*>(window));
        GaveUp(what, (error == ERROR_TIMEOUT ? "no answer in "
                                             : "error " + std::to_string(error) + " after ") +
                         std::to_string(GetTickCount64() - sent) + " ms");
        return 0;
    }
    return static_cast<LRESULT>(result);
}

bool WaitFor(const std::function<bool()>& condition, DWORD milliseconds) {
    const ULONGLONG deadline = GetTickCount64() + milliseconds;
    for (;;) {
        if (condition()) return true;
        if (GetTickCount64() >= deadline) return false;
        Sleep(20);
    }
}

namespace {

// The static control that holds a message box's text.
constexpr int kMessageBoxText = 0xFFFF;

struct Search {
    DWORD pid;
    const wchar_t* title = nullptr;  // null: the dialog that holds the control `id`
    int id = 0;
    HWND found = nullptr;
    int count = 0;
    bool visibleOnly = true;
};

bool OfProcess(HWND w, DWORD pid) {
    DWORD owner = 0;
    GetWindowThreadProcessId(w, &owner);
    return owner == pid;
}

BOOL CALLBACK FindWindowOf(HWND w, LPARAM data) {
    auto* s = reinterpret_cast<Search*>(data);
    if (!OfProcess(w, s->pid) || !IsWindowVisible(w)) return TRUE;
    wchar_t cls[32]{};
    GetClassNameW(w, cls, 32);
    if (std::wstring(cls) != L"#32770") return TRUE;
    const bool match = s->title ? Text(w) == s->title : GetDlgItem(w, s->id) != nullptr;
    if (!match) return TRUE;
    s->found = w;
    return FALSE;
}

BOOL CALLBACK FindBox(HWND w, LPARAM data) {
    auto* s = reinterpret_cast<Search*>(data);
    if (OfProcess(w, s->pid) && (!s->visibleOnly || IsWindowVisible(w)) &&
        GetDlgItem(w, kMessageBoxText)) {
        s->found = w;
        return FALSE;
    }
    return TRUE;
}

// Stops at the first window that waits for a paint.
BOOL CALLBACK FindUnpainted(HWND w, LPARAM data) {
    auto* s = reinterpret_cast<Search*>(data);
    if (!IsWindowVisible(w) || !GetUpdateRect(w, nullptr, FALSE)) return TRUE;
    s->found = w;
    return FALSE;
}

BOOL CALLBACK FindUnpaintedWindow(HWND w, LPARAM data) {
    auto* s = reinterpret_cast<Search*>(data);
    if (!OfProcess(w, s->pid)) return TRUE;
    FindUnpainted(w, data);
    if (!s->found) EnumChildWindows(w, FindUnpainted, data);
    return s->found ? FALSE : TRUE;
}

BOOL CALLBACK CountChild(HWND, LPARAM data) {
    ++reinterpret_cast<Search*>(data)->count;
    return TRUE;
}

BOOL CALLBACK CountWindows(HWND w, LPARAM data) {
    auto* s = reinterpret_cast<Search*>(data);
    if (!OfProcess(w, s->pid)) return TRUE;
    ++s->count;
    EnumChildWindows(w, CountChild, data);
    return TRUE;
}

std::wstring Wide(const fs::path& p) {
    return p.wstring();
}

std::string Describe(const fs::path& program, const fs::path& workFolder) {
    return " (" + Narrow(program.wstring()) + ", started in " + Narrow(workFolder.wstring()) + ")";
}

}  // namespace

// Named by this process and a count, and made by a create that fails when the name is taken
// (by a folder an earlier process of the same id left behind, say).
fs::path NewTestFolder() {
    static unsigned made = 0;
    for (;;) {
        const fs::path folder =
            fs::temp_directory_path() / ("poligonos-e2e-" + std::to_string(GetCurrentProcessId()) +
                                         "-" + std::to_string(++made));
        if (CreateDirectoryW(Wide(folder).c_str(), nullptr)) return folder;
        const DWORD error = GetLastError();
        if (error != ERROR_ALREADY_EXISTS)
            Fail("cannot make the test folder " + Narrow(folder.wstring()) + ": error " +
                 std::to_string(error));
    }
}

Program::Program(const std::string& settings)
    : Program([&] {
          Launch launch;
          launch.settings = settings;
          return launch;
      }()) {}

Program::Program(const Launch& launch) {
    root_ = launch.root.empty() ? NewTestFolder() : launch.root;
    programFolder_ = root_ / launch.folder;
    workFolder_ = root_ / "trabajo";
    fs::create_directories(programFolder_);
    fs::create_directories(workFolder_);
    fs::copy_file(ProgramPath, programFolder_ / "poligonos.exe");
    if (!launch.settings.empty())
        std::ofstream(programFolder_ / "Configuracion.ini", std::ios::binary) << launch.settings;
    Start(programFolder_ / "poligonos.exe");
}

Program::Program(const fs::path& program, const fs::path& workFolder)
    : programFolder_(program.parent_path()), workFolder_(workFolder) {
    Start(program);
}

void Program::Start(const fs::path& program) {
    // The real pointer would send the canvas moves of its own: park it in a corner of the
    // desktop, away from where the window opens.
    SetCursorPos(0, 0);
    std::wstring command = L"\"" + Wide(program) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    const ULONGLONG since = GetTickCount64();
    DWORD createError = 0;
    // Under load, Wine now and then reports ERROR_INTERNAL_ERROR: the new process ended with
    // code 0 while Wine was still starting it, before it told the server it was running. That
    // failure is the platform's, not the program's: it is tried once more, said on stderr.
    for (int attempt = 1; attempt <= 2; ++attempt) {
        const DriverStep step("CreateProcessW", Describe(program, workFolder_));
        createError = CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                     Wide(workFolder_).c_str(), &startup, &started)
                          ? 0
                          : GetLastError();
        if (createError != ERROR_INTERNAL_ERROR || attempt == 2) break;
        std::fprintf(stderr,
                     "e2e: CreateProcessW failed with error %lu, the new process ended "
                     "while it was being loaded; starting it once more\n",
                     static_cast<unsigned long>(createError));
    }
    if (createError != 0) {
        startFailure_ = "CreateProcessW failed with error " + std::to_string(createError) +
                        Describe(program, workFolder_);
        GaveUp("the program to start", startFailure_);
        return;
    }
    process_ = KernelHandle(started.hProcess);
    KernelHandle thread(started.hThread);
    processId_ = started.dwProcessId;
    {
        const DriverStep step("WaitForInputIdle of the program");
        WaitForInputIdle(process_.Get(), kPatience);
    }
    main_ = WaitForWindowOf(nullptr, ids::kSideList, false, kPatience, false);
    if (main_) return;
    const std::string ran = std::to_string(GetTickCount64() - since) + " ms";
    startFailure_ =
        Running() ? "no main window (a dialog holding the side list) within " + ran + "; " + Seen()
                  : Seen() + " after " + ran + ", before its main window appeared";
    startFailure_ += Describe(program, workFolder_);
    GaveUp("the program's main window", startFailure_);
}

Program::~Program() {
    if (Running()) {
        TerminateProcess(process_.Get(), 1);
        WaitForSingleObject(process_.Get(), 5000);
    }
    std::error_code ignored;
    if (!root_.empty()) fs::remove_all(root_, ignored);
}

bool Program::Running() const {
    return process_ && WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT;
}

std::string Program::Seen() const {
    DWORD code = 0;
    if (!Running() && process_ && GetExitCodeProcess(process_.Get(), &code)) {
        char hex[16];
        std::snprintf(hex, sizeof hex, "0x%08lX", static_cast<unsigned long>(code));
        return "the program ended with exit code " + std::to_string(code) + " (" + hex + ")";
    }
    return std::to_string(WindowCount()) + " windows of the program, no such one";
}

HWND Program::WaitForWindowOf(const wchar_t* title, int controlId, bool box, DWORD milliseconds,
                              bool report) const {
    Search s{processId_, title, controlId};
    WaitFor(
        [&] {
            EnumWindows(box ? FindBox : FindWindowOf, reinterpret_cast<LPARAM>(&s));
            return s.found != nullptr || !Running();  // a program that has ended shows nothing more
        },
        milliseconds);
    if (!s.found && report && milliseconds > 0)
        GaveUp(box     ? std::string("a message box")
               : title ? "a dialog titled \"" + Narrow(title) + "\""
                       : "a dialog holding control " + std::to_string(controlId),
               Seen());
    return s.found;
}

HWND Program::WaitForWindow(const std::wstring& title, DWORD milliseconds) const {
    return WaitForWindowOf(title.c_str(), 0, false, milliseconds);
}

HWND Program::WaitForDialogWith(int controlId, DWORD milliseconds) const {
    return WaitForWindowOf(nullptr, controlId, false, milliseconds);
}

HWND Program::WaitForMessageBox(DWORD milliseconds) const {
    return WaitForWindowOf(nullptr, 0, true, milliseconds);
}

HWND Program::MessageBoxMade() const {
    Search s{processId_};
    s.visibleOnly = false;
    EnumWindows(FindBox, reinterpret_cast<LPARAM>(&s));
    return s.found;
}

int Program::WindowCount() const {
    Search s{processId_};
    EnumWindows(CountWindows, reinterpret_cast<LPARAM>(&s));
    return s.count;
}

void Program::Send(int command) const {
    SendTo(main_, WM_COMMAND, static_cast<WPARAM>(command), 0);
}

void Program::Post(int command) const {
    PostMessageW(main_, WM_COMMAND, static_cast<WPARAM>(command), 0);
}

void Program::ChooseListItem(int listId, int index, bool post) const {
    HWND list = Control(listId);
    SendTo(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    const WPARAM w = MAKEWPARAM(listId, LBN_SELCHANGE);
    if (post)
        PostMessageW(main_, WM_COMMAND, w, reinterpret_cast<LPARAM>(list));
    else
        SendTo(main_, WM_COMMAND, w, reinterpret_cast<LPARAM>(list));
}

// Messages posted to one thread are handled in order, so a scroll of the side list posted
// after them has happened only once they have been handled. The list is put back after.
bool Program::WaitForPostedMessages() const {
    HWND list = Control(ids::kSideList);
    auto top = [&] { return static_cast<int>(SendTo(list, LB_GETTOPINDEX)); };
    const int before = top(), mark = before == 1 ? 2 : 1;
    PostMessageW(list, LB_SETTOPINDEX, static_cast<WPARAM>(mark), 0);
    const bool handled = WaitFor([&] { return top() == mark || !Running(); }) && Running();
    if (!handled)
        GaveUp("the side list's scroll to row " + std::to_string(mark) + " posted behind the rest",
               Running() ? "row " + std::to_string(top()) + " at the top" : Seen());
    SendTo(list, LB_SETTOPINDEX, static_cast<WPARAM>(before), 0);
    return handled;
}

bool Program::WaitForRest() const {
    if (!WaitForPostedMessages()) return false;
    Search s{processId_};
    const bool painted = WaitFor([&] {
                             s.found = nullptr;
                             EnumWindows(FindUnpaintedWindow, reinterpret_cast<LPARAM>(&s));
                             return !s.found || !Running();
                         }) &&
                         Running();
    if (!painted) {
        char window[64];
        std::snprintf(window, sizeof window, "window %p still waiting for a paint",
                      static_cast<void*>(s.found));
        GaveUp("every window of the program to be painted", Running() ? window : Seen());
    }
    return painted;
}

void Program::Pointer(UINT message, int x, int y) const {
    const WPARAM buttons = message == WM_LBUTTONUP ? 0 : MK_LBUTTON;
    SendTo(Control(ids::kCanvasControl), message, buttons, MAKELPARAM(x, y));
}

bool Program::WaitForExit(DWORD* exitCode, DWORD milliseconds) {
    if (!process_ || WaitForSingleObject(process_.Get(), milliseconds) != WAIT_OBJECT_0)
        return false;
    return GetExitCodeProcess(process_.Get(), exitCode) != 0;
}

DWORD Program::Quit() {
    Post(ids::kQuit);
    DWORD code = ~0u;
    return WaitForExit(&code) ? code : ~0u;
}

fs::path Program::PictureFile(int sides) const {
    return workFolder_ / ("poligono " + std::to_string(sides) + ".bmp");
}

std::wstring Text(HWND window) {
    wchar_t text[1024]{};
    SendTo(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text));
    return text;
}

namespace {

std::vector<std::wstring> Items(HWND control, UINT count, UINT length, UINT get) {
    std::vector<std::wstring> items;
    const LRESULT n = SendTo(control, count);
    for (LRESULT i = 0; i < n && i < 1000; ++i) {
        const LRESULT size = SendTo(control, length, static_cast<WPARAM>(i));
        std::wstring text(static_cast<std::size_t>(std::max<LRESULT>(size, 0)) + 1, L'\0');
        const LRESULT got =
            SendTo(control, get, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.data()));
        text.resize(static_cast<std::size_t>(std::clamp<LRESULT>(got, 0, size)));
        items.push_back(text);
    }
    return items;
}

}  // namespace

std::vector<std::wstring> ListItems(HWND list) {
    return Items(list, LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT);
}

std::vector<std::wstring> ComboItems(HWND combo) {
    return Items(combo, CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT);
}

int ListSelection(HWND list) {
    return static_cast<int>(SendTo(list, LB_GETCURSEL));
}

std::wstring MessageBoxText(HWND box) {
    return Text(GetDlgItem(box, kMessageBoxText));
}

std::optional<AnsweredBox> AnswerBox(const Program& p, int button, DWORD milliseconds) {
    HWND box = p.WaitForMessageBox(milliseconds);
    if (!box) return std::nullopt;
    AnsweredBox seen{Text(box), MessageBoxText(box)};
    PostMessageW(box, WM_COMMAND, static_cast<WPARAM>(button), 0);
    if (!WaitFor([&] { return !IsWindow(box); }))
        GaveUp(
            "the box \"" + Narrow(seen.text) + "\" to close after button " + std::to_string(button),
            "it still open");
    return seen;
}

// A box still to come has been made by the time the program handles what was posted after
// the command that shows it: only the box's own loop handles messages meanwhile.
std::vector<std::wstring> AnswerEveryBox(const Program& p, int button) {
    std::vector<std::wstring> texts;
    for (;;) {
        if (!p.WaitForMessageBox(0) && (!p.WaitForPostedMessages() || !p.MessageBoxMade()))
            return texts;
        const auto box = AnswerBox(p, button);
        if (!box) return texts;
        texts.push_back(box->text);
    }
}

void Click(HWND dialog, int button) {
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
}

void SetControlText(HWND control, const std::wstring& text) {
    SendTo(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

namespace {

Picture CaptureWindow(HWND window) {
    Picture shot;
    RECT r{};
    GetWindowRect(window, &r);
    shot.width = r.right - r.left;
    shot.height = r.bottom - r.top;
    const BITMAPINFO info = runtime::TopDownDibInfo(shot.width, shot.height);
    void* bits = nullptr;
    runtime::Bitmap dib(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    runtime::MemoryDc dc;
    HDC source = GetWindowDC(window);
    if (dib && dc && source && bits) {
        runtime::Selection use(dc.Get(), dib.Get());
        BitBlt(dc.Get(), 0, 0, shot.width, shot.height, source, 0, 0, SRCCOPY);
        GdiFlush();
        const auto* p = static_cast<const std::uint32_t*>(bits);
        shot.pixels.assign(p, p + static_cast<std::size_t>(shot.width) * shot.height);
        for (auto& px : shot.pixels) px &= 0x00FFFFFF;
    }
    if (source) ReleaseDC(window, source);
    return shot;
}

}  // namespace

// A child window's own DC shows nothing from another process under Wine, so controls are cut
// out of their top-level window's picture.
Picture Capture(HWND window) {
    HWND top = GetAncestor(window, GA_ROOT);
    if (!top || top == window) return CaptureWindow(window);
    const Picture whole = CaptureWindow(top);
    RECT outer{}, part{};
    GetWindowRect(top, &outer);
    GetClientRect(window, &part);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&part), 2);
    Picture shot;
    shot.width = part.right - part.left;
    shot.height = part.bottom - part.top;
    const int dx = part.left - outer.left, dy = part.top - outer.top;
    if (whole.pixels.empty() || dx < 0 || dy < 0 || dx + shot.width > whole.width ||
        dy + shot.height > whole.height)
        return {};
    for (int y = 0; y < shot.height; ++y)
        for (int x = 0; x < shot.width; ++x) shot.pixels.push_back(whole.At(dx + x, dy + y));
    return shot;
}

Picture CaptureWhen(HWND window, const std::function<bool(const Picture&)>& shows,
                    DWORD milliseconds) {
    Picture shot;
    const bool shown = WaitFor(
        [&] {
            shot = Capture(window);
            return !shot.pixels.empty() && shows(shot);
        },
        milliseconds);
    if (!shown && milliseconds > 0)
        GaveUp("a picture of the window showing what was asked",
               shot.pixels.empty() ? std::string("no picture") : "another picture");
    return shot;
}

std::uint32_t PixelWhen(HWND window, int x, int y, std::uint32_t colour) {
    const Picture shot = CaptureWhen(
        window, [&](const Picture& p) { return p.Contains(x, y) && p.At(x, y) == colour; });
    return shot.Contains(x, y) ? shot.At(x, y) : ~0u;
}

bool WritePictureBmp(const Picture& shot, const fs::path& file) {
    std::vector<std::uint32_t> copy = shot.pixels;
    const runtime::Raster r{copy.data(), shot.width, shot.height};
    const auto headers = runtime::BmpHeaders(shot.width, shot.height);
    const auto pixels = runtime::BmpPixelArray(r);
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(headers.data()),
              static_cast<std::streamsize>(headers.size()));
    out.write(reinterpret_cast<const char*>(pixels.data()),
              static_cast<std::streamsize>(pixels.size()));
    return static_cast<bool>(out);
}

std::vector<std::wstring> FileNames(const fs::path& folder) {
    std::vector<std::wstring> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().wstring());
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::uint8_t> ReadFile(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::string Narrow(const std::wstring& text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
    if (size > 0)
        WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), narrow.data(),
                            size, nullptr, nullptr);
    return narrow;
}

}  // namespace e2e
