#include "kcl/db/params.h"

#include <cstring>

#include "kcl/classes/classbuilder.h"
#include "kcl/classes/filer.h"
#include "kcl/classes/reader.h"
#include "kcl/classes/writer.h"
#include "kcl/classes/streams.h"
#include "kcl/rtl/sysutils.h"

namespace kcl {

KCL_CLASS_INFO(TParams) {}

std::string TParam::AsString() const {
  const size_t end = Data.find('\0');
  return end == std::string::npos ? Data : Data.substr(0, end);
}

void TParam::SetAsString(std::string_view value) {
  if (DataType == ftUnknown) DataType = ftString;
  Data = std::string(value) + '\0';
  Null = 0;
  Bound = 1;
}

int32_t TParam::AsInteger() const {
  uint32_t value = 0;
  for (size_t i = std::min<size_t>(Data.size(), 4); i-- > 0;) value = value << 8 | static_cast<uint8_t>(Data[i]);
  return static_cast<int32_t>(value);
}

void TParam::SetAsInteger(int32_t value) {
  if (DataType == ftUnknown) DataType = ftInteger;
  Data.clear();
  for (int i = 0; i < 4; ++i) Data += static_cast<char>(static_cast<uint32_t>(value) >> (8 * i) & 0xFF);
  Null = 0;
  Bound = 1;
}

TParam& TParams::Items(int index) {
  if (index < 0 || index >= Count()) throw EListError(Format(msg::ListIndexError, {index}));
  return FItems[static_cast<size_t>(index)];
}

const TParam& TParams::Items(int index) const { return const_cast<TParams*>(this)->Items(index); }

TParam* TParams::FindParam(std::string_view name) {
  for (TParam& param : FItems)
    if (SameText(param.Name, name)) return &param;
  return nullptr;
}

TParam& TParams::Add(std::string name, TParamType paramType, TFieldType dataType) {
  FLaterForm.clear();
  FItems.push_back({std::move(name), paramType, dataType});
  return FItems.back();
}

void TParams::Clear() {
  FItems.clear();
  FLaterForm.clear();
}

void TParams::KeepLaterForm(std::string value) {
  FItems.clear();
  FLaterForm = std::move(value);
}

void TParams::Assign(const TPersistent* source) {
  const auto* params = dynamic_cast<const TParams*>(source);
  if (!params) return TPersistent::Assign(source);
  FItems = params->FItems;
  FVersion = params->FVersion;
  FLaterForm = params->FLaterForm;
}

namespace {

bool IsNameChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

}  // namespace

void TParams::ParseSQL(std::string_view sql) {
  std::vector<TParam> found;
  char quote = 0;
  for (size_t i = 0; i < sql.size(); ++i) {
    const char c = sql[i];
    if (quote) {
      if (c == quote) quote = 0;
      continue;
    }
    if (c == '\'' || c == '"') {
      quote = c;
      continue;
    }
    if (c != ':' || (i > 0 && (IsNameChar(sql[i - 1]) || sql[i - 1] == ':'))) continue;
    size_t end = i + 1;
    while (end < sql.size() && IsNameChar(sql[end])) ++end;
    if (end == i + 1) continue;
    std::string name(sql.substr(i + 1, end - i - 1));
    i = end - 1;
    bool known = false;
    for (const TParam& p : found) known = known || SameText(p.Name, name);
    if (known) continue;
    const TParam* old = FindParam(name);
    found.push_back(old ? *old : TParam{name});
  }
  FItems = std::move(found);
  FLaterForm.clear();
}

// --- ParamData

namespace {

class TParamReader {
public:
  explicit TParamReader(TStream& stream) : FStream(stream) {}
  void SetWide(bool wide) { FWide = wide; }
  uint32_t Number(int bytes) {
    uint8_t buffer[4] = {};
    FStream.ReadBuffer(buffer, bytes);
    uint32_t value = 0;
    for (int i = bytes; i-- > 0;) value = value << 8 | buffer[i];
    return value;
  }
  // A count or length: 32 bits in version 2, else as narrow as given.
  uint32_t Length(int narrowBytes) { return Number(FWide ? 4 : narrowBytes); }
  std::string Bytes(uint32_t count) {
    if (count > static_cast<uint64_t>(FStream.Size() - FStream.Position())) throw EReadError(msg::ReadError);
    std::string bytes(count, '\0');
    FStream.ReadBuffer(bytes.data(), count);
    return bytes;
  }

private:
  TStream& FStream;
  bool FWide = false;
};

void PutNumber(TStream& stream, uint32_t value, int bytes) {
  uint8_t buffer[4];
  for (int i = 0; i < bytes; ++i) buffer[i] = static_cast<uint8_t>(value >> (8 * i));
  stream.WriteBuffer(buffer, bytes);
}

constexpr const char* InvalidParamData = "Invalid parameter data";

}  // namespace

void TParams::ReadBinaryData(TStream& stream) {
  TParamReader in(stream);
  const auto version = static_cast<uint16_t>(in.Number(2));
  if (version != 1 && version != 2) throw EReadError(InvalidParamData);
  in.SetWide(version == 2);
  const uint32_t count = in.Length(2);
  std::vector<TParam> items;
  for (uint32_t i = 0; i < count; ++i) {
    TParam param;
    param.Name = in.Bytes(in.Length(1));
    const uint32_t paramType = in.Number(1);
    const uint32_t dataType = in.Number(1);
    if (paramType > ptResult || dataType > ftCursor) throw EReadError(InvalidParamData);
    param.ParamType = static_cast<TParamType>(paramType);
    param.DataType = static_cast<TFieldType>(dataType);
    if (param.DataType != ftUnknown) param.Data = in.Bytes(in.Length(2));
    param.Null = static_cast<uint8_t>(in.Number(1));
    param.Bound = static_cast<uint8_t>(in.Number(1));
    items.push_back(std::move(param));
  }
  FItems = std::move(items);
  FVersion = version;
  FLaterForm.clear();
}

void TParams::WriteBinaryData(TStream& stream) const {
  // Version 1 holds names up to 255 bytes and values up to 65535.
  bool wide = FVersion == 2 || FItems.size() > 0x7FFF;
  for (const TParam& p : FItems) wide = wide || p.Name.size() > 0xFF || p.Data.size() > 0xFFFF;
  PutNumber(stream, wide ? 2 : 1, 2);
  PutNumber(stream, static_cast<uint32_t>(FItems.size()), wide ? 4 : 2);
  for (const TParam& p : FItems) {
    PutNumber(stream, static_cast<uint32_t>(p.Name.size()), wide ? 4 : 1);
    stream.WriteString(p.Name);
    PutNumber(stream, p.ParamType, 1);
    PutNumber(stream, p.DataType, 1);
    if (p.DataType != ftUnknown) {
      PutNumber(stream, static_cast<uint32_t>(p.Data.size()), wide ? 4 : 2);
      stream.WriteString(p.Data);
    }
    PutNumber(stream, p.Null, 1);
    PutNumber(stream, p.Bound, 1);
  }
}

void DefineParamData(TFiler& filer, TParams& params, const TParams* ancestorParams) {
  // Read here in either form; each form writes itself.
  filer.DefineProperty(
      "ParamData",
      [&params](TReader& reader) {
        if (reader.NextValue() != vaBinary) return params.KeepLaterForm(reader.ReadRawValue());
        reader.DefineBinaryProperty(
            "ParamData", [&params](TStream& stream) { params.ReadBinaryData(stream); }, nullptr, true);
      },
      [&params](TWriter& writer) {
        writer.Write(params.LaterForm().data(), static_cast<int64_t>(params.LaterForm().size()));
      },
      !params.LaterForm().empty() && !(ancestorParams && params == *ancestorParams));
  const bool hasData = ancestorParams ? !(params == *ancestorParams) : params.Count() > 0;
  filer.DefineBinaryProperty(
      "ParamData", nullptr, [&params](TStream& stream) { params.WriteBinaryData(stream); },
      hasData && params.LaterForm().empty());
}

}  // namespace kcl
