// What the program made of a page's examples (examples.cmake) checks them
// with: a value described the way the comments write it, and the
// comparison with the comment.
#ifndef FRACTION_TESTS_README_CHECK_H
#define FRACTION_TESTS_README_CHECK_H

#include <algorithm>
#include <charconv>
#include <exception>
#include <iostream>
#include <iterator>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <type_traits>

#include "fraction/tfrac.h"

namespace readme {

// As the comments write them: a fraction as ToString() does, an optional or
// a unique_ptr as its value, or empty or null.
inline std::string Describe(const fraction::TFrac& value) { return value.ToString(); }
template <class T>
std::string Describe(const std::optional<T>& value);
template <class T>
std::string Describe(const std::unique_ptr<T>& value);

// GMP's numbers (mpz_class, mpq_class) write themselves with get_str(): their
// stream operators live in libgmpxx, which the pages do not link.
template <class T, class = void>
struct HasGetStr : std::false_type {};
template <class T>
struct HasGetStr<T, std::void_t<decltype(std::declval<const T&>().get_str())>> : std::true_type {};

template <class T, class = void>
struct IsRange : std::false_type {};
template <class T>
struct IsRange<T, std::void_t<decltype(std::begin(std::declval<const T&>()))>> : std::true_type {};

// bool as true or false, text in double quotes, a pointer as what it points
// to or null, a double as its shortest exact text, GMP's numbers as
// get_str() writes them, a range as {a, b, c}, anything else as << writes
// it.
template <class T>
std::string Describe(const T& value) {
  if constexpr (std::is_same_v<T, bool>) {
    return value ? "true" : "false";
  } else if constexpr (std::is_convertible_v<const T&, std::string_view>) {
    return '"' + std::string(std::string_view(value)) + '"';
  } else if constexpr (std::is_pointer_v<T>) {
    return value != nullptr ? Describe(*value) : "null";
  } else if constexpr (std::is_floating_point_v<T>) {
    char text[64];
    return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
  } else if constexpr (std::is_integral_v<T>) {
    return std::to_string(value);
  } else if constexpr (HasGetStr<T>::value) {
    return value.get_str();
  } else if constexpr (IsRange<T>::value) {
    std::string text = "{";
    for (const auto& element : value) {
      if (text.size() > 1) text += ", ";
      text += Describe(element);
    }
    return text + "}";
  } else {
    std::ostringstream text;
    text << value;
    return text.str();
  }
}

template <class T>
std::string Describe(const std::optional<T>& value) {
  return value ? Describe(*value) : "empty";
}

template <class T>
std::string Describe(const std::unique_ptr<T>& value) {
  return value ? Describe(*value) : "null";
}

inline const char* page = "";  // NOLINT(*-avoid-non-const-global-variables)
inline int checked = 0;        // NOLINT(*-avoid-non-const-global-variables)
inline int wrong = 0;          // NOLINT(*-avoid-non-const-global-variables)

// The comment holds the value when it starts with its description, followed
// by its end or by ':', ';', ',' or a space ("7/6: the sum" holds 7/6, "7/60"
// does not).
inline void Expect(int line, std::string_view code, const std::string& actual,
                   std::string_view comment) {
  ++checked;
  const std::string_view rest = comment.substr(std::min(actual.size(), comment.size()));
  if (comment.substr(0, actual.size()) != actual ||
      (!rest.empty() && std::string_view(":;, ").find(rest.front()) == std::string_view::npos)) {
    ++wrong;
    std::cerr << page << ':' << line << ": " << code << "\n  gives " << actual
              << ", where the comment says: " << comment << '\n';
  }
}

template <class T>
void Check(int line, std::string_view code, const T& value, std::string_view comment) {
  Expect(line, code, Describe(value), comment);
}

// What `run` writes to std::cout or std::wcout (ASCII), without its last
// line break; "nothing" for nothing.
template <class Run>
std::string Printed(Run run) {
  std::ostringstream text;
  std::wostringstream wide_text;
  std::streambuf* const old = std::cout.rdbuf(text.rdbuf());
  std::wstreambuf* const old_wide = std::wcout.rdbuf(wide_text.rdbuf());
  run();
  std::cout.rdbuf(old);
  std::wcout.rdbuf(old_wide);
  std::string printed = text.str();
  for (const wchar_t c : wide_text.str()) printed += c < 0x80 ? static_cast<char>(c) : '?';
  if (!printed.empty() && printed.back() == '\n') printed.pop_back();
  return printed.empty() ? "nothing" : printed;
}

// Runs the block of statements that starts at `line`; one that throws counts
// as wrong, and the blocks after it still run.
inline void RunBlock(int line, void (*block)()) {
  try {
    block();
  } catch (const std::exception& error) {
    ++wrong;
    std::cerr << page << ':' << line << ": the block throws: " << error.what() << '\n';
  }
}

inline int Report(int blocks) {
  std::cerr << page << ": " << blocks << " blocks run, " << checked << " results checked, " << wrong
            << " wrong\n";
  return wrong == 0 ? 0 : 1;
}

}  // namespace readme

#endif  // FRACTION_TESTS_README_CHECK_H
