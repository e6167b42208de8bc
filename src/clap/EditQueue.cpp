#include "clap/EditQueue.h"

namespace tarvolin::clap {

bool EditQueue::push(const Edit& edit, std::uint32_t keepFree) {
    const std::uint32_t filled = tail.load(std::memory_order_relaxed);
    const std::uint32_t used = filled - head.load(std::memory_order_acquire);
    if (used + keepFree >= kCapacity) {
        return false;
    }
    slots[filled % kCapacity] = edit;
    tail.store(filled + 1, std::memory_order_release);
    return true;
}

void EditQueue::begin(int index) {
    if (!isInTable(index) || open.test(static_cast<std::size_t>(index))) {
        return;
    }
    if (push({Kind::begin, static_cast<std::uint8_t>(index), 0.0f}, kReserved)) {
        open.set(static_cast<std::size_t>(index));
    }
}

void EditQueue::value(int index, float value) {
    if (isInTable(index)) {
        push({Kind::value, static_cast<std::uint8_t>(index), value}, kReserved);
    }
}

void EditQueue::end(int index) {
    if (!isInTable(index) || !open.test(static_cast<std::size_t>(index))) {
        return;
    }
    // The reserve guarantees the room.
    push({Kind::end, static_cast<std::uint8_t>(index), 0.0f}, 0);
    open.reset(static_cast<std::size_t>(index));
}

bool EditQueue::peek(Edit& edit) const {
    const std::uint32_t taken = head.load(std::memory_order_relaxed);
    if (taken == tail.load(std::memory_order_acquire)) {
        return false;
    }
    edit = slots[taken % kCapacity];
    return true;
}

void EditQueue::pop() {
    head.store(head.load(std::memory_order_relaxed) + 1, std::memory_order_release);
}

} // namespace tarvolin::clap
