#include "kcl/components/pagestack.h"

#include <algorithm>

#include "kcl/classes/classbuilder.h"
#include "kcl/classes/reader.h"
#include "kcl/rtl/sysutils.h"

namespace kcl {

// Pages seen as strings: each string is a page's caption.
class TPageAccess : public TStrings {
public:
  explicit TPageAccess(TPageStack& stack) : FStack(stack) {}

  void Put(int index, const std::string& s) override {
    Checked(index)->SetCaption(s);
    FStack.PagesChanged();
  }
  void Insert(int index, const std::string& s) override {
    if (index < 0 || index > GetCount()) throw EListError(Format(msg::ListIndexError, {index}));
    TStackedPage* page = FStack.NewPage();
    page->SetCaption(s);
    page->SetParent(&FStack);  // appended: move it where it belongs
    Move(GetCount() - 1, index);
  }
  void Delete(int index) override { Checked(index)->Free(); }
  void Clear() override {
    while (GetCount() > 0) Delete(GetCount() - 1);
  }
  void Move(int curIndex, int newIndex) override {
    if (curIndex == newIndex) return;
    TStackedPage* active = FStack.FPageIndex >= 0 ? FStack.StackedPage(FStack.FPageIndex) : nullptr;
    TStackedPage* page = Checked(curIndex);
    auto& list = FStack.FPageList;
    list.erase(list.begin() + curIndex);
    list.insert(list.begin() + std::clamp(newIndex, 0, static_cast<int>(list.size())), page);
    if (active) FStack.FPageIndex = static_cast<int>(std::find(list.begin(), list.end(), active) - list.begin());
    FStack.PagesChanged();
  }

protected:
  std::string Get(int index) const override { return Checked(index)->Caption(); }
  int GetCount() const override { return FStack.PageCount(); }

private:
  TStackedPage* Checked(int index) const {
    if (index < 0 || index >= GetCount()) throw EListError(Format(msg::ListIndexError, {index}));
    return FStack.StackedPage(index);
  }

  TPageStack& FStack;
};

// --- TStackedPage

KCL_CLASS_INFO(TStackedPage) {}

TStackedPage::TStackedPage(TComponent* owner) : TCustomControl(owner) {
  FControlStyle = {csAcceptsControls};
  SetVisible(false);
}

void TStackedPage::SetParent(TWinControl* parent) {
  if (parent == Parent()) return;
  if (auto* stack = dynamic_cast<TPageStack*>(Parent())) stack->PageRemoved(this);
  TCustomControl::SetParent(parent);
  if (auto* stack = dynamic_cast<TPageStack*>(parent)) stack->PageAdded(this);
}

void TStackedPage::UpdateWidgetVisibility() {
  if (Widget()) Widget()->setVisible(Visible());
}

// --- TPageStack

KCL_CLASS_INFO(TPageStack) {}

TPageStack::TPageStack(TComponent* owner) : TCustomControl(owner), FAccess(std::make_unique<TPageAccess>(*this)) {}

TPageStack::~TPageStack() {
  // Pages go with the controls; the strings must not reach them afterwards.
  while (!FPageList.empty()) FPageList.back()->Free();
}

void TPageStack::PageAdded(TStackedPage* page) {
  FPageList.push_back(page);
  if (!IsLoading() && FPageIndex < 0) SetPageIndex(0);
  PagesChanged();
}

void TPageStack::PageRemoved(TStackedPage* page) {
  const auto it = std::find(FPageList.begin(), FPageList.end(), page);
  if (it == FPageList.end()) return;
  const int index = static_cast<int>(it - FPageList.begin());
  FPageList.erase(it);
  if (index != FPageIndex) {
    if (index < FPageIndex) --FPageIndex;
  } else {
    // The page that now has the index shows instead, without an event: the
    // stack itself may be going.
    FPageIndex = std::min(index, PageCount() - 1);
    ShowActivePage();
  }
  if (!ComponentState().Contains(csDestroying)) PagesChanged();
}

std::string TPageStack::ActivePage() const {
  return FPageIndex >= 0 ? StackedPage(FPageIndex)->Caption() : std::string();
}

void TPageStack::SetActivePage(const std::string& v) {
  const int index = FAccess->IndexOf(v);
  if (index >= 0) SetPageIndex(index);
}

void TPageStack::SetPageIndex(int v) {
  if (IsLoading()) {
    FPageIndex = v;  // the pages come after the properties
    return;
  }
  if (v < 0 || v >= PageCount() || v == FPageIndex || !CanChangePage(v)) return;
  FPageIndex = v;
  ShowActivePage();
  PageChanged();
}

void TPageStack::ShowActivePage() {
  for (int i = 0; i < PageCount(); ++i) {
    TStackedPage* page = StackedPage(i);
    if (i == FPageIndex) PlacePage(page);
    page->SetVisible(i == FPageIndex);
    if (i == FPageIndex) page->BringToFront();
  }
}

void TPageStack::GetChildren(const TGetChildProc& proc, TComponent*) {
  for (TStackedPage* page : std::vector<TStackedPage*>(FPageList)) proc(page);
}

void TPageStack::ReadState(TReader& reader) {
  FAccess->Clear();
  TCustomControl::ReadState(reader);
  if (FPageIndex < 0 || FPageIndex >= PageCount()) FPageIndex = PageCount() > 0 ? 0 : -1;
  ShowActivePage();
}

}  // namespace kcl
