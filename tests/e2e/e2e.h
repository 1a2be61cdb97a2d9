// What the end-to-end tests share beyond the harness.
#pragma once

#include <map>
#include <string>

#include <gtest/gtest.h>

#include "tests/e2e/harness.h"

namespace typelens::e2e {

inline std::string TestName() {
    return ::testing::UnitTest::GetInstance()->current_test_info()->name();
}

// A scratch file for screenshots that only the test compares.
inline std::string Scratch(const std::string& name) {
    return std::string(TYPELENS_E2E_WORK) + "/shots/" + TestName() + "-" + name;
}

// A path of the Linux side as Wine's Z: drive names it.
inline std::string WindowsPath(std::string path) {
    for (char& c : path) c = c == '/' ? '\\' : c;
    return path.insert(0, "Z:");
}

}  // namespace typelens::e2e
