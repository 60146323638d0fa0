#pragma once
// Helpers for tests that work with real files.
#include <chrono>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>

namespace korvax::test {

// A fresh directory under the system's temporary directory, removed with
// everything in it when the object goes away.
class TempDir {
public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& Path() const { return FPath; }
  // Path() joined with name (which may contain subdirectories; they are not created).
  std::string File(std::string_view name) const;

private:
  std::string FPath;
};

// The whole file as bytes; throws std::runtime_error when it cannot be read.
std::string ReadFileBytes(const std::string& fileName);
// Creates or replaces the file; throws std::runtime_error when it cannot be written.
void WriteFileBytes(const std::string& fileName, std::string_view bytes);

// What a program started in the background writes: the file's text once a whole
// line is in it (a child makes the file before it writes its line), or
// "(not written)" when patience runs out first.
std::string WrittenLine(const std::string& file, std::chrono::milliseconds patience = std::chrono::seconds(10));

// Every file below dir (but not below skipped, a folder of dir's) and its bytes, by
// its path relative to dir: two snapshots are equal when nothing was written.
std::map<std::string, std::string> TreeContents(const std::string& dir, const std::string& skipped = {});

}  // namespace korvax::test
