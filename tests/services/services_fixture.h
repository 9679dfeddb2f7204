#pragma once
// The course services on the recording fake platform, with the pause as at load.

#include <gtest/gtest.h>

#include "services/basMain.h"
#include "tests/support/fake_platform.h"
#include "tests/support/runtime_error_expect.h"

namespace services_tests {

using test_support::CallKind;
using test_support::PlatformCall;

class Services : public testing::Test {
 protected:
  Services() { basMain::PauseMs = 100; }
  ~Services() override {
    basMain::PauseMs = 0;
    rt::set_blocking_hook(nullptr);
  }

  std::vector<CallKind> kinds() const {
    std::vector<CallKind> result;
    for (const PlatformCall& call : fake().calls()) result.push_back(call.kind);
    return result;
  }
  test_support::FakePlatform& fake() { return installed.fake; }
  const test_support::FakePlatform& fake() const { return installed.fake; }

  test_support::InstalledFakePlatform installed;
};

}  // namespace services_tests
