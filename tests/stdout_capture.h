#ifndef FRACTION_TESTS_STDOUT_CAPTURE_H
#define FRACTION_TESTS_STDOUT_CAPTURE_H

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "fraction/console_text.h"
#include "fraction/tfrac.h"

namespace fraction::testing {

// What `action` wrote to standard output.
template <class Action>
std::string StdoutOf(Action&& action) {
  ::testing::internal::CaptureStdout();
  action();
  return ::testing::internal::GetCapturedStdout();
}

// The invalid-data message as it reaches standard output.
inline std::string MessageBytes() { return EncodeForConsole(TFrac::InvalidDataMessage()); }

// How many times the invalid-data message stands in `output`.
inline int MessageCount(std::string_view output) {
  const std::string message = MessageBytes();
  int count = 0;
  for (auto at = output.find(message); at != std::string_view::npos;
       at = output.find(message, at + message.size())) {
    ++count;
  }
  return count;
}

}  // namespace fraction::testing

#endif  // FRACTION_TESTS_STDOUT_CAPTURE_H
