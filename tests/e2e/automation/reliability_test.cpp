// What the program holds over long use: GDI objects, windows and memory across 1000
// side-count changes and 1000 colour commands. The figures are printed for the record.
#include <gtest/gtest.h>

#include <cstdio>

#include "program_driver.h"

namespace e2e {
namespace {

// One canvas is 800 x 800 x 4 bytes; a leak of one per command would pass this in a few
// dozen commands, while the heap's own slack stays well below it.
constexpr std::uint64_t kMemorySlack = 8u << 20;

void Report(const char* label, const ResourceCounts& c) {
    std::printf("[ E2E counts ] %-34s GDI objects %4lu  windows %3d  committed private %7.1f MiB  working set %7.1f MiB"
                "  (GetGuiResources %lu/%lu)\n",
                label, c.gdiObjects, c.windows, c.committedPrivate / 1048576.0, c.workingSet / 1048576.0,
                c.reportedGdiObjects, c.reportedUserObjects);
}

void ExpectNoGrowth(const ResourceCounts& before, const ResourceCounts& after) {
    EXPECT_LE(after.gdiObjects, before.gdiObjects) << "GDI objects grew";
    EXPECT_EQ(after.windows, before.windows) << "window count changed";
    EXPECT_LE(after.committedPrivate, before.committedPrivate + kMemorySlack)
        << "committed private memory grew by " << (after.committedPrivate - before.committedPrivate) << " bytes";
}

TEST(Reliability, ThousandSideCountChangesHoldNothingMore) {
    ProgramRun run;
    Report("at start", run.Counts());
    run.ChooseListItem(ids::kSideList, 2);
    const ResourceCounts first = run.Counts();
    Report("after the first side count", first);
    for (int i = 0; i < 1000; ++i) run.ChooseListItem(ids::kSideList, i % 30);
    const ResourceCounts after = run.Counts();
    Report("after 1000 side-count changes", after);
    ExpectNoGrowth(first, after);
    run.PostCommand(ids::kQuit);
    EXPECT_EQ(run.WaitForExit(), 0u);
}

TEST(Reliability, ThousandColourCommandsHoldNothingMore) {
    ProgramRun run;
    run.ChooseListItem(ids::kSideList, 2);
    run.SendCommand(ids::kBorderColor);
    const ResourceCounts first = run.Counts();
    Report("after the first colour command", first);
    const int commands[] = {ids::kBorderColor, ids::kFillColor, ids::kPaperColor};
    HMENU earlier = GetMenu(run.MainWindow());
    for (int i = 0; i < 1000; ++i) run.SendCommand(commands[i % 3]);
    const ResourceCounts after = run.Counts();
    Report("after 1000 colour commands", after);
    ExpectNoGrowth(first, after);
    EXPECT_FALSE(run.MenuAlive(earlier)) << "a replaced menu bar is still alive";
    run.PostCommand(ids::kQuit);
    EXPECT_EQ(run.WaitForExit(), 0u);
}

}  // namespace
}  // namespace e2e
