#pragma once

#include "gui/platform/Window.h"
#include "gui/platform/raster/PixelBuffer.h"
#include "gui/platform/x11/DisplayConnection.h"
#include "gui/platform/x11/ImageTransfer.h"
#include "gui/platform/x11/KeyboardInput.h"
#include "gui/platform/x11/ShownPicture.h"
#include "gui/platform/x11/XlibHeaders.h"

#include <memory>
#include <vector>

namespace tarvolin::platform {

class X11EditField;

// Where the pointer was, in the window's coordinates, and the MouseButtons
// word of its buttons and modifier keys, as the window last heard.
struct PointerState {
    Point location;
    int buttons = 0;
};

// A child of the host's X window on a connection of its own, showing a
// picture the toolkit draws with the raster surface. The window reads its
// input in the frame's idle pass and in the toolkit's polls of the mouse;
// it has no thread. Only what changed in the picture goes to the server.
class X11Window final : public Window {
public:
    // Null without a server, a parent window, or a true-colour visual.
    static std::unique_ptr<X11Window> create(::Window parent, const char* className, int width,
                                             int height, WindowClient& client);
    ~X11Window() override;
    X11Window(const X11Window&) = delete;
    X11Window& operator=(const X11Window&) = delete;

    std::unique_ptr<Surface> surface() override;
    std::unique_ptr<Surface> offscreen(int width, int height) override;
    // Answers the state last heard, then takes in the next change of it, so
    // that a tracking loop meets every position before the button's release.
    int mouseButtons() override;
    Point mouseLocation() const override { return pointer.location; }
    Point screenOrigin() const override;
    std::unique_ptr<EditField> createEditField(const Rect& rect, std::string_view text,
                                               const EditFieldStyle& style,
                                               EditFieldClient& client) override;
    int popUpMenu(std::span<const MenuEntry> entries, Point position) override;
    void* nativeHandle() const override;
    void bringToTop() override;
    void setVisible(bool visible) override;
    int eventDescriptor() const override { return ConnectionNumber(display()); }
    // Nothing here keeps time between the host's calls.
    bool startIdleTimer(std::uint32_t) override { return false; }
    void handlePendingEvents() override;

    // Sends the server what changed in the picture, edit fields drawn over it.
    void present();

    // For the edit fields over the window.
    void addField(X11EditField& field);
    void removeField(X11EditField& field);
    void giveKeyboardTo(X11EditField& field);

private:
    X11Window(DisplayConnection connection, ::Window child, Colormap colormap, Screen* screen,
              int width, int height, WindowClient& client);

    Display* display() const { return connection.get(); }
    const PixelBuffer& pictureToShow();
    void giveBackKeyboard();

    // Input, in X11WindowEvents.cpp.
    void dispatch(XEvent& event);
    void click(Point where);
    void pressKey(XKeyEvent& event);
    void takeInPointerChange();
    void askServerForPointer();
    void noteAside(const XEvent& event);
    void noteExposure(const XExposeEvent& exposure);
    void noteFocusOut(const XFocusChangeEvent& change);
    void noteDestroyed();
    void endEditOnLostFocus();

    DisplayConnection connection;
    ::Window child;
    Colormap colormap;
    Screen* screen;
    WindowClient* client;
    std::shared_ptr<PixelBuffer> canvas;
    PixelBuffer composed;
    ShownPicture shown;
    std::unique_ptr<ImageTransfer> transfer;
    PointerState pointer;
    bool gone = false;
    bool paintRequested = true;
    bool dispatching = false;
    bool focusLost = false;

    std::vector<X11EditField*> fields;
    X11EditField* keyboardField = nullptr;
    std::unique_ptr<KeyboardInput> keyboard;

    // Surfaces and fields that outlive the window find it gone through this.
    std::shared_ptr<const int> alive = std::make_shared<const int>(0);
};

} // namespace tarvolin::platform
