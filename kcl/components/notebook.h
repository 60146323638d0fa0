#pragma once
// TNotebook and its TPage children: a stack of pages of which one shows. The
// notebook owns its pages; they are written inside it as unnamed objects, and
// Pages lists their captions (adding a string adds a page).
#include <memory>
#include <vector>

#include "kcl/classes/stringlist.h"
#include "kcl/controls/customcontrol.h"

namespace kcl {

class TNotebook;

class TPage : public TCustomControl {
  KCL_CLASS(TPage, TCustomControl)
public:
  explicit TPage(TComponent* owner);
  void SetParent(TWinControl* parent) override;

protected:
  void Paint() override;
  // A page shows only when it is the notebook's active one, in design state too.
  void UpdateWidgetVisibility() override;
};

class TNotebook : public TCustomControl {
  KCL_CLASS(TNotebook, TCustomControl)
public:
  explicit TNotebook(TComponent* owner);
  ~TNotebook() override;

  // The caption of the page that shows; setting an unknown caption does nothing.
  std::string ActivePage() const;
  void SetActivePage(const std::string& v);
  // -1 while there are no pages; an index out of range is ignored.
  int PageIndex() const { return FPageIndex; }
  void SetPageIndex(int v);
  TStrings* Pages() const { return FAccess.get(); }
  void SetPages(TStrings* v) { FAccess->Assign(v); }
  int PageCount() const { return static_cast<int>(FPageList.size()); }
  TPage* Page(int index) const { return FPageList.at(static_cast<size_t>(index)); }

  void GetChildren(const TGetChildProc& proc, TComponent* root) override;
  TComponent* GetChildOwner() override { return this; }
  void ReadState(TReader& reader) override;

  TNotifyEvent OnPageChanged;

private:
  friend class TPage;
  friend class TPageAccess;
  void PageAdded(TPage* page);
  void PageRemoved(TPage* page);
  void ShowActivePage();

  std::vector<TPage*> FPageList;
  std::unique_ptr<TStrings> FAccess;
  int FPageIndex = -1;
};

}  // namespace kcl
