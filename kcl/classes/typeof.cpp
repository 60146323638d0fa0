#include "kcl/classes/typeof.h"

#include <climits>

#include "kcl/classes/events.h"

namespace kcl {

#define KCL_BUILTIN_TYPE(Function, Expr) \
  const TTypeInfo* Function() {          \
    static const TTypeInfo* info = Expr; \
    return info;                         \
  }

KCL_BUILTIN_TYPE(IntegerType, MakeOrdinalType(tkInteger, "Integer", otSLong, INT32_MIN, INT32_MAX))
KCL_BUILTIN_TYPE(SmallintType, MakeOrdinalType(tkInteger, "Smallint", otSWord, -32768, 32767))
KCL_BUILTIN_TYPE(WordType, MakeOrdinalType(tkInteger, "Word", otUWord, 0, 65535))
KCL_BUILTIN_TYPE(ByteType, MakeOrdinalType(tkInteger, "Byte", otUByte, 0, 255))
// Delphi 3's Cardinal is a subrange 0..MaxInt.
KCL_BUILTIN_TYPE(CardinalType, MakeOrdinalType(tkInteger, "Cardinal", otSLong, 0, INT32_MAX))
KCL_BUILTIN_TYPE(CharType, MakeOrdinalType(tkChar, "Char", otUByte, 0, 255))
KCL_BUILTIN_TYPE(BooleanType, MakeEnumType("Boolean", {"False", "True"}))
KCL_BUILTIN_TYPE(StringType, MakeStringType(tkLString, "string"))
KCL_BUILTIN_TYPE(SingleType, MakeFloatType("Single", ftSingle))
KCL_BUILTIN_TYPE(DoubleType, MakeFloatType("Double", ftDouble))
KCL_BUILTIN_TYPE(ExtendedType, MakeFloatType("Extended", ftExtended))
KCL_BUILTIN_TYPE(TNotifyEventType, MakeMethodType("TNotifyEvent", mkProcedure, {{0, "Sender", "TObject"}}))

#undef KCL_BUILTIN_TYPE

}  // namespace kcl
