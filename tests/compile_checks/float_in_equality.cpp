// The control: == and != take a float, double or long double on either
// side, without a warning or an ambiguity among C++20's reversed
// candidates, and compare its exact value, where it once would have
// truncated to an integer (x == 0.5 was x == 0).
#include "fraction/tfrac.h"

using fraction::TFrac;

static_assert(TFrac(1, 2) == 0.5 && 0.5f == TFrac(1, 2) && TFrac(1, 2) == 0.5L);
static_assert(TFrac(0) != 0.5 && 0.5 != TFrac(0) && TFrac(1, 10) != 0.1 && 0.1L != TFrac(1, 10));
