#pragma once
// Drives one copy of poligonos.exe from outside, the way a UI-automation tool does: finds its
// windows by process, reads and picks list items, gives commands, clicks, answers message
// boxes, takes screenshots, reads the menu through the probe and counts what it holds.

#include <windows.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "image.h"
#include "menu_description.h"
#include "win_handles.h"

namespace e2e {

// Where the program under test and the menu probe are; set once from the command line.
struct Binaries {
    std::filesystem::path program;
    std::filesystem::path probe;
    std::filesystem::path crashFixture;  // a program that crashes at once
};
void SetBinaries(Binaries binaries);
const Binaries& GetBinaries();

// Every wait of the driver ends by this much at the latest.
constexpr std::chrono::milliseconds kDefaultWait{15000};

// Control and command ids of the main window.
namespace ids {
constexpr int kPaint = 500, kMesh = 501, kSideList = 509, kWidthList = 510, kCanvas = 1001;
constexpr int kSavePicture = 1010, kAuthor = 1011, kQuit = 1012, kBorderColor = 1013,
              kFillColor = 1014, kPaperColor = 1015, kFavoriteColors = 1016, kVertexProperties = 1017;
}  // namespace ids

struct MessageBoxSeen {
    HWND window = nullptr;
    std::wstring title;
    std::wstring text;
};

// What the program holds. GetGuiResources and the private-usage counter are stubs that
// give 0 under Wine, so the GDI count comes from inside (the probe) and the memory from the
// committed private regions of the address space; the platform's figures are kept beside.
struct ResourceCounts {
    DWORD gdiObjects = 0;  // live GDI objects, stock objects not counted
    int windows = 0;       // top-level and child windows of the process
    std::uint64_t committedPrivate = 0;
    std::uint64_t workingSet = 0;
    DWORD reportedGdiObjects = 0, reportedUserObjects = 0;
    std::uint64_t reportedPrivateBytes = 0;
};

// One program copy in a fresh folder, started with a working directory of its own. Destroying
// a run that is still going kills the program; the folders are removed.
class ProgramRun {
public:
    // `settings` is written as "Configuracion.ini" beside the program before it starts.
    explicit ProgramRun(std::optional<std::string> settings = std::nullopt);
    // Another program in the place of poligonos.exe (for the driver's own tests).
    ProgramRun(const std::filesystem::path& program, std::optional<std::string> settings);
    ~ProgramRun();
    ProgramRun(const ProgramRun&) = delete;
    ProgramRun& operator=(const ProgramRun&) = delete;

    const std::filesystem::path& ProgramFolder() const { return programFolder_; }
    const std::filesystem::path& WorkFolder() const { return workFolder_; }
    DWORD ProcessId() const { return processId_; }
    HWND MainWindow() const { return mainWindow_; }
    HWND Control(int id) const;

    // Fails at once, with the exit code, if the program has ended.
    void CheckAlive() const;

    std::vector<std::wstring> ListItems(int listId) const;
    // Selects item `index` (0-based) and tells the window as the list itself would.
    void ChooseListItem(int listId, int index);
    // Chooses the item with this text; fails if the list has none.
    void ChooseListText(int listId, const std::wstring& text);

    // A command that finishes before the call returns (it opens no box).
    void SendCommand(int id);
    // A command that may open a modal box, so it must not wait for its handler.
    void PostCommand(int id);
    void ClickButton(int id);  // BM_CLICK, posted

    std::wstring WindowTitle(HWND window) const;

    // The first message box of the process that is not `except`, waited for with a deadline.
    MessageBoxSeen WaitForMessageBox(std::chrono::milliseconds wait = kDefaultWait) const;
    std::vector<HWND> MessageBoxes() const;
    void Answer(const MessageBoxSeen& box, int buttonId = IDOK);
    // Waits until the box is gone.
    void WaitForBoxClosed(const MessageBoxSeen& box) const;

    // Returns once the program's thread has handled what was sent or posted before.
    void WaitUntilIdle() const;

    // The exit code; fails if the program is still running at the deadline.
    DWORD WaitForExit(std::chrono::milliseconds wait = kDefaultWait);
    bool HasExited() const;

    MenuBar ReadMenu();
    // Whether a menu handle (as GetMenu gives it from outside) is still a menu in the program.
    bool MenuAlive(HMENU menu);

    ResourceCounts Counts();

private:
    void FindMainWindow(std::chrono::milliseconds wait);
    LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) const;
    void Post(HWND window, UINT message, WPARAM wParam, LPARAM lParam) const;
    void LoadProbe();
    DWORD CallProbe(const char* entry, void* parameter);

    std::filesystem::path root_, programFolder_, workFolder_;
    UniqueHandle process_, thread_;
    DWORD processId_ = 0;
    bool exited_ = false;
    DWORD exitCode_ = 0;
    HWND mainWindow_ = nullptr;
    std::uintptr_t remoteProbe_ = 0;  // where the probe is loaded in the program
};

// Polls `ready` every 50 ms until it holds or the wait is over; `alive` fails early.
template <typename Ready, typename Alive>
bool PollUntil(std::chrono::milliseconds wait, Ready ready, Alive alive) {
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        alive();
        if (ready()) return true;
        if (std::chrono::steady_clock::now() >= deadline) return false;
        Sleep(50);
    }
}

// A path from the command line; a Linux path is reached through Wine's drive Z:.
std::filesystem::path PathFromArgument(const std::string& path);

std::string Narrow(const std::wstring& text);  // UTF-8, for messages

}  // namespace e2e
