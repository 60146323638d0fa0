#pragma once
// The data-access components and the field classes, for streaming.
#include "kcl/db/batchmove.h"
#include "kcl/db/bdedatasets.h"
#include "kcl/db/database.h"
#include "kcl/db/db.h"
#include "kcl/db/fields.h"
#include "kcl/db/ibevents.h"
#include "kcl/db/report.h"
#include "kcl/db/updatesql.h"

namespace kcl {

// Registers every class above with the streaming system; calling it again does nothing.
void RegisterDataAccess();

}  // namespace kcl
