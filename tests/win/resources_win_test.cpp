// The resources linked into this test program are the program's own (poligonos_resources): the
// five menu pictures, the icon group, the version and the manifest, read back the way Windows
// reads them.
#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cwctype>
#include <set>
#include <string>
#include <string_view>

#include "ids/program_ids.h"
#include "runtime/canvas/gdi_objects_win.h"

namespace {

using runtime::Bitmap;
using runtime::Icon;

HMODULE Self() {
    return GetModuleHandleW(nullptr);
}

// The resource types, wide whatever UNICODE says.
const wchar_t* const kBitmapType = MAKEINTRESOURCEW(2);      // RT_BITMAP
const wchar_t* const kIconType = MAKEINTRESOURCEW(3);        // RT_ICON
const wchar_t* const kIconGroupType = MAKEINTRESOURCEW(14);  // RT_GROUP_ICON
const wchar_t* const kManifestType = MAKEINTRESOURCEW(24);   // RT_MANIFEST

// The bytes of one resource of this module; empty when there is none.
std::string_view ResourceBytes(const wchar_t* type, const wchar_t* name) {
    HRSRC found = FindResourceW(Self(), name, type);
    if (!found) return {};
    HGLOBAL loaded = LoadResource(Self(), found);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data) return {};
    return {static_cast<const char*>(data), SizeofResource(Self(), found)};
}

std::uint16_t Word(std::string_view bytes, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<std::uint8_t>(bytes[at]) |
                                      static_cast<std::uint8_t>(bytes[at + 1]) << 8);
}
std::uint32_t Dword(std::string_view bytes, std::size_t at) {
    return Word(bytes, at) | static_cast<std::uint32_t>(Word(bytes, at + 2)) << 16;
}
std::int32_t Long(std::string_view bytes, std::size_t at) {
    return static_cast<std::int32_t>(Dword(bytes, at));
}

// ---- menu pictures ---------------------------------------------------------------------------

struct Rgb {
    int r, g, b;
};

// What each picture is mostly made of, besides its white ground and its outline.
enum class Hue { Blue, Red, Green };

struct MenuPicture {
    int id;
    const char* what;
    Hue hue;
    int atLeast;  // pixels of that hue
};

constexpr std::array<MenuPicture, 5> kMenuPictures{{
    {ids::kMonitorPicture, "monitor", Hue::Blue, 40},
    {ids::kPersonPicture, "person", Hue::Red, 30},
    {ids::kDoorPicture, "arrow entering a door", Hue::Green, 25},
    {ids::kPinPicture, "push pin", Hue::Red, 15},
    {ids::kGreenPlusPicture, "green disc with a white plus", Hue::Green, 100},
}};

bool IsHue(Rgb c, Hue hue) {
    switch (hue) {
        case Hue::Blue:
            return c.b > c.r + 60 && c.b > c.g + 30;
        case Hue::Red:
            return c.r > c.g + 60 && c.r > c.b + 60;
        case Hue::Green:
            return c.g > c.r + 50 && c.g > c.b + 50;
    }
    return false;
}

// A 24-bit bottom-up DIB section's pixel at (x, y), y counted from the top.
Rgb PixelOf(const DIBSECTION& dib, int x, int y) {
    const int row = dib.dsBmih.biHeight > 0 ? dib.dsBm.bmHeight - 1 - y : y;
    const auto* p =
        static_cast<const std::uint8_t*>(dib.dsBm.bmBits) + row * dib.dsBm.bmWidthBytes + 3 * x;
    return {p[2], p[1], p[0]};
}

TEST(Resources, MenuPicturesAreStoredAsSixteenPixelTwentyFourBitBitmaps) {
    for (const MenuPicture& picture : kMenuPictures) {
        SCOPED_TRACE(std::to_string(picture.id) + " " + picture.what);
        const std::string_view bytes = ResourceBytes(kBitmapType, MAKEINTRESOURCEW(picture.id));
        ASSERT_GE(bytes.size(), 40u + 16 * 16 * 3) << "resource missing or short";
        EXPECT_EQ(Dword(bytes, 0), 40u) << "header size";
        EXPECT_EQ(Long(bytes, 4), 16) << "width";
        EXPECT_EQ(Long(bytes, 8), 16) << "height (bottom-up)";
        EXPECT_EQ(Word(bytes, 14), 24) << "bits per pixel";
        EXPECT_EQ(Dword(bytes, 16), static_cast<std::uint32_t>(BI_RGB)) << "compression";
    }
}

