#ifndef FRACTION_TESTS_SCOPED_LOCALE_H
#define FRACTION_TESTS_SCOPED_LOCALE_H

#include <clocale>
#include <string>

namespace fraction::testing {

// Switches the C locale for one test and restores it after. Names that
// the system lacks leave the locale as it was and the object inactive.
class ScopedLocale {
 public:
  explicit ScopedLocale(const char* name)
      : saved_(std::setlocale(LC_ALL, nullptr)), active_(std::setlocale(LC_ALL, name) != nullptr) {}
  ~ScopedLocale() { std::setlocale(LC_ALL, saved_.c_str()); }
  ScopedLocale(const ScopedLocale&) = delete;
  ScopedLocale& operator=(const ScopedLocale&) = delete;
  [[nodiscard]] bool Active() const { return active_; }

 private:
  std::string saved_;
  bool active_;
};

}  // namespace fraction::testing

#endif  // FRACTION_TESTS_SCOPED_LOCALE_H
