#include "FakeSchApi.h"

#include <gtest/gtest.h>

namespace snapscribe::test {

TRecordingSchApi* TRecordingSchApi::Current = nullptr;

namespace {

template <auto Entry, typename Function> struct TFake;

template <auto Entry, typename Result, typename... Parameters> struct TFake<Entry, Result (*)(Parameters...)> {
    static inline const char* Name = nullptr;

    static Result Call(Parameters... Arguments) {
        const int64_t Answer = TRecordingSchApi::Current->Record(Name, Args(Arguments...));
        if constexpr (!std::is_void_v<Result>)
            return static_cast<Result>(Answer);
    }
};

template <auto Entry> void Install(const char* Name) {
    using Function = std::remove_reference_t<decltype(SchApi.*Entry)>;
    TFake<Entry, Function>::Name = Name;
    SchApi.*Entry = &TFake<Entry, Function>::Call;
}

} // namespace

TRecordingSchApi::TRecordingSchApi() : Saved(SchApi) {
    Current = this;
    SchApi.Module = this;
#define SNAPSCRIBE_FAKE(Type, Name) Install<&TSchApiTable::Name>(#Name);
#define SNAPSCRIBE_FAKE_AGAIN(Type, Name) Install<&TSchApiTable::Name##_Again>(#Name);
    SNAPSCRIBE_SCH_API_LOOKUPS(SNAPSCRIBE_FAKE, SNAPSCRIBE_FAKE_AGAIN)
#undef SNAPSCRIBE_FAKE
#undef SNAPSCRIBE_FAKE_AGAIN
}

TRecordingSchApi::~TRecordingSchApi() {
    SchApi = Saved;
    Current = nullptr;
}

int64_t TRecordingSchApi::Record(const char* Name, TArgs Arguments) {
    Calls.push_back({Name, Arguments});
    if (const auto Effect = Effects.find(Name); Effect != Effects.end())
        Effect->second(Arguments);
    const auto Answer = Answers.find(Name);
    return Answer != Answers.end() ? Answer->second : static_cast<int64_t>(Calls.size());
}

void ExpectCalls(const std::vector<TCall>& Actual, const std::vector<TCall>& Expected) {
    ASSERT_EQ(Actual.size(), Expected.size()) << "number of host calls";
    for (size_t Call = 0; Call < Expected.size(); ++Call) {
        SCOPED_TRACE("host call " + std::to_string(Call + 1) + ", " + Expected[Call].Name);
        EXPECT_EQ(Actual[Call].Name, Expected[Call].Name);
        ASSERT_EQ(Actual[Call].Arguments.size(), Expected[Call].Arguments.size());
        for (size_t Position = 0; Position < Expected[Call].Arguments.size(); ++Position) {
            if (Expected[Call].Arguments[Position] == AnyArg)
                continue;
            EXPECT_EQ(Actual[Call].Arguments[Position], Expected[Call].Arguments[Position])
                << "argument " << Position + 1;
        }
    }
}

} // namespace snapscribe::test
