// The whole demo program as a process that finds its standard input at end
// of input, against a process that does nothing (/bin/true) spawned the
// same way: the difference is the demo's own start-up and shutdown.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "registry.h"

extern char** environ;

namespace fraction::bench {
namespace {

// Runs the program without arguments, standard input and output on
// /dev/null, and waits for it. False if it could not start or did not exit.
bool RunToEnd(const std::string& program) {
  posix_spawn_file_actions_t actions;
  if (posix_spawn_file_actions_init(&actions) != 0) {
    return false;
  }
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  std::string argv0 = program;
  char* argv[] = {argv0.data(), nullptr};
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) {
    return false;
  }
  int status = 0;
  while (waitpid(pid, &status, 0) == -1) {
    if (errno != EINTR) {
      return false;
    }
  }
  return WIFEXITED(status);
}

void Process(benchmark::State& state, const std::string& program) {
  for (auto _ : state) {
    if (!RunToEnd(program)) {
      state.SkipWithError((program + " did not run to its end").c_str());
      break;
    }
  }
}

}  // namespace

void RegisterDemoProcessBenchmarks() {
  // The child's time is not this process's CPU time: wall-clock time it is.
  WithFastest(
      benchmark::RegisterBenchmark("Process/demo", Process, std::string(FRACTION_BENCH_DEMO_PATH)))
      ->UseRealTime()
      ->Unit(benchmark::kMicrosecond);
  WithFastest(benchmark::RegisterBenchmark("Process/true", Process, std::string("/bin/true")))
      ->UseRealTime()
      ->Unit(benchmark::kMicrosecond);
  AddComparison({"Process/demo", "Process/true"});
}

}  // namespace fraction::bench
