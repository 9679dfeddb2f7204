#pragma once
// Runs a statement and checks that it raised the given run-time error, and,
// with _NAMING, that the error's message names what it concerns.

#include <gtest/gtest.h>

#include <string>

#include "runtime/core/error.h"

#define EXPECT_RUNTIME_ERROR_NAMING(statement, expected_number, expected_text)                          \
  do {                                                                                                  \
    try {                                                                                               \
      statement;                                                                                        \
      ADD_FAILURE() << #statement " raised nothing";                                                    \
    } catch (const rt::RuntimeError& error_) {                                                          \
      EXPECT_EQ(error_.number(), expected_number) << #statement ": " << error_.what();                  \
      EXPECT_NE(std::string(error_.what()).find(expected_text), std::string::npos)                      \
          << #statement ": " << error_.what();                                                          \
    }                                                                                                   \
  } while (false)

#define EXPECT_RUNTIME_ERROR(statement, expected_number) \
  EXPECT_RUNTIME_ERROR_NAMING(statement, expected_number, "")
