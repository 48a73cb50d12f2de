// expect-error: ReportInvalidData
// A sum that wraps around to INT32_MIN/1, which is invalid data: at run time
// it writes the message, in a constant expression it does not compile.
#include <climits>

#include "fraction/tfrac.h"

constexpr fraction::TFrac kWrapped = fraction::TFrac(INT32_MAX) + 1;
