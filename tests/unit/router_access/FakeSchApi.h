// A fake schematic server for the router's wrappers: fakes that fill or record every field by its argument
// position (Mode is position 1, the handle 2), so tables of (position, field) check the order and the widths.
#pragma once

#include "router/New_SchProcs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace wirewright::test {

struct TCall {
    std::string Name;
    uint8_t Mode = 0;
    THostHandle Handle = 0;
    // Position -> the value the fake read from that argument (what the wrapper sent, or a by-value argument).
    std::map<int, std::string> Sent;
};

struct TFakeHost {
    std::vector<TCall> Calls;
    // Function -> position -> the value the fake wrote there on a read.
    std::map<std::string, std::map<int, std::string>> Filled;
    // Function -> its answer; 1 when not given.
    std::map<std::string, int32_t> Answers;

    std::vector<std::string> CallNames() const {
        std::vector<std::string> Names;
        for (const TCall& Call : Calls)
            Names.push_back(Call.Name);
        return Names;
    }
    int32_t AnswerOf(const std::string& Name) const {
        const auto Found = Answers.find(Name);
        return Found == Answers.end() ? 1 : Found->second;
    }
};

TFakeHost& Host();

// What a read writes at a position: distinct per position and width.
inline uint8_t ByteAt(int Pos) {
    return static_cast<uint8_t>(100 + Pos);
}
inline int32_t IntegerAt(int Pos) {
    return 1000 + Pos;
}
inline THostHandle HandleAt(int Pos) {
    return static_cast<THostHandle>(2000 + Pos);
}
inline std::string TextAt(int Pos) {
    return "text" + std::to_string(Pos);
}

inline void Exchange(TCall& Call, bool Reading, int Pos, uint8_t* Field) {
    if (Reading)
        *Field = ByteAt(Pos);
    (Reading ? Host().Filled[Call.Name][Pos] : Call.Sent[Pos]) = std::to_string(*Field);
}
inline void Exchange(TCall& Call, bool Reading, int Pos, int32_t* Field) {
    if (Reading)
        *Field = IntegerAt(Pos);
    (Reading ? Host().Filled[Call.Name][Pos] : Call.Sent[Pos]) = std::to_string(*Field);
}
inline void Exchange(TCall& Call, bool Reading, int Pos, THostHandle* Field) {
    if (Reading)
        *Field = HandleAt(Pos);
    (Reading ? Host().Filled[Call.Name][Pos] : Call.Sent[Pos]) = std::to_string(*Field);
}
inline void Exchange(TCall& Call, bool Reading, int Pos, char** Field) {
    if (Reading)
        std::strcpy(*Field, TextAt(Pos).c_str());
    (Reading ? Host().Filled[Call.Name][Pos] : Call.Sent[Pos]) = *Field;
}
// A by-value argument is recorded both ways.
inline void Exchange(TCall& Call, bool Reading, int Pos, int32_t Value) {
    (Reading ? Host().Filled[Call.Name][Pos] : Call.Sent[Pos]) = std::to_string(Value);
}

template <std::size_t N> struct TName {
    char Text[N];
    constexpr TName(const char (&Source)[N]) { std::copy_n(Source, N, Text); }
};

template <TName Name, typename... Fields>
int32_t TESSELLON_STDCALL PositionalQuery(uint8_t Mode, THostHandle Handle, Fields... F) {
    TCall& Call = Host().Calls.emplace_back(TCall{Name.Text, Mode, Handle, {}});
    int Pos = 3;
    (Exchange(Call, Mode == qmRead, Pos++, F), ...);
    return Host().AnswerOf(Name.Text);
}

template <TName Name, typename... Fields>
void BindPositional(int32_t(TESSELLON_STDCALL*& Entry)(uint8_t, THostHandle, Fields...)) {
    Entry = &PositionalQuery<Name, Fields...>;
}

#define WIREWRIGHT_BIND_POSITIONAL(Name) ::wirewright::test::BindPositional<#Name>(::wirewright::GlobalSchApi.Name)

// Every test starts from an unbound table and an empty fake host, and leaves the table as it found it.
class FakeSchApiTest : public ::testing::Test {
protected:
    void SetUp() override {
        Saved = GlobalSchApi;
        GlobalSchApi = TSchApiTable{};
        Host() = TFakeHost{};
    }
    void TearDown() override { GlobalSchApi = Saved; }

private:
    TSchApiTable Saved;
};

} // namespace wirewright::test
