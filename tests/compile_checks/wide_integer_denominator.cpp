// expect-error: deleted
// 4294967295u would become -1, invalid data, where it means a large
// denominator.
#include <cstdint>

#include "fraction/tfrac.h"

void Make() { [[maybe_unused]] const fraction::TFrac x(1, std::uint32_t{4294967295u}); }
