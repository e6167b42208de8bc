#pragma once

#include "gui/platform/Window.h"

#include <string>

namespace tarvolin::platform {

class HeadlessHost;

// An edit field the test plays the user of: it types, presses Return or moves
// the focus away. The field's host knows the one most recently made.
class HeadlessEditField final : public EditField {
public:
    HeadlessEditField(HeadlessHost& host, const Rect& rect, std::string_view text,
                      const EditFieldStyle& style, EditFieldClient& client);
    ~HeadlessEditField() override;
    HeadlessEditField(const HeadlessEditField&) = delete;
    HeadlessEditField& operator=(const HeadlessEditField&) = delete;

    void takeFocus() override { focused = true; }
    bool readText(std::span<char> buffer) const override;

    // Adds the characters at the end of the text, as typing does.
    virtual void type(std::string_view characters);
    // Each ends the edit; the field may be gone when they return.
    virtual void pressReturn();
    virtual void moveFocusAway();

    virtual const std::string& text() const { return content; }
    virtual const Rect& rect() const { return area; }
    virtual const EditFieldStyle& style() const { return look; }
    virtual bool hasFocus() const { return focused; }

private:
    void end();

    HeadlessHost& host;
    Rect area;
    std::string content;
    EditFieldStyle look;
    EditFieldClient& client;
    bool focused = false;
    bool ended = false;
};

} // namespace tarvolin::platform
