// Settings files of any content: reading never fails, a written value reads back as
// written, and writing or deleting one key leaves every other value as it was.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <unistd.h>

#include "kcl/classes/stringlist.h"
#include "kcl/rtl/sysutils.h"
#include "kcl/system/inifile.h"

namespace {

using Values = std::map<std::pair<std::string, std::string>, std::string>;

struct ScratchDir {
  std::filesystem::path Path =
      std::filesystem::temp_directory_path() / ("fuzz_inifile_" + std::to_string(::getpid()));
  ScratchDir() { std::filesystem::create_directories(Path); }
  ~ScratchDir() {
    std::error_code ec;
    std::filesystem::remove_all(Path, ec);
  }
};

void Check(bool condition) {
  if (!condition) std::abort();
}

// Every value by (upper-cased section, upper-cased key), as reads see them.
Values AllValues(kcl::TIniFile& ini) {
  Values values;
  kcl::TStringList sections, keys;
  ini.ReadSections(sections);
  for (int s = 0; s < sections.Count(); ++s) {
    ini.ReadSection(sections.Strings(s), keys);
    for (int k = 0; k < keys.Count(); ++k) {
      Check(ini.ValueExists(sections.Strings(s), keys.Strings(k)));
      values[{kcl::UpperCase(sections.Strings(s)), kcl::UpperCase(keys.Strings(k))}] =
          ini.ReadString(sections.Strings(s), keys.Strings(k), "");
    }
  }
  return values;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const ScratchDir dir;
  const std::string fileName = (dir.Path / "fuzz.ini").string();
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  std::ofstream(fileName, std::ios::binary | std::ios::trunc) << bytes;

  kcl::TIniFile ini(fileName);
  Values before = AllValues(ini);

  // The key to write: one that exists when there is any, else a new one.
  std::string section = "FUZZSECTION", key = "FUZZKEY";  // upper case, as AllValues keys them
  if (!before.empty()) {
    auto it = before.begin();
    std::advance(it, static_cast<long>(size % before.size()));
    std::tie(section, key) = it->first;
  }
  std::string value = bytes.substr(size / 2, 24);
  for (char& c : value)
    if (c == '\r' || c == '\n') c = ' ';

  ini.WriteString(section, key, value);
  Check(ini.ReadString(section, key, "") == value);
  Check(kcl::TIniFile(fileName).ReadString(section, key, "") == value);
  Values expected = before;
  expected[{section, key}] = value;
  Check(AllValues(ini) == expected);

  ini.DeleteKey(section, key);
  Check(!ini.ValueExists(section, key));
  expected.erase({section, key});
  Check(AllValues(ini) == expected);
  return 0;
}
