// Format's e, f and g beside std::to_chars of the same double. The values
// are n/2^k, each exactly a double, so that both must write the same
// digits: to_chars rounds a double's exact value as Format rounds a
// fraction's.
#include "format_bench.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "fraction/tfrac.h"
#include "ratio_table.h"

namespace fraction_bench {
namespace {

using fraction::TFrac;

// kCount distinct values n/2^k in lowest terms, n in ±(2^31 − 1) without 0
// and k in 0..30, in random order.
std::vector<TFrac> DyadicValues() {
  std::mt19937 engine(2024);  // the same values on every run
  std::uniform_int_distribution<std::int32_t> numerator(-INT32_MAX, INT32_MAX);
  std::uniform_int_distribution<int> shift(0, 30);
  std::set<std::pair<std::int32_t, std::int32_t>> seen;
  std::vector<TFrac> values;
  while (values.size() < kCount) {
    const TFrac x(numerator(engine), std::int32_t{1} << shift(engine));
    if (x.Numerator() != 0 && seen.emplace(x.Numerator(), x.Denominator()).second) {
      values.push_back(x);
    }
  }
  std::shuffle(values.begin(), values.end(), engine);
  return values;
}

struct SameText {
  bool operator()(const std::optional<std::string>& ours, const std::string& theirs) const {
    return ours == theirs;
  }
};

}  // namespace

void CompareFormats() {
  // Alive as long as the benchmarks that read them.
  static const std::vector<TFrac> values = DyadicValues();
  static std::vector<double> doubles;
  for (const TFrac& x : values) {
    doubles.push_back(x.ToDouble());
  }
  const struct {
    const char* name;
    const char* options;
    std::chars_format form;
  } kForms[] = {{"e", ".6e", std::chars_format::scientific},
                {"f", ".6f", std::chars_format::fixed},
                {"g", ".6g", std::chars_format::general}};
  for (const auto& form : kForms) {
    const std::string options = form.options;
    const std::chars_format chars = form.form;
    Compare(
        std::string("Format/") + form.name, "TFrac", values,
        [options](const TFrac& x) { return x.Format(options); }, "to_chars", doubles,
        [chars](double d) {
          char text[64];
          return std::string(text, std::to_chars(text, text + sizeof text, d, chars, 6).ptr);
        },
        SameText{}, 0);
  }
}

}  // namespace fraction_bench
