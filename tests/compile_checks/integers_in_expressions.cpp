// The control: integers take a fraction's place in every operator and in
// the operations taking a fraction, with no warning and no ambiguity among
// C++20's rewritten and reversed comparisons; a literal 0 never reaches the
// text constructor, which is explicit. Only integer types whose every value
// fits in 32 bits signed convert.
#include <climits>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>
#include <type_traits>

#include "fraction/tfrac.h"

using fraction::TFrac;

template <class... T>
constexpr bool kConvert = (std::is_convertible_v<T, TFrac> && ...);
static_assert(kConvert<bool, char, short, std::uint16_t, int, std::int32_t>);
static_assert(!kConvert<long long> && !kConvert<std::int64_t> && !kConvert<std::uint32_t> &&
              !kConvert<std::size_t> && !std::is_constructible_v<TFrac, int, long long>);
static_assert(kConvert<long> == (LONG_MAX == INT32_MAX));

bool Integers() {
  const TFrac five = 5;
  TFrac x = {1, 2};
  x += 1;
  x -= 2;
  x *= 3;
  x /= 4;
  const TFrac values[] = {x + 1, 2 * x, 1 - x, x / 3, -x, TFrac{}, TFrac(7), five};
  const bool compared = x == 0 || 0 == x || x != 1 || 1 < x || x <= 2 || x > -1 || 3 >= x;
  using std::abs;
  const std::optional<TFrac> checked = abs(x).CheckedAdd(1);
  const auto made = std::make_unique<TFrac>(1, 2);
  return compared && checked && *made < values[0];
}
