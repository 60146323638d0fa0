#include "kcl/db/dbtypes.h"

namespace kcl {

const TTypeInfo* TBlobTypeType() {
  static const TTypeInfo type = [] {
    TTypeInfo t = *TypeInfoOf<TFieldType>();
    t.Name = "TBlobType";
    t.Data.MinValue = ftBlob;
    t.Data.MaxValue = ftTypedBinary;
    return t;
  }();
  return &type;
}

const TTypeInfo* LongintType() {
  static const TTypeInfo* t = MakeOrdinalType(tkInteger, "Longint", otSLong, INT32_MIN, INT32_MAX);
  return t;
}

const TTypeInfo* CurrencyType() {
  static const TTypeInfo* t = MakeFloatType("Currency", ftCurr);
  return t;
}

const TTypeInfo* TFileNameType() {
  static const TTypeInfo* t = MakeStringType(tkLString, "TFileName");
  return t;
}

namespace {

const TParamRecord DataSetParam{0, "DataSet", "TDataSet"};

}  // namespace

const TTypeInfo* TDataSetNotifyEventType() {
  static const TTypeInfo* t = MakeMethodType("TDataSetNotifyEvent", mkProcedure, {DataSetParam});
  return t;
}

const TTypeInfo* TDataSetErrorEventType() {
  static const TTypeInfo* t = MakeMethodType(
      "TDataSetErrorEvent", mkProcedure,
      {DataSetParam, {0, "E", "EDatabaseError"}, {pfVar, "Action", "TDataAction"}});
  return t;
}

const TTypeInfo* TFilterRecordEventType() {
  static const TTypeInfo* t =
      MakeMethodType("TFilterRecordEvent", mkProcedure, {DataSetParam, {pfVar, "Accept", "Boolean"}});
  return t;
}

const TTypeInfo* TUpdateErrorEventType() {
  static const TTypeInfo* t = MakeMethodType("TUpdateErrorEvent", mkProcedure,
                                             {DataSetParam,
                                              {0, "E", "EDatabaseError"},
                                              {0, "UpdateKind", "TUpdateKind"},
                                              {pfVar, "UpdateAction", "TUpdateAction"}});
  return t;
}

const TTypeInfo* TUpdateRecordEventType() {
  static const TTypeInfo* t = MakeMethodType(
      "TUpdateRecordEvent", mkProcedure,
      {DataSetParam, {0, "UpdateKind", "TUpdateKind"}, {pfVar, "UpdateAction", "TUpdateAction"}});
  return t;
}

const TTypeInfo* TOnServerYieldEventType() {
  static const TTypeInfo* t =
      MakeMethodType("TOnServerYieldEvent", mkProcedure, {DataSetParam, {pfVar, "AbortQuery", "Boolean"}});
  return t;
}

const TTypeInfo* TDataChangeEventType() {
  static const TTypeInfo* t =
      MakeMethodType("TDataChangeEvent", mkProcedure, {{0, "Sender", "TObject"}, {0, "Field", "TField"}});
  return t;
}

const TTypeInfo* TFieldNotifyEventType() {
  static const TTypeInfo* t = MakeMethodType("TFieldNotifyEvent", mkProcedure, {{0, "Sender", "TField"}});
  return t;
}

const TTypeInfo* TFieldGetTextEventType() {
  static const TTypeInfo* t = MakeMethodType(
      "TFieldGetTextEvent", mkProcedure,
      {{0, "Sender", "TField"}, {pfVar, "Text", "string"}, {0, "DisplayText", "Boolean"}});
  return t;
}

const TTypeInfo* TFieldSetTextEventType() {
  static const TTypeInfo* t =
      MakeMethodType("TFieldSetTextEvent", mkProcedure, {{0, "Sender", "TField"}, {pfConst, "Text", "string"}});
  return t;
}

const TTypeInfo* TLoginEventType() {
  static const TTypeInfo* t =
      MakeMethodType("TLoginEvent", mkProcedure, {{0, "Database", "TDatabase"}, {0, "LoginParams", "TStrings"}});
  return t;
}

const TTypeInfo* TPasswordEventType() {
  static const TTypeInfo* t =
      MakeMethodType("TPasswordEvent", mkProcedure, {{0, "Sender", "TObject"}, {pfVar, "Continue", "Boolean"}});
  return t;
}

const TTypeInfo* TEventAlertType() {
  static const TTypeInfo* t = MakeMethodType("TEventAlert", mkProcedure,
                                             {{0, "Sender", "TObject"},
                                              {0, "EventName", "string"},
                                              {0, "EventCount", "Longint"},
                                              {pfVar, "CancelAlerts", "Boolean"}});
  return t;
}

}  // namespace kcl
