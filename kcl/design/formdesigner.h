#pragma once
// The form designer interface: what property editors and the object inspector
// ask of the designer of the form being edited, beyond the hook every form has.
#include <functional>
#include <string>
#include <vector>

#include "kcl/classes/typinfo.h"
#include "kcl/controls/designer.h"

namespace kcl {

class TPersistent;
using TGetStrProc = std::function<void(const std::string& s)>;

class TFormDesigner : public TDesigner {
public:
  ~TFormDesigner() override;

  // Handlers: a method the form's class does not have yet is made by the designer
  // and named by it; its Code stands for it until the form is compiled.
  virtual TMethod CreateMethod(const std::string& name, const TTypeData* typeData) = 0;
  virtual std::string GetMethodName(const TMethod& method) = 0;
  // The designer's handlers whose event type is typeData.
  virtual void GetMethods(const TTypeData* typeData, const TGetStrProc& proc) = 0;
  virtual std::string GetPrivateDirectory() = 0;
  virtual bool MethodExists(const std::string& name) = 0;
  virtual void RenameMethod(const std::string& curName, const std::string& newName) = 0;
  virtual void ShowMethod(const std::string& name) = 0;
  virtual bool MethodFromAncestor(const TMethod& method) = 0;

  // The components of the form.
  virtual void SelectComponent(TPersistent* instance) = 0;
  virtual void GetSelections(std::vector<TPersistent*>& list) = 0;
  virtual void SetSelections(const std::vector<TPersistent*>& list) = 0;
  virtual std::string UniqueName(const std::string& baseName) = 0;
  virtual void GetComponentNames(const TTypeData* typeData, const TGetStrProc& proc) = 0;
  virtual TComponent* GetComponent(const std::string& name) = 0;
  virtual std::string GetComponentName(TComponent* component) = 0;
  virtual TPersistent* GetObject(const std::string& name) = 0;
  virtual std::string GetObjectName(TPersistent* instance) = 0;
  virtual void GetObjectNames(const TTypeData* typeData, const TGetStrProc& proc) = 0;
  // Places a new instance of componentClass on parent; positive bounds are
  // given to it, the others keep the class's defaults.
  virtual TComponent* CreateComponent(TClass componentClass, TComponent* parent, int left, int top, int width,
                                      int height) = 0;
  virtual TComponent* GetRoot() = 0;
  virtual void Revert(TPersistent* instance, PPropInfo prop) = 0;

  // Queries of later designers that nothing here asks.
  virtual bool GetIsDormant() = 0;
  virtual bool HasInterface() = 0;
  virtual bool HasInterfaceMember(const std::string& name) = 0;
  virtual void AddInterfaceMember(const std::string& memberText) = 0;
};

}  // namespace kcl
