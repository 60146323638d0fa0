#include "kcl/components/notebook.h"

#include "kcl/classes/reader.h"
#include "kcl/classes/classbuilder.h"
#include "kcl/graphics/pen.h"
#include "kcl/rtl/sysutils.h"

namespace kcl {

// Pages seen as strings: each string is a page's caption.
class TPageAccess : public TStrings {
public:
  explicit TPageAccess(TNotebook& notebook) : FNotebook(notebook) {}

  void Put(int index, const std::string& s) override { Checked(index)->SetCaption(s); }
  void Insert(int index, const std::string& s) override {
    if (index < 0 || index > GetCount()) throw EListError(Format(msg::ListIndexError, {index}));
    auto* page = new TPage(&FNotebook);
    page->SetCaption(s);
    page->SetParent(&FNotebook);  // appended: move it where it belongs
    Move(GetCount() - 1, index);
  }
  void Delete(int index) override { Checked(index)->Free(); }
  void Clear() override {
    while (GetCount() > 0) Delete(GetCount() - 1);
  }
  void Move(int curIndex, int newIndex) override {
    if (curIndex == newIndex) return;
    TPage* active = FNotebook.FPageIndex >= 0 ? FNotebook.Page(FNotebook.FPageIndex) : nullptr;
    TPage* page = Checked(curIndex);
    auto& list = FNotebook.FPageList;
    list.erase(list.begin() + curIndex);
    list.insert(list.begin() + std::clamp(newIndex, 0, static_cast<int>(list.size())), page);
    if (active) FNotebook.FPageIndex = static_cast<int>(std::find(list.begin(), list.end(), active) - list.begin());
  }

protected:
  std::string Get(int index) const override { return Checked(index)->Caption(); }
  int GetCount() const override { return FNotebook.PageCount(); }

private:
  TPage* Checked(int index) const {
    if (index < 0 || index >= GetCount()) throw EListError(Format(msg::ListIndexError, {index}));
    return FNotebook.Page(index);
  }

  TNotebook& FNotebook;
};

// --- TPage

KCL_CLASS_INFO(TPage) {
  using T = TPage;
  cls.republish("Width").Stored(false);
  cls.republish("Height").Stored(false);
  cls.publish({"Caption"});
  cls.property("TabOrder", &T::TabOrder, &T::SetTabOrder, TTabOrderType()).Default(-1).Stored(false);
  cls.property("Visible", &T::Visible, &T::SetVisible).Default(true).Stored(false);
}

TPage::TPage(TComponent* owner) : TCustomControl(owner) {
  FControlStyle = {csAcceptsControls};
  SetVisible(false);
  SetAlign(alClient);
}

void TPage::SetParent(TWinControl* parent) {
  if (parent == Parent()) return;
  if (auto* notebook = dynamic_cast<TNotebook*>(Parent())) notebook->PageRemoved(this);
  TCustomControl::SetParent(parent);
  if (auto* notebook = dynamic_cast<TNotebook*>(parent)) notebook->PageAdded(this);
}

void TPage::UpdateWidgetVisibility() {
  if (Widget()) Widget()->setVisible(Visible());
}

void TPage::Paint() {
  if (!IsDesigning()) return;
  // The designer sees where the page ends.
  TCanvas& canvas = *Canvas();
  canvas.Pen()->SetStyle(psDash);
  canvas.Brush()->SetStyle(bsClear);
  canvas.Rectangle(0, 0, Width(), Height());
}

// --- TNotebook

KCL_CLASS_INFO(TNotebook) {
  using T = TNotebook;
  cls.property("ActivePage", &T::ActivePage, &T::SetActivePage).Stored(false);
  cls.publish({"Align", "Color", "Ctl3D", "DragCursor", "DragMode", "Font", "Enabled"});
  cls.property("PageIndex", &T::PageIndex, &T::SetPageIndex).Default(0);
  cls.property("Pages", &T::Pages, &T::SetPages).Stored(false);
  cls.publish({"ParentColor", "ParentCtl3D", "ParentFont", "ParentShowHint", "PopupMenu", "ShowHint", "TabOrder",
                "TabStop", "Visible", "OnClick", "OnDblClick", "OnDragDrop", "OnDragOver", "OnEndDrag", "OnEnter",
                "OnExit", "OnMouseDown", "OnMouseMove", "OnMouseUp"});
  cls.event("OnPageChanged", &T::OnPageChanged, TNotifyEventType());
  cls.publish({"OnStartDrag"});
}

TNotebook::TNotebook(TComponent* owner) : TCustomControl(owner), FAccess(std::make_unique<TPageAccess>(*this)) {
  FControlStyle = {csDoubleClicks};
  SetBounds(0, 0, 150, 150);
  FAccess->Add("Default");
}

TNotebook::~TNotebook() {
  // Pages go with the controls; the strings must not reach them afterwards.
  while (!FPageList.empty()) FPageList.back()->Free();
}

void TNotebook::PageAdded(TPage* page) {
  FPageList.push_back(page);
  if (!IsLoading() && FPageIndex < 0) SetPageIndex(0);
}

void TNotebook::PageRemoved(TPage* page) {
  const auto it = std::find(FPageList.begin(), FPageList.end(), page);
  if (it == FPageList.end()) return;
  const int index = static_cast<int>(it - FPageList.begin());
  FPageList.erase(it);
  if (index != FPageIndex) {
    if (index < FPageIndex) --FPageIndex;
    return;
  }
  // The page that now has the index shows instead, without an event: the
  // notebook itself may be going.
  FPageIndex = std::min(index, PageCount() - 1);
  ShowActivePage();
}

std::string TNotebook::ActivePage() const { return FPageIndex >= 0 ? Page(FPageIndex)->Caption() : std::string(); }

void TNotebook::SetActivePage(const std::string& v) {
  const int index = FAccess->IndexOf(v);
  if (index >= 0) SetPageIndex(index);
}

void TNotebook::SetPageIndex(int v) {
  if (IsLoading()) {
    FPageIndex = v;  // the pages come after the properties
    return;
  }
  if (v < 0 || v >= PageCount() || v == FPageIndex) return;
  FPageIndex = v;
  ShowActivePage();
  OnPageChanged(this);
}

void TNotebook::ShowActivePage() {
  for (int i = 0; i < PageCount(); ++i) {
    TPage* page = Page(i);
    page->SetVisible(i == FPageIndex);
    if (i == FPageIndex) page->BringToFront();
  }
}

void TNotebook::GetChildren(const TGetChildProc& proc, TComponent*) {
  for (TPage* page : std::vector<TPage*>(FPageList)) proc(page);
}

void TNotebook::ReadState(TReader& reader) {
  FAccess->Clear();
  TCustomControl::ReadState(reader);
  if (FPageIndex < 0 || FPageIndex >= PageCount()) FPageIndex = PageCount() > 0 ? 0 : -1;
  ShowActivePage();
}

}  // namespace kcl
