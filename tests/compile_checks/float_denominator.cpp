// expect-error: deleted
// 1/0.5 would become 1/0, invalid data, where it means 2.
#include "fraction/tfrac.h"

void Make() { [[maybe_unused]] const fraction::TFrac x(1, 0.5); }
