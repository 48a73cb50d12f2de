#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <cstring>
#include <iomanip>
#include <iterator>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "fraction/tfrac.h"
#include "scoped_locale.h"
#include "stdout_capture.h"

namespace fraction {
namespace {

using testing::ScopedLocale;
using testing::StdoutOf;

// The same in every locale, the user's ("") included: on the Windows C
// runtime, isspace takes byte 0xA0 (no-break space) for white space in code
// pages 1251 and 1252, a Russian and an English system's default.
TEST(FractionText, ParsesLikeStrtokAndAtolWithoutChecks) {
  struct Case {
    const char* text;
    std::int32_t numerator, denominator;
  };
  const Case cases[] = {
      {"2/3", 2, 3},
      {"4/6", 4, 6},  // not reduced
      {"-1/2", -1, 2},
      {"1/-2", 1, -2},  // not validated
      {"2/x", 2, 0},
      {"x/3", 0, 3},
      {" 7/ 3", 7, 3},
      {"\t\n\v\f\r 9/1", 9, 1},
      {"\xA0"
       "5/1",
       0, 1},  // no-break space is not C white space
      {"//5//8", 5, 8},
      {"2/3/4", 2, 3},
      {"+5/+6", 5, 6},
      {"-+5/2", 0, 2},
      {"- 5/2", 0, 2},
      {"12abc/34def", 12, 34},
      {"00012/0003", 12, 3},
      {"-0/1", 0, 1},
      {"  /3", 0, 3},
      {"-2147483648/2147483647", INT32_MIN, INT32_MAX},
      // Missing parts: numerator 0, denominator 1.
      {"5", 5, 1},
      {"5/", 5, 1},
      {"5///", 5, 1},
      {"", 0, 1},
      {"/", 0, 1},
      {"///", 0, 1},
      // Out of range: saturated to the nearest limit.
      {"2147483648/1", INT32_MAX, 1},
      {"99999999999/1", INT32_MAX, 1},
      {"1/-3000000000", 1, INT32_MIN},
      {"-2147483649/1", INT32_MIN, 1},
      {"-99999999999999999999999999/1", INT32_MIN, 1},
  };
  for (const char* name : {"C", "", "Russian_Russia.1251", "English_United States.1252"}) {
    const ScopedLocale locale(name);
    if (!locale.Active()) continue;
    const std::string where = std::string(" in locale \"") + name + '"';
    for (const Case& c : cases) {
      std::unique_ptr<TFrac> f;
      const std::string out = StdoutOf([&] { f = std::make_unique<TFrac>(c.text); });
      EXPECT_EQ(out, "") << '"' << c.text << '"' << where;
      EXPECT_EQ(f->Numerator(), c.numerator) << '"' << c.text << '"' << where;
      EXPECT_EQ(f->Denominator(), c.denominator) << '"' << c.text << '"' << where;
    }
  }
}

TEST(FractionText, NullTextReadsAsEmpty) {
  const TFrac f(static_cast<const char*>(nullptr));
  EXPECT_EQ(f.ToString(), "0/1");
}

TEST(FractionText, LeavesTheCallersTextUnchanged) {
  char text[] = "//12/34/56";
  const std::string before = text;
  const TFrac f(text);
  EXPECT_EQ(f.ToString(), "12/34");
  EXPECT_EQ(std::string(text), before);
}

TEST(FractionText, ParsesKeepNoStateBetweenCalls) {
  // A strtok-based parse would mix the tokens of texts parsed at once.
  const auto parse_many = [](const char* text, const char* expected, bool* ok) {
    for (int i = 0; i < 20000; ++i) {
      if (TFrac(text).ToString() != expected) {
        *ok = false;
        return;
      }
    }
  };
  bool ok1 = true, ok2 = true;
  std::thread t1(parse_many, "1/2", "1/2", &ok1);
  std::thread t2(parse_many, "//-30//40//50", "-30/40", &ok2);
  t1.join();
  t2.join();
  EXPECT_TRUE(ok1);
  EXPECT_TRUE(ok2);
}

TEST(FractionText, ToStringWritesTheStoredFieldsInFull) {
  struct Case {
    std::int32_t numerator, denominator;
    const char* text;
  };
  const Case cases[] = {
      {0, 1, "0/1"},
      {-2, 1, "-2/1"},
      {1, 1, "1/1"},
      {INT32_MIN, INT32_MAX, "-2147483648/2147483647"},
      {INT32_MAX, INT32_MIN, "2147483647/-2147483648"},
      {INT32_MIN, INT32_MIN, "-2147483648/-2147483648"},
      {5, 0, "5/0"},
      {0, 0, "0/0"},
  };
  for (const Case& c : cases) {
    // Built from text so that every pair of fields can be stored.
    const std::string built = std::to_string(c.numerator) + "/" + std::to_string(c.denominator);
    const TFrac f(built.c_str());
    EXPECT_EQ(f.ToString(), c.text);
    // And back: the text form reads in as the same two fields.
    const TFrac again(f.ToString().c_str());
    EXPECT_TRUE(again.Equal(&f)) << c.text;
  }
}

TEST(FractionText, StreamsReadTheStrictFormAndWriteTheTextForm) {
  struct Case {
    const char* input;
    const char* stored;  // nullptr: failbit, the fraction unchanged
    const char* unread;
    bool eof;  // the reader met the end of the input
  };
  const Case cases[] = {
      {"3/4", "3/4", "", true},
      {" \n\t-6/-8 ", "-6/-8", " ", false},  // neither reduced nor validated
      {"+1/+2", "1/2", "", true},
      {"5", "5/1", "", true},
      {"0/0", "0/0", "", true},
      {"-2147483648/2147483647", "-2147483648/2147483647", "", true},
      {"0002147483647/1", "2147483647/1", "", true},
      {"2147483647", "2147483647/1", "", true},
      {"-2147483648", "-2147483648/1", "", true},
      {"1/2/3", "1/2", "/3", false},
      {"1 /2", "1/1", " /2", false},
      {"12abc", "12/1", "abc", false},
      {"2147483648/1", nullptr, "/1", false},
      {"1/-2147483649", nullptr, "", true},
      {"21474836470", nullptr, "", true},  // one digit past the bound
      {"-21474836480", nullptr, "", true},
      {"1/21474836470", nullptr, "", true},
      {"5/", nullptr, "", true},
      {"5/x", nullptr, "x", false},
      {"/5", nullptr, "/5", false},
      {"- 5", nullptr, " 5", false},
      {"+", nullptr, "", true},
      {"", nullptr, "", true},
  };
  for (const Case& c : cases) {
    std::istringstream in(c.input);
    TFrac f(7, 9);
    in >> f;
    EXPECT_EQ(!in.fail(), c.stored != nullptr) << '"' << c.input << '"';
    EXPECT_EQ(f.ToString(), c.stored != nullptr ? c.stored : "7/9") << '"' << c.input << '"';
    EXPECT_EQ(in.eof(), c.eof) << '"' << c.input << '"';
    in.clear();
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), c.unread)
        << '"' << c.input << '"';
  }
  std::ostringstream out;
  out << TFrac(-6, 4) << ' ' << TFrac("4/-6");
  EXPECT_EQ(out.str(), "-3/2 4/-6");
  std::wostringstream wide;
  wide << TFrac(-6, 4) << L' ' << std::setw(7) << std::left << TFrac("4/-6") << L'|';
  EXPECT_EQ(wide.str(), L"-3/2 4/-6   |");
}

}  // namespace
}  // namespace fraction
