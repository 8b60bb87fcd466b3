#pragma once
// Drives a copy of the real poligonos.exe from outside, as a UI-automation tool would: starts
// it in a fresh folder with a working folder of its own, finds its windows by process, gives
// commands, moves the pointer over the canvas, reads titles, controls, message boxes and the
// files it writes. Every wait has a deadline, and ends early when the program has ended.

#include <windows.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "automation/picture.h"
#include "runtime/canvas/gdi_objects_win.h"

namespace e2e {

namespace fs = std::filesystem;

// Where the program under test was built; set from the command line by main().
extern fs::path ProgramPath;
// A path given on the command line: Linux paths, as CMake gives them, through Wine's drive Z:.
fs::path FromArgument(std::string path);

// How long a wait for the program goes on before it gives up. Generous: a wait ends as soon
// as what it waits for is there, so only a failing check ever waits this long.
constexpr DWORD kPatience = 30000;

bool WaitFor(const std::function<bool()>& condition, DWORD milliseconds = kPatience);
// A wait of the driver that ended without what it waited for, said on stderr.
void GaveUp(const std::string& waitedFor, const std::string& saw);

// The platform call the driver is in, for a watchdog to name when a call does not come back:
// a call without a deadline of its own (starting a process, say) would otherwise end the run
// at the test runner's time limit with nothing said.
class DriverStep {
  public:
    explicit DriverStep(const char* what, std::string detail = {});
    ~DriverStep();
    DriverStep(const DriverStep&) = delete;
    DriverStep& operator=(const DriverStep&) = delete;

  private:
    friend void WatchDriverSteps();
    const char* what_;
    std::string detail_;
    ULONGLONG since_;
};
// Starts a thread that says on stderr, once a minute, which step has lasted a minute or more.
void WatchDriverSteps();
// A message sent to a window of the program, and its result; 0 when it was not handled
// within kPatience (the program hangs or has ended).
LRESULT SendTo(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

struct CloseKernelHandle {
    void operator()(HANDLE h) const { CloseHandle(h); }
};
// A process, thread, file, mapping or snapshot handle, closed once.
using KernelHandle = runtime::OwnedHandle<HANDLE, CloseKernelHandle>;

// The names of the files in `folder`, sorted.
std::vector<std::wstring> FileNames(const fs::path& folder);

// A folder no other test has, for a test's files; Launch::root takes one.
fs::path NewTestFolder();

// How a fresh copy of the program is laid out and started.
struct Launch {
    fs::path root;         // the test's folder, removed with the program; a new one when empty
    std::string settings;  // when not empty, written as "Configuracion.ini" beside the copy first
    fs::path folder = L"programa";  // the copy's folder inside the test's own; may be nested
};

class Program {
  public:
    explicit Program(const Launch& launch);
    explicit Program(const std::string& settings = "");
    // Starts `program` where it stands, in `workFolder`; nothing is copied or removed.
    Program(const fs::path& program, const fs::path& workFolder);
    ~Program();  // ends the program if it is still running and removes its folders
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    bool Started() const { return main_ != nullptr; }
    // Why the program did not start (empty when it did): the process creation's error, or how
    // the program ended or what it showed instead of its main window, and where it was started.
    const std::string& StartFailure() const { return startFailure_; }
    HWND Main() const { return main_; }
    HWND Control(int id) const { return GetDlgItem(main_, id); }
    const fs::path& ProgramFolder() const { return programFolder_; }
    const fs::path& WorkFolder() const { return workFolder_; }
    // The folder made for this test, which holds the program's and the working folder.
    const fs::path& TestFolder() const { return root_; }
    HANDLE Process() const { return process_.Get(); }
    DWORD ProcessId() const { return processId_; }
    bool Running() const;

    // A window of the program with this title (and class #32770), or null after the wait.
    HWND WaitForWindow(const std::wstring& title, DWORD milliseconds = kPatience) const;
    // A dialog of the program holding a control with this id, or null after the wait.
    HWND WaitForDialogWith(int controlId, DWORD milliseconds = kPatience) const;
    // The message box of the program that is open now, or null after the wait.
    HWND WaitForMessageBox(DWORD milliseconds = kPatience) const;
    // A message box the program has made, shown yet or not; null if there is none.
    HWND MessageBoxMade() const;
    int WindowCount() const;

    // Commands that open nothing modal are sent, so they have run when this returns; the
    // others are posted.
    void Send(int command) const;
    void Post(int command) const;
    void ChooseListItem(int listId, int index, bool post = false) const;  // 0-based
    // Returns once the program has handled what was posted to it before, modal loops and all.
    bool WaitForPostedMessages() const;
    // Returns once, in addition, no window of the program waits for a paint. Under Wine the
    // painted pixels reach the screen a moment later still: checks of pixels wait for them.
    bool WaitForRest() const;
    void Pointer(UINT message, int x, int y) const;  // on the canvas, sent

    bool WaitForExit(DWORD* exitCode, DWORD milliseconds = kPatience);
    // "Salir", and the exit code it ends with; ~0 when the program does not end.
    DWORD Quit();
    // Where "Grabar Imagen" writes the picture of `sides` sides.
    fs::path PictureFile(int sides) const;

  private:
    void Start(const fs::path& program);

    HWND WaitForWindowOf(const wchar_t* title, int controlId, bool box, DWORD milliseconds,
                         bool report = true) const;
    std::string Seen() const;  // what a wait that gave up saw of the program

    fs::path root_, programFolder_, workFolder_;
    KernelHandle process_;
    DWORD processId_ = 0;
    HWND main_ = nullptr;
    std::string startFailure_;
};

std::wstring Text(HWND window);
std::vector<std::wstring> ListItems(HWND list);
std::vector<std::wstring> ComboItems(HWND combo);
int ListSelection(HWND list);
std::wstring MessageBoxText(HWND box);
// The next box of the program answered with `button`, and gone: its title and text. None when
// no box came within the wait.
struct AnsweredBox {
    std::wstring title, text;
};
std::optional<AnsweredBox> AnswerBox(const Program& p, int button = IDOK,
                                     DWORD milliseconds = kPatience);
// Every box the program shows answered with `button`, until it has handled what was posted
// to it before with no box open: their texts.
std::vector<std::wstring> AnswerEveryBox(const Program& p, int button = IDOK);
// A push button of a dialog clicked (posted, since it may open a box).
void Click(HWND dialog, int button);
void SetControlText(HWND control, const std::wstring& text);

// The pixels of a top-level window, frame included, or of a control's client area, as they
// are on screen: 0x00RRGGBB, top-down.
Picture Capture(HWND window);
// Pictures of the window taken until one `shows` what is asked, within the wait: that one,
// or the last taken.
Picture CaptureWhen(HWND window, const std::function<bool(const Picture&)>& shows,
                    DWORD milliseconds = kPatience);
// The colour at (x, y) of the window once it shows `colour` there, or the last one seen.
std::uint32_t PixelWhen(HWND window, int x, int y, std::uint32_t colour);
bool WritePictureBmp(const Picture& shot, const fs::path& file);  // as a 24-bit BMP

std::vector<std::uint8_t> ReadFile(const fs::path& file);
std::string Narrow(const std::wstring& text);  // UTF-8, for messages

}  // namespace e2e
