// Runs a fuzz harness over stored inputs without libFuzzer: every file named on the command
// line, and every file inside a folder named there, once each, in name order.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

bool Replay(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    std::fprintf(stderr, "cannot read %s\n", path.c_str());
    return false;
  }
  const std::vector<char> bytes{std::istreambuf_iterator<char>(file), {}};
  std::fprintf(stderr, "replaying %s (%zu bytes)\n", path.c_str(), bytes.size());
  LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
  return true;
}

}  // namespace

int main(int argc, char* argv[]) {
  // Harnesses change the working folder: every path is made absolute before the first runs.
  std::vector<std::filesystem::path> paths;
  for (int i = 1; i < argc; ++i) {
    const std::filesystem::path argument = std::filesystem::absolute(argv[i]);
    if (!std::filesystem::is_directory(argument)) {
      paths.push_back(argument);
      continue;
    }
    std::vector<std::filesystem::path> inside;
    for (const auto& entry : std::filesystem::directory_iterator(argument)) {
      if (entry.is_regular_file()) inside.push_back(entry.path());
    }
    std::sort(inside.begin(), inside.end());
    paths.insert(paths.end(), inside.begin(), inside.end());
  }
  for (const auto& path : paths) {
    if (!Replay(path)) return 1;
  }
  std::fprintf(stderr, "%zu inputs replayed\n", paths.size());
  return paths.empty() ? 1 : 0;
}
