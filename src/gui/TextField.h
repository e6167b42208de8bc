#pragma once

#include "gui/ValueDisplay.h"
#include "gui/platform/Window.h"

#include <array>
#include <memory>

namespace tarvolin {

// Writes the text as shown into the output buffer, which holds an empty string when called.
using TextFormatter = void (*)(const char* text, TextBuffer shown);

// A text, shown like a value display and edited in a native edit field that
// opens over the control on a plain left click. Return or a click elsewhere
// ends the edit; the listener hears of it when the text changed.
class TextField : public ValueDisplay, private platform::EditFieldClient {
public:
    // A null text is an empty one; longer texts keep their first 255 bytes.
    TextField(const Rect& size, ControlListener* listener, int tag, const char* text,
              Bitmap* background, int style);
    ~TextField() override;

    void draw(DrawContext& context) override;
    void mouseDown(DrawContext& context, Point& where) override;
    // Opens the edit field with the text and the keyboard focus.
    void acquireFocus() override;
    // Ends an edit: takes the field's text, closes the field, tells the
    // listener if the text changed and draws. Nothing when no edit is open,
    // so ending twice ends once.
    void releaseFocus() override;

    // Null is ignored; the next refresh draws the new text.
    virtual void setText(const char* text);
    // Copies the text, terminated, into a buffer of kTextCapacity bytes.
    virtual void getText(TextBuffer text) const;
    virtual void setTextFormatter(TextFormatter formatter) { textFormatter = formatter; }

    const char* text() const { return content.data(); }
    bool isEditing() const { return editField != nullptr; }

private:
    void editEnded() override;
    void forgetFocus();

    std::unique_ptr<platform::EditField> editField;
    std::array<char, kTextCapacity> content{};
    TextFormatter textFormatter = nullptr;
};

} // namespace tarvolin
