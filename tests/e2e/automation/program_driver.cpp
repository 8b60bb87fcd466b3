#include "program_driver.h"

#include <psapi.h>
#include <tlhelp32.h>

#include <atomic>
#include <fstream>

#include "failure.h"

namespace fs = std::filesystem;

namespace e2e {

namespace {

Binaries binaries;
std::atomic<int> runNumber{0};

constexpr UINT kSendTimeoutMs = 10000;

std::wstring ClassName(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

DWORD OwnerProcess(HWND window) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    return pid;
}

std::vector<HWND> TopLevelWindowsOf(DWORD pid) {
    struct Search {
        DWORD pid;
        std::vector<HWND> found;
    } search{pid, {}};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            if (OwnerProcess(window) == s->pid) s->found.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

int CountChildren(HWND window) {
    int count = 0;
    EnumChildWindows(
        window,
        [](HWND, LPARAM data) -> BOOL {
            ++*reinterpret_cast<int*>(data);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    return count;
}

// Base address of a module in another process, 0 when it is not loaded there.
std::uintptr_t RemoteModuleBase(DWORD pid, const std::wstring& fileName) {
    UniqueHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, pid));
    if (!snapshot) Fail("cannot list the modules of the program: " + LastErrorText());
    MODULEENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Module32FirstW(snapshot.Get(), &entry); more; more = Module32NextW(snapshot.Get(), &entry))
        if (_wcsicmp(entry.szModule, fileName.c_str()) == 0) return reinterpret_cast<std::uintptr_t>(entry.modBaseAddr);
    return 0;
}

// Runs `entry(parameter)` on a new thread of the program and returns the thread's result.
DWORD RunRemoteThread(HANDLE process, std::uintptr_t entry, void* parameter, const char* what) {
    UniqueHandle thread(CreateRemoteThread(process, nullptr, 0, reinterpret_cast<LPTHREAD_START_ROUTINE>(entry),
                                           parameter, 0, nullptr));
    if (!thread) Fail(std::string("cannot start a thread in the program for ") + what + ": " + LastErrorText());
    if (WaitForSingleObject(thread.Get(), static_cast<DWORD>(kDefaultWait.count())) != WAIT_OBJECT_0)
        Fail(std::string("the program's thread for ") + what + " did not finish in time");
    DWORD result = 0;
    if (!GetExitCodeThread(thread.Get(), &result)) Fail("cannot read the result of " + std::string(what));
    return result;
}

// Private memory committed in another process, summed over its address space.
std::uint64_t CommittedPrivateBytes(HANDLE process) {
    std::uint64_t total = 0;
    MEMORY_BASIC_INFORMATION region{};
    for (auto* address = static_cast<unsigned char*>(nullptr);
         VirtualQueryEx(process, address, &region, sizeof region) == sizeof region;
         address = static_cast<unsigned char*>(region.BaseAddress) + region.RegionSize) {
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) total += region.RegionSize;
        if (region.RegionSize == 0) break;
    }
    return total;
}

}  // namespace

std::string LastErrorText() { return "error " + std::to_string(GetLastError()); }

void SetBinaries(Binaries b) { binaries = std::move(b); }
const Binaries& GetBinaries() { return binaries; }

std::string Narrow(const std::wstring& text) {
    if (text.empty()) return {};
    const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
    return out;
}

fs::path PathFromArgument(const std::string& path) {
    if (path.empty() || path[0] != '/') return path;
    std::string converted = "Z:" + path;
    for (char& c : converted)
        if (c == '/') c = '\\';
    return converted;
}

ProgramRun::ProgramRun(std::optional<std::string> settings) : ProgramRun(binaries.program, std::move(settings)) {}

