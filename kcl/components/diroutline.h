#pragma once
// TDirectoryOutline: the path from the root of the file system to Directory,
// and Directory's subdirectories, as an outline. Clicking an item makes it the
// directory. TextCase changes how the names show, not the paths they stand for.
#include <string>
#include <vector>

#include "kcl/components/outline.h"

namespace kcl {

// The directory outline's own TTextCase, which has a third value.
enum class TDirTextCase : int { tcLowerCase, tcUpperCase, tcAsIs };
KCL_ENUM_TYPE(TDirTextCase, "TTextCase", tcLowerCase, tcUpperCase, tcAsIs)

class TDirectoryOutline : public TCustomOutline {
  KCL_CLASS(TDirectoryOutline, TCustomOutline)
public:
  explicit TDirectoryOutline(TComponent* owner);

  const std::string& Directory() const { return FDirectory; }
  // A directory that does not exist is ignored.
  void SetDirectory(const std::string& v);
  // The first character of the directory's root ("/" here, "c" on Windows).
  char Drive() const { return FDirectory.empty() ? '\0' : FDirectory[0]; }
  void SetDrive(char v);
  TDirTextCase TextCase() const { return FTextCase; }
  void SetTextCase(TDirTextCase v);
  // The path an item (1-based) stands for.
  std::string ItemPath(int index) const;

  void Click() override;

  TNotifyEvent OnChange;

protected:
  virtual void Change() { OnChange(this); }

private:
  void BuildTree();
  std::string Cased(const std::string& name) const;

  std::string FDirectory;
  std::vector<std::string> FPaths;
  TDirTextCase FTextCase = TDirTextCase::tcLowerCase;
};

}  // namespace kcl
