#pragma once
// TParams: the parameters of a query or stored procedure. Forms keep them in the
// binary "ParamData" property: a version word, then per parameter its name, type,
// data type, value in the engine's native layout, and null and bound flags.
// Later versions write ParamData as a collection of items instead: that form is
// kept as read and written back while the parameters are not changed.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "kcl/classes/persistent.h"
#include "kcl/db/dbtypes.h"

namespace kcl {

class TStream;
class TFiler;

struct TParam {
  std::string Name;
  TParamType ParamType = ptUnknown;
  TFieldType DataType = ftUnknown;
  std::string Data;  // the value's bytes (none for ftUnknown)
  uint8_t Null = 1;
  uint8_t Bound = 0;

  // A string value keeps its terminating zero in Data.
  std::string AsString() const;
  void SetAsString(std::string_view value);
  int32_t AsInteger() const;
  void SetAsInteger(int32_t value);
  bool operator==(const TParam&) const = default;
};

class TParams : public TPersistent {
  KCL_CLASS(TParams, TPersistent)
public:
  int Count() const { return static_cast<int>(FItems.size()); }
  TParam& Items(int index);
  const TParam& Items(int index) const;
  // By name without regard to case; nullptr when none.
  TParam* FindParam(std::string_view name);
  TParam& Add(std::string name, TParamType paramType = ptUnknown, TFieldType dataType = ftUnknown);
  void Clear();
  void Assign(const TPersistent* source) override;
  bool operator==(const TParams& other) const { return FItems == other.FItems && FLaterForm == other.FLaterForm; }

  // A later version's ParamData value as read, value type first; empty for none.
  const std::string& LaterForm() const { return FLaterForm; }
  void KeepLaterForm(std::string value);

  // Makes the list the parameters ":name" of an SQL text names, in order and each
  // once, keeping what the parameters of the same name had.
  void ParseSQL(std::string_view sql);

  // Raises EReadError for data that is not a parameter list.
  void ReadBinaryData(TStream& stream);
  void WriteBinaryData(TStream& stream) const;

private:
  std::vector<TParam> FItems;
  uint16_t FVersion = 1;  // as read; version 2 has 32-bit counts and lengths
  std::string FLaterForm;
};

// Streams params as the binary property "ParamData": written when there are
// parameters, or in an inherited form when they differ from the ancestor's.
void DefineParamData(TFiler& filer, TParams& params, const TParams* ancestorParams);

}  // namespace kcl
