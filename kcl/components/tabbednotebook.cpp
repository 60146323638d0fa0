#include "kcl/components/tabbednotebook.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "kcl/classes/classbuilder.h"
#include "kcl/components/bevelframe.h"
#include "kcl/graphics/brush.h"

namespace kcl {

namespace {
constexpr int FrameMargin = 4;  // between the notebook's edge and a page
constexpr int RaisedBy = 2;     // how far the chosen tab stands out
constexpr int64_t MaxFontHeight = 1000;

const TTypeInfo* TPageChangeEventType() {
  static const TTypeInfo* t = MakeMethodType(
      "TPageChangeEvent", mkProcedure,
      {{0, "Sender", "TObject"}, {0, "NewTab", "Integer"}, {pfVar, "AllowChange", "Boolean"}});
  return t;
}
}  // namespace

// --- TTabPage

KCL_CLASS_INFO(TTabPage) {
  using T = TTabPage;
  cls.publish({"Caption"});
  cls.republish("Height").Stored(false);
  cls.property("TabOrder", &T::TabOrder, &T::SetTabOrder, TTabOrderType()).Default(-1).Stored(false);
  cls.property("Visible", &T::Visible, &T::SetVisible).Default(true).Stored(false);
  cls.republish("Width").Stored(false);
}

TTabPage::TTabPage(TComponent* owner) : TStackedPage(owner) {}

// --- TTabbedNotebook

KCL_CLASS_INFO(TTabbedNotebook) {
  using T = TTabbedNotebook;
  cls.property("ActivePage", &T::ActivePage, &T::SetActivePage).Stored(false);
  cls.publish({"Align", "Enabled"});
  cls.property("PageIndex", &T::PageIndex, &T::SetPageIndex).Default(0);
  cls.property("Pages", &T::Pages, &T::SetPages).Stored(false);
  cls.publish({"Font", "ParentFont", "ParentShowHint", "PopupMenu", "ShowHint"});
  cls.property("TabFont", &T::TabFont, &T::SetTabFont);
  cls.property("TabsPerRow", &T::TabsPerRow, &T::SetTabsPerRow).Default(3);
  cls.publish({"TabOrder"});
  cls.property("TabStop", &T::TabStop, &T::SetTabStop).Default(true);
  cls.publish({"Visible", "OnClick"});
  cls.event("OnChange", &T::OnChange, TPageChangeEventType());
  cls.publish({"OnDblClick", "OnEnter", "OnExit", "OnKeyDown", "OnKeyPress", "OnKeyUp", "OnMouseDown",
                "OnMouseMove", "OnMouseUp"});
}

TTabbedNotebook::TTabbedNotebook(TComponent* owner) : TPageStack(owner), FTabFont(std::make_unique<TFont>()) {
  FControlStyle = {csDoubleClicks};
  FTabFont->SetColor(clBtnText);
  FTabFont->OnChange.SetHandler([this](TObject*) { LayOut(); });
  SetTabStop(true);
  SetBounds(0, 0, 300, 250);
  Pages()->Add("Default");
}

TTabbedNotebook::~TTabbedNotebook() { FTabFont->OnChange.SetHandler(nullptr); }

void TTabbedNotebook::SetTabsPerRow(int v) {
  FTabsPerRow = std::max(v, 1);
  LayOut();
}

int TTabbedNotebook::RowCount() const { return std::max((PageCount() + FTabsPerRow - 1) / FTabsPerRow, 1); }

// From the tab font's declared height, so that pages stand where Delphi put
// them whatever the typeface measures here.
int TTabbedNotebook::RowHeight() const {
  return static_cast<int>(std::min<int64_t>(std::abs(static_cast<int64_t>(FTabFont->Height())), MaxFontHeight)) + 9;
}

TRect TTabbedNotebook::DisplayRect() const {
  return Rect(FrameMargin, FrameMargin + RowCount() * RowHeight(), std::max(Width() - FrameMargin, FrameMargin),
              std::max(Height() - FrameMargin, FrameMargin + RowCount() * RowHeight()));
}

TRect TTabbedNotebook::TabRect(int index) const {
  if (index < 0 || index >= PageCount()) return {};
  const int rows = RowCount();
  const int activeRow = std::max(PageIndex(), 0) / FTabsPerRow;
  // Rows turn so that the chosen tab's row comes last, next to the page.
  const int row = (index / FTabsPerRow - activeRow - 1 + 2 * rows) % rows;
  const int column = index % FTabsPerRow;
  const int span = Width() - 2 * RaisedBy;
  const int left = RaisedBy + span * column / FTabsPerRow, right = RaisedBy + span * (column + 1) / FTabsPerRow;
  const int top = RaisedBy + row * RowHeight();
  TRect r = Rect(left, top, right, top + RowHeight());
  if (index == PageIndex()) r = Rect(r.Left - RaisedBy, r.Top - RaisedBy, r.Right + RaisedBy, r.Bottom + 1);
  return r;
}

int TTabbedNotebook::TabAtPos(TPoint pos) const {
  // The chosen tab stands over its neighbours.
  if (TabRect(PageIndex()).Contains(pos)) return PageIndex();
  for (int i = 0; i < PageCount(); ++i)
    if (TabRect(i).Contains(pos)) return i;
  return -1;
}

bool TTabbedNotebook::CanChangePage(int newIndex) {
  bool allow = true;
  OnChange(this, newIndex, allow);
  return allow;
}

void TTabbedNotebook::PlacePage(TStackedPage* page) {
  // While a form is read its pages keep the bounds it gives them.
  if (!IsLoading()) page->SetBoundsRect(DisplayRect());
}

void TTabbedNotebook::PagesChanged() { LayOut(); }

void TTabbedNotebook::Loaded() {
  TPageStack::Loaded();
  // A form gives its pages' places, not their sizes: they fill the frame from there.
  for (int i = 0; i < PageCount(); ++i) {
    TStackedPage* page = StackedPage(i);
    page->SetBounds(page->Left(), page->Top(), std::max(Width() - FrameMargin - page->Left(), 0),
                    std::max(Height() - FrameMargin - page->Top(), 0));
  }
}

void TTabbedNotebook::LayOut() {
  for (int i = 0; i < PageCount(); ++i) PlacePage(StackedPage(i));
  Invalidate();
}

void TTabbedNotebook::SetBounds(int left, int top, int width, int height) {
  TPageStack::SetBounds(left, top, width, height);
  LayOut();
}

void TTabbedNotebook::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TPageStack::MouseDown(button, shift, x, y);
  if (button != mbLeft) return;
  const int index = TabAtPos({x, y});
  if (index < 0 || index == PageIndex()) return;
  SetPageIndex(index);
  if (PageIndex() == index) {
    LayOut();
    Click();
  }
}

