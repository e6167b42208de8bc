#pragma once

#include "gui/Geometry.h"

#include <memory>

namespace tarvolin {

class DrawContext;

namespace platform {
class Picture;
}

// One of the module's pictures, shared by reference count: the constructor's
// caller holds the first reference, every further holder remembers and
// forgets, and the last forget destroys it. Its size is the logical one; a
// context of scale 2 draws the module's picture drawn for that density, which
// is loaded the first time it is needed.
class Bitmap {
public:
    explicit Bitmap(int resourceNumber);
    // Adopts a picture that was obtained elsewhere.
    Bitmap(int resourceNumber, std::unique_ptr<platform::Picture> picture);
    Bitmap(const Bitmap&) = delete;
    Bitmap& operator=(const Bitmap&) = delete;

    int getResourceNumber() const { return resourceNumber; }
    // 0 by 0 when the picture could not be loaded.
    int getWidth() const { return width; }
    int getHeight() const { return height; }
    int getReferenceCount() const { return referenceCount; }

    void remember() { ++referenceCount; }
    void forget();

    // Copies rect's size from offset in the picture to rect's corner; never
    // reads beyond the picture. A strip's image i is offset (0, i * image height).
    // Nothing is drawn at a scale the module has no picture for.
    void draw(DrawContext& context, const Rect& rect, Point offset = {}) const;
    // As draw, but white picture pixels leave the destination as it was.
    void drawTransparent(DrawContext& context, const Rect& rect, Point offset = {}) const;

private:
    ~Bitmap();
    const platform::Picture* pictureAt(int scale) const;

    int resourceNumber;
    std::unique_ptr<platform::Picture> picture;
    // Drawing is const to its holders; the dense picture is a cache.
    mutable std::unique_ptr<platform::Picture> densePicture;
    mutable bool denseLoaded = false;
    int width = 0;
    int height = 0;
    int referenceCount = 1;
};

} // namespace tarvolin
