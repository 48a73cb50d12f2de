#include "fraction/console_text.h"

#include <climits>
#include <cstdio>
#include <cwchar>
#include <optional>
#include <utility>

namespace fraction {
namespace {

constexpr char32_t kReplacement = U'\uFFFD';

bool IsSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDFFF; }

void AppendUtf8(std::string& out, char32_t c) {
  if (c > 0x10FFFF || IsSurrogate(c)) {
    c = kReplacement;
  }
  const auto byte = [](char32_t bits) { return static_cast<char>(bits); };
  if (c < 0x80) {
    out += byte(c);
  } else if (c < 0x800) {
    out += byte(0xC0 | (c >> 6));
    out += byte(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += byte(0xE0 | (c >> 12));
    out += byte(0x80 | ((c >> 6) & 0x3F));
    out += byte(0x80 | (c & 0x3F));
  } else {
    out += byte(0xF0 | (c >> 18));
    out += byte(0x80 | ((c >> 12) & 0x3F));
    out += byte(0x80 | ((c >> 6) & 0x3F));
    out += byte(0x80 | (c & 0x3F));
  }
}

// Hand-written because the standard's UTF-8 facets (std::codecvt_utf8 and
// kin) are deprecated, and c32rtomb depends on the very locale we bypass.
std::string EncodeUtf8(std::wstring_view text) {
  std::string out;
  out.reserve(text.size() * 3);
  for (std::size_t i = 0; i < text.size(); ++i) {
    auto c = static_cast<char32_t>(text[i]);
    if constexpr (sizeof(wchar_t) == 2) {
      // UTF-16: join a surrogate pair; a lone surrogate becomes U+FFFD.
      c &= 0xFFFF;
      const bool high = c >= 0xD800 && c <= 0xDBFF;
      if (high && i + 1 < text.size()) {
        const auto low = static_cast<char32_t>(text[i + 1]) & 0xFFFF;
        if (low >= 0xDC00 && low <= 0xDFFF) {
          c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
          ++i;
        }
      }
    }
    AppendUtf8(out, c);
  }
  return out;
}

// Characters with a conventional ASCII spelling, for encodings that hold the
// letters of a text but not these: KOI8-R has every Cyrillic letter, not '№'.
const char* AsciiSpelling(wchar_t c) {
  switch (c) {
    case L'\u2116':  // numero sign
      return "No";
    default:
      return nullptr;
  }
}

std::optional<std::string> EncodeInLocale(std::wstring_view text) {
  std::string out;
  std::mbstate_t state{};
  char buffer[MB_LEN_MAX];
  const auto append = [&](wchar_t c) {
    const std::size_t length = std::wcrtomb(buffer, c, &state);
    if (length == static_cast<std::size_t>(-1)) {
      state = std::mbstate_t{};  // unspecified after an encoding error
      return false;
    }
    out.append(buffer, length);
    return true;
  };
  for (const wchar_t c : text) {
    if (append(c)) {
      continue;
    }
    const char* spelling = AsciiSpelling(c);
    if (spelling == nullptr) {
      return std::nullopt;
    }
    for (; *spelling != '\0'; ++spelling) {
      if (!append(static_cast<wchar_t>(*spelling))) {
        return std::nullopt;
      }
    }
  }
  if (std::mbsinit(&state) == 0) {
    // A shift encoding: close the text in its initial shift state.
    const std::size_t length = std::wcrtomb(buffer, L'\0', &state);
    if (length != static_cast<std::size_t>(-1) && length > 0) {
      out.append(buffer, length - 1);
    }
  }
  return out;
}

}  // namespace

std::string EncodeForConsole(std::wstring_view text) {
  if (auto in_locale = EncodeInLocale(text)) {
    return *std::move(in_locale);
  }
  return EncodeUtf8(text);
}

void WriteToConsole(std::wstring_view text) {
  const std::string bytes = EncodeForConsole(text);
  std::fwrite(bytes.data(), 1, bytes.size(), stdout);
  std::fflush(stdout);
}

}  // namespace fraction
