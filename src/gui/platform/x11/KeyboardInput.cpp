#include "gui/platform/x11/KeyboardInput.h"

namespace tarvolin::platform {

namespace {

constexpr int kTypedCapacity = 64;

// UTF-8 to Latin-1: the printable characters up to U+00FF, nothing else.
std::string latin1FromUtf8(const char* bytes, int length) {
    std::string text;
    for (int i = 0; i < length;) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        const int size = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xe ? 3 : 4;
        if (i + size > length) {
            break;
        }
        unsigned code = size == 1 ? lead : lead & (0x7fu >> size);
        for (int k = 1; k < size; ++k) {
            code = (code << 6) | (static_cast<unsigned char>(bytes[i + k]) & 0x3fu);
        }
        if ((code >= 0x20 && code < 0x7f) || (code >= 0xa0 && code <= 0xff)) {
            text.push_back(static_cast<char>(code));
        }
        i += size;
    }
    return text;
}

} // namespace

KeyboardInput::KeyboardInput(Display* display, ::Window window)
    : display(display), window(window), method(XOpenIM(display, nullptr, nullptr, nullptr)) {
    if (method != nullptr) {
        context = XCreateIC(method, XNInputStyle, XIMPreeditNothing | XIMStatusNothing,
                            XNClientWindow, window, XNFocusWindow, window, nullptr);
    }
}

KeyboardInput::~KeyboardInput() {
    if (context != nullptr) {
        XDestroyIC(context);
    }
    if (method != nullptr) {
        XCloseIM(method);
    }
}

void KeyboardInput::take() {
    XGetInputFocus(display, &focusBefore, &revertBefore);
    if (focusBefore == window) {
        focusBefore = PointerRoot;
    }
    takenAt = NextRequest(display);
    XSetInputFocus(display, window, RevertToParent, CurrentTime);
    if (context != nullptr) {
        XSetICFocus(context);
    }
}

void KeyboardInput::giveBack() {
    if (context != nullptr) {
        XUnsetICFocus(context);
    }
    ::Window holder = None;
    int revert = RevertToParent;
    XGetInputFocus(display, &holder, &revert);
    if (holder == window) {
        XSetInputFocus(display, focusBefore, revertBefore, CurrentTime);
    }
    XFlush(display);
}

bool KeyboardInput::lostBy(const XFocusChangeEvent& change) const {
    // Grabs lend the focus for a while; and the loss that giving it back
    // caused belongs to an edit before the last take.
    return change.type == FocusOut && change.window == window && change.mode != NotifyGrab &&
           change.mode != NotifyUngrab && change.detail != NotifyInferior &&
           change.detail != NotifyPointer && change.serial >= takenAt;
}

bool KeyboardInput::filter(XEvent& event) {
    return method != nullptr && XFilterEvent(&event, None) != 0;
}

std::string KeyboardInput::typedText(XKeyEvent& press, KeySym& key) {
    char bytes[kTypedCapacity];
    key = NoSymbol;
    if (context == nullptr) {
        // Without an input method the key map gives Latin-1 itself.
        const int length = XLookupString(&press, bytes, kTypedCapacity, &key, nullptr);
        std::string text;
        for (int i = 0; i < length; ++i) {
            const auto code = static_cast<unsigned char>(bytes[i]);
            if ((code >= 0x20 && code < 0x7f) || code >= 0xa0) {
                text.push_back(bytes[i]);
            }
        }
        return text;
    }
    Status status = XLookupNone;
    const int length = Xutf8LookupString(context, &press, bytes, kTypedCapacity, &key, &status);
    if (status != XLookupKeySym && status != XLookupBoth) {
        key = NoSymbol;
    }
    if (status != XLookupChars && status != XLookupBoth) {
        return {};
    }
    return latin1FromUtf8(bytes, length);
}

} // namespace tarvolin::platform
