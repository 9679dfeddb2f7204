#pragma once
// Arithmetic that is tested the way the original runtime tests it.
//
// 32-bit integer addition raises Overflow (6) when the true sum does not fit.
// Floating-point results are tested for the three IEEE exceptions; each
// raises the runtime's floating-point error with its own number:
//   overflow           -> Overflow (6)
//   division by zero   -> DivisionByZero (11)
//   invalid operation  -> InvalidProcedureCall (5)
// Inexact results and underflow are normal and raise nothing.

#include <cstdint>

namespace rt {

std::int32_t checked_add(std::int32_t a, std::int32_t b);

double checked_add(double a, double b);
double checked_sub(double a, double b);
double checked_mul(double a, double b);
double checked_div(double a, double b);

float checked_add(float a, float b);
float checked_sub(float a, float b);
float checked_mul(float a, float b);
float checked_div(float a, float b);

}  // namespace rt
