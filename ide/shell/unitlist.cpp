#include "ide/shell/unitlist.h"

#include "ide/common/textutils.h"

namespace korvax {

void FillUnitList(kcl::TListView& list, const TProjectInfo& project) {
  list.Items()->Clear();
  const kcl::TStrings& forms = *project.Forms();
  for (int i = 0; i < project.Units()->Count(); ++i) {
    kcl::TListItem* row = list.Items()->Add();
    row->SetCaption(project.Units()->Strings(i));
    row->SubItems()->Add(i < forms.Count() ? ExtractBaseName(forms.Strings(i)) : "");
  }
}

}  // namespace korvax
