#include "Win32TestSupport.h"

#include "TestScene.h"

#include "gui/platform/win32/GdiObject.h"
#include "gui/platform/win32/GdiPicture.h"
#include "gui/platform/win32/MemoryDc.h"

#include <gtest/gtest.h>

#include <functional>
#include <numeric>
#include <optional>

namespace tarvolin::test {

namespace {

constexpr const char* kHostClassName = "TarvolinTestHost";

void registerHostClass() {
    WNDCLASSA hostClass{};
    hostClass.lpfnWndProc = DefWindowProcA;
    hostClass.hInstance = GetModuleHandleA(nullptr);
    hostClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    hostClass.lpszClassName = kHostClassName;
    // A second registration fails harmlessly: the class is the same.
    RegisterClassA(&hostClass);
}

BITMAPINFO topDownRgbInfo(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

class ScreenDc {
public:
    ScreenDc() : dc(GetDC(nullptr)) {}
    ~ScreenDc() { ReleaseDC(nullptr, dc); }
    ScreenDc(const ScreenDc&) = delete;
    ScreenDc& operator=(const ScreenDc&) = delete;

    HDC dc;
};

class WindowsOnDisplay : public ::testing::Environment {
public:
    void SetUp() override {
        const HostWindow probe(0, 0, 1, 1);
        ASSERT_NE(probe.handle(), nullptr) << "Wine opens windows only on a display: xvfb-run -a";
    }
};

[[maybe_unused]] const auto* const windowsOnDisplay =
    ::testing::AddGlobalTestEnvironment(new WindowsOnDisplay);

} // namespace

HostWindow::HostWindow(int left, int top, int width, int height) {
    registerHostClass();
    window = CreateWindowExA(0, kHostClassName, "Host", WS_POPUP | WS_CLIPCHILDREN, left, top,
                             width, height, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    // Never activated, so Wine leaves it to no window manager and does not
    // wait for one when the window goes.
    ShowWindow(window, SW_SHOWNA);
}

HostWindow::~HostWindow() {
    destroy();
}

void HostWindow::destroy() {
    if (window != nullptr) {
        DestroyWindow(window);
        window = nullptr;
    }
}

void paintAndDispatch(HWND window) {
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        DispatchMessageA(&message);
    }
}

ScenePixels pixelsOf(HBITMAP bitmap) {
    BITMAP description{};
    GetObjectA(bitmap, sizeof description, &description);
    ScenePixels pixels(description.bmWidth, description.bmHeight);
    BITMAPINFO info = topDownRgbInfo(pixels.width, pixels.height);
    const ScreenDc screen;
    // Rows of blue, green, red and an unused byte: 0x00RRGGBB as little-endian words.
    GetDIBits(screen.dc, bitmap, 0, static_cast<UINT>(pixels.height), pixels.rgb.data(), &info,
              DIB_RGB_COLORS);
    for (std::uint32_t& rgb : pixels.rgb) {
        rgb &= 0xffffff;
    }
    return pixels;
}

ScenePixels pixelsOf(HDC dc, int width, int height) {
    platform::GdiObject<HBITMAP> copy(CreateCompatibleBitmap(dc, width, height));
    {
        const platform::MemoryDc target(dc, copy.get());
        BitBlt(target.handle(), 0, 0, width, height, dc, 0, 0, SRCCOPY);
    }
    return pixelsOf(copy.get());
}

int windowPixelsDiffering(HWND window, const char* ppmPath) {
    const std::optional<ScenePixels> expected = readPpm(ppmPath);
    if (!expected) {
        return -1;
    }
    HDC dc = GetDC(window);
    const ScenePixels drawn = pixelsOf(dc, expected->width, expected->height);
    ReleaseDC(window, dc);
    return std::transform_reduce(drawn.rgb.begin(), drawn.rgb.end(), expected->rgb.begin(), 0,
                                 std::plus<>(), std::not_equal_to<>());
}

HBITMAP screenBitmapOf(const ScenePixels& pixels) {
    const ScreenDc screen;
    HBITMAP bitmap = CreateCompatibleBitmap(screen.dc, pixels.width, pixels.height);
    const BITMAPINFO info = topDownRgbInfo(pixels.width, pixels.height);
    SetDIBits(screen.dc, bitmap, 0, static_cast<UINT>(pixels.height), pixels.rgb.data(), &info,
              DIB_RGB_COLORS);
    return bitmap;
}

ScenePixels stencilPixels() {
    ScenePixels pixels(kStencilSize, kStencilSize);
    for (int v = 0; v < kStencilSize; ++v) {
        for (int h = 0; h < kStencilSize; ++h) {
            pixels.set(h, v, packed(stencilPixel(h, v)));
        }
    }
    return pixels;
}

Bitmap* gdiStencil() {
    return new Bitmap(0, std::make_unique<platform::GdiPicture>(screenBitmapOf(stencilPixels())));
}

} // namespace tarvolin::test
