// Texts at the host boundary: every fixed buffer is filled with a terminated text that fits, every text read from
// a host buffer stops at the buffer's end.
#pragma once

#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

namespace hostkit {

// Buffer sizes of the host boundary.
constexpr std::size_t ShortTextBufferSize = 256;   // file names, parameter texts, host result texts
constexpr std::size_t UniqueIdBufferSize = 1024;   // counted strings passed through 1,024-byte buffers
constexpr std::size_t HostResultBufferSize = 4096; // results of the host's file-name functions
constexpr std::size_t ParameterCacheSize = 64000;  // a whole parameter text held for look-up

// The longest counted string.
constexpr std::size_t ShortStringLength = 255;

// Text cut to at most Length characters.
inline std::string CutText(std::string_view text, std::size_t length) {
    return std::string(text.substr(0, length));
}

// Text as a counted string: its first 255 characters.
inline std::string ToShortString(std::string_view text) {
    return CutText(text, ShortStringLength);
}

// Copies Text into a buffer of Capacity bytes: at most Capacity - 1 characters, always terminated. Nothing is
// written when Capacity is 0.
inline void CopyToHostBuffer(char* buffer, std::size_t capacity, std::string_view text) {
    if (buffer == nullptr || capacity == 0) {
        return;
    }
    const std::size_t length = text.size() < capacity ? text.size() : capacity - 1;
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
}

// The text in a buffer of Capacity bytes: up to its terminating zero, or the whole buffer when the writer left
// none. Empty for a null buffer.
inline std::string TextFromHostBuffer(const char* buffer, std::size_t capacity) {
    if (buffer == nullptr) {
        return {};
    }
    const void* zero = std::memchr(buffer, '\0', capacity);
    return std::string(buffer, zero != nullptr ? static_cast<const char*>(zero) - buffer : capacity);
}

// A zero-terminated text the host handed over; empty for a null pointer.
inline std::string TextFromHost(const char* text) {
    return text != nullptr ? std::string(text) : std::string();
}

} // namespace hostkit
