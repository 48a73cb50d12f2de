// Runs the demo on a pseudo-terminal, as a user at a terminal would.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

// Where the demo's standard input and output go instead of the terminal.
struct Wiring {
  // Standard input: a pipe that holds these bytes and then ends.
  const char* piped_input = nullptr;
  // Standard output: a pipe that the test reads.
  bool piped_output = false;
  // Keys typed on the terminal before the demo starts.
  const char* typed_ahead = "";
};

// The demo on the slave side of a fresh pseudo-terminal. The test keeps a
// descriptor of the slave too, to read the terminal's settings.
class DemoOnTerminal {
 public:
  explicit DemoOnTerminal(const Wiring& wiring = {})
      : master_(posix_openpt(O_RDWR | O_NOCTTY)), output_from_(master_) {
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) {
      return;
    }
    const std::string slave_name = ptsname(master_);
    slave_ = open(slave_name.c_str(), O_RDWR | O_NOCTTY);
    if (slave_ < 0) {
      return;
    }
    initial_settings_ = Settings();
    Type(wiring.typed_ahead);
    int input[2] = {-1, -1};
    int output[2] = {-1, -1};
    if (wiring.piped_input != nullptr) {
      // Small enough for the pipe's buffer; the test keeps the read end to
      // see what the demo left.
      const std::string bytes = wiring.piped_input;
      if (pipe2(input, O_CLOEXEC) != 0 ||
          write(input[1], bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) {
        return;
      }
      close(input[1]);
      unread_input_ = input[0];
    }
    if (wiring.piped_output) {
      if (pipe2(output, O_CLOEXEC) != 0) {
        return;
      }
      piped_output_ = output[0];
      output_from_ = piped_output_;
    }
    child_ = fork();
    if (child_ == 0) {
      // The child makes the terminal its controlling one, so that Ctrl-C
      // on it sends SIGINT, and runs the demo with it as all three streams
      // but those piped. No core file when a signal ends it.
      setsid();
      const int terminal = open(slave_name.c_str(), O_RDWR);
      if (terminal < 0) {
        _exit(126);
      }
      const rlimit no_core{0, 0};
      setrlimit(RLIMIT_CORE, &no_core);
      dup2(input[0] >= 0 ? input[0] : terminal, STDIN_FILENO);
      dup2(output[1] >= 0 ? output[1] : terminal, STDOUT_FILENO);
      dup2(terminal, STDERR_FILENO);
      execl(DEMO_PATH, DEMO_PATH, static_cast<char*>(nullptr));
      _exit(127);
    }
    if (output[1] >= 0) close(output[1]);
  }

  ~DemoOnTerminal() {
    if (child_ > 0 && !exited_) {
      kill(child_, SIGKILL);
      waitpid(child_, nullptr, 0);
    }
    for (const int fd : {slave_, master_, unread_input_, piped_output_}) {
      if (fd >= 0) close(fd);
    }
  }

  DemoOnTerminal(const DemoOnTerminal&) = delete;
  DemoOnTerminal& operator=(const DemoOnTerminal&) = delete;

  bool Started() const { return child_ > 0; }

  // Reads the demo's standard output (the terminal's, unless piped) until
  // it holds `text` or `timeout` passes.
  bool ReadUntil(const std::string& text, std::chrono::milliseconds timeout) {
    const auto deadline = Clock::now() + timeout;
    while (output_.find(text) == std::string::npos) {
      const auto left =
          std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
      pollfd readable{output_from_, POLLIN, 0};
      if (left.count() <= 0 || poll(&readable, 1, static_cast<int>(left.count())) <= 0) {
        return false;
      }
      char buffer[4096];
      const ssize_t count = read(output_from_, buffer, sizeof buffer);
      if (count <= 0) {
        return false;
      }
      output_.append(buffer, static_cast<std::size_t>(count));
    }
    return true;
  }

  void Type(const std::string& keys) const {
    ASSERT_EQ(write(master_, keys.data(), keys.size()), static_cast<ssize_t>(keys.size()));
  }

  void Signal(int signal_number) const { kill(child_, signal_number); }

  // What the demo left of its piped input; call it once the demo has ended.
  std::string UnreadInput() const {
    std::string rest;
    char buffer[4096];
    for (ssize_t count = 0; (count = read(unread_input_, buffer, sizeof buffer)) > 0;) {
      rest.append(buffer, static_cast<std::size_t>(count));
    }
    return rest;
  }

  // Whether the demo is still running after `wait`.
  bool StillRunningAfter(std::chrono::milliseconds wait) {
    const auto deadline = Clock::now() + wait;
    while (Clock::now() < deadline) {
      if (waitpid(child_, &status_, WNOHANG) == child_) {
        exited_ = true;
        return false;
      }
      usleep(10000);
    }
    return true;
  }

  // The wait status once the demo ends, or nothing after `timeout`.
  bool WaitForExit(std::chrono::milliseconds timeout) {
    return exited_ || !StillRunningAfter(timeout);
  }

  int Status() const { return status_; }
  const std::string& Output() const { return output_; }

  termios Settings() const {
    termios settings{};
    tcgetattr(slave_, &settings);
    return settings;
  }
  const termios& InitialSettings() const { return initial_settings_; }

