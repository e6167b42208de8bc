#include "gui/platform/x11/ImageTransfer.h"

#include "gui/platform/x11/XErrorTrap.h"

#include <algorithm>

#include <sys/ipc.h>
#include <sys/shm.h>

namespace tarvolin::platform {

namespace {

// The image's data is ours, not Xlib's, and so is the segment record.
void destroyImage(XImage* image) {
    image->data = nullptr;
    image->obdata = nullptr;
    XDestroyImage(image);
}

} // namespace

std::unique_ptr<ImageTransfer> ImageTransfer::create(Display* display, ::Window target,
                                                     Visual* visual, int depth, int width,
                                                     int height, bool trySharedMemory) {
    std::unique_ptr<ImageTransfer> transfer(new ImageTransfer(display, target));
    const bool made = (trySharedMemory && XShmQueryExtension(display) &&
                       transfer->attachSharedImage(visual, depth, width, height)) ||
                      transfer->makePlainImage(visual, depth, width, height);
    if (!made || !transfer->layout().isSupported()) {
        return nullptr;
    }
    transfer->context = XCreateGC(display, target, 0, nullptr);
    return transfer;
}

bool ImageTransfer::attachSharedImage(Visual* visual, int depth, int width, int height) {
    XImage* made =
        XShmCreateImage(display, visual, static_cast<unsigned>(depth), ZPixmap, nullptr, &segment,
                        static_cast<unsigned>(width), static_cast<unsigned>(height));
    if (made == nullptr) {
        return false;
    }
    const auto bytes =
        static_cast<std::size_t>(made->bytes_per_line) * static_cast<std::size_t>(made->height);
    segment.shmid = shmget(IPC_PRIVATE, bytes, IPC_CREAT | 0600);
    void* address = segment.shmid >= 0 ? shmat(segment.shmid, nullptr, 0) : nullptr;
    if (address == nullptr || address == reinterpret_cast<void*>(-1)) {
        if (segment.shmid >= 0) {
            shmctl(segment.shmid, IPC_RMID, nullptr);
        }
        destroyImage(made);
        return false;
    }
    segment.shmaddr = made->data = static_cast<char*>(address);
    segment.readOnly = False;
    XErrorTrap trap(display);
    const unsigned long first = trap.nextRequest();
    const bool attached = XShmAttach(display, &segment) != 0 && !trap.failedSince(first);
    // Whether the server holds the segment now or never will, nobody else
    // needs to find it: it goes when the last holder lets go, even after a crash.
    shmctl(segment.shmid, IPC_RMID, nullptr);
    if (!attached) {
        shmdt(address);
        destroyImage(made);
        return false;
    }
    image = made;
    shared = true;
    return true;
}

bool ImageTransfer::makePlainImage(Visual* visual, int depth, int width, int height) {
    XImage* made = XCreateImage(display, visual, static_cast<unsigned>(depth), ZPixmap, 0, nullptr,
                                static_cast<unsigned>(width), static_cast<unsigned>(height), 32, 0);
    if (made == nullptr) {
        return false;
    }
    plainData.assign(
        static_cast<std::size_t>(made->bytes_per_line) * static_cast<std::size_t>(made->height), 0);
    made->data = plainData.data();
    image = made;
    return true;
}

ImageTransfer::~ImageTransfer() {
    const XErrorTrap trap(display);
    if (context != nullptr) {
        XFreeGC(display, context);
    }
    if (image == nullptr) {
        return;
    }
    if (shared) {
        XShmDetach(display, &segment);
        XSync(display, False);
        shmdt(segment.shmaddr);
    }
    destroyImage(image);
}

PixelLayout ImageTransfer::layout() const {
    return {image->bits_per_pixel,
            image->byte_order == MSBFirst,
            static_cast<std::uint32_t>(image->red_mask),
            static_cast<std::uint32_t>(image->green_mask),
            static_cast<std::uint32_t>(image->blue_mask),
            image->bytes_per_line};
}

void ImageTransfer::send(const PixelBuffer& pixels, const Rect& area) {
    const Rect clipped{std::max(area.left, 0), std::max(area.top, 0),
                       std::min({area.right, image->width, pixels.width()}),
                       std::min({area.bottom, image->height, pixels.height()})};
    if (clipped.width() <= 0 || clipped.height() <= 0) {
        return;
    }
    convertPixels(pixels, clipped, layout(), image->data);
    const auto width = static_cast<unsigned>(clipped.width());
    const auto height = static_cast<unsigned>(clipped.height());
    if (shared) {
        XShmPutImage(display, target, context, image, clipped.left, clipped.top, clipped.left,
                     clipped.top, width, height, False);
        unread = true;
    } else {
        XPutImage(display, target, context, image, clipped.left, clipped.top, clipped.left,
                  clipped.top, width, height);
    }
}

void ImageTransfer::finish() {
    if (unread) {
        XSync(display, False);
        unread = false;
    } else {
        XFlush(display);
    }
}

} // namespace tarvolin::platform
