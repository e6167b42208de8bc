#include "gui/platform/headless/HeadlessEditField.h"

#include "gui/platform/headless/HeadlessHost.h"

#include <algorithm>
#include <cstring>

namespace tarvolin::platform {

HeadlessEditField::HeadlessEditField(HeadlessHost& host, const Rect& rect, std::string_view text,
                                     const EditFieldStyle& style, EditFieldClient& client)
    : host(host), area(rect), content(text), look(style), client(client) {
    host.currentField = this;
    ++host.fields;
}

HeadlessEditField::~HeadlessEditField() {
    --host.fields;
    if (host.currentField == this) {
        host.currentField = nullptr;
    }
}

bool HeadlessEditField::readText(std::span<char> buffer) const {
    if (buffer.empty()) {
        return true;
    }
    const std::size_t length = std::min(content.size(), buffer.size() - 1);
    std::memcpy(buffer.data(), content.data(), length);
    buffer[length] = '\0';
    return true;
}

void HeadlessEditField::type(std::string_view characters) {
    content.append(characters);
}

void HeadlessEditField::pressReturn() {
    end();
}

void HeadlessEditField::moveFocusAway() {
    focused = false;
    end();
}

void HeadlessEditField::end() {
    if (ended) {
        return;
    }
    ended = true;
    // The last thing done: the client may destroy the field.
    client.editEnded();
}

} // namespace tarvolin::platform
