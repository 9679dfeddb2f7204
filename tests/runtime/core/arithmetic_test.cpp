#include "runtime/core/arithmetic.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>

#include "tests/support/runtime_error_expect.h"

namespace {

using rt::ErrorNumber;
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

TEST(CheckedAdd, Int32SumsThatFitAndThoseThatOverflow) {
  EXPECT_EQ(rt::checked_add(std::int32_t{100}, std::int32_t{500}), 600);
  EXPECT_EQ(rt::checked_add(kMax, std::int32_t{0}), kMax);
  EXPECT_EQ(rt::checked_add(kMin, kMax), -1);
  EXPECT_RUNTIME_ERROR(rt::checked_add(kMax, std::int32_t{1}), ErrorNumber::Overflow);
  EXPECT_RUNTIME_ERROR(rt::checked_add(kMin, std::int32_t{-1}), ErrorNumber::Overflow);
}

TEST(CheckedFloatingPoint, NormalResultsPass) {
  EXPECT_EQ(rt::checked_add(1.0, 1.0), 2.0);
  EXPECT_EQ(rt::checked_sub(1.0, 1.0), 0.0);
  EXPECT_EQ(rt::checked_div(1.0, 3.0), 1.0 / 3.0);  // inexact is no fault
  EXPECT_EQ(rt::checked_mul(DBL_MIN, 0.5), DBL_MIN * 0.5);  // nor is underflow
  EXPECT_EQ(rt::checked_add(15360.0f, 15.0f), 15375.0f);
}

TEST(CheckedFloatingPoint, EachFaultRaisesItsError) {
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_RUNTIME_ERROR(rt::checked_mul(DBL_MAX, 2.0), ErrorNumber::Overflow);
  EXPECT_RUNTIME_ERROR(rt::checked_add(DBL_MAX, DBL_MAX), ErrorNumber::Overflow);
  EXPECT_RUNTIME_ERROR(rt::checked_div(1.0, 0.0), ErrorNumber::DivisionByZero);
  EXPECT_RUNTIME_ERROR(rt::checked_sub(inf, inf), ErrorNumber::InvalidProcedureCall);
  EXPECT_RUNTIME_ERROR(rt::checked_div(0.0, 0.0), ErrorNumber::InvalidProcedureCall);
  EXPECT_RUNTIME_ERROR(rt::checked_mul(std::numeric_limits<float>::infinity(), 0.0f), ErrorNumber::InvalidProcedureCall);
  EXPECT_RUNTIME_ERROR(rt::checked_mul(FLT_MAX, 2.0f), ErrorNumber::Overflow);
  EXPECT_RUNTIME_ERROR(rt::checked_div(1.0f, 0.0f), ErrorNumber::DivisionByZero);
}

}  // namespace