TEST(Resources, MenuPicturesLoadByIdAndShowWhatTheirItemsNeed) {
    for (const MenuPicture& picture : kMenuPictures) {
        SCOPED_TRACE(std::to_string(picture.id) + " " + picture.what);
        SetLastError(0xdeadbeef);
        Bitmap bitmap(static_cast<HBITMAP>(LoadImageW(Self(), MAKEINTRESOURCEW(picture.id),
                                                      IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
        ASSERT_TRUE(bitmap) << "LoadImageW failed, error " << GetLastError();
        DIBSECTION dib{};
        ASSERT_EQ(GetObjectW(bitmap.Get(), sizeof dib, &dib), static_cast<int>(sizeof dib));
        EXPECT_EQ(dib.dsBm.bmWidth, 16);
        EXPECT_EQ(dib.dsBm.bmHeight, 16);
        EXPECT_EQ(dib.dsBmih.biBitCount, 24);
        ASSERT_NE(dib.dsBm.bmBits, nullptr);

        // White ground, as the colour swatches beside them have; a real picture on it.
        const Rgb corner = PixelOf(dib, 0, 0);
        EXPECT_TRUE(corner.r == 255 && corner.g == 255 && corner.b == 255)
            << "top left corner is " << corner.r << "," << corner.g << "," << corner.b
            << ", expected white";
        int drawn = 0, ofHue = 0;
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                const Rgb c = PixelOf(dib, x, y);
                if (c.r != 255 || c.g != 255 || c.b != 255) ++drawn;
                if (IsHue(c, picture.hue)) ++ofHue;
            }
        }
        EXPECT_GE(drawn, 60) << "pixels drawn";
        EXPECT_LE(drawn, 250) << "pixels drawn: the picture should leave some ground";
        EXPECT_GE(ofHue, picture.atLeast) << "pixels of the picture's main colour";
    }
}

TEST(Resources, TheGreenDiscCarriesAWhitePlusAtItsCentre) {
    Bitmap bitmap(static_cast<HBITMAP>(LoadImageW(Self(), MAKEINTRESOURCEW(ids::kGreenPlusPicture),
                                                  IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    ASSERT_TRUE(bitmap);
    DIBSECTION dib{};
    ASSERT_EQ(GetObjectW(bitmap.Get(), sizeof dib, &dib), static_cast<int>(sizeof dib));
    for (auto [x, y] : {std::pair{7, 7}, {8, 8}, {8, 4}, {4, 8}, {11, 7}, {7, 11}}) {
        const Rgb c = PixelOf(dib, x, y);
        EXPECT_TRUE(c.r >= 240 && c.g >= 240 && c.b >= 240) << "plus at " << x << "," << y;
    }
    for (auto [x, y] : {std::pair{4, 4}, {11, 4}, {4, 11}, {11, 11}}) {
        EXPECT_TRUE(IsHue(PixelOf(dib, x, y), Hue::Green)) << "disc at " << x << "," << y;
    }
}

// ---- icon ------------------------------------------------------------------------------------

TEST(Resources, IconGroupHoldsASixteenAndAThirtyTwoPixelImage) {
    const std::string_view group =
        ResourceBytes(kIconGroupType, MAKEINTRESOURCEW(ids::kProgramIcon));
    ASSERT_GE(group.size(), 6u) << "icon group 200 missing";
    EXPECT_EQ(Word(group, 0), 0);
    EXPECT_EQ(Word(group, 2), 1) << "type: icon";
    const int count = Word(group, 4);
    ASSERT_EQ(group.size(), 6u + 14u * count);

    std::set<int> sizes;
    for (int i = 0; i < count; ++i) {
        const std::size_t entry = 6 + 14 * i;
        const int size = static_cast<std::uint8_t>(group[entry]);
        SCOPED_TRACE("entry " + std::to_string(i) + ", " + std::to_string(size) + " pixels");
        EXPECT_EQ(static_cast<std::uint8_t>(group[entry + 1]), size) << "square";
        EXPECT_EQ(Word(group, entry + 6), 32) << "bits per pixel";
        sizes.insert(size);

        // The image itself: a DIB of that size (twice as high for colour and mask), with alpha.
        const std::string_view image =
            ResourceBytes(kIconType, MAKEINTRESOURCEW(Word(group, entry + 12)));
        ASSERT_EQ(image.size(), Dword(group, entry + 8)) << "bytes in the image";
        ASSERT_GE(image.size(), 40u + 4u * size * size);
        EXPECT_EQ(Long(image, 4), size);
        EXPECT_EQ(Long(image, 8), 2 * size);
        EXPECT_EQ(Word(image, 14), 32);
        // Bottom-up rows of B, G, R, A: the corners are clear, the middle is opaque.
        const auto alpha = [&](int x, int y) {
            return static_cast<std::uint8_t>(image[40 + 4 * ((size - 1 - y) * size + x) + 3]);
        };
        EXPECT_EQ(alpha(0, size - 1), 0) << "bottom left corner";
        EXPECT_EQ(alpha(size - 1, size - 1), 0) << "bottom right corner";
        EXPECT_EQ(alpha(size / 2, size / 2), 255) << "middle";
    }
    EXPECT_EQ(sizes, (std::set<int>{16, 32}));
}

TEST(Resources, IconLoadsAtBothSizesWithoutScaling) {
    const std::string_view group =
        ResourceBytes(kIconGroupType, MAKEINTRESOURCEW(ids::kProgramIcon));
    ASSERT_FALSE(group.empty());
    for (int size : {16, 32}) {
        SCOPED_TRACE(std::to_string(size) + " pixels");
        // The image Windows picks for the size is the one stored for it.
        const int id =
            LookupIconIdFromDirectoryEx(reinterpret_cast<BYTE*>(const_cast<char*>(group.data())),
                                        TRUE, size, size, LR_DEFAULTCOLOR);
        ASSERT_NE(id, 0);
        const std::string_view image = ResourceBytes(kIconType, MAKEINTRESOURCEW(id));
        ASSERT_GE(image.size(), 40u);
        EXPECT_EQ(Long(image, 4), size) << "picked image " << id;

        SetLastError(0xdeadbeef);
        Icon icon(static_cast<HICON>(
            LoadImageW(Self(), MAKEINTRESOURCEW(ids::kProgramIcon), IMAGE_ICON, size, size, 0)));
        ASSERT_NE(icon.Get(), nullptr) << "LoadImageW failed, error " << GetLastError();
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(icon.Get(), &info));
        Bitmap colour(info.hbmColor);
        Bitmap mask(info.hbmMask);
        BITMAP bits{};
        ASSERT_TRUE(colour);
        ASSERT_EQ(GetObjectW(colour.Get(), sizeof bits, &bits), static_cast<int>(sizeof bits));
        EXPECT_EQ(bits.bmWidth, size);
        EXPECT_EQ(bits.bmHeight, size);
    }
}

// ---- version ---------------------------------------------------------------------------------

struct VersionInfo {
    std::string data;

    VersionInfo() {
        wchar_t path[MAX_PATH]{};
        const DWORD length = GetModuleFileNameW(Self(), path, MAX_PATH);
        if (length == 0 || length == MAX_PATH) return;
        DWORD ignored = 0;
        const DWORD size = GetFileVersionInfoSizeW(path, &ignored);
        if (size == 0) return;
        data.assign(size, '\0');
        if (!GetFileVersionInfoW(path, 0, size, data.data())) data.clear();
    }
    const void* Query(const wchar_t* what, UINT* length) {
        void* value = nullptr;
        *length = 0;
        if (data.empty() || !VerQueryValueW(data.data(), what, &value, length)) return nullptr;
        return value;
    }
    std::wstring Text(const wchar_t* name) {
        UINT length = 0;
        const std::wstring path = std::wstring(L"\\StringFileInfo\\0C0A04E4\\") + name;
        const auto* text = static_cast<const wchar_t*>(Query(path.c_str(), &length));
        if (!text) return L"(missing)";
        return std::wstring(text, wcsnlen(text, length));
    }
};

std::wstring Widen(const char* text) {
    return std::wstring(text, text + strlen(text));
}

TEST(Resources, VersionResourceHoldsTheProjectVersion) {
    VersionInfo version;
    ASSERT_FALSE(version.data.empty()) << "no version resource";
    UINT length = 0;
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(version.Query(L"\\", &length));
    ASSERT_NE(fixed, nullptr);
    ASSERT_GE(length, sizeof(VS_FIXEDFILEINFO));
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));

    unsigned major = 0, minor = 0, patch = 0;
    ASSERT_EQ(sscanf(POLIGONOS_PROJECT_VERSION, "%u.%u.%u", &major, &minor, &patch), 3);
    EXPECT_EQ(fixed->dwFileVersionMS, major << 16 | minor);
    EXPECT_EQ(fixed->dwFileVersionLS, patch << 16);
    EXPECT_EQ(fixed->dwProductVersionMS, major << 16 | minor);
    EXPECT_EQ(fixed->dwProductVersionLS, patch << 16);

    EXPECT_EQ(version.Text(L"FileVersion"), Widen(POLIGONOS_PROJECT_VERSION));
    EXPECT_EQ(version.Text(L"ProductVersion"), Widen(POLIGONOS_PROJECT_VERSION));
    EXPECT_EQ(version.Text(L"FileDescription"), L"Poligonos");
    EXPECT_EQ(version.Text(L"ProductName"), L"Poligonos");
    EXPECT_EQ(version.Text(L"OriginalFilename"), L"poligonos.exe");
}

TEST(Resources, VersionTextsKeepTheirAccents) {
    // The script is UTF-8: without its code page the accent would come out as two characters.
    VersionInfo version;
    ASSERT_FALSE(version.data.empty());
    EXPECT_EQ(version.Text(L"Comments").substr(0, 19), L"Editor de pol\u00EDgonos");

    UINT length = 0;
    const auto* translation =
        static_cast<const WORD*>(version.Query(L"\\VarFileInfo\\Translation", &length));
    ASSERT_NE(translation, nullptr);
    ASSERT_EQ(length, 4u);
    EXPECT_EQ(translation[0], 0x0C0A) << "Spanish";
    EXPECT_EQ(translation[1], 1252) << "Windows-1252";
}

// ---- manifest --------------------------------------------------------------------------------

TEST(Resources, ManifestAsksForCommonControlsSixTheSystemDpiAndLongPaths) {
    int manifests = 0;
    EnumResourceNamesW(
        Self(), kManifestType,
        [](HMODULE, LPCWSTR, LPWSTR, LONG_PTR count) -> BOOL {
            ++*reinterpret_cast<int*>(count);
            return TRUE;
        },
        reinterpret_cast<LONG_PTR>(&manifests));
    EXPECT_EQ(manifests, 1) << "one manifest: ours, not the toolchain's default beside it";

    const std::string manifest(ResourceBytes(kManifestType, MAKEINTRESOURCEW(1)));
    ASSERT_FALSE(manifest.empty()) << "manifest 1 missing";
    const std::size_t name = manifest.find("name=\"Microsoft.Windows.Common-Controls\"");
    ASSERT_NE(name, std::string::npos);
    // The version and the key belong to the same assemblyIdentity element as the name.
    const std::size_t start = manifest.rfind('<', name);
    const std::size_t end = manifest.find("/>", name);
    ASSERT_NE(start, std::string::npos);
    ASSERT_NE(end, std::string::npos);
    const std::string identity = manifest.substr(start, end - start);
    EXPECT_EQ(identity.rfind("<assemblyIdentity", 0), 0u) << identity;
    EXPECT_NE(identity.find("version=\"6.0.0.0\""), std::string::npos) << identity;
    EXPECT_NE(identity.find("publicKeyToken=\"6595b64144ccf1df\""), std::string::npos) << identity;
    EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string::npos);
    // Wine ignores these; Windows would otherwise stretch the window on a scaled screen.
    EXPECT_NE(manifest.find(">true</dpiAware>"), std::string::npos);
    EXPECT_NE(manifest.find(">system</dpiAwareness>"), std::string::npos);
    // Where Windows has long paths enabled, folders past 259 characters too.
    EXPECT_NE(manifest.find(">true</longPathAware>"), std::string::npos);
}