ProgramRun::ProgramRun(const fs::path& program, std::optional<std::string> settings) {
    if (program.empty()) Fail("the driver was not told where poligonos.exe is");
    wchar_t temp[MAX_PATH + 1];
    if (!GetTempPathW(MAX_PATH + 1, temp)) Fail("no temporary folder: " + LastErrorText());
    root_ = fs::path(temp) / ("poligonos-e2e-" + std::to_string(GetCurrentProcessId()) + "-" +
                              std::to_string(++runNumber));
    programFolder_ = root_ / "programa";
    workFolder_ = root_ / "trabajo";
    fs::remove_all(root_);
    fs::create_directories(programFolder_);
    fs::create_directories(workFolder_);
    const fs::path exe = programFolder_ / "poligonos.exe";
    fs::copy_file(program, exe);
    if (settings) {
        std::ofstream out(programFolder_ / "Configuracion.ini", std::ios::binary);
        out << *settings;
        if (!out) Fail("cannot write the settings file for the test");
    }

    std::wstring commandLine = L"\"" + exe.wstring() + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        workFolder_.c_str(), &startup, &info))
        Fail("cannot start " + exe.string() + ": " + LastErrorText());
    process_ = UniqueHandle(info.hProcess);
    thread_ = UniqueHandle(info.hThread);
    processId_ = info.dwProcessId;
    FindMainWindow(kDefaultWait);
}

ProgramRun::~ProgramRun() {
    if (process_ && !HasExited()) {
        TerminateProcess(process_.Get(), 99);
        WaitForSingleObject(process_.Get(), 5000);
    }
    process_.Reset();
    thread_.Reset();
    std::error_code ignored;
    // Wine may hold the executable a moment after the process has gone.
    for (int attempt = 0; attempt < 40 && fs::exists(root_, ignored); ++attempt) {
        fs::remove_all(root_, ignored);
        if (fs::exists(root_, ignored)) Sleep(50);
    }
}

bool ProgramRun::HasExited() const {
    return WaitForSingleObject(process_.Get(), 0) == WAIT_OBJECT_0;
}

void ProgramRun::CheckAlive() const {
    if (!HasExited()) return;
    DWORD code = 0;
    GetExitCodeProcess(process_.Get(), &code);
    char text[96];
    snprintf(text, sizeof text, "the program ended unexpectedly, exit code %lu (0x%08lX)", code, code);
    Fail(text);
}

void ProgramRun::FindMainWindow(std::chrono::milliseconds wait) {
    const bool found = PollUntil(
        wait,
        [&] {
            for (HWND w : TopLevelWindowsOf(processId_))
                if (ClassName(w) == L"#32770" && IsWindowVisible(w) && GetDlgItem(w, ids::kCanvas)) {
                    mainWindow_ = w;
                    return true;
                }
            return false;
        },
        [&] { CheckAlive(); });
    if (!found) Fail("the main window (a #32770 with canvas control 1001) did not appear in time");
}

HWND ProgramRun::Control(int id) const {
    HWND control = GetDlgItem(mainWindow_, id);
    if (!control) Fail("the main window has no control " + std::to_string(id));
    return control;
}

LRESULT ProgramRun::Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) const {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, kSendTimeoutMs, &result)) {
        CheckAlive();
        Fail("the program did not answer message " + std::to_string(message) + " in time (" + LastErrorText() + ")");
    }
    return static_cast<LRESULT>(result);
}

void ProgramRun::Post(HWND window, UINT message, WPARAM wParam, LPARAM lParam) const {
    CheckAlive();
    if (!PostMessageW(window, message, wParam, lParam))
        Fail("cannot post message " + std::to_string(message) + ": " + LastErrorText());
}

std::vector<std::wstring> ProgramRun::ListItems(int listId) const {
    HWND list = Control(listId);
    const LRESULT count = Send(list, LB_GETCOUNT, 0, 0);
    if (count < 0) Fail("list " + std::to_string(listId) + " gave no item count");
    std::vector<std::wstring> items;
    for (LRESULT i = 0; i < count; ++i) {
        const LRESULT length = Send(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
        if (length < 0 || length > 1000) Fail("list " + std::to_string(listId) + " item " + std::to_string(i) + " has no text");
        std::wstring text(static_cast<size_t>(length) + 1, L'\0');
        const LRESULT got = Send(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.data()));
        text.resize(got < 0 ? 0 : static_cast<size_t>(got));
        items.push_back(text);
    }
    return items;
}

