#include "runtime/core/error.h"

#include <gtest/gtest.h>

TEST(RuntimeError, CarriesNumberAndPlatformWording) {
  try {
    rt::raise(rt::ErrorNumber::FileNotFound, "/x/C01_002");
    FAIL() << "raise returned";
  } catch (const rt::RuntimeError& e) {
    EXPECT_EQ(e.code(), 53);
    EXPECT_STREQ(e.what(), "File not found: /x/C01_002");
  }
}
