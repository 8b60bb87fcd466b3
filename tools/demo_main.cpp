// The short demo `make run` plays where there is no display: five sides, "Pinta", "Grabar
// Imagen", then the favourite colours with one colour changed and picked; the screenshots and
// the saved picture are left in the folder given.
#include <cstdio>
#include <string>

#include "automation/favorites_driver.h"
#include "ids/program_ids.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: poligonos_demo path/to/poligonos.exe output-folder\n");
        return 2;
    }
    e2e::ProgramPath = e2e::FromArgument(argv[1]);
    const e2e::fs::path out = e2e::FromArgument(argv[2]);
    e2e::Program p;
    if (!p.Started()) {
        std::fprintf(stderr, "demo: the program did not start\n");
        return 1;
    }
    p.ChooseListItem(509, 2);  // 05 lados
    p.Send(500);               // Pinta
    p.Post(1010);              // Grabar Imagen
    const auto box = e2e::AnswerBox(p);
    if (!box) {
        std::fprintf(stderr, "demo: no message after saving\n");
        return 1;
    }
    const std::wstring said = box->text;
    p.WaitForRest();
    e2e::WritePictureBmp(e2e::Capture(p.Main()), out / "poligonos.bmp");
    std::error_code ignored;
    e2e::fs::copy_file(p.WorkFolder() / "poligono 5.bmp", out / "poligono 5.bmp",
                       e2e::fs::copy_options::overwrite_existing, ignored);
    if (HWND favorites = e2e::OpenFavorites(p)) {
        e2e::WritePaletteFile(p, e2e::FileOf(e2e::ColouredPalette()));
        e2e::Click(favorites, ids::kLeaveButton);
        e2e::WaitFor([&] { return !IsWindow(favorites); });
        favorites = e2e::OpenFavorites(p);  // now with the coloured palette
        if (favorites && e2e::ChangeCellToGrey(p, favorites, 4, 6)) {
            e2e::OnPalette(favorites, WM_RBUTTONDOWN, e2e::BoxMiddle(2, 9));
            e2e::OnPalette(favorites, WM_MOUSEMOVE, e2e::BoxMiddle(4, 6));
            p.WaitForRest();
            e2e::WritePictureBmp(e2e::Capture(favorites), out / "favoritos.bmp");
            e2e::Click(favorites, ids::kLeaveButton);
            e2e::AnswerEveryBox(p, IDNO);
        }
    }
    p.Send(1012);  // Salir
    DWORD code = 1;
    p.WaitForExit(&code);
    std::printf("demo: the program said \"%ls\" and ended with %lu\n", said.c_str(), code);
    return ignored ? 1 : 0;
}
