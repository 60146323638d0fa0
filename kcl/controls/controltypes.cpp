#include "kcl/controls/controltypes.h"

#include <climits>

namespace kcl {

namespace {

const std::vector<TParamRecord>& MouseParams(bool withButton) {
  static const std::vector<TParamRecord> withIt = {{0, "Sender", "TObject"},     {0, "Button", "TMouseButton"},
                                                   {0, "Shift", "TShiftState"}, {0, "X", "Integer"},
                                                   {0, "Y", "Integer"}};
  static const std::vector<TParamRecord> without = {
      {0, "Sender", "TObject"}, {0, "Shift", "TShiftState"}, {0, "X", "Integer"}, {0, "Y", "Integer"}};
  return withButton ? withIt : without;
}

}  // namespace

const TTypeInfo* TModalResultType() {
  static const TTypeInfo* t = MakeOrdinalType(tkInteger, "TModalResult", otSLong, INT32_MIN, INT32_MAX);
  return t;
}

const TTypeInfo* TMouseEventType() {
  static const TTypeInfo* t = MakeMethodType("TMouseEvent", mkProcedure, MouseParams(true));
  return t;
}

const TTypeInfo* TMouseMoveEventType() {
  static const TTypeInfo* t = MakeMethodType("TMouseMoveEvent", mkProcedure, MouseParams(false));
  return t;
}

const TTypeInfo* TKeyEventType() {
  static const TTypeInfo* t = MakeMethodType(
      "TKeyEvent", mkProcedure, {{0, "Sender", "TObject"}, {pfVar, "Key", "Word"}, {0, "Shift", "TShiftState"}});
  return t;
}

const TTypeInfo* TKeyPressEventType() {
  static const TTypeInfo* t =
      MakeMethodType("TKeyPressEvent", mkProcedure, {{0, "Sender", "TObject"}, {pfVar, "Key", "Char"}});
  return t;
}

const TTypeInfo* TCaptionType() {
  static const TTypeInfo* t = MakeStringType(tkLString, "TCaption");
  return t;
}

}  // namespace kcl
