// A read-only probe loaded into the running program by the end-to-end driver: menus are
// private to their process under Wine, so the driver asks from inside. DescribeMenuBar reads
// the bar of the window it is given and writes its description (see menu_description.h) into
// the shared memory the driver made for this process. It changes nothing in the program.
#include <windows.h>
#include <winternl.h>

#include <cstdio>
#include <cwchar>

#include "runtime/canvas/gdi_objects_win.h"

namespace {

struct Output {
    wchar_t* text;
    size_t capacity;
    size_t used;
    bool Append(const wchar_t* s) {
        const size_t n = wcslen(s);
        if (used + n + 1 > capacity) return false;
        wmemcpy(text + used, s, n);
        used += n;
        text[used] = 0;
        return true;
    }
};

// The pixel at (7, 7) of a menu picture as 0xRRGGBB, read without touching the bitmap.
bool CentrePixel(HBITMAP bitmap, int width, int height, unsigned* pixel) {
    if (width < 8 || height < 8 || width > 256 || height > 256) return false;
    static unsigned bits[256 * 256];
    BITMAPINFO info = runtime::TopDownDibInfo(width, height);
    HDC screen = GetDC(nullptr);
    if (!screen) return false;
    const int rows = GetDIBits(screen, bitmap, 0, static_cast<UINT>(height), bits, &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    if (rows != height) return false;
    *pixel = bits[7 * width + 7] & 0xFFFFFF;
    return true;
}

bool DescribeItems(HMENU menu, int depth, Output& out) {
    const int count = GetMenuItemCount(menu);
    if (count < 0) return false;
    for (int position = 0; position < count; ++position) {
        wchar_t text[256] = {};
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING | MIIM_CHECKMARKS;
        info.dwTypeData = text;
        info.cch = 255;
        if (!GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info)) return false;
        const wchar_t kind = (info.fType & MFT_SEPARATOR) ? L'S' : info.hSubMenu ? L'P' : L'I';
        wchar_t size[32] = L"-", centre[32] = L"-";
        if (info.hbmpUnchecked) {
            BITMAP b{};
            if (GetObjectW(info.hbmpUnchecked, sizeof b, &b)) {
                swprintf(size, 32, L"%dx%d", static_cast<int>(b.bmWidth), static_cast<int>(b.bmHeight));
                unsigned pixel = 0;
                if (CentrePixel(info.hbmpUnchecked, b.bmWidth, b.bmHeight, &pixel))
                    swprintf(centre, 32, L"%06X", pixel);
            }
        }
        wchar_t line[512];
        swprintf(line, 512, L"%d\t%d\t%lc\t%u\t%X\t%ls\t%ls\t%ls\n", depth, position, kind,
                 static_cast<unsigned>(info.wID), static_cast<unsigned>(info.fState), size, centre, text);
        if (!out.Append(line)) return false;
        if (info.hSubMenu && depth == 0 && !DescribeItems(info.hSubMenu, 1, out)) return false;
    }
    return true;
}

}  // namespace

// Thread entry: the parameter is the window whose bar is read. Returns 0 on success, else a
// small number saying which step failed.
extern "C" __declspec(dllexport) DWORD WINAPI DescribeMenuBar(void* window) {
    wchar_t name[64];
    swprintf(name, 64, L"Local\\PoligonosMenuProbe-%lu", GetCurrentProcessId());
    HANDLE mapping = OpenFileMappingW(FILE_MAP_WRITE, FALSE, name);
    if (!mapping) return 1;
    constexpr size_t kBytes = 256 * 1024;
    void* view = MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, kBytes);
    if (!view) {
        CloseHandle(mapping);
        return 2;
    }
    Output out{static_cast<wchar_t*>(view), kBytes / sizeof(wchar_t), 0};
    out.text[0] = 0;
    DWORD result = 0;
    HMENU bar = GetMenu(static_cast<HWND>(window));
    if (!bar)
        result = 3;
    else if (!DescribeItems(bar, 0, out))
        result = 4;
    UnmapViewOfFile(view);
    CloseHandle(mapping);
    return result;
}

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }

// Thread entry: the number of live GDI objects of the program, stock objects not counted,
// read from the process's GDI handle table (the PEB's GdiSharedHandleTable, 0x10000 entries
// of 24 bytes: object, owner, unique, type, flags, user pointer). ~0u when there is none.
extern "C" __declspec(dllexport) DWORD WINAPI CountGdiObjects(void*) {
    struct Entry {
        unsigned long long object;
        unsigned long owner;
        unsigned short unique;
        unsigned char type;
        unsigned char flags;
        unsigned long long user;
    };
    static_assert(sizeof(Entry) == 24);
    PROCESS_BASIC_INFORMATION basic{};
    if (NtQueryInformationProcess(GetCurrentProcess(), ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0)
        return ~0u;
    const auto* peb = reinterpret_cast<const unsigned char*>(basic.PebBaseAddress);
    const auto* table = *reinterpret_cast<const Entry* const*>(peb + 0xF8);
    if (!table) return ~0u;
    DWORD count = 0;
    for (unsigned i = 0; i < 0x10000; ++i)
        if (table[i].object && table[i].type && !(table[i].unique & 0x80)) ++count;
    return count;
}

// Thread entry: 1 while the parameter is still a menu of this process, else 0.
extern "C" __declspec(dllexport) DWORD WINAPI IsMenuAlive(void* menu) {
    return IsMenu(static_cast<HMENU>(menu)) ? 1 : 0;
}
