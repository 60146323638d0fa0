#include "samplekinds.h"

#include <string>
#include <vector>

#include "kcl/classes/classbuilder.h"

namespace korvax::test {

using namespace kcl;

const TTypeInfo* WideElementType() {
  static const TTypeInfo* type = [] {
    std::vector<std::string> names;
    for (int i = 0; i < 40; ++i) names.push_back("w" + std::to_string(i));
    return MakeEnumType("TWideElement", names);
  }();
  return type;
}

KCL_CLASS_INFO(TSampleKinds) {
  static const TTypeInfo* wideSet = MakeSetType("TWideSet", WideElementType());
  static const TTypeInfo* wideChar = MakeOrdinalType(tkWChar, "WideChar", otUWord, 0, 65535);
  static const TTypeInfo* record = MakeOrdinalType(tkRecord, "TPoint", otSLong, 0, 0);
  cls.property("Letter", &TSampleKinds::Letter, &TSampleKinds::SetLetter, wideChar);
  cls.property("Place", &TSampleKinds::Place, &TSampleKinds::SetPlace, record);
  cls.property("Ratio", &TSampleKinds::Ratio, &TSampleKinds::SetRatio);
  cls.property("Wide", &TSampleKinds::Wide, &TSampleKinds::SetWide, wideSet);
}

}  // namespace korvax::test
