#pragma once
// TComponent: named, owned, streamable objects. An owner frees what it owns; names
// are unique among an owner's components without regard to case.
#include <functional>
#include <string>
#include <vector>

#include "kcl/classes/persistent.h"
#include "kcl/classes/sets.h"

namespace kcl {

class TReader;
class TWriter;

enum TOperation { opInsert, opRemove };

enum TComponentStateFlag {
  csLoading, csReading, csWriting, csDestroying, csDesigning, csAncestor, csUpdating, csFixups
};
using TComponentState = TSet<TComponentStateFlag>;

using TGetChildProc = std::function<void(TComponent* child)>;

class TComponent : public TPersistent {
  KCL_CLASS(TComponent, TPersistent)
public:
  explicit TComponent(TComponent* owner);
  ~TComponent() override;
  // Tells the others first, then frees the owned components, then leaves the owner.
  void BeforeDestruction() override;

  TComponent* Owner() const { return FOwner; }
  const std::string& Name() const { return FName; }
  // Raises EComponentError for a name that is not an identifier ("'%s' is not a
  // valid component name") or that another component of the owner has ("A
  // component named %s already exists").
  virtual void SetName(const std::string& newName);
  int32_t Tag() const { return FTag; }
  void SetTag(int32_t tag) { FTag = tag; }
  // Where the designer shows a non-visual component: Left in the low word, Top in
  // the high word; streamed as "Left" and "Top" when not zero.
  // A reference read from a file that names no component within reach (one on
  // another form that is not open): kept by property so that saving writes it
  // back until the property is given a component.
  std::string UnresolvedReference(const std::string& propName) const;
  void SetUnresolvedReference(const std::string& propName, const std::string& name);
  int32_t DesignInfo() const { return FDesignInfo; }
  void SetDesignInfo(int32_t info) { FDesignInfo = info; }

  int ComponentCount() const { return static_cast<int>(FComponents.size()); }
  TComponent* Components(int index) const;
  int ComponentIndex() const;
  void SetComponentIndex(int index);
  // Case-insensitive; nullptr for an empty name or none found.
  TComponent* FindComponent(std::string_view name) const;
  void InsertComponent(TComponent* component);
  void RemoveComponent(TComponent* component);
  void DestroyComponents();
  void Destroying();

  TComponentState ComponentState() const { return FComponentState; }
  bool IsDesigning() const { return FComponentState.Contains(csDesigning); }
  bool IsLoading() const { return FComponentState.Contains(csLoading); }
  // Puts this component and everything it owns into (or out of) design state.
  virtual void SetDesigning(bool value);
  void SetStateFlag(TComponentStateFlag flag, bool on);

  // Asks component to tell this one when it goes (opRemove).
  void FreeNotification(TComponent* component);
  virtual void Notification(TComponent* component, TOperation operation);

  // Streaming.
  virtual void ReadState(TReader& reader);
  virtual void WriteState(TWriter& writer);
  virtual void Loaded();
  // Calls proc for each component that streams as this one's child.
  virtual void GetChildren(const TGetChildProc& proc, TComponent* root);
  virtual TComponent* GetChildOwner() { return nullptr; }
  virtual TComponent* GetChildParent() { return this; }
  virtual bool HasParent() const { return false; }
  virtual TComponent* GetParentComponent() const { return nullptr; }
  virtual void SetParentComponent(TComponent*) {}
  virtual void SetChildOrder(TComponent*, int) {}
  virtual void ValidateRename(TComponent* component, const std::string& curName, const std::string& newName);

  std::string GetNamePath() const override { return FName; }

protected:
  void DefineProperties(TFiler& filer) override;
  virtual void ChangeName(const std::string& newName) { FName = newName; }
  // Points the owner's published field of this name at this component, or clears it.
  void SetReference(bool enable);

private:
  void Insert(TComponent* component);
  void Remove(TComponent* component);
  void RemoveFreeNotification(TComponent* component);

  TComponent* FOwner = nullptr;
  std::string FName;
  int32_t FTag = 0;
  int32_t FDesignInfo = 0;
  std::vector<std::pair<std::string, std::string>> FUnresolvedReferences;
  std::vector<TComponent*> FComponents;
  std::vector<TComponent*> FFreeNotifies;
  TComponentState FComponentState;
  bool FDestructionStarted = false;
};

// Finds a component by name outside any owner (the application's forms); the
// controls layer installs it. Used for references such as "Form2.Button1".
using TFindGlobalComponent = std::function<TComponent*(std::string_view name)>;
void SetFindGlobalComponent(TFindGlobalComponent finder);
TComponent* FindGlobalComponent(std::string_view name);

}  // namespace kcl
