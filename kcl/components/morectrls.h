#pragma once
// The remaining palette classes: the standard page's scroll bar, the additional
// page's mask edit, shape, scroll box, static text, the system page's timer,
// paint box, media player, DDE components and file controls, the Win 3.1 page's
// notebook, outline, tab set, header and tabbed notebook, the samples page's
// gauge, spin controls, directory outline and calendar, and the picture dialogs.
#include "kcl/components/calendar.h"
#include "kcl/components/dde.h"
#include "kcl/components/diroutline.h"
#include "kcl/components/filectrls.h"
#include "kcl/components/gauge.h"
#include "kcl/components/header.h"
#include "kcl/components/maskedit.h"
#include "kcl/components/mediaplayer.h"
#include "kcl/components/notebook.h"
#include "kcl/components/outline.h"
#include "kcl/components/paintbox.h"
#include "kcl/components/picturedialogs.h"
#include "kcl/components/scrollbar.h"
#include "kcl/components/scrollbox.h"
#include "kcl/components/shape.h"
#include "kcl/components/spinctrls.h"
#include "kcl/components/statictext.h"
#include "kcl/components/tabbednotebook.h"
#include "kcl/components/tabset.h"
#include "kcl/components/timer.h"

namespace kcl {

// Registers every class above with the streaming system; calling it again does nothing.
void RegisterMoreControls();

}  // namespace kcl
