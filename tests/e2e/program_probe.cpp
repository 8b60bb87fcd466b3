#include "program_probe.h"

#include <psapi.h>
#include <tlhelp32.h>

#include <cwchar>

#include "automation/failure.h"

namespace e2e {

fs::path ProbePath;

namespace {

// Memory allocated in another process, freed there.
class RemoteMemory {
  public:
    RemoteMemory(HANDLE process, SIZE_T size)
        : process_(process),
          address_(
              VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)) {}
    ~RemoteMemory() {
        if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    }
    RemoteMemory(const RemoteMemory&) = delete;
    RemoteMemory& operator=(const RemoteMemory&) = delete;

    void* Get() const { return address_; }

  private:
    HANDLE process_;
    void* address_;
};

constexpr DWORD kThreadWaitMs = 15000;

std::string LastErrorText() {
    return "error " + std::to_string(GetLastError());
}

// Base address of a module in another process, 0 when it is not loaded there.
std::uintptr_t RemoteModuleBase(DWORD pid, const std::wstring& fileName) {
    const HANDLE list = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, pid);
    if (list == INVALID_HANDLE_VALUE)
        Fail("cannot list the modules of the program: " + LastErrorText());
    const KernelHandle snapshot(list);
    MODULEENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Module32FirstW(snapshot.Get(), &entry); more;
         more = Module32NextW(snapshot.Get(), &entry))
        if (_wcsicmp(entry.szModule, fileName.c_str()) == 0)
            return reinterpret_cast<std::uintptr_t>(entry.modBaseAddr);
    return 0;
}

// Runs `entry(parameter)` on a new thread of the program and returns the thread's result.
DWORD RunRemoteThread(HANDLE process, std::uintptr_t entry, void* parameter, const char* what) {
    const DriverStep step("a thread in the program for ", what);
    const KernelHandle thread(CreateRemoteThread(process, nullptr, 0,
                                                 reinterpret_cast<LPTHREAD_START_ROUTINE>(entry),
                                                 parameter, 0, nullptr));
    if (!thread)
        Fail(std::string("cannot start a thread in the program for ") + what + ": " +
             LastErrorText());
    if (WaitForSingleObject(thread.Get(), kThreadWaitMs) != WAIT_OBJECT_0)
        Fail(std::string("the program's thread for ") + what + " did not finish in time");
    DWORD result = 0;
    if (!GetExitCodeThread(thread.Get(), &result))
        Fail("cannot read the result of " + std::string(what));
    return result;
}

// Where the probe is loaded in the program, loading it first if it is not there yet.
std::uintptr_t LoadedProbe(const Program& p) {
    if (ProbePath.empty()) Fail("the driver was not told where the probe is");
    const std::wstring path = fs::absolute(ProbePath).wstring();
    const std::wstring name = fs::path(path).filename().wstring();
    if (const std::uintptr_t base = RemoteModuleBase(p.ProcessId(), name)) return base;

    const SIZE_T bytes = (path.size() + 1) * sizeof(wchar_t);
    RemoteMemory remotePath(p.Process(), bytes);
    if (!remotePath.Get() ||
        !WriteProcessMemory(p.Process(), remotePath.Get(), path.c_str(), bytes, nullptr))
        Fail("cannot hand the probe's path to the program: " + LastErrorText());
    // LoadLibraryW lies at the same offset in the program's kernel32 as in ours.
    HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    const auto loadLibrary =
        reinterpret_cast<std::uintptr_t>(GetProcAddress(kernel, "LoadLibraryW"));
    const std::uintptr_t remoteKernel = RemoteModuleBase(p.ProcessId(), L"kernel32.dll");
    if (!remoteKernel) Fail("kernel32.dll is not loaded in the program");
    const std::uintptr_t remoteLoad =
        remoteKernel + (loadLibrary - reinterpret_cast<std::uintptr_t>(kernel));
    if (RunRemoteThread(p.Process(), remoteLoad, remotePath.Get(), "loading the probe") == 0)
        Fail("the program could not load the probe " + fs::path(path).string());
    const std::uintptr_t base = RemoteModuleBase(p.ProcessId(), name);
    if (!base) Fail("the probe is not among the program's modules after loading it");
    return base;
}

DWORD CallProbe(const Program& p, const char* entry, void* parameter) {
    if (!p.Running()) Fail("the program has ended");
    const std::uintptr_t remote = LoadedProbe(p);
    // The entry lies at the same offset in the program's copy of the image as in ours.
    HMODULE local = LoadLibraryW(fs::absolute(ProbePath).c_str());
    if (!local) Fail("the driver cannot load the probe itself: " + LastErrorText());
    const auto address = reinterpret_cast<std::uintptr_t>(GetProcAddress(local, entry));
    const std::uintptr_t offset = address - reinterpret_cast<std::uintptr_t>(local);
    FreeLibrary(local);
    if (!address) Fail(std::string("the probe has no ") + entry);
    return RunRemoteThread(p.Process(), remote + offset, parameter, entry);
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

bool MenuAlive(const Program& p, HMENU menu) {
    return CallProbe(p, "IsMenuAlive", menu) == 1;
}

int FontHeight(const Program& p, HWND window) {
    return static_cast<int>(CallProbe(p, "FontHeightOf", window));
}

TextRoom TextRoomIn(const Program& p, HWND window) {
    const DWORD room = CallProbe(p, "TextRoomOf", window);
    return {static_cast<int>(room & 0xFFFF), static_cast<int>(room >> 16)};
}

MachineView SeenByProgram(const Program& p) {
    const DWORD seen = CallProbe(p, "ScreenAndCodePage", nullptr);
    return {static_cast<int>(seen & 0xFFFF), seen >> 16};
}

ResourceCounts Counts(const Program& p) {
    ResourceCounts counts;
    counts.gdiObjects = CallProbe(p, "CountGdiObjects", nullptr);
    counts.reportedGdiObjects = GetGuiResources(p.Process(), GR_GDIOBJECTS);
    counts.reportedUserObjects = GetGuiResources(p.Process(), GR_USEROBJECTS);
    counts.windows = p.WindowCount();
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    if (!GetProcessMemoryInfo(p.Process(), &memory, sizeof memory))
        Fail("cannot read the program's memory use: " + LastErrorText());
    counts.workingSet = memory.WorkingSetSize;
    counts.committedPrivate = CommittedPrivateBytes(p.Process());
    return counts;
}

}  // namespace e2e
