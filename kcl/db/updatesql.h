#pragma once
// TDataSetUpdateObject and TUpdateSQL: the statements that apply cached updates.
#include <memory>

#include "kcl/classes/component.h"
#include "kcl/classes/stringlist.h"

namespace kcl {

class TDataSetUpdateObject : public TComponent {
  KCL_CLASS(TDataSetUpdateObject, TComponent)
public:
  using TComponent::TComponent;
};

class TUpdateSQL : public TDataSetUpdateObject {
  KCL_CLASS(TUpdateSQL, TDataSetUpdateObject)
public:
  explicit TUpdateSQL(TComponent* owner);
  TStrings* ModifySQL() const { return FModifySQL.get(); }
  void SetModifySQL(TStrings* v) { FModifySQL->Assign(v); }
  TStrings* InsertSQL() const { return FInsertSQL.get(); }
  void SetInsertSQL(TStrings* v) { FInsertSQL->Assign(v); }
  TStrings* DeleteSQL() const { return FDeleteSQL.get(); }
  void SetDeleteSQL(TStrings* v) { FDeleteSQL->Assign(v); }

private:
  std::unique_ptr<TStringList> FModifySQL, FInsertSQL, FDeleteSQL;
};

}  // namespace kcl
