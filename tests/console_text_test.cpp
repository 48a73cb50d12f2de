#include <gtest/gtest.h>

#include <clocale>
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

TEST(ConsoleText, CyrillicIsUtf8WhereTheLocaleCannotHoldIt) {
  const ScopedLocale c_locale("C");
  EXPECT_EQ(EncodeForConsole(L"Дробь №1"),
            "\xD0\x94\xD1\x80\xD0\xBE\xD0\xB1\xD1\x8C \xE2\x84\x96"
            "1");
}

TEST(ConsoleText, Utf8CoversEveryPlaneAndReplacesWhatIsNoCharacter) {
  const ScopedLocale c_locale("C");
  EXPECT_EQ(EncodeForConsole(L"a\u00e9\u20ac\U0001F600"), "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80");
  // A lone surrogate (UTF-16) or an out-of-range value (UTF-32) is no
  // character: it becomes U+FFFD rather than vanishing.
  const std::wstring broken = {L'x', static_cast<wchar_t>(0xD800), L'y'};
  EXPECT_EQ(EncodeForConsole(broken), "x\xEF\xBF\xBDy");
}

TEST(ConsoleText, FollowsAUtf8Locale) {
  const ScopedLocale utf8("C.UTF-8");
  if (!utf8.Active()) {
    GTEST_SKIP() << "no C.UTF-8 locale here";
  }
  EXPECT_EQ(EncodeForConsole(L"Ж"), "\xD0\x96");
}

TEST(ConsoleText, FollowsACyrillicLocaleAndSpellsWhatItLacks) {
  const ScopedLocale koi8r("ru_RU.KOI8-R");
  if (!koi8r.Active()) {
    GTEST_SKIP() << "no ru_RU.KOI8-R locale here";
  }
  EXPECT_EQ(EncodeForConsole(L"Дробь №1"), "\xE4\xD2\xCF\xC2\xD8 No1");
  // Not a Cyrillic text then: UTF-8 whole, not a mixture.
  EXPECT_EQ(EncodeForConsole(L"Д\u20ac"), "\xD0\x94\xE2\x82\xAC");
}

// Windows locale names (the C runtime's), so these run on Windows only: the
// code pages a Russian and an English system give a program by default.
TEST(ConsoleText, FollowsAWindowsCyrillicCodePage) {
  const ScopedLocale cp1251("Russian_Russia.1251");
  if (!cp1251.Active()) {
    GTEST_SKIP() << "no Windows locale names here";
  }
  EXPECT_EQ(EncodeForConsole(L"Дробь №1"),
            "\xC4\xF0\xEE\xE1\xFC \xB9"
            "1");
}

TEST(ConsoleText, CyrillicIsUtf8InAWindowsWesternCodePage) {
  const ScopedLocale cp1252("English_United States.1252");
  if (!cp1252.Active()) {
    GTEST_SKIP() << "no Windows locale names here";
  }
  // Not "?" for what code page 1252 lacks: the whole text goes UTF-8.
  EXPECT_EQ(EncodeForConsole(L"Дробь №1"),
            "\xD0\x94\xD1\x80\xD0\xBE\xD0\xB1\xD1\x8C \xE2\x84\x96"
            "1");
}

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
