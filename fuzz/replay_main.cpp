// Runs the fuzz target once over each input file, for builds without
// libFuzzer (g++ has none): the seed corpus then runs as a plain test, and
// a file that libFuzzer reported can be replayed under a debugger.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv);
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

namespace fs = std::filesystem;

// The files named, and those directly inside the directories named, each
// directory's in name order so that runs are repeatable.
std::vector<fs::path> Inputs(const std::vector<std::string>& arguments) {
  std::vector<fs::path> inputs;
  for (const std::string& argument : arguments) {
    if (!fs::is_directory(argument)) {
      inputs.emplace_back(argument);
      continue;
    }
    std::vector<fs::path> files;
    for (const fs::directory_entry& entry : fs::directory_iterator(argument)) {
      if (entry.is_regular_file()) {
        files.push_back(entry.path());
      }
    }
    std::sort(files.begin(), files.end());
    inputs.insert(inputs.end(), files.begin(), files.end());
  }
  return inputs;
}

}  // namespace

int main(int argc, char** argv) {
  LLVMFuzzerInitialize(&argc, &argv);
  // Standard output belongs to the target now: report on standard error.
  const std::vector<fs::path> inputs = Inputs(std::vector<std::string>(argv + 1, argv + argc));
  if (inputs.empty()) {
    std::fprintf(stderr, "usage: %s FILE_OR_DIRECTORY...\n", argv[0]);
    return 2;
  }
  for (const fs::path& input : inputs) {
    std::ifstream file(input, std::ios::binary);
    if (!file) {
      std::fprintf(stderr, "cannot read %s\n", input.c_str());
      return 1;
    }
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file),
                                          std::istreambuf_iterator<char>()};
    std::fprintf(stderr, "Running: %s (%zu bytes)\n", input.c_str(), bytes.size());
    LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
  }
  std::fprintf(stderr, "%zu inputs replayed without a finding\n", inputs.size());
  return 0;
}
