#include "kcl/components/outline.h"

#include <QScrollBar>
#include <QSignalBlocker>

#include "kcl/classes/reader.h"
#include "kcl/classes/writer.h"
#include "kcl/components/extctrls.h"
#include "kcl/classes/classbuilder.h"
#include "kcl/controls/keys.h"
#include "kcl/controls/windowsstyle.h"
#include "kcl/graphics/bitmap.h"
#include "kcl/rtl/scopeguard.h"
#include "kcl/rtl/sysutils.h"

namespace kcl {

namespace {
constexpr int LevelIndent = 16;  // per level, and the width of a picture
constexpr int BoxSize = 9;       // the plus and minus boxes
constexpr int BarThickness = 16;
enum Picture { pcPlus, pcMinus, pcOpen, pcClosed, pcLeaf };
}  // namespace

void DrawClientEdge(TCanvas& canvas, TRect& rect, bool single, TColor color) {
  if (single) {
    Frame3D(canvas, rect, clBtnShadow, clBtnHighlight, 1);
    Frame3D(canvas, rect, cl3DDkShadow, cl3DLight, 1);
  }
  canvas.Brush()->SetColor(color);
  canvas.FillRect(rect);
}

const TTypeInfo* EOutlineChangeType() {
  static const TTypeInfo* t =
      MakeMethodType("EOutlineChange", mkProcedure, {{0, "Sender", "TObject"}, {0, "Index", "Longint"}});
  return t;
}

KCL_CLASS_INFO(TOutlineStrings) {}

void TOutlineStrings::DefineProperties(TFiler& filer) {
  // The same list of strings as any TStrings writes, under another name.
  const auto readData = [this](TReader& reader) {
    BeginUpdate();
    OnScopeExit endUpdate([this] { EndUpdate(); });
    reader.ReadListBegin();
    Clear();
    while (!reader.EndOfList()) Add(reader.ReadString());
    reader.ReadListEnd();
  };
  const auto writeData = [this](TWriter& writer) {
    writer.WriteListBegin();
    for (int i = 0; i < Count(); ++i) writer.WriteString(Strings(i));
    writer.WriteListEnd();
  };
  filer.DefineProperty("Nodes", readData, writeData, Count() > 0);
}

KCL_CLASS_INFO(TCustomOutline) {}

KCL_CLASS_INFO(TOutline) {
  using T = TOutline;
  cls.property("Lines", &T::Lines, &T::SetLines);
  cls.property("OutlineStyle", &T::OutlineStyle, &T::SetOutlineStyle).Default(osTreePictureText);
  cls.event("OnExpand", &T::OnExpand, EOutlineChangeType());
  cls.event("OnCollapse", &T::OnCollapse, EOutlineChangeType());
  cls.property("Options", &T::Options, &T::SetOptions).Default(TOutlineOptions{ooDrawTreeRoot, ooDrawFocusRect});
  cls.property("Style", &T::Style, &T::SetStyle).Default(otStandard);
  cls.property("ItemHeight", &T::ItemHeight, &T::SetItemHeight);
  cls.event("OnDrawItem", &T::OnDrawItem, TDrawItemEventType());
  cls.publish({"Align", "Enabled", "Font", "Color"});
  cls.property("ParentColor", &T::ParentColor, &T::SetParentColor).Default(false);
  cls.publish({"ParentCtl3D", "Ctl3D", "TabOrder"});
  cls.property("TabStop", &T::TabStop, &T::SetTabStop).Default(true);
  cls.publish({"Visible", "OnClick", "DragMode", "DragCursor", "OnDragDrop", "OnDragOver", "OnEndDrag", "OnStartDrag",
                "OnEnter", "OnExit", "OnKeyDown", "OnKeyPress", "OnKeyUp", "OnMouseDown", "OnMouseMove", "OnMouseUp",
                "OnDblClick"});
  cls.property("BorderStyle", &T::BorderStyle, &T::SetBorderStyle, TBorderStyleType()).Default(bsSingle);
  cls.property("ItemSeparator", &T::ItemSeparator, &T::SetItemSeparator);
  cls.property("PicturePlus", &T::PicturePlus, &T::SetPicturePlus).Stored(&T::IsPicturePlusStored);
  cls.property("PictureMinus", &T::PictureMinus, &T::SetPictureMinus).Stored(&T::IsPictureMinusStored);
  cls.property("PictureOpen", &T::PictureOpen, &T::SetPictureOpen).Stored(&T::IsPictureOpenStored);
  cls.property("PictureClosed", &T::PictureClosed, &T::SetPictureClosed).Stored(&T::IsPictureClosedStored);
  cls.property("PictureLeaf", &T::PictureLeaf, &T::SetPictureLeaf).Stored(&T::IsPictureLeafStored);
  cls.publish({"ParentFont", "ParentShowHint", "ShowHint", "PopupMenu"});
  cls.property("ScrollBars", &T::ScrollBars, &T::SetScrollBars).Default(ssBoth);
}

TCustomOutline::TCustomOutline(TComponent* owner)
    : TCustomControl(owner), FLines(std::make_unique<TOutlineStrings>([this] { LinesChanged(); })) {
  FControlStyle = {csCaptureMouse, csClickEvents, csOpaque, csDoubleClicks};
  for (auto& picture : FPictures) {
    picture = std::make_unique<TBitmap>();
    picture->OnChange.SetHandler([this](TObject*) { Invalidate(); });
  }
  SetBounds(0, 0, 121, 97);
  SetColor(clWindow);
  SetTabStop(true);
}

TCustomOutline::~TCustomOutline() { FLines->SetChangedHandler(nullptr); }

void TCustomOutline::LinesChanged() {
  // Keep the open state of the lines that stay where they were.
  std::vector<Node> nodes(static_cast<size_t>(FLines->Count()));
  int previous = 0;
  for (int i = 0; i < FLines->Count(); ++i) {
    const std::string& line = FLines->Strings(i);
    const int tabs = static_cast<int>(std::min(line.find_first_not_of('\t'), line.size()));
    // A line cannot lie more than one level below the one before it.
    nodes[static_cast<size_t>(i)].Level = std::min(tabs + 1, previous + 1);
    if (static_cast<size_t>(i) < FNodes.size()) nodes[static_cast<size_t>(i)].Expanded = FNodes[static_cast<size_t>(i)].Expanded;
    previous = nodes[static_cast<size_t>(i)].Level;
  }
  FNodes = std::move(nodes);
  if (FSelected > ItemCount()) FSelected = 0;
  UpdateScrollBar();
  Invalidate();
}

void TCustomOutline::CheckIndex(int index) const {
  if (index < 1 || index > ItemCount()) throw EListError(Format(msg::ListIndexError, {index}));
}

int TCustomOutline::Level(int index) const {
  CheckIndex(index);
  return FNodes[static_cast<size_t>(index - 1)].Level;
}

std::string TCustomOutline::ItemText(int index) const {
  CheckIndex(index);
  const std::string& line = FLines->Strings(index - 1);
  return line.substr(std::min(line.find_first_not_of('\t'), line.size()));
}

bool TCustomOutline::HasItems(int index) const { return index < ItemCount() && Level(index + 1) > Level(index); }

bool TCustomOutline::Expanded(int index) const {
  CheckIndex(index);
  return FNodes[static_cast<size_t>(index - 1)].Expanded;
}

void TCustomOutline::SetExpanded(int index, bool v) {
  CheckIndex(index);
  Node& node = FNodes[static_cast<size_t>(index - 1)];
  if (node.Expanded == v) return;
  node.Expanded = v;
  // A selection inside a closed node moves up to it.
  if (!v && FSelected > index) {
    for (int p = ParentItem(FSelected); p; p = ParentItem(p))
      if (p == index) FSelected = index;
  }
  UpdateScrollBar();
  Invalidate();
  if (v) OnExpand(this, index);
  else OnCollapse(this, index);
}

void TCustomOutline::FullExpand() {
  for (int i = 1; i <= ItemCount(); ++i)
    if (HasItems(i)) SetExpanded(i, true);
}

void TCustomOutline::FullCollapse() {
  for (int i = ItemCount(); i >= 1; --i)
    if (HasItems(i)) SetExpanded(i, false);
}

int TCustomOutline::ParentItem(int index) const {
  const int level = Level(index);
  for (int i = index - 1; i >= 1; --i)
    if (Level(i) < level) return i;
  return 0;
}

std::string TCustomOutline::FullPath(int index) const {
  std::string path = ItemText(index);
  for (int p = ParentItem(index); p; p = ParentItem(p)) path = ItemText(p) + FItemSeparator + path;
  return path;
}

void TCustomOutline::SetSelectedItem(int index) {
  if (index != 0) CheckIndex(index);
  for (int p = index ? ParentItem(index) : 0; p; p = ParentItem(p)) FNodes[static_cast<size_t>(p - 1)].Expanded = true;
  FSelected = index;
  UpdateScrollBar();
  if (index) ScrollIntoView(index);
  Invalidate();
}

std::vector<int> TCustomOutline::VisibleItems() const {
  std::vector<int> items;
  int closedLevel = 0;  // below a closed node, every deeper item is hidden
  for (int i = 1; i <= ItemCount(); ++i) {
    const Node& node = FNodes[static_cast<size_t>(i - 1)];
    if (closedLevel && node.Level > closedLevel) continue;
    closedLevel = 0;
    items.push_back(i);
    if (!node.Expanded) closedLevel = node.Level;
  }
  return items;
}

int TCustomOutline::BorderWidth() const { return FBorderStyle == bsSingle ? 2 : 0; }

int TCustomOutline::RowCount() const {
  const int border = BorderWidth();
  return std::max(1, (Height() - 2 * border) / std::max(FItemHeight, 1));
}

int TCustomOutline::ItemAtPos(int x, int y) const {
  const int border = BorderWidth();
  if (x < border || y < border || x >= Width() - border) return 0;
  const std::vector<int> items = VisibleItems();
  const size_t row = static_cast<size_t>(FTopRow + (y - border) / std::max(FItemHeight, 1));
  return row < items.size() ? items[row] : 0;
}

int TCustomOutline::Indent(int index) const {
  const bool tree = FOutlineStyle == osTreeText || FOutlineStyle == osTreePictureText;
  const bool box = FOutlineStyle == osPlusMinusText || FOutlineStyle == osPlusMinusPictureText;
  const int root = tree && FOptions.Contains(ooDrawTreeRoot) ? 1 : 0;
  return (Level(index) - 1 + root + (box ? 1 : 0)) * LevelIndent;
}

TRect TCustomOutline::PlusMinusRect(int index, int row) const {
  const int border = BorderWidth();
  const int x = border + Indent(index) - LevelIndent + (LevelIndent - BoxSize) / 2;
  const int y = border + row * FItemHeight + (FItemHeight - BoxSize) / 2;
  return Rect(x, y, x + BoxSize, y + BoxSize);
}

void TCustomOutline::ScrollIntoView(int index) {
  const std::vector<int> items = VisibleItems();
  const int row = static_cast<int>(std::find(items.begin(), items.end(), index) - items.begin());
  if (row < FTopRow) SetTopRow(row);
  else if (row >= FTopRow + RowCount()) SetTopRow(row - RowCount() + 1);
}

void TCustomOutline::SetTopRow(int v) {
  const int rows = static_cast<int>(VisibleItems().size());
  FTopRow = std::clamp(v, 0, std::max(0, rows - RowCount()));
  if (FScrollBar) {
    const QSignalBlocker blocker(FScrollBar);
    FScrollBar->setValue(FTopRow);
  }
  Invalidate();
}

void TCustomOutline::InitWidget() {
  TCustomControl::InitWidget();
  auto* bar = new QScrollBar(Qt::Vertical, Widget());
  UseWindowsStyle(bar);
  QObject::connect(bar, &QAbstractSlider::valueChanged, bar, [this](int row) { SetTopRow(row); });
  FScrollBar = bar;
  UpdateScrollBar();
}

void TCustomOutline::UpdateWidgetGeometry() {
  TCustomControl::UpdateWidgetGeometry();
  UpdateScrollBar();
}

void TCustomOutline::UpdateScrollBar() {
  const int rows = static_cast<int>(VisibleItems().size());
  FTopRow = std::clamp(FTopRow, 0, std::max(0, rows - RowCount()));
  if (!FScrollBar) return;
  const bool shown = (FScrollBars == ssVertical || FScrollBars == ssBoth) && rows > RowCount();
  FScrollBar->setVisible(shown);
  if (!shown) return;
  const int border = BorderWidth();
  const QSignalBlocker blocker(FScrollBar);
  FScrollBar->setGeometry(Width() - border - BarThickness, border, BarThickness, Height() - 2 * border);
  FScrollBar->setRange(0, rows - RowCount());
  FScrollBar->setPageStep(RowCount());
  FScrollBar->setValue(FTopRow);
}

void TCustomOutline::Paint() {
  TCanvas& canvas = *Canvas();
  TRect client = ClientRect();
  DrawClientEdge(canvas, client, FBorderStyle == bsSingle, Color());
  const std::vector<int> items = VisibleItems();
  for (int row = 0; FTopRow + row < static_cast<int>(items.size()) && row < RowCount() + 1; ++row) {
    const int index = items[static_cast<size_t>(FTopRow + row)];
    const TRect rect = Rect(client.Left, client.Top + row * FItemHeight, client.Right, client.Top + (row + 1) * FItemHeight);
    TOwnerDrawState state;
    if (index == FSelected) state.Include(odSelected);
    if (index == FSelected && Focused()) state.Include(odFocused);
    canvas.Brush()->SetColor(Color());
    canvas.Font()->Assign(Font());
    if (FStyle == otOwnerDraw && OnDrawItem.Assigned()) OnDrawItem(this, index, rect, state);
    else DrawItem(index, rect, state);
  }
}

void TCustomOutline::DrawItem(int index, const TRect& rect, TOwnerDrawState state) {
  TCanvas& canvas = *Canvas();
  const bool tree = FOutlineStyle == osTreeText || FOutlineStyle == osTreePictureText;
  const bool box = FOutlineStyle == osPlusMinusText || FOutlineStyle == osPlusMinusPictureText;
  const bool picture = FOutlineStyle == osPictureText || FOutlineStyle == osPlusMinusPictureText ||
                       FOutlineStyle == osTreePictureText;
  int x = rect.Left + Indent(index);
  const int middle = (rect.Top + rect.Bottom) / 2;
  if (tree && (Level(index) > 1 || FOptions.Contains(ooDrawTreeRoot))) {
    canvas.Pen()->SetColor(clGray);
    canvas.Pen()->SetStyle(psDot);
    canvas.MoveTo(x - LevelIndent / 2, rect.Top);
    canvas.LineTo(x - LevelIndent / 2, middle);
    canvas.LineTo(x, middle);
    canvas.Pen()->SetStyle(psSolid);
  }
  if (box && HasItems(index)) {
    const int row = (rect.Top - BorderWidth()) / std::max(FItemHeight, 1);
    TRect r = PlusMinusRect(index, row);
    TBitmap* glyph = FPictures[Expanded(index) ? pcMinus : pcPlus].get();
    if (!glyph->Empty()) {
      canvas.Draw(r.Left, r.Top, glyph);
    } else {
      canvas.Pen()->SetColor(clGray);
      canvas.Brush()->SetColor(clWindow);
      canvas.Rectangle(r);
      canvas.Pen()->SetColor(clBlack);
      canvas.MoveTo(r.Left + 2, middle), canvas.LineTo(r.Right - 2, middle);
      if (!Expanded(index)) canvas.MoveTo((r.Left + r.Right) / 2, r.Top + 2), canvas.LineTo((r.Left + r.Right) / 2, r.Bottom - 2);
    }
  }
  if (picture) {
    TBitmap* glyph = FPictures[!HasItems(index) ? pcLeaf : Expanded(index) ? pcOpen : pcClosed].get();
    const int top = rect.Top + (rect.Height() - LevelIndent) / 2;
    if (!glyph->Empty()) {
      canvas.Draw(x, rect.Top + (rect.Height() - glyph->Height()) / 2, glyph);
    } else {
      canvas.Pen()->SetColor(clBlack);
      canvas.Brush()->SetColor(HasItems(index) ? clYellow : clWhite);
      canvas.Rectangle(x + 2, top + 4, x + LevelIndent - 2, top + LevelIndent - 3);
    }
    x += LevelIndent + 2;
  }
  const std::string text = ItemText(index);
  const TRect textRect = Rect(x, rect.Top, x + canvas.TextWidth(text) + 4, rect.Bottom);
  const bool selected = state.Contains(odSelected);
  canvas.Brush()->SetColor(selected ? clHighlight : Color());
  canvas.Font()->SetColor(selected ? clHighlightText : Font()->Color());
  canvas.TextRect(textRect, x + 2, rect.Top + (rect.Height() - canvas.TextHeight(text)) / 2, text);
  if (state.Contains(odFocused) && FOptions.Contains(ooDrawFocusRect)) canvas.DrawFocusRect(textRect);
}

void TCustomOutline::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (!IsDesigning() && button == mbLeft) {
    if (CanFocus() && !Focused()) SetFocus();
    if (const int index = ItemAtPos(x, y)) {
      const int border = BorderWidth();
      const TRect box = PlusMinusRect(index, (y - border) / std::max(FItemHeight, 1));
      const bool boxes = FOutlineStyle == osPlusMinusText || FOutlineStyle == osPlusMinusPictureText;
      if (boxes && HasItems(index) && box.Contains({x, y})) SetExpanded(index, !Expanded(index));
      SetSelectedItem(index);
    }
  }
  TCustomControl::MouseDown(button, shift, x, y);
}

