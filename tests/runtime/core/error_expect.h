#pragma once
// Runs a statement and checks that it raised the given run-time error.

#include <gtest/gtest.h>

#include "runtime/core/error.h"

#define EXPECT_RUNTIME_ERROR(statement, expected_number)                         \
  do {                                                                            \
    try {                                                                         \
      statement;                                                                  \
      ADD_FAILURE() << #statement " raised nothing";                              \
    } catch (const rt::RuntimeError& error_) {                                    \
      EXPECT_EQ(error_.number(), expected_number) << #statement ": " << error_.what(); \
    }                                                                             \
  } while (false)
