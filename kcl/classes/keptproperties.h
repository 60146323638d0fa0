#pragma once
// Properties a stream holds that the reading class does not publish (a later
// version's property, a property of a third party's class): kept on the instance
// as read, name and value bytes, and written back where they stood, after the
// property they followed.
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
void ForgetKeptProperties(const TPersistent* instance);

}  // namespace kcl
