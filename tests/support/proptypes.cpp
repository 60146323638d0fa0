#include "support/proptypes.h"

namespace korvax::test {

using namespace kcl;

const TTypeInfo* PropType(const std::string& className, const std::string& prop) {
  return GetPropInfo(FindClass(className), prop)->PropType;
}

std::string ParamList(const TTypeInfo* method) {
  std::string text;
  for (const TParamRecord& p : GetTypeData(method)->Params)
    text += std::string(p.Flags & pfVar ? "var " : p.Flags & pfConst ? "const " : "") + p.ParamName + ": " +
            p.TypeName + "; ";
  return text;
}

}  // namespace korvax::test
