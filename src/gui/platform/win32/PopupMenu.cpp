#include "gui/platform/win32/PopupMenu.h"

#include <string>

namespace tarvolin::platform {

namespace {

// Menu choices arrive as command messages whose identifier is the entry's
// index; anything at or above this is no menu's.
constexpr WPARAM kMenuIdentifierLimit = 65536;
// The clicks that closed the menu may be queued still; they are not the frame's.
constexpr int kClosingClicks = 2;

class NativeMenu {
public:
    NativeMenu() : menu(CreatePopupMenu()) {}
    ~NativeMenu() {
        if (menu != nullptr) {
            DestroyMenu(menu);
        }
    }
    NativeMenu(const NativeMenu&) = delete;
    NativeMenu& operator=(const NativeMenu&) = delete;

    HMENU handle() const { return menu; }

private:
    HMENU menu;
};

} // namespace

int trackPopupMenu(HWND owner, std::span<const MenuEntry> entries, Point position) {
    const NativeMenu menu;
    if (menu.handle() == nullptr) {
        return kNoMenuChoice;
    }
    for (std::size_t index = 0; index < entries.size(); ++index) {
        const MenuEntry& entry = entries[index];
        if (entry.separator) {
            AppendMenuA(menu.handle(), MF_SEPARATOR, index, nullptr);
            continue;
        }
        const std::string text(entry.text);
        AppendMenuA(menu.handle(), MF_STRING | (entry.checked ? MF_CHECKED : MF_UNCHECKED), index,
                    text.c_str());
    }
    int chosen = kNoMenuChoice;
    if (TrackPopupMenu(menu.handle(), TPM_LEFTBUTTON, position.h, position.v, 0, owner, nullptr) !=
        0) {
        MSG command;
        if (PeekMessageA(&command, owner, WM_COMMAND, WM_COMMAND, PM_REMOVE) != 0 &&
            command.wParam < kMenuIdentifierLimit) {
            chosen = static_cast<int>(command.wParam);
        }
        for (int i = 0; i < kClosingClicks; ++i) {
            MSG click;
            PeekMessageA(&click, owner, WM_LBUTTONDOWN, WM_MBUTTONUP, PM_REMOVE);
        }
    }
    return chosen;
}

} // namespace tarvolin::platform
