#include <gtest/gtest.h>
#include "program_driver.h"
using namespace e2e;
TEST(Smoke, Starts) {
    ProgramRun run;
    auto items = run.ListItems(ids::kSideList);
    printf("items %zu first %s\n", items.size(), items.empty() ? "" : Narrow(items[0]).c_str());
    auto c = run.Counts();
    printf("gdi %lu rep %lu windows %d private %llu ws %llu\n", c.gdiObjects, c.reportedGdiObjects, c.windows,
           (unsigned long long)c.committedPrivate, (unsigned long long)c.workingSet);
    auto menu = run.ReadMenu();
    printf("%s", MenuSummary(menu).c_str());
    run.PostCommand(ids::kQuit);
    EXPECT_EQ(run.WaitForExit(), 0u);
}
