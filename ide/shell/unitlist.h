#pragma once
// The project's units as the project manager and the remove dialog list them:
// one row per Units entry, its form's name in the second column.
#include "ide/project/projectinfo.h"
#include "kcl/components/listview.h"

namespace korvax {

void FillUnitList(kcl::TListView& list, const TProjectInfo& project);

}  // namespace korvax
