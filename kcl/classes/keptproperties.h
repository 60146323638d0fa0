#pragma once
// Properties a stream holds that the reading class does not publish (a later
// version's property, a property of a third party's class): kept on the instance
// as read, name and value bytes, and written back where they stood, after the
// property they followed.
#include <cstdint>
#include <string>
#include <vector>

namespace kcl {

class TPersistent;

struct TKeptProperty {
  std::string After;  // the path of the property it followed; empty when first
  std::string Name;   // its path as the stream names it
  std::string Value;  // the value's bytes, value type first
};

void KeepProperty(const TPersistent* instance, TKeptProperty property);
// nullptr when the instance keeps none.
const std::vector<TKeptProperty>* KeptProperties(const TPersistent* instance);

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
