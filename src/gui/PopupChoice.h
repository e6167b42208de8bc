#pragma once

#include "gui/BitmapReference.h"
#include "gui/ValueDisplay.h"

#include <array>
#include <memory>
#include <span>

namespace tarvolin {

// A list of texts shown like a value display, its selected entry on the
// control, the whole list in a native pop-up menu on a plain left click.
// An entry "-" is a separator, which cannot be selected.
class PopupChoice : public ValueDisplay {
public:
    static constexpr int kMaxEntries = 128;

    // The open picture, if given, is the background while the menu is open.
    PopupChoice(const Rect& size, ControlListener* listener, int tag, Bitmap* background,
                Bitmap* openBackground, int style);
    ~PopupChoice() override;

    void draw(DrawContext& context) override;
    void mouseDown(DrawContext& context, Point& where) override;
    // Shows the menu and waits for it; a choice selects the entry and tells
    // the listener, even when it was selected already.
    void acquireFocus() override;
    void releaseFocus() override;

    // Inserts a copy of the text (its first 255 bytes) at index, moving the
    // entries from there one place on; a negative index, or one beyond the
    // last entry, appends. False for a null text, a full list or no memory.
    virtual bool insertEntry(const char* text, int index = -1);
    // The selected index, -1 without entries; copies its text when given a buffer.
    virtual int getSelected(std::span<char> text = {}) const;
    // False for indices outside the list and for separators.
    virtual bool setSelected(int index);
    virtual bool getEntryText(int index, std::span<char> text) const;
    // The selection stays on the list while entries remain.
    virtual bool deleteEntry(int index);
    virtual void deleteAllEntries();
    virtual int getEntryCount() const { return entryCount; }

    bool isSeparator(int index) const;
    bool isMenuOpen() const { return menuOpen; }

private:
    using Entry = std::unique_ptr<char[]>;

    const char* selectedText() const;
    bool isEntry(int index) const { return index >= 0 && index < entryCount; }

    bool menuOpen = false;
    std::array<Entry, kMaxEntries> entries;
    int entryCount = 0;
    int selected = -1;
    BitmapReference openBackground;
};

} // namespace tarvolin
