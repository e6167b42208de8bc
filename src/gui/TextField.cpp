#include "gui/TextField.h"

#include "gui/FontTable.h"
#include "gui/Frame.h"
#include "gui/MouseButtons.h"

#include <cstring>

namespace tarvolin {

namespace {

// The edit field keeps its text off the borders by this much.
constexpr int kEditMargin = 2;
// The field's text is read with room for 254 bytes and the terminator.
constexpr std::size_t kEditReadCapacity = kTextCapacity - 1;

// The edit field's font: the table's face and size, always of normal weight
// and variable pitch.
FontRequest editFont(int fontIndex) {
    FontRequest font = fontRequestFor(fontIndex, 0);
    font.weight = kFontWeightNormal;
    font.pitchAndFamily = kVariablePitchSwiss;
    return font;
}

} // namespace

TextField::TextField(const Rect& size, ControlListener* listener, int tag, const char* text,
                     Bitmap* background, int style)
    : ValueDisplay(size, listener, tag, background, style) {
    copyText(content, text);
}

TextField::~TextField() = default;

void TextField::draw(DrawContext& context) {
    std::array<char, kTextCapacity> shown{};
    if (textFormatter != nullptr) {
        textFormatter(content.data(), shown);
        shown.back() = '\0';
    } else {
        copyText(shown, content.data());
    }
    drawText(context, shown.data());
}

void TextField::setText(const char* text) {
    if (text == nullptr) {
        return;
    }
    copyText(content, text);
    forceRedrawOfText();
}

void TextField::getText(TextBuffer text) const {
    copyText(text, content.data());
}

void TextField::mouseDown(DrawContext& context, Point& /*where*/) {
    Frame* frame = getParentFrame();
    if (!getMouseEnabled() || frame == nullptr || frame->getFocusView() == this ||
        context.getMouseButtons() != ButtonLeft) {
        return;
    }
    acquireFocus();
}

void TextField::acquireFocus() {
    Frame* frame = getParentFrame();
    platform::Window* window = frame != nullptr ? frame->getPlatformWindow() : nullptr;
    if (editField != nullptr || window == nullptr) {
        return;
    }
    frame->setFocusView(this);
    // One pixel wider and taller than the control, so that it covers its frame.
    const Rect area{size.left, size.top, size.right + 1, size.bottom + 1};
    const int scale = frame->getScale();
    FontRequest font = editFont(getFont());
    font.pixelHeight *= scale;
    editField = window->createEditField(toDevice(area, scale), content.data(),
                                        {font, kEditMargin * scale, kEditMargin * scale}, *this);
    if (editField == nullptr) {
        forgetFocus();
        return;
    }
    editField->takeFocus();
}

void TextField::editEnded() {
    releaseFocus();
}

void TextField::releaseFocus() {
    if (editField == nullptr) {
        return;
    }
    // Taken out first: closing the field makes it lose the focus, and the
    // edit that ends must be this one, once.
    std::unique_ptr<platform::EditField> field = std::move(editField);
    std::array<char, kTextCapacity> typed{};
    const bool read = field->readText(std::span(typed.data(), kEditReadCapacity));
    field.reset();
    const bool changed = read && std::strcmp(typed.data(), content.data()) != 0;
    if (changed) {
        content = typed;
    }
    forgetFocus();
    Frame* frame = getParentFrame();
    if (frame == nullptr) {
        return;
    }
    frame->withAnyContext([this, changed](DrawContext& context) {
        const FrameWatch watch(getParentFrame());
        if (changed) {
            notifyListener(context);
            if (watch.frameGone()) {
                return;
            }
        }
        draw(context);
    });
}

void TextField::forgetFocus() {
    Frame* frame = getParentFrame();
    if (frame != nullptr && frame->getFocusView() == this) {
        frame->setFocusView(nullptr);
    }
}

} // namespace tarvolin