void TCustomOutline::DblClick() {
  TCustomControl::DblClick();
  if (FSelected && HasItems(FSelected)) SetExpanded(FSelected, !Expanded(FSelected));
}

void TCustomOutline::KeyDown(Word& key, TShiftState shift) {
  TCustomControl::KeyDown(key, shift);
  const std::vector<int> items = VisibleItems();
  if (items.empty()) return;
  const auto at = std::find(items.begin(), items.end(), FSelected);
  const int row = at == items.end() ? -1 : static_cast<int>(at - items.begin());
  const int last = static_cast<int>(items.size()) - 1;
  int next = row;
  switch (key) {
    case VK_UP: next = std::max(row - 1, 0); break;
    case VK_DOWN: next = std::min(row + 1, last); break;
    case VK_PRIOR: next = std::max(row - RowCount() + 1, 0); break;
    case VK_NEXT: next = std::min(row + RowCount() - 1, last); break;
    case VK_HOME: next = 0; break;
    case VK_END: next = last; break;
    default: return;
  }
  SetSelectedItem(items[static_cast<size_t>(std::max(next, 0))]);
}

void TCustomOutline::KeyPress(char& key) {
  TCustomControl::KeyPress(key);
  if (!FSelected || !HasItems(FSelected)) return;
  if (key == '+') SetExpanded(FSelected, true);
  else if (key == '-') SetExpanded(FSelected, false);
  else if (key == '\r') SetExpanded(FSelected, !Expanded(FSelected));
}

