#pragma once

#include "ScenePixels.h"

#include "gui/Bitmap.h"

#include <windows.h>

namespace tarvolin::test {

// A top-level window standing in for the host's editor window: the parent
// frames put their child windows in. Borderless, so its client area starts
// at its screen position.
class HostWindow {
public:
    HostWindow(int left, int top, int width, int height);
    ~HostWindow();
    HostWindow(const HostWindow&) = delete;
    HostWindow& operator=(const HostWindow&) = delete;

    HWND handle() const { return window; }
    // Destroys the window and its children now, as a host closing it would.
    void destroy();

private:
    HWND window;
};

// Has the windows paint what they have to, then handles what is queued.
void paintAndDispatch(HWND window);

// The pixels of a bitmap, or of width by height pixels of a device context
// from its top-left corner.
ScenePixels pixelsOf(HBITMAP bitmap);
ScenePixels pixelsOf(HDC dc, int width, int height);

// How many of the window's pixels differ from the picture in the PPM file,
// over the picture's size; -1 when the file cannot be read.
int windowPixelsDiffering(HWND window, const char* ppmPath);

// A bitmap compatible with the screen, showing the pixels.
HBITMAP screenBitmapOf(const ScenePixels& pixels);

// The scene's stencil, and the same as a GDI picture.
ScenePixels stencilPixels();
Bitmap* gdiStencil();

} // namespace tarvolin::test
