#pragma once
// The 16-bit resource header in front of a binary form file: the byte $FF, the
// resource type 10 as a 16-bit number, the upper-cased name (at most 63
// characters) with a zero byte, the 16-bit flags $1030 and the 32-bit data length.
#include <cstdint>
#include <string>

#include "kcl/classes/streams.h"

namespace kcl {

// Writes the header with a zero length; returns where the data starts, for
// FixupResourceHeader once the data is written.
int64_t WriteResourceHeader(TStream& stream, const std::string& resName);
// Sets the header's length to the bytes written since dataStart.
void FixupResourceHeader(TStream& stream, int64_t dataStart);
// Skips a header at the current position; raises EInvalidImage "Invalid stream
// format" when the stream does not start with one.
void ReadResHeader(TStream& stream);
// True when the bytes start with a resource header ($FF $0A $00).
bool HasResourceHeader(std::string_view bytes);

}  // namespace kcl
