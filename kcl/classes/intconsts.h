#pragma once
// Integer types whose values stream as identifiers when they have one (TColor's
// clBtnFace, TCursor's crDefault, TFontCharset's ANSI_CHARSET).
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "kcl/classes/typinfo.h"

namespace kcl {

using TIdentToInt = std::function<bool(std::string_view ident, int32_t& value)>;
using TIntToIdent = std::function<bool(int32_t value, std::string& ident)>;

struct TIntegerConsts {
  TIdentToInt IdentToInt;
  TIntToIdent IntToIdent;
};

void RegisterIntegerConsts(const TTypeInfo* intType, TIdentToInt identToInt, TIntToIdent intToIdent);
// nullptr when the type has no identifiers.
const TIntegerConsts* FindIntegerConsts(const TTypeInfo* intType);

}  // namespace kcl
