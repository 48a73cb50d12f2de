// expect-error: deleted
// x * v.size() would multiply by the size's low 32 bits: 4294967297 is 1.
#include <vector>

#include "fraction/tfrac.h"

fraction::TFrac Scale(const fraction::TFrac& x, const std::vector<char>& v) { return x * v.size(); }
