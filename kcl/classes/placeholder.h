#pragma once
// Components of classes the program does not have (a third party's, the user's
// own). The reader makes a placeholder that reports the record's class name (a
// run-time class of that name) and keeps every property's bytes in order and the
// child records it held; the writer writes it back as it was read.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "kcl/classes/component.h"

namespace kcl {

struct TRawProperty {
  std::string Name;   // its path as the stream names it
  std::string Value;  // the value's bytes, value type first
};

// What every placeholder keeps of its record.
class TPlaceholder {
public:
  virtual ~TPlaceholder() = default;

  const std::vector<TRawProperty>& Properties() const { return FProperties; }
  // An integer property's value, when the record has it as an integer.
  std::optional<int32_t> Integer(std::string_view name) const;
  // Gives an integer property another value in its place; one the record lacks
  // goes at the end.
  void SetInteger(std::string_view name, int32_t value);
  // The children read, in their order, while they live.
  const std::vector<TComponent*>& RecordChildren() const { return FChildren; }

  // An embedded frame (a record marked inline) owns what was read inside it, as
  // frames do; its names do not meet the form's.
  static bool OwnsChildren(const TComponent& self);

protected:
  // The properties and child records of self's record.
  void ReadRecord(TReader& reader, TComponent& self);
  void WriteRecord(TWriter& writer, TComponent& self) const;
  void ForgetChild(const TComponent* child) { std::erase(FChildren, child); }

private:
  std::vector<TRawProperty> FProperties;
  std::vector<TComponent*> FChildren;
};

// A placeholder without bounds: a non-visual component, shown by the designer at
// the design position its Left and Top give. One read inside another component
// (a third party's field in a dataset) is written there again, after the child
// it followed, though that component does not list it among its children.
class TPlaceholderComponent : public TComponent, public TPlaceholder {
  KCL_CLASS(TPlaceholderComponent, TComponent)
public:
  explicit TPlaceholderComponent(TComponent* owner);
  ~TPlaceholderComponent() override;

  void ReadState(TReader& reader) override;
  void WriteState(TWriter& writer) override;
  void GetChildren(const TGetChildProc& proc, TComponent* root) override;
  void Notification(TComponent* component, TOperation operation) override;
  TComponent* GetChildOwner() override { return OwnsChildren(*this) ? this : nullptr; }
  bool HasParent() const override { return FParent != nullptr; }
  TComponent* GetParentComponent() const override { return FParent; }
  void SetParentComponent(TComponent* parent) override;
  // The name of the child read just before this one in the same parent.
  const std::string& ReadAfter() const { return FReadAfter; }
  void SetReadAfter(const std::string& name) { FReadAfter = name; }

private:
  int32_t FReadDesignInfo = 0;  // as read or last written
  TComponent* FParent = nullptr;  // the component it was read in, unless the owner
  std::string FReadAfter;
};

// Adds to a parent's children (as its GetChildren gives them) the placeholders
// read inside it that it does not list.
void AddPlaceholderChildren(const TComponent* root, const TComponent* parent, std::vector<TComponent*>& children);

// Makes an instance of the placeholder class for records with bounds (visual) or
// without. The controls layer installs the maker of visual placeholders; until
// then every placeholder is a TPlaceholderComponent.
using TPlaceholderMaker = std::function<TComponent*(TComponent* owner, bool visual)>;
void SetPlaceholderMaker(TPlaceholderMaker maker);
// A placeholder owned by owner that reports className as its class.
TComponent* CreatePlaceholder(TComponent* owner, const std::string& className, bool visual);

}  // namespace kcl
