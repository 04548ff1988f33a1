#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "FakeSchApi.h"
#include "capture/SchClass.h"

namespace snapscribe {
namespace {

using test::ArgAs;
using test::Args;
using test::TArgs;
using test::TCall;

constexpr TSchHandle Handle = 0xAB12;
constexpr int32_t HostVertexCount = 2;

TCall CommonQuery(TSchObject& O, uint8_t Mode) {
    return {"SchAPI_QueryPrimitive", Args(Mode, Handle, &O.Kind, &O.X, &O.Y, &O.Color, &O.Selection)};
}

// The vertex exchange: a read takes the host's count, a write sends the wrapper's (both 2 here).
std::vector<TCall> VertexQuery(TSchMultiVertexObject& O, uint8_t Mode) {
    const uint8_t VertexMode = Mode == qmRead ? qmRead : qmWrite;
    std::vector<TCall> Calls = {{"SchAPI_QueryVertexCount", Args(VertexMode, Handle, Mode == qmRead ? 0 : 2)}};
    for (int Index = 1; Index <= HostVertexCount; ++Index)
        Calls.push_back({"SchAPI_QueryVertexAt",
                         Args(VertexMode, Handle, Index, &O.Vertices[Index - 1].X, &O.Vertices[Index - 1].Y)});
    return Calls;
}

// One wrapper class: its kind, and the calls its Query makes after the common query (or the vertex exchange).
struct TKindCase {
    const char* Name;
    TSchKind Kind;
    bool MultiVertex;
    std::function<std::unique_ptr<TSchObject>()> Make;
    std::function<std::vector<TCall>(TSchObject&, uint8_t Mode)> OwnCalls;
};

void PrintTo(const TKindCase& Case, std::ostream* Out) {
    *Out << Case.Name;
}

template <typename T> std::function<std::unique_ptr<TSchObject>()> Make() {
    return [] { return std::make_unique<T>(Handle); };
}

template <typename T>
std::function<std::vector<TCall>(TSchObject&, uint8_t)> Own(std::function<std::vector<TCall>(T&, uint8_t)> Calls) {
    return [Calls](TSchObject& O, uint8_t Mode) { return Calls(dynamic_cast<T&>(O), Mode); };
}

template <typename T> TKindCase LineObject(const char* Name, TSchKind Kind, const char* HostName) {
    return {Name, Kind, true, Make<T>(), Own<T>([HostName](T& O, uint8_t M) {
                return std::vector<TCall>{{HostName, Args(M, Handle, &O.LineWidth, &O.Color, &O.Selection)}};
            })};
}

template <typename T> TKindCase Marker(const char* Name, TSchKind Kind, const char* HostName) {
    return {Name, Kind, false, Make<T>(), Own<T>([HostName](T& O, uint8_t M) {
                return std::vector<TCall>{{HostName, Args(M, Handle, &O.X, &O.Y, &O.Color, &O.Selection, &O.Text)}};
            })};
}

template <typename T> TKindCase Label(const char* Name, TSchKind Kind, const char* HostName) {
    return {Name, Kind, false, Make<T>(), Own<T>([HostName](T& O, uint8_t M) {
                return std::vector<TCall>{{HostName, Args(M, Handle, &O.X, &O.Y, &O.Orientation, &O.Color, &O.Attribute,
                                                          &O.Selection, &O.Text)}};
            })};
}

std::vector<TKindCase> KindCases() {
    using V = std::vector<TCall>;
    return {
        {"Arc", skArc, false, Make<TArc>(), Own<TArc>([](TArc& O, uint8_t M) {
             return V{{"SchAPI_QueryArc", Args(M, Handle, &O.X, &O.Y, &O.Radius, &O.LineWidth, O.StartAngle.Bytes,
                                               O.EndAngle.Bytes, &O.Color, &O.Selection)}};
         })},
        LineObject<TBezier>("Bezier", skBezier, "SchAPI_QueryBezier"),
        LineObject<TBus>("Bus", skBus, "SchAPI_QueryBus"),
        {"BusEntry", skBusEntry, false, Make<TBusEntry>(), Own<TBusEntry>([](TBusEntry& O, uint8_t M) {
             return V{{"SchAPI_QueryBusEntry",
                       Args(M, Handle, &O.X, &O.Y, &O.CornerX, &O.CornerY, &O.LineWidth, &O.Color, &O.Selection)}};
         })},
        {"Text", skText, false, Make<TText>(), Own<TText>([](TText& O, uint8_t M) {
             return V{{"SchAPI_QueryText", Args(M, Handle, &O.X, &O.Y, &O.Attribute1, &O.Attribute2, &O.Text,
                                                &O.Attribute3, &O.Color, &O.Selection)}};
         })},
        {"Ellipse", skEllipse, false, Make<TEllipse>(), Own<TEllipse>([](TEllipse& O, uint8_t M) {
             return V{{"SchAPI_QueryEllipse", Args(M, Handle, &O.X, &O.Y, &O.Radius, &O.SecondaryRadius, &O.LineWidth,
                                                   &O.Color, &O.AreaColor, &O.IsSolid, &O.Selection)}};
         })},
        {"EllipticalArc", skEllipticalArc, false, Make<TEllipticalArc>(),
         Own<TEllipticalArc>([](TEllipticalArc& O, uint8_t M) {
             return V{
                 {"SchAPI_QueryEllipticalArc", Args(M, Handle, &O.X, &O.Y, &O.Radius, &O.SecondaryRadius, &O.LineWidth,
                                                    O.StartAngle.Bytes, O.EndAngle.Bytes, &O.Color, &O.Selection)}};
         })},
        Marker<TErrorMarker>("ErrorMarker", skErrorMarker, "SchAPI_QueryErrorMarker"),
        {"Image", skImage, false, Make<TImage>(), Own<TImage>([](TImage& O, uint8_t M) {
             return V{{"SchAPI_QueryImage", Args(M, Handle, &O.X, &O.Y, &O.CornerX, &O.CornerY, &O.LineWidth, &O.Color,
                                                 &O.Selection, &O.IsSolid, &O.KeepAspect, &O.FileName)}};
         })},
        {"Junction", skJunction, false, Make<TJunction>(), Own<TJunction>([](TJunction& O, uint8_t M) {
             return V{
                 {"SchAPI_QueryJunction", Args(M, Handle, &O.X, &O.Y, &O.Size, &O.Attribute, &O.Color, &O.Selection)}};
         })},
        Label<TAnnotation>("Annotation", skAnnotation, "SchAPI_QueryLabel"),
        {"LayoutDirective", skLayoutDirective, false, Make<TLayoutDirective>(),
         Own<TLayoutDirective>([](TLayoutDirective& O, uint8_t M) {
             return V{{"SchAPI_QueryLayoutDirective",
                       Args(M, Handle, &O.RoutingTrackWidth, &O.RoutingViaWidth, &O.NetTopology, &O.RoutingPriority,
                            &O.Layer, &O.X, &O.Y, &O.Color, &O.Selection)}};
         })},
        {"Line", skLine, false, Make<TLine>(), Own<TLine>([](TLine& O, uint8_t M) {
             return V{{"SchAPI_QueryLine",
                       Args(M, Handle, &O.X, &O.Y, &O.X2, &O.Y2, &O.LineWidth, &O.Attribute, &O.Color, &O.Selection)}};
         })},
        Label<TNetLabel>("NetLabel", skNetLabel, "SchAPI_QueryNetLabel"),
        {"NoERC", skNoERC, false, Make<TNoERC>(), Own<TNoERC>([](TNoERC& O, uint8_t M) {
             return V{{"SchAPI_QueryNoERC", Args(M, Handle, &O.X, &O.Y, &O.Color, &O.Selection)}};
         })},
        {"SchPart", skPart, false, Make<TSchPart>(), Own<TSchPart>([](TSchPart& O, uint8_t M) {
             return V{{"SchAPI_QuerySchPart",
                       Args(M, Handle, &O.X, &O.Y, &O.CompDisplayMode, &O.IsMirrored, &O.Orientation, &O.Selection,
                            &O.PartId, &O.ShowHiddenFields, &O.ShowHiddenPins, &O.LibReference, &O.FootPrint,
                            &O.ExtraText1, &O.ExtraValue1, &O.ExtraTexts[0], 7, &O.ExtraText2, &O.DesignatorHandle,
                            &O.PartTypeHandle, &O.ExtraTextHandle, &O.DescriptionHandles[0], 15, &O.ExtraByte1,
                            &O.ExtraByte2, &O.ExtraValue2, &O.Color, &O.ExtraValue3)},
                      {"SchAPI_QuerySchPartUniqueId", Args(M, Handle, test::AnyArg, 1024)}};
         })},
        {"Pie", skPie, false, Make<TPie>(), Own<TPie>([](TPie& O, uint8_t M) {
             return V{{"SchAPI_QueryPie", Args(M, Handle, &O.X, &O.Y, &O.Radius, &O.LineWidth, O.StartAngle.Bytes,
                                               O.EndAngle.Bytes, &O.Color, &O.AreaColor, &O.IsSolid, &O.Selection)}};
         })},
        {"Polygon", skPolygon, true, Make<TPolygon>(), Own<TPolygon>([](TPolygon& O, uint8_t M) {
             return V{{"SchAPI_QueryPolygon",
                       Args(M, Handle, &O.LineWidth, &O.Color, &O.AreaColor, &O.IsSolid, &O.Selection)}};
         })},
        {"Polyline", skPolyline, true, Make<TPolyline>(), Own<TPolyline>([](TPolyline& O, uint8_t M) {
             return V{{"SchAPI_QueryPolyline", Args(M, Handle, &O.LineWidth, &O.LineStyle, &O.Color, &O.Selection)}};
         })},
        {"Port", skPort, false, Make<TPort>(), Own<TPort>([](TPort& O, uint8_t M) {
             return V{{"SchAPI_QueryPort", Args(M, Handle, &O.Style, &O.IOType, &O.Alignment, &O.Width, &O.X, &O.Y,
                                                &O.Color, &O.AreaColor, &O.TextColor, &O.Selection, &O.Name)}};
         })},
        {"PowerObject", skPowerObject, false, Make<TPowerObject>(), Own<TPowerObject>([](TPowerObject& O, uint8_t M) {
             return V{{"SchAPI_QueryPowerObject",
                       Args(M, Handle, &O.Style, &O.X, &O.Y, &O.Orientation, &O.Color, &O.Selection, &O.Text)}};
         })},
        {"Rectangle", skRectangle, false, Make<TRectangle>(), Own<TRectangle>([](TRectangle& O, uint8_t M) {
             return V{{"SchAPI_QueryRectangle", Args(M, Handle, &O.X, &O.Y, &O.CornerX, &O.CornerY, &O.LineWidth,
                                                     &O.Color, &O.AreaColor, &O.Selection, &O.IsSolid)}};
         })},
        {"RoundRectangle", skRoundRectangle, false, Make<TRoundRectangle>(),
         Own<TRoundRectangle>([](TRoundRectangle& O, uint8_t M) {
             return V{{"SchAPI_QueryRoundRectangle",
                       Args(M, Handle, &O.X, &O.Y, &O.CornerX, &O.CornerY, &O.CornerXRadius, &O.CornerYRadius,
                            &O.LineWidth, &O.Color, &O.AreaColor, &O.Selection, &O.IsSolid)}};
         })},
        Marker<TSimProbe>("SimProbe", skSimProbe, "SchAPI_QuerySimProbe"),
        Marker<TSimStimulus>("SimStimulus", skSimStimulus, "SchAPI_QuerySimStimulus"),
        Marker<TSimVector>("SimVector", skSimVector, "SchAPI_QuerySimVector"),
        {"Symbol", skSymbol, false, Make<TSymbol>(), Own<TSymbol>([](TSymbol& O, uint8_t M) {
             return V{{"SchAPI_QuerySymbol", Args(M, Handle, &O.Attribute2, &O.X, &O.Y, &O.Attribute3, &O.Attribute4,
                                                  &O.Attribute1, &O.Color, &O.Selection)}};
         })},
        LineObject<TWire>("Wire", skWire, "SchAPI_QueryWire"),
    };
}

class SchWrapperKind : public ::testing::TestWithParam<TKindCase> {};

TEST_P(SchWrapperKind, QueryMakesTheHostCallsWithItsFieldsInOrder) {
    const TKindCase& Case = GetParam();
    for (const uint8_t Mode : {qmRead, qmWrite, qmWriteText}) {
        SCOPED_TRACE("mode " + std::to_string(Mode));
        test::TRecordingSchApi Host;
        Host.Answers["SchAPI_QueryVertexCount"] = HostVertexCount;
        const std::unique_ptr<TSchObject> Object = Case.Make();
        EXPECT_EQ(Object->GetHandle(), Handle);
        EXPECT_EQ(Object->GetKind(), Case.Kind);
        std::vector<TCall> Expected;
        if (Case.MultiVertex) {
            auto& MultiVertex = dynamic_cast<TSchMultiVertexObject&>(*Object);
            if (Mode != qmRead)
                MultiVertex.VertexCount = HostVertexCount;
            Expected = VertexQuery(MultiVertex, Mode);
        } else {
            Expected = {CommonQuery(*Object, Mode)};
        }
        const size_t OwnCallPosition = Expected.size() + 1;
        for (TCall& Call : Case.OwnCalls(*Object, Mode))
            Expected.push_back(std::move(Call));

        // Every fake answers its call's position: the result must be the class's own query's answer.
        EXPECT_EQ(Object->Query(Mode), static_cast<int32_t>(OwnCallPosition));
        test::ExpectCalls(Host.Calls, Expected);
    }
}

TEST_P(SchWrapperKind, UnboundReadAnswersOneAndKeepsTheZeroedRecord) {
    const TKindCase& Case = GetParam();
    test::TUnboundSchApi Unbound;
    const std::unique_ptr<TSchObject> Object = Case.Make();
    EXPECT_EQ(Object->Query(qmRead), 1);
    EXPECT_EQ(Object->GetKind(), Case.Kind);
    EXPECT_EQ(Object->X, 0);
    EXPECT_EQ(Object->Y, 0);
    EXPECT_EQ(Object->Color, 0);
    EXPECT_EQ(Object->Selection, 0);
}

INSTANTIATE_TEST_SUITE_P(EveryKind, SchWrapperKind, ::testing::ValuesIn(KindCases()),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST(SchObject, BaseWrapperHasKind57AndTheCommonQueryKeepsAllEightBitsOfTheId) {
    test::TRecordingSchApi Host;
    Host.Effects["SchAPI_QueryPrimitive"] = [](const TArgs& A) { *ArgAs<uint8_t>(A[2]) = 0xC5; };
    TSchObject Object(Handle);
    EXPECT_EQ(Object.GetKind(), 57);
    Object.Query(qmRead);
    EXPECT_EQ(Object.GetKind(), 0xC5);
}

TEST(SchObject, BoundingRectangleWithoutHandleIsFourTimesMinusOne) {
    test::TRecordingSchApi Host;
    TJunction Unplaced;
    int32_t X1 = 5, Y1 = 5, X2 = 5, Y2 = 5;
    Unplaced.GetBoundingRectangle(X1, Y1, X2, Y2);
    EXPECT_EQ(std::vector<int32_t>({X1, Y1, X2, Y2}), std::vector<int32_t>(4, -1));
    EXPECT_TRUE(Host.Calls.empty());

    TJunction Placed(Handle);
    Placed.GetBoundingRectangle(X1, Y1, X2, Y2);
    test::ExpectCalls(Host.Calls, {{"SchAPI_GetObjectBoundingRectangle", Args(Handle, &X1, &Y1, &X2, &Y2)}});
}

TEST(SchObject, ImportFromUserRereadsOnlyWhenTheHostSaysSo) {
    {
        test::TRecordingSchApi Host;
        Host.Answers["SchAPI_ImportFromUser"] = 0;
        TJunction Junction(Handle);
        EXPECT_FALSE(Junction.ImportFromUser());
        EXPECT_EQ(Host.Calls.size(), 1u);
    }
    {
        test::TRecordingSchApi Host;
        Host.Answers["SchAPI_ImportFromUser"] = 1;
        TJunction Junction(Handle);
        EXPECT_TRUE(Junction.ImportFromUser());
        ASSERT_EQ(Host.Calls.size(), 3u);
        EXPECT_EQ(Host.Calls[1].Name, "SchAPI_QueryPrimitive");
        EXPECT_EQ(Host.Calls[2].Name, "SchAPI_QueryJunction");
        EXPECT_EQ(Host.Calls[2].Arguments[0], qmRead);
    }
    {
        test::TRecordingSchApi Host;
        TJunction Unplaced;
        EXPECT_FALSE(Unplaced.ImportFromUser());
        Unplaced.Redraw();
        EXPECT_TRUE(Host.Calls.empty());
    }
}

TEST(SchObject, RedrawNamesTheObject) {
    test::TRecordingSchApi Host;
    TWire(Handle).Redraw();
    test::ExpectCalls(Host.Calls, {{"SchAPI_RedrawObject", Args(Handle)}});
}

// The host's vertex count against what the record holds.
struct TVertexCase {
    uint8_t Mode;
    int32_t Count; // the host's answer for a read, the wrapper's own count for a write
    int32_t Kept;
};

TEST(SchMultiVertexObject, KeepsToTheVerticesTheRecordHolds) {
    const TVertexCase Cases[] = {
        {qmRead, 0, 0},  {qmRead, 3, 3},  {qmRead, 50, 50},  {qmRead, 51, 50}, {qmRead, 1000, 50},
        {qmRead, -4, 0}, {qmWrite, 3, 3}, {qmWrite, 70, 50}, {qmWrite, -1, 0},
    };
    for (const TVertexCase& Case : Cases) {
        SCOPED_TRACE("mode " + std::to_string(Case.Mode) + ", count " + std::to_string(Case.Count));
        test::TRecordingSchApi Host;
        Host.Answers["SchAPI_QueryVertexCount"] = Case.Count;
        Host.Effects["SchAPI_QueryVertexAt"] = [](const TArgs& A) {
            *ArgAs<int32_t>(A[3]) = static_cast<int32_t>(A[2]) * 10;
            *ArgAs<int32_t>(A[4]) = -static_cast<int32_t>(A[2]);
        };
        TPolyline Polyline(Handle);
        if (Case.Mode == qmWrite)
            Polyline.VertexCount = Case.Count;
        Polyline.Query(Case.Mode);
        EXPECT_EQ(Polyline.VertexCount, Case.Kept);
        ASSERT_EQ(Host.Calls.size(), static_cast<size_t>(Case.Kept) + 2);
        EXPECT_EQ(Host.Calls.front().Arguments, Args(Case.Mode, Handle, Case.Mode == qmRead ? 0 : Case.Kept));
        for (int32_t Index = 1; Index <= Case.Kept; ++Index) {
            EXPECT_EQ(Host.Calls[Index].Arguments[2], static_cast<uint64_t>(Index));
            if (Case.Mode == qmRead) {
                EXPECT_EQ(Polyline.Vertices[Index - 1].X, Index * 10);
                EXPECT_EQ(Polyline.Vertices[Index - 1].Y, -Index);
            }
        }
    }
}

TEST(SchPart, StartsWithTheUnknownIdAndEmptyDistinctTexts) {
    TSchPart Part;
    EXPECT_EQ(Part.UniqueId, "$$$");
    std::vector<PSchText> Texts = {Part.LibReference, Part.FootPrint, Part.ExtraText1, Part.ExtraText2};
    Texts.insert(Texts.end(), std::begin(Part.ExtraTexts), std::end(Part.ExtraTexts));
    for (size_t I = 0; I < Texts.size(); ++I) {
        ASSERT_NE(Texts[I], nullptr);
        EXPECT_STREQ(Texts[I], "");
        for (size_t J = 0; J < I; ++J)
            EXPECT_NE(Texts[I], Texts[J]);
    }
}

TEST(SchPart, ReadsItsUniqueIdAfterTheRecord) {
    test::TRecordingSchApi Host;
    Host.Effects["SchAPI_QuerySchPartUniqueId"] = [](const TArgs& A) { std::strcpy(*ArgAs<char*>(A[2]), "UID-7"); };
    Host.Effects["SchAPI_QuerySchPart"] = [](const TArgs& A) {
        std::strcpy(*ArgAs<char*>(A[11]), "RES1");
        ArgAs<char*>(A[15])[7][0] = 'z';
    };
    TSchPart Part(Handle);
    Part.Query(qmRead);
    EXPECT_EQ(Part.UniqueId, "UID-7");
    EXPECT_STREQ(Part.LibReference, "RES1");
    EXPECT_STREQ(Part.ExtraTexts[7], "z");
}

TEST(SchPart, ReadTextFieldReadsTheTextObjectTheCodeNames) {
    test::TRecordingSchApi Host;
    // The host's text object answers its own handle as its text.
    Host.Effects["SchAPI_QueryText"] = [](const TArgs& A) {
        std::snprintf(*ArgAs<char*>(A[6]), SchTextBufferSize, "text %llu", static_cast<unsigned long long>(A[1]));
    };
    TSchPart Part(Handle);
    Part.DesignatorHandle = 1000;
    Part.PartTypeHandle = 3500;
    Part.ExtraTextHandle = 3400;
    for (int Field = 0; Field < SchPartDescriptionCount; ++Field)
        Part.DescriptionHandles[Field] = 1800 + Field;

    for (int Code = 15; Code <= 37; ++Code) {
        TSchHandle Expected = 0;
        if (Code == 17)
            Expected = 1000;
        else if (Code >= 18 && Code <= 33)
            Expected = 1800 + (Code - 18);
        else if (Code == 34)
            Expected = 3400;
        else if (Code == 35)
            Expected = 3500;
        Host.Calls.clear();
        EXPECT_EQ(Part.ReadTextField(Code), "text " + std::to_string(Expected)) << Code;
        ASSERT_EQ(Host.Calls.size(), 2u);
        EXPECT_EQ(Host.Calls[1].Name, "SchAPI_QueryText");
        EXPECT_EQ(Host.Calls[1].Arguments[0], qmRead);
    }
}

TEST(SchPart, ReadTextFieldCutsAnUnterminatedTextAt255) {
    test::TRecordingSchApi Host;
    Host.Effects["SchAPI_QueryText"] = [](const TArgs& A) { std::memset(*ArgAs<char*>(A[6]), 'q', SchTextBufferSize); };
    TSchPart Part(Handle);
    EXPECT_EQ(Part.ReadTextField(35), std::string(255, 'q'));
}

} // namespace
} // namespace snapscribe
