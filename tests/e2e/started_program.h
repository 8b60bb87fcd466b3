#pragma once
// The fixture of the end-to-end tests that work one copy of the program: a fresh copy started
// before each test, which fails at once, saying why, when the program does not start.

#include <gtest/gtest.h>

#include "automation/program_driver.h"

namespace e2e {

class StartedProgram : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(p.Started()) << p.StartFailure(); }

    Program p;
};

}  // namespace e2e
