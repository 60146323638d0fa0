#pragma once
// TDBGrid: the records of a data set in rows, one column per field or per
// customized column. A grid column before the data columns (the indicator)
// marks the current record and a title row names the columns; without an open
// data set the grid shows the titles above one empty row.
#include <memory>

#include "kcl/components/grids.h"
#include "kcl/dbctrls/dataaware.h"
#include "kcl/dbctrls/dbgridcolumns.h"

namespace kcl {

KCL_ENUM(TDBGridOption, dgEditing, dgAlwaysShowEditor, dgTitles, dgIndicator, dgColumnResize, dgColLines,
         dgRowLines, dgTabs, dgRowSelect, dgAlwaysShowSelection, dgConfirmDelete, dgCancelOnExit, dgMultiSelect)
KCL_SET(TDBGridOptions, TDBGridOption)

using TDBGridClickEvent = TEvent<void(TColumn* column)>;
using TDrawDataCellEvent = TEvent<void(TObject* sender, const TRect& rect, TField* field, TGridDrawState state)>;
using TDrawColumnCellEvent =
    TEvent<void(TObject* sender, const TRect& rect, int dataCol, TColumn* column, TGridDrawState state)>;
const TTypeInfo* TDBGridClickEventType();
const TTypeInfo* TDrawDataCellEventType();
const TTypeInfo* TDrawColumnCellEventType();

class TDBGrid : public TCustomGrid, public TDataAware {
  KCL_CLASS(TDBGrid, TCustomGrid)
public:
  static constexpr int IndicatorWidth = 11;
  static const TDBGridOptions DefaultOptions;

  explicit TDBGrid(TComponent* owner);
  ~TDBGrid() override;

  TDBGridColumns* Columns() const { return FColumns.get(); }
  void SetColumns(TDBGridColumns* v) { FColumns->Assign(v); }
  bool IsColumnsStored() const { return FColumns->State() == csCustomized; }
  TDBGridOptions Options() const { return FOptions; }
  void SetOptions(TDBGridOptions v);
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool v) { FReadOnly = v; }
  TFont* TitleFont() const { return FTitleFont.get(); }
  void SetTitleFont(TFont* v) { FTitleFont->Assign(v); }

  // The grid columns taken by the indicator: 1 with dgIndicator, else 0.
  int IndicatorOffset() const { return FOptions.Contains(dgIndicator) ? 1 : 0; }
  // Brings the cells in line with the columns, the options and the fonts.
  void LayoutChanged();

  TDBGridClickEvent OnCellClick;
  TNotifyEvent OnColEnter;
  TNotifyEvent OnColExit;
  TMovedEvent OnColumnMoved;
  TDrawDataCellEvent OnDrawDataCell;
  TDrawColumnCellEvent OnDrawColumnCell;
  TNotifyEvent OnEditButtonClick;
  TDBGridClickEvent OnTitleClick;

  KCL_DATA_AWARE_NOTIFICATION(TCustomGrid)

protected:
  void DrawCell(int col, int row, const TRect& rect, TGridDrawState state) override;
  void ColWidthsChanged() override;
  void ColumnMoved(int fromIndex, int toIndex) override;
  // There are no record values to edit.
  bool CanEditShow() const override { return false; }
  void DefineProperties(TFiler& filer) override;
  void FontChanged() override;
  void DataLinkChanged() override;

private:
  TColumn* ColumnAt(int gridCol) const;
  void TitleFontChanged();

  std::unique_ptr<TDBGridColumns> FColumns;
  TDBGridOptions FOptions = DefaultOptions;
  bool FReadOnly = false;
  std::unique_ptr<TFont> FTitleFont = std::make_unique<TFont>();
  bool FSyncingTitleFont = false;
  bool FLayingOut = false;
};

}  // namespace kcl
