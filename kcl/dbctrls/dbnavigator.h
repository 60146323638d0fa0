#pragma once
// TDBNavigator: a row of buttons that move through a data set and edit it. The
// framework draws the buttons; without an open data set they are greyed at run
// time, and shown ready while the form is designed.
#include <memory>
#include <vector>

#include "kcl/classes/stringlist.h"
#include "kcl/components/extctrls.h"
#include "kcl/dbctrls/dataaware.h"

namespace kcl {

KCL_ENUM(TNavigateBtn, nbFirst, nbPrior, nbNext, nbLast, nbInsert, nbDelete, nbEdit, nbPost, nbCancel, nbRefresh)
// The navigator's "TButtonSet"; the media player has a set of that name too.
using TNavButtonSet = TSet<TNavigateBtn>;
inline const TTypeInfo* KclTypeInfo(TNavButtonSet*) {
  static const TTypeInfo* info = MakeSetType("TButtonSet", TypeInfoOf<TNavigateBtn>());
  return info;
}

using ENavClick = TEvent<void(TObject* sender, TNavigateBtn button)>;
const TTypeInfo* ENavClickType();

class TDBNavigator : public TCustomPanel, public TDataAware {
  KCL_CLASS(TDBNavigator, TCustomPanel)
public:
  static constexpr TNavButtonSet AllButtons{nbFirst, nbPrior,  nbNext, nbLast,   nbInsert,
                                         nbDelete, nbEdit, nbPost, nbCancel, nbRefresh};
  explicit TDBNavigator(TComponent* owner);

  TNavButtonSet VisibleButtons() const { return FVisibleButtons; }
  void SetVisibleButtons(TNavButtonSet v);
  bool Flat() const { return FFlat; }
  void SetFlat(bool v);
  // Flat is written when set, or when the form it was read from said so.
  bool IsFlatStored() const { return FFlat || FFlatKept; }
  // Hints for the buttons in order; the buttons' own hints stand for missing ones.
  TStrings* Hints() const { return FHints.get(); }
  void SetHints(TStrings* v) { FHints->Assign(v); }
  bool ConfirmDelete() const { return FConfirmDelete; }
  void SetConfirmDelete(bool v) { FConfirmDelete = v; }

  // The visible buttons in order, and where each is drawn.
  std::vector<TNavigateBtn> Buttons() const;
  TRect ButtonRect(int visibleIndex) const;
  std::string ButtonHint(TNavigateBtn button) const;
  // Whether the button reacts: at run time only on an open data set.
  bool ButtonEnabled() const;
  // What a click on the button does: BeforeAction, then OnClick.
  void BtnClick(TNavigateBtn button);

  ENavClick BeforeAction;
  ENavClick OnNavClick;  // published as OnClick

  KCL_DATA_AWARE_NOTIFICATION(TCustomPanel)

protected:
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void DataLinkChanged() override { Invalidate(); }

private:
  int ButtonAt(int x, int y) const;
  void DrawButton(TCanvas& canvas, TNavigateBtn button, TRect rect, bool down);

  TNavButtonSet FVisibleButtons = AllButtons;
  bool FFlat = false;
  bool FFlatKept = false;
  std::unique_ptr<TStringList> FHints = std::make_unique<TStringList>();
  bool FConfirmDelete = true;
  int FPressed = -1;
};

}  // namespace kcl
