#pragma once
// TProjectInfo: the one open project - its file and directory, its units and
// forms, the project source, and the main form, title and help file read from
// that source.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "kcl/classes/component.h"
#include "kcl/classes/stringlist.h"

namespace korvax {

// Values of TProjectInfo::State.
inline constexpr uint8_t psNew = 0;       // never loaded or saved
inline constexpr uint8_t psOpened = 1;    // read from a project file
inline constexpr uint8_t psSaved = 2;
inline constexpr uint8_t psModified = 3;  // changed since

class TProjectInfo : public kcl::TComponent {
  KCL_CLASS(TProjectInfo, kcl::TComponent)
public:
  explicit TProjectInfo(kcl::TComponent* owner);

  const std::string& ProjectFile() const { return FProjectFile; }
  // Also makes the first line of Source "program <base name>;" (adding it to an
  // empty source).
  void SetProjectFile(const std::string& name);
  // With its trailing separator, '\' or '/' as the project file's path gave it.
  const std::string& ProjectDir() const { return FProjectDir; }
  void SetProjectDir(const std::string& dir) { FProjectDir = dir; }
  uint8_t State() const { return FState; }
  void SetState(uint8_t state) { FState = state; }
  // Entry i of Forms is the form of unit i. Entries are unit names, file names or
  // paths as they were added, so lookups match by substring.
  kcl::TStringList* Units() const { return FUnits.get(); }
  kcl::TStringList* Forms() const { return FForms.get(); }
  kcl::TStringList* Source() const { return FSource.get(); }
  const std::string& MainForm() const { return FMainForm; }
  const std::string& Title() const { return FTitle; }
  const std::string& HelpFile() const { return FHelpFile; }

  // The index of the first line of Source containing text, or -1.
  int FindLine(std::string_view text) const;
  // The Pascal string assigned in "  Application.Title :='Demo';": Demo.
  static std::string ExtractQuotedValue(std::string_view line);
  // Reads Title, HelpFile (the last assignment of each wins) and MainForm from
  // Source; values the source does not give stay as they were.
  void ParseSource();
  void FindMainForm();
  // Writes the assignment over the existing one, or directly after
  // "Application.Initialize;", and saves Source to ProjectFile at once. Returns
  // false, changing and saving nothing, when the source has neither line.
  bool SetTitle(const std::string& title);
  bool SetHelpFile(const std::string& helpFile);
  // Renames the unit in the first line that mentions oldName (file names without
  // directory); Units and Forms are not changed.
  void RenameUnit(const std::string& oldName, const std::string& newName);
  // Units and Forms from the uses clause, then Source, Title, HelpFile and
  // MainForm; State becomes psOpened. A file that cannot be read raises
  // EFOpenError and changes nothing.
  void ParseProjectFile(const std::string& fileName);

private:
  bool SetAssignment(std::string_view name, const std::string& value, std::string& field);

  std::string FProjectFile;
  std::string FProjectDir;
  uint8_t FState = psNew;
  std::unique_ptr<kcl::TStringList> FUnits;
  std::unique_ptr<kcl::TStringList> FForms;
  std::unique_ptr<kcl::TStringList> FSource;
  std::string FMainForm;
  std::string FTitle;
  std::string FHelpFile;
};

}  // namespace korvax
