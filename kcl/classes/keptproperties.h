#pragma once
// What a stream held of an instance that its class cannot tell again: properties
// the class does not publish (a later version's property, a property of a third
// party's class), kept as read; the order the properties stood in; values in a
// later version's type; prefix flags. The writer uses them to write the instance
// back as it was read.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kcl {

class TPersistent;

struct TKeptProperty {
  std::string Name;   // its path as the stream names it
  std::string Value;  // the value's bytes, value type first
  // For a known property whose value this version cannot take (a later version's
  // enumeration value or colour name): the property's value after reading. The
  // kept bytes are written instead of it while it has that value.
  std::optional<int64_t> Stands;
};

void KeepProperty(const TPersistent* instance, TKeptProperty property);
// nullptr when the instance keeps none.
const std::vector<TKeptProperty>* KeptProperties(const TPersistent* instance);

// The paths of the properties the instance was read with, in the stream's order.
// They are written in that order again, and written even when they equal their
// default (another version wrote them, or has another default).
void KeepReadOrder(const TPersistent* instance, std::vector<std::string> paths);
// nullptr when the instance was not read from a stream.
const std::vector<std::string>* ReadOrder(const TPersistent* instance);

// A known property's value read in a type later than Delphi 3's (a caption in
// UTF-8): its bytes as read, to be written again while the value means the same.
void KeepValueBytes(const TPersistent* instance, const std::string& path, std::string bytes);
// nullptr when the instance keeps none for path.
const std::string* KeptValueBytes(const TPersistent* instance, const std::string& path);

// The prefix flags of a component's record that its writing cannot tell again:
// an embedded frame's ffInline, ffInherited of a record read inside a component
// of an unknown class (whose ancestor the program does not have). 0 for none.
void KeepPrefixFlags(const TPersistent* instance, uint8_t flags);
uint8_t KeptPrefixFlags(const TPersistent* instance);

// All of them.
void ForgetKeptProperties(const TPersistent* instance);

}  // namespace kcl
