// expect-error: deleted
// x + 0.5 would be x + 0.
#include "fraction/tfrac.h"

fraction::TFrac Add(const fraction::TFrac& x) { return x + 0.5; }
