#include "kcl/design/formdesigner.h"

namespace kcl {

TFormDesigner::~TFormDesigner() = default;

}  // namespace kcl
