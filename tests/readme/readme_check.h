// What the program made of README's examples (check_readme.cmake) checks
// them with: a value described the way README's comments write it, and the
// comparison with the comment.
#ifndef FRACTION_TESTS_README_CHECK_H
#define FRACTION_TESTS_README_CHECK_H

#include <charconv>
#include <iostream>
#include <memory>
#include <optional>
#include <sstream>
#include <streambuf>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

#include "fraction/tfrac.h"

namespace readme {

template <class T>
struct IsOptional : std::false_type {};
template <class T>
struct IsOptional<std::optional<T>> : std::true_type {};

template <class T>
struct IsUniquePtr : std::false_type {};
template <class T, class D>
struct IsUniquePtr<std::unique_ptr<T, D>> : std::true_type {};

template <class T, class = void>
struct IsStreamable : std::false_type {};
template <class T>
struct IsStreamable<
    T, std::void_t<decltype(std::declval<std::ostream&>() << std::declval<const T&>())>>
    : std::true_type {};

template <class T>
struct Unsupported : std::false_type {};

// bool as true or false, a fraction as ToString() ("7/-2"), text in double
// quotes, an optional's or a pointer's value or "empty" or "null", a double
// as its shortest exact text, anything else as << writes it.
template <class T>
std::string Describe(const T& value) {
  if constexpr (std::is_same_v<T, bool>) {
    return value ? "true" : "false";
  } else if constexpr (std::is_same_v<T, fraction::TFrac>) {
    return value.ToString();
  } else if constexpr (std::is_convertible_v<const T&, std::string_view>) {
    return '"' + std::string(std::string_view(value)) + '"';
  } else if constexpr (IsOptional<T>::value) {
    return value ? Describe(*value) : "empty";
  } else if constexpr (std::is_pointer_v<T> || IsUniquePtr<T>::value) {
    return value != nullptr ? Describe(*value) : "null";
  } else if constexpr (std::is_floating_point_v<T>) {
    char text[64];
    return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
  } else if constexpr (std::is_integral_v<T>) {
    return std::to_string(value);
  } else if constexpr (IsStreamable<T>::value) {
    std::ostringstream text;
    text << value;
    return text.str();
  } else {
    static_assert(Unsupported<T>::value, "a comment states a value of a type README cannot show");
    return {};
  }
}

struct Tally {
  int checked = 0;
  int failed = 0;
};

inline Tally& Counts() {
  static Tally tally;
  return tally;
}

// The comment holds the value when it starts with its description, followed
// by its end or by ':', ';', ',' or a space ("7/6: the sum" holds 7/6, "7/60"
// does not).
inline void Expect(int line, std::string_view code, const std::string& actual,
                   std::string_view comment) {
  ++Counts().checked;
  const bool holds =
      comment.substr(0, actual.size()) == actual &&
      (comment.size() == actual.size() ||
       std::string_view(":;, ").find(comment[actual.size()]) != std::string_view::npos);
  if (!holds) {
    ++Counts().failed;
    std::cerr << "README.md:" << line << ": " << code << "\n  gives " << actual
              << ", where the comment says: " << comment << '\n';
  }
}

template <class T>
void Check(int line, std::string_view code, const T& value, std::string_view comment) {
  Expect(line, code, Describe(value), comment);
}

// What one line writes to std::cout, without its last line break; "nothing"
// when it writes nothing.
class Capture {
 public:
  Capture() : old_(std::cout.rdbuf(text_.rdbuf())) {}
  Capture(const Capture&) = delete;
  Capture& operator=(const Capture&) = delete;
  Capture(Capture&&) = delete;
  Capture& operator=(Capture&&) = delete;
  ~Capture() { std::cout.rdbuf(old_); }

  [[nodiscard]] std::string Text() const {
    std::string text = text_.str();
    if (!text.empty() && text.back() == '\n') text.pop_back();
    return text.empty() ? "nothing" : text;
  }

 private:
  std::ostringstream text_;
  std::streambuf* old_;
};

inline int Report(int blocks) {
  std::cout << "README: " << blocks << " blocks run, " << Counts().checked << " results checked, "
            << Counts().failed << " wrong\n";
  return Counts().failed == 0 ? 0 : 1;
}

}  // namespace readme

#endif  // FRACTION_TESTS_README_CHECK_H