TEST(Resources, ManifestGivesThisProcessCommonControlsSix) {
    // The loader applies the manifest at start-up: "comctl32.dll" is redirected to the
    // side-by-side common controls 6. (Wine's copy answers 5.81 to DllGetVersion, so the
    // redirection and the folder it loads from are what tell.)
    ACTCTX_SECTION_KEYED_DATA redirection{};
    redirection.cbSize = sizeof redirection;
    SetLastError(0xdeadbeef);
    EXPECT_TRUE(FindActCtxSectionStringW(0, nullptr, ACTIVATION_CONTEXT_SECTION_DLL_REDIRECTION,
                                         L"comctl32.dll", &redirection))
        << "no redirection of comctl32.dll in the process's activation context, error "
        << GetLastError();

    HMODULE controls = LoadLibraryW(L"comctl32.dll");
    ASSERT_NE(controls, nullptr);
    wchar_t path[MAX_PATH]{};
    const DWORD length = GetModuleFileNameW(controls, path, MAX_PATH);
    FreeLibrary(controls);
    ASSERT_GT(length, 0u);
    std::wstring folder(path, length);
    for (wchar_t& c : folder) c = static_cast<wchar_t>(towlower(c));
    EXPECT_NE(folder.find(L"\\winsxs\\"), std::wstring::npos)
        << std::string(folder.begin(), folder.end());
    EXPECT_NE(folder.find(L"microsoft.windows.common-controls_6595b64144ccf1df_6."),
              std::wstring::npos)
        << std::string(folder.begin(), folder.end());
}

}  // namespace