void ProgramRun::ChooseListItem(int listId, int index) {
    HWND list = Control(listId);
    if (Send(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0) == LB_ERR)
        Fail("list " + std::to_string(listId) + " has no item " + std::to_string(index));
    Post(mainWindow_, WM_COMMAND, MAKEWPARAM(listId, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
    WaitUntilIdle();
}

void ProgramRun::ChooseListText(int listId, const std::wstring& text) {
    const auto items = ListItems(listId);
    for (size_t i = 0; i < items.size(); ++i)
        if (items[i] == text) return ChooseListItem(listId, static_cast<int>(i));
    Fail("list " + std::to_string(listId) + " has no item \"" + Narrow(text) + "\"");
}

void ProgramRun::SendCommand(int id) { Send(mainWindow_, WM_COMMAND, MAKEWPARAM(id, 0), 0); }

void ProgramRun::PostCommand(int id) { Post(mainWindow_, WM_COMMAND, MAKEWPARAM(id, 0), 0); }

void ProgramRun::ClickButton(int id) {
    Post(Control(id), BM_CLICK, 0, 0);
    WaitUntilIdle();
}

void ProgramRun::WaitUntilIdle() const {
    // A sent message is handled before the posted ones waiting in the queue, so the first
    // send returns at once; the second is handled only when the program looks for messages
    // again, which is after it has dispatched what was posted before.
    Send(mainWindow_, WM_NULL, 0, 0);
    Send(mainWindow_, WM_NULL, 0, 0);
}

std::wstring ProgramRun::WindowTitle(HWND window) const {
    wchar_t text[2048] = {};
    const LRESULT n = Send(window, WM_GETTEXT, 2048, reinterpret_cast<LPARAM>(text));
    return std::wstring(text, static_cast<size_t>(n < 0 ? 0 : n));
}

std::vector<HWND> ProgramRun::MessageBoxes() const {
    std::vector<HWND> boxes;
    for (HWND w : TopLevelWindowsOf(processId_))
        if (w != mainWindow_ && ClassName(w) == L"#32770" && IsWindowVisible(w) && GetDlgItem(w, 0xFFFF))
            boxes.push_back(w);
    return boxes;
}

MessageBoxSeen ProgramRun::WaitForMessageBox(std::chrono::milliseconds wait) const {
    MessageBoxSeen box;
    const bool found = PollUntil(
        wait,
        [&] {
            const auto boxes = MessageBoxes();
            if (boxes.empty()) return false;
            box.window = boxes.front();
            return true;
        },
        [&] { CheckAlive(); });
    if (!found) Fail("no message box appeared in time");
    box.title = WindowTitle(box.window);
    box.text = WindowTitle(GetDlgItem(box.window, 0xFFFF));
    return box;
}

void ProgramRun::Answer(const MessageBoxSeen& box, int buttonId) {
    Post(box.window, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED), 0);
    WaitForBoxClosed(box);
}

void ProgramRun::WaitForBoxClosed(const MessageBoxSeen& box) const {
    if (!PollUntil(kDefaultWait, [&] { return !IsWindow(box.window); }, [&] { CheckAlive(); }))
        Fail("the message box \"" + Narrow(box.text) + "\" did not close");
}

DWORD ProgramRun::WaitForExit(std::chrono::milliseconds wait) {
    if (WaitForSingleObject(process_.Get(), static_cast<DWORD>(wait.count())) != WAIT_OBJECT_0)
        Fail("the program was still running " + std::to_string(wait.count()) + " ms after it was told to end");
    DWORD code = 0;
    if (!GetExitCodeProcess(process_.Get(), &code)) Fail("cannot read the exit code: " + LastErrorText());
    exited_ = true;
    exitCode_ = code;
    return code;
}

void ProgramRun::LoadProbe() {
    if (binaries.probe.empty()) Fail("the driver was not told where the menu probe is");
    const std::wstring path = fs::absolute(binaries.probe).wstring();
    const SIZE_T bytes = (path.size() + 1) * sizeof(wchar_t);
    RemoteMemory remotePath(process_.Get(), bytes);
    if (!remotePath.Get() || !WriteProcessMemory(process_.Get(), remotePath.Get(), path.c_str(), bytes, nullptr))
        Fail("cannot hand the probe's path to the program: " + LastErrorText());

    HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    const auto loadLibrary = reinterpret_cast<std::uintptr_t>(GetProcAddress(kernel, "LoadLibraryW"));
    std::uintptr_t remoteKernel = RemoteModuleBase(processId_, L"kernel32.dll");
    if (!remoteKernel) Fail("kernel32.dll is not loaded in the program");
    const std::uintptr_t remoteLoad = remoteKernel + (loadLibrary - reinterpret_cast<std::uintptr_t>(kernel));
    if (RunRemoteThread(process_.Get(), remoteLoad, remotePath.Get(), "loading the menu probe") == 0)
        Fail("the program could not load the menu probe " + fs::path(path).string());

    remoteProbe_ = RemoteModuleBase(processId_, fs::path(path).filename().wstring());
    if (!remoteProbe_) Fail("the menu probe is not among the program's modules after loading it");
}

DWORD ProgramRun::CallProbe(const char* entry, void* parameter) {
    CheckAlive();
    if (!remoteProbe_) LoadProbe();
    // The entry lies at the same offset in the program's copy of the image as in ours.
    const std::wstring path = fs::absolute(binaries.probe).wstring();
    HMODULE local = LoadLibraryW(path.c_str());
    if (!local) Fail("the driver cannot load the menu probe itself: " + LastErrorText());
    const auto address = reinterpret_cast<std::uintptr_t>(GetProcAddress(local, entry));
    const std::uintptr_t offset = address - reinterpret_cast<std::uintptr_t>(local);
    FreeLibrary(local);
    if (!address) Fail(std::string("the menu probe has no ") + entry);
    return RunRemoteThread(process_.Get(), remoteProbe_ + offset, parameter, entry);
}

MenuBar ProgramRun::ReadMenu() {
    constexpr DWORD kBytes = 256 * 1024;
    const std::wstring name = L"Local\\PoligonosMenuProbe-" + std::to_wstring(processId_);
    UniqueHandle mapping(CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, kBytes, name.c_str()));
    if (!mapping) Fail("cannot make the shared memory for the menu probe: " + LastErrorText());
    MappedView view(MapViewOfFile(mapping.Get(), FILE_MAP_READ, 0, 0, kBytes));
    if (!view) Fail("cannot map the probe's shared memory: " + LastErrorText());
    const DWORD result = CallProbe("DescribeMenuBar", mainWindow_);
    if (result != 0) Fail("the menu probe failed at step " + std::to_string(result));
    const auto* text = static_cast<const wchar_t*>(view.Get());
    return ParseMenuDescription(std::wstring(text, wcsnlen(text, kBytes / sizeof(wchar_t))));
}

bool ProgramRun::MenuAlive(HMENU menu) { return CallProbe("IsMenuAlive", menu) == 1; }

ResourceCounts ProgramRun::Counts() {
    CheckAlive();
    ResourceCounts counts;
    counts.gdiObjects = CallProbe("CountGdiObjects", nullptr);
    counts.reportedGdiObjects = GetGuiResources(process_.Get(), GR_GDIOBJECTS);
    counts.reportedUserObjects = GetGuiResources(process_.Get(), GR_USEROBJECTS);
    for (HWND w : TopLevelWindowsOf(processId_)) counts.windows += 1 + CountChildren(w);
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof memory;
    if (!GetProcessMemoryInfo(process_.Get(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory))
        Fail("cannot read the program's memory use: " + LastErrorText());
    counts.reportedPrivateBytes = memory.PrivateUsage;
    counts.workingSet = memory.WorkingSetSize;
    counts.committedPrivate = CommittedPrivateBytes(process_.Get());
    return counts;
}

}  // namespace e2e
