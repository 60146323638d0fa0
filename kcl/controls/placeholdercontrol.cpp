#include "kcl/controls/placeholdercontrol.h"

#include <algorithm>

#include "kcl/classes/classbuilder.h"

namespace kcl {

KCL_CLASS_INFO(TPlaceholderControl) {}

TPlaceholderControl::TPlaceholderControl(TComponent* owner) : TCustomControl(owner) {
  SetControlStyle(ControlStyle().Include(csAcceptsControls));
}

void TPlaceholderControl::ReadState(TReader& reader) {
  ReadRecord(reader, *this);
  FixupTabList();
  SetBounds(Integer("Left").value_or(Left()), Integer("Top").value_or(Top()), Integer("Width").value_or(Width()),
            Integer("Height").value_or(Height()));
  FReadBounds = BoundsRect();
}

void TPlaceholderControl::WriteState(TWriter& writer) {
  // Bounds the designer changed are written in place of those read.
  if (Left() != FReadBounds.Left) SetInteger("Left", Left());
  if (Top() != FReadBounds.Top) SetInteger("Top", Top());
  if (Width() != FReadBounds.Width()) SetInteger("Width", Width());
  if (Height() != FReadBounds.Height()) SetInteger("Height", Height());
  FReadBounds = BoundsRect();
  WriteRecord(writer, *this);
}

void TPlaceholderControl::GetChildren(const TGetChildProc& proc, TComponent* root) {
  // The children read, in their order, then controls placed inside since.
  const std::vector<TComponent*>& read = RecordChildren();
  for (TComponent* child : read) {
    const TComponent* parent = child->GetParentComponent();
    if (parent == this || !parent) proc(child);
  }
  for (TControl* control : Controls())
    if (control->Owner() == root && std::find(read.begin(), read.end(), control) == read.end()) proc(control);
}

void TPlaceholderControl::Notification(TComponent* component, TOperation operation) {
  TCustomControl::Notification(component, operation);
  if (operation == opRemove) ForgetChild(component);
}

void TPlaceholderControl::Paint() { PaintLabelledBox(*Canvas(), ClientRect(), Name() + ": " + ClassName()); }

void RegisterPlaceholderControl() {
  SetPlaceholderMaker([](TComponent* owner, bool visual) -> TComponent* {
    if (visual) return new TPlaceholderControl(owner);
    return new TPlaceholderComponent(owner);
  });
}

}  // namespace kcl
