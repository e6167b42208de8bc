#include "gui/PopupChoice.h"

#include "gui/Frame.h"
#include "gui/MouseButtons.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace tarvolin {

namespace {

constexpr const char* kSeparator = "-";

// Copies text into a caller's buffer of any size, cut to fit and terminated.
void copyOut(std::span<char> buffer, const char* text) {
    if (buffer.empty()) {
        return;
    }
    const std::size_t length = std::min(std::strlen(text), buffer.size() - 1);
    std::memcpy(buffer.data(), text, length);
    buffer[length] = '\0';
}

} // namespace

PopupChoice::PopupChoice(const Rect& size, ControlListener* listener, int tag, Bitmap* background,
                         Bitmap* openBackground, int style)
    : ValueDisplay(size, listener, tag, background, style), openBackground(openBackground) {}

PopupChoice::~PopupChoice() = default;

bool PopupChoice::isSeparator(int index) const {
    return isEntry(index) && std::strcmp(entries[index].get(), kSeparator) == 0;
}

const char* PopupChoice::selectedText() const {
    return isEntry(selected) ? entries[selected].get() : "";
}

bool PopupChoice::insertEntry(const char* text, int index) {
    if (text == nullptr || entryCount == kMaxEntries) {
        return false;
    }
    Entry slot(new (std::nothrow) char[kTextCapacity]);
    if (slot == nullptr) {
        return false;
    }
    copyText(TextBuffer(slot.get(), kTextCapacity), text);
    if (index < 0 || index > entryCount) {
        index = entryCount;
    }
    std::move_backward(entries.begin() + index, entries.begin() + entryCount,
                       entries.begin() + entryCount + 1);
    entries[index] = std::move(slot);
    if (selected >= index) {
        ++selected;
    }
    ++entryCount;
    if (selected < 0) {
        selected = 0;
    }
    return true;
}

int PopupChoice::getSelected(std::span<char> text) const {
    if (entryCount == 0) {
        return -1;
    }
    copyOut(text, selectedText());
    return selected;
}

bool PopupChoice::setSelected(int index) {
    if (!isEntry(index) || isSeparator(index)) {
        return false;
    }
    selected = index;
    forceRedrawOfText();
    return true;
}

bool PopupChoice::getEntryText(int index, std::span<char> text) const {
    if (!isEntry(index)) {
        return false;
    }
    copyOut(text, entries[index].get());
    return true;
}

bool PopupChoice::deleteEntry(int index) {
    if (!isEntry(index)) {
        return false;
    }
    std::move(entries.begin() + index + 1, entries.begin() + entryCount, entries.begin() + index);
    --entryCount;
    entries[entryCount].reset();
    if (selected >= index) {
        --selected;
    }
    // Taking away the selected first entry leaves the one after it selected.
    if (selected < 0 && entryCount > 0) {
        selected = 0;
    }
    return true;
}

void PopupChoice::deleteAllEntries() {
    for (Entry& entry : entries) {
        entry.reset();
    }
    entryCount = 0;
    selected = -1;
}

void PopupChoice::draw(DrawContext& context) {
    drawText(context, selectedText());
}

void PopupChoice::mouseDown(DrawContext& context, Point& /*where*/) {
    Frame* frame = getParentFrame();
    if (!getMouseEnabled() || frame == nullptr || context.getMouseButtons() != ButtonLeft) {
        return;
    }
    if (openBackground) {
        drawText(context, selectedText(), openBackground.get());
    }
    acquireFocus();
}

void PopupChoice::acquireFocus() {
    Frame* frame = getParentFrame();
    platform::Window* window = frame != nullptr ? frame->getPlatformWindow() : nullptr;
    if (menuOpen || window == nullptr) {
        return;
    }
    const Point origin = window->screenOrigin();
    std::array<platform::MenuEntry, kMaxEntries> lines{};
    const bool checks = (getStyle() & kMenuChecksSelected) != 0;
    for (int i = 0; i < entryCount; ++i) {
        lines[i] = {entries[i].get(), isSeparator(i), checks && i == selected};
    }
    const Point corner =
        toDevice(Point{size.left, (getStyle() & kMenuAtTop) != 0 ? size.top : size.bottom},
                 frame->getScale());
    const Point position{origin.h + corner.h, origin.v + corner.v};

    frame->setFocusView(this);
    menuOpen = true;
    const FrameWatch watch(getParentFrame());
    const int answer =
        window->popUpMenu(std::span(lines.data(), static_cast<std::size_t>(entryCount)), position);
    // While the menu was open the host may have closed the editor.
    if (watch.frameGone()) {
        return;
    }
    menuOpen = false;
    if (frame->getFocusView() == this) {
        frame->setFocusView(nullptr);
    }
    // The list may have changed meanwhile: only a real entry of it counts.
    const bool chosen = isEntry(answer) && !isSeparator(answer);
    if (!chosen && !openBackground) {
        return;
    }
    frame->withAnyContext([this, chosen, answer](DrawContext& context) {
        if (chosen) {
            setSelected(answer);
            const FrameWatch listening(getParentFrame());
            notifyListener(context);
            if (listening.frameGone()) {
                return;
            }
        }
        // Also takes the open picture away.
        draw(context);
    });
}

void PopupChoice::releaseFocus() {
    menuOpen = false;
}

} // namespace tarvolin
