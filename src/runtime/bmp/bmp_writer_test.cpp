#include "runtime/bmp/bmp_writer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "runtime/canvas/drawing_targets.h"
#include "support/files.h"
#include "support/temp_folder.h"

namespace runtime {
namespace {

using testing_support::FileBytes;
using testing_support::Le32;

namespace fs = std::filesystem;
using testing_support::TempFolder;

struct Bitmap {
    TargetHandle handle;
    Bitmap(int w, int h) : handle(NewBitmap(w, h)) { AttachTarget(handle, 0, 0); }
    ~Bitmap() {
        AttachTarget(handle, 0, 0);
        EndBitmap();
    }
};

TEST(SaveBmp, CanvasFileHasTheExactHeadersAndLength) {
    TempFolder folder;
    Bitmap canvas(800, 800);
    ClearTarget(0x00FF00FF, 0);
    const std::string name = folder.File("poligono 5.bmp");
    ASSERT_TRUE(SaveBmp(name));
    const auto bytes = FileBytes(name);
    ASSERT_EQ(bytes.size(), 1920054u);
    EXPECT_EQ(bytes[0], 'B');
    EXPECT_EQ(bytes[1], 'M');
    EXPECT_EQ(Le32(bytes, 2), 1920054u);
    EXPECT_EQ(Le32(bytes, 6), 0u);
    EXPECT_EQ(Le32(bytes, 10), 54u);
    EXPECT_EQ(Le32(bytes, 14), 40u);
    EXPECT_EQ(Le32(bytes, 18), 800u);
    EXPECT_EQ(Le32(bytes, 22), 800u);
    EXPECT_EQ(bytes[26] | bytes[27] << 8, 1);
    EXPECT_EQ(bytes[28] | bytes[29] << 8, 24);
    for (std::size_t i = 30; i < 54; ++i) ASSERT_EQ(bytes[i], 0) << "byte " << i;
    EXPECT_EQ(bytes[54], 0xFF);  // magenta: blue, green, red
    EXPECT_EQ(bytes[55], 0x00);
    EXPECT_EQ(bytes[56], 0xFF);
}

TEST(SaveBmp, RowsArePaddedAndStoredBottomUp) {
    for (int width : {1, 2, 3, 4, 10}) {
        SCOPED_TRACE("width " + std::to_string(width));
        TempFolder folder;
        Bitmap b(width, 3);
        ClearTarget(0x000000FF, 0);                         // red
        DrawBox(0, 0, 1, 1, 0, 0x00FF0000, 0x00FF0000, 0);  // 1 x 1 boxes draw nothing...
        DrawPolygon({4, std::array<PointF, 4>{{{0, 0}, {1, 0}, {1, 1}, {0, 1}}}}, NoColor,
                    0x00FF0000, 0, 0);
        const std::string name = folder.File("p.bmp");
        ASSERT_TRUE(SaveBmp(name));
        const auto bytes = FileBytes(name);
        const std::size_t stride = (width * 3 + 3) / 4 * 4;
        ASSERT_EQ(bytes.size(), 54 + stride * 3);
        EXPECT_EQ(Le32(bytes, 2), bytes.size());
        EXPECT_EQ(BmpRowStride(width), static_cast<std::int64_t>(stride));
        // ...so only the polygon made the top-left pixel blue: the first pixel of the last row.
        const std::size_t top = 54 + 2 * stride;
        EXPECT_EQ(bytes[top], 0xFF);
        EXPECT_EQ(bytes[top + 2], 0x00);
        EXPECT_EQ(bytes[54], 0x00);  // bottom-left is red: 00 00 FF
        EXPECT_EQ(bytes[56], 0xFF);
        for (std::size_t row = 0; row < 3; ++row)
            for (std::size_t pad = width * 3; pad < stride; ++pad)
                EXPECT_EQ(bytes[54 + row * stride + pad], 0) << "padding";
    }
}

TEST(SaveBmp, ReplacesALongerFileWithExactlyTheNewLength) {
    TempFolder folder;
    const std::string name = folder.File("p.bmp");
    {
        std::ofstream old(name, std::ios::binary);
        old << std::string(5000, 'x');
    }
    Bitmap b(10, 10);
    ClearTarget(0, 0);
    ASSERT_TRUE(SaveBmp(name));
    EXPECT_EQ(fs::file_size(name), 54u + 32 * 10);
    ASSERT_TRUE(SaveBmp(name));
    EXPECT_EQ(fs::file_size(name), 54u + 32 * 10);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path()), {}), 1) << "nothing left behind";
}

TEST(SaveBmp, FailuresWriteNothingAndKeepTheOldFile) {
    TempFolder folder;
    Bitmap b(10, 10);
    ClearTarget(0, 0);
    EXPECT_FALSE(SaveBmp(""));
    EXPECT_FALSE(SaveBmp(folder.File("missing/p.bmp")));
    EXPECT_FALSE(fs::exists(folder.Path() / "missing"));

    const std::string name = folder.File("kept.bmp");
    {
        std::ofstream old(name, std::ios::binary);
        old << "an older picture";
    }
    fs::permissions(name, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_FALSE(SaveBmp(name)) << "a read-only file is not replaced";
    fs::permissions(name, fs::perms::owner_write, fs::perm_options::add);
    EXPECT_EQ(FileBytes(name).size(), 16u);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path()), {}), 1);

    DetachTarget();
    EXPECT_FALSE(SaveBmp(folder.File("none.bmp"))) << "no current target";
    EXPECT_FALSE(fs::exists(folder.Path() / "none.bmp"));
}

}  // namespace
}  // namespace runtime
