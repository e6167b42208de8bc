#pragma once

namespace tarvolin {

// The scale (1 or 2) an editor opens at: the user's word where given, for
// hosts and systems that get the screen's density wrong
// (TARVOLIN_EDITOR_SCALE=1 or 2 in the environment), else suggested, the
// host's or the system's.
int editorScale(int suggested);

} // namespace tarvolin
