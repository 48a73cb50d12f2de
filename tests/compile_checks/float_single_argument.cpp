// expect-error: deleted
// A float would convert to the integer it truncates to, here 0.
#include "fraction/tfrac.h"

void Make() { [[maybe_unused]] const auto x = fraction::TFrac(0.5f); }
