#include "plugin.h"

#include <fraction/tfrac.h>

#include <string>

#if defined(FRACTION_CONSUMER_BIG)
#include <fraction/big_fraction.h>
#endif

// Add() makes its result on the heap, through the per-thread cache: the
// thread-local storage that only position-independent code can reach from
// a shared library.
std::string PluginSum() {
  const fraction::TFrac half(1, 2);
  const fraction::TFrac third(1, 3);
  return half.Add(&third)->ToString();
}

#if defined(FRACTION_CONSUMER_BIG)
// Through 10^23 and back: a value on the heap, whose rational the cache of
// a thread keeps, in thread-local storage.
std::string PluginBigSum() {
  fraction::BigFraction sum;
  for (int i = 1; i <= 25; ++i) sum += fraction::BigFraction(1, i);
  return (sum * fraction::BigFraction(mpz_class("100000000000000000000000")) /
          fraction::BigFraction(mpz_class("100000000000000000000000")))
      .ToString();
}
#endif
