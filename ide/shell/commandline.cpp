#include "ide/shell/commandline.h"

#include <filesystem>

#include "ide/common/diskfiles.h"
#include "ide/common/textutils.h"
#include "ide/shell/mainform.h"
#include "kcl/controls/application.h"
#include "kcl/rtl/exceptions.h"
#include "kcl/rtl/sysutils.h"

namespace korvax {

using namespace kcl;

void OpenCommandLineFiles(TFMainForm& mainForm, const std::vector<std::string>& files, const std::string& currentDir) {
  for (const std::string& file : files) {
    const std::string name =
        std::filesystem::path(NativePath(file)).is_absolute() ? file : AddBackslash(currentDir) + file;
    Application()->Guard([&] {
      if (!DiskFileExists(name)) throw EFOpenError(Format(msg::FOpenError, {name}));
      if (SameText(ExtractFileExt(name), ".dpr"))
        mainForm.OpenProject(name);
      else
        mainForm.OpenFile(name);
    });
  }
}

}  // namespace korvax
