// Long use and sudden ends: GDI objects, windows and memory across 1000 side-count changes and
// 1000 colour commands (the figures are printed for the record), and a program that crashes
// failing a test at once instead of at its deadlines.
#include <gtest/gtest.h>

#include <cstdio>

#include "ids/program_ids.h"
#include "program_probe.h"
#include "started_program.h"

namespace e2e {

fs::path CrashFixturePath;  // set by main()

namespace {

// One canvas is 800 x 800 x 4 bytes; a leak of one per command would pass this in a few
// dozen commands, while the heap's own slack stays well below it.
constexpr std::uint64_t kMemorySlack = 8u << 20;

void Report(const char* label, const ResourceCounts& c) {
    std::printf(
        "[ E2E counts ] %-34s GDI objects %4lu  windows %3d  committed private %7.1f MiB  working "
        "set %7.1f MiB"
        "  (GetGuiResources %lu/%lu)\n",
        label, c.gdiObjects, c.windows, c.committedPrivate / 1048576.0, c.workingSet / 1048576.0,
        c.reportedGdiObjects, c.reportedUserObjects);
}

void ExpectNoGrowth(const ResourceCounts& before, const ResourceCounts& after) {
    EXPECT_LE(after.gdiObjects, before.gdiObjects) << "GDI objects grew";
    EXPECT_EQ(after.windows, before.windows) << "window count changed";
    EXPECT_LE(after.committedPrivate, before.committedPrivate + kMemorySlack)
        << "committed private memory grew by " << (after.committedPrivate - before.committedPrivate)
        << " bytes";
}

using Reliability = StartedProgram;

TEST_F(Reliability, ThousandSideCountChangesHoldNothingMore) {
    Report("at start", Counts(p));
    p.ChooseListItem(ids::kSideList, 2);
    const ResourceCounts first = Counts(p);
    Report("after the first side count", first);
    for (int i = 0; i < 1000; ++i) p.ChooseListItem(ids::kSideList, i % 30);
    const ResourceCounts after = Counts(p);
    Report("after 1000 side-count changes", after);
    ExpectNoGrowth(first, after);
    EXPECT_EQ(p.Quit(), 0u);
}

TEST_F(Reliability, ThousandColourCommandsHoldNothingMore) {
    p.ChooseListItem(ids::kSideList, 2);
    p.Send(ids::kBorderColor);
    const ResourceCounts first = Counts(p);
    Report("after the first colour command", first);
    const int commands[] = {ids::kBorderColor, ids::kFillColor, ids::kPaperColor};
    HMENU earlier = GetMenu(p.Main());
    for (int i = 0; i < 1000; ++i) p.Send(commands[i % 3]);
    const ResourceCounts after = Counts(p);
    Report("after 1000 colour commands", after);
    ExpectNoGrowth(first, after);
    EXPECT_NE(GetMenu(p.Main()), earlier) << "a colour command rebuilds the menu bar";
    EXPECT_FALSE(MenuAlive(p, earlier)) << "a replaced menu bar is still alive";
    EXPECT_EQ(p.Quit(), 0u);
}

TEST(ProgramThatCrashes, EndsTheWaitsAtOnce) {
    ASSERT_FALSE(CrashFixturePath.empty()) << "the runner was not given the crash fixture";
    std::printf("(the crash report that follows comes from the fixture, as intended)\n");
    std::fflush(stdout);
    Program p(CrashFixturePath, fs::temp_directory_path());
    EXPECT_FALSE(p.Started());
    EXPECT_EQ(p.StartFailure().rfind("the program ended with exit code", 0), 0u)
        << "the start should end with the program, not at its deadline: " << p.StartFailure();
    // Without a deadline, only the program's end can end this wait.
    EXPECT_EQ(p.WaitForMessageBox(INFINITE), nullptr);
    DWORD code = 0;
    ASSERT_TRUE(p.WaitForExit(&code, 0));
    EXPECT_EQ(code, 0xC0000005u) << "an access violation";
}

}  // namespace
}  // namespace e2e
