#pragma once
// TTabbedNotebook and its TTabPage children: pages chosen by tabs above them, in
// rows of TabsPerRow tabs; the row of the chosen tab lies next to the page, as
// Windows lays out rows of tabs. A page stands inside the notebook's frame below
// the tabs, where forms record its Left and Top.
#include <memory>

#include "kcl/components/pagestack.h"
#include "kcl/graphics/font.h"

namespace kcl {

class TTabPage : public TStackedPage {
  KCL_CLASS(TTabPage, TStackedPage)
public:
  explicit TTabPage(TComponent* owner);
};

using TPageChangeEvent = TEvent<void(TObject* sender, int newTab, bool& allowChange)>;

class TTabbedNotebook : public TPageStack {
  KCL_CLASS(TTabbedNotebook, TPageStack)
public:
  explicit TTabbedNotebook(TComponent* owner);
  ~TTabbedNotebook() override;

  TTabPage* Page(int index) const { return static_cast<TTabPage*>(StackedPage(index)); }
  TFont* TabFont() const { return FTabFont.get(); }
  void SetTabFont(TFont* v) { FTabFont->Assign(v); }
  // At least 1.
  int TabsPerRow() const { return FTabsPerRow; }
  void SetTabsPerRow(int v);

  // The area the pages fill, in client coordinates.
  TRect DisplayRect() const;
  // The tab of a page; empty for an index out of range.
  TRect TabRect(int index) const;
  // The page whose tab holds a client point; -1 for none.
  int TabAtPos(TPoint pos) const;

  TPageChangeEvent OnChange;

  void SetBounds(int left, int top, int width, int height) override;
  void Loaded() override;

protected:
  TStackedPage* NewPage() override { return new TTabPage(this); }
  bool CanChangePage(int newIndex) override;
  void PlacePage(TStackedPage* page) override;
  void PagesChanged() override;
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  TRect AlignRect() const override { return DisplayRect(); }

private:
  int RowCount() const;
  int RowHeight() const;
  void LayOut();

  std::unique_ptr<TFont> FTabFont;
  int FTabsPerRow = 3;
};

}  // namespace kcl
