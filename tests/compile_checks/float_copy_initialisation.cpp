// expect-error: deleted
// A double would convert to the integer it truncates to, here 0.
#include "fraction/tfrac.h"

void Make() { [[maybe_unused]] const fraction::TFrac x = 0.5; }
