// The scripted demo of `make run` without a display: chooses 5 sides, paints, saves the
// picture (answering the box), and leaves in OUTDIR the saved picture, a screenshot of the
// window and one of the screen with the box showing.
//   poligonos_demo --program=PATH --out=OUTDIR
#include <cstdio>
#include <cstring>
#include <set>
#include <string>

#include "failure.h"
#include "picture_checks.h"
#include "program_driver.h"

namespace fs = std::filesystem;
using namespace e2e;

namespace {

void Step(const char* what) { std::printf("demo: %s\n", what), std::fflush(stdout); }

int RunDemo(const fs::path& out) {
    fs::create_directories(out);
    ProgramRun run;
    Step("the editor is up; choosing \"05 lados\"");
    run.ChooseListText(ids::kSideList, L"05 lados");
    Step("\"Pinta\"");
    run.ClickButton(ids::kPaint);
    Step("\"Grabar Imagen\"");
    run.PostCommand(ids::kSavePicture);
    const MessageBoxSeen box = run.WaitForMessageBox();
    std::printf("demo: the program says \"%s\"\n", Narrow(box.text).c_str());
    // A box that has only just been mapped may not be drawn yet: wait until its place on
    // the screen shows a frame, a face and a text rather than one flat colour.
    Image screen;
    RECT boxRect{};
    GetWindowRect(box.window, &boxRect);
    PollUntil(
        kDefaultWait,
        [&] {
            screen = ScreenShotOfScreen();
            const Image part = screen.Crop(boxRect.left, boxRect.top, boxRect.right - boxRect.left,
                                           boxRect.bottom - boxRect.top);
            return std::set<std::uint32_t>(part.pixels.begin(), part.pixels.end()).size() >= 3;
        },
        [&] { run.CheckAlive(); });
    WriteBmp(out / "demo-mensaje.bmp", screen);
    run.Answer(box);

    const fs::path saved = run.WorkFolder() / "poligono 5.bmp";
    if (!fs::exists(saved)) Fail("the program did not write " + saved.string());
    fs::copy_file(saved, out / "poligono 5.bmp", fs::copy_options::overwrite_existing);

    // The screenshot once the canvas on screen shows what was saved.
    const Image picture = ReadBmp(saved).image;
    Image shot;
    const bool shown = PollUntil(
        kDefaultWait,
        [&] {
            POINT origin{};
            shot = run.Screenshot(&origin);
            const RECT canvas = run.ControlRect(ids::kCanvas);
            return CompareImages(picture, shot.Crop(origin.x + canvas.left, origin.y + canvas.top, 800, 800), "").empty();
        },
        [&] { run.CheckAlive(); });
    if (!shown) Fail("the window never showed the saved picture on screen");
    WriteBmp(out / "demo.bmp", shot);

    Step("\"Salir\"");
    run.PostCommand(ids::kQuit);
    const DWORD code = run.WaitForExit();
    std::printf("demo: the editor ended with exit code %lu\n", code);
    return code == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    Binaries binaries;
    fs::path out;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--program=", 10) == 0) binaries.program = PathFromArgument(argv[i] + 10);
        if (std::strncmp(argv[i], "--out=", 6) == 0) out = PathFromArgument(argv[i] + 6);
    }
    if (binaries.program.empty() || out.empty()) {
        std::fprintf(stderr, "usage: poligonos_demo --program=poligonos.exe --out=FOLDER\n");
        return 2;
    }
    SetBinaries(binaries);
    try {
        return RunDemo(out);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "demo failed: %s\n", e.what());
        return 1;
    }
}
