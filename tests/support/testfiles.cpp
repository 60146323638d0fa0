#include "support/testfiles.h"

#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <thread>
#include <system_error>

namespace korvax::test {

TempDir::TempDir() {
  const std::filesystem::path base = std::filesystem::temp_directory_path();
  std::random_device random;
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::filesystem::path candidate = base / ("korvax-test-" + std::to_string(random()));
    std::error_code ec;
    if (std::filesystem::create_directory(candidate, ec)) {
      FPath = candidate.string();
      return;
    }
  }
  throw std::runtime_error("cannot create a temporary directory in " + base.string());
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::remove_all(FPath, ec);
}

std::string TempDir::File(std::string_view name) const { return (std::filesystem::path(FPath) / name).string(); }

std::string ReadFileBytes(const std::string& fileName) {
  std::ifstream in(fileName, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + fileName);
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) throw std::runtime_error("cannot read " + fileName);
  return bytes;
}

void WriteFileBytes(const std::string& fileName, std::string_view bytes) {
  std::ofstream out(fileName, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) throw std::runtime_error("cannot write " + fileName);
}

std::string WrittenLine(const std::string& file, std::chrono::milliseconds patience) {
  const auto written = [&file] { return std::filesystem::exists(file) && ReadFileBytes(file).ends_with('\n'); };
  constexpr std::chrono::milliseconds step(50);
  for (auto waited = std::chrono::milliseconds(0); waited < patience && !written(); waited += step)
    std::this_thread::sleep_for(step);
  return std::filesystem::exists(file) ? ReadFileBytes(file) : "(not written)";
}

std::map<std::string, std::string> TreeContents(const std::string& dir, const std::string& skipped) {
  namespace fs = std::filesystem;
  std::map<std::string, std::string> contents;
  for (fs::recursive_directory_iterator it(dir), end; it != end; ++it) {
    if (!skipped.empty() && it->is_directory() && fs::equivalent(it->path(), fs::path(dir) / skipped)) {
      it.disable_recursion_pending();
      continue;
    }
    if (it->is_regular_file()) contents[fs::relative(it->path(), dir).string()] = ReadFileBytes(it->path().string());
  }
  return contents;
}

}  // namespace korvax::test
