#include "runtime/core/arithmetic.h"

#include <cfenv>

#include "runtime/core/error.h"

namespace rt {
namespace {

// The exception flags are cleared, the operation runs on volatile operands so
// that it happens at run time between the two flag accesses, then the flags
// are read.
template <typename T, typename Op>
T tested(T a, T b, Op op) {
  std::feclearexcept(FE_ALL_EXCEPT);
  volatile T left = a;
  volatile T right = b;
  volatile T result = op(left, right);
  const int raised = std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW);
  if (raised & FE_INVALID) raise(ErrorNumber::InvalidProcedureCall, "浮動小数点の演算が成り立ちません");
  if (raised & FE_DIVBYZERO) raise(ErrorNumber::DivisionByZero);
  if (raised & FE_OVERFLOW) raise(ErrorNumber::Overflow, "浮動小数点の結果が大きすぎます");
  return result;
}

}  // namespace

std::int32_t checked_add(std::int32_t a, std::int32_t b) {
  std::int32_t sum = 0;
  if (__builtin_add_overflow(a, b, &sum)) raise(ErrorNumber::Overflow);
  return sum;
}

double checked_add(double a, double b) { return tested(a, b, [](double x, double y) { return x + y; }); }
double checked_sub(double a, double b) { return tested(a, b, [](double x, double y) { return x - y; }); }
double checked_mul(double a, double b) { return tested(a, b, [](double x, double y) { return x * y; }); }
double checked_div(double a, double b) { return tested(a, b, [](double x, double y) { return x / y; }); }

float checked_add(float a, float b) { return tested(a, b, [](float x, float y) { return x + y; }); }
float checked_sub(float a, float b) { return tested(a, b, [](float x, float y) { return x - y; }); }
float checked_mul(float a, float b) { return tested(a, b, [](float x, float y) { return x * y; }); }
float checked_div(float a, float b) { return tested(a, b, [](float x, float y) { return x / y; }); }

}  // namespace rt
