// expect-error: ReportInvalidData
// Invalid data writes its message at run time; a constant expression that
// meets it does not compile.
#include "fraction/tfrac.h"

constexpr fraction::TFrac kInvalid(1, 0);
