// Proves where each argument of a record query lands: every value the server holds is set apart from all others,
// read through the exported function, and each argument position must show its own value; then new values are
// written through the function and each must arrive in its own field.
#pragma once

#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <variant>
#include <vector>

#include <gtest/gtest.h>

namespace hostsim::test {

// One argument of a query, with the server value it stands for.
struct Argument {
    using Field = std::variant<uint8_t*, int32_t*, uint32_t*, std::string*>;

    Argument(std::string name, Field field, bool writable = true)
        : name(std::move(name)), field(field), writable(writable) {}
    // A copy's text reference points at its own buffer.
    Argument(const Argument& other)
        : name(other.name), field(other.field), writable(other.writable), byte(other.byte), word(other.word),
          handle(other.handle) {
        std::memcpy(text, other.text, sizeof text);
    }
    Argument& operator=(const Argument&) = delete;

    std::string name;
    Field field;
    bool writable = true;
    uint8_t byte = 0;
    int32_t word = 0;
    uint32_t handle = 0;
    char text[1024] = {};
    char* textRef = text; // the caller's reference to its text buffer, as the host receives it
};

using Arguments = std::vector<Argument>;

// Gives the server fields distinct values (seed differs between rounds), or checks them against the arguments.
inline void setFields(Arguments& arguments, int seed) {
    int n = seed;
    for (Argument& a : arguments) {
        ++n;
        std::visit(
            [&](auto* field) {
                using T = std::remove_pointer_t<decltype(field)>;
                if constexpr (std::is_same_v<T, std::string>)
                    *field = "t" + std::to_string(n);
                else if constexpr (std::is_same_v<T, uint8_t>)
                    *field = static_cast<uint8_t>(n % 250 + 2);
                else if constexpr (std::is_same_v<T, int32_t>)
                    *field = 100000 + n;
                else
                    (void)field; // handles are the server's, not set by tests
            },
            a.field);
    }
}

inline void setArguments(Arguments& arguments, int seed) {
    int n = seed;
    for (Argument& a : arguments) {
        ++n;
        a.byte = static_cast<uint8_t>(n % 250 + 2);
        a.word = 100000 + n;
        std::snprintf(a.text, sizeof a.text, "t%d", n);
    }
}

inline void expectArgumentsShowFields(const Arguments& arguments) {
    for (const Argument& a : arguments) {
        std::visit(
            [&](auto* field) {
                using T = std::remove_pointer_t<decltype(field)>;
                if constexpr (std::is_same_v<T, std::string>)
                    EXPECT_EQ(std::string(a.text), *field) << a.name;
                else if constexpr (std::is_same_v<T, uint8_t>)
                    EXPECT_EQ(a.byte, *field) << a.name;
                else if constexpr (std::is_same_v<T, int32_t>)
                    EXPECT_EQ(a.word, *field) << a.name;
                else
                    EXPECT_EQ(a.handle, *field) << a.name;
            },
            a.field);
    }
}

inline void expectFieldsTookArguments(const Arguments& arguments) {
    for (const Argument& a : arguments) {
        if (a.writable)
            expectArgumentsShowFields({a});
    }
}

// The whole proof for one query: `call(mode)` calls the function with the arguments' addresses in call order.
inline void proveArgumentPositions(Arguments& arguments, const std::function<int32_t(uint8_t)>& call) {
    setFields(arguments, 0);
    ASSERT_EQ(0, call(1));
    expectArgumentsShowFields(arguments);

    setArguments(arguments, 100);
    ASSERT_EQ(0, call(0));
    expectFieldsTookArguments(arguments);
}

} // namespace hostsim::test
