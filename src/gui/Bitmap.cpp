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

void Bitmap::draw(DrawContext& context, const Rect& rect, Point offset) const {
    if (picture != nullptr && context.getSurface() != nullptr) {
        context.getSurface()->copyPicture(*picture, rect, offset);
    }
}

void Bitmap::drawTransparent(DrawContext& context, const Rect& rect, Point offset) const {
    if (picture != nullptr && context.getSurface() != nullptr) {
        context.getSurface()->copyPictureTransparent(*picture, rect, offset);
    }
}

} // namespace tarvolin
