#pragma once

// Xlib's headers, for the files of this back end alone. X.h names a line
// style LineSolid, as the toolkit does; the toolkit's name is the one kept,
// whichever header comes first.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>

#undef LineSolid
