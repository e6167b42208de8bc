#include "gui/View.h"

#include "gui/Frame.h"
#include "gui/OffscreenContext.h"

namespace tarvolin {

void View::attachOffscreen(OffscreenContext* context) {
    if (context != nullptr && context->getWidth() >= size.width() &&
        context->getHeight() >= size.height()) {
        offscreen = context;
    }
}

void View::redraw() {
    if (parentFrame != nullptr) {
        parentFrame->drawView(this);
    }
}

} // namespace tarvolin
