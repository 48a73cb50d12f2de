// The control: the order with a float, double or long double on either
// side, and C++20's <=>, compile without a warning or an ambiguity and are
// exact, where 0.5 < x once would have been 0 < x.
#if __has_include(<compare>)
#include <compare>
#endif

#include "fraction/tfrac.h"

using fraction::TFrac;

static_assert(0.5 < TFrac(1) && !(0.5 < TFrac(0)) && TFrac(1, 10) < 0.1 && 0.1f > TFrac(1, 10));
static_assert(TFrac(1, 2) <= 0.5L && 0.5 >= TFrac(1, 2) && TFrac(1, 3) > 0.333 && 1e300 > TFrac(7));
#if defined(__cpp_impl_three_way_comparison) && defined(__cpp_lib_three_way_comparison)
static_assert((TFrac(1, 10) <=> 0.1) < 0 && (0.1 <=> TFrac(1, 10)) > 0 &&
              (TFrac(1, 2) <=> 0.5) == 0);
#endif
