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

const TTypeInfo* TBorderStyleType() {
  static const TTypeInfo* t = MakeEnumTypeFromList("TBorderStyle", "bsNone, bsSingle");
  return t;
}

const TTypeInfo* TImeNameType() {
  static const TTypeInfo* t = MakeStringType(tkLString, "TImeName");
  return t;
}

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

const TTypeInfo* TDragDropEventType() {
  static const TTypeInfo* t = MakeMethodType(
      "TDragDropEvent", mkProcedure,
      {{0, "Sender", "TObject"}, {0, "Source", "TObject"}, {0, "X", "Integer"}, {0, "Y", "Integer"}});
  return t;
}

const TTypeInfo* TDragOverEventType() {
  static const TTypeInfo* t = MakeMethodType("TDragOverEvent", mkProcedure,
                                             {{0, "Sender", "TObject"},
                                              {0, "Source", "TObject"},
                                              {0, "X", "Integer"},
                                              {0, "Y", "Integer"},
                                              {0, "State", "TDragState"},
                                              {pfVar, "Accept", "Boolean"}});
  return t;
}

const TTypeInfo* TEndDragEventType() {
  static const TTypeInfo* t = MakeMethodType(
      "TEndDragEvent", mkProcedure,
      {{0, "Sender", "TObject"}, {0, "Target", "TObject"}, {0, "X", "Integer"}, {0, "Y", "Integer"}});
  return t;
}

const TTypeInfo* TStartDragEventType() {
  static const TTypeInfo* t = MakeMethodType("TStartDragEvent", mkProcedure,
                                             {{0, "Sender", "TObject"}, {pfVar, "DragObject", "TDragObject"}});
  return t;
}

const TTypeInfo* THelpContextType() {
  static const TTypeInfo* t = MakeOrdinalType(tkInteger, "THelpContext", otSLong, 0, INT32_MAX);
  return t;
}

const TTypeInfo* TTabOrderType() {
  static const TTypeInfo* t = MakeOrdinalType(tkInteger, "TTabOrder", otSWord, -1, 32767);
  return t;
}

const TTypeInfo* TCaptionType() {
  static const TTypeInfo* t = MakeStringType(tkLString, "TCaption");
  return t;
}

const TTypeInfo* TScrollBarIncType() {
  static const TTypeInfo* t = MakeOrdinalType(tkInteger, "TScrollBarInc", otSWord, 1, 32767);
  return t;
}

}  // namespace kcl
