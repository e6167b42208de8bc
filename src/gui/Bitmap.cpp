#include "gui/Bitmap.h"

#include "gui/DrawContext.h"
#include "gui/platform/PictureLoader.h"
#include "gui/platform/Surface.h"

namespace tarvolin {

Bitmap::Bitmap(int resourceNumber)
    : Bitmap(resourceNumber, platform::loadPicture(resourceNumber)) {}

Bitmap::Bitmap(int resourceNumber, std::unique_ptr<platform::Picture> picture)
    : resourceNumber(resourceNumber), picture(std::move(picture)) {
    if (this->picture != nullptr) {
        width = this->picture->width();
        height = this->picture->height();
    }
}

Bitmap::~Bitmap() = default;

void Bitmap::forget() {
    if (--referenceCount <= 0) {
        delete this;
    }
}

const platform::Picture* Bitmap::pictureAt(int scale) const {
    if (scale == 1) {
        return picture.get();
    }
    if (!denseLoaded) {
        denseLoaded = true;
        densePicture = platform::loadPicture(platform::denseResourceNumber(resourceNumber));
    }
    return densePicture.get();
}

void Bitmap::draw(DrawContext& context, const Rect& rect, Point offset) const {
    const platform::Picture* source = pictureAt(context.getScale());
    if (source != nullptr && context.getSurface() != nullptr) {
        context.getSurface()->copyPicture(*source, context.toDevice(rect),
                                          context.toDevice(offset));
    }
}

void Bitmap::drawTransparent(DrawContext& context, const Rect& rect, Point offset) const {
    const platform::Picture* source = pictureAt(context.getScale());
    if (source != nullptr && context.getSurface() != nullptr) {
        context.getSurface()->copyPictureTransparent(*source, context.toDevice(rect),
                                                     context.toDevice(offset));
    }
}

} // namespace tarvolin
