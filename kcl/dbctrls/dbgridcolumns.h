#pragma once
// The columns of a data grid. A column shows one field; each of its attributes
// either follows a default (the field, the grid) or was set, and only the set
// ones are stored. Columns the grid made by itself for the data set's fields are
// not stored at all: the collection is then in its default state.
#include <functional>
#include <memory>
#include <string>

#include "kcl/classes/collection.h"
#include "kcl/classes/stringlist.h"
#include "kcl/classes/typeof.h"
#include "kcl/components/stdtypes.h"
#include "kcl/graphics/font.h"

namespace kcl {

class TDBGrid;
class TColumn;
class TField;

KCL_ENUM(TColumnButtonStyle, cbsAuto, cbsEllipsis, cbsNone)
KCL_ENUM(TDBGridColumnsState, csDefault, csCustomized)

// A font that tells its column when it was set, or read from a file (even with
// the values it already had).
class TColumnFont : public TFont {
public:
  explicit TColumnFont(std::function<void()> assigned) : FAssigned(std::move(assigned)) {}
  void PropertiesRead(const std::vector<std::string>& names) override;
  // Takes a default without counting as set.
  void AssignDefault(const TFont& font);

protected:
  void Changed() override;

private:
  std::function<void()> FAssigned;
  bool FAssigningDefault = false;
};

class TColumnTitle : public TPersistent {
  KCL_CLASS(TColumnTitle, TPersistent)
public:
  explicit TColumnTitle(TColumn* column = nullptr);
  ~TColumnTitle() override;

  TAlignment Alignment() const { return FAlignmentSet ? FAlignment : taLeftJustify; }
  void SetAlignment(TAlignment v);
  // The caption set, else the field's display label, else the field name.
  std::string Caption() const;
  void SetCaption(const std::string& v);
  TColor Color() const;
  void SetColor(TColor v);
  TFont* Font() const;
  void SetFont(TFont* v) { FFont->Assign(v); }
  bool IsAlignmentStored() const { return FAlignmentSet; }
  bool IsCaptionStored() const { return FCaptionSet; }
  bool IsColorStored() const { return FColorSet; }
  bool IsFontStored() const { return FFontSet; }
  void RestoreDefaults();
  void Assign(const TPersistent* source) override;

protected:
  TPersistent* GetOwner() const override;

private:
  void Changed();

  TColumn* FColumn;
  TAlignment FAlignment = taLeftJustify;
  std::string FCaption;
  TColor FColor = clBtnFace;
  std::unique_ptr<TColumnFont> FFont;
  bool FAlignmentSet = false, FCaptionSet = false, FColorSet = false, FFontSet = false;
};

class TColumn : public TCollectionItem {
  KCL_CLASS(TColumn, TCollectionItem)
public:
  explicit TColumn(TCollection* collection);
  ~TColumn() override;

  // The field's alignment unless one was set.
  TAlignment Alignment() const;
  void SetAlignment(TAlignment v);
  TColumnButtonStyle ButtonStyle() const { return FButtonStyle; }
  void SetButtonStyle(TColumnButtonStyle v);
  TColor Color() const;
  void SetColor(TColor v);
  unsigned DropDownRows() const { return FDropDownRows; }
  void SetDropDownRows(unsigned v) { FDropDownRows = v; }
  std::string FieldName() const { return FFieldName; }
  void SetFieldName(const std::string& v);
  TFont* Font() const;
  void SetFont(TFont* v) { FFont->Assign(v); }
  TStrings* PickList() const { return FPickList.get(); }
  void SetPickList(TStrings* v) { FPickList->Assign(v); }
  bool ReadOnly() const;
  void SetReadOnly(bool v);
  TColumnTitle* Title() const { return FTitle.get(); }
  void SetTitle(TColumnTitle* v) { FTitle->Assign(v); }
  // The width set, else the field's display width in characters of the grid's font.
  int Width() const;
  void SetWidth(int v);

  bool IsAlignmentStored() const { return FAlignmentSet; }
  bool IsColorStored() const { return FColorSet; }
  bool IsFontStored() const { return FFontSet; }
  bool IsReadOnlyStored() const { return FReadOnlySet; }
  bool IsWidthStored() const { return FWidthSet; }
  // Whether the column is part of a customized set (false: the grid made it).
  bool IsStored() const { return FStored; }

  TDBGrid* Grid() const;
  // The field of that name in the grid's data set; nullptr when there is none.
  TField* Field() const;
  // Forgets every attribute set, the title's too.
  void RestoreDefaults();
  std::string GetDisplayName() const override;
  void Assign(const TPersistent* source) override;

private:
  friend class TDBGridColumns;
  friend class TColumnTitle;
  void AttributeChanged() { Changed(false); }

  TAlignment FAlignment = taLeftJustify;
  TColumnButtonStyle FButtonStyle = cbsAuto;
  TColor FColor = clWindow;
  unsigned FDropDownRows = 7;
  std::string FFieldName;
  std::unique_ptr<TColumnFont> FFont;
  std::unique_ptr<TStringList> FPickList = std::make_unique<TStringList>();
  bool FReadOnly = false;
  std::unique_ptr<TColumnTitle> FTitle;
  int FWidth = 64;
  bool FAlignmentSet = false, FColorSet = false, FFontSet = false, FReadOnlySet = false, FWidthSet = false;
  bool FStored = true;
};

class TDBGridColumns : public TCollection {
  KCL_CLASS(TDBGridColumns, TCollection)
public:
  explicit TDBGridColumns(TDBGrid* grid);
  // A column of the program's own: the ones the grid made go first.
  TColumn* Add();
  TColumn* Items(int index) const { return static_cast<TColumn*>(TCollection::Items(index)); }
  TDBGrid* Grid() const { return FGrid; }

  // Customized when the first column was made by the program or read from a file.
  TDBGridColumnsState State() const;
  // Back to default drops every column (the grid makes its own again); customizing
  // keeps the columns in view as the program's own.
  void SetState(TDBGridColumnsState v);
  // Replaces the columns by unstored ones, one per visible field of the data set.
  void MakeDefaultColumns();

protected:
  TPersistent* GetOwner() const override;
  void Update(TCollectionItem* item) override;

private:
  TDBGrid* FGrid;
};

}  // namespace kcl
