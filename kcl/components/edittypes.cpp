#include "kcl/components/edittypes.h"

namespace kcl {


}  // namespace kcl
