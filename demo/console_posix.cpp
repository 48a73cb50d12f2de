#include <termios.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <csignal>
#include <cstdio>

#include "console.h"

namespace demo::console {
namespace {

// The terminal's settings while Pause changes them. Globals, since the
// signal handler must reach them.
struct termios saved_settings;                    // NOLINT(*-avoid-non-const-global-variables)
volatile std::sig_atomic_t settings_changed = 0;  // NOLINT(*-avoid-non-const-global-variables)

// A signal that ends the process unless handled, and its former handling.
struct Disposition {
  int signal_number;
  struct sigaction previous;
};

// Puts the terminal back as it was, then dies of the signal as if no handler
// had been installed. tcsetattr and raise are async-signal-safe.
extern "C" void RestoreAndRaise(int signal_number) {
  if (settings_changed != 0) {
    tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved_settings);
  }
  ::signal(signal_number, SIG_DFL);
  ::raise(signal_number);
}

// Reads one byte, retrying when a signal that is not fatal interrupts.
// End of input or an error ends the wait too: it never blocks for nothing.
void ReadOneByte() {
  char byte = 0;
  while (read(STDIN_FILENO, &byte, 1) < 0 && errno == EINTR) {
  }
}

// One key without Enter and without echo, the terminal restored afterwards,
// also when a signal ends the process meanwhile.
void WaitForKeyOnTerminal() {
  if (tcgetattr(STDIN_FILENO, &saved_settings) != 0) {
    ReadOneByte();
    return;
  }
  struct sigaction action {};
  action.sa_handler = RestoreAndRaise;
  sigemptyset(&action.sa_mask);
  std::array<Disposition, 4> dispositions{
      {{SIGINT, {}}, {SIGQUIT, {}}, {SIGTERM, {}}, {SIGHUP, {}}}};
  for (Disposition& d : dispositions) {
    sigaction(d.signal_number, &action, &d.previous);
  }

  struct termios raw = saved_settings;
  raw.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO);
  raw.c_cc[VMIN] = 1;
  raw.c_cc[VTIME] = 0;
  settings_changed = 1;
  // TCSANOW keeps a key pressed before the prompt; flushing on the way back
  // drops the rest of a key that sends several bytes (an arrow key, say).
  tcsetattr(STDIN_FILENO, TCSANOW, &raw);

  ReadOneByte();

  tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved_settings);
  settings_changed = 0;
  for (const Disposition& d : dispositions) {
    sigaction(d.signal_number, &d.previous, nullptr);
  }
}

}  // namespace

// A terminal decodes by its own setting, which the locale describes.
void PrepareOutput() {}

void SetTitle(const char* title) {
  // Only a terminal understands the sequence; piped output stays clean.
  if (isatty(STDOUT_FILENO) != 0) {
    std::printf("\033]0;%s\007", title);
    std::fflush(stdout);
  }
}

void Pause() {
  // The Windows command interpreter's wording, which users know.
  std::fputs("Press any key to continue . . . ", stdout);
  std::fflush(stdout);
  if (isatty(STDIN_FILENO) != 0) {
    WaitForKeyOnTerminal();
  } else {
    ReadOneByte();
  }
  std::fputs("\n", stdout);
  std::fflush(stdout);
}

}  // namespace demo::console
