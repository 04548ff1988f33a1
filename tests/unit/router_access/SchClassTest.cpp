#include "router/New_SchClass.h"

#include "FakeSchApi.h"

#include <functional>
#include <memory>

namespace wirewright::test {
namespace {

const THostHandle ObjectHandle = 0x51;

template <class T> struct TFieldAt {
    const char* Function;
    int Pos;
    std::function<std::string(T&)> Get;
};

template <typename V> std::string Str(V Value) {
    return std::to_string(Value);
}

// Reads the object through the bound positional fakes and checks that every position lands in its field; then
// writes it back and checks that every position carries the same value to the host.
template <class T> void ExpectExchangedByPosition(T& Object, const std::vector<TFieldAt<T>>& Table) {
    Object.Query(qmRead);
    std::size_t FilledPositions = 0;
    for (const auto& [Function, Positions] : Host().Filled)
        FilledPositions += Positions.size();
    EXPECT_EQ(Table.size(), FilledPositions) << "every argument position has a row";
    for (const TFieldAt<T>& Row : Table)
        EXPECT_EQ(Row.Get(Object), Host().Filled[Row.Function][Row.Pos]) << Row.Function << " position " << Row.Pos;

    Host().Calls.clear();
    Object.Query(qmWrite);
    for (const TFieldAt<T>& Row : Table) {
        const auto Call = std::find_if(Host().Calls.begin(), Host().Calls.end(),
                                       [&](const TCall& C) { return C.Name == Row.Function; });
        ASSERT_NE(Call, Host().Calls.end()) << Row.Function;
        EXPECT_EQ(Call->Mode, qmWrite);
        EXPECT_EQ(Call->Handle, ObjectHandle);
        EXPECT_EQ(Call->Sent[Row.Pos], Host().Filled[Row.Function][Row.Pos]) << Row.Function << " position " << Row.Pos;
    }
}

using WrapperArgumentsTest = FakeSchApiTest;

TEST_F(WrapperArgumentsTest, ObjectExchangesGraphicThenWorkspaceValues) {
    WIREWRIGHT_BIND_POSITIONAL(SchAPIQuery_GrafObject);
    WIREWRIGHT_BIND_POSITIONAL(SchAPIQuery_WorkspaceObject);
    Host().Answers["SchAPIQuery_GrafObject"] = 0; // only an answer other than 1 lets the workspace query follow
    TSchObject Object(ObjectHandle);
    const char* G = "SchAPIQuery_GrafObject";
    ExpectExchangedByPosition<TSchObject>(
        Object, {
                    {G, 3, [](auto& O) { return Str(O.Kind); }},
                    {G, 4, [](auto& O) { return Str(O.Location.X); }},
                    {G, 5, [](auto& O) { return Str(O.Location.Y); }},
                    {G, 6, [](auto& O) { return Str(O.Color); }},
                    {G, 7, [](auto& O) { return Str(O.Selection); }},
                    {G, 8, [](auto& O) { return Str(O.GrafValue8); }},
                    {G, 9, [](auto& O) { return Str(O.GrafValue9); }},
                    {"SchAPIQuery_WorkspaceObject", 3, [](auto& O) { return Str(O.WorkspaceValue); }},
                });
}

TEST_F(WrapperArgumentsTest, WireTextAndJunction) {
    WIREWRIGHT_BIND_POSITIONAL(SchAPI_QueryWire);
    WIREWRIGHT_BIND_POSITIONAL(SchAPI_QueryText);
    WIREWRIGHT_BIND_POSITIONAL(SchAPI_QueryJunction);
    {
        TSchWire Wire(ObjectHandle);
        const char* W = "SchAPI_QueryWire";
        ExpectExchangedByPosition<TSchWire>(Wire, {
                                                      {W, 3, [](auto& O) { return Str(O.WireValue); }},
                                                      {W, 4, [](auto& O) { return Str(O.Color); }},
                                                      {W, 5, [](auto& O) { return Str(O.Selection); }},
                                                  });
    }
    Host() = TFakeHost{};
    {
        TSchTextField Text(ObjectHandle);
        const char* T = "SchAPI_QueryText";
        ExpectExchangedByPosition<TSchTextField>(Text, {
                                                           {T, 3, [](auto& O) { return Str(O.Location.X); }},
                                                           {T, 4, [](auto& O) { return Str(O.Location.Y); }},
                                                           {T, 5, [](auto& O) { return Str(O.IsHidden); }},
                                                           {T, 6, [](auto& O) { return Str(O.Value6); }},
                                                           {T, 7, [](auto& O) { return O.Text.Text(); }},
                                                           {T, 8, [](auto& O) { return Str(O.Value8); }},
                                                           {T, 9, [](auto& O) { return Str(O.Color); }},
                                                           {T, 10, [](auto& O) { return Str(O.Selection); }},
                                                       });
    }
    Host() = TFakeHost{};
    {
        TSchJunction Junction(ObjectHandle);
        const char* J = "SchAPI_QueryJunction";
        ExpectExchangedByPosition<TSchJunction>(Junction, {
                                                              {J, 3, [](auto& O) { return Str(O.Location.X); }},
                                                              {J, 4, [](auto& O) { return Str(O.Location.Y); }},
                                                              {J, 5, [](auto& O) { return Str(O.Value5); }},
                                                              {J, 6, [](auto& O) { return Str(O.Value6); }},
                                                              {J, 7, [](auto& O) { return Str(O.Color); }},
                                                              {J, 8, [](auto& O) { return Str(O.Selection); }},
                                                          });
    }
}

TEST_F(WrapperArgumentsTest, PartAndItsUniqueId) {
    WIREWRIGHT_BIND_POSITIONAL(SchAPI_QuerySchPart);
    WIREWRIGHT_BIND_POSITIONAL(SchAPI_QuerySchPartUniqueId);
    TSchPart Part(ObjectHandle);
    const char* P = "SchAPI_QuerySchPart";
    const char* U = "SchAPI_QuerySchPartUniqueId";
    ExpectExchangedByPosition<TSchPart>(Part, {
                                                  {P, 3, [](auto& O) { return Str(O.Location.X); }},
                                                  {P, 4, [](auto& O) { return Str(O.Location.Y); }},
                                                  {P, 5, [](auto& O) { return Str(O.CompDisplayMode); }},
                                                  {P, 6, [](auto& O) { return Str(O.IsMirrored); }},
                                                  {P, 7, [](auto& O) { return Str(O.Orientation); }},
                                                  {P, 8, [](auto& O) { return Str(O.Selection); }},
                                                  {P, 9, [](auto& O) { return Str(O.PartId); }},
                                                  {P, 10, [](auto& O) { return Str(O.ShowHiddenFields); }},
                                                  {P, 11, [](auto& O) { return Str(O.ShowHiddenPins); }},
                                                  {P, 12, [](auto& O) { return O.LibReference.Text(); }},
                                                  {P, 13, [](auto& O) { return O.FootPrint.Text(); }},
                                                  {P, 14, [](auto& O) { return O.Value14.Text(); }},
                                                  {P, 15, [](auto& O) { return Str(O.Value15); }},
                                                  {P, 16, [](auto& O) { return O.Value16.Text(0); }},
                                                  {P, 17, [](auto&) { return std::string("7"); }},
                                                  {P, 18, [](auto& O) { return O.Value18.Text(); }},
                                                  {P, 19, [](auto& O) { return Str(O.Value19); }},
                                                  {P, 20, [](auto& O) { return Str(O.Value20); }},
                                                  {P, 21, [](auto& O) { return Str(O.Value21); }},
                                                  {P, 22, [](auto& O) { return Str(O.Value22[0]); }},
                                                  {P, 23, [](auto&) { return std::string("15"); }},
                                                  {P, 24, [](auto& O) { return Str(O.Value24); }},
                                                  {P, 25, [](auto& O) { return Str(O.Value25); }},
                                                  {P, 26, [](auto& O) { return Str(O.Value26); }},
                                                  {P, 27, [](auto& O) { return Str(O.Color); }},
                                                  {P, 28, [](auto& O) { return Str(O.Value28); }},
                                                  {U, 3, [](auto& O) { return O.UniqueId; }},
                                                  {U, 4, [](auto&) { return std::string("1024"); }},
                                              });
}

// The host reaches the whole of the two arrays through the address of their first element and the highest index.
TEST_F(WrapperArgumentsTest, PartArraysAreReachableUpToTheirHighestIndex) {
    GlobalSchApi.SchAPI_QuerySchPart = [](uint8_t, THostHandle, auto... Fields) -> int32_t {
        const auto Args = std::tie(Fields...);
        char** Texts = std::get<13>(Args); // position 16
        std::strcpy(Texts[std::get<14>(Args)], "last text");
        THostHandle* Handles = std::get<19>(Args); // position 22
        Handles[std::get<20>(Args)] = 77;
        return 1;
    };
    TSchPart Part(ObjectHandle);
    Part.Query(qmRead);
    EXPECT_EQ(Part.Value16.Text(7), "last text");
    EXPECT_EQ(Part.Value22[15], 77u);
}

TEST_F(WrapperArgumentsTest, ComponentLocksThenRecord) {
    WIREWRIGHT_BIND_POSITIONAL(SchAPIQuery_ComponentDesignatorLocks);
    WIREWRIGHT_BIND_POSITIONAL(SchApiQuery_SchComponent);
    TSchComponent Component(ObjectHandle);
    const char* L = "SchAPIQuery_ComponentDesignatorLocks";
    const char* C = "SchApiQuery_SchComponent";
    ExpectExchangedByPosition<TSchComponent>(Component, {
                                                            {L, 3, [](auto& O) { return Str(O.DesignatorLock1); }},
                                                            {L, 4, [](auto& O) { return Str(O.DesignatorLock2); }},
                                                            {C, 3, [](auto& O) { return O.Value3; }},
                                                            {C, 4, [](auto& O) { return Str(O.Location.X); }},
                                                            {C, 5, [](auto& O) { return Str(O.Location.Y); }},
                                                            {C, 6, [](auto& O) { return Str(O.Value6); }},
                                                            {C, 7, [](auto& O) { return Str(O.Value7); }},
                                                            {C, 8, [](auto& O) { return Str(O.Color); }},
                                                            {C, 9, [](auto& O) { return Str(O.Value9); }},
                                                            {C, 10, [](auto& O) { return Str(O.Value10); }},
                                                            {C, 11, [](auto& O) { return Str(O.Value11); }},
                                                            {C, 12, [](auto& O) { return Str(O.Selection); }},
                                                            {C, 13, [](auto& O) { return Str(O.Value13); }},
                                                            {C, 14, [](auto& O) { return Str(O.Value14); }},
                                                            {C, 15, [](auto& O) { return Str(O.ShowHiddenPins); }},
                                                            {C, 16, [](auto& O) { return Str(O.Value16); }},
                                                            {C, 17, [](auto& O) { return O.Value17; }},
                                                            {C, 18, [](auto& O) { return O.Value18; }},
                                                            {C, 19, [](auto& O) { return O.Value19; }},
                                                            {C, 20, [](auto& O) { return O.Value20; }},
                                                            {C, 21, [](auto& O) { return O.Value21; }},
                                                            {C, 22, [](auto& O) { return Str(O.Value22); }},
                                                            {C, 23, [](auto& O) { return Str(O.Value23); }},
                                                            {C, 24, [](auto& O) { return Str(O.DesignatorHandle); }},
                                                            {C, 25, [](auto& O) { return Str(O.Value25); }},
                                                            {C, 26, [](auto& O) { return Str(O.ItemContainer); }},
                                                        });
}

TEST_F(WrapperArgumentsTest, Pin) {
    WIREWRIGHT_BIND_POSITIONAL(SchAPIQuery_Pin);
    TSchPin Pin(ObjectHandle);
    const char* P = "SchAPIQuery_Pin";
    ExpectExchangedByPosition<TSchPin>(
        Pin, {
                 {P, 3, [](auto& O) { return Str(O.Location.X); }}, {P, 4, [](auto& O) { return Str(O.Location.Y); }},
                 {P, 5, [](auto& O) { return Str(O.Color); }},      {P, 6, [](auto& O) { return Str(O.Selection); }},
                 {P, 7, [](auto& O) { return Str(O.GrafValue8); }}, {P, 8, [](auto& O) { return Str(O.GrafValue9); }},
                 {P, 9, [](auto& O) { return Str(O.Value9); }},     {P, 10, [](auto& O) { return Str(O.Value10); }},
                 {P, 11, [](auto& O) { return O.Value11; }},        {P, 12, [](auto& O) { return O.Value12; }},
                 {P, 13, [](auto& O) { return O.Value13; }},        {P, 14, [](auto& O) { return O.Value14; }},
                 {P, 15, [](auto& O) { return Str(O.Value15); }},   {P, 16, [](auto& O) { return Str(O.Value16); }},
                 {P, 17, [](auto& O) { return Str(O.Value17); }},   {P, 18, [](auto& O) { return Str(O.Value18); }},
                 {P, 19, [](auto& O) { return Str(O.Value19); }},   {P, 20, [](auto& O) { return Str(O.IsHidden); }},
                 {P, 21, [](auto& O) { return Str(O.Value21); }},   {P, 22, [](auto& O) { return Str(O.Value22); }},
                 {P, 23, [](auto& O) { return Str(O.Value23); }},   {P, 24, [](auto& O) { return Str(O.Value24); }},
                 {P, 25, [](auto& O) { return O.Value25; }},        {P, 26, [](auto& O) { return O.Value26; }},
                 {P, 27, [](auto& O) { return Str(O.Value27); }},
             });
}

TEST_F(WrapperArgumentsTest, SheetOptionsNameThenOptions) {
    WIREWRIGHT_BIND_POSITIONAL(SchAPI_QueryDocumentName);
    WIREWRIGHT_BIND_POSITIONAL(SchAPI_QueryDocumentOptions);
    TSchSheetOptions Options(ObjectHandle);
    const char* N = "SchAPI_QueryDocumentName";
    const char* D = "SchAPI_QueryDocumentOptions";
    std::vector<TFieldAt<TSchSheetOptions>> Table = {
        {N, 3, [](auto& O) { return O.DocumentName.Text(); }},  {N, 4, [](auto&) { return std::string("256"); }},
        {D, 3, [](auto& O) { return Str(O.Value3); }},          {D, 4, [](auto& O) { return Str(O.StyledTitleBlock); }},
        {D, 5, [](auto& O) { return Str(O.Value5); }},          {D, 6, [](auto& O) { return Str(O.Value6); }},
        {D, 7, [](auto& O) { return Str(O.TitleBlockStyle); }}, {D, 8, [](auto& O) { return Str(O.Value8); }},
        {D, 9, [](auto& O) { return Str(O.Value9); }},          {D, 10, [](auto& O) { return Str(O.Value10); }},
        {D, 11, [](auto& O) { return Str(O.SnapToGrid); }},     {D, 12, [](auto& O) { return Str(O.Value12); }},
        {D, 13, [](auto& O) { return Str(O.Value13); }},        {D, 14, [](auto& O) { return Str(O.GridSize); }},
        {D, 15, [](auto& O) { return Str(O.Value15); }},        {D, 16, [](auto& O) { return Str(O.Value16); }},
        {D, 17, [](auto& O) { return Str(O.Value17); }},        {D, 18, [](auto& O) { return Str(O.Value18); }},
        {D, 32, [](auto& O) { return Str(O.Value32); }},        {D, 33, [](auto& O) { return Str(O.Value33); }},
        {D, 34, [](auto& O) { return O.Value34.Text(); }},      {D, 35, [](auto& O) { return Str(O.Value35); }},
    };
    for (int i = 0; i < 5; ++i)
        Table.push_back({D, 19 + i, [i](auto& O) { return Str(O.Values19To23[i]); }});
    for (int i = 0; i < 8; ++i)
        Table.push_back({D, 24 + i, [i](auto& O) { return O.Values24To31.Text(i); }});
    ExpectExchangedByPosition(Options, Table);
}

// Which host calls each wrapper makes, in order, what it answers, and the kind its constructor sets.
struct TWrapperCase {
    const char* Name;
    std::function<std::unique_ptr<TSchObject>()> Make;
    uint8_t Kind;
    std::vector<std::string> Calls;
};

class WrapperSequenceTest : public FakeSchApiTest, public ::testing::WithParamInterface<TWrapperCase> {};

TEST_P(WrapperSequenceTest, CallsInOrderAndAnswersTheLastStatus) {
    const TWrapperCase& Case = GetParam();
    EXPECT_EQ(Case.Make()->GetKind(), Case.Kind) << "kind before any read";

    WIREWRIGHT_BIND_POSITIONAL(SchAPIQuery_GrafObject);
    WIREWRIGHT_BIND_POSITIONAL(SchAPIQuery_WorkspaceObject);
    WIREWRIGHT_BIND_POSITIONAL(SchAPI_QueryWire);
    WIREWRIGHT_BIND_POSITIONAL(SchAPI_QueryText);
    WIREWRIGHT_BIND_POSITIONAL(SchAPI_QueryJunction);
    WIREWRIGHT_BIND_POSITIONAL(SchAPI_QuerySchPart);
    WIREWRIGHT_BIND_POSITIONAL(SchAPI_QuerySchPartUniqueId);
    WIREWRIGHT_BIND_POSITIONAL(SchAPIQuery_ComponentDesignatorLocks);
    WIREWRIGHT_BIND_POSITIONAL(SchApiQuery_SchComponent);
    WIREWRIGHT_BIND_POSITIONAL(SchAPIQuery_Pin);
    // Distinct answers; the graphic query answers 1, so the workspace query is skipped.
    int32_t Answer = 40;
    for (const char* Name : {"SchAPI_QueryWire", "SchAPI_QueryText", "SchAPI_QueryJunction", "SchAPI_QuerySchPart",
                             "SchAPI_QuerySchPartUniqueId", "SchAPIQuery_ComponentDesignatorLocks",
                             "SchApiQuery_SchComponent", "SchAPIQuery_Pin"})
        Host().Answers[Name] = Answer++;

    const auto Object = Case.Make();
    const int32_t Result = Object->Query(qmRead);
    EXPECT_EQ(Host().CallNames(), Case.Calls);
    for (const TCall& Call : Host().Calls) {
        EXPECT_EQ(Call.Mode, qmRead);
        EXPECT_EQ(Call.Handle, ObjectHandle);
    }
    // The part answers its record's status, not the unique id's; the others their last call's.
    const std::string Deciding = Case.Kind == okPart ? "SchAPI_QuerySchPart" : Case.Calls.back();
    EXPECT_EQ(Result, Host().AnswerOf(Deciding));
}

INSTANTIATE_TEST_SUITE_P(
    Wrappers, WrapperSequenceTest,
    ::testing::Values(
        TWrapperCase{
            "Object", [] { return std::make_unique<TSchObject>(ObjectHandle); }, 61, {"SchAPIQuery_GrafObject"}},
        TWrapperCase{"Wire", [] { return std::make_unique<TSchWire>(ObjectHandle); }, 54, {"SchAPI_QueryWire"}},
        TWrapperCase{"Text",
                     [] { return std::make_unique<TSchTextField>(ObjectHandle); },
                     5,
                     {"SchAPIQuery_GrafObject", "SchAPI_QueryText"}},
        TWrapperCase{"Junction",
                     [] { return std::make_unique<TSchJunction>(ObjectHandle); },
                     10,
                     {"SchAPIQuery_GrafObject", "SchAPI_QueryJunction"}},
        TWrapperCase{"Part",
                     [] { return std::make_unique<TSchPart>(ObjectHandle); },
                     16,
                     {"SchAPIQuery_GrafObject", "SchAPI_QuerySchPart", "SchAPI_QuerySchPartUniqueId"}},
        TWrapperCase{"Component",
                     [] { return std::make_unique<TSchComponent>(ObjectHandle); },
                     61,
                     {"SchAPIQuery_ComponentDesignatorLocks", "SchApiQuery_SchComponent"}},
        TWrapperCase{"Pin",
                     [] { return std::make_unique<TSchPin>(ObjectHandle); },
                     37,
                     {"SchAPIQuery_GrafObject", "SchAPIQuery_Pin"}}),
    [](const auto& Info) { return std::string(Info.param.Name); });

using UnboundWrapperTest = FakeSchApiTest;

// Without a schematic server every query answers 1 and the fields keep what the constructors set.
TEST_F(UnboundWrapperTest, QueriesAnswerOneAndKeepTheInitialValues) {
    TSchPart Part(ObjectHandle);
    EXPECT_EQ(Part.Query(qmRead), 1);
    EXPECT_EQ(Part.Kind, okPart);
    EXPECT_EQ(Part.UniqueId, "$$$");
    EXPECT_EQ(Part.LibReference.Text(), "");

    TSchComponent Component(ObjectHandle);
    EXPECT_EQ(Component.Query(qmRead), 1);
    EXPECT_EQ(Component.Value13, 1);
    EXPECT_EQ(Component.Value22, 1);
    EXPECT_EQ(Component.Value23, 1);
    EXPECT_EQ(Component.ItemContainer, 0u);

    TSchSheetOptions Options(ObjectHandle);
    EXPECT_EQ(Options.Query(qmRead), 1);
    EXPECT_EQ(Options.GridSize, 0);
}

TEST_F(UnboundWrapperTest, SheetOptionsOfDocumentZeroAskOnlyTheName) {
    WIREWRIGHT_BIND_POSITIONAL(SchAPI_QueryDocumentName);
    WIREWRIGHT_BIND_POSITIONAL(SchAPI_QueryDocumentOptions);
    Host().Answers["SchAPI_QueryDocumentOptions"] = 5;
    TSchSheetOptions Options(0);
    EXPECT_EQ(Options.Query(qmRead), 1);
    EXPECT_EQ(Host().CallNames(), std::vector<std::string>{"SchAPI_QueryDocumentName"});
    EXPECT_EQ(Options.GridSize, 0);
    EXPECT_EQ(Options.SnapToGrid, 0);
}

// Counted strings: what the host writes comes back cut to 255 characters; what is sent travels in full.
TEST_F(UnboundWrapperTest, CountedStringsAreCutTo255) {
    GlobalSchApi.SchAPI_QuerySchPartUniqueId = [](uint8_t Mode, THostHandle, char** Buffer, int32_t Size) -> int32_t {
        if (Mode == qmRead)
            std::memset(*Buffer, 'u', static_cast<std::size_t>(Size - 1));
        else
            Host().Calls.push_back(TCall{*Buffer, Mode, 0, {}});
        return 1;
    };
    TSchPart Part(ObjectHandle);
    Part.Query(qmRead);
    EXPECT_EQ(Part.UniqueId, std::string(255, 'u'));
    Part.UniqueId = "U1";
    Part.Query(qmSend);
    ASSERT_EQ(Host().Calls.size(), 1u);
    EXPECT_EQ(Host().Calls[0].Name, "U1");
    EXPECT_EQ(Host().Calls[0].Mode, qmSend);
}

// Text buffers always read as terminated, whatever the host left in them.
TEST(TextBuffersTest, AreTerminatedAndIndependent) {
    TTextBuffers<2> Buffers;
    std::memset(*Buffers.Address(0), 'a', HostTextSize);
    std::strcpy(*Buffers.Address(1), "second");
    EXPECT_EQ(Buffers.Text(0), std::string(255, 'a'));
    EXPECT_EQ(Buffers.Text(1), "second");
    EXPECT_EQ(Buffers.Address(1), Buffers.Address(0) + 1);
}

} // namespace
} // namespace wirewright::test
