#pragma once
// THeader: the Windows 3.1 header, a row of sections named by a string list
// whose right edges the user drags to resize them. A section is as wide as its
// text until it is given a width.
#include <memory>

#include "kcl/classes/valuedstrings.h"
#include "kcl/components/stdtypes.h"
#include "kcl/controls/customcontrol.h"

namespace kcl {

using TSectionEvent = TEvent<void(TObject* sender, int section, int width)>;

class THeader : public TCustomControl {
  KCL_CLASS(THeader, TCustomControl)
public:
  explicit THeader(TComponent* owner);
  ~THeader() override;

  bool AllowResize() const { return FAllowResize; }
  void SetAllowResize(bool v) { FAllowResize = v; }
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle v);
  TStrings* Sections() const { return FSections.get(); }
  void SetSections(TStrings* v) { FSections->Assign(v); }
  // Out of range indexes raise EStringListError; a width below nought is nought.
  int SectionWidth(int index);
  void SetSectionWidth(int index, int width);

  // The section whose right edge is within reach of a client x; -1 for none.
  int DividerAt(int x);

  TSectionEvent OnSizing;
  TSectionEvent OnSized;

protected:
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  virtual void Sizing(int section, int width) { OnSizing(this, section, width); }
  virtual void Sized(int section, int width) { OnSized(this, section, width); }

private:
  int SectionLeft(int index);

  bool FAllowResize = true;
  TBorderStyle FBorderStyle = bsSingle;
  // A width of -1: as wide as the text.
  std::unique_ptr<TValuedStrings<int>> FSections;
  int FResizing = -1;
};

}  // namespace kcl
