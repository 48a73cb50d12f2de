#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cwchar>
#include <ostream>
#include <string>

#include "fraction/console_text.h"
#include "fraction/tfrac.h"
#include "scoped_locale.h"
#include "stdout_capture.h"

namespace fraction {
namespace {

using testing::ScopedLocale;

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

const Encoding encodings[] = {
    {"C", L"Дробь №1",
     "\xD0\x94\xD1\x80\xD0\xBE\xD0\xB1\xD1\x8C \xE2\x84\x96"
     "1"},
    // The invalid-data message, word for word: "Неверно введены данные!".
    {"C", TFrac::InvalidDataMessage(),
     "\xD0\x9D\xD0\xB5\xD0\xB2\xD0\xB5\xD1\x80\xD0\xBD\xD0\xBE "
     "\xD0\xB2\xD0\xB2\xD0\xB5\xD0\xB4\xD0\xB5\xD0\xBD\xD1\x8B "
     "\xD0\xB4\xD0\xB0\xD0\xBD\xD0\xBD\xD1\x8B\xD0\xB5!"},
    // UTF-8 on both sides of each change of length (1 to 4 bytes)...
    {"C", L"\x7F\x80\u07FF\u0800\uFFFF\U00010000\U0010FFFF",
     "\x7F\xC2\x80\xDF\xBF\xE0\xA0\x80\xEF\xBF\xBF\xF0\x90\x80\x80\xF4\x8F\xBF\xBF"},
    // ... and of the surrogates, which are no characters: each one alone
    // becomes U+FFFD, also a high one that ends the text (UTF-16).
    {"C", L"\uD7FF\xD800x\xDFFF\uE000\xDBFF",
     "\xED\x9F\xBF\xEF\xBF\xBDx\xEF\xBF\xBD\xEE\x80\x80\xEF\xBF\xBD"},
#if WCHAR_MAX > 0xFFFF
    // Beyond U+10FFFF (UTF-32 only): no character either.
    {"C", L"\U0010FFFF\x110000", "\xF4\x8F\xBF\xBF\xEF\xBF\xBD"},
#endif
    {"C.UTF-8", L"Ж", "\xD0\x96"},
    // KOI8-R has every Cyrillic letter but not '№', spelled "No" there.
    {"ru_RU.KOI8-R", L"Дробь №1", "\xE4\xD2\xCF\xC2\xD8 No1"},
    {"ru_RU.KOI8-R", L"Д\u20ac", "\xD0\x94\xE2\x82\xAC"},
    {"Russian_Russia.1251", L"Дробь №1",
     "\xC4\xF0\xEE\xE1\xFC \xB9"
     "1"},
    {"English_United States.1252", L"Дробь №1",
     "\xD0\x94\xD1\x80\xD0\xBE\xD0\xB1\xD1\x8C \xE2\x84\x96"
     "1"},
};

// Names a row in test listings after its locale, e.g. ru_RU_KOI8_R_7.
std::string RowName(const ::testing::TestParamInfo<Encoding>& row) {
  std::string name = row.param.locale;
  std::replace_if(
      name.begin(), name.end(),
      [](char c) { return std::isalnum(static_cast<unsigned char>(c)) == 0; }, '_');
  return name + "_" + std::to_string(row.index);
}

INSTANTIATE_TEST_SUITE_P(ConsoleText, ConsoleTextInLocale, ::testing::ValuesIn(encodings), RowName);

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
