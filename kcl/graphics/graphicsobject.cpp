#include "kcl/graphics/graphicsobject.h"

#include "kcl/classes/classbuilder.h"

namespace kcl {

KCL_CLASS_INFO(TGraphicsObject) {}

}  // namespace kcl
