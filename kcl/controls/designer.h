#pragma once
// The designer hook of a form. While a control is in design state, every message
// it gets goes to its form's designer first; a true answer consumes it.
#include <string>

#include "kcl/classes/component.h"
#include "kcl/controls/messages.h"

namespace kcl {

class TControl;

class TDesigner {
public:
  virtual ~TDesigner() = default;
  virtual bool IsDesignMsg(TControl* sender, TMessage& message) = 0;
  virtual void Modified() = 0;
  virtual void Notification(TComponent* component, TOperation operation) = 0;
  virtual void PaintGrid() = 0;
  virtual void ValidateRename(TComponent* component, const std::string& curName, const std::string& newName) = 0;
};

}  // namespace kcl
