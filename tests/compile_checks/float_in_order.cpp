// expect-error: deleted
// 0.5 < x would be 0 < x.
#include "fraction/tfrac.h"

bool Less(const fraction::TFrac& x) { return 0.5 < x; }
