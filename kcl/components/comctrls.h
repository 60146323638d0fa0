#pragma once
// The Win32 common controls of the framework's palette, and their registration for
// streaming.
#include "kcl/components/animate.h"
#include "kcl/components/colorgrid.h"
#include "kcl/components/headercontrol.h"
#include "kcl/components/listview.h"
#include "kcl/components/pagecontrol.h"
#include "kcl/components/statusbar.h"

namespace kcl {

// Registers every class above with the streaming system; calling it again does nothing.
void RegisterCommonControls();

}  // namespace kcl
