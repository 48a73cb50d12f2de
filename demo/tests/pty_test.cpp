// Runs the demo on a pseudo-terminal, as a user at a terminal would.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

// The demo on the slave side of a fresh pseudo-terminal. The test keeps a
// descriptor of the slave too, to read the terminal's settings.
class DemoOnTerminal {
 public:
  DemoOnTerminal() : master_(posix_openpt(O_RDWR | O_NOCTTY)) {
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) {
      return;
    }
    const std::string slave_name = ptsname(master_);
    slave_ = open(slave_name.c_str(), O_RDWR | O_NOCTTY);
    if (slave_ < 0) {
      return;
    }
    initial_settings_ = Settings();
    child_ = fork();
    if (child_ == 0) {
      // The child makes the terminal its controlling one, so that Ctrl-C
      // on it sends SIGINT, and runs the demo with it as all three streams.
      setsid();
      const int terminal = open(slave_name.c_str(), O_RDWR);
      if (terminal < 0) {
        _exit(126);
      }
      dup2(terminal, STDIN_FILENO);
      dup2(terminal, STDOUT_FILENO);
      dup2(terminal, STDERR_FILENO);
      execl(DEMO_PATH, DEMO_PATH, static_cast<char*>(nullptr));
      _exit(127);
    }
  }

  ~DemoOnTerminal() {
    if (child_ > 0 && !exited_) {
      kill(child_, SIGKILL);
      waitpid(child_, nullptr, 0);
    }
    if (slave_ >= 0) close(slave_);
    if (master_ >= 0) close(master_);
  }

  DemoOnTerminal(const DemoOnTerminal&) = delete;
  DemoOnTerminal& operator=(const DemoOnTerminal&) = delete;

  bool Started() const { return child_ > 0; }

  // Reads the terminal's output until it holds `text` or `timeout` passes.
  bool ReadUntil(const std::string& text, std::chrono::milliseconds timeout) {
    const auto deadline = Clock::now() + timeout;
    while (output_.find(text) == std::string::npos) {
      const auto left =
          std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
      pollfd readable{master_, POLLIN, 0};
      if (left.count() <= 0 || poll(&readable, 1, static_cast<int>(left.count())) <= 0) {
        return false;
      }
      char buffer[4096];
      const ssize_t count = read(master_, buffer, sizeof buffer);
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
  int slave_ = -1;
  pid_t child_ = -1;
  bool exited_ = false;
  int status_ = 0;
  std::string output_;
  termios initial_settings_{};
};

constexpr auto kPatience = std::chrono::seconds(10);
constexpr char kPrompt[] = "Press any key to continue . . . ";
constexpr tcflag_t kLineModes = ICANON | ECHO;

TEST(DemoOnTerminal, SetsTheTitleAndWaitsForOneKeyWithoutEnter) {
  DemoOnTerminal demo;
  ASSERT_TRUE(demo.Started());
  ASSERT_TRUE(demo.ReadUntil(kPrompt, kPatience)) << demo.Output();
  EXPECT_EQ(demo.Output().rfind("\033]0;Vemlo\007", 0), 0u) << "title sequence first";

  EXPECT_TRUE(demo.StillRunningAfter(std::chrono::milliseconds(300)));
  demo.Type("x");
  ASSERT_TRUE(demo.WaitForExit(kPatience));
  EXPECT_TRUE(WIFEXITED(demo.Status()) && WEXITSTATUS(demo.Status()) == 0);
  EXPECT_EQ(demo.Settings().c_lflag & kLineModes, demo.InitialSettings().c_lflag & kLineModes)
      << "terminal settings restored";
}

TEST(DemoOnTerminal, CtrlCEndsTheWaitAndRestoresTheTerminal) {
  DemoOnTerminal demo;
  ASSERT_TRUE(demo.Started());
  ASSERT_TRUE(demo.ReadUntil(kPrompt, kPatience)) << demo.Output();
  EXPECT_TRUE(demo.StillRunningAfter(std::chrono::milliseconds(300)));
  demo.Type("\x03");
  ASSERT_TRUE(demo.WaitForExit(kPatience));
  EXPECT_TRUE(WIFSIGNALED(demo.Status()) && WTERMSIG(demo.Status()) == SIGINT);
  EXPECT_EQ(demo.Settings().c_lflag & kLineModes, demo.InitialSettings().c_lflag & kLineModes)
      << "terminal settings restored";
}

}  // namespace
