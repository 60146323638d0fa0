#pragma once
// TGraphicsObject: the base of TFont, TPen and TBrush. Every change of a property
// fires OnChange, which is how a canvas or a control learns that it must redraw.
#include "kcl/classes/events.h"
#include "kcl/classes/persistent.h"

namespace kcl {

class TGraphicsObject : public TPersistent {
  KCL_CLASS(TGraphicsObject, TPersistent)
public:
  TNotifyEvent OnChange;

protected:
  virtual void Changed() { OnChange(this); }
};

}  // namespace kcl
