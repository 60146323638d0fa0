#include "ide/shell/projectmembers.h"

#include "ide/common/diskfiles.h"
#include "ide/common/routines.h"
#include "ide/designer/formfiles.h"
#include "ide/project/projectpaths.h"
#include "ide/project/projectsource.h"
#include "kcl/rtl/sysutils.h"

namespace korvax {

using namespace kcl;

bool AddUnitToProject(TProjectInfo& project, const std::string& unitFile) {
  const std::string unitName = UnitNameOfEntry(unitFile);
  if (FindUsesEntry(*project.Source(), unitName) >= 0) {
    ShowMessageBox("The project already uses the unit " + unitName + ".", Application()->Title(), 0);
    return false;
  }
  const std::string formFile = ChangeFileExt(unitFile, ".dfm");
  const std::string formName = DiskFileExists(formFile) ? designer::FormFileFormName(DiskFileName(formFile)) : "";
  const std::string path = ProjectRelativePath(project.ProjectDir(), unitFile);
  if (!AddUsesEntry(*project.Source(), UsesEntry(unitName, path, formName))) {
    ShowMessageBox("The uses clause of the project source has no place for " + unitName + ".", Application()->Title(),
                   0);
    return false;
  }
  project.Units()->Add(path);
  project.Forms()->Add(formName);
  project.SetState(psModified);
  return true;
}

bool RemoveUnitFromSource(TProjectInfo& project, const std::string& entry) {
  if (!DeleteUsesEntry(*project.Source(), UnitNameOfEntry(entry))) return false;
  project.SetState(psModified);
  return true;
}

}  // namespace korvax
