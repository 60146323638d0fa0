#pragma once
// TPlaceholderControl: the placeholder for a record of an unknown class that has
// bounds. It stands where the record puts it, holds the controls read inside it,
// and draws as a framed box with its class and name.
#include "kcl/classes/placeholder.h"
#include "kcl/controls/customcontrol.h"

namespace kcl {

class TPlaceholderControl : public TCustomControl, public TPlaceholder {
  KCL_CLASS(TPlaceholderControl, TCustomControl)
public:
  explicit TPlaceholderControl(TComponent* owner);

  void ReadState(TReader& reader) override;
  void WriteState(TWriter& writer) override;
  void GetChildren(const TGetChildProc& proc, TComponent* root) override;
  TComponent* GetChildOwner() override { return OwnsChildren(*this) ? this : nullptr; }
  void Notification(TComponent* component, TOperation operation) override;

protected:
  void Paint() override;

private:
  TRect FReadBounds;  // as read or last written
};

// Has the reader make TPlaceholderControl for unknown records with bounds.
void RegisterPlaceholderControl();

}  // namespace kcl
