#include "formbytes.h"

#include "kcl/classes/objecttext.h"
#include "kcl/classes/resheader.h"
#include "kcl/classes/streams.h"
#include "kcl/rtl/exceptions.h"

namespace korvax::convert {

namespace {

// The object stream: what follows the resource header, if there is one.
std::string_view ObjectStream(std::string_view bytes) {
  if (!kcl::HasResourceHeader(bytes)) return bytes;
  // Only the header is read from the stream: a form of megabytes is not copied for it.
  constexpr size_t longestHeader = 3 + 64 + 2 + 4;
  kcl::TStringStream in{std::string(bytes.substr(0, longestHeader))};
  kcl::ReadResHeader(in);
  return bytes.substr(static_cast<size_t>(in.Position()));
}

}  // namespace

bool IsBinaryForm(std::string_view bytes) { return kcl::HasResourceHeader(bytes) || bytes.substr(0, 4) == "TPF0"; }

std::string BinaryToText(std::string_view bytes) { return kcl::ObjectBinaryToText(ObjectStream(bytes)); }


std::string BinaryToTextKeepingEverything(std::string_view bytes) {
  const std::string_view stream = ObjectStream(bytes);
  size_t consumed = 0;
  std::string text = kcl::ObjectBinaryToText(stream, &consumed);
  if (consumed != stream.size()) throw kcl::EConvertError("the bytes after the form would be lost");
  if (kcl::ObjectTextToBinary(text) != stream)
    throw kcl::EConvertError("the text form would not give back the same bytes");
  return text;
}

void CheckText(std::string_view text) { kcl::ObjectTextToBinary(text); }

}  // namespace korvax::convert
