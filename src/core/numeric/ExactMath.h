// ln x, e^x, x^y, e^x - 1, ln(1 + x) and cos x, each the double nearest to the exact value:
// first in plain doubles with a bound on the error, returned when the bound settles the
// rounding (all but about one call in a thousand); otherwise to about 2^-100 in double-double
// arithmetic and rounded once, which is correctly rounded but for arguments closer to a
// rounding boundary than that, which no file the program writes has met. The C libraries'
// own functions round the last bit differently from one library to another (MinGW-w64
// against glibc) and even from one processor to another (glibc with or without FMA), and a
// fit amplifies that bit into different digits in a written coefficient; with these a
// mechanism reverses to the same bytes on every system.
#pragma once

namespace zorbel::exact {

/// NaN below 0, -inf at 0.
double log(double x);
double exp(double x);
/// The C library's special cases: pow(x, 0) = pow(1, y) = 1, NaN for a negative x and a
/// y that is not whole, the signs of 0 and inf for a negative x and an odd whole y.
double pow(double x, double y);
double expm1(double x);
double log1p(double x);
/// Correctly rounded for |x| < 1e6; beyond, where no computation of the program goes, the
/// C library's.
double cos(double x);

/// a * b - fl(a * b) exactly, for factors whose product is far from overflow and underflow.
/// It is what fma(a, b, -(a * b)) gives where fma is exact, which MinGW-w64's is not (one
/// product in a hundred or so comes out wrong).
double productError(double a, double b);

} // namespace zorbel::exact
