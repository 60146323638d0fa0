#pragma once
// What the notebooks share: a control holding pages of which one shows, each a
// child the control owns, written inside it as an unnamed object. Pages lists
// their captions (adding a string adds a page).
#include <memory>
#include <vector>

#include "kcl/classes/stringlist.h"
#include "kcl/controls/customcontrol.h"

namespace kcl {

class TPageStack;

class TStackedPage : public TCustomControl {
  KCL_CLASS(TStackedPage, TCustomControl)
public:
  explicit TStackedPage(TComponent* owner);
  void SetParent(TWinControl* parent) override;

protected:
  // A page shows only when it is the active one, in design state too.
  void UpdateWidgetVisibility() override;
};

class TPageStack : public TCustomControl {
  KCL_CLASS(TPageStack, TCustomControl)
public:
  explicit TPageStack(TComponent* owner);
  ~TPageStack() override;

  // The caption of the page that shows; setting an unknown caption does nothing.
  std::string ActivePage() const;
  void SetActivePage(const std::string& v);
  // -1 while there are no pages; an index out of range is ignored, and so is
  // one CanChangePage refuses.
  int PageIndex() const { return FPageIndex; }
  void SetPageIndex(int v);
  TStrings* Pages() const { return FAccess.get(); }
  void SetPages(TStrings* v) { FAccess->Assign(v); }
  int PageCount() const { return static_cast<int>(FPageList.size()); }
  TStackedPage* StackedPage(int index) const { return FPageList.at(static_cast<size_t>(index)); }

  void GetChildren(const TGetChildProc& proc, TComponent* root) override;
  TComponent* GetChildOwner() override { return this; }
  void ReadState(TReader& reader) override;

protected:
  // A new page of the stack's own class.
  virtual TStackedPage* NewPage() = 0;
  virtual bool CanChangePage(int /*newIndex*/) { return true; }
  // After another page came to show by a new PageIndex.
  virtual void PageChanged() {}
  // Where a page stands while it shows.
  virtual void PlacePage(TStackedPage* /*page*/) {}
  // The pages were added, removed or moved.
  virtual void PagesChanged() {}
  void ShowActivePage();

private:
  friend class TStackedPage;
  friend class TPageAccess;
  void PageAdded(TStackedPage* page);
  void PageRemoved(TStackedPage* page);

  std::vector<TStackedPage*> FPageList;
  std::unique_ptr<TStrings> FAccess;
  int FPageIndex = -1;
};

}  // namespace kcl
