// expect-error: deleted
// 0.5/1 would become 0/1.
#include "fraction/tfrac.h"

void Make() { [[maybe_unused]] const fraction::TFrac x(0.5, 1); }