void TCustomOutline::SetOutlineStyle(TOutlineType v) {
  FOutlineStyle = v;
  Invalidate();
}

void TCustomOutline::SetOptions(TOutlineOptions v) {
  FOptions = v;
  Invalidate();
}

void TCustomOutline::SetStyle(TOutlineStyle v) {
  FStyle = v;
  Invalidate();
}

void TCustomOutline::SetItemHeight(int v) {
  FItemHeight = std::max(v, 1);
  UpdateScrollBar();
  Invalidate();
}

void TCustomOutline::SetBorderStyle(TBorderStyle v) {
  FBorderStyle = v == bsSingle ? bsSingle : bsNone;
  UpdateScrollBar();
  Invalidate();
}

void TCustomOutline::SetScrollBars(TScrollStyle v) {
  FScrollBars = v;
  UpdateScrollBar();
}

void TCustomOutline::SetPicture(int which, TBitmap* v) { FPictures[which]->Assign(v); }
void TCustomOutline::SetPicturePlus(TBitmap* v) { SetPicture(pcPlus, v); }
void TCustomOutline::SetPictureMinus(TBitmap* v) { SetPicture(pcMinus, v); }
void TCustomOutline::SetPictureOpen(TBitmap* v) { SetPicture(pcOpen, v); }
void TCustomOutline::SetPictureClosed(TBitmap* v) { SetPicture(pcClosed, v); }
void TCustomOutline::SetPictureLeaf(TBitmap* v) { SetPicture(pcLeaf, v); }
// The built-in glyphs are drawn, not stored: only pictures of the form's own are written.
bool TCustomOutline::IsPicturePlusStored() const { return !FPictures[pcPlus]->Empty(); }
bool TCustomOutline::IsPictureMinusStored() const { return !FPictures[pcMinus]->Empty(); }
bool TCustomOutline::IsPictureOpenStored() const { return !FPictures[pcOpen]->Empty(); }
bool TCustomOutline::IsPictureClosedStored() const { return !FPictures[pcClosed]->Empty(); }
bool TCustomOutline::IsPictureLeafStored() const { return !FPictures[pcLeaf]->Empty(); }

}  // namespace kcl
