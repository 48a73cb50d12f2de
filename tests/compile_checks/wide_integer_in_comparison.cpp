// expect-error: deleted
// x == 3000000000LL would compare with -1294967296, and must not go
// through a double either, which is inexact beyond 2^53.
#include "fraction/tfrac.h"

bool Equal(const fraction::TFrac& x) { return x == 3000000000LL; }
