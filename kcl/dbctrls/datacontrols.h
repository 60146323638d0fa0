#pragma once
// The data-aware controls, for streaming.
#include "kcl/dbctrls/dbctrls.h"
#include "kcl/dbctrls/dbimage.h"
#include "kcl/dbctrls/dblookup.h"
#include "kcl/dbctrls/dbnavigator.h"
#include "kcl/dbctrls/win31lookup.h"

namespace kcl {

// Registers every class above (and the data-access classes they link to) with
// the streaming system; calling it again does nothing.
void RegisterDataControls();

}  // namespace kcl
