#include "kcl/dbctrls/dbgrid.h"

#include <QFontMetrics>
#include <algorithm>

#include "kcl/classes/classbuilder.h"
#include "kcl/graphics/brush.h"

namespace kcl {

const TTypeInfo* TDBGridClickEventType() {
  static const TTypeInfo* t = MakeMethodType("TDBGridClickEvent", mkProcedure, {{0, "Column", "TColumn"}});
  return t;
}

const TTypeInfo* TDrawDataCellEventType() {
  static const TTypeInfo* t = MakeMethodType("TDrawDataCellEvent", mkProcedure,
                                             {{0, "Sender", "TObject"},
                                              {pfConst, "Rect", "TRect"},
                                              {0, "Field", "TField"},
                                              {0, "State", "TGridDrawState"}});
  return t;
}

const TTypeInfo* TDrawColumnCellEventType() {
  static const TTypeInfo* t = MakeMethodType("TDrawColumnCellEvent", mkProcedure,
                                             {{0, "Sender", "TObject"},
                                              {pfConst, "Rect", "TRect"},
                                              {0, "DataCol", "Integer"},
                                              {0, "Column", "TColumn"},
                                              {0, "State", "TGridDrawState"}});
  return t;
}

const TDBGridOptions TDBGrid::DefaultOptions{dgEditing,     dgTitles, dgIndicator, dgColumnResize,  dgColLines,
                                             dgRowLines,    dgTabs,   dgConfirmDelete, dgCancelOnExit};

KCL_CLASS_INFO(TDBGrid) {
  using T = TDBGrid;
  cls.publish({"Align"});
  cls.property("BorderStyle", &T::BorderStyle, &T::SetBorderStyle, TBorderStyleType()).Default(bsSingle);
  cls.publish({"Color"});
  cls.property("Columns", &T::Columns, &T::SetColumns).Stored(&T::IsColumnsStored);
  cls.publish({"Ctl3D"});
  cls.property("DataSource", &T::DataSource, &T::SetDataSource);
  cls.property("DefaultDrawing", &T::DefaultDrawing, &T::SetDefaultDrawing).Default(true);
  cls.publish({"DragCursor", "DragMode", "Enabled"});
  cls.property("FixedColor", &T::FixedColor, &T::SetFixedColor, TColorType()).Default(clBtnFace);
  cls.publish({"Font", "ImeMode", "ImeName"});
  cls.property("Options", &T::Options, &T::SetOptions).Default(T::DefaultOptions);
  cls.property("ParentColor", &T::ParentColor, &T::SetParentColor).Default(false);
  cls.publish({"ParentCtl3D", "ParentFont", "ParentShowHint", "PopupMenu"});
  cls.property("ReadOnly", &T::ReadOnly, &T::SetReadOnly).Default(false);
  cls.publish({"ShowHint", "TabOrder"});
  cls.property("TabStop", &T::TabStop, &T::SetTabStop).Default(true);
  // The title font has no stored rule: it is always written.
  cls.property("TitleFont", &T::TitleFont, &T::SetTitleFont);
  cls.publish({"Visible"});
  cls.event("OnCellClick", &T::OnCellClick, TDBGridClickEventType());
  cls.event("OnColEnter", &T::OnColEnter, TNotifyEventType());
  cls.event("OnColExit", &T::OnColExit, TNotifyEventType());
  cls.event("OnColumnMoved", &T::OnColumnMoved, TMovedEventType());
  cls.event("OnDrawDataCell", &T::OnDrawDataCell, TDrawDataCellEventType());
  cls.event("OnDrawColumnCell", &T::OnDrawColumnCell, TDrawColumnCellEventType());
  cls.publish({"OnDblClick", "OnDragDrop", "OnDragOver"});
  cls.event("OnEditButtonClick", &T::OnEditButtonClick, TNotifyEventType());
  cls.publish({"OnEndDrag", "OnEnter", "OnExit", "OnKeyDown", "OnKeyPress", "OnKeyUp", "OnStartDrag"});
  cls.event("OnTitleClick", &T::OnTitleClick, TDBGridClickEventType());
}

TDBGrid::TDBGrid(TComponent* owner)
    : TCustomGrid(owner), TDataAware(this), FColumns(std::make_unique<TDBGridColumns>(this)) {
  FControlStyle.Exclude(csSetCaption);
  FTitleFont->OnChange.SetHandler([this](TObject*) { TitleFontChanged(); });
  LayoutChanged();
  SetBounds(Left(), Top(), 320, 120);
}

TDBGrid::~TDBGrid() {
  // The columns ask the grid for defaults while they go.
  FColumns.reset();
}

void TDBGrid::SetOptions(TDBGridOptions v) {
  if (v == FOptions) return;
  FOptions = v;
  LayoutChanged();
}

TColumn* TDBGrid::ColumnAt(int gridCol) const {
  const int index = gridCol - IndicatorOffset();
  return index >= 0 && index < FColumns->Count() ? FColumns->Items(index) : nullptr;
}

void TDBGrid::LayoutChanged() {
  if (FLayingOut || !FColumns) return;
  FLayingOut = true;
  const int offset = IndicatorOffset(), titles = FOptions.Contains(dgTitles) ? 1 : 0;
  const int colCount = offset + std::max(FColumns->Count(), 1);
  SetColCount(colCount);
  SetFixedCols(offset);
  SetRowCount(titles + 1);
  SetFixedRows(titles);

  TGridOptions options{goFixedHorzLine, goFixedVertLine};
  if (FOptions.Contains(dgColLines)) options.Include(goVertLine);
  if (FOptions.Contains(dgRowLines)) options.Include(goHorzLine);
  if (FOptions.Contains(dgColumnResize)) options = options + TGridOptions{goColSizing, goColMoving};
  if (FOptions.Contains(dgTabs)) options.Include(goTabs);
  if (FOptions.Contains(dgRowSelect)) options.Include(goRowSelect);
  if (FOptions.Contains(dgAlwaysShowSelection)) options.Include(goDrawFocusSelected);
  TCustomGrid::SetOptions(options);

  SetDefaultRowHeight(TextCellHeight(*Font()) + 4);
  if (titles) SetRowHeights(0, TextCellHeight(*FTitleFont) + 4);
  if (offset) SetColWidths(0, IndicatorWidth);
  for (int i = 0; i < FColumns->Count(); ++i) SetColWidths(offset + i, FColumns->Items(i)->Width());
  FLayingOut = false;
  Invalidate();
}

// Column widths the user sizes become the columns' own.
void TDBGrid::ColWidthsChanged() {
  TCustomGrid::ColWidthsChanged();
  if (FLayingOut) return;
  for (int col = IndicatorOffset(); col < ColCount(); ++col)
    if (TColumn* column = ColumnAt(col); column && column->Width() != ColWidths(col)) column->SetWidth(ColWidths(col));
}

void TDBGrid::ColumnMoved(int fromIndex, int toIndex) {
  TColumn* column = ColumnAt(fromIndex);
  if (!column || !ColumnAt(toIndex)) return;
  column->SetIndex(toIndex - IndicatorOffset());
  OnColumnMoved(this, fromIndex, toIndex);
}

void TDBGrid::DrawCell(int col, int row, const TRect& rect, TGridDrawState) {
  if (!DefaultDrawing() || col < IndicatorOffset()) return;  // no current record to mark
  TCanvas& canvas = *Canvas();
  TColumn* column = ColumnAt(col);
  if (row > 0 || !FOptions.Contains(dgTitles)) {
    // No record to show: the empty row has the column's colour.
    canvas.Brush()->SetColor(column ? column->Color() : Color());
    canvas.FillRect(rect);
    return;
  }
  if (!column) return;
  const TColumnTitle& title = *column->Title();
  canvas.Brush()->SetColor(title.Color());
  canvas.FillRect(rect);
  canvas.SetFont(title.Font());
  const std::string caption = title.Caption();
  int x = rect.Left + 2;
  if (title.Alignment() == taRightJustify) x = rect.Right - 2 - canvas.TextWidth(caption);
  else if (title.Alignment() == taCenter) x = rect.Left + (rect.Width() - canvas.TextWidth(caption)) / 2;
  canvas.TextRect(rect, x, rect.Top + 2, caption);
}

// The cells sized to the columns are layout, not properties of their own.
void TDBGrid::DefineProperties(TFiler& filer) { TCustomControl::DefineProperties(filer); }

// While the font is the parent's, the title font follows it. A file's title
// font is kept as read.
void TDBGrid::FontChanged() {
  TCustomGrid::FontChanged();
  if (ParentFont() && !IsLoading()) {
    FSyncingTitleFont = true;
    FTitleFont->Assign(Font());
    FSyncingTitleFont = false;
  }
  LayoutChanged();
}

// A title font of its own makes the grid's font its own too.
void TDBGrid::TitleFontChanged() {
  if (!FSyncingTitleFont && !IsLoading()) SetParentFont(false);
  LayoutChanged();
}

void TDBGrid::DataLinkChanged() {
  if (FColumns->State() == csDefault) FColumns->MakeDefaultColumns();
  LayoutChanged();
}

}  // namespace kcl
