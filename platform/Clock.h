// The system's millisecond tick count.
#pragma once

#include <cstdint>

namespace platform {

// Milliseconds since an arbitrary start, wrapping around at 2^32 like the system's tick count. Elapsed time is the
// unsigned difference of two readings.
std::uint32_t GetTickCount();

// Stand-in control (posix build only; host program and tests): replace the clock by Source, or restore the
// monotonic clock with nullptr.
using TickSource = std::uint32_t (*)();
void SetTickSource(TickSource source);

} // namespace platform
