#pragma once
// TNotebook and its TPage children: a stack of pages of which one shows, each
// filling the notebook.
#include "kcl/components/pagestack.h"

namespace kcl {

class TPage : public TStackedPage {
  KCL_CLASS(TPage, TStackedPage)
public:
  explicit TPage(TComponent* owner);

protected:
  void Paint() override;
};

class TNotebook : public TPageStack {
  KCL_CLASS(TNotebook, TPageStack)
public:
  explicit TNotebook(TComponent* owner);

  TPage* Page(int index) const { return static_cast<TPage*>(StackedPage(index)); }

  TNotifyEvent OnPageChanged;

protected:
  TStackedPage* NewPage() override { return new TPage(this); }
  void PageChanged() override { OnPageChanged(this); }
};

}  // namespace kcl
