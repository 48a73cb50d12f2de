#ifndef FRACTION_VALUE_H
#define FRACTION_VALUE_H

#include <cstdint>

#include "fraction/tfrac.h"

namespace fraction {

// A fraction's value with the denominator's sign moved to the numerator,
// in 64 bits, where negating INT32_MIN fits.
struct Value {
  std::int64_t numerator;
  std::int64_t denominator;  // >= 0
};

inline Value ValueOf(const TFrac& x) {
  const std::int64_t n = x.Numerator(), d = x.Denominator();
  return d < 0 ? Value{-n, -d} : Value{n, d};
}

// -1, 0 or 1.
inline int Signum(std::int64_t x) { return static_cast<int>(x > 0) - static_cast<int>(x < 0); }

}  // namespace fraction

#endif  // FRACTION_VALUE_H
