#pragma once

#include "gui/Bitmap.h"

namespace tarvolin {

// One counted reference on a shared bitmap, or none, held for as long as the
// holder lives: what every control keeps of the pictures it was given.
class BitmapReference {
public:
    explicit BitmapReference(Bitmap* bitmap = nullptr) : bitmap(bitmap) {
        if (bitmap != nullptr) {
            bitmap->remember();
        }
    }
    ~BitmapReference() {
        if (bitmap != nullptr) {
            bitmap->forget();
        }
    }
    BitmapReference(const BitmapReference&) = delete;
    BitmapReference& operator=(const BitmapReference&) = delete;

    Bitmap* get() const { return bitmap; }
    Bitmap* operator->() const { return bitmap; }
    explicit operator bool() const { return bitmap != nullptr; }
    int width() const { return bitmap != nullptr ? bitmap->getWidth() : 0; }
    int height() const { return bitmap != nullptr ? bitmap->getHeight() : 0; }

private:
    Bitmap* bitmap;
};

} // namespace tarvolin
