#include "FakeHost.h"

#include "capture/Sch2ScptEmitters.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

namespace snapscribe {
namespace {

using test::TFakeSheet;

std::string Lines(std::initializer_list<std::string> lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

// The block of a placement in ClientPascal: reset, Statements, the process and the empty line.
std::string Block(const std::string& process, std::initializer_list<std::string> statements) {
    return Lines({"ResetParameters;"}) + Lines(statements) + Lines({"RunProcess(\"Sch:" + process + "\");", ""});
}

// The X and Y lines of a location, as one item of a block.
std::string Location(const std::string& name, int dx, int dy) {
    return "AddIntegerParameter(\"" + name + ".X\"," + std::to_string(dx) + " + X);\r\n" + "AddIntegerParameter(\"" +
           name + ".Y\"," + std::to_string(dy) + " + Y);";
}

std::string Param(const std::string& name, const std::string& value) {
    return "AddStringParameter(\"" + name + "\", \"" + value + "\");";
}

const std::string Unselected = Param("Selection", "False");

template <typename Wrapper> std::unique_ptr<TSchObject> Make(const std::function<void(Wrapper&)>& fill) {
    auto wrapper = std::make_unique<Wrapper>();
    wrapper->Selection = 1;
    wrapper->X = 130;
    wrapper->Y = 80;
    wrapper->Color = 128;
    fill(*wrapper);
    return wrapper;
}

void SetText(PSchText buffer, const char* text) {
    std::strcpy(buffer, text);
}

template <typename MultiVertex> void SetVertices(MultiVertex& o, std::initializer_list<TSchPoint> vertices) {
    o.VertexCount = static_cast<std::int32_t>(vertices.size());
    std::copy(vertices.begin(), vertices.end(), o.Vertices);
}

TReal48 Angle(double degrees) {
    return *TReal48::FromDouble(degrees);
}

struct TEmitterCase {
    const char* Name;
    std::function<std::unique_ptr<TSchObject>()> Wrapper;
    std::string Expected;
};

// The object walk runs against an unbound host here: a re-read (junctions) then keeps the fields as set.
class Emitters : public ::testing::Test {
protected:
    Emitters() : saved_(SchApi) { SchApi = TSchApiTable{}; }
    ~Emitters() override { SchApi = saved_; }

    std::string Record(TSchObject& object, bool isPascal = true) {
        TStatementWriter out(isPascal, 100, 100);
        RecordObject(object, out, variables_);
        return out.Code();
    }

    TStrList variables_;

private:
    TSchApiTable saved_;
};

// Every emitter's block: location (130, 80) against the reference point (100, 100), colour 128.
TEST_F(Emitters, WriteTheBlockOfEachKind) {
    const std::string location = Location("Location", 30, -20);
    const TEmitterCase cases[] = {
        {"arc", [] { return Make<TArc>([](TArc& o) {
             o.Radius = 40;
             o.LineWidth = 2;
             o.StartAngle = Angle(0);
             o.EndAngle = Angle(90);
         }); },
         Block("PlaceArc", {location, Param("Radius", "40"), Param("LineWidth", "2"),
                            Param("StartAngle", " 0.00000000000000E+0000"),
                            Param("EndAngle", " 9.00000000000000E+0001"), Param("Color", "128"), Unselected})},
        {"bezier", [] { return Make<TBezier>([](TBezier& o) {
             o.LineWidth = 1;
             SetVertices(o, {{100, 100}, {150, 120}, {200, 100}, {250, 120}});
         }); },
         Block("PlaceBezier", {Param("LineWidth", "1"), Param("Color", "128"),
                               Unselected, Location("Location1", 0, 0), Location("Location2", 50, 20),
                                   Location("Location3", 100, 0), Location("Location4", 150, 20)})},
        {"bus", [] { return Make<TBus>([](TBus& o) {
             o.LineWidth = 3;
             SetVertices(o, {{100, 300}, {400, 300}});
         }); },
         Block("PlaceBus", {Param("LineWidth", "3"), Param("Color", "128"),
                            Unselected, Location("Location1", 0, 200), Location("Location2", 300, 200)})},
        {"bus entry", [] { return Make<TBusEntry>([](TBusEntry& o) {
             o.CornerX = 140;
             o.CornerY = 90;
             o.LineWidth = 1;
         }); },
         Block("PlaceBusEntry", {location, Location("Corner", 40, -10), Param("LineWidth", "1"),
                                 Param("Color", "128"), Unselected})},
        {"ellipse", [] { return Make<TEllipse>([](TEllipse& o) {
             o.Radius = 30;
             o.SecondaryRadius = 20;
             o.LineWidth = 1;
             o.AreaColor = 65535;
             o.IsSolid = 1;
         }); },
         Block("PlaceEllipse", {location, Param("Radius", "30"), Param("SecondaryRadius", "20"),
                                Param("LineWidth", "1"), Param("Color", "128"), Param("AreaColor", "65535"),
                                Param("IsSolid", "True"), Unselected})},
        {"elliptical arc", [] { return Make<TEllipticalArc>([](TEllipticalArc& o) {
             o.Radius = 30;
             o.SecondaryRadius = 20;
             o.LineWidth = 2;
             o.StartAngle = Angle(45);
             o.EndAngle = Angle(-135.5);
         }); },
         Block("PlaceEllipticalArc", {location, Param("Radius", "30"), Param("SecondaryRadius", "20"),
                                      Param("LineWidth", "2"), Param("StartAngle", " 4.50000000000000E+0001"),
                                      Param("EndAngle", "-1.35500000000000E+0002"), Param("Color", "128"),
                                      Unselected})},
        {"image", [] { return Make<TImage>([](TImage& o) {
             o.CornerX = 230;
             o.CornerY = 180;
             o.LineWidth = 0;
             o.IsSolid = 0;
             o.KeepAspect = 1;
             SetText(o.FileName, "C:\\Logos\\Board \"A\".bmp");
         }); },
         Block("PlaceGraphicImage",
               {location, Location("Corner", 130, 80), Param("LineWidth", "0"), Param("Color", "128"), Unselected,
                Param("IsSolid", "False"), Param("KeepAspect", "True"),
                "AddStringParameter(\"FileName\", \"C:\\Logos\\Board \"\"A\"\".bmp\");"})},
        {"junction", [] { return Make<TJunction>([](TJunction& o) { o.Size = 2; }); },
         Block("PlaceJunction", {location, Param("Size", "2"), Param("Color", "128"), Unselected})},
        {"annotation", [] { return Make<TAnnotation>([](TAnnotation& o) {
             o.Orientation = 1;
             SetText(o.Text, "Power stage");
         }); },
         Block("PlaceAnnotation", {location, Param("Orientation", "1"), Param("Color", "128"), Unselected,
                                   Param("S", "Power stage")})},
        {"layout directive", [] { return Make<TLayoutDirective>([](TLayoutDirective& o) {
             o.RoutingTrackWidth = 12;
             o.RoutingViaWidth = 40;
             o.NetTopology = 3;
             o.RoutingPriority = 4;
             o.Layer = 5;
         }); },
         Block("PlacePCBLayoutDirective", {Param("RoutingTrackWidth", "12"), Param("RoutingViaWidth", "40"),
                                           Param("NetTopology", "3"), Param("RoutingPriority", "4"),
                                           Param("Layer", "5"), location, Param("Color", "128"),
                                           Unselected})},
        {"line", [] { return Make<TLine>([](TLine& o) {
             o.X2 = 330;
             o.Y2 = 80;
             o.LineWidth = 2;
             o.Attribute = 1;
         }); },
         Block("PlaceLine", {Param("LineWidth", "2"), Param("LineStyle", "1"), Param("Color", "128"),
                             Unselected, Location("Location1", 30, -20), Location("Location2", 230, -20)})},
        {"net label", [] { return Make<TNetLabel>([](TNetLabel& o) {
             o.Orientation = 2;
             SetText(o.Text, "VOUT");
         }); },
         Block("PlaceNetLabel",
               {location, Param("Orientation", "2"), Param("Color", "128"), Unselected, Param("S", "VOUT")})},
        {"no ERC", [] { return Make<TNoERC>([](TNoERC&) {}); },
         Block("PlaceNoERC", {location, Param("Color", "128"), Unselected})},
        {"pie", [] { return Make<TPie>([](TPie& o) {
             o.Radius = 25;
             o.LineWidth = 1;
             o.StartAngle = Angle(90);
             o.EndAngle = Angle(180);
             o.AreaColor = 16711680;
             o.IsSolid = 2;
         }); },
         Block("PlacePieChart", {location, Param("Radius", "25"), Param("LineWidth", "1"),
                                 Param("StartAngle", " 9.00000000000000E+0001"),
                                 Param("EndAngle", " 1.80000000000000E+0002"), Param("Color", "128"),
                                 Param("AreaColor", "16711680"), Param("IsSolid", "False"), Unselected})},
        {"polygon", [] { return Make<TPolygon>([](TPolygon& o) {
             o.LineWidth = 1;
             o.AreaColor = 3;
             o.IsSolid = 1;
             SetVertices(o, {{100, 100}, {200, 100}, {150, 200}});
         }); },
         Block("PlacePolygon", {Param("LineWidth", "1"), Param("Color", "128"), Param("AreaColor", "3"),
                                Param("IsSolid", "True"),
                                Unselected, Location("Location1", 0, 0), Location("Location2", 100, 0),
                                    Location("Location3", 50, 100)})},
        {"polygon without vertices", [] { return Make<TPolygon>([](TPolygon& o) { o.LineWidth = 1; }); },
         Block("PlacePolygon", {Param("LineWidth", "1"), Param("Color", "128"), Param("AreaColor", "0"),
                                Param("IsSolid", "False"), Unselected})},
        {"polyline", [] { return Make<TPolyline>([](TPolyline& o) {
             o.LineWidth = 2;
             o.LineStyle = 3;
             SetVertices(o, {{90, 95}, {110, 95}});
         }); },
         Block("PlaceLine", {Param("LineWidth", "2"), Param("LineStyle", "3"), Param("Color", "128"),
                             Unselected, Location("Location1", -10, -5), Location("Location2", 10, -5)})},
        {"port", [] { return Make<TPort>([](TPort& o) {
             o.Style = 1;
             o.IOType = 2;
             o.Alignment = 3;
             o.Width = 60;
             o.AreaColor = 4;
             o.TextColor = 5;
             SetText(o.Name, "DATA[0..7]");
         }); },
         Block("PlacePort", {Param("Style", "1"), Param("IOType", "2"), Param("Alignment", "3"),
                             Param("Width", "60"), location, Param("Color", "128"),
                             Param("AreaColor", "4"), Param("TextColor", "5"), Unselected,
                             Param("Name", "DATA[0..7]")})},
        {"power object", [] { return Make<TPowerObject>([](TPowerObject& o) {
             o.Style = 4;
             o.Orientation = 3;
             SetText(o.Text, "GND");
         }); },
         Block("PlacePowerPort", {Param("Style", "4"), location, Param("Orientation", "3"),
                                  Param("Color", "128"), Unselected, Param("S", "GND")})},
        {"rectangle", [] { return Make<TRectangle>([](TRectangle& o) {
             o.CornerX = 300;
             o.CornerY = 250;
             o.LineWidth = 1;
             o.AreaColor = 9;
             o.IsSolid = 1;
         }); },
         Block("PlaceRectangle", {location, Location("Corner", 200, 150), Param("LineWidth", "1"),
                                  Param("Color", "128"), Param("AreaColor", "9"), Unselected,
                                  Param("IsSolid", "True")})},
        {"round rectangle", [] { return Make<TRoundRectangle>([](TRoundRectangle& o) {
             o.CornerX = 300;
             o.CornerY = 250;
             o.CornerXRadius = 10;
             o.CornerYRadius = 15;
             o.LineWidth = 1;
             o.AreaColor = 9;
         }); },
         Block("PlaceRoundRectangle", {location, Location("Corner", 200, 150), Param("CornerXRadius", "10"),
                                       Param("CornerYRadius", "15"), Param("LineWidth", "1"), Param("Color", "128"),
                                       Param("AreaColor", "9"), Unselected, Param("IsSolid", "False")})},
        {"probe", [] { return Make<TSimProbe>([](TSimProbe& o) { SetText(o.Text, "P1"); }); },
         Block("PlaceProbe", {location, Param("Color", "128"), Unselected, Param("S", "P1")})},
        {"stimulus", [] { return Make<TSimStimulus>([](TSimStimulus& o) { SetText(o.Text, "S1"); }); },
         Block("PlaceStimulus", {location, Param("Color", "128"), Unselected, Param("S", "S1")})},
        {"test vector", [] { return Make<TSimVector>([](TSimVector& o) { SetText(o.Text, "V1"); }); },
         Block("PlaceTestVectorIndex", {location, Param("Color", "128"), Unselected, Param("S", "V1")})},
        // The wire of the documented example: reference point (100, 100).
        {"wire", [] { return Make<TWire>([](TWire& o) {
             o.LineWidth = 1;
             SetVertices(o, {{100, 200}, {300, 200}});
         }); },
         Lines({"ResetParameters;", "AddStringParameter(\"LineWidth\", \"1\");", "AddStringParameter(\"Color\", \"128\");",
                "AddStringParameter(\"Selection\", \"False\");", "AddIntegerParameter(\"Location1.X\",0 + X);",
                "AddIntegerParameter(\"Location1.Y\",100 + Y);", "AddIntegerParameter(\"Location2.X\",200 + X);",
                "AddIntegerParameter(\"Location2.Y\",100 + Y);", "RunProcess(\"Sch:PlaceWire\");", ""})},
    };
    for (const TEmitterCase& c : cases) {
        const auto wrapper = c.Wrapper();
        EXPECT_EQ(Record(*wrapper), c.Expected) << c.Name;
    }
}

TEST_F(Emitters, WriteTheSameStatementsInClientBasic) {
    TWire wire;
    wire.Selection = 1;
    wire.LineWidth = 1;
    wire.Color = 128;
    SetVertices(wire, {{100, 200}});
    EXPECT_EQ(
        Record(wire, false),
        Lines({"Call ResetParameters ", "Call AddStringParameter(\"LineWidth\", \"1\") ",
               "Call AddStringParameter(\"Color\", \"128\") ", "Call AddStringParameter(\"Selection\", \"False\") ",
               "Call AddIntegerParameter(\"Location1.X\",0 + X) ", "Call AddIntegerParameter(\"Location1.Y\",100 + Y) ",
               "Call RunProcess(\"Sch:PlaceWire\") ", ""}));
}

TEST_F(Emitters, WriteNothingForUnselectedUnknownOrMismatchedObjects) {
    const std::function<std::unique_ptr<TSchObject>()> silent[] = {
        [] { return Make<TWire>([](TWire& o) { o.Selection = 0; }); },
        [] { return Make<TErrorMarker>([](TErrorMarker&) {}); },
        [] { return Make<TSymbol>([](TSymbol&) {}); },
        [] { return Make<TText>([](TText&) {}); },
        // The host reported a kind of its own for the object: 128 and above have no emitter.
        [] { return Make<TArc>([](TArc& o) { o.Kind = skArc | 128; }); },
        // A kind whose emitter expects another class is not written from this one.
        [] { return Make<TArc>([](TArc& o) { o.Kind = skWire; }); },
        [] { return Make<TWire>([](TWire& o) { o.Kind = skPart; }); },
    };
    for (const auto& make : silent) {
        const auto wrapper = make();
        EXPECT_EQ(Record(*wrapper), "") << int(wrapper->Kind);
    }
}

TEST_F(Emitters, KeepToTheVerticesTheWrapperHolds) {
    TWire wire;
    wire.Selection = 1;
    wire.VertexCount = SchMaxVertices + 10;
    const std::string code = Record(wire);
    EXPECT_NE(code.find("Location50.Y"), std::string::npos);
    EXPECT_EQ(code.find("Location51"), std::string::npos);
}

TEST_F(Emitters, JunctionsReadTheirRecordAgainBeforeWriting) {
    SchApi.SchAPI_QueryJunction = [](std::uint8_t mode, TSchHandle, std::int32_t* x, std::int32_t* y,
                                     std::uint8_t* size, std::uint8_t*, std::int32_t*, std::uint8_t*) -> std::int32_t {
        if (mode != qmRead)
            return 0;
        *x = 100;
        *y = 100;
        *size = 3;
        return 1;
    };
    TJunction junction(5);
    junction.Selection = 1;
    junction.X = 130;
    junction.Size = 1;
    EXPECT_EQ(Record(junction), Block("PlaceJunction", {Location("Location", 0, 0), Param("Size", "3"),
                                                        Param("Color", "0"), Unselected}));
}

TEST(CreateWrapper, GivesTheClassOfEachCapturedKind) {
    for (const std::uint8_t kind :
         {1, 2, 3, 4, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 36, 38, 39, 40, 41, 43, 44, 47, 48, 49, 50, 54}) {
        const auto wrapper = CreateWrapper(kind);
        ASSERT_NE(wrapper, nullptr) << int(kind);
        EXPECT_EQ(wrapper->GetKind(), kind);
        EXPECT_EQ(wrapper->Handle, 0u);
    }
    // Text objects are read through their parts only.
    for (const std::uint8_t kind : {0, 5, 17, 37, 42, 57, 127})
        EXPECT_EQ(CreateWrapper(kind), nullptr) << int(kind);
}

// Parts: fields, designator and part type read through their text objects, and only the descriptions that say
// something, numbered by their field.
TEST(PartEmitter, WritesThePartWithItsTextFields) {
    TFakeSheet sheet;
    const TSchHandle handle =
        sheet.AddPart(130, 80, "RES", "R1", " $R1 = 10k ",
                      {"*", " * ", "Vcc", "", "*", "", "", "", "", "", "", "", "", "", "", "Note \"16\""});
    // Field 4 has no text object: the text read before it must not carry over.
    sheet.Objects[handle - 1].Descriptions[3] = 0;
    TSchPart part(handle);
    part.Query(qmRead);
    part.CompDisplayMode = 2;
    part.IsMirrored = 1;
    part.Orientation = 3;
    part.PartId = 4;
    part.ShowHiddenFields = 1;
    std::strcpy(part.FootPrint, "AXIAL0.4");

    TStrList variables;
    TStatementWriter out(true, 100, 100);
    RecordObject(part, out, variables);

    EXPECT_EQ(
        out.Code(),
        Block("PlacePart",
              {Location("Location", 30, -20), Param("CompDisplayMode", "2"), Param("IsMirrored", "True"),
               Param("Orientation", "3"), Unselected, Param("PartId", "4"), Param("ShowHiddenFields", "True"),
               Param("ShowHiddenPins", "False"), Param("LibReference", "RES"), Param("FootPrint", "AXIAL0.4"),
               Param("Designator", "R1"), "AddStringParameter(\"PartType\", xR1);", Param("PartDescription3", "Vcc"),
               "AddStringParameter(\"PartDescription16\", \"Note \"\"16\"\"\");"}));
    EXPECT_EQ(variables.Lines(), std::vector<std::string>{"xR1=10k"});
}

TEST(PartType, DeclaresVariablesForDollarTypesAndWritesOthersAsText) {
    const struct {
        const char* Text;
        const char* Pascal;
        const char* Basic;
        const char* Variable; // nullptr: none
    } cases[] = {
        {" $R1 = 10k ", "AddStringParameter(\"PartType\", xR1);", "Call AddStringParameter(\"PartType\", Dlg.xR1) ",
         "xR1=10k"},
        {"$C2", "AddStringParameter(\"PartType\", xC2);", "Call AddStringParameter(\"PartType\", Dlg.xC2) ", "xC2="},
        {"$Gain Stage = 2 = x", "AddStringParameter(\"PartType\", xGain_Stage);",
         "Call AddStringParameter(\"PartType\", Dlg.xGain_Stage) ", "xGain_Stage=2 = x"},
        {"$R-1\"; Kill", "AddStringParameter(\"PartType\", xR_1___Kill);",
         "Call AddStringParameter(\"PartType\", Dlg.xR_1___Kill) ", "xR_1___Kill="},
        {"$=5", "AddStringParameter(\"PartType\", x_);", "Call AddStringParameter(\"PartType\", Dlg.x_) ", "x_=5"},
        {"10k", "AddStringParameter(\"PartType\", \"10k\");", "Call AddStringParameter(\"PartType\", \"10k\") ",
         nullptr},
        {"\t10 k\r\n", "AddStringParameter(\"PartType\", \"10 k\");",
         "Call AddStringParameter(\"PartType\", \"10 k\") ", nullptr},
        {"Op Amp = LM358", "AddStringParameter(\"PartType\", \"Op_Amp\");",
         "Call AddStringParameter(\"PartType\", \"Op_Amp\") ", nullptr},
        {"", "AddStringParameter(\"PartType\", \"\");", "Call AddStringParameter(\"PartType\", \"\") ", nullptr},
        {" = $R1", "AddStringParameter(\"PartType\", \"\");", "Call AddStringParameter(\"PartType\", \"\") ", nullptr},
        {"2\" \"x\x01y", "AddStringParameter(\"PartType\", \"2\"\" \"\"x\" + #1 + \"y\");",
         "Call AddStringParameter(\"PartType\", \"2\"\" \"\"x\" & Chr(1) & \"y\") ", nullptr},
    };
    for (const auto& c : cases) {
        for (const bool isPascal : {true, false}) {
            TStrList variables;
            TStatementWriter out(isPascal, 0, 0);
            RecordPartType(c.Text, out, variables);
            EXPECT_EQ(out.Code(), std::string(isPascal ? c.Pascal : c.Basic) + "\r\n") << c.Text;
            EXPECT_EQ(variables.Lines(),
                      c.Variable == nullptr ? std::vector<std::string>{} : std::vector<std::string>{c.Variable})
                << c.Text;
        }
    }
}

TEST(PartType, AddsEachVariableOnceIgnoringCase) {
    TStrList variables;
    TStatementWriter out(true, 0, 0);
    for (const char* type : {"$R1=10k", "$R1=10k", "$r1 = 10K", "$R1=22k", "$C1=1n"})
        RecordPartType(type, out, variables);
    EXPECT_EQ(variables.Lines(), (std::vector<std::string>{"xR1=10k", "xR1=22k", "xC1=1n"}));
    EXPECT_EQ(variables.MaxNameLength(), 3);
}

} // namespace
} // namespace snapscribe
