// Replays a fuzz target's corpus once, without libFuzzer: every file named on
// the command line, or found in a folder named there, is fed to the target.
// This runs in the ordinary sanitized test build, so every input that once
// mattered keeps being checked.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

int Replay(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "cannot read %s\n", file.string().c_str());
    return 1;
  }
  std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  // A copy of exactly the file's size, so that reads past the end are caught.
  std::vector<std::uint8_t> exact(bytes.begin(), bytes.end());
  LLVMFuzzerTestOneInput(exact.data(), exact.size());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  int inputs = 0;
  int failures = 0;
  for (int i = 1; i < argc; ++i) {
    std::filesystem::path arg(argv[i]);
    if (std::filesystem::is_directory(arg)) {
      for (const auto& entry : std::filesystem::recursive_directory_iterator(arg)) {
        if (entry.is_regular_file()) {
          failures += Replay(entry.path());
          ++inputs;
        }
      }
    } else {
      failures += Replay(arg);
      ++inputs;
    }
  }
  std::printf("replayed %d inputs\n", inputs);
  if (inputs == 0) {
    std::fprintf(stderr, "no corpus found\n");
    return 1;
  }
  return failures == 0 ? 0 : 1;
}
