// What every exported function of the schematic server shares: no exception leaves it, texts go into the caller's
// buffers cut to their size and terminated, and a query moves each value in the direction its mode says.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>

#include "hostsim/plexa/DocumentStore.h"

namespace hostsim {

template <typename Result, typename Body> Result guarded(Result fallback, Body&& body) noexcept {
    try {
        return body();
    } catch (...) {
        return fallback;
    }
}

template <typename Body> void guarded(Body&& body) noexcept {
    try {
        body();
    } catch (...) {
    }
}

constexpr int32_t HostTextSize = 256;    // a text buffer: 255 characters and the terminating zero
constexpr int32_t HostStringSize = 1024; // the exchange buffer of a counted string or unique id
constexpr int32_t QueryDone = 0;
constexpr int32_t QueryRefused = 1;

// Copies at most size - 1 characters and a terminating zero; nothing for a null buffer or a size below 1.
void copyToBuffer(const std::string& text, char* buffer, int32_t size);
// The text in a caller's buffer, read up to its terminating zero or size - 1 characters.
std::string textFromBuffer(const char* buffer, int32_t size);

// One record exchange: mode 1 copies the server's values out, any other mode takes the caller's values. A null
// address is skipped.
class Exchange {
public:
    explicit Exchange(uint8_t mode) : reading_(mode == 1) {}
    bool reading() const { return reading_; }

    // A byte or 32-bit value.
    template <typename T> void value(T& field, T* argument) const {
        if (!argument)
            return;
        if (reading_)
            *argument = field;
        else
            field = *argument;
    }
    void angle(Real48& field, uint8_t* argument) const;
    // A text buffer passed as the address of the caller's reference to it.
    void text(std::string& field, char** argument, int32_t size = HostTextSize) const;
    // Values the caller may read but not change (handles of owned objects).
    template <typename T> void readOnly(T value, T* argument) const {
        if (reading_ && argument)
            *argument = value;
    }

private:
    bool reading_;
};

// The object behind a handle when it is of one of the kinds; null otherwise.
SheetObject* objectOf(uint32_t handle, std::initializer_list<Kind> kinds);
SheetObject* anyObject(uint32_t handle);

// Moves an object as a whole: the vertices of a multi-vertex object, the pins and texts of a part follow.
void moveObject(SheetObject& object, Point to);

// Exchanges an object's location; a write moves the object as a whole.
void exchangeLocation(const Exchange& exchange, SheetObject& object, int32_t* x, int32_t* y);

// Finishes a write: the document's spatial questions see the change.
void written(const Exchange& exchange, const SheetObject& object);

// The frame of every record query: finds the object, exchanges its record through `body` and answers QueryDone,
// or QueryRefused (fields untouched) when the handle is not an object of one of the kinds.
template <typename Body>
int32_t query(uint8_t mode, uint32_t handle, std::initializer_list<Kind> kinds, Body&& body) noexcept {
    return guarded(QueryRefused, [&] {
        SheetObject* object = objectOf(handle, kinds);
        if (!object)
            return QueryRefused;
        const Exchange exchange(mode);
        body(exchange, *object);
        written(exchange, *object);
        return QueryDone;
    });
}

// Exported functions: unmangled, visible, with the host's calling convention.
#define PLEXA_EXPORT extern "C" TESSELLON_EXPORT

} // namespace hostsim
