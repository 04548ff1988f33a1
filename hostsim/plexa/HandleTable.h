// The server's 32-bit handles: one table for documents, objects, iterators and library items. A handle names a slot
// and the slot's generation, so a handle kept after its item went away finds nothing instead of a newer item.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/Abi.h"

namespace hostsim {

using Handle = uint32_t;

enum class HandleType : uint8_t { Free, Document, Object, Iterator, LibraryComponent, LibraryPart, Window };

class TESSELLON_EXPORT HandleTable {
public:
    Handle add(HandleType type, void* item);
    void remove(Handle handle);
    void* find(Handle handle, HandleType type) const;
    HandleType typeOf(Handle handle) const;

    template <typename T> T* find(Handle handle, HandleType type) const { return static_cast<T*>(find(handle, type)); }

private:
    struct Slot {
        void* item = nullptr;
        HandleType type = HandleType::Free;
        uint8_t generation = 0;
    };
    const Slot* slotOf(Handle handle) const;

    std::vector<Slot> slots_;
    std::vector<uint32_t> free_;
};

// The one table of the server.
TESSELLON_EXPORT HandleTable& handleTable();

} // namespace hostsim
