#pragma once
// The types the data-access components publish and their events pass.
#include "kcl/classes/events.h"
#include "kcl/classes/typeof.h"
#include "kcl/rtl/exceptions.h"

namespace kcl {

class TDataSet;
class TField;
class TStrings;
class TDatabase;

KCL_EXCEPTION(EDatabaseError, Exception);

KCL_ENUM(TFieldType, ftUnknown, ftString, ftSmallint, ftInteger, ftWord, ftBoolean, ftFloat, ftCurrency, ftBCD, ftDate,
         ftTime, ftDateTime, ftBytes, ftVarBytes, ftAutoInc, ftBlob, ftMemo, ftGraphic, ftFmtMemo, ftParadoxOle,
         ftDBaseOle, ftTypedBinary, ftCursor)
// "TBlobType", the range ftBlob..ftTypedBinary of TFieldType.
const TTypeInfo* TBlobTypeType();
constexpr bool IsBlobType(TFieldType t) { return t >= ftBlob && t <= ftTypedBinary; }

KCL_ENUM(TFieldKind, fkData, fkCalculated, fkLookup, fkInternalCalc)
KCL_ENUM(TParamType, ptUnknown, ptInput, ptOutput, ptInputOutput, ptResult)
KCL_ENUM(TFilterOption, foCaseInsensitive, foNoPartialCompare)
KCL_SET(TFilterOptions, TFilterOption)
KCL_ENUM(TUpdateMode, upWhereAll, upWhereChanged, upWhereKeyOnly)
KCL_ENUM(TTableType, ttDefault, ttParadox, ttDBase, ttASCII)
KCL_ENUM(TParamBindMode, pbByName, pbByNumber)
KCL_ENUM(TTransIsolation, tiDirtyRead, tiReadCommitted, tiRepeatableRead)
KCL_ENUM(TBatchMode, batAppend, batUpdate, batAppendUpdate, batDelete, batCopy)
KCL_ENUM(TDataAction, daFail, daAbort, daRetry)
KCL_ENUM(TUpdateKind, ukModify, ukInsert, ukDelete)
KCL_ENUM(TUpdateAction, uaFail, uaAbort, uaSkip, uaRetry, uaApplied)

// "Longint", the 32-bit integer type of record counts and integer field limits.
const TTypeInfo* LongintType();
// "Currency", the fixed-point type of BCD field limits.
const TTypeInfo* CurrencyType();
// "TFileName", the string type of table and file names.
const TTypeInfo* TFileNameType();

using TDataSetNotifyEvent = TEvent<void(TDataSet* dataSet)>;
using TDataSetErrorEvent = TEvent<void(TDataSet* dataSet, EDatabaseError* e, TDataAction& action)>;
using TFilterRecordEvent = TEvent<void(TDataSet* dataSet, bool& accept)>;
using TUpdateErrorEvent =
    TEvent<void(TDataSet* dataSet, EDatabaseError* e, TUpdateKind updateKind, TUpdateAction& updateAction)>;
using TUpdateRecordEvent = TEvent<void(TDataSet* dataSet, TUpdateKind updateKind, TUpdateAction& updateAction)>;
using TOnServerYieldEvent = TEvent<void(TDataSet* dataSet, bool& abortQuery)>;
using TDataChangeEvent = TEvent<void(TObject* sender, TField* field)>;
using TFieldNotifyEvent = TEvent<void(TField* sender)>;
using TFieldGetTextEvent = TEvent<void(TField* sender, std::string& text, bool displayText)>;
using TFieldSetTextEvent = TEvent<void(TField* sender, const std::string& text)>;
using TLoginEvent = TEvent<void(TDatabase* database, TStrings* loginParams)>;
using TPasswordEvent = TEvent<void(TObject* sender, bool& continueLogin)>;
using TEventAlert = TEvent<void(TObject* sender, std::string eventName, int32_t eventCount, bool& cancelAlerts)>;

const TTypeInfo* TDataSetNotifyEventType();
const TTypeInfo* TDataSetErrorEventType();
const TTypeInfo* TFilterRecordEventType();
const TTypeInfo* TUpdateErrorEventType();
const TTypeInfo* TUpdateRecordEventType();
const TTypeInfo* TOnServerYieldEventType();
const TTypeInfo* TDataChangeEventType();
const TTypeInfo* TFieldNotifyEventType();
const TTypeInfo* TFieldGetTextEventType();
const TTypeInfo* TFieldSetTextEventType();
const TTypeInfo* TLoginEventType();
const TTypeInfo* TPasswordEventType();
const TTypeInfo* TEventAlertType();

}  // namespace kcl
