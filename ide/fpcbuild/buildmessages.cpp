#include "ide/fpcbuild/buildmessages.h"

#include <filesystem>
#include <set>
#include <vector>

#include "ide/fpcbuild/pascaltokens.h"
#include "kcl/classes/streams.h"
#include "kcl/rtl/exceptions.h"
#include "kcl/rtl/sysutils.h"

namespace korvax::fpcbuild {

namespace fs = std::filesystem;
using namespace kcl;

namespace {

// Units of Delphi for Windows that have no counterpart in Free Pascal on Linux.
constexpr const char* WindowsOnlyUnits[] = {
    "ActiveX", "AxCtrls", "BDE",     "ComObj",   "ComServ",  "CommCtrl", "CommDlg",  "DBTables", "DdeMan",
    "Mapi",    "MMSystem", "MPlayer", "Ole2",     "OleAuto",  "OleCtnrs", "OleCtrls", "RichEdit", "ShellAPI",
    "ShlObj",  "StdVCL",  "WinInet", "WinSock",  "WinSpool", "WinSvc"};

// Units of Delphi's component library the LCL has no counterpart of.
constexpr const char* VclOnlyUnits[] = {"Chart",    "ColorGrd", "DirOutln", "Gauges", "Mask",     "Outline",
                                        "QRCtrls",  "QuickRpt", "Tabs",     "TabNotBk", "TeEngine", "TeeProcs"};

template <size_t N>
bool IsOneOf(std::string_view unit, const char* const (&units)[N]) {
  for (const char* known : units)
    if (SameText(unit, known)) return true;
  return false;
}

std::string Between(std::string_view line, std::string_view before, std::string_view after) {
  const size_t start = line.find(before);
  if (start == std::string_view::npos) return {};
  const size_t from = start + before.size();
  const size_t end = after.empty() ? line.size() : line.find(after, from);
  return std::string(line.substr(from, end == std::string_view::npos ? std::string_view::npos : end - from));
}

std::string MissingUnitNote(std::string_view line) {
  const std::string unit = Between(line, "Can't find unit ", " used by ");
  const std::string user = Between(line, " used by ", "");
  if (unit.empty() || user.empty()) return {};
  if (IsOneOf(unit, WindowsOnlyUnits))
    return "Korvax: " + user + " needs the unit " + unit +
           ", which exists only on Windows: Free Pascal cannot build " + user + " on this system.";
  if (IsOneOf(unit, VclOnlyUnits))
    return "Korvax: " + user + " needs the unit " + unit +
           " of Delphi's component library, which the LCL does not have: Free Pascal cannot build " + user + ".";
  return "Korvax: " + user + " needs the unit " + unit +
         ", which is neither in the project's folders nor among the installed Free Pascal and LCL units.";
}

class TMapper {
public:
  TMapper(const TSourceCopy& copy, const std::string& copyDir, const std::string& projectDir,
          const std::vector<std::string>& emptyUnits)
      : FCopy(copy),
        FCopyDir(copyDir + "/"),
        FProjectDir(fs::path(projectDir).lexically_normal()),
        FEmptyUnits(emptyUnits) {}

  std::string Line(std::string_view line) {
    std::string result = MapPaths(line);
    if (line.find("Can't find unit ") != std::string_view::npos) {
      const std::string note = MissingUnitNote(line);
      if (!note.empty()) result += "\n" + note;
    } else if (line.find("Identifier not found") != std::string_view::npos) {
      const std::string note = EmptyUnitNote(line);
      if (!note.empty()) result += "\n" + note;
    }
    return result;
  }

private:
  // The user's file of a file of the copy, "" for another file.
  std::string Original(const std::string& copied) const {
    const auto found = FCopy.Originals.find(copied);
    return found == FCopy.Originals.end() ? std::string() : found->second;
  }

  // The file the line starts with, as the compiler names it, and where its name ends.
  std::pair<std::string, size_t> NamedFile(std::string_view line) const {
    size_t end = line.find('(');
    if (end == std::string_view::npos || line.substr(0, end).find(' ') != std::string_view::npos) return {};
    const std::string named(line.substr(0, end));
    return {named.front() == '/' ? named : FCopyDir + named, end};
  }

  std::string Shown(const std::string& original) const {
    const fs::path path = fs::path(original).lexically_normal();
    return path.parent_path() == FProjectDir ? path.filename().string() : path.string();
  }

  std::string MapPaths(std::string_view line) const {
    const auto [file, end] = NamedFile(line);
    if (!file.empty()) {
      const std::string original = Original(file);
      if (!original.empty()) return Shown(original) + std::string(line.substr(end));
    }
    // "Compiling /.../fpc-build/src/unit1.pas", "Compiling unit1.pas"
    constexpr std::string_view compiling = "Compiling ";
    if (line.starts_with(compiling) && line.find('/') == std::string_view::npos) {
      const std::string original = Original(FCopyDir + std::string(line.substr(compiling.size())));
      if (!original.empty()) return std::string(compiling) + Shown(original);
    }
    const size_t at = line.find(FCopyDir);
    if (at == std::string_view::npos) return std::string(line);
    size_t pathEnd = line.find_first_of(" (", at);
    if (pathEnd == std::string_view::npos) pathEnd = line.size();
    const std::string original = Original(std::string(line.substr(at, pathEnd - at)));
    if (original.empty()) return std::string(line);
    return std::string(line.substr(0, at)) + Shown(original) + std::string(line.substr(pathEnd));
  }

  std::string EmptyUnitNote(std::string_view line) {
    const std::string original = Original(NamedFile(line).first);
    if (original.empty() || !FExplained.insert(original).second) return {};
    std::vector<std::string> used;
    try {
      used = UsedUnits(LoadBytesFromFile(original));
    } catch (const Exception&) {
      return {};
    }
    std::string empties;
    for (const std::string& unit : used)
      for (const std::string& empty : FEmptyUnits)
        if (SameText(unit, empty)) empties += (empties.empty() ? "" : " and ") + empty;
    if (empties.empty()) return {};
    const std::string identifier = Between(line, "Identifier not found ", "");
    return "Korvax: " + fs::path(original).stem().string() + " uses " + empties +
           ", which Free Pascal offers on this system only as empty units: " + identifier +
           " may be one of their Windows-only declarations.";
  }

  const TSourceCopy& FCopy;
  std::string FCopyDir;
  fs::path FProjectDir;
  const std::vector<std::string>& FEmptyUnits;
  std::set<std::string> FExplained;
};

}  // namespace

std::string UserMessages(std::string_view output, const TSourceCopy& copy, const std::string& copyDir,
                         const std::string& projectDir, const std::vector<std::string>& emptyUnits) {
  TMapper mapper(copy, copyDir, projectDir, emptyUnits);
  std::string result;
  size_t start = 0;
  while (start < output.size()) {
    size_t end = output.find('\n', start);
    if (end == std::string_view::npos) end = output.size();
    std::string_view line = output.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    result += mapper.Line(line) + "\n";
    start = end + 1;
  }
  return result;
}

}  // namespace korvax::fpcbuild
