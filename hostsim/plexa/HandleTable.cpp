#include "hostsim/plexa/HandleTable.h"

#include <stdexcept>

namespace hostsim {

namespace {
constexpr uint32_t IndexBits = 24;
constexpr uint32_t IndexMask = (uint32_t{1} << IndexBits) - 1;
} // namespace

Handle HandleTable::add(HandleType type, void* item) {
    uint32_t index = 0;
    if (!free_.empty()) {
        index = free_.back();
        free_.pop_back();
    } else {
        if (slots_.size() >= IndexMask)
            throw std::length_error("the schematic server ran out of handles");
        index = static_cast<uint32_t>(slots_.size());
        slots_.emplace_back();
    }
    Slot& slot = slots_[index];
    slot.item = item;
    slot.type = type;
    return (uint32_t{slot.generation} << IndexBits) | (index + 1);
}

void HandleTable::remove(Handle handle) {
    if (!slotOf(handle))
        return;
    const uint32_t index = (handle & IndexMask) - 1;
    Slot& slot = slots_[index];
    slot = Slot{nullptr, HandleType::Free, static_cast<uint8_t>(slot.generation + 1)};
    free_.push_back(index);
}

const HandleTable::Slot* HandleTable::slotOf(Handle handle) const {
    const uint32_t index = handle & IndexMask;
    if (index == 0 || index > slots_.size())
        return nullptr;
    const Slot& slot = slots_[index - 1];
    if (slot.type == HandleType::Free || slot.generation != (handle >> IndexBits))
        return nullptr;
    return &slot;
}

void* HandleTable::find(Handle handle, HandleType type) const {
    const Slot* slot = slotOf(handle);
    return slot && slot->type == type ? slot->item : nullptr;
}

HandleType HandleTable::typeOf(Handle handle) const {
    const Slot* slot = slotOf(handle);
    return slot ? slot->type : HandleType::Free;
}

HandleTable& handleTable() {
    static HandleTable table;
    return table;
}

} // namespace hostsim
