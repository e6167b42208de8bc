#pragma once

#include "gui/platform/Window.h"
#include "gui/platform/raster/PixelBuffer.h"

namespace tarvolin::platform {

class HeadlessHost;

// A child window made of pixels. The test plays the platform: it asks for
// paints, presses buttons and destroys the window when the host would.
class HeadlessWindow : public Window {
public:
    HeadlessWindow(HeadlessHost& host, const char* className, int width, int height,
                   WindowClient& client);
    ~HeadlessWindow() override;

    // A paint request: the client redraws the whole window.
    virtual void paint();
    // A button went down at where; the buttons themselves come from the host's mouse.
    virtual void press(Point where);
    // The platform destroys the window; its client hears of it once.
    virtual void destroy();

    virtual bool isAlive() const { return alive; }
    virtual const char* windowClassName() const { return className; }
    virtual const PixelBuffer& pixels() const { return content; }

    std::unique_ptr<Surface> surface() override;
    std::unique_ptr<Surface> offscreen(int width, int height) override;
    int mouseButtons() override;
    Point mouseLocation() const override;
    Point screenOrigin() const override;
    std::unique_ptr<EditField> createEditField(const Rect& rect, std::string_view text,
                                               const EditFieldStyle& style,
                                               EditFieldClient& client) override;
    int popUpMenu(std::span<const MenuEntry> entries, Point position) override;
    void* nativeHandle() const override;
    void bringToTop() override {}
    void setVisible(bool shown) override { visible = shown; }
    int eventDescriptor() const override { return -1; }
    // Nothing here keeps time between the host's calls.
    bool startIdleTimer(std::uint32_t) override { return false; }
    bool isVisible() const { return visible; }
    // The test sends every paint and click itself.
    void handlePendingEvents() override {}

private:
    HeadlessHost& host;
    bool visible = true;
    const char* className;
    WindowClient* client;
    PixelBuffer content;
    bool alive = true;
};

// Window classes the headless platform has seen registered.
int headlessClassRegistrations();
bool headlessClassRegistered(const char* className);

} // namespace tarvolin::platform
