// The designer's layout commands: align, size, scale, z-order and tab order.
#include <algorithm>
#include <climits>

#include "ide/designer/proxydesigner.h"
#include "ide/designer/proxyform.h"
#include "ide/designer/wrappercontrol.h"
#include "kcl/controls/wincontrol.h"

namespace korvax::designer {

using namespace kcl;

namespace {

// One axis of a control's bounds: Left and Width, or Top and Height.
struct TAxis {
  bool Horizontal;
  int Start(const TControl* c) const { return Horizontal ? c->Left() : c->Top(); }
  int Extent(const TControl* c) const { return Horizontal ? c->Width() : c->Height(); }
  int ParentExtent(const TControl* c) const {
    const TWinControl* parent = c->Parent();
    if (!parent) return 0;
    return Horizontal ? parent->ClientWidth() : parent->ClientHeight();
  }
  void SetStart(TControl* c, int value) const {
    if (Horizontal)
      c->SetBounds(value, c->Top(), c->Width(), c->Height());
    else
      c->SetBounds(c->Left(), value, c->Width(), c->Height());
  }
  void SetExtent(TControl* c, int value) const {
    if (Horizontal)
      c->SetBounds(c->Left(), c->Top(), value, c->Height());
    else
      c->SetBounds(c->Left(), c->Top(), c->Width(), value);
  }
};

// The controls between the outermost two get equal gaps, in the order they stand.
void SpaceEqually(std::vector<TControl*> controls, const TAxis& axis) {
  if (controls.size() < 3) return;
  std::stable_sort(controls.begin(), controls.end(),
                   [&axis](const TControl* a, const TControl* b) { return axis.Start(a) < axis.Start(b); });
  const long long span = static_cast<long long>(axis.Start(controls.back())) + axis.Extent(controls.back()) -
                         axis.Start(controls.front());
  long long extents = 0;
  for (const TControl* c : controls) extents += axis.Extent(c);
  const long long free = span - extents;
  const long long gaps = static_cast<long long>(controls.size()) - 1;
  long long at = axis.Start(controls.front());
  for (size_t i = 0; i + 1 < controls.size(); ++i) {
    at += axis.Extent(controls[i]) + free * static_cast<long long>(i + 1) / gaps - free * static_cast<long long>(i) / gaps;
    if (i + 2 < controls.size()) axis.SetStart(controls[i + 1], static_cast<int>(at));
  }
}

// The selection's extent on the reference's parent, centred in that parent.
void CenterInWindow(const std::vector<TControl*>& controls, const TAxis& axis) {
  const TWinControl* parent = controls.front()->Parent();
  int first = INT_MAX, last = INT_MIN;
  for (const TControl* c : controls)
    if (c->Parent() == parent) {
      first = std::min(first, axis.Start(c));
      last = std::max(last, axis.Start(c) + axis.Extent(c));
    }
  const int shift = (axis.ParentExtent(controls.front()) - (last - first)) / 2 - first;
  for (TControl* c : controls)
    if (c->Parent() == parent) axis.SetStart(c, axis.Start(c) + shift);
}

void Align(const std::vector<TControl*>& controls, TAlignMode mode, const TAxis& axis) {
  if (controls.empty()) return;
  const TControl* reference = controls.front();
  switch (mode) {
    case TAlignMode::NoChange: return;
    case TAlignMode::SpaceEqually: return SpaceEqually(controls, axis);
    case TAlignMode::CenterInWindow: return CenterInWindow(controls, axis);
    default: break;
  }
  for (size_t i = 1; i < controls.size(); ++i) {
    TControl* c = controls[i];
    const int start = axis.Start(reference);
    if (mode == TAlignMode::Start) axis.SetStart(c, start);
    if (mode == TAlignMode::Centers) axis.SetStart(c, start + (axis.Extent(reference) - axis.Extent(c)) / 2);
    if (mode == TAlignMode::End) axis.SetStart(c, start + axis.Extent(reference) - axis.Extent(c));
  }
}

void Size(const std::vector<TControl*>& controls, TSizeMode mode, int value, const TAxis& axis) {
  if (mode == TSizeMode::NoChange) return;
  if (mode == TSizeMode::Grow) {
    value = 0;
    for (const TControl* c : controls) value = std::max(value, axis.Extent(c));
  } else if (mode == TSizeMode::Shrink) {
    value = 10000;
    for (const TControl* c : controls) value = std::min(value, axis.Extent(c));
  }
  for (TControl* c : controls) axis.SetExtent(c, value);
}

int ScaleValue(int value, int percent) {
  return static_cast<int>(static_cast<float>(value) * static_cast<float>(percent * 0.01f));
}

}  // namespace

void TProxyDesigner::AlignSelection(TAlignMode horizontal, TAlignMode vertical) {
  Align(Selection, horizontal, TAxis{true});
  Align(Selection, vertical, TAxis{false});
  TDesignEdit edit{TDesignEditKind::Align, {}};
  for (TControl* control : Selection) edit.Components.push_back(ComponentOf(control));
  RefreshHandles();
  Notify(edit);
}

void TProxyDesigner::SizeSelection(TSizeMode width, int widthValue, TSizeMode height, int heightValue) {
  // A wrapper keeps its size: it stands for a component that has none.
  std::vector<TControl*> sized;
  for (TControl* control : Selection)
    if (!dynamic_cast<TWrapperControl*>(control)) sized.push_back(control);
  Size(sized, width, widthValue, TAxis{true});
  Size(sized, height, heightValue, TAxis{false});
  TDesignEdit edit{TDesignEditKind::Size, {}};
  for (TControl* control : sized) edit.Components.push_back(control);
  RefreshHandles();
  Notify(edit);
}

void TProxyDesigner::ScaleComponents(int percent) {
  TDesignEdit edit{TDesignEditKind::Scale, {}};
  std::vector<TControl*> controls;
  for (int i = 0; i < Form->ComponentCount(); ++i)
    if (auto* control = dynamic_cast<TControl*>(Form->Components(i))) controls.push_back(control);
  for (TControl* control : controls) {
    const int left = ScaleValue(control->Left(), percent);
    const int top = ScaleValue(control->Top(), percent);
    if (dynamic_cast<TWrapperControl*>(control))
      control->SetBounds(left, top, control->Width(), control->Height());
    else
      control->SetBounds(left, top, ScaleValue(control->Width(), percent), ScaleValue(control->Height(), percent));
    edit.Components.push_back(ComponentOf(control));
  }
  RefreshHandles();
  Notify(edit);
}

void TProxyDesigner::MoveCurrentInZOrder(bool toFront) {
  TControl* current = Form->CurrentControl;
  if (!current || current == Form) return;
  if (toFront)
    current->BringToFront();
  else
    current->SendToBack();
  RefreshHandles();  // the handles stay over the controls
  Notify({TDesignEditKind::ZOrder, {ComponentOf(current)}});
}

void TProxyDesigner::SetTabOrders(const std::vector<TWinControl*>& order) {
  TDesignEdit edit{TDesignEditKind::TabOrder, {}};
  bool changed = false;
  for (size_t i = 0; i < order.size(); ++i) {
    const int place = static_cast<int>(i);
    changed = changed || order[i]->TabOrder() != place;
    order[i]->SetTabOrder(place);
    edit.Components.push_back(order[i]);
  }
  if (changed) Notify(edit);
}

}  // namespace korvax::designer
