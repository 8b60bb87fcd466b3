// The resources built into poligonos.exe: the five menu pictures, the icon, the manifest that
// asks for common controls 6 and the version.
#include <gtest/gtest.h>

#include <string>

#include "program_driver.h"

namespace e2e {
namespace {

struct Module {
    HMODULE handle = LoadLibraryExW(ProgramPath.wstring().c_str(), nullptr,
                                    LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ~Module() {
        if (handle) FreeLibrary(handle);
    }
};

TEST(Resources, MenuPicturesAreSixteenPixelTwentyFourBitBitmaps) {
    Module m;
    ASSERT_NE(m.handle, nullptr);
    for (int id : {333, 338, 339, 340, 341}) {
        const runtime::Bitmap b(static_cast<HBITMAP>(
            LoadImageW(m.handle, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
        ASSERT_TRUE(b) << id;
        DIBSECTION dib{};
        ASSERT_EQ(GetObjectW(b.Get(), sizeof dib, &dib), static_cast<int>(sizeof dib)) << id;
        EXPECT_EQ(dib.dsBm.bmWidth, 16) << id;
        EXPECT_EQ(dib.dsBm.bmHeight, 16) << id;
        EXPECT_EQ(dib.dsBmih.biBitCount, 24) << id;
    }
}

TEST(Resources, IconGroupHasBothSizesAndTheManifestAsksForCommonControlsSix) {
    Module m;
    ASSERT_NE(m.handle, nullptr);
    for (int size : {16, 32}) {
        const runtime::Icon icon(static_cast<HICON>(
            LoadImageW(m.handle, MAKEINTRESOURCEW(200), IMAGE_ICON, size, size, 0)));
        ASSERT_TRUE(icon) << size;
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(icon.Get(), &info));
        const runtime::Bitmap colourPart(info.hbmColor), maskPart(info.hbmMask);
        BITMAP colour{};
        GetObjectW(colourPart.Get(), sizeof colour, &colour);
        EXPECT_EQ(colour.bmWidth, size);
    }
    HRSRC found =
        FindResourceW(m.handle, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));  // RT_MANIFEST
    ASSERT_NE(found, nullptr);
    const char* text = static_cast<const char*>(LockResource(LoadResource(m.handle, found)));
    const std::string manifest(text, SizeofResource(m.handle, found));
    EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos);
    EXPECT_NE(manifest.find("version=\"6.0.0.0\""), std::string::npos);
}

TEST(Resources, VersionComesFromTheProject) {
    const std::wstring path = ProgramPath.wstring();
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
    ASSERT_GT(size, 0u);
    std::string data(size, '\0');
    ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, size, data.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    const std::wstring version = std::to_wstring(HIWORD(fixed->dwFileVersionMS)) + L"." +
                                 std::to_wstring(LOWORD(fixed->dwFileVersionMS)) + L"." +
                                 std::to_wstring(HIWORD(fixed->dwFileVersionLS));
    EXPECT_EQ(version, L"" POLIGONOS_VERSION);
}

}  // namespace
}  // namespace e2e
