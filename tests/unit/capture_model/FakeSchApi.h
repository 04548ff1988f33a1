// A binding table whose every entry records its calls by name, with the arguments by position, so that tests can
// prove the exact host call a wrapper makes.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <type_traits>
#include <vector>

#include "capture/SchProcs.h"

namespace snapscribe::test {

// One argument as recorded: a pointer as its address, a number as its value.
using TArg = uint64_t;
using TArgs = std::vector<TArg>;

// Matches any recorded argument (for addresses the wrapper makes up itself).
inline constexpr TArg AnyArg = ~TArg{0};

template <typename T> TArg AsArg(T Value) {
    if constexpr (std::is_pointer_v<T>)
        return reinterpret_cast<uintptr_t>(Value);
    else
        return static_cast<TArg>(static_cast<int64_t>(Value));
}

template <typename... T> TArgs Args(T... Values) {
    return {AsArg(Values)...};
}

// Reads a recorded argument back as the pointer it was.
template <typename T> T* ArgAs(TArg Value) {
    return reinterpret_cast<T*>(static_cast<uintptr_t>(Value));
}

struct TCall {
    std::string Name;
    TArgs Arguments;
};

// Installs itself as SchApi for its lifetime and restores the previous table afterwards.
class TRecordingSchApi {
public:
    TRecordingSchApi();
    ~TRecordingSchApi();
    TRecordingSchApi(const TRecordingSchApi&) = delete;
    TRecordingSchApi& operator=(const TRecordingSchApi&) = delete;

    std::vector<TCall> Calls;
    // What a function answers; unset, it answers its call's 1-based position in Calls.
    std::map<std::string, int64_t> Answers;
    // What a function does with its arguments before answering (writing through the addresses it got).
    std::map<std::string, std::function<void(const TArgs&)>> Effects;

    int64_t Record(const char* Name, TArgs Arguments);
    static TRecordingSchApi* Current;

private:
    TSchApiTable Saved;
};

// Empties SchApi for its lifetime, as when the schematic server is not loaded.
class TUnboundSchApi {
public:
    TUnboundSchApi() : Saved(SchApi) { SchApi = TSchApiTable{}; }
    ~TUnboundSchApi() { SchApi = Saved; }
    TUnboundSchApi(const TUnboundSchApi&) = delete;
    TUnboundSchApi& operator=(const TUnboundSchApi&) = delete;

private:
    TSchApiTable Saved;
};

// Compares calls by name and arguments, AnyArg matching anything; failures name the call and position.
void ExpectCalls(const std::vector<TCall>& Actual, const std::vector<TCall>& Expected);

} // namespace snapscribe::test