void TTabbedNotebook::Paint() {
  TCanvas& canvas = *Canvas();
  canvas.Brush()->SetColor(clBtnFace);
  canvas.FillRect(ClientRect());
  const TRect frame = Rect(0, DisplayRect().Top - RaisedBy, Width(), Height());
  DrawBevelFrame(canvas, frame, clBtnHighlight, cl3DDkShadow);
  DrawBevelFrame(canvas, Rect(frame.Left + 1, frame.Top + 1, frame.Right - 1, frame.Bottom - 1), cl3DLight,
                 clBtnShadow);
  canvas.SetFont(FTabFont.get());
  const auto paintTab = [&](int index) {
    const TRect r = TabRect(index);
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(clBtnFace);
    canvas.FillRect(r);
    // Raised on three sides; the chosen tab opens into the page below it.
    DrawBevelFrame(canvas, Rect(r.Left, r.Top, r.Right, r.Bottom + (index == PageIndex() ? 2 : 0)), clBtnHighlight,
                   cl3DDkShadow);
    const std::string caption = Page(index)->Caption();
    canvas.Brush()->SetStyle(bsClear);
    canvas.TextRect(Rect(r.Left + 2, r.Top + 1, r.Right - 2, r.Bottom - 1),
                    (r.Left + r.Right - canvas.TextWidth(caption)) / 2,
                    (r.Top + r.Bottom - canvas.TextHeight(caption)) / 2, caption);
  };
  for (int i = 0; i < PageCount(); ++i)
    if (i != PageIndex()) paintTab(i);
  if (PageIndex() >= 0) paintTab(PageIndex());
}

}  // namespace kcl
