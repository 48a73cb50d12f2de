#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <clocale>
#include <ostream>
#include <string>

#include "fraction/console_text.h"
#include "stdout_capture.h"

namespace fraction {
namespace {

// Switches the C locale for one test and restores it after.
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

TEST(ConsoleText, Utf8CoversEveryPlaneAndReplacesWhatIsNoCharacter) {
  const ScopedLocale c_locale("C");
  EXPECT_EQ(EncodeForConsole(L"a\u00e9\u20ac\U0001F600"), "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80");
  // A lone surrogate (UTF-16) or an out-of-range value (UTF-32) is no
  // character: it becomes U+FFFD rather than vanishing.
  const std::wstring broken = {L'x', static_cast<wchar_t>(0xD800), L'y'};
  EXPECT_EQ(EncodeForConsole(broken), "x\xEF\xBF\xBDy");
}

// Text in a locale, and the bytes it must become: the locale's encoding
// where that holds the whole text, UTF-8 otherwise (never '?' and never a
// mixture). Rows whose locale this system lacks are skipped: the Windows
// names are the C runtime's, for the code pages a Russian and an English
// system give a program by default.
struct Encoding {
  const char* locale;
  const wchar_t* text;
  const char* bytes;
};

// Names the row in test listings, instead of its bytes.
void PrintTo(const Encoding& e, std::ostream* out) { *out << e.locale; }

class ConsoleTextInLocale : public ::testing::TestWithParam<Encoding> {};

TEST_P(ConsoleTextInLocale, UsesTheLocaleWhereItHoldsTheTextElseUtf8) {
  const Encoding& e = GetParam();
  const ScopedLocale locale(e.locale);
  if (!locale.Active()) {
    GTEST_SKIP() << "no " << e.locale << " locale here";
  }
  EXPECT_EQ(EncodeForConsole(e.text), e.bytes) << e.locale;
}

INSTANTIATE_TEST_SUITE_P(
    ConsoleText, ConsoleTextInLocale,
    ::testing::Values(Encoding{"C", L"Дробь №1",
                               "\xD0\x94\xD1\x80\xD0\xBE\xD0\xB1\xD1\x8C \xE2\x84\x96"
                               "1"},
                      Encoding{"C.UTF-8", L"Ж", "\xD0\x96"},
                      // KOI8-R has every Cyrillic letter but not '№', spelled "No" there.
                      Encoding{"ru_RU.KOI8-R", L"Дробь №1", "\xE4\xD2\xCF\xC2\xD8 No1"},
                      Encoding{"ru_RU.KOI8-R", L"Д\u20ac", "\xD0\x94\xE2\x82\xAC"},
                      Encoding{"Russian_Russia.1251", L"Дробь №1",
                               "\xC4\xF0\xEE\xE1\xFC \xB9"
                               "1"},
                      Encoding{"English_United States.1252", L"Дробь №1",
                               "\xD0\x94\xD1\x80\xD0\xBE\xD0\xB1\xD1\x8C \xE2\x84\x96"
                               "1"}),
    // Test names after the locale, e.g. ru_RU_KOI8_R_2.
    [](const ::testing::TestParamInfo<Encoding>& row) {
      std::string name = row.param.locale;
      std::replace_if(
          name.begin(), name.end(),
          [](char c) { return std::isalnum(static_cast<unsigned char>(c)) == 0; }, '_');
      return name + "_" + std::to_string(row.index);
    });

TEST(ConsoleText, WritesNarrowSoLaterNarrowOutputIsKept) {
  const std::string out = testing::StdoutOf([] {
    std::printf("before ");
    WriteToConsole(L"Ж");
    std::printf(" after");
    std::fflush(stdout);
  });
  EXPECT_EQ(out, "before " + EncodeForConsole(L"Ж") + " after");
}

}  // namespace
}  // namespace fraction
