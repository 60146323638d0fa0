#pragma once
// Conversion between the binary component stream ("TPF0" and Delphi 3's value
// types) and the text form of form files, byte for byte as Delphi 3 does it:
// binary -> text -> binary reproduces the bytes, text -> binary -> text the text.
//
// Each function reads from the input's current position and writes at the
// output's current position. The input is left after what was converted.
// Malformed binary input raises EReadError ("Stream read error" when it ends too
// early, "Invalid stream format" otherwise) or, without a resource header,
// EInvalidImage; malformed text raises EParserError ("... on line n").
#include <cstdint>
#include <string>
#include <string_view>

#include "kcl/classes/streams.h"

namespace kcl {

void ObjectBinaryToText(TStream& input, TStream& output);
void ObjectTextToBinary(TStream& input, TStream& output);
// A resource header, then the binary stream.
void ObjectResourceToText(TStream& input, TStream& output);
// The binary stream behind a resource header named after the root's class.
void ObjectTextToResource(TStream& input, TStream& output);

// The same on byte strings. The binary form has no resource header; consumed (when
// not null) receives how many input bytes the object took.
std::string ObjectBinaryToText(std::string_view binary, size_t* consumed = nullptr);
std::string ObjectTextToBinary(std::string_view text);
// The binary form behind a resource header named after the root's class.
std::string ObjectTextToResource(std::string_view text);

// Nesting of objects, lists and collections beyond this is rejected as malformed.
constexpr int kMaxObjectNesting = 1000;

}  // namespace kcl
