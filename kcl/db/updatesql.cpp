#include "kcl/db/updatesql.h"

#include "kcl/classes/classbuilder.h"

namespace kcl {

KCL_CLASS_INFO(TDataSetUpdateObject) {}

KCL_CLASS_INFO(TUpdateSQL) {
  cls.property("ModifySQL", &TUpdateSQL::ModifySQL, &TUpdateSQL::SetModifySQL);
  cls.property("InsertSQL", &TUpdateSQL::InsertSQL, &TUpdateSQL::SetInsertSQL);
  cls.property("DeleteSQL", &TUpdateSQL::DeleteSQL, &TUpdateSQL::SetDeleteSQL);
}

TUpdateSQL::TUpdateSQL(TComponent* owner)
    : TDataSetUpdateObject(owner),
      FModifySQL(std::make_unique<TStringList>()),
      FInsertSQL(std::make_unique<TStringList>()),
      FDeleteSQL(std::make_unique<TStringList>()) {}

}  // namespace kcl
