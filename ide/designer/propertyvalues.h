#pragma once
// The published values of one object, taken and given back: what undo needs of
// the design form itself, which is read again from a stream that leaves out
// whatever equals its default.
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "kcl/classes/typinfo.h"

namespace kcl {
class TComponent;
class TPersistent;
}  // namespace kcl

namespace korvax::designer {

class TPropertyValues {
public:
  // Every published property with a setter, names aside; sub-objects by their own
  // values, a component named by its name, an object without published
  // properties (a picture) as a copy.
  static TPropertyValues Take(const kcl::TPersistent& instance);
  // Sets each property that now differs; components are looked up on root.
  void GiveBack(kcl::TPersistent& instance, kcl::TComponent& root) const;

private:
  struct TNamed {
    std::string Name;
  };
  using TValue = std::variant<int64_t, long double, std::string, kcl::TMethod, TNamed,
                              std::shared_ptr<TPropertyValues>, std::shared_ptr<kcl::TPersistent>>;
  struct TEntry {
    kcl::PPropInfo Prop;
    TValue Value;
  };
  std::vector<TEntry> FEntries;
};

}  // namespace korvax::designer
