#pragma once
// The standard controls of the palette's first pages, and their registration
// for streaming.
#include "kcl/components/buttons.h"
#include "kcl/components/checklistbox.h"
#include "kcl/components/combobox.h"
#include "kcl/components/edit.h"
#include "kcl/components/extctrls.h"
#include "kcl/components/groupbox.h"
#include "kcl/components/image.h"
#include "kcl/components/label.h"
#include "kcl/components/listbox.h"
#include "kcl/components/stdbuttons.h"

namespace kcl {

// Registers every class above with the streaming system; calling it again does nothing.
void RegisterStandardControls();

}  // namespace kcl