 private:
  int master_;
  int output_from_;
  int slave_ = -1;
  int unread_input_ = -1;
  int piped_output_ = -1;
  pid_t child_ = -1;
  bool exited_ = false;
  int status_ = 0;
  std::string output_;
  termios initial_settings_{};
};

constexpr auto kPatience = std::chrono::seconds(10);
constexpr char kPrompt[] = "Press any key to continue . . . ";
constexpr char kTitle[] = "\033]0;Vemlo\007";
constexpr tcflag_t kLineModes = ICANON | ECHO;

TEST(DemoOnTerminal, SetsTheTitleAndWaitsForOneKeyWithoutEnter) {
  DemoOnTerminal demo;
  ASSERT_TRUE(demo.Started());
  ASSERT_TRUE(demo.ReadUntil(kPrompt, kPatience)) << demo.Output();
  EXPECT_EQ(demo.Output().rfind(kTitle, 0), 0u) << "title sequence first";

  EXPECT_TRUE(demo.StillRunningAfter(std::chrono::milliseconds(300)));
  demo.Type("x");
  ASSERT_TRUE(demo.WaitForExit(kPatience));
  EXPECT_TRUE(WIFEXITED(demo.Status()) && WEXITSTATUS(demo.Status()) == 0);
  EXPECT_EQ(demo.Settings().c_lflag & kLineModes, demo.InitialSettings().c_lflag & kLineModes)
      << "terminal settings restored";
  // The key is not echoed: the prompt's line ends right after it.
  EXPECT_TRUE(demo.ReadUntil(std::string(kPrompt) + "\r\n", kPatience)) << demo.Output();
}

TEST(DemoOnTerminal, TakesAKeyTypedBeforeThePrompt) {
  Wiring wiring;
  wiring.typed_ahead = "x";
  DemoOnTerminal demo(wiring);
  ASSERT_TRUE(demo.Started());
  ASSERT_TRUE(demo.ReadUntil(kPrompt, kPatience)) << demo.Output();
  ASSERT_TRUE(demo.WaitForExit(kPatience)) << "the key typed ahead was lost";
  EXPECT_TRUE(WIFEXITED(demo.Status()) && WEXITSTATUS(demo.Status()) == 0);
}

// The title sequence goes where standard output is a terminal, whatever
// standard input is, and nowhere else (not into `demo > file`).
TEST(DemoOnTerminal, WritesNoTitleIntoRedirectedOutput) {
  Wiring wiring;
  wiring.piped_output = true;
  DemoOnTerminal demo(wiring);
  ASSERT_TRUE(demo.Started());
  ASSERT_TRUE(demo.ReadUntil(kPrompt, kPatience)) << demo.Output();
  EXPECT_EQ(demo.Output().find('\033'), std::string::npos) << demo.Output();
  demo.Type("x");
  ASSERT_TRUE(demo.WaitForExit(kPatience));
  EXPECT_TRUE(WIFEXITED(demo.Status()) && WEXITSTATUS(demo.Status()) == 0);
}

// With piped input the demo takes one byte with one read and leaves the
// rest, as in `printf 'xyz\nrest\n' | { demo; cat; }`.
TEST(DemoOnTerminal, ReadsOneByteOfPipedInputAndStillSetsTheTitle) {
  Wiring wiring;
  wiring.piped_input = "xyz\nrest\n";
  DemoOnTerminal demo(wiring);
  ASSERT_TRUE(demo.Started());
  ASSERT_TRUE(demo.ReadUntil(kPrompt, kPatience)) << demo.Output();
  EXPECT_EQ(demo.Output().rfind(kTitle, 0), 0u) << "title sequence first";
  ASSERT_TRUE(demo.WaitForExit(kPatience));
  EXPECT_TRUE(WIFEXITED(demo.Status()) && WEXITSTATUS(demo.Status()) == 0);
  EXPECT_EQ(demo.UnreadInput(), "yz\nrest\n");
}

// Each signal that ends the process by default ends the wait, by that
// signal, with the terminal restored: typed (Ctrl-C, Ctrl-\) or sent.
TEST(DemoOnTerminal, EndingSignalsRestoreTheTerminal) {
  struct Ending {
    int signal_number;
    const char* keys;  // nullptr: sent with kill
  };
  const Ending endings[] = {
      {SIGINT, "\x03"}, {SIGQUIT, "\x1c"}, {SIGTERM, nullptr}, {SIGHUP, nullptr}};
  for (const Ending& e : endings) {
    SCOPED_TRACE(strsignal(e.signal_number));
    DemoOnTerminal demo;
    ASSERT_TRUE(demo.Started());
    ASSERT_TRUE(demo.ReadUntil(kPrompt, kPatience)) << demo.Output();
    EXPECT_TRUE(demo.StillRunningAfter(std::chrono::milliseconds(300)));
    if (e.keys != nullptr) {
      demo.Type(e.keys);
    } else {
      demo.Signal(e.signal_number);
    }
    ASSERT_TRUE(demo.WaitForExit(kPatience));
    EXPECT_TRUE(WIFSIGNALED(demo.Status()) && WTERMSIG(demo.Status()) == e.signal_number);
    EXPECT_EQ(demo.Settings().c_lflag & kLineModes, demo.InitialSettings().c_lflag & kLineModes)
        << "terminal settings restored";
  }
}

}  // namespace
