#pragma once

#include "gui/platform/Window.h"
#include "gui/platform/raster/PixelBuffer.h"

#include <string>

namespace tarvolin::platform {

class X11Window;

// What a key does to an edit field.
enum class EditKey { Typing, Erase, Confirm, Cancel };

// An edit field the toolkit draws itself over the window's picture: its
// text in black on white inside the margins, centred while it fits and its
// end in view once it does not, the caret after the last character while the
// field has the keyboard. Return ends the edit, Escape ends it with the text
// it began with, and so does the keyboard going elsewhere; a click elsewhere
// in the window ends it through the toolkit.
class X11EditField final : public EditField {
public:
    X11EditField(X11Window& window, const Rect& rect, std::string_view text,
                 const EditFieldStyle& style, EditFieldClient& client);
    ~X11EditField() override;
    X11EditField(const X11EditField&) = delete;
    X11EditField& operator=(const X11EditField&) = delete;

    void takeFocus() override;
    bool readText(std::span<char> buffer) const override;

    // From the window. Ending the edit tells the client, which may destroy
    // the field: these are the last things their callers do with it.
    void press(EditKey key, std::string_view typed);
    void loseKeyboard();
    void drawOver(PixelBuffer& picture) const;

private:
    void end();

    X11Window& window;
    Rect area;
    std::string content;
    std::string original;
    EditFieldStyle look;
    EditFieldClient& client;
    bool hasKeyboard = false;
    bool ended = false;
};

} // namespace tarvolin::platform
