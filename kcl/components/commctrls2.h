#pragma once
// The controls of the palette's Win32 page, and their registration for streaming.
#include "kcl/components/coolbar.h"
#include "kcl/components/datetimepicker.h"
#include "kcl/components/hotkey.h"
#include "kcl/components/imagelist.h"
#include "kcl/components/progressbar.h"
#include "kcl/components/tabcontrol.h"
#include "kcl/components/toolbar.h"
#include "kcl/components/trackbar.h"
#include "kcl/components/treeview.h"
#include "kcl/components/updown.h"

namespace kcl {

// Registers every class above with the streaming system; calling it again does nothing.
void RegisterWin32Controls();

}  // namespace kcl
