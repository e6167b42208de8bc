#include "editor/EditorScale.h"

#include <cstdlib>
#include <string_view>

namespace tarvolin {

int editorScale(int suggested) {
    if (const char* chosen = std::getenv("TARVOLIN_EDITOR_SCALE")) {
        if (std::string_view(chosen) == "1") {
            return 1;
        }
        if (std::string_view(chosen) == "2") {
            return 2;
        }
    }
    return suggested == 2 ? 2 : 1;
}

} // namespace tarvolin
