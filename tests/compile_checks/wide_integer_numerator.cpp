// expect-error: deleted
// A long long numerator would wrap to 32 bits without a word.
#include "fraction/tfrac.h"

void Make() { [[maybe_unused]] const fraction::TFrac x(1LL, 2); }
