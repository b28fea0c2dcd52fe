// The settings record `rekster` and its file `zbster`. The host binds the
// file and reads record 0 into `rekster` before it creates a dialog; the
// dialog rewrites record 0 when its blank-sheet choice changed.
#pragma once

#include "records/rekster.h"
