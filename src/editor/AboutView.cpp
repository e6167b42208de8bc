#include "editor/AboutView.h"

#include "editor/EditorLayout.h"
#include "gui/Bitmap.h"

namespace tarvolin {

namespace {

Rect displayRectFor(const Bitmap* picture) {
    const int width = picture != nullptr ? picture->getWidth() : 0;
    const int height = picture != nullptr ? picture->getHeight() : 0;
    return {kAboutPictureCorner.h, kAboutPictureCorner.v, kAboutPictureCorner.h + width,
            kAboutPictureCorner.v + height};
}

} // namespace

AboutView::AboutView(ControlListener* listener, Bitmap* picture)
    : SplashView(kAboutArea, listener, kAboutTag, picture, displayRectFor(picture), {0, 0}) {}

} // namespace tarvolin
