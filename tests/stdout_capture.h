#ifndef FRACTION_TESTS_STDOUT_CAPTURE_H
#define FRACTION_TESTS_STDOUT_CAPTURE_H

// Standard output read back, for the unit tests and the fuzz target alike:
// what the library writes there (the invalid-data message) is part of what
// they check.

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#else
#include <unistd.h>
#endif

#include "fraction/console_text.h"
#include "fraction/tfrac.h"

namespace fraction::testing {

// While it lives, standard output (file descriptor 1, so stdio, iostreams
// and the library's writes alike) goes to a temporary file instead. A file
// rather than a pipe: a write to it never blocks, however much piles up.
class StdoutCapture {
 public:
  StdoutCapture() {
    Require(file_ != -1 && saved_ != -1, "a temporary file for standard output");
    Require(std::fflush(stdout) == 0 && Dup2(file_, kStdout) != -1, "standard output redirected");
  }

  StdoutCapture(const StdoutCapture&) = delete;
  StdoutCapture& operator=(const StdoutCapture&) = delete;
  StdoutCapture(StdoutCapture&&) = delete;
  StdoutCapture& operator=(StdoutCapture&&) = delete;

  ~StdoutCapture() {
    std::fflush(stdout);
    Dup2(saved_, kStdout);
    Close(saved_);
    Close(file_);
  }

  // Everything written to standard output since the capture began or the
  // last Take. The file is emptied, and descriptor 1, which shares its
  // offset, starts again at its beginning.
  std::string Take() {  // NOLINT(readability-make-member-function-const): empties the file
    Require(std::fflush(stdout) == 0, "standard output flushed");
    std::string bytes;
    Require(Seek(file_, 0) == 0, "standard output rewound");
    char buffer[4096];
    for (int count = 0; (count = Read(file_, buffer, sizeof buffer)) > 0;) {
      bytes.append(buffer, static_cast<std::size_t>(count));
    }
    Require(Truncate(file_) == 0 && Seek(file_, 0) == 0, "standard output emptied");
    return bytes;
  }

 private:
  static constexpr int kStdout = 1;

  static void Require(bool holds, const char* what) {
    if (!holds) {
      std::fprintf(stderr, "standard output capture failed: %s\n", what);
      std::abort();
    }
  }

#ifdef _WIN32
  // Where the user may write, removed when closed: MSVCRT's tmpfile would
  // make its file in the drive's root directory.
  static int OpenTemporary() {
    char* const name = _tempnam(nullptr, "fraction-stdout-");
    const int fd = name == nullptr
                       ? -1
                       : _open(name, _O_CREAT | _O_EXCL | _O_RDWR | _O_BINARY | _O_TEMPORARY,
                               _S_IREAD | _S_IWRITE);
    std::free(name);
    return fd;
  }
  static int Dup(int fd) { return _dup(fd); }
  static int Dup2(int from, int to) { return _dup2(from, to); }
  static int Close(int fd) { return _close(fd); }
  static long Seek(int fd, long offset) { return _lseek(fd, offset, SEEK_SET); }
  static int Read(int fd, char* buffer, unsigned size) { return _read(fd, buffer, size); }
  static int Truncate(int fd) { return _chsize(fd, 0); }
#else
  // Unlinked already: it goes when the last descriptor to it is closed.
  static int OpenTemporary() {
    std::FILE* const file = std::tmpfile();
    if (file == nullptr) return -1;
    const int fd = dup(fileno(file));
    std::fclose(file);
    return fd;
  }
  static int Dup(int fd) { return dup(fd); }
  static int Dup2(int from, int to) { return dup2(from, to); }
  static int Close(int fd) { return close(fd); }
  static long Seek(int fd, long offset) { return static_cast<long>(lseek(fd, offset, SEEK_SET)); }
  static int Read(int fd, char* buffer, unsigned size) {
    return static_cast<int>(read(fd, buffer, size));
  }
  static int Truncate(int fd) { return ftruncate(fd, 0); }
#endif

  int file_ = OpenTemporary();
  int saved_ = Dup(kStdout);  // where standard output went before
};

// What `action` wrote to standard output.
template <class Action>
std::string StdoutOf(Action&& action) {
  StdoutCapture capture;
  action();
  return capture.Take();
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
